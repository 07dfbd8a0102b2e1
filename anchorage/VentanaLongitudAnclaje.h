#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaLongitudAnclaje : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaLongitudAnclaje(Aplicacion& app, QWidget* parent = nullptr);

    // Entrega desde la ventana de resultados de la armadura longitudinal (botones "Longitud
    // anclaje A1"/"A2"): prepara la ventana con la armadura proyectada y la muestra modal.
    // `armadura` es 1 (A1) o 2 (A2); los textos son los que muestra la ventana de resultados:
    // número de barras (NumeroA1/NumeroA2), diámetro en mm (DiametroTraccion/DiametroCompresion)
    // y área en cm² (AreaTraccion/AreaCompresion).
    void AbrirDesdeResultados(int armadura, const QString& textoNumero,
                              const QString& textoDiametro, const QString& textoArea);

private:
    Aplicacion& app_;
};
