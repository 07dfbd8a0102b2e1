#include "app/LineasVentanas.h"

#include "app/Aplicacion.h"
#include "app/VentanaPrincipal.h"
#include "common/Campos.h"
#include "common/ConArmaduras.h"
#include "common/GrupoOpciones.h"
#include "design/ParametrosGenerales.h"
#include "design/Ranuras.h"
#include "documento/Catalogo.h"
#include "documento/Proyecto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>
#include <map>
#include <span>

namespace velmora {

namespace {

// Las ranuras que aceptan los botones de armadura de las ventanas del cálculo `calculo`.
std::span<const RanuraCatalogo> RanurasDe(const std::string& calculo) {
    const auto e = Catalogo().find(calculo);
    return e != Catalogo().end() ? std::span(e->second.ranuras) : std::span<const RanuraCatalogo>();
}

QWidget* Ventana(Aplicacion& app, const std::string& nombre) {
    return app.VentanaPrincipal->findChild<QWidget*>(Q(nombre), Qt::FindDirectChildrenOnly);
}

QWidget* Control(Aplicacion& app, const ControlLeido& c) {
    QWidget* ventana = Ventana(app, c.ventana);
    return ventana ? ventana->findChild<QWidget*>(Q(c.control)) : nullptr;
}

void FijarArmadura(Aplicacion& app, const RanuraCatalogo& r, bool definida) {
    if (auto* ventana = dynamic_cast<ConArmaduras*>(Ventana(app, std::string(r.ventana))))
        ventana->FijarArmadura(r.ranura, definida);
}

// Valor de un control en la línea, según su clase; nada si el control no es de esa clase.
std::optional<Json> ValorDe(Aplicacion& app, const ControlLeido& c) {
    if (c.ventana.empty())
        return c.control == "IndiceArmadura" ? std::optional<Json>(app.Estado.IndiceArmadura)
                                             : std::nullopt;
    QWidget* w = Control(app, c);
    switch (c.tipo) {
    case TipoControl::Texto:
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
            return S(TextoDe(w));
        break;
    case TipoControl::Indice:
        if (auto* g = qobject_cast<GrupoOpciones*>(w); g && g->itemIndex() >= 0)
            return g->itemIndex();
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->currentIndex() >= 0)
            return combo->currentIndex();
        break;
    case TipoControl::Entero:
        if (auto* s = qobject_cast<QSpinBox*>(w))
            return s->value();
        break;
    case TipoControl::Valor: // no es un control de una ventana
        break;
    case TipoControl::Casilla:
        // Una casilla de los parámetros inhabilitada por el tipo de elemento no se puede pedir
        // marcada (el OK no la aplica): se deja con su valor de arranque, que es la marca.
        if (auto* casilla = qobject_cast<QCheckBox*>(w);
            casilla &&
            !(c.ventana == "ParametrosGenerales" && !casilla->isEnabled() && casilla->isChecked()))
            return casilla->isChecked();
        break;
    }
    return std::nullopt;
}

void PonerTexto(QWidget* w, const QString& texto) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(texto);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // Como elegirlo de la lista si está en ella; si no, como teclearlo.
        if (const int i = combo->findText(texto); i >= 0)
            combo->setCurrentIndex(i);
        if (combo->isEditable())
            combo->setEditText(texto);
    }
}

// Pone el valor como lo haría el usuario: los grupos y las casillas avisan a su ventana como
// con un clic, aunque estén inhabilitados.
void PonerValor(Aplicacion& app, const ControlLeido& c, const Json& valor) {
    if (c.ventana.empty()) {
        if (c.control == "IndiceArmadura" && valor.is_number_integer())
            app.Estado.IndiceArmadura = valor.get<int>();
        return;
    }
    QWidget* w = Control(app, c);
    if (!w)
        return;
    if (c.tipo == TipoControl::Texto && valor.is_string()) {
        PonerTexto(w, Q(valor.get<std::string>()));
    } else if (valor.is_number_integer()) {
        const int i = valor.get<int>();
        if (auto* g = qobject_cast<GrupoOpciones*>(w)) {
            g->setItemIndex(i);
            emit g->IndiceElegido(i);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            combo->setCurrentIndex(i);
        } else if (auto* s = qobject_cast<QSpinBox*>(w)) {
            s->setValue(i);
        }
    } else if (auto* casilla = qobject_cast<QCheckBox*>(w); casilla && valor.is_boolean()) {
        casilla->setChecked(valor.get<bool>());
        emit casilla->clicked(valor.get<bool>());
    }
}

Json Ranura(const EstadoDiseno& e, int k) {
    Json grupos = Json::array();
    for (const GrupoBarras& g : GruposEnUso(e, k))
        grupos.push_back(Json::array({g.Numero, g.Diametro}));
    return grupos;
}

// Lo que se sondea para saber los controles de una entrada: su ventana y, si el cálculo lee
// la sección sin ser su ventana de datos (el momento de agotamiento), la última abierta.
Json Sonda(const Aplicacion& app, const EntradaProyecto& e) {
    Json sonda = {{S(e.ventana), Json::object()}};
    if (e.ventana != QLatin1String("DatosSeccion") && e.ventana != QLatin1String("DatosSeccionT"))
        sonda[app.Estado.SeccionRectangular ? "DatosSeccion" : "DatosSeccionT"] = Json::object();
    // Con el Código Estructural un cálculo lee también sus controles propios (la duración de la
    // carga y φ de las flechas).
    if (app.ParametrosGenerales->Eleccion().norma == Norma::CodigoEstructural)
        sonda["ParametrosGenerales"]["GrupoNorma"] = static_cast<int>(Norma::CodigoEstructural);
    return sonda;
}

// Los controles de una entrada no cambian durante la sesión: se sondean una vez.
const std::vector<ControlLeido>& ControlesDeEntrada(const Aplicacion& app,
                                                    const EntradaProyecto& e) {
    static std::map<std::string, std::vector<ControlLeido>> memoria;
    const Json sonda = Sonda(app, e);
    const std::string clave = e.calculo + sonda.dump();
    auto it = memoria.find(clave);
    if (it == memoria.end())
        it = memoria.emplace(clave, ControlesDelCalculo(e.calculo, sonda)).first;
    return it->second;
}

} // namespace

const std::vector<EntradaProyecto>& EntradasProyecto() {
    static const std::vector<EntradaProyecto> entradas = [] {
        std::vector<EntradaProyecto> lista;
        for (const EntradaCatalogo* e : CatalogoEnOrden())
            for (const std::string_view ventana : e->ventanasDatos)
                lista.push_back({e->nombre, Q(std::string(ventana))});
        return lista;
    }();
    return entradas;
}

Json LineaDeEntrada(Aplicacion& app, const EntradaProyecto& entrada) {
    Json linea = {{"calculo", entrada.calculo}};
    for (const ControlLeido& c : ControlesDeEntrada(app, entrada)) {
        const auto valor = ValorDe(app, c);
        if (!valor)
            continue;
        if (c.ventana.empty())
            linea[c.control] = *valor;
        else
            linea[c.ventana][c.control] = *valor;
    }
    Json ranuras = Json::object();
    for (int k = 0; k < NumeroRanuras && entrada.calculo == "area"; ++k)
        ranuras[std::to_string(k)] = Ranura(app.Estado, k);
    for (const RanuraCatalogo& r : RanurasDe(entrada.calculo)) {
        const QWidget* ventana = Ventana(app, std::string(r.ventana));
        const QWidget* boton =
            ventana ? ventana->findChild<QWidget*>(Q(std::string(r.boton))) : nullptr;
        if (boton && TextoDe(boton) != Q(std::string(r.sinDefinir)))
            ranuras[std::to_string(r.ranura)] = Ranura(app.Estado, r.ranura);
    }
    if (!ranuras.empty())
        linea["ranuras"] = ranuras;
    return linea;
}

std::optional<Json> LineaDeVentana(Aplicacion& app, const QString& ventana) {
    const std::string nombre = S(ventana);
    const auto es = [&](const std::vector<std::string_view>& ventanas) {
        return std::find(ventanas.begin(), ventanas.end(), nombre) != ventanas.end();
    };
    for (const EntradaCatalogo* e : CatalogoEnOrden()) {
        if (e->ventanasDatos.empty())
            continue;
        std::string_view datos;
        if (es(e->ventanasDatos))
            datos = nombre;
        else if (es(e->ventanasResultados)) // de la sección, la forma calculada la última vez
            datos = e->ventanasDatos.size() > 1 && !app.Estado.SeccionRectangular
                        ? e->ventanasDatos[1]
                        : e->ventanasDatos[0];
        else
            continue;
        return LineaDeEntrada(app, {e->nombre, Q(std::string(datos))});
    }
    return std::nullopt;
}

std::vector<EntradaProyecto> EntradasDeLinea(const Json& linea) {
    std::vector<EntradaProyecto> entradas;
    const std::string calculo = linea.value("calculo", std::string());
    for (const EntradaProyecto& e : EntradasProyecto()) {
        if (e.calculo != calculo)
            continue;
        // "seccion" sin ninguna de las dos ventanas es la sección rectangular.
        const bool esSeccion = e.ventana.startsWith(QLatin1String("DatosSeccion"));
        const bool ninguna = !linea.contains("DatosSeccion") && !linea.contains("DatosSeccionT");
        if (calculo != "seccion" || !esSeccion || linea.contains(S(e.ventana)) ||
            (ninguna && e.ventana == QLatin1String("DatosSeccion")))
            entradas.push_back(e);
    }
    return entradas;
}

void AplicarLinea(Aplicacion& app, const Json& linea) {
    const std::string calculo = linea.value("calculo", std::string());
    if (linea.contains("DatosSeccionT"))
        app.Estado.SeccionRectangular = false;
    else if (linea.contains("DatosSeccion"))
        app.Estado.SeccionRectangular = true;
    for (const ControlLeido& c : ControlesDelCalculo(calculo, linea)) {
        const Json* valor = nullptr;
        if (c.ventana.empty()) {
            if (const auto v = linea.find(c.control); v != linea.end())
                valor = &*v;
        } else if (const auto w = linea.find(c.ventana);
                   w != linea.end() && w->contains(c.control)) {
            valor = &(*w)[c.control];
        }
        if (valor)
            PonerValor(app, c, *valor);
    }
    const Json ranuras = linea.value("ranuras", Json::object());
    for (const RanuraCatalogo& r : RanurasDe(calculo))
        FijarArmadura(app, r, ranuras.contains(std::to_string(r.ranura)));
}

namespace {

// El valor de un control en una línea, o nada si no lo da.
const Json* ValorEnLinea(const Json& linea, const ControlLeido& c) {
    if (c.ventana.empty()) {
        const auto v = linea.find(c.control);
        return v != linea.end() ? &*v : nullptr;
    }
    const auto w = linea.find(c.ventana);
    if (w == linea.end() || !w->is_object())
        return nullptr;
    const auto v = w->find(c.control);
    return v != w->end() ? &*v : nullptr;
}

} // namespace

std::vector<std::string> PartesDistintas(const Json& linea, const Json& mostrada) {
    std::vector<std::string> partes;
    const auto anotar = [&](const std::string& parte) {
        if (std::find(partes.begin(), partes.end(), parte) == partes.end())
            partes.push_back(parte);
    };
    for (const ControlLeido& c :
         ControlesDelCalculo(linea.value("calculo", std::string()), linea)) {
        const Json* pedido = ValorEnLinea(linea, c);
        const Json* visto = ValorEnLinea(mostrada, c);
        if ((visto ? *visto : c.defecto) != (pedido ? *pedido : c.defecto))
            anotar(c.ventana.empty() ? c.control : c.ventana);
    }
    const Json ranuras = linea.value("ranuras", Json::object());
    const Json vistas = mostrada.value("ranuras", Json::object());
    for (const auto& [k, grupos] : ranuras.items())
        if (!vistas.contains(k) || vistas[k] != grupos)
            anotar("ranuras/" + k);
    return partes;
}

void ValoresDeArranque(Aplicacion& app) {
    for (const EntradaProyecto& e : EntradasProyecto())
        for (const ControlLeido& c : ControlesDeEntrada(app, e))
            PonerValor(app, c, c.defecto);
    for (const auto& [_, entrada] : Catalogo())
        for (const RanuraCatalogo& r : entrada.ranuras)
            FijarArmadura(app, r, false);
}

} // namespace velmora
