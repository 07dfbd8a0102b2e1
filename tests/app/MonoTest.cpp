// Prueba del mono: acciones al azar, reproducibles por su semilla, sobre todas las ventanas
// abiertas desde el menú de la ventana principal tras confirmar los parámetros generales.
// Textos hostiles en los campos, clics en opciones, casillas y botones, elecciones en las
// listas, teclas y cierres; los cuadros de mensaje se contestan en el paso siguiente.
//
// Falla si el programa se cae (el proceso muere), si deja de responder 10 s (un vigilante en
// otro hilo lo ve) o, con VELMORA_MONO_ESTRICTO=1, si una etiqueta o un cuadro visible muestra
// "nan", "inf" o "---". Sin el modo estricto esos hallazgos sólo se listan.
//
// Variables: VELMORA_MONO_ACCIONES (2000), VELMORA_MONO_SEMILLA (20261207),
// VELMORA_MONO_ESTRICTO (0), VELMORA_MONO_TRAZA (1: escribe cada acción).

#include "app/Aplicacion.h"
#include "app/VentanaPrincipal.h"
#include "ventanas/ConModal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

using namespace velmora;

namespace {

int Entorno(const char* nombre, int omision) {
    const QByteArray v = qgetenv(nombre);
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : omision;
}

// Textos que un usuario descuidado (o malicioso) puede escribir, y otros con sentido para que
// los cálculos salgan bien a menudo y se abran las ventanas de resultados.
const QStringList Hostiles{"",
                           " ",
                           "0",
                           "-0",
                           "1e308",
                           "-1e308",
                           "1E308",
                           "1e-308",
                           "1e-320",
                           "3.4e38",
                           "nan",
                           "NaN",
                           "inf",
                           "-inf",
                           "1,2,3",
                           "1.000,5",
                           "0,40",
                           QString(200, '9'),
                           "-" + QString(300, '9'),
                           QStringLiteral("٣٫٥"),
                           QStringLiteral("１２"),
                           QStringLiteral("²"),
                           "abc",
                           "0x10",
                           "+",
                           ".",
                           "1e",
                           "-1",
                           "1e3",
                           "\t5",
                           QStringLiteral("Ø"),
                           "12345678901234567890",
                           "-1e-5"};
const QStringList Sensatos{"0.40", "0.30", "0.03", "0.25", "25", "30", "100",  "150",
                           "16",   "2",    "10",   "45",   "90", "28", "1000", "0.5"};

// Entradas del menú que el mono no elige.
const QStringList SinMono{"Salir", "Salir1", "Ayuda2"};

// Un rótulo sin sentido: "nan" o "inf" como palabra (no la abreviatura «inf.» de inferior),
// o "---".
const QRegularExpression SinSentido(QStringLiteral("(?<![a-záéíóúñ])(nan|inf)(?![a-záéíóúñ.])|---"),
                                    QRegularExpression::CaseInsensitiveOption);
// Un número de más de 30 cifras en un rótulo: se lista, no se cuenta como fallo.
const QRegularExpression Enorme(QStringLiteral("\\d{31,}"));

// El hilo vigilante: si el latido no cambia en 10 s, la ventana no responde.
struct Vigilante {
    std::atomic<long> latido{0};
    std::atomic<bool> fin{false};
    std::mutex cerrojo;
    std::string ultima;
    std::thread hilo;

    void Empezar() {
        hilo = std::thread([this] {
            using namespace std::chrono;
            long visto = -1;
            auto desde = steady_clock::now();
            while (!fin) {
                std::this_thread::sleep_for(milliseconds(200));
                if (const long l = latido; l != visto) {
                    visto = l;
                    desde = steady_clock::now();
                } else if (steady_clock::now() - desde > seconds(10)) {
                    std::lock_guard<std::mutex> bloqueo(cerrojo);
                    std::fprintf(stderr, "FALLO: ninguna respuesta en 10 s tras: %s\n",
                                 ultima.c_str());
                    std::fflush(stderr);
                    std::_Exit(3);
                }
            }
        });
    }
    void Anotar(const QString& accion) {
        ++latido;
        std::lock_guard<std::mutex> bloqueo(cerrojo);
        ultima = accion.toStdString();
    }
    ~Vigilante() {
        fin = true;
        if (hilo.joinable())
            hilo.join();
    }
};

class Mono : public QObject {
public:
    Mono(TVentanaPrincipal* principal, quint32 semilla, int acciones, QEventLoop& bucle)
        : principal_(principal), azar_(semilla), acciones_(acciones), bucle_(bucle),
          traza_(Entorno("VELMORA_MONO_TRAZA", 0) == 1) {
        vigilante_.Empezar();
    }

    void Empezar() {
        QTimer::singleShot(0, this, [this] { Paso(); });
    }

    QStringList hallazgos;  // rótulos sin sentido, con las acciones que llevaron a ellos
    QStringList enormes;    // números de más de 30 cifras
    QSet<QString> ventanas; // ventanas en las que ha actuado
    int cuadros = 0;        // cuadros de mensaje contestados
    bool atascado = false;  // no ha podido cerrar las ventanas al terminar

private:
    int Azar(int n) { return n <= 1 ? 0 : static_cast<int>(azar_() % static_cast<quint32>(n)); }
    template <typename T> T* Uno(const QList<T*>& lista) {
        return lista.isEmpty() ? nullptr : lista[Azar(lista.size())];
    }

    void Anotar(const QString& accion) {
        const QString linea = QStringLiteral("#%1 %2").arg(hechas_).arg(accion);
        recientes_.push_back(linea);
        if (recientes_.size() > 12)
            recientes_.pop_front();
        vigilante_.Anotar(linea);
        if (traza_)
            std::fprintf(stderr, "%s\n", qPrintable(linea));
    }

    // Cada paso programa el siguiente antes de actuar: si la acción abre una ventana modal, el
    // siguiente paso corre dentro de su bucle de eventos y el mono sigue en ella.
    void Paso() {
        if (hechas_ >= acciones_) {
            Terminar();
            return;
        }
        ++hechas_;
        QTimer::singleShot(0, this, [this] { Paso(); });
        Actuar();
        Revisar();
    }

    void Terminar() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            bucle_.quit();
            return;
        }
        if (++cierres_ > 200) {
            atascado = true;
            bucle_.quit();
            return;
        }
        vigilante_.Anotar("cierre de " + modal->objectName());
        QTimer::singleShot(0, this, [this] { Terminar(); });
        Cerrar(modal);
    }

    static void Cerrar(QWidget* ventana) {
        if (auto* caja = qobject_cast<QMessageBox*>(ventana)) {
            if (QAbstractButton* b =
                    caja->escapeButton() ? caja->escapeButton() : caja->defaultButton())
                b->click();
            else
                caja->close();
        } else {
            ventana->close();
        }
    }

    void Actuar() {
        QWidget* arriba = QApplication::activeModalWidget();
        if (!arriba) {
            AbrirDesdeMenu();
            return;
        }
        if (auto* caja = qobject_cast<QMessageBox*>(arriba)) {
            ++cuadros;
            Anotar("cuadro «" + caja->text().left(80) + "» contestado");
            Cerrar(caja);
            return;
        }
        ventanas.insert(arriba->objectName());
        const int tirada = Azar(100);
        if (tirada < 40 && Teclear(arriba))
            return;
        if (tirada < 55 && Marcar(arriba))
            return;
        if (tirada < 65 && Elegir(arriba))
            return;
        if (tirada < 87 && Pulsar(arriba))
            return;
        if (tirada < 95) {
            Tecla(arriba);
            return;
        }
        Anotar("cierra " + arriba->objectName());
        arriba->close();
    }

    // Una entrada de los menús de la ventana principal (salvo las dos «Salir» y «Ayuda», que
    // saldrían del programa o abrirían el navegador).
    void AbrirDesdeMenu() {
        QList<QAction*> entradas;
        QList<QMenu*> menus;
        for (QAction* a : principal_->menuBar()->actions())
            if (a->menu())
                menus << a->menu();
        while (!menus.isEmpty()) {
            for (QAction* a : menus.takeFirst()->actions()) {
                if (a->menu())
                    menus << a->menu();
                else if (!a->isSeparator() && a->isEnabled() &&
                         !SinMono.contains(a->objectName()))
                    entradas << a;
            }
        }
        if (QAction* a = Uno(entradas)) {
            Anotar("menú " + a->objectName());
            a->trigger();
        }
    }

    template <typename T> QList<T*> Utilizables(QWidget* ventana) {
        QList<T*> lista;
        for (T* w : ventana->findChildren<T*>())
            if (w->isVisible() && w->isEnabled())
                lista << w;
        return lista;
    }

    bool Teclear(QWidget* ventana) {
        QList<QLineEdit*> campos;
        for (QLineEdit* e : Utilizables<QLineEdit>(ventana))
            if (!e->isReadOnly())
                campos << e;
        QLineEdit* e = Uno(campos);
        if (!e)
            return false;
        const QString texto =
            Azar(10) < 6 ? Hostiles[Azar(Hostiles.size())] : Sensatos[Azar(Sensatos.size())];
        Anotar(QStringLiteral("teclea «%1» en %2/%3")
                   .arg(texto, ventana->objectName(), NombreControl(e)));
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        // QTest::keyClicks sólo sabe teclear Latin-1; el resto va como tecla sin código.
        for (const QChar c : texto) {
            if (c.unicode() < 0x100)
                QTest::keyClick(e, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        tecleado_[e] = e->text();
        escritos_.insert(e->text());
        return true;
    }

    bool Marcar(QWidget* ventana) {
        QList<QAbstractButton*> botones;
        for (QAbstractButton* b : Utilizables<QAbstractButton>(ventana))
            if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b))
                botones << b;
        QAbstractButton* b = Uno(botones);
        if (!b)
            return false;
        Anotar(QStringLiteral("clic en %1/%2 «%3»")
                   .arg(ventana->objectName(), NombreControl(b), b->text()));
        b->click();
        return true;
    }

    bool Elegir(QWidget* ventana) {
        QComboBox* c = Uno(Utilizables<QComboBox>(ventana));
        if (!c || c->count() == 0)
            return false;
        const int pasos = 1 + Azar(4);
        const bool abajo = Azar(2) == 0;
        Anotar(QStringLiteral("lista %1/%2: %3 × %4")
                   .arg(ventana->objectName(), c->objectName())
                   .arg(abajo ? "abajo" : "arriba")
                   .arg(pasos));
        c->setFocus();
        for (int i = 0; i < pasos; ++i)
            QTest::keyClick(c, abajo ? Qt::Key_Down : Qt::Key_Up);
        return true;
    }

    // Los botones «Calcular» y OK, el doble de a menudo que los demás.
    bool Pulsar(QWidget* ventana) {
        QList<QPushButton*> botones;
        for (QPushButton* b : Utilizables<QPushButton>(ventana)) {
            botones << b;
            if (b->objectName() == "BotonCalcular" || b->objectName() == "BotonOK")
                botones << b;
        }
        QPushButton* b = Uno(botones);
        if (!b)
            return false;
        Anotar(QStringLiteral("pulsa %1/%2 «%3»")
                   .arg(ventana->objectName(), b->objectName(), b->text()));
        b->click();
        return true;
    }

    void Tecla(QWidget* ventana) {
        static const Qt::Key teclas[] = {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return,
                                         Qt::Key_Escape};
        const Qt::Key tecla = teclas[Azar(5)];
        QWidget* foco = QApplication::focusWidget();
        if (!foco || foco->window() != ventana)
            foco = ventana;
        Anotar(QStringLiteral("tecla %1 en %2/%3")
                   .arg(tecla == Qt::Key_Return   ? "Intro"
                        : tecla == Qt::Key_Escape ? "Escape"
                                                  : "Tab")
                   .arg(ventana->objectName(), NombreControl(foco)));
        QTest::keyClick(foco, tecla);
    }

    static QString NombreControl(const QWidget* w) {
        while (w && w->objectName().isEmpty() && !w->isWindow())
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }

    // Lo que se ve en todas las ventanas visibles tras la acción.
    void Revisar() {
        for (QWidget* ventana : QApplication::topLevelWidgets()) {
            if (!ventana->isVisible() || qobject_cast<QMessageBox*>(ventana))
                continue;
            // Las ventanas son hijas de la principal: cada control se mira en la suya.
            for (QLabel* l : ventana->findChildren<QLabel*>())
                if (l->isVisible() && l->window() == ventana)
                    Mirar(ventana, l, l->text());
            for (QLineEdit* e : ventana->findChildren<QLineEdit*>())
                // Un campo que muestra lo que el mono escribió en otro (los datos del proyecto que
                // vuelven a la memoria siguiente) tampoco es un resultado.
                if (e->isVisible() && e->window() == ventana && tecleado_.value(e) != e->text() &&
                    !escritos_.contains(e->text()))
                    Mirar(ventana, e, e->text());
        }
    }

    void Mirar(QWidget* ventana, QWidget* control, const QString& texto) {
        // Un aviso que cita lo escrito («inf») no es un resultado.
        static const QRegularExpression cita(QStringLiteral("«[^»]*»"));
        const QString propio = QString(texto).remove(cita);
        const bool malo = SinSentido.match(propio).hasMatch();
        if (!malo && !Enorme.match(propio).hasMatch())
            return;
        const QString donde = ventana->objectName() + "/" + NombreControl(control);
        QStringList& lista = malo ? hallazgos : enormes;
        const QString clave = donde + "\t";
        for (const QString& h : lista)
            if (h.startsWith(clave))
                return;
        QString historia;
        for (const QString& r : recientes_)
            historia += "\n      " + r;
        lista << clave + "muestra «" + texto.left(120) + "» tras:" + historia + DatosVisibles();
    }

    // Los textos de los campos de las ventanas abiertas: con ellos se repite el hallazgo.
    static QString DatosVisibles() {
        QString datos;
        for (QWidget* ventana : QApplication::topLevelWidgets()) {
            if (!ventana->isVisible() || qobject_cast<QMessageBox*>(ventana))
                continue;
            QStringList campos;
            for (QLineEdit* e : ventana->findChildren<QLineEdit*>())
                if (e->window() == ventana && !e->objectName().isEmpty())
                    campos << e->objectName() + "=«" + e->text().left(40) + "»";
            if (!campos.isEmpty())
                datos += "\n    campos de " + ventana->objectName() + ": " + campos.join(", ");
        }
        return datos;
    }

    TVentanaPrincipal* principal_;
    std::mt19937 azar_;
    int acciones_;
    int hechas_ = 0;
    int cierres_ = 0;
    QEventLoop& bucle_;
    bool traza_;
    std::deque<QString> recientes_;
    QHash<const QLineEdit*, QString> tecleado_; // lo que el mono escribió en cada campo
    QSet<QString> escritos_;                    // todo lo que escribió, en cualquier campo
    Vigilante vigilante_;
};

} // namespace

class PruebaMono : public QObject {
    Q_OBJECT

private slots:
    void AccionesAlAzar() {
        Aplicacion app;
        InicializarTablas(app.Estado);
        CrearVentanas(app);
        app.VentanaPrincipal->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.VentanaPrincipal));

        // Parámetros generales confirmados con OK: se habilitan todas las entradas del menú.
        auto* parametros = app.VentanaPrincipal->findChild<QAction*>("Parmetrosgenerales1");
        QVERIFY(parametros);
        QVERIFY(ConModal([&] { parametros->trigger(); }, PulsarOK));

        const int acciones = Entorno("VELMORA_MONO_ACCIONES", 2000);
        const auto semilla = static_cast<quint32>(Entorno("VELMORA_MONO_SEMILLA", 20261207));
        const bool estricto = Entorno("VELMORA_MONO_ESTRICTO", 0) == 1;
        QEventLoop bucle;
        Mono mono(app.VentanaPrincipal, semilla, acciones, bucle);
        mono.Empezar();
        bucle.exec();

        std::printf("%d acciones (semilla %u) en %lld ventanas, %d cuadros de mensaje\n", acciones,
                    semilla, static_cast<long long>(mono.ventanas.size()), mono.cuadros);
        for (const QString& e : mono.enormes)
            std::printf("NÚMERO ENORME: %s\n", qPrintable(e));
        for (const QString& h : mono.hallazgos)
            std::printf("SIN SENTIDO: %s\n", qPrintable(h));
        std::fflush(stdout);
        QVERIFY2(!mono.atascado, "las ventanas no se han podido cerrar al terminar");
        if (estricto)
            QVERIFY2(
                mono.hallazgos.isEmpty(),
                qPrintable(QStringLiteral("%1 rótulos sin sentido").arg(mono.hallazgos.size())));
        delete app.VentanaPrincipal; // y con ella, todas las demás ventanas
    }
};

// El mono guarda lo que le dejan (proyectos, memorias, tablas) y acepta «Datos del proyecto»:
// todo eso va a una carpeta personal temporal, nunca a la del usuario ni a su configuración.
int main(int argc, char* argv[]) {
    QTemporaryDir casa;
    if (!casa.isValid())
        return 1;
    qputenv("HOME", casa.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (casa.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (casa.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (casa.path() + QStringLiteral("/.cache")).toLocal8Bit());
    QDir::setCurrent(casa.path());
    QApplication aplicacion(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    PruebaMono prueba;
    return QTest::qExec(&prueba, argc, argv);
}
#include "MonoTest.moc"
