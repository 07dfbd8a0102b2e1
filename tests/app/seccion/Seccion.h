#pragma once
// Ayudas de las pruebas de las ventanas de la armadura longitudinal: recorrer el menú, leer
// rótulos y leer de los píxeles del dibujo el perfil de deformaciones trazado.

#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include "app/Aplicacion.h"
#include "app/VentanaPrincipal.h"
#include "common/GrupoOpciones.h"
#include "common/Recursos.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVector>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

using namespace velmora;

// Control hijo por nombre; nulo si no existe (la prueba lo comprueba).
template <typename T> T* Hijo(QWidget* ventana, const char* nombre) {
    return ventana ? ventana->findChild<T*>(QString::fromLatin1(nombre)) : nullptr;
}

// Clic en un botón o en una casilla.
inline void Pulsar(QWidget* ventana, const char* nombre) {
    if (auto* b = Hijo<QAbstractButton>(ventana, nombre))
        QTest::mouseClick(b, Qt::LeftButton);
}

// Ejecuta `accion` (un clic que abre una ventana modal y espera a que se cierre) y aplica
// `dentro` a la ventana modal que aparezca, distinta de `excepto`; si `dentro` no la cierra, se
// cierra aquí. Al volver `accion`, el sondeo se cancela: si no se abrió nada, no queda un sondeo
// vivo que atrape la ventana de otra prueba.
inline void ResponderDurante(QWidget* excepto, std::function<void()> accion,
                             std::function<void(QWidget*)> dentro) {
    auto activo = std::make_shared<bool>(true);
    ResponderModal(
        [activo, dentro = std::move(dentro)](QWidget* modal) {
            if (!*activo)
                return;
            dentro(modal);
            if (modal->isVisible())
                modal->close();
        },
        excepto);
    accion();
    *activo = false;
}

// Lanza la entrada de menú `accion` de la ventana principal; `dentro` actúa sobre la ventana
// modal que se abre.
inline void AbrirDesdeMenu(Aplicacion& app, const char* accion,
                           std::function<void(QWidget*)> dentro) {
    QWidget* principal = app.VentanaPrincipal;
    auto* a = principal ? principal->findChild<QAction*>(QString::fromLatin1(accion)) : nullptr;
    QVERIFY2(a, accion);
    QVERIFY2(a->isEnabled(), accion);
    ResponderDurante(
        nullptr, [a] { a->trigger(); }, std::move(dentro));
}

// Pulsa `boton` de `ventana`, que abre otra ventana modal; `dentro` la lee.
inline void PulsarYResponder(QWidget* ventana, const char* boton,
                             std::function<void(QWidget*)> dentro) {
    ResponderDurante(
        ventana, [ventana, boton] { Pulsar(ventana, boton); }, std::move(dentro));
}

// Parámetros generales con el tipo de elemento dado y los demás valores de arranque, y OK.
inline void ConfirmarParametros(Aplicacion& app, int tipoElemento) {
    AbrirDesdeMenu(app, "Parmetrosgenerales1", [tipoElemento](QWidget* p) {
        ElegirOpcion(p, "GrupoTipoElemento", tipoElemento);
        Pulsar(p, "BotonOK");
    });
}

// --- Lectura del perfil trazado sobre el dibujo de los dominios ---

inline double DistanciaASegmento(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    double t = l2 > 0 ? QPointF::dotProduct(p - a, ab) / l2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = a + t * ab;
    return std::hypot(p.x() - q.x(), p.y() - q.y());
}

inline double DistanciaAPolilinea(QPointF p, const QVector<QPoint>& linea) {
    double menor = 1e9;
    for (int i = 1; i < linea.size(); ++i)
        menor = std::min(menor, DistanciaASegmento(p, linea[i - 1], linea[i]));
    return menor;
}

inline bool EsBlanco(const QImage& im, int x, int y) {
    return x >= 0 && y >= 0 && x < im.width() && y < im.height() &&
           (im.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}

// Comprueba que el trazo blanco de `dibujo` (respecto del dibujo limpio `original`) es la
// polilínea esperada: cada píxel que pasó a blanco está sobre ella, y a lo largo de toda ella
// hay blanco a menos de 1.5 px.
inline QString DiferenciasTrazo(const QImage& dibujo, const QImage& original,
                                const QVector<QPoint>& esperada) {
    if (dibujo.size() != original.size())
        return QStringLiteral("tamaño del dibujo distinto del original");
    int cambiados = 0;
    for (int y = 0; y < dibujo.height(); ++y)
        for (int x = 0; x < dibujo.width(); ++x) {
            if (!EsBlanco(dibujo, x, y) || EsBlanco(original, x, y))
                continue;
            ++cambiados;
            const QPointF centro(x + 0.5, y + 0.5);
            if (DistanciaAPolilinea(centro, esperada) > 2.0)
                return QStringLiteral("píxel blanco fuera del perfil en (%1, %2)").arg(x).arg(y);
        }
    if (cambiados == 0)
        return QStringLiteral("no hay trazo");
    for (int i = 1; i < esperada.size(); ++i) {
        const QPointF a = esperada[i - 1], b = esperada[i];
        const int pasos = std::max(1, int(std::hypot(b.x() - a.x(), b.y() - a.y())));
        for (int k = 0; k <= pasos; ++k) {
            const QPointF p = a + (b - a) * (double(k) / pasos);
            bool hay = false;
            for (int dy = -2; dy <= 1 && !hay; ++dy)
                for (int dx = -2; dx <= 1 && !hay; ++dx)
                    hay =
                        EsBlanco(dibujo, int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy);
            if (!hay)
                return QStringLiteral("falta el trazo cerca de (%1, %2)").arg(p.x()).arg(p.y());
        }
    }
    return {};
}

// Lee la ventana del dominio abierta: su encabezado y el resultado de comparar el trazo.
struct LecturaDominio {
    QString Etiqueta;
    QString Diferencias;
};

inline LecturaDominio LeerDominio(QWidget* ventana, const QVector<QPoint>& esperada) {
    LecturaDominio r;
    r.Etiqueta = TextoEtiqueta(ventana, "Etiqueta");
    auto* imagen = Hijo<QLabel>(ventana, "Imagen");
    const QImage original(RutaRecurso(QStringLiteral("dominio01.bmp")));
    if (!imagen || original.isNull()) {
        r.Diferencias = QStringLiteral("sin dibujo");
        return r;
    }
    r.Diferencias = DiferenciasTrazo(imagen->pixmap().toImage(), original, esperada);
    return r;
}
