#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaFlechas : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaFlechas(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
