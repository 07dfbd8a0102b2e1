#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaTransversal2 : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaTransversal2(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
