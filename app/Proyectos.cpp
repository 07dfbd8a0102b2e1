#include "app/Proyectos.h"

#include "app/Aplicacion.h"
#include "app/LineasVentanas.h"
#include "app/VentanaPrincipal.h"
#include "common/Avisar.h"
#include "common/Campos.h"
#include "common/DialogoGuardar.h"
#include "common/GrupoOpciones.h"
#include "design/ParametrosGenerales.h"
#include "documento/Lote.h"
#include "documento/Proyecto.h"
#include "report/DialogoDatosProyecto.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>

#include <map>

namespace velmora {

namespace {

constexpr int MaximoRecientes = 8;
// Un proyecto de verdad ocupa unos pocos kB; más de esto no se intenta leer.
constexpr qint64 TamanoMaximo = 16 * 1024 * 1024;

std::string Clave(const EntradaProyecto& e) {
    return e.calculo + '/' + S(e.ventana);
}

QSettings Ajustes() {
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
}

void GuardarRecientes(const QStringList& lista) {
    Ajustes().setValue(QStringLiteral("Recientes"), lista);
}

QString Nativa(const QString& ruta) {
    return QDir::toNativeSeparators(ruta);
}

} // namespace

Estado EscribirFicheroSeguro(const QString& ruta, const QByteArray& datos,
                             const std::function<bool()>& antesDeConfirmar) {
    const auto error = [&](const QString& causa) {
        return Estado::Error(S(QStringLiteral("No se ha podido guardar el proyecto en «%1»: %2.")
                                   .arg(Nativa(ruta), causa)));
    };
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly))
        return error(fichero.errorString());
    if (fichero.write(datos) != datos.size()) {
        const QString causa = fichero.errorString();
        fichero.cancelWriting();
        return error(causa);
    }
    if (antesDeConfirmar && !antesDeConfirmar()) {
        fichero.cancelWriting();
        return error(QStringLiteral("la escritura se ha interrumpido"));
    }
    if (!fichero.commit())
        return error(fichero.errorString());
    return Correcto();
}

TProyectos::TProyectos(Aplicacion& app) : QObject(app.VentanaPrincipal), app_(app) {
    setObjectName(QStringLiteral("Proyectos"));
    CrearMenu();
    app.VentanaPrincipal->installEventFilter(this);
    VigilarCambios();
    TomarComoGuardado();
}

void TProyectos::CrearMenu() {
    TVentanaPrincipal* principal = app_.VentanaPrincipal;
    QMenuBar* barra = principal->menuBar();
    auto* archivo = new QMenu(QStringLiteral("Archivo"), principal);
    archivo->setObjectName(QStringLiteral("Archivo"));
    archivo->menuAction()->setObjectName(QStringLiteral("Archivo"));
    barra->insertMenu(barra->actions().value(0), archivo);

    const auto accion = [&](const char* nombre, const QString& texto, const QKeySequence& atajo,
                            const std::function<void()>& hacer) {
        QAction* a = archivo->addAction(texto);
        a->setObjectName(QString::fromLatin1(nombre));
        a->setShortcut(atajo);
        connect(a, &QAction::triggered, this, hacer);
    };
    accion("Nuevo", QStringLiteral("Nuevo"), QKeySequence(QStringLiteral("Ctrl+N")), [this] {
        if (PuedeContinuar())
            Nuevo();
    });
    accion("Abrir", QStringLiteral("Abrir..."), QKeySequence(QStringLiteral("Ctrl+O")),
           [this] { AbrirClick(); });
    accion("Guardar", QStringLiteral("Guardar"), QKeySequence(QStringLiteral("Ctrl+S")),
           [this] { (void)Guardar(); });
    accion("GuardarComo", QStringLiteral("Guardar como..."),
           QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { (void)GuardarComo(); });
    archivo->addSeparator();
    recientes_ = archivo->addMenu(QStringLiteral("Recientes"));
    recientes_->setObjectName(QStringLiteral("Recientes"));
    recientes_->menuAction()->setObjectName(QStringLiteral("Recientes"));
    connect(recientes_, &QMenu::aboutToShow, this, &TProyectos::MostrarRecientes);
    archivo->addSeparator();
    accion("Salir", QStringLiteral("Salir"), QKeySequence(), [principal] { principal->close(); });
}

// Cualquier cambio en un control de una ventana, y cada vez que una ventana se abre o se cierra
// (las ranuras cambian en el selector), se vuelve a mirar si el proyecto tiene cambios.
void TProyectos::VigilarCambios() {
    const auto cambio = [this] { ProgramarComprobacion(); };
    for (QDialog* ventana :
         app_.VentanaPrincipal->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        ventana->installEventFilter(this);
        for (auto* e : ventana->findChildren<QLineEdit*>())
            connect(e, &QLineEdit::textChanged, this, cambio);
        for (auto* c : ventana->findChildren<QComboBox*>())
            connect(c, &QComboBox::currentTextChanged, this, cambio);
        for (auto* g : ventana->findChildren<GrupoOpciones*>())
            connect(g, &GrupoOpciones::IndiceElegido, this, cambio);
        for (auto* c : ventana->findChildren<QCheckBox*>())
            connect(c, &QCheckBox::toggled, this, cambio);
        for (auto* s : ventana->findChildren<QSpinBox*>())
            connect(s, &QSpinBox::valueChanged, this, cambio);
    }
}

bool TProyectos::eventFilter(QObject* objeto, QEvent* evento) {
    // Cerrar el programa con cambios sin guardar pregunta antes.
    if (objeto == app_.VentanaPrincipal && evento->type() == QEvent::Close) {
        if (!PuedeContinuar()) {
            evento->ignore();
            return true;
        }
        return false;
    }
    if (evento->type() == QEvent::Show) {
        for (const EntradaProyecto& e : EntradasProyecto())
            if (e.ventana == objeto->objectName())
                usadas_.insert(Clave(e));
    }
    if (evento->type() == QEvent::Show || evento->type() == QEvent::Hide)
        ProgramarComprobacion();
    return QObject::eventFilter(objeto, evento);
}

void TProyectos::ProgramarComprobacion() {
    if (comprobacionPendiente_)
        return;
    comprobacionPendiente_ = true;
    QTimer::singleShot(0, this, [this] {
        comprobacionPendiente_ = false;
        ComprobarCambios();
    });
}

void TProyectos::ComprobarCambios() {
    modificado_ = Instantanea() != guardado_;
    ActualizarTitulo();
}

// Todos los controles de todas las entradas y las cinco ranuras, usadas o no: abrir una ventana
// sin tocar nada no es un cambio. La sección del momento no cuenta aquí (ya está en "seccion").
std::string TProyectos::Instantanea() {
    std::string texto = datos_.dump() + '\n';
    for (const EntradaProyecto& e : EntradasProyecto()) {
        Json linea = LineaDeEntrada(app_, e);
        for (const char* seccion : {"DatosSeccion", "DatosSeccionT"})
            if (e.ventana != QLatin1String(seccion))
                linea.erase(seccion);
        texto += linea.dump() + '\n';
    }
    return texto;
}

void TProyectos::FijarDatos(const DatosProyecto& datos) {
    EscribirDatosProyecto(datos_, datos);
    ComprobarCambios();
}

void TProyectos::TomarComoGuardado() {
    guardado_ = Instantanea();
    modificado_ = false;
    ActualizarTitulo();
}

QString TProyectos::Nombre() const {
    return ruta_.isEmpty() ? QStringLiteral("Sin título") : QFileInfo(ruta_).fileName();
}

void TProyectos::ActualizarTitulo() {
    TVentanaPrincipal* principal = app_.VentanaPrincipal;
    principal->setWindowTitle(ruta_.isEmpty() ? QStringLiteral("Velmora[*]")
                                              : QStringLiteral("Velmora — %1[*]").arg(Nombre()));
    principal->setWindowModified(modificado_);
}

namespace {

EntradaProyecto EntradaDeClave(const std::string& clave) {
    for (const EntradaProyecto& e : EntradasProyecto())
        if (Clave(e) == clave)
            return e;
    return EntradaProyecto{};
}

} // namespace

std::string TProyectos::Texto() {
    Proyecto p;
    p.datos = datos_;
    std::set<std::string> escritas;
    for (const Renglon& r : orden_) {
        std::vector<Json> actuales;
        bool intacta = !r.literal.is_null();
        for (std::size_t k = 0; k < r.entradas.size(); ++k) {
            actuales.push_back(LineaDeEntrada(app_, EntradaDeClave(r.entradas[k])));
            intacta = intacta && k < r.cargadas.size() && actuales.back().dump() == r.cargadas[k];
        }
        if (intacta) {
            p.lineas.push_back(r.literal);
            escritas.insert(r.entradas.begin(), r.entradas.end());
            continue;
        }
        for (std::size_t k = 0; k < r.entradas.size(); ++k)
            if (usadas_.contains(r.entradas[k]) && escritas.insert(r.entradas[k]).second)
                p.lineas.push_back(actuales[k]);
    }
    for (const EntradaProyecto& e : EntradasProyecto())
        if (usadas_.contains(Clave(e)) && escritas.insert(Clave(e)).second)
            p.lineas.push_back(LineaDeEntrada(app_, e));
    return EscribirProyecto(p);
}

void TProyectos::Empezar() {
    app_.Estado = EstadoDiseno{};
    InicializarTablas(app_.Estado);
    ValoresDeArranque(app_);
    orden_.clear();
    usadas_.clear();
    datos_ = Json::object();
}

// Los parámetros generales quedan confirmados como con su OK (si su resistencia no es un
// número, el estado no cambia y el aviso llegará al confirmarlos) y los cálculos, habilitados.
void TProyectos::ConfirmarParametros() {
    (void)DerivarMateriales(app_.Estado, app_.ParametrosGenerales->Eleccion());
    app_.VentanaPrincipal->Desbloquear();
    app_.VentanaPrincipal->MostrarNorma(
        Q(TextoNormaEnUso(app_.ParametrosGenerales->NormaElegida())));
}

void TProyectos::Nuevo() {
    Empezar();
    ConfirmarParametros();
    ruta_.clear();
    TomarComoGuardado();
}

// Cada línea va a las ventanas de su entrada; la segunda línea de una misma entrada (una tanda
// de varias secciones, p. ej.) y las de cálculos sin ventana se guardan tal como vinieron.
QString TProyectos::Cargar(const Proyecto& proyecto) {
    Empezar();
    datos_ = proyecto.datos;
    // Los datos del proyecto abierto encabezan desde ahora sus memorias de cálculo.
    if (const DatosProyecto d = Datos();
        !d.proyecto.empty() || !d.elemento.empty() || !d.autor.empty())
        GuardarDatosProyecto(d);
    for (const Json& linea : proyecto.lineas)
        if (const auto r = linea.find("ranuras"); r != linea.end())
            AplicarRanuras(app_.Estado, *r);
    std::vector<std::size_t> aplicar;
    for (std::size_t i = 0; i < proyecto.lineas.size(); ++i) {
        Renglon r{{}, proyecto.lineas[i], {}};
        for (const EntradaProyecto& e : EntradasDeLinea(proyecto.lineas[i]))
            if (usadas_.insert(Clave(e)).second)
                r.entradas.push_back(Clave(e));
        if (!r.entradas.empty())
            aplicar.push_back(i);
        orden_.push_back(std::move(r));
    }
    // Los parámetros generales de su propia línea mandan sobre los que repiten las demás.
    std::stable_partition(aplicar.begin(), aplicar.end(), [&](std::size_t i) {
        return proyecto.lineas[i]["calculo"] != "parametros";
    });
    for (const std::size_t i : aplicar)
        AplicarLinea(app_, proyecto.lineas[i]);
    ConfirmarParametros();
    for (Renglon& r : orden_)
        for (const std::string& clave : r.entradas)
            r.cargadas.push_back(LineaDeEntrada(app_, EntradaDeClave(clave)).dump());
    return AvisoDeLineas(proyecto, aplicar);
}

// Las líneas cuyo resultado no es el que darían las ventanas tal como quedan al abrir (cada una
// trae sus propios parámetros generales o sus barras, p. ej.): qué ventana muestra qué línea.
QString TProyectos::AvisoDeLineas(const Proyecto& proyecto,
                                  const std::vector<std::size_t>& aplicadas) {
    const auto renglon = [&](std::size_t i) {
        return i < proyecto.renglones.size() ? proyecto.renglones[i] : i + 1;
    };
    std::map<std::string, std::size_t> duenos; // ventana o ranura → renglón que la muestra
    for (const std::size_t i : aplicadas)
        for (const auto& [clave, valor] : proyecto.lineas[i].items())
            if (valor.is_object() && clave != "ranuras")
                duenos[clave] = renglon(i);
    for (std::size_t i = 0; i < proyecto.lineas.size(); ++i) {
        const Json ranuras = proyecto.lineas[i].value("ranuras", Json::object());
        for (const auto& [k, _] : ranuras.items())
            duenos["ranuras/" + k] = renglon(i);
    }
    const auto nombre = [&](const std::string& parte) {
        if (parte.starts_with("ranuras/"))
            return QStringLiteral("la ranura de armadura %1").arg(Q(parte.substr(8)));
        const QWidget* v = app_.VentanaPrincipal->findChild<QWidget*>(Q(parte));
        return QStringLiteral("«%1»").arg(v && !v->windowTitle().isEmpty() ? v->windowTitle()
                                                                           : Q(parte));
    };
    QStringList lineas;
    for (std::size_t i = 0; i < orden_.size(); ++i) {
        const Renglon& r = orden_[i];
        if (r.entradas.empty())
            continue;
        // Un control distinto que no cambia el resultado (una casilla que el tipo de elemento
        // ya fija, p. ej.) no es motivo de aviso.
        const Json mostrada = LineaDeEntrada(app_, EntradaDeClave(r.entradas.front()));
        const std::vector<std::string> distintas = PartesDistintas(r.literal, mostrada);
        if (distintas.empty() || ProcesarLinea(r.literal.dump()) == ProcesarLinea(mostrada.dump()))
            continue;
        QStringList partes;
        for (const std::string& parte : distintas)
            partes
                << (duenos.contains(parte)
                        ? QStringLiteral("%1 muestra la línea %2")
                              .arg(nombre(parte))
                              .arg(duenos.at(parte))
                        : QStringLiteral("%1 muestra sus valores de arranque").arg(nombre(parte)));
        lineas << QStringLiteral("• Línea %1 («%2»): %3.")
                      .arg(renglon(i))
                      .arg(Q(r.literal.value("calculo", std::string())),
                           partes.join(QStringLiteral("; ")));
    }
    if (lineas.isEmpty())
        return {};
    return QStringLiteral("Las ventanas no pueden mostrar a la vez todo lo que traen las líneas de "
                          "este proyecto:\n%1\nEsas líneas se guardarán tal como vinieron mientras "
                          "no cambie las ventanas que usan; si las cambia, se guardarán con lo que "
                          "muestren las ventanas.")
        .arg(lineas.join(QLatin1Char('\n')));
}

bool TProyectos::AbrirFichero(const QString& ruta) {
    const auto fallo = [&](const QString& causa) {
        Avisar(QStringLiteral("No se puede abrir el proyecto «%1»: %2").arg(Nativa(ruta), causa),
               app_.VentanaPrincipal);
        return false;
    };
    QFile fichero(ruta);
    if (QFileInfo(ruta).isDir())
        return fallo(QStringLiteral("es una carpeta."));
    if (!fichero.open(QIODevice::ReadOnly))
        return fallo(fichero.errorString() + QLatin1Char('.'));
    if (fichero.size() > TamanoMaximo)
        return fallo(QStringLiteral("ocupa más de 16 MB; no es un proyecto de Velmora."));
    const QByteArray bytes = fichero.readAll();
    const auto proyecto = LeerProyecto(std::string_view(bytes.constData(), bytes.size()));
    if (!proyecto)
        return fallo(QLatin1Char('\n') + Q(proyecto.error().mensaje));
    QString aviso;
    try {
        aviso = Cargar(*proyecto);
    } catch (const ErrorLinea& e) { // no ocurre: LeerProyecto ya ha comprobado las ranuras
        return fallo(Q(e.error().mensaje));
    }
    ruta_ = QFileInfo(ruta).absoluteFilePath();
    AnotarReciente(ruta_);
    TomarComoGuardado();
    if (!aviso.isEmpty())
        Avisar(aviso, app_.VentanaPrincipal);
    return true;
}

bool TProyectos::GuardarEn(const QString& ruta) {
    const std::string texto = Texto();
    const Estado escrito =
        EscribirFicheroSeguro(ruta, QByteArray(texto.data(), static_cast<qsizetype>(texto.size())));
    if (!escrito) {
        Avisar(Q(escrito.error().mensaje) +
                   QStringLiteral(" Los datos siguen en las ventanas, sin guardar."),
               app_.VentanaPrincipal);
        return false;
    }
    ruta_ = QFileInfo(ruta).absoluteFilePath();
    AnotarReciente(ruta_);
    TomarComoGuardado();
    return true;
}

bool TProyectos::Guardar() {
    return ruta_.isEmpty() ? GuardarComo() : GuardarEn(ruta_);
}

bool TProyectos::GuardarComo() {
    const QString inicial =
        ruta_.isEmpty() ? QDir::home().filePath(QStringLiteral("Sin título.velmora")) : ruta_;
    static constexpr std::string_view Extensiones[] = {"velmora"};
    const QString ruta = RutaConfirmada(
        app_.VentanaPrincipal,
        QFileDialog::getSaveFileName(app_.VentanaPrincipal, QStringLiteral("Guardar proyecto"),
                                     inicial, QStringLiteral("Proyectos de Velmora (*.velmora)")),
        Extensiones, QStringLiteral("un proyecto de Velmora"));
    if (ruta.isEmpty())
        return false;
    return GuardarEn(ruta);
}

void TProyectos::AbrirClick() {
    if (!PuedeContinuar())
        return;
    const QString ruta = QFileDialog::getOpenFileName(
        app_.VentanaPrincipal, QStringLiteral("Abrir proyecto"),
        ruta_.isEmpty() ? QDir::homePath() : QFileInfo(ruta_).absolutePath(),
        QStringLiteral("Proyectos de Velmora (*.velmora);;Todos los ficheros (*)"));
    if (!ruta.isEmpty())
        AbrirFichero(ruta);
}

bool TProyectos::PuedeContinuar() {
    ComprobarCambios();
    if (!modificado_)
        return true;
    QMessageBox pregunta(QMessageBox::Question, QStringLiteral("Velmora"),
                         QStringLiteral("¿Guardar los cambios en %1?").arg(Nombre()),
                         QMessageBox::NoButton, app_.VentanaPrincipal);
    pregunta.setObjectName(QStringLiteral("PreguntaGuardar"));
    QPushButton* guardar = pregunta.addButton(QStringLiteral("Guardar"), QMessageBox::AcceptRole);
    QPushButton* descartar =
        pregunta.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    QPushButton* cancelar = pregunta.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    guardar->setObjectName(QStringLiteral("Guardar"));
    descartar->setObjectName(QStringLiteral("Descartar"));
    cancelar->setObjectName(QStringLiteral("Cancelar"));
    pregunta.setDefaultButton(guardar);
    pregunta.setEscapeButton(cancelar);
    pregunta.exec();
    if (pregunta.clickedButton() == guardar)
        return Guardar();
    return pregunta.clickedButton() == descartar;
}

QStringList TProyectos::Recientes() {
    return Ajustes().value(QStringLiteral("Recientes")).toStringList();
}

void TProyectos::AnotarReciente(const QString& ruta) {
    QStringList lista = Recientes();
    lista.removeAll(ruta);
    lista.prepend(ruta);
    while (lista.size() > MaximoRecientes)
        lista.removeLast();
    GuardarRecientes(lista);
}

// Los que ya no existen se quitan de la lista, con una nota al final del menú.
void TProyectos::MostrarRecientes() {
    recientes_->clear();
    QStringList lista = Recientes();
    const qsizetype antes = lista.size();
    lista.removeIf([](const QString& r) { return !QFileInfo::exists(r); });
    if (lista.size() != antes)
        GuardarRecientes(lista);
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const QString ruta = lista[i];
        QString texto = QStringLiteral("&%1 %2").arg(i + 1).arg(Nativa(ruta));
        texto.replace(QLatin1Char('&'), QStringLiteral("&&")).remove(0, 1);
        QAction* a = recientes_->addAction(texto);
        a->setObjectName(QStringLiteral("Reciente%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, ruta] { AbrirReciente(ruta); });
    }
    if (lista.isEmpty())
        recientes_->addAction(QStringLiteral("(ninguno)"))->setEnabled(false);
    if (lista.size() != antes) {
        recientes_->addSeparator();
        const qsizetype quitados = antes - lista.size();
        recientes_
            ->addAction(quitados == 1
                            ? QStringLiteral("Se ha quitado un proyecto que ya no existe.")
                            : QStringLiteral("Se han quitado %1 proyectos que ya no existen.")
                                  .arg(quitados))
            ->setEnabled(false);
    }
}

void TProyectos::AbrirReciente(const QString& ruta) {
    if (!QFileInfo::exists(ruta)) {
        QStringList lista = Recientes();
        lista.removeAll(ruta);
        GuardarRecientes(lista);
        Avisar(QStringLiteral("El proyecto «%1» ya no existe: se quita de la lista de recientes.")
                   .arg(Nativa(ruta)),
               app_.VentanaPrincipal);
        return;
    }
    if (PuedeContinuar())
        AbrirFichero(ruta);
}

} // namespace velmora
