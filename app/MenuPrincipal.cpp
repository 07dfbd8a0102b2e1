// Lo que hace cada entrada del menú de la ventana principal: abrir su ventana, con sus dibujos.

#include "app/Aplicacion.h"

#include "anchorage/VentanaLongitudAnclaje.h"
#include "app/VentanaAcercaDe.h"
#include "app/VentanaPrincipal.h"
#include "common/Campos.h"
#include "common/Numeros.h"
#include "common/Recursos.h"
#include "deflection/VentanaFlechas.h"
#include "design/ParametrosGenerales.h"
#include "design/TextosParametros.h"
#include "design/VentanaArea.h"
#include "diagrams/DiagramaCalculo.h"
#include "diagrams/VentanaParabola.h"
#include "section/DatosSeccion.h"
#include "section/DatosSeccionT.h"
#include "section/VentanaInteraccion.h"
#include "cracking/VentanaFisuracion.h"
#include "shear/VentanaTransversal1.h"
#include "shear/VentanaTransversal2.h"
#include "timedep/VentanaDeformacion.h"
#include "timedep/VentanaRetraccion.h"
#include "timedep/ce/VentanaFluenciaCE.h"
#include "timedep/ce/VentanaRetraccionCE.h"
#include "tools/VentanaConversion.h"

#include <QLabel>

namespace velmora {

namespace {

// El botón «Momento Agotamiento» sólo se ofrece para vigas.
void MostrarBotonMomento(Aplicacion& app, QWidget* ventana) {
    if (auto* boton = ventana->findChild<QWidget*>(QStringLiteral("BotonMomento")))
        boton->setVisible(app.ParametrosGenerales->TipoElemento() == TipoDeElemento::Viga);
}

void AbrirSeccionRectangular(Aplicacion& app) {
    if (!CargarImagen(app.DatosSeccion, QStringLiteral("Imagen"), QStringLiteral("seccion01.bmp")))
        return;
    app.Estado.SeccionRectangular = true;
    MostrarBotonMomento(app, app.DatosSeccion);
    app.DatosSeccion->exec();
}

void AbrirSeccionT(Aplicacion& app) {
    if (!CargarImagen(app.DatosSeccionT, QStringLiteral("Imagen01"),
                      QStringLiteral("seccion01.bmp")) ||
        !CargarImagen(app.DatosSeccionT, QStringLiteral("Imagen02"),
                      QStringLiteral("seccion02.bmp")))
        return;
    app.Estado.SeccionRectangular = false;
    MostrarBotonMomento(app, app.DatosSeccionT);
    app.DatosSeccionT->exec();
}

// Abre `ventana` si su dibujo `imagen` se carga.
void AbrirConDibujo(QDialog* ventana, const QString& imagen, const QString& fichero) {
    if (CargarImagen(ventana, imagen, fichero))
        ventana->exec();
}

void AbrirAnclaje(Aplicacion& app) {
    if (auto* etiqueta =
            app.VentanaLongitudAnclaje->findChild<QLabel*>(QStringLiteral("EtiquetaArmadura")))
        etiqueta->setText(QStringLiteral("Armadura"));
    app.VentanaLongitudAnclaje->exec();
}

// Al cerrar el diagrama parábola-rectángulo, el hormigón vuelve a ser el de los parámetros
// generales.
void RestaurarHormigon(Aplicacion& app) {
    HormigonDeLosParametros(app.Estado, app.ParametrosGenerales->Eleccion());
}

// Fluencia y retracción: la ventana de la norma elegida en los parámetros generales.
void AbrirSegunNorma(Aplicacion& app, QDialog* ehe98, QDialog* codigoEstructural) {
    switch (app.ParametrosGenerales->NormaElegida()) {
    case Norma::CodigoEstructural:
        codigoEstructural->exec();
        return;
    case Norma::EHE98:
        ehe98->exec();
        return;
    }
}

void AbrirFluencia(Aplicacion& app) {
    AbrirSegunNorma(app, app.VentanaDeformacion, app.VentanaFluenciaCE);
}

void AbrirRetraccion(Aplicacion& app) {
    AbrirSegunNorma(app, app.VentanaRetraccion, app.VentanaRetraccionCE);
}

void AbrirParabola(Aplicacion& app) {
    if (!CargarImagen(app.VentanaParabola, QStringLiteral("Imagen"),
                      QStringLiteral("seccion03.bmp")))
        return;
    app.VentanaParabola->exec();
    RestaurarHormigon(app);
}

} // namespace

void ConectarMenuPrincipal(Aplicacion& app) {
    using P = TVentanaPrincipal;
    P* p = app.VentanaPrincipal;
    const auto abrir = [p](void (P::*senal)(), QDialog* ventana) {
        QObject::connect(p, senal, ventana, &QDialog::exec);
    };
    const auto hacer = [p, &app](void (P::*senal)(), void (*accion)(Aplicacion&)) {
        QObject::connect(p, senal, p, [&app, accion] { accion(app); });
    };
    abrir(&P::pideParametrosGenerales, app.ParametrosGenerales);
    hacer(&P::pideSeccionRectangular, &AbrirSeccionRectangular);
    hacer(&P::pideSeccionT, &AbrirSeccionT);
    abrir(&P::pideInteraccion, app.VentanaInteraccion);
    QObject::connect(p, &P::pideCortanteViga, p, [&app] {
        AbrirConDibujo(app.VentanaTransversal1, QStringLiteral("Imagen1"),
                       QStringLiteral("cortante.bmp"));
    });
    abrir(&P::pideCercosPilar, app.VentanaTransversal2);
    QObject::connect(p, &P::pideFlechas, p, [&app] {
        AbrirConDibujo(app.VentanaFlechas, QStringLiteral("Imagen"),
                       QStringLiteral("seccion01.bmp"));
    });
    abrir(&P::pideFisuracion, app.VentanaFisuracion);
    hacer(&P::pideAnclaje, &AbrirAnclaje);
    // Los valores del acero que escribe la herramienta se quedan en el estado de diseño.
    abrir(&P::pideDiagramaAcero, app.DiagramaCalculo);
    hacer(&P::pideParabola, &AbrirParabola);
    hacer(&P::pideFluencia, &AbrirFluencia);
    hacer(&P::pideRetraccion, &AbrirRetraccion);
    abrir(&P::pideConversion, app.VentanaConversion);
    // Ranura 0: el selector funciona aquí como calculadora libre; su resultado no se usa.
    QObject::connect(p, &P::pideAreaArmaduras, app.VentanaArea,
                     [area = app.VentanaArea] { (void)area->Seleccionar(0); });
    abrir(&P::pideAcercaDe, app.VentanaAcercaDe);
}

} // namespace velmora
