#pragma once
// La aplicación: el estado de diseño y las ventanas, creadas una vez al arrancar y vivas hasta
// el final. Sólo app/ la conoce: cada ventana recibe lo que necesita (el estado de diseño, el
// selector de área) y anuncia con señales lo que pide; app/ las conecta.

#include "design/EstadoDiseno.h"

namespace velmora {

class TVentanaPrincipal;
class TParametrosGenerales;
class TDatosSeccion;
class TVentanaResultados;
class TDiagramaCalculo;
class TVentanaAnclaje;
class TVentanaLongitudAnclaje;
class TVentanaDeformacion;
class TVentanaResultadosDeformacion;
class TVentanaRetraccion;
class TVentanaResultadosRetraccion;
class TVentanaParabola;
class TDatosSeccionT;
class TVentanaTransversal1;
class TVentanaResultadosTrans1;
class TVentanaTransversal2;
class TVentanaFlechas;
class TVentanaResultadosFlecha;
class TVentanaAcercaDe;
class TVentanaConversion;
class TVentanaArea;
class TVentanaMomento;
class TVentanaInteraccion;
class TVentanaFisuracion;
class TVentanaFluenciaCE;
class TVentanaRetraccionCE;
class TProyectos;

struct Aplicacion {
    EstadoDiseno Estado;

    TVentanaPrincipal* VentanaPrincipal = nullptr;
    TParametrosGenerales* ParametrosGenerales = nullptr;
    TDatosSeccion* DatosSeccion = nullptr;
    TVentanaResultados* VentanaResultados = nullptr;
    TDiagramaCalculo* DiagramaCalculo = nullptr;
    TVentanaAnclaje* VentanaAnclaje = nullptr;
    TVentanaLongitudAnclaje* VentanaLongitudAnclaje = nullptr;
    TVentanaDeformacion* VentanaDeformacion = nullptr;
    TVentanaResultadosDeformacion* VentanaResultadosDeformacion = nullptr;
    TVentanaRetraccion* VentanaRetraccion = nullptr;
    TVentanaResultadosRetraccion* VentanaResultadosRetraccion = nullptr;
    TVentanaParabola* VentanaParabola = nullptr;
    TDatosSeccionT* DatosSeccionT = nullptr;
    TVentanaTransversal1* VentanaTransversal1 = nullptr;
    TVentanaResultadosTrans1* VentanaResultadosTrans1 = nullptr;
    TVentanaTransversal2* VentanaTransversal2 = nullptr;
    TVentanaFlechas* VentanaFlechas = nullptr;
    TVentanaResultadosFlecha* VentanaResultadosFlecha = nullptr;
    TVentanaAcercaDe* VentanaAcercaDe = nullptr;
    TVentanaConversion* VentanaConversion = nullptr;
    TVentanaArea* VentanaArea = nullptr;
    TVentanaMomento* VentanaMomento = nullptr;
    TVentanaInteraccion* VentanaInteraccion = nullptr;
    TVentanaFisuracion* VentanaFisuracion = nullptr;
    // Fluencia y retracción del Código Estructural, que abren las mismas entradas del menú.
    TVentanaFluenciaCE* VentanaFluenciaCE = nullptr;
    TVentanaRetraccionCE* VentanaRetraccionCE = nullptr;

    TProyectos* Proyectos = nullptr; // menú «Archivo»: abrir y guardar proyectos
};

// Crea las 22 ventanas en el orden fijo de arranque (la principal primero).
void CrearVentanas(Aplicacion& app);

// Conecta cada entrada del menú de la ventana principal con la ventana que abre.
void ConectarMenuPrincipal(Aplicacion& app);

} // namespace velmora
