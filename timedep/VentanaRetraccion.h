#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaRetraccion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaRetraccion(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
