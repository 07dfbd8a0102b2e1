#include "section/VentanaComparacion.h"

#include "common/Campos.h"
#include "section/ComparacionNormas.h"

#include "ui_VentanaComparacion.h"

#include <QHeaderView>
#include <QScreen>
#include <QTableWidgetItem>

namespace velmora {

TVentanaComparacion::TVentanaComparacion(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaComparacion>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaComparacion"));
    ui->TablaComparacion->verticalHeader()->hide();
    ui->TablaComparacion->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->TablaComparacion->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaComparacion::~TVentanaComparacion() = default;

void TVentanaComparacion::MostrarComparacion(const ComparacionNormas& c) {
    if (!c.Descripcion.empty())
        ui->EtiquetaComparacion->setText(Q(c.Descripcion));
    auto* tabla = ui->TablaComparacion;
    tabla->setRowCount(static_cast<int>(c.Filas.size()));
    for (int i = 0; i < tabla->rowCount(); ++i) {
        const auto& f = c.Filas[static_cast<std::size_t>(i)];
        int columna = 0;
        for (const auto& texto : {f.Magnitud, f.EHE98, f.CodigoEstructural, f.Diferencia}) {
            auto* celda = new QTableWidgetItem(Q(texto));
            if (columna > 0)
                celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabla->setItem(i, columna++, celda);
        }
    }
    tabla->resizeColumnsToContents();
    tabla->resizeRowsToContents();
    // adjustSize() no pasa de 2/3 de la pantalla: una tabla ancha quedaría cortada.
    adjustSize();
    if (const QScreen* pantalla = screen())
        resize(sizeHint().boundedTo(pantalla->availableGeometry().size()));
}

void TVentanaComparacion::Abrir(const ComparacionNormas& c) {
    MostrarComparacion(c);
    exec();
}

} // namespace velmora
