#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaAnclaje;
}

namespace velmora {

struct SalidaAnclaje;

// Resultados de las longitudes de anclaje: básica y neta de las posiciones II y I.
class TVentanaAnclaje : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaAnclaje(QWidget* parent = nullptr);
    ~TVentanaAnclaje() override;

    // Escribe los rótulos del último cálculo; las posiciones no calculadas se ocultan.
    void Rellenar(const SalidaAnclaje& salida);
    // Rellena y abre la ventana (modal).
    void Mostrar(const SalidaAnclaje& salida);

signals:
    // «Comparar normas»: las mismas longitudes con las dos normas.
    void pideComparacion();

private:
    std::unique_ptr<Ui::TVentanaAnclaje> ui;
};

} // namespace velmora
