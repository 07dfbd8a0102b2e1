#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaConversion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaConversion(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
