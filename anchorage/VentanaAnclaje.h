#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaAnclaje : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaAnclaje(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
