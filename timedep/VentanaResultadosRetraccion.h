#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaResultadosRetraccion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosRetraccion(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
