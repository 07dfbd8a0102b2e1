#include "shear/VentanaTransversal2.h"

#include "common/Campos.h"
#include "shear/DescripcionCortante.h"
#include "shear/Cuadros.h"
#include "ui_VentanaTransversal2.h"

#include <QLayout>

namespace velmora {

TVentanaTransversal2::TVentanaTransversal2(EstadoDiseno& estado, QWidget* parent)
    : QDialog(parent), estado_(estado), ui(std::make_unique<Ui::TVentanaTransversal2>()) {
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    auto politica = ui->Aviso->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    ui->Aviso->setSizePolicy(politica);
    ui->Aviso->hide();
    ui->NotaSeparacion->hide();
    ui->EtiquetaNorma->hide();
    for (QLineEdit* campo : {ui->Valor1, ui->Valor2, ui->Valor3})
        connect(campo, &QLineEdit::editingFinished, this,
                &TVentanaTransversal2::DiametroMinimoChange);
    connect(ui->DiametroMinimo, &QComboBox::currentIndexChanged, this,
            &TVentanaTransversal2::DiametroMinimoChange);
    connect(ui->DiametroMinimo->lineEdit(), &QLineEdit::editingFinished, this,
            &TVentanaTransversal2::DiametroMinimoChange);
    connect(ui->DiametroMaximo, &QComboBox::currentIndexChanged, this,
            &TVentanaTransversal2::DiametroMaximoChange);
    connect(ui->DiametroMaximo->lineEdit(), &QLineEdit::editingFinished, this,
            &TVentanaTransversal2::DiametroMaximoChange);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaTransversal2::BotonCompararNormasClick);
    ui->BotonOK->setFocus();
}

TVentanaTransversal2::~TVentanaTransversal2() = default;

void TVentanaTransversal2::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (estado_.norma != normaMostrada_)
        CalcularCercos();
}

void TVentanaTransversal2::DiametroMinimoChange() {
    Ajustar(true);
}

void TVentanaTransversal2::DiametroMaximoChange() {
    Ajustar(false);
}

// La barra más delgada nunca queda por encima de la más gruesa: se mueve el otro cuadro.
void TVentanaTransversal2::Ajustar(bool cambioMinimo) {
    const std::string texto = DiametroAjustado(TextosDe(this, CamposCercos), cambioMinimo);
    if (!texto.empty())
        FijarTextoCuadro(cambioMinimo ? ui->DiametroMaximo : ui->DiametroMinimo, Q(texto));
    CalcularCercos();
}

// El último resultado queda, atenuado, hasta que los datos vuelvan a ser válidos.
void TVentanaTransversal2::MostrarAviso(const QString& texto) {
    ui->Aviso->setText(texto);
    ui->Aviso->show();
    ui->Armadura->setEnabled(false);
}

void TVentanaTransversal2::CalcularCercos() {
    const auto datos = LeerDatosCercos(TextosDe(this, CamposCercos));
    if (!datos) {
        MostrarAviso(Q(datos.error().mensaje));
        return;
    }
    const DatosCercos& d = *datos;
    const auto c = velmora::CalcularCercos(estado_, d.h, d.b, d.d1, d.phiMin, d.phiMax);
    if (!c) {
        MostrarAviso(Q(c.error().mensaje));
        return;
    }
    ui->Aviso->hide();
    ui->Aviso->clear();
    ui->Armadura->setEnabled(true);
    ui->Armadura->setText(Q(c.valor().Armadura));
    normaMostrada_ = c.valor().norma;
    ui->NotaSeparacion->setText(Q(c.valor().NotaSeparacion));
    ui->NotaSeparacion->setVisible(!c.valor().NotaSeparacion.empty());
    MostrarNorma(ui->EtiquetaNorma, c.valor().norma);
}

// Se pide con el botón: un dato que no vale se dice en un mensaje, no sólo bajo el resultado.
void TVentanaTransversal2::BotonCompararNormasClick() {
    const auto datos = LeerDatosCercos(TextosDe(this, CamposCercos));
    if (!datos) {
        MostrarError(this, datos.error());
        return;
    }
    emit pideComparacion(*datos);
}

} // namespace velmora
