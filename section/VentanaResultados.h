#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaResultados : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultados(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
