// Memorias al azar de cada cálculo del catálogo, con las dos normas y las dos formas de sección:
// cada paso cita su artículo, su sustitución da el valor que escribe a su precisión escrita, y
// su fórmula dice lo mismo que la sustitución (common/Expresion.h).

#include "common/Expresion.h"
#include "documento/Catalogo.h"
#include "documento/Lote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace velmora {
namespace {

// El campo de `control` en las ventanas de la entrada, si lo describe alguna.
const Campo* CampoDe(const EntradaCatalogo& e, std::string_view ventana, std::string_view control) {
    for (const VentanaCatalogo& v : e.ventanas)
        if (v.ventana == ventana)
            for (const Campo& c : v.campos)
                if (c.control == control)
                    return &c;
    return nullptr;
}

std::string Texto(double x) {
    char b[32];
    std::snprintf(b, sizeof b, "%.4g", x);
    return b;
}

// Un texto verosímil para el campo: la mitad de las veces el de arranque; si no, cerca de él
// (entre la mitad y el doble), dentro de su intervalo.
std::string TextoAlAzar(const Campo& c, std::mt19937& azar) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double defecto = std::strtod(std::string(c.defecto).c_str(), nullptr);
    if (u(azar) < 0.5 || c.maximo <= c.minimo)
        return std::string(c.defecto);
    const double x = defecto != 0.0 ? defecto * std::exp(std::log(2.0) * (2 * u(azar) - 1))
                                    : c.minimo + (c.maximo - c.minimo) * u(azar) * 0.1;
    return Texto(std::clamp(x, c.minimo, c.maximo));
}

Json LineaAlAzar(const EntradaCatalogo& e, bool enT, std::mt19937& azar) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    Json linea = {{"calculo", e.nombre}, {"informe", "html"}};
    bool codigoEstructural = false;
    for (const LecturaCatalogo& l : LecturasDe(e)) {
        if (l.cuando == (enT ? Cuando::Rectangular : Cuando::EnT) ||
            l.cuando == (codigoEstructural ? Cuando::SoloEHE98 : Cuando::SoloCodigoEstructural))
            continue;
        Json valor;
        switch (l.tipo) {
        case TipoControl::Texto:
            if (const Campo* c = CampoDe(e, l.ventana, l.control))
                valor = TextoAlAzar(*c, azar);
            break;
        case TipoControl::Indice: // la mitad de las veces, la opción de arranque
        case TipoControl::Entero:
            valor = u(azar) < 0.5 ? l.valor
                                  : std::uniform_int_distribution<int>(l.minimo, l.maximo)(azar);
            break;
        case TipoControl::Casilla:
            valor = u(azar) < 0.2 ? l.valor == 0 : l.valor != 0;
            break;
        case TipoControl::Valor: // las combinaciones del diagrama de interacción
            if (l.control == "combinaciones")
                valor = Json::array({Json::array({"C1", Texto(u(azar) * 2000), Texto(u(azar) * 300)}),
                                     Json::array({"C2", Texto(u(azar) * 500), "0"})});
            break;
        }
        if (valor.is_null())
            continue;
        if (l.control == "GrupoNorma")
            codigoEstructural = valor.get<int>() == 1;
        if (l.ventana.empty())
            linea[std::string(l.control)] = valor;
        else
            linea[std::string(l.ventana)][std::string(l.control)] = valor;
    }
    constexpr std::array diametros = {10, 12, 16, 20, 25};
    for (const char* k : {"0", "1", "2"})
        linea["ranuras"][k] = {{std::uniform_int_distribution<int>(2, 6)(azar),
                                diametros[std::uniform_int_distribution<std::size_t>(0, 4)(azar)]}};
    return linea;
}

// Quita de la línea el control `campo` (de una ventana o del nivel superior); si no está, nada.
bool Quitar(Json& linea, const std::string& campo) {
    if (campo.empty() || campo == "calculo")
        return false;
    if (linea.erase(campo) > 0)
        return true;
    for (auto& [_, ventana] : linea.items())
        if (ventana.is_object() && ventana.erase(campo) > 0)
            return true;
    return false;
}

// La respuesta a la línea; si la rechaza un control puesto al azar (una casilla inhabilitada
// con el tipo de elemento, un área escrita además de su ranura), otra vez sin él.
Json Responder(Json& linea, InformeLinea& informe) {
    Json r;
    for (int intento = 0; intento < 5; ++intento) {
        r = Json::parse(ProcesarLinea(linea.dump(), false, &informe));
        if (r["ok"] == true || !Quitar(linea, r.value("campo", std::string())))
            break;
    }
    return r;
}

bool LeeSeccionEnT(const EntradaCatalogo& e) {
    const auto l = LecturasDe(e);
    return std::any_of(l.begin(), l.end(), [](const auto& x) { return x.cuando == Cuando::EnT; });
}

TEST(InformesAlAzar, CadaPasoDeCadaCalculoDiceSuValor) {
    std::mt19937 azar(21);
    constexpr int Lineas = 120; // por cálculo y forma de sección
    for (const auto& [nombre, e] : Catalogo()) {
        for (const bool enT : {false, true}) {
            if (enT && !LeeSeccionEnT(e))
                continue;
            int correctas = 0, pasos = 0, alineados = 0, fallos = 0;
            for (int i = 0; i < Lineas; ++i) {
                Json linea = LineaAlAzar(e, enT, azar);
                InformeLinea informe;
                if (Responder(linea, informe)["ok"] != true)
                    continue;
                ++correctas;
                for (const auto& a : informe.capitulo.apartados) {
                    auto p = pruebas::ProblemasTraza(a.traza);
                    const auto f = pruebas::ProblemasFormula(a.traza, &alineados, &pasos);
                    p.insert(p.end(), f.begin(), f.end());
                    for (const auto& problema : p)
                        if (++fallos <= 3)
                            ADD_FAILURE() << nombre << " · " << a.titulo << ": " << problema
                                          << "\n" << linea.dump();
                }
            }
            // Que la prueba no pase en vacío: la mayoría de las líneas dan su memoria, y una parte
            // de los pasos se alinea con su sustitución (las fórmulas de la fluencia y la
            // retracción, con potencias y funciones del tiempo, se sustituyen ya evaluadas).
            EXPECT_GE(correctas, Lineas / 2) << nombre << (enT ? " (T)" : "");
            EXPECT_GE(alineados, pasos / 5) << nombre << (enT ? " (T)" : "");
        }
    }
}

} // namespace
} // namespace velmora
