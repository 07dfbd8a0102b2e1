// Ranuras de armadura de la entrada y volcado del estado de diseño en la salida.

#include "common/Numeros.h"
#include "design/LecturaBarras.h"
#include "documento/Contexto.h"

#include <limits>

namespace velmora {

namespace {

const char* const CampoRanuras = "ranuras";

int EnteroDeGrupo(const Json& v, const std::string& que) {
    if (!v.is_number_integer() || v.get<long long>() < std::numeric_limits<int>::min() ||
        v.get<long long>() > std::numeric_limits<int>::max())
        Fallar(que + " debe ser un número entero.", CampoRanuras);
    return static_cast<int>(v.get<long long>());
}

} // namespace

void AplicarRanuras(EstadoDiseno& e, const Json& ranuras) {
    if (!ranuras.is_object())
        Fallar("«ranuras» debe ser un objeto con grupos [número de barras, diámetro en mm] por "
               "ranura, p. ej. {\"1\": [[3, 16]], \"2\": [[2, 12], [1, 10]]}.",
               CampoRanuras);
    for (const auto& [clave, grupos] : ranuras.items()) {
        if (clave.size() != 1 || clave[0] < '0' || clave[0] >= '0' + NumeroRanuras)
            Fallar("La ranura «" + clave + "» no existe: las ranuras son \"0\" a \"" +
                       FormatearEntero(NumeroRanuras - 1) + "\".",
                   CampoRanuras);
        const int k = clave[0] - '0';
        const std::string ranura = "de la ranura «" + clave + "»";
        if (!grupos.is_array() || grupos.empty() ||
            grupos.size() > static_cast<std::size_t>(GruposPorRanura))
            Fallar("La ranura «" + clave +
                       "» debe ser una lista de 1 a 3 grupos [número de barras, diámetro en mm].",
                   CampoRanuras);
        for (std::size_t j = 0; j < grupos.size(); ++j) {
            const Json& g = grupos[j];
            const std::string numero = FormatearEntero(j + 1); // los mensajes cuentan desde 1
            const std::string grupo = "del grupo " + numero + " " + ranura;
            if (!g.is_array() || g.size() != 2)
                Fallar("El grupo " + numero + " " + ranura +
                           " debe ser [número de barras, diámetro en mm].",
                       CampoRanuras);
            const int n = EnteroDeGrupo(g[0], "El número de barras " + grupo);
            const int d = EnteroDeGrupo(g[1], "El diámetro " + grupo);
            if (n < 0 || n > MaximoBarras)
                Fallar("El número de barras " + grupo + " debe estar entre 0 y " +
                           FormatearEntero(MaximoBarras) + " (se ha dado " + FormatearEntero(n) +
                           ").",
                       CampoRanuras);
            if (d <= 0 || d > MaximoDiametro)
                Fallar("El diámetro " + grupo + " debe estar entre 1 y " +
                           FormatearEntero(MaximoDiametro) + " mm (se ha dado " +
                           FormatearEntero(d) + " mm).",
                       CampoRanuras);
            e.Barras[k][j] = GrupoBarras{n, d};
        }
        e.NumeroDiametros[k] = static_cast<int>(grupos.size());
    }
}

Json VolcarEstado(const EstadoDiseno& e) {
    Json s = Json::object();
    s["fyk"] = e.fyk;
    s["fck"] = e.fck;
    s["gammaS"] = e.gammaS;
    s["gammaC"] = e.gammaC;
    s["fyd"] = e.fyd;
    s["fycd"] = e.fycd;
    s["fcd"] = e.fcd;
    s["ArmaduraPasiva"] = e.ArmaduraPasiva;
    s["IndiceEs"] = e.IndiceEs;
    s["Md"] = e.Md;
    s["Nd"] = e.Nd;
    s["e0"] = e.e0;
    s["SeccionRectangular"] = e.SeccionRectangular;
    s["h"] = e.h;
    s["b"] = e.b;
    s["bw"] = e.bw;
    s["hf"] = e.hf;
    s["d1"] = e.d1;
    s["d2"] = e.d2;
    s["d"] = e.d;
    s["x"] = e.x;
    s["epsC"] = e.epsC;
    s["epsCInf"] = e.epsCInf;
    s["epsS1"] = e.epsS1;
    s["epsS2"] = e.epsS2;
    s["sigmaS1"] = e.sigmaS1;
    s["sigmaS2"] = e.sigmaS2;
    s["Cc"] = e.Cc;
    s["yc"] = e.yc;
    s["xiLim"] = e.xiLim;
    s["xlim"] = e.xlim;
    s["Clim"] = e.Clim;
    s["yLim"] = e.yLim;
    s["Mlim"] = e.Mlim;
    s["As1"] = e.As1;
    s["As2"] = e.As2;
    s["U1"] = e.U1;
    s["U2"] = e.U2;
    s["Dominio"] = e.Dominio;
    s["CuantiaMecanica"] = e.CuantiaMecanica;
    s["CuantiaGeometrica"] = e.CuantiaGeometrica;
    s["MinimaCompresion"] = e.MinimaCompresion;
    s["Simetrica"] = e.Simetrica;
    s["Texto"] = e.Texto;
    s["Codigo"] = e.Codigo;
    s["IndiceArmadura"] = e.IndiceArmadura;
    s["AreaTotal"] = e.AreaTotal;
    s["TablaGammaS"] = e.TablaGammaS;
    s["TablaGammaC"] = e.TablaGammaC;
    Json es = Json::object(); // por IndiceEs 1..3
    for (std::size_t i = 0; i < e.TablaEs.size(); ++i)
        es[std::to_string(i + 1)] = e.TablaEs[i];
    s["TablaEs"] = es;
    s["TablaM"] = e.TablaM;
    s["NumeroDiametros"] = e.NumeroDiametros;
    Json barras = Json::array(), diametros = Json::array();
    for (const auto& ranura : e.Barras) {
        // Un objeto por ranura con el número de grupo, desde 1, por clave.
        Json n = Json::object(), d = Json::object();
        for (std::size_t j = 0; j < ranura.size(); ++j) {
            const std::string clave = std::to_string(j + 1);
            n[clave] = ranura[j].Numero;
            d[clave] = ranura[j].Diametro;
        }
        barras.push_back(n);
        diametros.push_back(d);
    }
    s["NumeroBarras"] = barras;
    s["DiametroBarras"] = diametros;
    return s;
}

} // namespace velmora
