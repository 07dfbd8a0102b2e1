#include "app/Memorias.h"

#include "app/Aplicacion.h"
#include "app/LineasVentanas.h"
#include "app/Proyectos.h"
#include "app/VentanaPrincipal.h"
#include "common/Avisar.h"
#include "common/Campos.h"
#include "documento/Catalogo.h"
#include "report/VentanaMemoria.h"

#include <QBoxLayout>
#include <QPushButton>

namespace velmora {

namespace {

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

// Las ventanas que muestran los resultados de un cálculo del catálogo llevan el botón «Memoria»,
// a la izquierda de su OK.
void ConectarMemorias(Aplicacion& app) {
    for (const EntradaCatalogo* e : CatalogoEnOrden())
        for (const std::string_view nombre : e->ventanasResultados) {
            auto* ventana = app.VentanaPrincipal->findChild<QWidget*>(
                Q(std::string(nombre)), Qt::FindDirectChildrenOnly);
            if (!ventana)
                continue;
            QObject::connect(PonerBoton(ventana), &QPushButton::clicked, ventana,
                             [&app, ventana] { AbrirMemoria(app, ventana); });
        }
}

} // namespace velmora
