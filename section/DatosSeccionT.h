#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TDatosSeccionT : public QDialog {
    Q_OBJECT
public:
    explicit TDatosSeccionT(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
