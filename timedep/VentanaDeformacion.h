#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaDeformacion(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
