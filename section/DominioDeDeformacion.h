#pragma once
// Ventana del dominio de deformación: el dibujo de los dominios con el perfil de deformaciones
// del último cálculo trazado encima. Se crea cada vez que se pide y se destruye al cerrarse.

#include <QDialog>
#include <QPixmap>
#include <memory>

namespace Ui {
class TDominioDeDeformacion;
}

namespace velmora {

struct EstadoDiseno;

class TDominioDeDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TDominioDeDeformacion(const EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TDominioDeDeformacion() override;

    // Carga "dominio01.bmp" de la carpeta del programa en Imagen; false (ya avisado) si falta.
    bool CargarDibujo();

    // Crea la ventana, carga el dibujo, la muestra modal y la destruye al cerrarse.
    static void Mostrar(const EstadoDiseno& estado, QWidget* padre);

    // Rótulo y perfil del estado de deformación actual, trazado sobre una copia del dibujo.
    void FormShow();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::unique_ptr<Ui::TDominioDeDeformacion> ui;
    const EstadoDiseno& estado_;
    QPixmap original_;
};

} // namespace velmora
