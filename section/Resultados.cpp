#include "section/Resultados.h"

#include "common/Numeros.h"
#include "section/CuantiasMinimas.h"
#include "section/DimensionarSeccion.h"
#include "section/ce/CuantiasMinimas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

std::array<std::string, 3> LineasDominio(DominioDeformacion d) {
    switch (d) {
    case DominioDeformacion::Dos:
        return {"Dominio de deformación : 2.", "   Flexión simple o compuesta.",
                "   El hormigón no alcanza la deformación de rotura por flexión."};
    case DominioDeformacion::Tres:
        return {"Dominio de deformación : 3.", "   Flexión simple o compuesta.",
                "   El hormigón alcanza la deformación de rotura por flexión."};
    case DominioDeformacion::TresCuatro:
        return {"Dominio de deformación : 3-4.", "   Flexión simple o compuesta.",
                "   Frontera entre los dominios 3 y 4. Por economía se hace x=xlim."};
    case DominioDeformacion::Cuatro:
        return {"Dominio de deformación : 4.",
                "   Flexión simple o compuesta. Se desaprovecha la armadura más traccionada",
                "   que no alcanza el agotamiento resistente."};
    case DominioDeformacion::CuatroA:
        return {"Dominio de deformación : 4a.",
                "   Flexión simple o compuesta. Las dos armaduras están comprimidas y existe",
                "   una pequeña zona de hormigón en tracción."};
    case DominioDeformacion::Cinco:
        return {"Dominio de deformación : 5.", "   Compresión simple o compuesta.",
                "   Tanto el acero como el hormigón trabajan a compresión."};
    }
    return {};
}

std::array<std::string, 3> LineasDominio(unsigned Dominio) {
    const auto d = DominioDelCodigo(Dominio);
    return d ? LineasDominio(*d) : std::array<std::string, 3>{};
}

std::string TextoDominio(unsigned Dominio) {
    const auto l = LineasDominio(Dominio);
    if (l[0].empty())
        return {};
    return l[0] + "\n" + l[1] + "\n" + l[2];
}

std::vector<std::pair<std::string, std::string>> RotulosResultados::PorControl() const {
    return {{"AreaCompresion", AreaCompresion},
            {"AreaTraccion", AreaTraccion},
            {"CapacidadCompresion", CapacidadCompresion},
            {"CapacidadTraccion", CapacidadTraccion},
            {"Cuantia", Cuantia},
            {"Recomendada", Recomendada},
            {"DomDeform", DomDeform},
            {"Profundidad", Profundidad},
            {"xlimite", xlimite}};
}

RotulosResultados RotularResultados(const EstadoDiseno& e, TipoDeElemento TipoElemento) {
    RotulosResultados r;
    r.DomDeform = TextoDominio(e.Dominio);
    TextosCuantia m;
    switch (e.norma) {
    case Norma::CodigoEstructural:
        m = ce::RotularCuantia(e, TipoElemento);
        r.DiametroMinimo12 = TipoElemento == TipoDeElemento::Soporte;
        break;
    case Norma::EHE98:
        m = RotularCuantia(e, TipoElemento);
        break;
    }
    r.Recomendada = m.Recomendada;
    r.Cuantia = m.Cuantia;
    r.CapacidadTraccion = Formatear(e.U1 * 0.001, 9, 3);
    r.CapacidadCompresion = Formatear(e.U2 * 0.001, 9, 3);
    r.AreaTraccion = Formatear(e.As1 * 0.01, 9, 3);
    r.AreaCompresion = Formatear(e.As2 * 0.01, 9, 3);
    r.Profundidad = TextoProfundidad(e);
    r.xlimite = TextoXlimite(e);
    return r;
}

std::string RecomendadaConDiametros(const RotulosResultados& r, std::string_view DiametroTraccion,
                                    std::string_view DiametroCompresion) {
    if (!r.DiametroMinimo12)
        return r.Recomendada;
    const auto diametro = [](std::string_view s) {
        const auto v = LeerNumero(s, "");
        return v ? static_cast<int>(*v) : 0;
    };
    const std::string nota =
        ce::NotaDiametroSoporte(TipoDeElemento::Soporte, diametro(DiametroTraccion),
                                diametro(DiametroCompresion));
    if (nota.empty())
        return r.Recomendada;
    return r.Recomendada.empty() ? nota : r.Recomendada + " " + nota;
}

Resultado<std::string> NumeroBarras(double As, std::string_view diametro, std::string_view campo) {
    const std::string nombre = campo == "DiametroCompresion"
                                   ? "Diámetro de la armadura de compresión"
                                   : "Diámetro de la armadura de tracción";
    const auto phi = LeerEntero(diametro, nombre, campo);
    if (!phi)
        return phi.error();
    if (*phi < 1 || *phi > 255)
        return Resultado<std::string>::Error(
            "El dato «" + nombre +
                "» debe ser un número entero de milímetros entre 1 y 255 (se "
                "ha escrito «" +
                std::string(diametro) + "»): no se calcula el número de barras.",
            std::string(campo));
    const double f = static_cast<double>(*phi);
    // Barras de diámetro f cuya área alcanza As: el menor entero no inferior a v (v > 0).
    const double v = As * 4.0 * (1.0 / std::numbers::pi) / f / f;
    double n = std::trunc(v);
    // El área de un número exacto de barras (5Ø10 = 392.70 mm²) puede dar v = 5.000000000000001
    // por el redondeo de π; eso no es una barra más.
    if (v - n > 1e-9 * std::max(1.0, std::fabs(v)))
        n += 1.0;
    return Formatear(n, 4, 0);
}

Resultado<std::string> NumeroBarrasTraccion(const EstadoDiseno& e,
                                            std::string_view DiametroTraccion) {
    return NumeroBarras(e.As1, DiametroTraccion, "DiametroTraccion");
}

Resultado<std::string> NumeroBarrasCompresion(const EstadoDiseno& e,
                                              std::string_view DiametroCompresion) {
    return NumeroBarras(e.As2, DiametroCompresion, "DiametroCompresion");
}

} // namespace velmora
