#include "app/Memorias.h"

#include "app/Aplicacion.h"
#include "app/LineasVentanas.h"
#include "app/Proyectos.h"
#include "app/VentanaPrincipal.h"
#include "common/Avisar.h"
#include "common/Campos.h"
#include "report/VentanaMemoria.h"

#include <QBoxLayout>
#include <QPushButton>

namespace velmora {

namespace {

// Las ventanas con botón «Memoria»: las de resultados y las que muestran sus propios
// resultados. El botón va a la izquierda de su OK.
constexpr const char* ConMemoria[] = {
    "VentanaResultados",        "VentanaMomento",          "VentanaResultadosTrans1",
    "VentanaTransversal2",      "VentanaResultadosFlecha", "VentanaAnclaje",
    "VentanaResultadosDeformacion", "VentanaResultadosRetraccion", "DiagramaCalculo",
    "VentanaParabola",          "VentanaFisuracion",       "VentanaFluenciaCE",
    "VentanaRetraccionCE",
};

QPushButton* PonerBoton(QWidget* ventana) {
    auto* b = new QPushButton(QStringLiteral("Memoria"), ventana);
    b->setObjectName(QStringLiteral("BotonMemoria"));
    b->setToolTip(QStringLiteral("Memoria de cálculo de estos resultados: vista previa, "
                                 "impresión, PDF y HTML"));
    b->setAutoDefault(false);
    auto* ok = ventana->findChild<QPushButton*>(QStringLiteral("BotonOK"));
    if (!ok)
        return b;
    for (auto* capa : ventana->findChildren<QBoxLayout*>())
        if (const int i = capa->indexOf(ok); i >= 0) {
            capa->insertWidget(i, b);
            return b;
        }
    // Ventana de posiciones fijas: a la izquierda del OK, del mismo tamaño.
    b->setGeometry(ok->x() - ok->width() - 8, ok->y(), ok->width(), ok->height());
    return b;
}

void AbrirMemoria(Aplicacion& app, QWidget* ventana) {
    const auto linea = LineaDeVentana(app, ventana->objectName());
    if (!linea) {
        Avisar(QStringLiteral("Esta ventana no tiene memoria de cálculo."));
        return;
    }
    auto* memoria = new VentanaMemoria(Q(linea->dump()), ventana);
    memoria->setAttribute(Qt::WA_DeleteOnClose);
    // Los datos del proyecto que se escriben en la memoria van también a la cabecera del
    // fichero del proyecto.
    QObject::connect(memoria, &VentanaMemoria::datosProyectoCambiados, app.Proyectos,
                     &TProyectos::FijarDatos);
    memoria->exec();
}

} // namespace

void ConectarMemorias(Aplicacion& app) {
    for (const char* nombre : ConMemoria) {
        auto* ventana = app.VentanaPrincipal->findChild<QWidget*>(QString::fromLatin1(nombre),
                                                                  Qt::FindDirectChildrenOnly);
        if (!ventana)
            continue;
        QObject::connect(PonerBoton(ventana), &QPushButton::clicked, ventana,
                         [&app, ventana] { AbrirMemoria(app, ventana); });
    }
}

} // namespace velmora
