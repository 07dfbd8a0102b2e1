#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaTransversal1 : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaTransversal1(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
