#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaAnclaje;
}

namespace velmora {

struct Aplicacion;
struct SalidaAnclaje;

// Resultados de las longitudes de anclaje: básica y neta de las posiciones II y I.
class TVentanaAnclaje : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaAnclaje(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaAnclaje() override;

    // Escribe los rótulos del último cálculo; las posiciones no calculadas se ocultan.
    void Rellenar(const SalidaAnclaje& salida);

private:
    Aplicacion& app_;
    std::unique_ptr<Ui::TVentanaAnclaje> ui;
};

} // namespace velmora
