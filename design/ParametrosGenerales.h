#pragma once

#include <QDialog>
#include "design/EstadoDiseno.h"
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TParametrosGenerales : public QDialog {
    Q_OBJECT
public:
    explicit TParametrosGenerales(Aplicacion& app, QWidget* parent = nullptr);

    // Lo que las demás ventanas leen directamente de estos controles al calcular.
    EleccionParametros Eleccion() const;
    int TipoElemento() const { return Eleccion().TipoElemento; }
    int DesignacionAcero() const { return Eleccion().DesignacionAcero; }
    int SituacionProyecto() const { return Eleccion().SituacionProyecto; }
    QString TextoResistencia() const;

private:
    Aplicacion& app_;
};
