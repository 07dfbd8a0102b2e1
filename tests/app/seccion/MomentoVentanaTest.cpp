// Ventana del momento de agotamiento, abierta desde la ventana de datos de la sección
// rectangular, con las armaduras elegidas como barras en el selector de área.

#include "Seccion.h"
#include "ventanas/Modal.h"

#include "design/EstadoDiseno.h"
#include "section/DominioDeDeformacion.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineF>

using namespace velmora;

namespace {

// Elige en el selector abierto un grupo de `n` barras de diámetro `d` y pulsa `boton`.
void ElegirBarras(QWidget* selector, const QString& n, const QString& d, const char* boton) {
    if (auto* g = Hijo<QWidget>(selector, "Contador01"))
        QMetaObject::invokeMethod(g, "setValue", Q_ARG(int, 1));
    Teclear(selector, "NumeroRedondos01", n);
    if (auto* c = Hijo<QComboBox>(selector, "Diametro01"))
        c->setCurrentText(d);
    Pulsar(selector, boton);
}

struct EstadoVentana {
    QString momento;
    bool dominio = false;
};

EstadoVentana Leer(QWidget* m) {
    return {TextoEtiqueta(m, "EtiquetaMomento"), Hijo<QPushButton>(m, "BotonDominio")->isEnabled()};
}

} // namespace

class MomentoVentanaTest : public QObject {
    Q_OBJECT

    Aplicacion app;
    RecogerAvisos* avisos = nullptr;

    // Abre la sección rectangular (con sus datos de arranque), pulsa «Momento Agotamiento» y
    // aplica `dentro` a la ventana del momento.
    void EnVentanaMomento(std::function<void(QWidget*)> dentro) {
        AbrirDesdeMenu(app, "Datosdelaseccion1", [&](QWidget* datos) {
            PulsarYResponder(datos, "BotonMomento", dentro);
            datos->close();
        });
    }

private slots:
    void initTestCase() {
        InicializarTablas(app.Estado);
        CrearVentanas(app);
        avisos = new RecogerAvisos;
        ConfirmarParametros(app, 0);
    }
    void cleanupTestCase() { delete avisos; }
    void init() { avisos->avisos.clear(); }

    // Sin armaduras elegidas la búsqueda para en el primer paso: momento prácticamente nulo.
    // Los rótulos del dibujo de los dominios no se pisan entre sí, y «4a» no cae sobre las dos
    // rectas que limitan su dominio: de (461, 20), el pivote B, a (312, 196) y a (312, 222).
    void RotulosDelDominioSeparados() {
        TDominioDeDeformacion ventana(app.Estado);
        const QList<QLabel*> rotulos =
            Hijo<QLabel>(&ventana, "Imagen")->findChildren<QLabel*>();
        QVERIFY(rotulos.size() >= 12);
        for (qsizetype i = 0; i < rotulos.size(); ++i)
            for (qsizetype j = i + 1; j < rotulos.size(); ++j)
                QVERIFY2(!rotulos[i]->geometry().adjusted(-3, -2, 3, 2).intersects(
                             rotulos[j]->geometry()),
                         qPrintable(rotulos[i]->objectName() + QStringLiteral(" / ") +
                                    rotulos[j]->objectName()));
        // La fracción 3h/7 (profundidad del pivote C) se lee sola: ningún rótulo a su altura a
        // menos de 30 px (la «d» del canto útil se leía como parte de ella).
        for (const char* parte : {"EtiquetaTresH", "EtiquetaSiete"}) {
            const QRect r = Hijo<QLabel>(&ventana, parte)->geometry();
            for (const QLabel* otro : rotulos)
                if (otro->objectName() != QLatin1String("EtiquetaTresH") &&
                    otro->objectName() != QLatin1String("EtiquetaSiete") &&
                    otro->geometry().top() <= r.bottom() && otro->geometry().bottom() >= r.top())
                    QVERIFY2(otro->geometry().left() - r.right() >= 30 ||
                                 r.left() - otro->geometry().right() >= 30,
                             qPrintable(otro->objectName()));
        }
        const QRectF cuatroA = Hijo<QLabel>(&ventana, "EtiquetaDominio4a")->geometry();
        for (const QLineF recta : {QLineF(461, 20, 312, 196), QLineF(461, 20, 312, 222)})
            for (const QLineF lado :
                 {QLineF(cuatroA.topLeft(), cuatroA.topRight()),
                  QLineF(cuatroA.bottomLeft(), cuatroA.bottomRight()),
                  QLineF(cuatroA.topLeft(), cuatroA.bottomLeft()),
                  QLineF(cuatroA.topRight(), cuatroA.bottomRight())})
                QVERIFY(recta.intersects(lado, nullptr) != QLineF::BoundedIntersection);
    }

    void SinArmadurasMomentoNulo() {
        EstadoVentana alAbrir;
        EnVentanaMomento([&](QWidget* m) { alAbrir = Leer(m); });
        QCOMPARE(alAbrir.momento, QStringLiteral("      0.00 kN*m"));
        QVERIFY(alAbrir.dominio);
        QVERIFY(avisos->avisos.isEmpty());
    }

    // b = 300, h = 400, d1 = d2 = 30 mm, A1 = 3Ø16 sin armadura comprimida: 72.03 kN·m en el
    // dominio 2. Marcar, desmarcar o elegir armadura borra el resultado hasta el siguiente cálculo.
    void EjemploTresBarrasDe16() {
        EstadoVentana trasDesmarcar, trasElegir, trasCalcular, trasCancelar, trasReabrir;
        QString textoTraccionada, textoTrasCancelar;
        bool areaComprimidaHabilitada = true;
        LecturaDominio dominio;
        EnVentanaMomento([&](QWidget* m) {
            Pulsar(m, "Comprimida");
            trasDesmarcar = Leer(m);
            areaComprimidaHabilitada = Hijo<QPushButton>(m, "AreaComprimida")->isEnabled();
            PulsarYResponder(m, "AreaTraccionada", [](QWidget* selector) {
                ElegirBarras(selector, QStringLiteral("3"), QStringLiteral("16"), "BotonOK");
            });
            trasElegir = Leer(m);
            textoTraccionada = Hijo<QPushButton>(m, "AreaTraccionada")->text();
            Pulsar(m, "BotonCalcular");
            trasCalcular = Leer(m);
            // x = 69.41 mm, εc = 0.01·x/(d − x) = 0.002309: 98 px a la derecha del eje arriba.
            PulsarYResponder(m, "BotonDominio", [&](QWidget* dom) {
                dominio = LeerDominio(dom, {{312, 20}, {410, 20}, {60, 196}, {312, 196}});
            });
            PulsarYResponder(m, "AreaTraccionada", [](QWidget* selector) {
                ElegirBarras(selector, QStringLiteral("2"), QStringLiteral("12"), "BotonCancel");
            });
            trasCancelar = Leer(m);
            textoTrasCancelar = Hijo<QPushButton>(m, "AreaTraccionada")->text();
        });
        // Al volver a abrir se calcula con las armaduras y casillas de la vez anterior.
        EnVentanaMomento([&](QWidget* m) { trasReabrir = Leer(m); });

        QCOMPARE(trasDesmarcar.momento, QString());
        QVERIFY(!trasDesmarcar.dominio);
        QVERIFY(!areaComprimidaHabilitada);
        QCOMPARE(trasElegir.momento, QString());
        QCOMPARE(textoTraccionada, QStringLiteral("3Ø16"));
        QCOMPARE(trasCalcular.momento, QStringLiteral("     72.03 kN*m"));
        QVERIFY(trasCalcular.dominio);
        QCOMPARE(dominio.Etiqueta, QStringLiteral("Dominio de deformación : 2."));
        QVERIFY2(dominio.Diferencias.isEmpty(), qPrintable(dominio.Diferencias));
        QCOMPARE(trasCancelar.momento, QString());
        QVERIFY(!trasCancelar.dominio);
        QCOMPARE(textoTrasCancelar, QStringLiteral("3Ø16"));
        QCOMPARE(trasReabrir.momento, QStringLiteral("     72.03 kN*m"));
        QVERIFY(avisos->avisos.isEmpty());
    }

    // Una geometría imposible no abre la ventana del momento: mensaje y foco en el campo.
    void GeometriaImposibleNoAbre() {
        bool abierta = false;
        QString foco;
        AbrirDesdeMenu(app, "Datosdelaseccion1", [&](QWidget* datos) {
            Teclear(datos, "Valor3", QStringLiteral("0.40"));
            PulsarYResponder(datos, "BotonMomento", [&](QWidget*) { abierta = true; });
            if (datos->focusWidget())
                foco = datos->focusWidget()->objectName();
            Teclear(datos, "Valor3", QStringLiteral("0.03"));
            datos->close();
        });
        QVERIFY(!abierta);
        QCOMPARE(foco, QStringLiteral("Valor3"));
        QCOMPARE(avisos->avisos.size(), 1);
    }
};

QTEST_MAIN(MomentoVentanaTest)
#include "MomentoVentanaTest.moc"
