#pragma once
// Responde a la ventana modal que abre un clic, sin dejar nada pendiente: el sondeo vive
// mientras dura el clic, de modo que un clic que no abre ninguna ventana no deja una respuesta
// esperando a la siguiente.

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

using namespace velmora;

// Ejecuta `clic`; si abre una ventana modal, le aplica `accion` (que debe cerrarla). Devuelve
// si se abrió.
inline bool ConModal(const std::function<void()>& clic,
                     const std::function<void(QWidget*)>& accion) {
    bool abierta = false;
    QTimer sondeo;
    sondeo.setInterval(10);
    QObject::connect(&sondeo, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            sondeo.stop();
            abierta = true;
            accion(modal);
        }
    });
    sondeo.start();
    clic();
    return abierta;
}

// Cierra la ventana modal con su botón «BotonOK» (el selector de barras deja entonces AreaTotal).
inline void PulsarOK(QWidget* modal) {
    if (auto* ok = modal->findChild<QAbstractButton*>(QStringLiteral("BotonOK")))
        ok->click();
}
