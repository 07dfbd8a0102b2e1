#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaResultadosFlecha : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosFlecha(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
