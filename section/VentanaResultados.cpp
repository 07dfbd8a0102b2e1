#include "section/VentanaResultados.h"

#include "common/Campos.h"
#include "design/VentanaArea.h"
#include "section/DominioDeDeformacion.h"
#include "norma/Norma.h"
#include "section/Resultados.h"

#include "ui_VentanaResultados.h"

#include <QFontMetrics>

namespace velmora {

TVentanaResultados::TVentanaResultados(EstadoDiseno& estado, TVentanaArea& area, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaResultados>()), estado_(estado),
      area_(area) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaResultados"));

    // Los rótulos que cambian con cada cálculo se reservan el ancho de su texto más largo, para
    // que la ventana no cambie de tamaño ni corte nada de un cálculo a otro.
    const QFontMetrics medida(ui->DomDeform->font());
    int ancho = 0;
    for (unsigned dominio = 1; dominio <= 6; ++dominio)
        for (const auto& linea : LineasDominio(dominio))
            ancho = std::max(ancho, medida.horizontalAdvance(Q(linea)));
    ui->DomDeform->setMinimumWidth(ancho);
    ui->DomDeform->setMinimumHeight(medida.lineSpacing() * 3);
    ui->Cuantia->setMinimumHeight(medida.lineSpacing());
    ui->Recomendada->setMinimumHeight(medida.lineSpacing());
    // Las filas de las áreas y capacidades, a la altura de las de las listas de diámetros, para
    // que las tres cajas se lean como una tabla.
    const int alto = ui->DiametroTraccion->sizeHint().height();
    for (auto* fila :
         {ui->EtiquetaAreaA2, ui->AreaCompresion, ui->EtiquetaAreaA1, ui->AreaTraccion,
          ui->EtiquetaU2, ui->CapacidadCompresion, ui->EtiquetaU1, ui->CapacidadTraccion})
        fila->setMinimumHeight(alto);
    ui->AvisoDiametro->setStyleSheet(QStringLiteral("color: #b00000;"));
    ui->AvisoDiametro->hide();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(ui->DiametroTraccion, &QComboBox::currentTextChanged, this,
            &TVentanaResultados::DiametroTraccionChange);
    connect(ui->DiametroCompresion, &QComboBox::currentTextChanged, this,
            &TVentanaResultados::DiametroCompresionChange);
    connect(ui->BotonDominio, &QPushButton::clicked, this, &TVentanaResultados::BotonDominioClick);
    connect(ui->BotonAnclajeA1, &QPushButton::clicked, this,
            &TVentanaResultados::BotonAnclajeA1Click);
    connect(ui->BotonAnclajeA2, &QPushButton::clicked, this,
            &TVentanaResultados::BotonAnclajeA2Click);
    connect(ui->BotonArea, &QPushButton::clicked, this, &TVentanaResultados::BotonAreaClick);
    connect(ui->BotonInteraccion, &QPushButton::clicked, this,
            &TVentanaResultados::BotonInteraccionClick);
    connect(ui->BotonFisuracion, &QPushButton::clicked, this,
            &TVentanaResultados::BotonFisuracionClick);
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaResultados::BotonCompararNormasClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaResultados::~TVentanaResultados() = default;

void TVentanaResultados::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    ui->BotonOK->setFocus();
}

void TVentanaResultados::MostrarResultados(const RotulosResultados& r) {
    // Un dominio fuera de 1..6 no tiene texto: el rótulo se queda como estaba.
    if (!r.DomDeform.empty())
        ui->DomDeform->setText(Q(r.DomDeform));
    diametro12_ = r.DiametroMinimo12;
    recomendada_ = r.Recomendada;
    ui->Recomendada->setText(Q(r.Recomendada));
    ui->Cuantia->setText(Q(r.Cuantia));
    ui->CapacidadTraccion->setText(Q(r.CapacidadTraccion));
    ui->CapacidadCompresion->setText(Q(r.CapacidadCompresion));
    ui->AreaTraccion->setText(Q(r.AreaTraccion));
    ui->AreaCompresion->setText(Q(r.AreaCompresion));
    ui->Profundidad->setText(Q(r.Profundidad));
    ui->xlimite->setText(Q(r.xlimite));
    ui->EtiquetaNorma->setText(Q(TextoNormaEnUso(estado_.norma)));
}

void TVentanaResultados::AbrirConResultados(const RotulosResultados& r) {
    MostrarResultados(r);
    NumeroBarrasTraccion();
    NumeroBarrasCompresion();
    exec();
}

void TVentanaResultados::MostrarNumero(const Resultado<std::string>& n, QLabel* numero) {
    if (n) {
        numero->setText(Q(*n));
        // El aviso sólo desaparece cuando los dos diámetros vuelven a ser válidos.
        if (!ui->NumeroA1->text().isEmpty() && !ui->NumeroA2->text().isEmpty())
            ui->AvisoDiametro->hide();
        return;
    }
    // Sin diámetro válido no hay número de barras: se dice en la propia ventana, sin cuadro de
    // mensaje, porque el diámetro se recalcula con cada tecla.
    numero->clear();
    ui->AvisoDiametro->setText(Q(n.error().mensaje));
    ui->AvisoDiametro->show();
}

void TVentanaResultados::NotaDiametros() {
    RotulosResultados r;
    r.Recomendada = recomendada_;
    r.DiametroMinimo12 = diametro12_;
    ui->Recomendada->setText(Q(RecomendadaConDiametros(r, S(ui->DiametroTraccion->currentText()),
                                                      S(ui->DiametroCompresion->currentText()))));
}

void TVentanaResultados::NumeroBarrasTraccion() {
    MostrarNumero(velmora::NumeroBarrasTraccion(estado_, S(ui->DiametroTraccion->currentText())),
                  ui->NumeroA1);
    NotaDiametros();
}

void TVentanaResultados::NumeroBarrasCompresion() {
    MostrarNumero(velmora::NumeroBarrasCompresion(estado_, S(ui->DiametroCompresion->currentText())),
                  ui->NumeroA2);
    NotaDiametros();
}

QString TVentanaResultados::DiametroTraccion() const {
    return ui->DiametroTraccion->currentText();
}

QString TVentanaResultados::DiametroCompresion() const {
    return ui->DiametroCompresion->currentText();
}

void TVentanaResultados::CopiarDiametro(QComboBox* origen, QComboBox* destino) {
    if (destino->currentText() == origen->currentText())
        return;
    copiando_ = true;
    destino->setCurrentText(origen->currentText());
    copiando_ = false;
}

void TVentanaResultados::DiametroTraccionChange() {
    NumeroBarrasTraccion();
    if (estado_.Simetrica && !copiando_) {
        CopiarDiametro(ui->DiametroTraccion, ui->DiametroCompresion);
        NumeroBarrasCompresion();
    }
}

void TVentanaResultados::DiametroCompresionChange() {
    NumeroBarrasCompresion();
    if (estado_.Simetrica && !copiando_) {
        CopiarDiametro(ui->DiametroCompresion, ui->DiametroTraccion);
        NumeroBarrasTraccion();
    }
}

void TVentanaResultados::BotonDominioClick() {
    TDominioDeDeformacion::Mostrar(estado_, this);
}

void TVentanaResultados::BotonAnclajeA1Click() {
    emit pideAnclaje(1, ui->NumeroA1->text(), ui->DiametroTraccion->currentText(), ui->AreaTraccion->text());
}

void TVentanaResultados::BotonAnclajeA2Click() {
    emit pideAnclaje(2, ui->NumeroA2->text(), ui->DiametroCompresion->currentText(), ui->AreaCompresion->text());
}

void TVentanaResultados::BotonAreaClick() {
    // Ranura 0: el selector como calculadora; su resultado no se usa aquí.
    (void)area_.Seleccionar(0);
}

namespace {

int Entero(const QString& texto) {
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace

void TVentanaResultados::BotonInteraccionClick() {
    emit InteraccionPedida(Entero(ui->NumeroA1->text()), Entero(ui->DiametroTraccion->currentText()),
                           Entero(ui->NumeroA2->text()),
                           Entero(ui->DiametroCompresion->currentText()));
}

void TVentanaResultados::BotonFisuracionClick() {
    emit FisuracionPedida(Entero(ui->NumeroA1->text()), Entero(ui->DiametroTraccion->currentText()),
                          Entero(ui->NumeroA2->text()),
                          Entero(ui->DiametroCompresion->currentText()));
}

void TVentanaResultados::BotonCompararNormasClick() {
    emit pideComparacion();
}

} // namespace velmora
