#pragma once
// Ayudas de las pruebas de ventanas: manejar los controles de una ventana por su nombre de
// objeto, como lo haría el usuario con el ratón y el teclado.

#include "common/GrupoOpciones.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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
