#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaParabola : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaParabola(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
