#include "app/Aplicacion.h"

#include "app/VentanaPrincipal.h"
#include "common/Campos.h"
#include "design/ParametrosGenerales.h"
#include "section/DatosSeccion.h"
#include "section/VentanaResultados.h"
#include "section/ComparacionNormas.h"
#include "section/VentanaComparacion.h"
#include "diagrams/DiagramaCalculo.h"
#include "anchorage/ComparacionNormas.h"
#include "anchorage/VentanaAnclaje.h"
#include "anchorage/VentanaLongitudAnclaje.h"
#include "timedep/VentanaDeformacion.h"
#include "timedep/VentanaResultadosDeformacion.h"
#include "timedep/VentanaRetraccion.h"
#include "timedep/VentanaResultadosRetraccion.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"
#include "timedep/ce/VentanaFluenciaCE.h"
#include "timedep/ce/VentanaRetraccionCE.h"
#include "timedep/ComparacionDiferidas.h"
#include "diagrams/VentanaParabola.h"
#include "section/DatosSeccionT.h"
#include "shear/ComparacionNormas.h"
#include "shear/VentanaTransversal1.h"
#include "shear/VentanaResultadosTrans1.h"
#include "shear/VentanaTransversal2.h"
#include "deflection/VentanaFlechas.h"
#include "deflection/VentanaResultadosFlecha.h"
#include "deflection/ComparacionFlechas.h"
#include "app/VentanaAcercaDe.h"
#include "tools/VentanaConversion.h"
#include "design/VentanaArea.h"
#include "section/VentanaMomento.h"
#include "section/VentanaInteraccion.h"
#include "cracking/VentanaFisuracion.h"
#include "app/Memorias.h"
#include "app/Proyectos.h"

namespace velmora {

namespace {

// «Comparar normas»: la tabla de las dos normas sobre la ventana que la pide, o el error.
void AbrirComparacion(QWidget* padre, const Resultado<ComparacionNormas>& c) {
    if (!c) {
        MostrarError(padre, c.error());
        return;
    }
    TVentanaComparacion ventana(padre);
    ventana.Abrir(c.valor());
}

// Fluencia y retracción: la ventana de datos calcula y la de resultados los muestra. Todas
// comparan sus datos con la otra norma.
void ConectarDeformaciones(Aplicacion& app) {
    auto* fluencia = app.VentanaResultadosDeformacion;
    QObject::connect(app.VentanaDeformacion, &TVentanaDeformacion::calculado, fluencia,
                     [fluencia](const DatosFluencia& datos, const ResultadosFluencia&,
                                const TextosFluencia& textos) {
                         fluencia->RecordarDatos(datos);
                         fluencia->Rellenar(textos);
                         fluencia->exec();
                     });
    auto* retraccion = app.VentanaResultadosRetraccion;
    QObject::connect(app.VentanaRetraccion, &TVentanaRetraccion::calculado, retraccion,
                     [retraccion](const DatosRetraccion& datos, const ResultadosRetraccion&,
                                  const TextosRetraccion& textos) {
                         retraccion->RecordarDatos(datos);
                         retraccion->Rellenar(textos);
                         retraccion->exec();
                     });
    QObject::connect(fluencia, &TVentanaResultadosDeformacion::pideComparacion, fluencia,
                     [fluencia] {
                         AbrirComparacion(fluencia, CompararFluencia(*fluencia->DatosCalculados()));
                     });
    QObject::connect(retraccion, &TVentanaResultadosRetraccion::pideComparacion, retraccion,
                     [retraccion] {
                         AbrirComparacion(retraccion,
                                          CompararRetraccion(*retraccion->DatosCalculados()));
                     });
    auto* fluenciaCE = app.VentanaFluenciaCE;
    QObject::connect(fluenciaCE, &TVentanaFluenciaCE::pideComparacion, fluenciaCE, [fluenciaCE] {
        AbrirComparacion(fluenciaCE, CompararFluenciaCE(*fluenciaCE->DatosCalculados()));
    });
    auto* retraccionCE = app.VentanaRetraccionCE;
    QObject::connect(retraccionCE, &TVentanaRetraccionCE::pideComparacion, retraccionCE,
                     [retraccionCE] {
                         AbrirComparacion(retraccionCE,
                                          CompararRetraccionCE(*retraccionCE->DatosCalculados()));
                     });
}

void CrearVentanasAnclaje(Aplicacion& app, QWidget* padre) {
    app.VentanaAnclaje = new TVentanaAnclaje(padre);
    app.VentanaLongitudAnclaje = new TVentanaLongitudAnclaje(app.Estado, *app.VentanaArea, padre);
    app.VentanaLongitudAnclaje->FijarParametros(
        [&app] { return app.ParametrosGenerales->Eleccion(); });
    QObject::connect(app.VentanaLongitudAnclaje, &TVentanaLongitudAnclaje::calculado,
                     app.VentanaAnclaje, &TVentanaAnclaje::Mostrar);
    QObject::connect(app.VentanaAnclaje, &TVentanaAnclaje::pideComparacion, app.VentanaAnclaje,
                     [&app] {
                         const auto* datos = app.VentanaLongitudAnclaje;
                         AbrirComparacion(app.VentanaAnclaje,
                                          CompararNormasAnclaje(app.Estado,
                                                                app.ParametrosGenerales->Eleccion(),
                                                                datos->Valores(), datos->Entrada()));
                     });
}

void CrearVentanasCortanteYFlechas(Aplicacion& app, QWidget* padre) {
    app.VentanaTransversal1 = new TVentanaTransversal1(app.Estado, *app.VentanaArea, padre);
    app.VentanaResultadosTrans1 = new TVentanaResultadosTrans1(padre);
    QObject::connect(app.VentanaTransversal1, &TVentanaTransversal1::calculado,
                     app.VentanaResultadosTrans1, &TVentanaResultadosTrans1::Mostrar);
    QObject::connect(app.VentanaResultadosTrans1, &TVentanaResultadosTrans1::pideComparacion,
                     app.VentanaResultadosTrans1, [&app](const EleccionZonas& zonas) {
                         auto entrada = app.VentanaTransversal1->EntradaComparacion();
                         entrada.zonas = zonas;
                         AbrirComparacion(app.VentanaResultadosTrans1,
                                          CompararNormasCortante(
                                              app.Estado, app.ParametrosGenerales->Eleccion(),
                                              entrada));
                     });
    app.VentanaTransversal2 = new TVentanaTransversal2(app.Estado, padre);
    QObject::connect(app.VentanaTransversal2, &TVentanaTransversal2::pideComparacion,
                     app.VentanaTransversal2, [&app](const DatosCercos& datos) {
                         AbrirComparacion(app.VentanaTransversal2,
                                          CompararNormasCercos(app.Estado, datos));
                     });
    app.VentanaFlechas = new TVentanaFlechas(app.Estado, *app.VentanaArea, padre);
    app.VentanaResultadosFlecha = new TVentanaResultadosFlecha(padre);
    QObject::connect(app.VentanaFlechas, &TVentanaFlechas::calculado,
                     app.VentanaResultadosFlecha, &TVentanaResultadosFlecha::Mostrar);
    auto* flecha = app.VentanaResultadosFlecha;
    QObject::connect(flecha, &TVentanaResultadosFlecha::pideComparacion, flecha, [&app, flecha] {
        AbrirComparacion(flecha, CompararFlechas(app.Estado, app.ParametrosGenerales->Eleccion(),
                                                 flecha->DatosCalculados(),
                                                 flecha->EntradasComparacion()));
    });
}

// Las ventanas de la armadura longitudinal: los datos abren los resultados y el momento de
// agotamiento; los resultados, el anclaje con sus barras.
void ConectarSeccion(Aplicacion& app) {
    for (TDatosSeccionComun* datos :
         {static_cast<TDatosSeccionComun*>(app.DatosSeccion),
          static_cast<TDatosSeccionComun*>(app.DatosSeccionT)}) {
        datos->FijarParametros([p = app.ParametrosGenerales] { return p->Eleccion(); });
        QObject::connect(datos, &TDatosSeccionComun::calculado, app.VentanaResultados,
                         &TVentanaResultados::AbrirConResultados);
        QObject::connect(datos, &TDatosSeccionComun::pideMomento, app.VentanaMomento,
                         &QDialog::exec);
    }
    QObject::connect(app.VentanaResultados, &TVentanaResultados::pideAnclaje,
                     app.VentanaLongitudAnclaje, &TVentanaLongitudAnclaje::AbrirDesdeResultados);
    // «Comparar normas»: la sección del último cálculo con las elecciones de los parámetros.
    QObject::connect(app.VentanaResultados, &TVentanaResultados::pideComparacion,
                     app.VentanaResultados, [&app] {
                         AbrirComparacion(app.VentanaResultados,
                                          CompararNormas(app.Estado,
                                                         app.ParametrosGenerales->Eleccion()));
                     });
}

} // namespace

void CrearVentanas(Aplicacion& app) {
    app.VentanaPrincipal = new TVentanaPrincipal;
    QWidget* padre = app.VentanaPrincipal;
    app.ParametrosGenerales = new TParametrosGenerales(app.Estado, padre);
    // El selector de área, antes que las ventanas que lo usan.
    app.VentanaArea = new TVentanaArea(app.Estado, padre);
    app.DatosSeccion = new TDatosSeccion(app.Estado, padre);
    app.VentanaResultados = new TVentanaResultados(app.Estado, *app.VentanaArea, padre);
    app.DiagramaCalculo = new TDiagramaCalculo(app.Estado, padre);
    CrearVentanasAnclaje(app, padre);
    app.VentanaDeformacion = new TVentanaDeformacion(padre);
    app.VentanaResultadosDeformacion = new TVentanaResultadosDeformacion(padre);
    app.VentanaRetraccion = new TVentanaRetraccion(padre);
    app.VentanaResultadosRetraccion = new TVentanaResultadosRetraccion(padre);
    app.VentanaParabola = new TVentanaParabola(app.Estado, padre);
    app.DatosSeccionT = new TDatosSeccionT(app.Estado, padre);
    CrearVentanasCortanteYFlechas(app, padre);
    app.VentanaAcercaDe = new TVentanaAcercaDe(app, padre);
    app.VentanaConversion = new TVentanaConversion(padre);
    app.VentanaMomento = new TVentanaMomento(app.Estado, *app.VentanaArea, padre);
    app.VentanaInteraccion = new TVentanaInteraccion(app.Estado, app.VentanaArea, padre);
    app.VentanaFluenciaCE = new TVentanaFluenciaCE(padre);
    app.VentanaRetraccionCE = new TVentanaRetraccionCE(padre);
    QObject::connect(app.VentanaResultados, &TVentanaResultados::InteraccionPedida,
                     app.VentanaInteraccion, &TVentanaInteraccion::AbrirConBarras);
    app.VentanaFisuracion = new TVentanaFisuracion(app.Estado, app.VentanaArea, padre);
    QObject::connect(app.VentanaResultados, &TVentanaResultados::FisuracionPedida,
                     app.VentanaFisuracion, &TVentanaFisuracion::AbrirConBarras);
    ConectarDeformaciones(app);
    ConectarSeccion(app);
    ConectarMenuPrincipal(app);
    // La barra de estado dice la norma con que se calcula: la elegida al arrancar y, después,
    // la que confirma cada OK de los parámetros generales.
    const auto mostrarNorma = [&app](Norma n) {
        app.VentanaPrincipal->MostrarNorma(Q(TextoNormaEnUso(n)));
    };
    mostrarNorma(app.ParametrosGenerales->NormaElegida());
    QObject::connect(app.ParametrosGenerales, &TParametrosGenerales::normaConfirmada,
                     app.VentanaPrincipal, mostrarNorma);
    app.Proyectos = new TProyectos(app);
    ConectarMemorias(app);
}

} // namespace velmora
