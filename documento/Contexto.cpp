#include "documento/Contexto.h"

#include "common/Numeros.h"
#include "design/TextosParametros.h"

namespace velmora {

namespace {

constexpr std::string_view Parametros = "ParametrosGenerales";

// El valor recibido, para el mensaje. Una lista o un objeto no se escriben: pueden ser enormes.
std::string Recibido(const Json& v) {
    if (v.is_array())
        return " Se ha dado una lista.";
    if (v.is_object())
        return " Se ha dado un objeto.";
    std::string texto = v.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (texto.size() > 40)
        texto = texto.substr(0, 37) + "...";
    return " Se ha dado " + texto + ".";
}

std::string Rango(int minimo, int maximo) {
    return FormatearEntero(minimo) + " a " + FormatearEntero(maximo);
}

} // namespace

void Fallar(std::string mensaje, std::string campo) {
    throw ErrorLinea(ErrorCalculo{std::move(mensaje), std::move(campo)});
}

Contexto::Contexto(const Json& entrada, std::string calculo)
    : entrada_(entrada), calculo_(std::move(calculo)) {
    InicializarTablas(Estado);
    if (const auto r = entrada_.find("ranuras"); r != entrada_.end())
        AplicarRanuras(Estado, *r);
    LeerCabeceraInforme();
}

std::string Contexto::Nombre(std::string_view ventana, std::string_view control) const {
    std::string nombre = "«" + std::string(control) + "»";
    if (!ventana.empty())
        nombre += " de «" + std::string(ventana) + "»";
    return nombre;
}

bool Contexto::Presente(std::string_view ventana) const {
    return entrada_.contains(ventana);
}

bool Contexto::Presente(std::string_view ventana, std::string_view control) const {
    const auto w = entrada_.find(ventana);
    return w != entrada_.end() && w->is_object() && w->contains(control);
}

bool Contexto::RanuraDada(int k) const {
    const auto r = entrada_.find("ranuras");
    return r != entrada_.end() && r->is_object() && r->contains(std::to_string(k));
}

void Contexto::AbrirVentana(std::string_view ventana) {
    ventanasLeidas_.emplace(ventana);
    const auto w = entrada_.find(ventana);
    if (w != entrada_.end() && !w->is_object())
        Fallar("«" + std::string(ventana) +
                   "» debe ser un objeto con los controles de la ventana: {\"Control\": valor}." +
                   Recibido(*w),
               std::string(ventana));
}

const Json* Contexto::Buscar(std::string_view ventana, std::string_view control) {
    controlesLeidos_.emplace(std::string(ventana), std::string(control));
    if (ventana.empty()) {
        const auto v = entrada_.find(control);
        return v == entrada_.end() ? nullptr : &*v;
    }
    AbrirVentana(ventana);
    const auto w = entrada_.find(ventana);
    if (w == entrada_.end())
        return nullptr;
    const auto v = w->find(control);
    return v == w->end() ? nullptr : &*v;
}

void Contexto::AnotarLectura(std::string_view ventana, std::string_view control, TipoControl tipo,
                             Json defecto, int minimo, int maximo) {
    if (!registro_)
        return;
    for (const ControlLeido& c : *registro_)
        if (c.ventana == ventana && c.control == control)
            return;
    registro_->push_back(
        {std::string(ventana), std::string(control), tipo, std::move(defecto), minimo, maximo});
}

std::string Contexto::Texto(std::string_view ventana, std::string_view control,
                            std::string_view defecto) {
    AnotarLectura(ventana, control, TipoControl::Texto, std::string(defecto));
    const Json* v = Buscar(ventana, control);
    if (v && !v->is_string())
        Fallar(Nombre(ventana, control) +
                   " es un cuadro de texto: dé su contenido entre comillas, p. ej. \"0.40\"." +
                   Recibido(*v),
               std::string(control));
    std::string texto = v ? v->get<std::string>() : std::string(defecto);
    Anotar(ventana, control, TipoControl::Texto, texto);
    return texto;
}

int Contexto::Entero(std::string_view ventana, std::string_view control, int defecto, int minimo,
                     int maximo) {
    AnotarLectura(ventana, control, TipoControl::Entero, defecto, minimo, maximo);
    const Json* v = Buscar(ventana, control);
    if (v &&
        (!v->is_number_integer() || v->get<long long>() < minimo || v->get<long long>() > maximo))
        Fallar(Nombre(ventana, control) + " es un número entero de " + Rango(minimo, maximo) + "." +
                   Recibido(*v),
               std::string(control));
    const int valor = v ? static_cast<int>(v->get<long long>()) : defecto;
    Anotar(ventana, control, TipoControl::Entero, FormatearEntero(valor), valor);
    return valor;
}

int Contexto::Indice(std::string_view ventana, std::string_view control, int defecto,
                     int elementos) {
    AnotarLectura(ventana, control, TipoControl::Indice, defecto, 0, elementos - 1);
    const Json* v = Buscar(ventana, control);
    if (v &&
        (!v->is_number_integer() || v->get<long long>() < 0 || v->get<long long>() >= elementos))
        Fallar(Nombre(ventana, control) +
                   " es un grupo de opciones: dé el índice de la opción elegida, un entero de " +
                   Rango(0, elementos - 1) + "." + Recibido(*v),
               std::string(control));
    const int valor = v ? static_cast<int>(v->get<long long>()) : defecto;
    Anotar(ventana, control, TipoControl::Indice, FormatearEntero(valor), valor);
    return valor;
}

bool Contexto::Casilla(std::string_view ventana, std::string_view control, bool defecto) {
    AnotarLectura(ventana, control, TipoControl::Casilla, defecto);
    const Json* v = Buscar(ventana, control);
    if (v && !v->is_boolean())
        Fallar(Nombre(ventana, control) + " es una casilla: dé true o false." + Recibido(*v),
               std::string(control));
    const bool valor = v ? v->get<bool>() : defecto;
    Anotar(ventana, control, TipoControl::Casilla, valor ? "sí" : "no", valor ? 1 : 0);
    return valor;
}

EleccionParametros Contexto::ConfirmarParametros() {
    EleccionParametros p;
    p.norma = NormaDelIndice(Indice(Parametros, "GrupoNorma", IndiceNorma(p.norma), 2))
                  .value_or(Norma::EHE98);
    p.CoeficienteAlfaCC = Texto(Parametros, "CoeficienteAlfaCC", p.CoeficienteAlfaCC);
    p.DesignacionAcero = Indice(Parametros, "GrupoDesignacionAcero", p.DesignacionAcero, 2);
    p.ControlAcero = Indice(Parametros, "GrupoControlAcero", p.ControlAcero, 2);
    p.ResistenciaCaracteristica =
        Texto(Parametros, "ResistenciaCaracteristica", p.ResistenciaCaracteristica);
    p.ControlHormigon = Indice(Parametros, "GrupoControlHormigon", p.ControlHormigon, 2);
    p.SituacionProyecto = Indice(Parametros, "GrupoSituacionProyecto", p.SituacionProyecto, 2);
    const int indiceTipo =
        Indice(Parametros, "GrupoTipoElemento", IndiceElemento(p.TipoElemento), 5);
    AplicarTipoElemento(p, ElementoDelIndice(indiceTipo).value_or(TipoDeElemento::Viga));

    // Una casilla inhabilitada no se puede marcar: pedirla marcada sería pedir algo que el OK
    // no aplica (Viga y Placa no llevan armadura simétrica ni hormigonado vertical).
    const std::string tipo(
        OpcionesTipoElemento.at(static_cast<std::size_t>(IndiceElemento(p.TipoElemento))));
    const auto casilla = [&](const char* nombre, bool habilitada, bool& marcada) {
        const bool valor = Casilla(Parametros, nombre, marcada);
        if (valor && !habilitada && Buscar(Parametros, nombre))
            Fallar("La casilla «" + std::string(nombre) +
                       "» está inhabilitada con el tipo de elemento «" + tipo +
                       "»: sólo se aplica a «Soporte», «Muro Horiz.» y «Muro Vert.».",
                   nombre);
        marcada = valor;
        // La memoria no da por marcada una casilla que el OK no aplica.
        for (LecturaInforme& l : lecturas_)
            if (!habilitada && l.ventana == Parametros && l.control == nombre)
                l = {l.ventana, l.control, TipoControl::Texto, "no se aplica a " + tipo};
    };
    casilla("ArmaduraSimetrica", p.ArmaduraSimetricaHabilitada, p.ArmaduraSimetricaMarcada);
    casilla("HormigonadoVertical", p.HormigonadoVerticalHabilitado, p.HormigonadoVerticalMarcado);

    AjustarLecturasNorma(p);
    FijarNorma(p.norma);
    Exigir(DerivarMateriales(Estado, p));
    // Con control reducido la resistencia escrita no se usa (fck = 10·γc).
    if (ControlReducidoHormigon(p))
        NoUsado(Parametros, "ResistenciaCaracteristica");
    // La memoria vuelve a derivar los materiales con una traza: sus pasos son los del cálculo.
    Informar("Parámetros generales", [&] {
        Traza traza;
        EstadoDiseno copia = Estado;
        (void)DerivarMateriales(copia, p, &traza);
        return traza;
    });
    return p;
}

void Contexto::AjustarLecturasNorma(const EleccionParametros& p) {
    // La memoria dice lo que se usó: αcc sólo en el Código Estructural, que no tiene
    // hormigonado vertical y llama «Intenso» al segundo nivel de control.
    for (auto l = lecturas_.begin(); l != lecturas_.end();) {
        if (l->ventana != Parametros) {
            ++l;
            continue;
        }
        if (p.norma == Norma::EHE98 && l->control == "CoeficienteAlfaCC") {
            l = lecturas_.erase(l);
            continue;
        }
        if (p.norma == Norma::CodigoEstructural) {
            if (l->control == "HormigonadoVertical")
                *l = {l->ventana, l->control, TipoControl::Texto,
                      "no se aplica en el Código Estructural"};
            const bool control =
                l->control == "GrupoControlAcero" || l->control == "GrupoControlHormigon";
            if (control && l->tipo == TipoControl::Indice) {
                const int i =
                    l->control == "GrupoControlAcero" ? p.ControlAcero : p.ControlHormigon;
                *l = {l->ventana, l->control, TipoControl::Texto,
                      std::string(OpcionesNivelControlCE.at(i == 1 ? 1 : 0))};
            }
        }
        ++l;
    }
}

void Contexto::Poner(std::string_view ventana, std::string_view control, Json valor) {
    if (ventana.empty())
        salida_[std::string(control)] = std::move(valor);
    else
        salida_[std::string(ventana)][std::string(control)] = std::move(valor);
}

void Contexto::ComprobarLeidos() const {
    for (const auto& [clave, valor] : entrada_.items()) {
        if (clave == "calculo" || clave == "ranuras")
            continue;
        if (ventanasLeidas_.contains(clave) && valor.is_object()) {
            for (const auto& [control, _] : valor.items())
                if (!controlesLeidos_.contains(std::pair{clave, control}))
                    Fallar("El control «" + control + "» no existe en la ventana «" + clave +
                               "» o no interviene en el cálculo «" + calculo_ + "».",
                           control);
        } else if (!controlesLeidos_.contains(std::pair{std::string(), clave})) {
            Fallar("«" + clave + "» no interviene en el cálculo «" + calculo_ + "».", clave);
        }
    }
}

} // namespace velmora
