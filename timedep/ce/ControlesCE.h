#pragma once
// Controles que comparten las ventanas de fluencia y de retracción del Código Estructural.

class QWidget;

namespace velmora::ce {

// Casilla «Espesor medio h0 conocido»: con ella se escribe h0 y se ocultan Ac y u; sin ella, al
// revés.
void MostrarEspesorMedio(QWidget* ventana, bool conocido);

} // namespace velmora::ce
