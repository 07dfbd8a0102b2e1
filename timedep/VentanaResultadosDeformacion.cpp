#include "timedep/VentanaResultadosDeformacion.h"

#include "common/Campos.h"
#include "timedep/Fluencia.h"
#include "ui_VentanaResultadosDeformacion.h"

namespace velmora {

TVentanaResultadosDeformacion::TVentanaResultadosDeformacion(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaResultadosDeformacion>()) {
    ui->setupUi(this);
    ui->BotonCompararNormas->setEnabled(false); // hasta que haya datos calculados
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaResultadosDeformacion::BotonCompararNormasClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TVentanaResultadosDeformacion::RecordarDatos(const DatosFluencia& datos) {
    datos_ = datos;
    ui->BotonCompararNormas->setEnabled(true);
}

void TVentanaResultadosDeformacion::BotonCompararNormasClick() {
    if (datos_)
        emit pideComparacion();
}

TVentanaResultadosDeformacion::~TVentanaResultadosDeformacion() = default;

void TVentanaResultadosDeformacion::Rellenar(const TextosFluencia& t) {
    const std::pair<QLabel*, const std::string&> rotulos[] = {
        {ui->Valor1, t.Valor1},         {ui->Valor2, t.Valor2},
        {ui->Valor3, t.Valor3},         {ui->Valor4, t.Valor4},
        {ui->Valor5, t.Valor5},         {ui->Valor10, t.Valor10},
        {ui->Valor11, t.Valor11},       {ui->Valor12, t.Valor12},
        {ui->Valor13, t.Valor13},       {ui->Valor14, t.Valor14},
        {ui->Valor15, t.Valor15},       {ui->Valor16, t.Valor16},
        {ui->Valor17, t.Valor17},       {ui->ValorEcj, t.ValorEcj},
        {ui->Valorfcj, t.Valorfcj},     {ui->Valorbetatj, t.Valorbetatj},
        {ui->Valorbetaj, t.Valorbetaj}, {ui->Valorbetat, t.Valorbetat},
    };
    for (const auto& [etiqueta, texto] : rotulos)
        etiqueta->setText(Q(texto));
}

} // namespace velmora
