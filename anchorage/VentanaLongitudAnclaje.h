#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaLongitudAnclaje : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaLongitudAnclaje(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
