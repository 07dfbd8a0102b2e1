#pragma once
// Una ventana con botones de armadura, que aceptan ranuras del selector de área. Al abrir un
// proyecto, cada ventana queda como si se hubieran aceptado las ranuras que da su línea.

namespace velmora {

class ConArmaduras {
public:
    virtual ~ConArmaduras() = default;

    // Como aceptar en el selector la ranura `ranura` (definida) o como al arrancar, sin
    // armadura definida (no definida).
    virtual void FijarArmadura(int ranura, bool definida) = 0;
};

} // namespace velmora
