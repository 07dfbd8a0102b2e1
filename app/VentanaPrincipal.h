#pragma once

#include <QMainWindow>

struct Aplicacion;

class TVentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TVentanaPrincipal(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
