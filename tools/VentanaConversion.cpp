#include "tools/VentanaConversion.h"

#include "common/Campos.h"
#include "tools/Conversion.h"
#include "ui_VentanaConversion.h"

#include <QLocale>
#include <QStyle>

namespace velmora {

namespace {

TipoConversion Tipo(const GrupoOpciones* grupo) {
    const int i = grupo->itemIndex();
    return (i >= 0 && i < NumeroTiposConversion) ? static_cast<TipoConversion>(i)
                                                 : TipoConversion::Longitud;
}

// Separador decimal de la configuración regional del usuario; un punto si no da ninguno.
std::string SeparadorRegional() {
    const QString s = QLocale::system().decimalPoint();
    return s.isEmpty() ? std::string(".") : S(s);
}

} // namespace

TVentanaConversion::TVentanaConversion(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaConversion>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaConversion"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->BotonOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

    ui->GrupoTipoConversion->FijarElementos(OpcionesTipoConversion, 0);
    ui->GrupoTipoLongitudOrigen->FijarElementos(OpcionesUnidadLongitud, 0);
    ui->GrupoTipoFuerzaOrigen->FijarElementos(OpcionesUnidadFuerza, 0);
    ui->GrupoTipoLongitudFinal->FijarElementos(OpcionesUnidadLongitud, 0);
    ui->GrupoTipoFuerzaFinal->FijarElementos(OpcionesUnidadFuerza, 0);
    ui->GrupoTipoSalida->FijarElementos(OpcionesSalida, 0);
    ui->GrupoTipoFuerzaOrigen->setEnabled(false);
    ui->GrupoTipoFuerzaFinal->setEnabled(false);

    // Nombres de las unidades al crear la ventana.
    UnidadFuerzaOrigen = QStringLiteral("t");
    UnidadLongitudOrigen = QStringLiteral("m");
    UnidadFuerzaFinal = QStringLiteral("t");
    UnidadLongitudFinal = QStringLiteral("m");

    connect(ui->GrupoTipoLongitudOrigen, &GrupoOpciones::IndiceElegido, this,
            &TVentanaConversion::GrupoTipoLongitudOrigenClick);
    connect(ui->GrupoTipoFuerzaOrigen, &GrupoOpciones::IndiceElegido, this,
            &TVentanaConversion::GrupoTipoFuerzaOrigenClick);
    connect(ui->GrupoTipoLongitudFinal, &GrupoOpciones::IndiceElegido, this,
            &TVentanaConversion::GrupoTipoLongitudFinalClick);
    connect(ui->GrupoTipoFuerzaFinal, &GrupoOpciones::IndiceElegido, this,
            &TVentanaConversion::GrupoTipoFuerzaFinalClick);
    connect(ui->GrupoTipoConversion, &GrupoOpciones::IndiceElegido, this,
            &TVentanaConversion::GrupoTipoConversionClick);
    connect(ui->GrupoTipoSalida, &GrupoOpciones::IndiceElegido, this,
            &TVentanaConversion::GrupoTipoConversionClick);
    connect(ui->ValorOrigen, &QLineEdit::textChanged, this,
            &TVentanaConversion::GrupoTipoConversionClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaConversion::~TVentanaConversion() = default;

void TVentanaConversion::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    ui->BotonOK->setFocus(Qt::ActiveWindowFocusReason);
}

void TVentanaConversion::GrupoTipoLongitudOrigenClick(int indice) {
    UnidadLongitudOrigen = QString::fromUtf8(NombreUnidadLongitud(indice));
    ActualizarUnidadesOrigen();
    Convertir();
}

void TVentanaConversion::GrupoTipoFuerzaOrigenClick(int indice) {
    UnidadFuerzaOrigen = QString::fromUtf8(NombreUnidadFuerza(indice));
    ActualizarUnidadesOrigen();
    Convertir();
}

void TVentanaConversion::GrupoTipoLongitudFinalClick(int indice) {
    UnidadLongitudFinal = QString::fromUtf8(NombreUnidadLongitud(indice));
    ActualizarUnidadesFinal();
    Convertir();
}

void TVentanaConversion::GrupoTipoFuerzaFinalClick(int indice) {
    UnidadFuerzaFinal = QString::fromUtf8(NombreUnidadFuerza(indice));
    ActualizarUnidadesFinal();
    Convertir();
}

void TVentanaConversion::GrupoTipoConversionClick() {
    const TipoConversion tipo = Tipo(ui->GrupoTipoConversion);
    // Los dos grupos de longitud siempre juntos, y los dos de fuerza también; un grupo
    // deshabilitado conserva su elección.
    ui->GrupoTipoLongitudOrigen->setEnabled(UsaLongitud(tipo));
    ui->GrupoTipoLongitudFinal->setEnabled(UsaLongitud(tipo));
    ui->GrupoTipoFuerzaOrigen->setEnabled(UsaFuerza(tipo));
    ui->GrupoTipoFuerzaFinal->setEnabled(UsaFuerza(tipo));
    ActualizarUnidadesOrigen();
    ActualizarUnidadesFinal();
    Convertir();
}

void TVentanaConversion::ActualizarUnidadesOrigen() {
    ui->EtiquetaUnidadesOrigen01->setText(Q(TextoUnidad(
        Tipo(ui->GrupoTipoConversion), S(UnidadFuerzaOrigen), S(UnidadLongitudOrigen))));
}

void TVentanaConversion::ActualizarUnidadesFinal() {
    ui->EtiquetaUnidadesFinal01->setText(Q(
        TextoUnidad(Tipo(ui->GrupoTipoConversion), S(UnidadFuerzaFinal), S(UnidadLongitudFinal))));
}

void TVentanaConversion::Convertir() {
    const UnidadesConversion u{
        ui->GrupoTipoLongitudOrigen->itemIndex(), ui->GrupoTipoFuerzaOrigen->itemIndex(),
        ui->GrupoTipoLongitudFinal->itemIndex(), ui->GrupoTipoFuerzaFinal->itemIndex()};
    ui->ValorFinal->setText(
        Q(TextoValorFinal(Tipo(ui->GrupoTipoConversion), S(ui->ValorOrigen->text()), u,
                          ui->GrupoTipoSalida->itemIndex() == 1, SeparadorRegional())));
}

} // namespace velmora
