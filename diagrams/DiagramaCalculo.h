#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TDiagramaCalculo : public QDialog {
    Q_OBJECT
public:
    explicit TDiagramaCalculo(Aplicacion& app, QWidget* parent = nullptr);

private:
    Aplicacion& app_;
};
