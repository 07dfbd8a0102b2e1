#pragma once
// Proyectos: el menú «Archivo» (Nuevo, Abrir, Guardar, Guardar como, Recientes, Salir), el
// título de la ventana principal con el nombre del proyecto y la marca de cambios sin guardar,
// y la pregunta de guardar antes de perderlos. El formato del fichero está en documento/Proyecto.h.

#include "common/Resultado.h"
#include "documento/Proyecto.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <set>
#include <vector>

class QAction;
class QMenu;
class QByteArray;

namespace velmora {

struct Aplicacion;

// Escribe `datos` en `ruta` de una vez (QSaveFile): o queda el fichero nuevo entero o el
// anterior intacto. `antesDeConfirmar` se llama con el temporario ya escrito; si devuelve false
// la escritura se abandona como si se cortara ahí. El error lleva la ruta y la causa.
[[nodiscard]] Estado EscribirFicheroSeguro(const QString& ruta, const QByteArray& datos,
                                           const std::function<bool()>& antesDeConfirmar = {});

class TProyectos : public QObject {
    Q_OBJECT
public:
    // Añade el menú «Archivo» a la ventana principal; todas las ventanas deben existir ya.
    explicit TProyectos(Aplicacion& app);

    // Proyecto nuevo: todas las ventanas como al arrancar, sin nombre.
    void Nuevo();
    // Abre el proyecto (sin preguntar por los cambios). Si no se puede, avisa con la ruta y la
    // causa, las ventanas se quedan como estaban y devuelve false.
    bool AbrirFichero(const QString& ruta);
    // Guarda en `ruta`, que pasa a ser la del proyecto. Avisa y devuelve false si no se puede.
    bool GuardarEn(const QString& ruta);
    // «Guardar»: en su fichero, o pide uno si el proyecto no tiene nombre.
    bool Guardar();
    bool GuardarComo();
    // Con cambios sin guardar, pregunta «¿Guardar los cambios en NOMBRE?» (Guardar / Descartar /
    // Cancelar). Devuelve si se puede seguir (cerrar, empezar otro o abrir otro).
    bool PuedeContinuar();

    // Datos del proyecto (encabezan la memoria); cambiarlos es un cambio del proyecto.
    [[nodiscard]] DatosProyecto Datos() const { return LeerDatosProyecto(datos_); }
    void FijarDatos(const DatosProyecto& datos);

    // Texto del proyecto tal como se guardaría ahora.
    [[nodiscard]] std::string Texto();
    bool Modificado() const { return modificado_; }
    const QString& Ruta() const { return ruta_; }
    // Nombre que ven el título y la pregunta: el del fichero, o «Sin título».
    QString Nombre() const;
    // Proyectos abiertos o guardados hace poco, el más reciente primero (QSettings).
    static QStringList Recientes();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearMenu();
    void VigilarCambios();
    void ProgramarComprobacion();
    void ComprobarCambios();
    void ActualizarTitulo();
    void TomarComoGuardado();
    void AnotarReciente(const QString& ruta);
    void MostrarRecientes();
    void AbrirReciente(const QString& ruta);
    void AbrirClick();
    void Empezar();
    void ConfirmarParametros();
    // Pone el proyecto en las ventanas; devuelve el aviso de las líneas que las ventanas no
    // pueden mostrar a la vez (vacío si no hay ninguna).
    QString Cargar(const Proyecto& proyecto);
    QString AvisoDeLineas(const Proyecto& proyecto, const std::vector<std::size_t>& aplicadas);
    [[nodiscard]] std::string Instantanea();

    // Una línea del proyecto en su orden: la que vino del fichero y las entradas que puso en las
    // ventanas, con la línea que éstas escribían para cada una al abrirlo. Mientras sus ventanas
    // escriban lo mismo, la línea se guarda tal como vino; si no, desde sus ventanas. Una línea
    // sin entradas (la segunda de una misma ventana, un cálculo sin ventana) se guarda tal cual.
    struct Renglon {
        std::vector<std::string> entradas;
        Json literal;
        std::vector<std::string> cargadas;
    };

    Aplicacion& app_;
    QMenu* recientes_ = nullptr;
    QString ruta_;
    Json datos_ = Json::object();
    std::vector<Renglon> orden_;
    std::set<std::string> usadas_; // entradas de proyecto usadas: cálculo + ventana
    std::string guardado_;         // instantánea de los controles al abrir o guardar
    bool modificado_ = false;
    bool comprobacionPendiente_ = false;
};

} // namespace velmora
