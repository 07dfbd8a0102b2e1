#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TDatosSeccion : public QDialog {
    Q_OBJECT
public:
    explicit TDatosSeccion(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
