#pragma once
// Longitudes de anclaje de barras corrugadas (EHE-98, art. 66.5): longitud básica en las
// posiciones I (buena adherencia) y II (adherencia deficiente) y longitud neta, con el decalaje
// opcional de las armaduras traccionadas. Longitudes en cm, fyk y fck en N/mm².

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"

#include <array>
#include <string>

namespace velmora {

// Fila de TablaM para una resistencia: parte entera de (fck − 20)·0,2, menos 1. Sólo hay filas
// para 25 ≤ fck < 55; fuera de ese intervalo se rechaza con un mensaje que lo indica.
Resultado<int> FilaTablaM(double fck);

// Coeficiente β de reducción por el tipo de anclaje (0 prolongación recta, 1 patilla o gancho,
// 2 barra transversal soldada). La patilla sólo reduce en tracción con recubrimiento suficiente.
double CoeficienteBeta(int tipoAnclaje, bool recubrimiento, bool traccion);

// Datos de una posición (p = 1 posición I, p = 2 posición II).
struct DatosAnclaje {
    int p = 1;
    double phi = 0;        // cm
    double beta = 1.0;     // –
    double AsEstricta = 0; // cm²
    double AsReal = 0;     // cm²
    int m = 0;             // coeficiente de TablaM
    double fyk = 0;        // N/mm²
    bool Traccion = false;
    bool Estricta = false; // "Armadura estricta"
    bool Dinamicos = false;
    double Decalaje = 0; // cm
};

struct LongitudAnclaje {
    double lb = 0;     // cm
    double lbneta = 0; // cm
    bool DecalajeSumado = false;
};

// Longitud básica y neta de una posición. Una posición sin barras definidas (φ ≤ 0) o, con
// "Armadura estricta", sin área real positiva se rechaza en lugar de dar una longitud sin sentido.
Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d);

// "= " + número (6:2) + " cm*" si se sumó el decalaje, o " cm". El número cabe en
// AnchoLongitudAnclaje caracteres: una longitud más larga no se puede mostrar (nunca se corta).
inline constexpr int AnchoLongitudAnclaje = 12;
[[nodiscard]] bool LongitudMostrable(double valor); // cm
std::string TextoLongitudAnclaje(double valor, bool decalajeSumado);

// Rótulo de la casilla del recubrimiento: tres diámetros en cm de la mayor de las barras de las
// ranuras 1 y 2 ("Recubrimiento hormigón > 3.0 cm" con barras de 10 mm).
std::string TextoRecubrimiento(const EstadoDiseno& e);

// Decalaje por defecto de la entrega desde resultados: canto útil d (mm) en cm, formato (6:1).
std::string TextoDecalajeCanto(const EstadoDiseno& e);

// Valores por posición que conserva la ventana entre aperturas (índice 1 y 2; el 0 no se usa).
struct ValoresAnclaje {
    std::array<double, 3> phi{}, lb{}, lbneta{}, beta{}, AsEstricta{}, AsReal{};
    int m = 0;
};

// Tras aceptar el selector para la ranura p (1 o 2): φ y área real de la posición p.
void TomarArmaduraRanura(const EstadoDiseno& e, ValoresAnclaje& v, int p);

// Entrega desde la ventana de resultados: las ranuras 1 y 2 reciben un grupo de `numero` barras
// de `diametro` mm, y ambas posiciones toman su φ y su área real. Textos leídos como enteros.
Estado EntregarArmadura(EstadoDiseno& e, ValoresAnclaje& v, const std::string& numero,
                        const std::string& diametro);

// Lo que el botón "Longitud anclaje" lee de la ventana (textos tal como están escritos).
struct EntradaAnclaje {
    int DesignacionAcero = 0; // 0 B 400 S, 1 B 500 S
    std::string ResistenciaCaracteristica = "25";
    int TipoAnclaje = 0;
    std::string Decalaje = "0";
    bool Recubrimiento = false;
    bool Dinamicos = false;
    bool Estricta = false;
    std::array<bool, 3> Posicion{false, true, true};
    std::array<bool, 3> Traccion{false, true, false};
    std::array<std::string, 3> AreaEstricta{"", "1", "1"};
};

// Rótulos de la ventana de resultados.
struct SalidaAnclaje {
    std::array<bool, 3> Calculada{};
    std::array<std::string, 3> LongitudBasica{}, LongitudNeta{};
    bool Nota = false; // "* Se ha sumado el decalaje"
};

// El botón "Longitud anclaje": escribe fyk y fck en el estado, calcula la posición II y luego
// la I (las marcadas) y compone los rótulos. Si algún dato es erróneo no cambia nada.
Resultado<SalidaAnclaje> CalcularLongitudesAnclaje(EstadoDiseno& e, ValoresAnclaje& v,
                                                   const EntradaAnclaje& entrada);

} // namespace velmora
