#include "anchorage/Anclaje.h"

#include "anchorage/DescripcionAnclaje.h"
#include "common/Numeros.h"
#include "design/Ranuras.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

const char* NombrePosicion(int p) {
    return p == 2 ? "II" : "I";
}

std::string Corto(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
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
                (std::isfinite(fck) ? Corto(fck) : std::string("no numérico")) + ").",
            "ResistenciaCaracteristica");
    return static_cast<int>(std::trunc((fck - 20.0) * 0.2)) - 1;
}

double CoeficienteBeta(int tipoAnclaje, bool recubrimiento, bool traccion) {
    switch (tipoAnclaje) {
    case 1:
        return recubrimiento && traccion ? 0.7 : 1.0;
    case 2:
        return 0.7;
    default:
        return 1.0;
    }
}

Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d) {
    const std::string pos = NombrePosicion(d.p);
    const std::string boton = d.p == 2 ? "AreaPosicionII" : "AreaPosicionI";
    if (!(d.phi > 0.0))
        return Resultado<LongitudAnclaje>::Error("Defina la armadura de la posición " + pos + ".",
                                                         boton);
    if (d.Estricta && !(d.AsReal > 0.0))
        return Resultado<LongitudAnclaje>::Error(
            "Con «Armadura estricta» el área real de la posición " + pos +
                " debe ser mayor que cero: defina su armadura.",
            boton);

    LongitudAnclaje r;
    // Art. 66.5.2: lbI = m·φ² ≥ fyk/20·φ; lbII = 1,4·m·φ² ≥ fyk/14·φ.
    double lb, cota;
    if (d.p == 2) {
        lb = 1.4 * d.m * d.phi * d.phi;
        cota = d.fyk * d.phi / 14.0;
    } else {
        lb = d.m * d.phi * d.phi;
        cota = d.fyk * d.phi * 0.05;
    }
    // El tercio (o los dos tercios en compresión) se toma de m·φ², antes de la cota inferior.
    const double tercio = d.Traccion ? lb / 3.0 : 2.0 * lb / 3.0;
    const double sd = d.Traccion ? d.Decalaje : 0.0;
    lb = Mayor(lb, cota);

    // Art. 66.5.3: longitud neta β·lb·As/As,real, nunca menor que 10φ, 15 cm ni el tercio.
    double neta = lb * d.beta;
    if (d.Estricta)
        neta = neta * d.AsEstricta / d.AsReal;
    double lmin = 10.0 * d.phi;
    if (lmin < 15.0)
        lmin = 15.0;
    if (lmin < tercio)
        lmin = tercio;
    neta = Mayor(neta, lmin);

    if (d.Dinamicos) {
        lb += 10.0 * d.phi;
        neta += 10.0 * d.phi;
    }
    if (sd > 0.0) {
        lb += sd;
        neta += sd;
        r.DecalajeSumado = true;
    }
    r.lb = lb;
    r.lbneta = neta;
    return r;
}

bool LongitudMostrable(double valor) {
    return CabeEnRotulo(valor, AnchoLongitudAnclaje, 2);
}

std::string TextoLongitudAnclaje(double valor, bool decalajeSumado) {
    return "= " + Formatear(valor, 6, 2) + (decalajeSumado ? " cm*" : " cm");
}

std::string TextoRecubrimiento(const EstadoDiseno& e) {
    const int mayor = std::max(e.DiametroBarras[1][1], e.DiametroBarras[2][1]);
    return "Recubrimiento hormigón > " + Formatear(0.3 * mayor, 3, 1) + " cm";
}

std::string TextoDecalajeCanto(const EstadoDiseno& e) {
    return Formatear(e.d * 0.1, 6, 1);
}

void TomarArmaduraRanura(const EstadoDiseno& e, ValoresAnclaje& v, int p) {
    v.phi[p] = e.DiametroBarras[p][1] * 0.1;
    v.AsReal[p] = e.AreaTotal * 0.01;
}

Estado EntregarArmadura(EstadoDiseno& e, ValoresAnclaje& v, const std::string& numero,
                        const std::string& diametro) {
    const auto n = LeerEntero(numero, "Número de barras");
    if (!n)
        return n.error();
    const auto d = LeerEntero(diametro, "Diámetro de las barras");
    if (!d)
        return d.error();
    for (int p = 1; p <= 2; ++p) {
        e.NumeroDiametros[p] = 1;
        e.NumeroBarras[p][1] = static_cast<int>(*n);
        e.DiametroBarras[p][1] = static_cast<int>(*d);
        v.phi[p] = static_cast<double>(*d) * 0.1;
        v.AsReal[p] = static_cast<double>(*n) * std::numbers::pi * static_cast<double>(*d) *
                      static_cast<double>(*d) * 0.0025;
    }
    return Correcto();
}

Resultado<SalidaAnclaje> CalcularLongitudesAnclaje(EstadoDiseno& e, ValoresAnclaje& v,
                                                   const EntradaAnclaje& entrada) {
    const auto fck = LeerNumero(entrada.ResistenciaCaracteristica, CampoResistenciaAnclaje.nombre,
                                CampoResistenciaAnclaje.control);
    if (!fck)
        return fck.error();
    const auto fila = FilaTablaM(*fck);
    if (!fila)
        return fila.error();
    const auto decalaje = LeerNumero(entrada.Decalaje, CampoDecalaje.nombre, CampoDecalaje.control);
    if (!decalaje)
        return decalaje.error();
    if (auto r = ComprobarIntervalo(CampoDecalaje, *decalaje); !r)
        return r.error();
    const int acero = entrada.DesignacionAcero == 1 ? 1 : 0;
    const double fyk = 400.0 + 100.0 * acero;
    const int m = e.TablaM[static_cast<std::size_t>(*fila)][static_cast<std::size_t>(acero)];

    // Se calcula todo sobre una copia y sólo se guarda si ninguna posición tiene errores.
    ValoresAnclaje nuevos = v;
    nuevos.m = m;
    SalidaAnclaje salida;
    for (int p : {2, 1}) {
        if (!entrada.Posicion[p])
            continue;
        if (entrada.Estricta) {
            const Campo& campo = p == 2 ? CampoAreaII : CampoAreaI;
            const auto a = LeerNumero(entrada.AreaEstricta[p], campo.nombre, campo.control);
            if (!a)
                return a.error();
            if (*a < 0.0)
                return Resultado<SalidaAnclaje>::Error("El área estricta de la posición " +
                                                           std::string(NombrePosicion(p)) +
                                                           " no puede ser negativa.",
                                                       std::string(campo.control));
            if (auto r = ComprobarIntervalo(campo, *a); !r)
                return r.error();
            nuevos.AsEstricta[p] = *a;
        }
        nuevos.beta[p] =
            CoeficienteBeta(entrada.TipoAnclaje, entrada.Recubrimiento, entrada.Traccion[p]);
        DatosAnclaje d;
        d.p = p;
        d.phi = nuevos.phi[p];
        d.beta = nuevos.beta[p];
        d.AsEstricta = nuevos.AsEstricta[p];
        d.AsReal = nuevos.AsReal[p];
        d.m = m;
        d.fyk = fyk;
        d.Traccion = entrada.Traccion[p];
        d.Estricta = entrada.Estricta;
        d.Dinamicos = entrada.Dinamicos;
        d.Decalaje = *decalaje;
        const auto r = CalcularAnclaje(d);
        if (!r)
            return r.error();
        if (!LongitudMostrable(r.valor().lb) || !LongitudMostrable(r.valor().lbneta))
            return ResultadoNoRepresentable("longitudes de anclaje");
        nuevos.lb[p] = r.valor().lb;
        nuevos.lbneta[p] = r.valor().lbneta;
        salida.Calculada[p] = true;
        salida.LongitudBasica[p] = TextoLongitudAnclaje(r.valor().lb, r.valor().DecalajeSumado);
        salida.LongitudNeta[p] = TextoLongitudAnclaje(r.valor().lbneta, r.valor().DecalajeSumado);
        salida.Nota = salida.Nota || r.valor().DecalajeSumado;
    }
    v = nuevos;
    e.fyk = fyk;
    e.fck = *fck;
    return salida;
}

} // namespace velmora
