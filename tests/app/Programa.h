#pragma once
// El programa entero como al arrancar, para las pruebas que lo recorren: todas las ventanas
// creadas y conectadas; al destruirse, la principal se lleva a las demás.

#include "app/Aplicacion.h"
#include "app/VentanaPrincipal.h"
#include "ventanas/Modal.h"

#include <memory>

namespace velmora::pruebas {

struct Programa {
    Aplicacion app;
    // Abrir una ventana puede calcular y avisar: los avisos se recogen, sin cuadros, salvo que
    // la prueba quiera ver los cuadros o recogerlos ella.
    std::unique_ptr<RecogerAvisos> avisos;

    explicit Programa(bool recogerAvisos = true) {
        InicializarTablas(app.Estado);
        CrearVentanas(app);
        if (recogerAvisos)
            avisos = std::make_unique<RecogerAvisos>();
    }
    ~Programa() {
        avisos.reset();
        delete app.VentanaPrincipal;
    }
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;
};

} // namespace velmora::pruebas
