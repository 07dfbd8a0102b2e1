#pragma once
// Ayudas de las pruebas de ventanas: manejar los controles de una ventana por su nombre de
// objeto, como lo haría el usuario con el ratón y el teclado.

#include "common/Campos.h"
#include "common/GrupoOpciones.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <span>

using namespace velmora;

// Control hijo `nombre` de `ventana`; la prueba se detiene si no existe.
template <typename T> T* Hijo(const QObject* ventana, const QString& nombre) {
    auto* c = ventana->findChild<T*>(nombre);
    if (!c)
        qFatal("Falta el control %s", qPrintable(nombre));
    return c;
}
template <typename T> T* Hijo(const QObject* ventana, const char* nombre) {
    return Hijo<T>(ventana, QString::fromUtf8(nombre));
}

// Clic en la opción `i` del grupo `grupo`, sobre su círculo (siempre dentro de la zona que
// responde al clic, por ancho que sea el botón).
inline void ElegirOpcion(QWidget* ventana, const char* grupo, int i) {
    auto* g = ventana->findChild<GrupoOpciones*>(QString::fromLatin1(grupo));
    if (!g || !g->Boton(i))
        qFatal("Falta la opción %d del grupo %s", i, grupo);
    QRadioButton* b = g->Boton(i);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

// Clic en el botón `boton`.
inline void PulsarBoton(QWidget* ventana, const char* boton) {
    auto* b = ventana->findChild<QPushButton*>(QString::fromLatin1(boton));
    if (!b)
        qFatal("Falta el botón %s", boton);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Borra el cuadro de edición `campo` y teclea `texto`.
inline void Teclear(QWidget* ventana, const char* campo, const QString& texto) {
    auto* e = ventana->findChild<QLineEdit*>(QString::fromLatin1(campo));
    if (!e)
        qFatal("Falta el campo %s", campo);
    e->clear();
    QTest::keyClicks(e, texto);
}

// Texto de la etiqueta `etiqueta` (un texto que lo dice si no existe).
inline QString TextoEtiqueta(const QWidget* ventana, const char* etiqueta) {
    auto* l = ventana->findChild<QLabel*>(QString::fromLatin1(etiqueta));
    return l ? l->text() : QStringLiteral("<falta %1>").arg(QLatin1String(etiqueta));
}

// Cada campo de la descripción existe en la ventana y su texto de arranque es el de la
// descripción (el formulario y la descripción no pueden discrepar).
inline bool TextosDeArranqueIguales(const QWidget* ventana, std::span<const Campo> campos) {
    const TextosCampos textos = TextosDe(ventana, campos);
    for (const Campo& c : campos) {
        const auto it = textos.find(c.control);
        if (it == textos.end()) {
            qWarning("Falta el control %.*s", int(c.control.size()), c.control.data());
            return false;
        }
        if (it->second != c.defecto) {
            qWarning("%.*s: el formulario dice «%s» y la descripción «%.*s»",
                     int(c.control.size()), c.control.data(), it->second.c_str(),
                     int(c.defecto.size()), c.defecto.data());
            return false;
        }
    }
    return true;
}
