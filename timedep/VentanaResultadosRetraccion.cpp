#include "timedep/VentanaResultadosRetraccion.h"

#include "common/Campos.h"
#include "timedep/Retraccion.h"
#include "ui_VentanaResultadosRetraccion.h"

namespace velmora {

TVentanaResultadosRetraccion::TVentanaResultadosRetraccion(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaResultadosRetraccion>()) {
    ui->setupUi(this);
    ui->BotonCompararNormas->setEnabled(false); // hasta que haya datos calculados
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaResultadosRetraccion::BotonCompararNormasClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TVentanaResultadosRetraccion::RecordarDatos(const DatosRetraccion& datos) {
    datos_ = datos;
    ui->BotonCompararNormas->setEnabled(true);
}

void TVentanaResultadosRetraccion::BotonCompararNormasClick() {
    if (datos_)
        emit pideComparacion();
}

TVentanaResultadosRetraccion::~TVentanaResultadosRetraccion() = default;

void TVentanaResultadosRetraccion::Rellenar(const TextosRetraccion& t) {
    ui->Valor1->setText(Q(t.Valor1));
    ui->Valor10->setText(Q(t.Valor10));
    ui->Valor11->setText(Q(t.Valor11));
    ui->Valor12->setText(Q(t.Valor12));
    ui->Valorrt->setText(Q(t.Valorrt));
}

} // namespace velmora
