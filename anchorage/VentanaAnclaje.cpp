#include "anchorage/VentanaAnclaje.h"

#include "anchorage/Anclaje.h"
#include "common/Campos.h"
#include "ui_VentanaAnclaje.h"

namespace velmora {

TVentanaAnclaje::TVentanaAnclaje(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaAnclaje>()) {
    ui->setupUi(this);
    ui->EtiquetaNorma->hide();
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaAnclaje::pideComparacion);
}

TVentanaAnclaje::~TVentanaAnclaje() = default;

void TVentanaAnclaje::Rellenar(const SalidaAnclaje& salida) {
    struct Fila {
        std::size_t p; // índice de la posición: 1 la II, 0 la I
        QLabel* rotuloBasica;
        QLabel* basica;
        QLabel* rotuloNeta;
        QLabel* neta;
    };
    const Fila filas[] = {
        {1, ui->RotuloLongitudBasicaII, ui->LongitudBasicaII, ui->RotuloLongitudNetaII,
         ui->LongitudNetaII},
        {0, ui->RotuloLongitudBasicaI, ui->LongitudBasicaI, ui->RotuloLongitudNetaI,
         ui->LongitudNetaI},
    };
    for (const Fila& f : filas) {
        const bool visible = salida.Calculada[f.p];
        for (QLabel* l : {f.rotuloBasica, f.basica, f.rotuloNeta, f.neta})
            l->setVisible(visible);
        if (visible) {
            f.basica->setText(Q(salida.LongitudBasica[f.p]));
            f.neta->setText(Q(salida.LongitudNeta[f.p]));
        }
    }
    ui->EtiquetaDecalaje->setVisible(salida.Nota);
    MostrarNorma(ui->EtiquetaNorma, salida.norma);
}

void TVentanaAnclaje::Mostrar(const SalidaAnclaje& salida) {
    Rellenar(salida);
    exec();
}

} // namespace velmora
