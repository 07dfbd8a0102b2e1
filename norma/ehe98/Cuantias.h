#pragma once
// Cuantías geométricas mínimas de la EHE-98 (art. 42.3.5, tabla 42.3.5), referidas a la sección
// total de hormigón.

namespace velmora::ehe98 {

// Filas: viga, soporte, placa, muro (armadura horizontal), muro (armadura vertical), en el orden
// de TipoDeElemento; columnas: B 400 S, B 500 S.
inline constexpr double CuantiasGeometricasMinimas[5][2] = {
    {0.0033, 0.0028}, {0.004, 0.004}, {0.002, 0.0018}, {0.004, 0.0032}, {0.0012, 0.0009}};

} // namespace velmora::ehe98
