#pragma once
// «Comparación de normas»: la tabla de los resultados principales del dimensionamiento con la
// EHE-98 y con el Código Estructural, y su diferencia.

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaComparacion;
}

namespace velmora {

struct ComparacionNormas;

class TVentanaComparacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaComparacion(QWidget* parent = nullptr);
    ~TVentanaComparacion() override;

    // Llena la tabla con las filas de la comparación.
    void MostrarComparacion(const ComparacionNormas& c);
    // Llena la tabla y abre la ventana (modal).
    void Abrir(const ComparacionNormas& c);

private:
    std::unique_ptr<Ui::TVentanaComparacion> ui;
};

} // namespace velmora
