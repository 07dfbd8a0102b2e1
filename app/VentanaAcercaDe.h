#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaAcercaDe : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaAcercaDe(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
