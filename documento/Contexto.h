#pragma once
// Lo que un cálculo de velmora-calc tiene a mano: la línea de entrada, un estado de diseño recién
// arrancado (tablas llenas y ranuras de la entrada aplicadas) y la salida que va llenando.
//
// Los controles se leen por el nombre de objeto de su ventana y el suyo, con el valor que tienen
// al arrancar el programa cuando la entrada no los da. Con `ventana` vacía se lee una clave del
// nivel superior de la línea (p. ej. "IndiceArmadura"). Un valor de tipo equivocado, fuera del
// intervalo de las opciones o un error de un cálculo lanza ErrorLinea, que ProcesarLinea
// convierte en la respuesta de error de la línea; la tanda sigue con la línea siguiente.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"
#include "documento/Catalogo.h"
#include "report/Informe.h"

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// Un control leído por un cálculo: su ventana ("" para una clave del nivel superior), su nombre,
// su clase, su valor de arranque y, para Indice y Entero, los valores admitidos (minimo..maximo).
struct ControlLeido {
    std::string ventana;
    std::string control;
    TipoControl tipo = TipoControl::Texto;
    Json defecto;
    int minimo = 0;
    int maximo = 0;
};

// Un control leído, para la tabla de datos de la memoria: su texto tal como se leyó o, en un
// grupo de opciones o una casilla, el índice elegido (una casilla: 1 marcada, 0 sin marcar).
struct LecturaInforme {
    std::string ventana;
    std::string control;
    TipoControl tipo = TipoControl::Texto;
    std::string texto;
    int indice = 0;
};

// Error de una línea: mensaje en español y control al que se refiere.
class ErrorLinea : public std::runtime_error {
public:
    explicit ErrorLinea(ErrorCalculo error)
        : std::runtime_error(error.mensaje), error_(std::move(error)) {}
    const ErrorCalculo& error() const { return error_; }

private:
    ErrorCalculo error_;
};

[[noreturn]] void Fallar(std::string mensaje, std::string campo = {});

// El valor de un resultado de la biblioteca de cálculo, o su error como ErrorLinea.
template <typename T> T Exigir(Resultado<T> r) {
    if (!r)
        throw ErrorLinea(r.error());
    return std::move(r.valor());
}

class Contexto {
public:
    Contexto(const Json& entrada, std::string calculo);

    EstadoDiseno Estado;

    // Control de texto (cuadro de edición, cuadro combinado editable): una cadena JSON.
    std::string Texto(std::string_view ventana, std::string_view control, std::string_view defecto);
    // Grupo de opciones: el índice (entero) de la opción elegida, de 0 a elementos − 1.
    int Indice(std::string_view ventana, std::string_view control, int defecto, int elementos);
    // Control de número entero (p. ej. un contador): un entero de minimo a maximo.
    int Entero(std::string_view ventana, std::string_view control, int defecto, int minimo,
               int maximo);
    // Casilla: true o false.
    bool Casilla(std::string_view ventana, std::string_view control, bool defecto);
    // Valor JSON de una clave del nivel superior (p. ej. una lista), que cuenta como leída;
    // nullptr si la entrada no la trae.
    const Json* Clave(std::string_view clave) {
        AnotarLectura({}, clave, TipoControl::Valor, nullptr);
        return Buscar({}, clave);
    }
    // La ventana interviene en el cálculo aunque no se lea ninguno de sus controles (una
    // ventana vacía, {}, no es un nombre mal escrito); debe ser un objeto si se da.
    void AbrirVentana(std::string_view ventana);
    // La entrada trae la ventana (o la clave de nivel superior); no cuenta como leída.
    bool Presente(std::string_view ventana) const;
    // La entrada da ese control de esa ventana; no cuenta como leído.
    bool Presente(std::string_view ventana, std::string_view control) const;
    // "ranuras" de la entrada da la ranura k.
    bool RanuraDada(int k) const;

    // Confirma los parámetros generales como su botón OK, con los controles de
    // "ParametrosGenerales" de la entrada o sus valores de arranque: elegir GrupoTipoElemento
    // aplica su regla a las dos casillas antes de los valores explícitos de éstas. Deja los
    // materiales en Estado y devuelve las elecciones (tipo de elemento, acero, ...), que
    // algunos cálculos leen directamente.
    EleccionParametros ConfirmarParametros();

    // Norma con la que calcula la línea (la memoria la nombra en su cabecera). La fija
    // ConfirmarParametros; un cálculo que sigue siempre una norma la fija él mismo.
    void FijarNorma(Norma n) { norma_ = n; }
    Norma NormaDeLaLinea() const { return norma_; }

    // Escribe en la salida el rótulo (u otro valor) de un control, bajo su ventana; con
    // `ventana` vacía, como clave del nivel superior de la respuesta.
    void Poner(std::string_view ventana, std::string_view control, Json valor);

    // Memoria de cálculo ("informe": "html" en la línea). Las trazas y los dibujos sólo se
    // hacen si se pide: un cálculo por lotes no paga su texto.
    bool InformePedido() const { return informe_; }
    void Informar(std::string titulo, const std::function<Traza()>& traza);
    // El control se leyó pero el cálculo no lo usa con estas elecciones (hf de una sección
    // rectangular, fck con control reducido): la tabla de datos de la memoria no lo lista.
    void NoUsado(std::string_view ventana, std::string_view control);
    // El rótulo se escribe (la ventana lo muestra) pero el cálculo no lo usa con estas
    // elecciones (las barras de una posición de anclaje sin marcar): la tabla de resultados de la
    // memoria no lo lista.
    void RotuloNoUsado(std::string_view ventana, std::string_view control);
    void Dibujar(std::string pie, const std::function<std::string()>& svg);
    // El capítulo de la memoria de esta línea: los datos leídos con su texto, los parámetros
    // generales si se confirmaron, las trazas, los rótulos escritos y los dibujos.
    CapituloInforme Capitulo() const;
    // Datos del proyecto de la línea ("proyecto": {"proyecto": ..., "elemento": ..., "autor":
    // ...}).
    const DatosProyecto& Proyecto() const { return proyecto_; }

    const std::string& NombreCalculo() const { return calculo_; }
    const Json& Salida() const { return salida_; }

    // Falla si la entrada trae ventanas o controles que el cálculo no ha leído: un nombre mal
    // escrito no debe pasar en silencio con el valor de arranque.
    void ComprobarLeidos() const;

    // Anota en `registro` cada control que se lea desde ahora (una vez cada uno, en el orden de
    // lectura); los proyectos lo usan para saber qué guarda cada cálculo.
    void Registrar(std::vector<ControlLeido>* registro) { registro_ = registro; }

private:
    // Para los proyectos: el control leído, su clase y su valor de arranque.
    void AnotarLectura(std::string_view ventana, std::string_view control, TipoControl tipo,
                       Json defecto, int minimo = 0, int maximo = 0);

    const Json* Buscar(std::string_view ventana, std::string_view control);
    // Los datos de los parámetros generales que la norma elegida no usa o llama de otro modo.
    void AjustarLecturasNorma(const EleccionParametros& p);
    // Para la memoria: el dato tal como se leyó, dado en la línea o con su valor de arranque.
    void Anotar(std::string_view ventana, std::string_view control, TipoControl tipo,
                std::string texto, int indice = 0);
    std::vector<DatoInforme> DatosInforme() const;
    void LeerCabeceraInforme();
    std::string Nombre(std::string_view ventana, std::string_view control) const;

    const Json& entrada_;
    std::string calculo_;
    Json salida_ = Json::object();
    std::set<std::string, std::less<>> ventanasLeidas_;
    std::set<std::pair<std::string, std::string>, std::less<>> controlesLeidos_;
    bool informe_ = false;
    DatosProyecto proyecto_;
    Norma norma_ = Norma::EHE98;
    std::vector<LecturaInforme> lecturas_;
    std::set<std::pair<std::string, std::string>, std::less<>> rotulosNoUsados_;
    std::vector<ApartadoInforme> apartados_;
    std::vector<DibujoInforme> dibujos_;
    std::vector<ControlLeido>* registro_ = nullptr;
};

// Aplica "ranuras" de la entrada: {"1": [[3, 16]], "2": [[2, 12], [1, 10]]}, de 1 a 3 grupos
// [número de barras, diámetro en mm] por ranura "0" a "4". Las ranuras y grupos que no se dan
// conservan sus valores de arranque.
void AplicarRanuras(EstadoDiseno& e, const Json& ranuras);

// Todos los valores del estado de diseño por su nombre, tablas y ranuras incluidas. TablaEs (por
// IndiceEs 1..3) y los grupos de cada ranura (NumeroBarras y DiametroBarras, numerados desde 1)
// se escriben como objetos con ese número por clave.
Json VolcarEstado(const EstadoDiseno& e);

} // namespace velmora
