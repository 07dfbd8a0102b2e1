#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaMomento : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaMomento(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
