#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaResultadosDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosDeformacion(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
