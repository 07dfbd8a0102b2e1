#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaResultadosTrans1 : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosTrans1(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
