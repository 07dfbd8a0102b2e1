#include "app/Aplicacion.h"

#include "app/VentanaPrincipal.h"
#include "design/ParametrosGenerales.h"
#include "section/DatosSeccion.h"
#include "section/VentanaResultados.h"
#include "diagrams/DiagramaCalculo.h"
#include "anchorage/VentanaAnclaje.h"
#include "anchorage/VentanaLongitudAnclaje.h"
#include "timedep/VentanaDeformacion.h"
#include "timedep/VentanaResultadosDeformacion.h"
#include "timedep/VentanaRetraccion.h"
#include "timedep/VentanaResultadosRetraccion.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"
#include "diagrams/VentanaParabola.h"
#include "section/DatosSeccionT.h"
#include "shear/VentanaTransversal1.h"
#include "shear/VentanaResultadosTrans1.h"
#include "shear/VentanaTransversal2.h"
#include "deflection/VentanaFlechas.h"
#include "deflection/VentanaResultadosFlecha.h"
#include "app/VentanaAcercaDe.h"
#include "tools/VentanaConversion.h"
#include "design/VentanaArea.h"
#include "section/VentanaMomento.h"
#include "section/VentanaInteraccion.h"

namespace velmora {

namespace {

// Fluencia y retracción: la ventana de datos calcula y la de resultados los muestra.
void ConectarDeformaciones(Aplicacion& app) {
    auto* fluencia = app.VentanaResultadosDeformacion;
    QObject::connect(app.VentanaDeformacion, &TVentanaDeformacion::calculado, fluencia,
                     [fluencia](const DatosFluencia&, const ResultadosFluencia&,
                                const TextosFluencia& textos) {
                         fluencia->Rellenar(textos);
                         fluencia->exec();
                     });
    auto* retraccion = app.VentanaResultadosRetraccion;
    QObject::connect(app.VentanaRetraccion, &TVentanaRetraccion::calculado, retraccion,
                     [retraccion](const DatosRetraccion&, const ResultadosRetraccion&,
                                  const TextosRetraccion& textos) {
                         retraccion->Rellenar(textos);
                         retraccion->exec();
                     });
}

void CrearVentanasAnclaje(Aplicacion& app, QWidget* padre) {
    app.VentanaAnclaje = new TVentanaAnclaje(padre);
    app.VentanaLongitudAnclaje = new TVentanaLongitudAnclaje(app.Estado, *app.VentanaArea, padre);
    app.VentanaLongitudAnclaje->FijarParametros(
        [&app] { return app.ParametrosGenerales->Eleccion(); });
    QObject::connect(app.VentanaLongitudAnclaje, &TVentanaLongitudAnclaje::calculado,
                     app.VentanaAnclaje, &TVentanaAnclaje::Mostrar);
}

void CrearVentanasCortanteYFlechas(Aplicacion& app, QWidget* padre) {
    app.VentanaTransversal1 = new TVentanaTransversal1(app.Estado, *app.VentanaArea, padre);
    app.VentanaResultadosTrans1 = new TVentanaResultadosTrans1(padre);
    QObject::connect(app.VentanaTransversal1, &TVentanaTransversal1::calculado,
                     app.VentanaResultadosTrans1, &TVentanaResultadosTrans1::Mostrar);
    app.VentanaTransversal2 = new TVentanaTransversal2(app.Estado, padre);
    app.VentanaFlechas = new TVentanaFlechas(app.Estado, *app.VentanaArea, padre);
    app.VentanaResultadosFlecha = new TVentanaResultadosFlecha(padre);
    QObject::connect(app.VentanaFlechas, &TVentanaFlechas::calculado,
                     app.VentanaResultadosFlecha, &TVentanaResultadosFlecha::Mostrar);
}

} // namespace

void CrearVentanas(Aplicacion& app) {
    app.VentanaPrincipal = new TVentanaPrincipal(app);
    QWidget* padre = app.VentanaPrincipal;
    app.ParametrosGenerales = new TParametrosGenerales(app, padre);
    // El selector de área, antes que las ventanas que lo usan.
    app.VentanaArea = new TVentanaArea(app, padre);
    app.DatosSeccion = new TDatosSeccion(app, padre);
    app.VentanaResultados = new TVentanaResultados(app, padre);
    app.DiagramaCalculo = new TDiagramaCalculo(app.Estado, padre);
    CrearVentanasAnclaje(app, padre);
    app.VentanaDeformacion = new TVentanaDeformacion(padre);
    app.VentanaResultadosDeformacion = new TVentanaResultadosDeformacion(padre);
    app.VentanaRetraccion = new TVentanaRetraccion(padre);
    app.VentanaResultadosRetraccion = new TVentanaResultadosRetraccion(padre);
    app.VentanaParabola = new TVentanaParabola(app.Estado, padre);
    app.DatosSeccionT = new TDatosSeccionT(app, padre);
    CrearVentanasCortanteYFlechas(app, padre);
    app.VentanaAcercaDe = new TVentanaAcercaDe(app, padre);
    app.VentanaConversion = new TVentanaConversion(padre);
    app.VentanaMomento = new TVentanaMomento(app, padre);
    app.VentanaInteraccion = new TVentanaInteraccion(app.Estado, app.VentanaArea, padre);
    QObject::connect(app.VentanaResultados, &TVentanaResultados::InteraccionPedida,
                     app.VentanaInteraccion, &TVentanaInteraccion::AbrirConBarras);
    ConectarDeformaciones(app);
}

} // namespace velmora
