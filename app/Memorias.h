#pragma once
// El botón «Memoria» de las ventanas de resultados y de las que muestran sus propios resultados:
// abre VentanaMemoria con la línea de velmora-calc de lo que muestra la ventana.

namespace velmora {

struct Aplicacion;

// Añade BotonMemoria a cada una de esas ventanas y lo conecta. Se llama con todas las ventanas
// y los proyectos ya creados.
void ConectarMemorias(Aplicacion& app);

} // namespace velmora
