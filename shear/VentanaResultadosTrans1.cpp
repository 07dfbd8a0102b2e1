#include "shear/VentanaResultadosTrans1.h"

#include "common/Campos.h"
#include "shear/Cuadros.h"
#include "ui_VentanaResultadosTrans1.h"

#include <QLayout>
#include <QLineEdit>

namespace velmora {

TVentanaResultadosTrans1::TVentanaResultadosTrans1(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaResultadosTrans1>()) {
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    letraLongitud_ = ui->LongitudZona1->font();
    for (QLabel* etiqueta : {ui->EtiquetaSeparacion01, ui->EtiquetaSeparacion02}) {
        // Mostrar u ocultar el aviso no mueve el resto de la ventana.
        auto politica = etiqueta->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        etiqueta->setSizePolicy(politica);
        etiqueta->hide();
    }
    for (QComboBox* cuadro :
         {ui->NumeroCercosZona1, ui->DiametroZona1, ui->NumeroCercosZona2, ui->DiametroZona2}) {
        connect(cuadro, &QComboBox::currentIndexChanged, this,
                &TVentanaResultadosTrans1::DiametroZona1Change);
        connect(cuadro->lineEdit(), &QLineEdit::textEdited, this, [this] { CalcularZonas(false); });
        connect(cuadro->lineEdit(), &QLineEdit::editingFinished, this,
                &TVentanaResultadosTrans1::DiametroZona1Change);
    }
    ui->EtiquetaNorma->hide();
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            [this] { emit pideComparacion(Eleccion()); });
}

TVentanaResultadosTrans1::~TVentanaResultadosTrans1() = default;

void TVentanaResultadosTrans1::Preparar(const CalculoCortante& calculo) {
    calculo_ = calculo;
    calculado_ = true;
    ui->AgotamientoCompresionOblicua->setText(Q(TextoFuerza(calculo.Vu1)));
    ui->ContribucionHormigon->setText(Q(TextoFuerza(calculo.Vcu)));
    const auto simbolos = SimbolosResultadosCortante(calculo.norma);
    QLabel* const etiquetas[] = {ui->EtiquetaVu1,        ui->EtiquetaVcu,
                                 ui->EtiquetaVsuApoyo,   ui->EtiquetaVsuCentral,
                                 ui->EtiquetaVu2Apoyo,   ui->EtiquetaVu2Central};
    for (std::size_t i = 0; i < simbolos.size(); ++i)
        etiquetas[i]->setText(Q(simbolos[i]));
    MostrarNorma(ui->EtiquetaNorma, calculo.norma);
    // El veredicto lleva un retorno de carro entre sus dos líneas.
    ui->Label7->setText(Q(TextoCompresionOblicua(calculo)).replace(QChar('\r'), QChar('\n')));
    CalcularZonas(true);
}

void TVentanaResultadosTrans1::Mostrar(const CalculoCortante& calculo) {
    Preparar(calculo);
    ui->BotonOK->setFocus();
    exec();
}

void TVentanaResultadosTrans1::DiametroZona1Change() {
    CalcularZonas(true);
}

EleccionZonas TVentanaResultadosTrans1::Eleccion() const {
    EleccionZonas eleccion;
    eleccion.NumeroCercosZona1 = S(ui->NumeroCercosZona1->currentText());
    eleccion.DiametroZona1 = S(ui->DiametroZona1->currentText());
    eleccion.NumeroCercosZona2 = S(ui->NumeroCercosZona2->currentText());
    eleccion.DiametroZona2 = S(ui->DiametroZona2->currentText());
    return eleccion;
}

void TVentanaResultadosTrans1::CalcularZonas(bool reescribir) {
    if (!calculado_)
        return;
    const auto t = velmora::CalcularZonas(calculo_, Eleccion());

    ui->Recordatorio->setText(Q(t.Recordatorio));
    struct Controles {
        QComboBox* diametro;
        QLabel *longitud, *separacion, *contribucion, *agotamiento;
    };
    const Controles zonas[2] = {{ui->DiametroZona1, ui->LongitudZona1, ui->EtiquetaSeparacion01,
                                 ui->ContribucionArmadura01, ui->AgotamientoTraccion01},
                                {ui->DiametroZona2, ui->LongitudZona2, ui->EtiquetaSeparacion02,
                                 ui->ContribucionArmadura02, ui->AgotamientoTraccion02}};
    for (int i = 0; i < 2; ++i) {
        const auto& z = t.zona[i];
        const auto& c = zonas[i];
        if (reescribir && !z.DiametroElevado.empty())
            FijarTextoCuadro(c.diametro, Q(z.DiametroElevado));
        c.longitud->setText(Q(z.Longitud));
        // Un motivo en lugar de la separación se lee mejor con la letra normal.
        c.longitud->setFont(z.valida ? letraLongitud_ : font());
        c.longitud->setStyleSheet(z.valida ? QString() : QStringLiteral("color: #b00000;"));
        c.separacion->setVisible(z.SeparacionMaxima);
        c.contribucion->setText(Q(z.ContribucionArmadura));
        c.agotamiento->setText(Q(z.AgotamientoTraccion));
    }
}

} // namespace velmora
