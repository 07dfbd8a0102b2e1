#include "anchorage/Anclaje.h"

#include "anchorage/ComunAnclaje.h"
#include "anchorage/DescripcionAnclaje.h"
#include "common/Numeros.h"
#include "design/Ranuras.h"
#include "norma/SegunNorma.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

const char* NombrePosicion(PosicionAnclaje p) {
    return p == PosicionAnclaje::II ? "II" : "I";
}

// Primer grupo de la ranura de la posición: sus barras son las que se anclan.
const GrupoBarras& PrimerGrupo(const EstadoDiseno& e, PosicionAnclaje p) {
    return e.Barras[static_cast<std::size_t>(RanuraDe(p))].front();
}

// El mayor de los dos, el primero en caso de empate.
double Mayor(double a, double b) {
    return b > a ? b : a;
}

} // namespace

Resultado<int> FilaTablaM(double fck) {
    if (!std::isfinite(fck) || fck < 25.0 || fck >= 55.0)
        return Resultado<int>::Error(
            "La resistencia característica fck debe cumplir 25 ≤ fck < 55 N/mm² para obtener el "
            "coeficiente m (valor recibido: " +
                (std::isfinite(fck) ? anclaje::Corto(fck) : std::string("no numérico")) + ").",
            "ResistenciaCaracteristica");
    return static_cast<int>(std::trunc((fck - 20.0) * 0.2)) - 1;
}

double CoeficienteBeta(TipoAnclaje tipo, bool recubrimiento, bool traccion) {
    switch (tipo) {
    case TipoAnclaje::Patilla:
        return recubrimiento && traccion ? 0.7 : 1.0;
    case TipoAnclaje::BarraSoldada:
        return 0.7;
    case TipoAnclaje::ProlongacionRecta:
        break;
    }
    return 1.0;
}

double LbI(int m, double phi) {
    return m * phi * phi * 0.1;
}

double LbII(int m, double phi) {
    return 1.4 * m * phi * phi * 0.1;
}

double CotaLbI(double fyk, double phi) {
    return fyk * phi * 0.05;
}

double CotaLbII(double fyk, double phi) {
    return fyk * phi / 14.0;
}

double LbNeta(double beta, double lb, double AsEstricta, double AsReal) {
    return lb * beta * AsEstricta / AsReal;
}

double LbNetaMinima(double phi, double tercio) {
    return Mayor(Mayor(10.0 * phi, 150.0), tercio);
}

namespace anclaje {

std::string Corto(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

Estado ComprobarPosicion(const DatosAnclaje& d) {
    const std::string pos = NombrePosicion(d.posicion);
    const std::string boton = d.posicion == PosicionAnclaje::II ? "AreaPosicionII" : "AreaPosicionI";
    if (!(d.phi > 0.0))
        return Estado::Error("Defina la armadura de la posición " + pos + ".", boton);
    if (d.Estricta && !(d.AsReal > 0.0))
        return Estado::Error("Con «Armadura estricta» el área real de la posición " + pos +
                                 " debe ser mayor que cero: defina su armadura.",
                             boton);
    return Correcto();
}

void SumarDecalaje(const DatosAnclaje& d, LongitudAnclaje& r) {
    const double sd = d.Traccion ? d.Decalaje : 0.0;
    if (sd > 0.0) {
        r.lb += sd;
        r.lbneta += sd;
        r.DecalajeSumado = true;
    }
}

} // namespace anclaje

namespace {

// Las ecuaciones de cada norma, elegidas en un solo sitio.
struct ReglasAnclaje {
    Resultado<int> (*coeficienteM)(const EstadoDiseno&, double fck, int acero);
    Resultado<LongitudAnclaje> (*calcular)(const DatosAnclaje&, Traza*);
    bool dinamicos; // «Efectos dinámicos» se aplica
};

const ReglasAnclaje& Reglas(Norma norma) {
    static constexpr ReglasAnclaje EHE98{&ehe98::CoeficienteM, &ehe98::CalcularAnclaje, true};
    static constexpr ReglasAnclaje CodigoEstructural{&ce::CoeficienteM, &ce::CalcularAnclaje,
                                                     false};
    return SegunNorma(norma, EHE98, CodigoEstructural);
}

} // namespace

Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d, Traza* traza) {
    return Reglas(d.norma).calcular(d, traza);
}

bool UsaEfectosDinamicos(Norma norma) {
    return Reglas(norma).dinamicos;
}

bool LongitudMostrable(double valor) {
    return CabeEnRotulo(valor * 0.1, AnchoLongitudAnclaje, 2);
}

std::string TextoLongitudAnclaje(double valor, bool decalajeSumado) {
    return "= " + Formatear(valor * 0.1, 6, 2) + (decalajeSumado ? " cm*" : " cm");
}

std::string TextoRecubrimiento(const EstadoDiseno& e) {
    const int mayor = std::max(PrimerGrupo(e, PosicionAnclaje::I).Diametro,
                               PrimerGrupo(e, PosicionAnclaje::II).Diametro);
    return "Recubrimiento hormigón > " + Formatear(0.3 * mayor, 3, 1) + " cm";
}

std::string TextoDecalajeCanto(const EstadoDiseno& e) {
    return Formatear(e.d * 0.1, 6, 1);
}

void TomarArmaduraRanura(const EstadoDiseno& e, ValoresAnclaje& v, PosicionAnclaje p) {
    v.phi[Indice(p)] = PrimerGrupo(e, p).Diametro;
    v.AsReal[Indice(p)] = e.AreaTotal;
}

Estado EntregarArmadura(EstadoDiseno& e, ValoresAnclaje& v, const std::string& numero,
                        const std::string& diametro) {
    const auto n = LeerEntero(numero, "Número de barras");
    if (!n)
        return n.error();
    const auto d = LeerEntero(diametro, "Diámetro de las barras");
    if (!d)
        return d.error();
    for (PosicionAnclaje p : PosicionesAnclaje) {
        const auto ranura = static_cast<std::size_t>(RanuraDe(p));
        e.NumeroDiametros[ranura] = 1;
        e.Barras[ranura][0] = GrupoBarras{static_cast<int>(*n), static_cast<int>(*d)};
        const double phi = static_cast<double>(*d);
        v.phi[Indice(p)] = phi;
        v.AsReal[Indice(p)] = static_cast<double>(*n) * std::numbers::pi * phi * phi * 0.25;
    }
    return Correcto();
}

namespace {

// Área estricta escrita (cm²) de la posición, en mm².
Resultado<double> LeerAreaEstricta(const EntradaAnclaje& entrada, PosicionAnclaje p) {
    const Campo& campo = p == PosicionAnclaje::II ? CampoAreaII : CampoAreaI;
    const auto a = LeerNumero(entrada.AreaEstricta[Indice(p)], campo.nombre, campo.control);
    if (!a)
        return a.error();
    if (*a < 0.0)
        return Resultado<double>::Error("El área estricta de la posición " +
                                            std::string(NombrePosicion(p)) +
                                            " no puede ser negativa.",
                                        std::string(campo.control));
    if (auto r = ComprobarIntervalo(campo, *a); !r)
        return r.error();
    return *a * campo.factor;
}

} // namespace

Resultado<SalidaAnclaje> CalcularLongitudesAnclaje(EstadoDiseno& e, ValoresAnclaje& v,
                                                   const EntradaAnclaje& entrada) {
    const auto fck = LeerNumero(entrada.ResistenciaCaracteristica, CampoResistenciaAnclaje.nombre,
                                CampoResistenciaAnclaje.control);
    if (!fck)
        return fck.error();
    const int acero = entrada.DesignacionAcero == 1 ? 1 : 0;
    const auto m = Reglas(e.norma).coeficienteM(e, *fck, acero);
    if (!m)
        return m.error();
    const auto decalaje = LeerNumero(entrada.Decalaje, CampoDecalaje.nombre, CampoDecalaje.control);
    if (!decalaje)
        return decalaje.error();
    if (auto r = ComprobarIntervalo(CampoDecalaje, *decalaje); !r)
        return r.error();
    const double fyk = 400.0 + 100.0 * acero;

    // Se calcula todo sobre una copia y sólo se guarda si ninguna posición tiene errores.
    ValoresAnclaje nuevos = v;
    nuevos.m = *m;
    SalidaAnclaje salida;
    salida.norma = e.norma;
    for (PosicionAnclaje p : {PosicionAnclaje::II, PosicionAnclaje::I}) {
        const std::size_t i = Indice(p);
        if (!entrada.Posicion[i])
            continue;
        if (entrada.Estricta) {
            const auto a = LeerAreaEstricta(entrada, p);
            if (!a)
                return a.error();
            nuevos.AsEstricta[i] = *a;
        }
        nuevos.beta[i] = CoeficienteBeta(entrada.Tipo, entrada.Recubrimiento, entrada.Traccion[i]);
        DatosAnclaje d;
        d.posicion = p;
        d.phi = nuevos.phi[i];
        d.beta = nuevos.beta[i];
        d.AsEstricta = nuevos.AsEstricta[i];
        d.AsReal = nuevos.AsReal[i];
        d.m = *m;
        d.fyk = fyk;
        d.Traccion = entrada.Traccion[i];
        d.Estricta = entrada.Estricta;
        d.Dinamicos = entrada.Dinamicos && UsaEfectosDinamicos(e.norma);
        d.Decalaje = *decalaje * CampoDecalaje.factor;
        d.norma = e.norma;
        d.fck = *fck;
        d.gammaC = e.gammaC;
        d.fyd = e.gammaS > 0 ? fyk / e.gammaS : 0.0;
        d.tipo = entrada.Tipo;
        d.Recubrimiento = entrada.Recubrimiento;
        const auto r = CalcularAnclaje(d);
        if (!r)
            return r.error();
        if (!LongitudMostrable(r.valor().lb) || !LongitudMostrable(r.valor().lbneta))
            return ResultadoNoRepresentable("longitudes de anclaje");
        nuevos.lb[i] = r.valor().lb;
        nuevos.lbneta[i] = r.valor().lbneta;
        salida.Calculada[i] = true;
        salida.Datos[i] = d;
        salida.Longitud[i] = r.valor();
        salida.LongitudBasica[i] = TextoLongitudAnclaje(r.valor().lb, r.valor().DecalajeSumado);
        salida.LongitudNeta[i] = TextoLongitudAnclaje(r.valor().lbneta, r.valor().DecalajeSumado);
        salida.Nota = salida.Nota || r.valor().DecalajeSumado;
    }
    v = nuevos;
    e.fyk = fyk;
    e.fck = *fck;
    return salida;
}

} // namespace velmora
