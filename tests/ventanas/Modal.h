#pragma once
// Ayudas de las pruebas de ventanas: responder a un cuadro modal que abrirá un clic, y recoger
// los avisos al usuario sin cuadros de mensaje.

#include "common/Avisar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

using namespace velmora;

// Arranca, antes del clic, un sondeo que espera a que aparezca una ventana modal (distinta de
// `excepto`) y le aplica `accion`. Si no aparece en `limiteMs`, no hace nada (la prueba que
// esperaba el cuadro fallará por sus propias comprobaciones).
inline void ResponderModal(std::function<void(QWidget*)> accion, QWidget* excepto = nullptr,
                           int limiteMs = 5000) {
    auto reloj = std::make_shared<QElapsedTimer>();
    reloj->start();
    auto temporizador = new QTimer(qApp);
    temporizador->setInterval(10);
    QObject::connect(temporizador, &QTimer::timeout, qApp,
                     [temporizador, reloj, accion = std::move(accion), excepto, limiteMs]() {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (modal && modal != excepto && modal->isVisible()) {
                             temporizador->stop();
                             temporizador->deleteLater();
                             accion(modal);
                         } else if (reloj->elapsed() > limiteMs) {
                             temporizador->stop();
                             temporizador->deleteLater();
                         }
                     });
    temporizador->start();
}

// Recoge los avisos mientras vive; al destruirse devuelve el sumidero anterior.
class RecogerAvisos {
public:
    RecogerAvisos() {
        anterior_ = FijarSumideroAvisos(
            [this](QWidget*, const QString& texto) { avisos.append(texto); });
    }
    ~RecogerAvisos() { FijarSumideroAvisos(anterior_); }
    RecogerAvisos(const RecogerAvisos&) = delete;
    RecogerAvisos& operator=(const RecogerAvisos&) = delete;

    QStringList avisos;

private:
    SumideroAvisos anterior_;
};
