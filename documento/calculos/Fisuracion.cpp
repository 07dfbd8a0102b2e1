// "fisuracion": la comprobación en servicio de la ventana «Fisuración» (Código Estructural,
// Anejo 19, 7.2 y 7.3) con las barras de las ranuras 1 (cara traccionada) y 2 (cara superior).

#include "cracking/DescripcionFisuracion.h"
#include "cracking/DibujoFisuracion.h"
#include "cracking/RotulosFisuracion.h"
#include "design/Ranuras.h"
#include "documento/TextosCampos.h"
#include "documento/calculos/Ventanas.h"

#include <vector>

namespace velmora {

namespace {

constexpr const char* Ventana = "VentanaFisuracion";

// Las barras aceptadas de la ranura k (ninguna si la línea no la da) y el rótulo de su botón.
std::vector<GrupoBarras> Barras(Contexto& c, int k, std::string& rotulo) {
    if (!c.RanuraDada(k)) {
        rotulo = "Defina armadura";
        return {};
    }
    rotulo = TextoArmadura(c.Estado, k);
    const auto g = GruposEnUso(c.Estado, k);
    return {g.begin(), g.end()};
}

void CalcularFisuracionLinea(Contexto& c) {
    c.ConfirmarParametros();
    const TextosCampos textos = TextosDeCampos(c, Ventana, CamposFisuracion);
    EleccionFisuracion e;
    e.Rectangular = c.Indice(Ventana, "GrupoTipoSeccion", SeccionFisuracionDefecto, 2) == 0;
    e.LargaDuracion = c.Indice(Ventana, "GrupoDuracion", DuracionDefecto, 2) == 1;
    e.Clase = c.Indice(Ventana, "ClaseExposicion", ExposicionDefecto,
                       static_cast<int>(OpcionesExposicion.size()));
    e.Caracteristica = c.Casilla(Ventana, "Caracteristica", false);
    std::string rotuloA1, rotuloA2;
    const auto A1 = Barras(c, 1, rotuloA1);
    const auto A2 = Barras(c, 2, rotuloA2);
    c.Poner(Ventana, "BotonA1", rotuloA1);
    c.Poner(Ventana, "BotonA2", rotuloA2);
    const auto datos = Exigir(LeerDatosFisuracion(textos, e, A1, A2, c.Estado.fck, c.Estado.fyk));
    const auto r = Exigir(CalcularFisuracion(datos));
    for (const auto& [control, texto] : RotularFisuracion(r))
        c.Poner(Ventana, control, texto);
    c.Informar("Fisuración y tensiones en servicio (Código Estructural, Anejo 19)", [&] {
        Traza t;
        (void)CalcularFisuracion(datos, &t);
        return t;
    });
    c.Dibujar("Sección en servicio con su diagrama de tensiones (combinación cuasipermanente)",
              [&] { return SvgFisuracion(r); });
}

// Los rótulos de «fisuracion» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeFisuracion() {
    return {
        {"VentanaFisuracion", "BotonA1", "Armadura traccionada A<sub>1</sub>", "",
         "Defina armadura"},
        {"VentanaFisuracion", "BotonA2", "Armadura superior A<sub>2</sub>", "", "Defina armadura"},
        {"VentanaFisuracion", "EtiquetaNorma", "Norma de la comprobación"},
        {"VentanaFisuracion", "EtiquetaMateriales", "Materiales del Anejo 19"},
        {"VentanaFisuracion", "EtiquetaMcr", "Momento de fisuración M<sub>cr</sub>"},
        {"VentanaFisuracion", "EtiquetaFibraNeutra", "Fibra neutra (cuasipermanente)"},
        {"VentanaFisuracion", "EtiquetaTensiones", "Tensiones (cuasipermanente)"},
        {"VentanaFisuracion", "EtiquetaAbertura", "Abertura de fisura w<sub>k</sub>"},
        {"VentanaFisuracion", "VeredictoAbertura", "Comprobación de w<sub>k</sub>"},
        {"VentanaFisuracion", "VeredictoCuasipermanente",
         "Compresión del hormigón (cuasipermanente)"},
        {"VentanaFisuracion", "EtiquetaCaracteristica", "Tensiones (característica)"},
        {"VentanaFisuracion", "VeredictoCaracteristica",
         "Limitación de tensiones (característica)"},
        {"VentanaFisuracion", "EtiquetaAsMin", "Armadura mínima A<sub>s,min</sub>"},
        {"VentanaFisuracion", "VeredictoAsMin", "Comprobación de A<sub>s,min</sub>"},
        {"VentanaFisuracion", "EtiquetaTablas", "Tablas 7.2N y 7.3N"},
        {"VentanaFisuracion", "VeredictoTablas", "Control sin cálculo directo"},
    };
}

} // namespace

namespace {

// Los controles que lee «fisuracion», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasFisuracion() {
    return Seguidas(LecturasParametros(),
                    {LeeTexto("VentanaFisuracion", "Valorh", "0.50"),
                     LeeTexto("VentanaFisuracion", "Valorb", "0.30"),
                     LeeTexto("VentanaFisuracion", "Valorhf", "0.10"),
                     LeeTexto("VentanaFisuracion", "Valorbw", "0.20"),
                     LeeTexto("VentanaFisuracion", "Valord2", "0.04"),
                     LeeTexto("VentanaFisuracion", "Recubrimiento", "30"),
                     LeeTexto("VentanaFisuracion", "Separacion", "0"),
                     LeeTexto("VentanaFisuracion", "MomentoCP", "80"),
                     LeeTexto("VentanaFisuracion", "AxilCP", "0"),
                     LeeTexto("VentanaFisuracion", "MomentoCar", "0"),
                     LeeTexto("VentanaFisuracion", "AxilCar", "0"),
                     LeeTexto("VentanaFisuracion", "Fluencia", "0"),
                     LeeIndice("VentanaFisuracion", "GrupoTipoSeccion", 0, 2),
                     LeeIndice("VentanaFisuracion", "GrupoDuracion", 1, 2),
                     LeeIndice("VentanaFisuracion", "ClaseExposicion", 1, 18),
                     LeeCasilla("VentanaFisuracion", "Caracteristica", false)});
}

} // namespace

EntradaCatalogo CatalogoFisuracion() {
    return {.nombre = "fisuracion",
            .titulo = "Fisuración y tensiones en servicio",
            .descripcion = "fisuración y tensiones en servicio (Código Estructural, Anejo 19, 7.2 "
                           "y 7.3) con A1 y A2 "
                           "(ranuras 1 y 2)",
            .funcion = &CalcularFisuracionLinea,
            .ventanas = {VentanaParametros(), {Ventana, CamposFisuracion, EleccionesFisuracion}},
            .ranuras = {{1, Ventana, "BotonA1", "Defina armadura"},
                        {2, Ventana, "BotonA2", "Defina armadura"}},
            .resultados = ResultadosDeFisuracion(),
            .lecturas = LecturasFisuracion(),
            .ventanasDatos = {"VentanaFisuracion"},
            .ventanasResultados = {"VentanaFisuracion"}};
}

} // namespace velmora
