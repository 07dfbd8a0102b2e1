// Ventanas de datos de la sección, de resultados y del dominio de deformación, recorridas como
// lo haría el usuario: parámetros generales, menú, datos, «Calcular», resultados, «Dominio».

#include "Seccion.h"
#include "ventanas/Modal.h"

#include <QTableWidget>

#include "design/EstadoDiseno.h"
#include "design/LecturaBarras.h"
#include "design/ParametrosGenerales.h"
#include "design/TextosParametros.h"
#include "design/VentanaArea.h"
#include "section/DatosSeccion.h"
#include "section/DatosSeccionT.h"
#include "section/DescripcionSeccion.h"

#include <QMap>
#include <QTableWidget>

using namespace velmora;

namespace {

// Rótulos de la ventana de resultados que comprueban las pruebas.
const char* const ControlesResultados[] = {
    "AreaTraccion", "AreaCompresion", "CapacidadTraccion", "CapacidadCompresion",
    "Cuantia",      "Recomendada",    "DomDeform",         "Profundidad",
    "xlimite",      "NumeroA1",       "NumeroA2"};

using Rotulos = QMap<QString, QString>;

Rotulos LeerResultados(QWidget* resultados) {
    Rotulos r;
    for (const char* c : ControlesResultados)
        r[QString::fromLatin1(c)] = TextoEtiqueta(resultados, c);
    return r;
}

const QString DominioDos = QStringLiteral(
    "Dominio de deformación : 2.\n   Flexión simple o compuesta.\n   El hormigón no alcanza la "
    "deformación de rotura por flexión.");

// Datos de una ventana: nombre del control y texto.
using Datos = QVector<QPair<const char*, QString>>;

} // namespace

class DatosSeccionVentanaTest : public QObject {
    Q_OBJECT

    Aplicacion app;
    RecogerAvisos* avisos = nullptr;

    // Abre la ventana `menu`, escribe los datos, elige el «Dato conocido», pulsa «Calcular» y
    // devuelve los rótulos de la ventana de resultados (vacío si no se abrió). `enResultados`
    // actúa además sobre la ventana de resultados abierta.
    Rotulos Calcular(const char* menu, const Datos& datos, int datoConocido = 0,
                     std::function<void(QWidget*)> enResultados = {}) {
        Rotulos r;
        AbrirDesdeMenu(app, menu, [&](QWidget* ventana) {
            for (const auto& [campo, texto] : datos)
                Teclear(ventana, campo, texto);
            ElegirOpcion(ventana, "GrupoDatoConocido", datoConocido);
            PulsarYResponder(ventana, "BotonCalcular", [&](QWidget* resultados) {
                r = LeerResultados(resultados);
                if (enResultados)
                    enResultados(resultados);
            });
            ventana->close();
        });
        return r;
    }

private slots:
    void initTestCase() {
        InicializarTablas(app.Estado);
        CrearVentanas(app);
        avisos = new RecogerAvisos;
    }
    void cleanupTestCase() { delete avisos; }
    // Cada prueba parte de los parámetros por omisión confirmados (viga), salvo la que comprueba
    // precisamente lo que pasa sin confirmarlos.
    void init() {
        if (qstrcmp(QTest::currentTestFunction(), "SinParametrosNoCalcula") != 0)
            ConfirmarParametros(app, 0);
        avisos->avisos.clear();
    }

    // Sin confirmar los parámetros, «Calcular» no da resultados: lo dice y no abre nada.
    void SinParametrosNoCalcula() {
        app.Estado.fyd = app.Estado.fcd = 0.0;
        // Las entradas de cálculo se desbloquean al cerrar los parámetros, aun sin OK.
        AbrirDesdeMenu(app, "Parmetrosgenerales1", [](QWidget* p) { p->close(); });
        const auto r = Calcular("Datosdelaseccion1", {{"Valor5", "100"}, {"Valor6", ""}});
        QVERIFY(r.isEmpty());
        QCOMPARE(avisos->avisos, QStringList{QString::fromUtf8(MensajeConfirmarParametros)});
    }

    // El ejemplo completo de la sección rectangular por omisión con Md = 100 kN·m.
    void EjemploRectangular() {
        const auto r = Calcular("Datosdelaseccion1", {{"Valor1", "0.40"},
                                                      {"Valor2", "0.30"},
                                                      {"Valor3", "0.03"},
                                                      {"Valor4", "0.03"},
                                                      {"Valor5", "100"},
                                                      {"Valor6", ""}});
        QVERIFY(avisos->avisos.isEmpty());
        QCOMPARE(r["AreaTraccion"], QStringLiteral("    8.622"));
        QCOMPARE(r["AreaCompresion"], QStringLiteral("    1.188"));
        QCOMPARE(r["CapacidadTraccion"], QStringLiteral("  299.903"));
        QCOMPARE(r["CapacidadCompresion"], QStringLiteral("   41.322"));
        QCOMPARE(r["Cuantia"],
                 QStringLiteral("La armadura cumple las limitaciones de cuantías mínimas."));
        QCOMPARE(r["Recomendada"],
                 QStringLiteral("Se recomienda disponer la armadura mínima de compresión dada."));
        QCOMPARE(r["DomDeform"], DominioDos);
        QCOMPARE(r["Profundidad"],
                 QStringLiteral("Profundidad de la fibra neutra =   8.93 cm (Secc. rectangular)"));
        QCOMPARE(r["xlimite"], QStringLiteral("xlim =  24.72 cm"));
        QCOMPARE(r["NumeroA1"], QStringLiteral("  11"));
        QCOMPARE(r["NumeroA2"], QStringLiteral("   2"));
    }

    // Cambiar un diámetro recuenta sólo su cara (sin armadura simétrica); las áreas no cambian.
    // Un diámetro que no es un número no da cuenta y lo dice en la ventana, sin cuadro.
    void CambioDeDiametro() {
        Rotulos tras16, tras0, tras12;
        QString aviso0, aviso12;
        bool avisoVisible0 = false, avisoVisible12 = true;
        Calcular("Datosdelaseccion1", {{"Valor5", "100"}, {"Valor6", ""}}, 0, [&](QWidget* res) {
            auto* t = Hijo<QComboBox>(res, "DiametroTraccion");
            t->setCurrentText(QStringLiteral("16"));
            tras16 = LeerResultados(res);
            t->setCurrentText(QStringLiteral("0"));
            tras0 = LeerResultados(res);
            aviso0 = TextoEtiqueta(res, "AvisoDiametro");
            avisoVisible0 = Hijo<QLabel>(res, "AvisoDiametro")->isVisible();
            t->setCurrentText(QStringLiteral("12"));
            tras12 = LeerResultados(res);
            avisoVisible12 = Hijo<QLabel>(res, "AvisoDiametro")->isVisible();
            t->setCurrentText(QStringLiteral("10"));
        });
        // 862.22 mm² en barras de 16 (201.06 mm²): 4.29, luego 5; de 12 (113.10 mm²): 7.62,
        // luego 8.
        QCOMPARE(tras16["NumeroA1"], QStringLiteral("   5"));
        QCOMPARE(tras16["NumeroA2"], QStringLiteral("   2"));
        QCOMPARE(tras16["AreaTraccion"], QStringLiteral("    8.622"));
        QCOMPARE(tras0["NumeroA1"], QString());
        QVERIFY(avisoVisible0);
        QVERIFY2(aviso0.contains(QStringLiteral("DiametroTraccion")) ||
                     aviso0.contains(QStringLiteral("iámetro")),
                 qPrintable(aviso0));
        QCOMPARE(tras12["NumeroA1"], QStringLiteral("   8"));
        QVERIFY(!avisoVisible12);
        QVERIFY(avisos->avisos.isEmpty());
    }

    // Los textos de los datos: coma decimal, signo de las cargas y excentricidad conocida dan la
    // misma sección que el momento escrito con punto.
    void FormasDeEscribirLosDatos_data() {
        QTest::addColumn<Datos>("datos");
        QTest::addColumn<int>("datoConocido");
        QTest::addColumn<QString>("areaTraccion");
        QTest::addColumn<QString>("areaCompresion");
        const Datos base{
            {"Valor1", "0.40"}, {"Valor2", "0.30"}, {"Valor3", "0.03"}, {"Valor4", "0.03"}};
        auto con = [&](Datos extra) { return base + extra; };
        QTest::newRow("coma decimal")
            << Datos{{"Valor1", "0,40"},   {"Valor2", "0,30"},  {"Valor3", "0,03"},
                     {"Valor4", " 0,03 "}, {"Valor5", "100,0"}, {"Valor6", ""}}
            << 0 << "    8.622"
            << "    1.188";
        QTest::newRow("momento negativo")
            << con({{"Valor5", "-100"}, {"Valor6", ""}}) << 0 << "    8.622"
            << "    1.188";
        // Md = 150 kN·m y Nd = 600 kN: e0 = 250 mm, flexión compuesta en el límite.
        QTest::newRow("momento y axil")
            << con({{"Valor5", "150"}, {"Valor6", "600"}}) << 0 << "    9.295"
            << "    2.096";
        QTest::newRow("excentricidad")
            << con({{"Valor5", "0.25"}, {"Valor6", "600"}}) << 1 << "    9.295"
            << "    2.096";
        QTest::newRow("axil negativo")
            << con({{"Valor5", "0.25"}, {"Valor6", "-600"}}) << 1 << "    9.295"
            << "    2.096";
        // Sin axil, la excentricidad no da momento: sólo cuantías mínimas (396 y 118.8 mm²).
        QTest::newRow("excentricidad sin axil")
            << con({{"Valor5", "0.25"}, {"Valor6", ""}}) << 1 << "    3.960"
            << "    1.188";
    }
    void FormasDeEscribirLosDatos() {
        QFETCH(Datos, datos);
        QFETCH(int, datoConocido);
        QFETCH(QString, areaTraccion);
        QFETCH(QString, areaCompresion);
        const auto r = Calcular("Datosdelaseccion1", datos, datoConocido);
        QVERIFY2(avisos->avisos.isEmpty(), qPrintable(avisos->avisos.join('\n')));
        QCOMPARE(r["AreaTraccion"], areaTraccion);
        QCOMPARE(r["AreaCompresion"], areaCompresion);
    }

    // «Dato conocido» cambia el rótulo, la unidad y la ayuda del primer dato, sin borrarlo.
    void DatoConocidoRotula() {
        QString rotulo1, unidad1, ayuda1, texto1, rotulo0, unidad0, ayuda0;
        AbrirDesdeMenu(app, "Datosdelaseccion1", [&](QWidget* v) {
            Teclear(v, "Valor5", QStringLiteral("0.25"));
            ElegirOpcion(v, "GrupoDatoConocido", 1);
            rotulo1 = TextoEtiqueta(v, "Label7");
            unidad1 = TextoEtiqueta(v, "Label9");
            ayuda1 = Hijo<QLineEdit>(v, "Valor5")->toolTip();
            texto1 = Hijo<QLineEdit>(v, "Valor5")->text();
            ElegirOpcion(v, "GrupoDatoConocido", 0);
            rotulo0 = TextoEtiqueta(v, "Label7");
            unidad0 = TextoEtiqueta(v, "Label9");
            ayuda0 = Hijo<QLineEdit>(v, "Valor5")->toolTip();
            v->close();
        });
        QCOMPARE(rotulo1, QStringLiteral("Excentricidad"));
        QCOMPARE(unidad1, QStringLiteral("m"));
        QCOMPARE(ayuda1, QStringLiteral("Excentricidad del esfuezo normal"));
        QCOMPARE(texto1, QStringLiteral("0.25"));
        QCOMPARE(rotulo0, QStringLiteral("Momento flector"));
        QCOMPARE(unidad0, QStringLiteral("kN·m"));
        QCOMPARE(ayuda0, QStringLiteral("Momento flector de cálculo"));
    }

    // Un dato que no es un número o una geometría imposible detiene «Calcular»: mensaje que
    // nombra el dato, foco en el campo y ninguna ventana de resultados.
    void DatosErroneos_data() {
        QTest::addColumn<QByteArray>("menu");
        QTest::addColumn<QByteArray>("campo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("canto no numérico")
            << QByteArray("Datosdelaseccion1") << QByteArray("Valor1") << "0.4m";
        QTest::newRow("separadores mezclados")
            << QByteArray("Datosdelaseccion1") << QByteArray("Valor5") << "1.000,5";
        QTest::newRow("axil no numérico")
            << QByteArray("Datosdelaseccion1") << QByteArray("Valor6") << "seiscientos";
        QTest::newRow("ancho nulo")
            << QByteArray("Datosdelaseccion1") << QByteArray("Valor2") << "0";
        QTest::newRow("recubrimiento mayor que el canto")
            << QByteArray("Datosdelaseccion1") << QByteArray("Valor4") << "0.50";
        QTest::newRow("alma más ancha que la cabeza")
            << QByteArray("Datosdelaseccion2") << QByteArray("Valorbw") << "1.20";
        QTest::newRow("cabeza tan gruesa como el canto")
            << QByteArray("Datosdelaseccion2") << QByteArray("Valorhf") << "1.00";
    }
    void DatosErroneos() {
        QFETCH(QByteArray, menu);
        QFETCH(QByteArray, campo);
        QFETCH(QString, texto);
        bool resultadosAbiertos = false;
        QString foco;
        AbrirDesdeMenu(app, menu.constData(), [&](QWidget* v) {
            const QString anterior = Hijo<QLineEdit>(v, campo.constData())->text();
            Teclear(v, campo.constData(), texto);
            PulsarYResponder(v, "BotonCalcular", [&](QWidget*) { resultadosAbiertos = true; });
            if (v->focusWidget())
                foco = v->focusWidget()->objectName();
            Teclear(v, campo.constData(), anterior);
            v->close();
        });
        QVERIFY(!resultadosAbiertos);
        QCOMPARE(foco, QString::fromLatin1(campo));
        QCOMPARE(avisos->avisos.size(), 1);
        QVERIFY2(!avisos->avisos.first().isEmpty(), "mensaje vacío");
    }

    // La sección en T con la fibra neutra en la cabeza es un rectángulo del ancho de la cabeza.
    void SeccionTComoRectangulo() {
        const Datos cargas{{"Valor5", "500"}, {"Valor6", ""}};
        const auto t = Calcular("Datosdelaseccion2", Datos{{"Valorh", "1.00"},
                                                           {"Valorhf", "0.20"},
                                                           {"Valorb", "1.00"},
                                                           {"Valorbw", "0.20"},
                                                           {"Valord2", "0.10"},
                                                           {"Valord1", "0.10"}} +
                                                         cargas);
        const auto r = Calcular(
            "Datosdelaseccion1",
            Datos{{"Valor1", "1.00"}, {"Valor2", "1.00"}, {"Valor3", "0.10"}, {"Valor4", "0.10"}} +
                cargas);
        QVERIFY2(avisos->avisos.isEmpty(), qPrintable(avisos->avisos.join('\n')));
        QVERIFY(t["Profundidad"].endsWith(QStringLiteral(" cm (Secc. en T)")));
        QVERIFY(r["Profundidad"].endsWith(QStringLiteral(" cm (Secc. rectangular)")));
        QCOMPARE(t["Profundidad"].chopped(int(sizeof("(Secc. en T)")) - 1),
                 r["Profundidad"].chopped(int(sizeof("(Secc. rectangular)")) - 1));
        for (const char* c : {"AreaTraccion", "AreaCompresion", "CapacidadTraccion",
                              "CapacidadCompresion", "DomDeform", "xlimite", "NumeroA1"})
            QCOMPARE(t[c], r[c]);
        // Devuelve la ventana rectangular a sus datos de arranque para las pruebas siguientes.
        Calcular("Datosdelaseccion1", {{"Valor1", "0.40"},
                                       {"Valor2", "0.30"},
                                       {"Valor3", "0.03"},
                                       {"Valor4", "0.03"},
                                       {"Valor5", ""},
                                       {"Valor6", ""}});
    }

    // El perfil de deformaciones trazado sobre el dibujo, leído de sus píxeles: dominio 2 (el
    // ejemplo), dominio 3 y dominio 5 con la fibra neutra en el infinito.
    void DibujoDelDominio_data() {
        QTest::addColumn<Datos>("datos");
        QTest::addColumn<QString>("etiqueta");
        QTest::newRow("dominio 2")
            << Datos{{"Valor5", "100"}, {"Valor6", ""}} << "Dominio de deformación : 2.";
        QTest::newRow("dominio 3")
            << Datos{{"Valor5", "150"}, {"Valor6", ""}} << "Dominio de deformación : 3.";
        QTest::newRow("dominio 5")
            << Datos{{"Valor5", "10"}, {"Valor6", "2000"}} << "Dominio de deformación : 5.";
    }
    void DibujoDelDominio() {
        QFETCH(Datos, datos);
        QFETCH(QString, etiqueta);
        LecturaDominio lectura;
        QVector<QPoint> esperada;
        Calcular("Datosdelaseccion1", datos, 0, [&](QWidget* res) {
            const auto& e = app.Estado;
            // Coordenadas del dibujo: eje en x = 312; fibras en y = 20, 196 y 222.
            if (e.Dominio == 1) {
                const int top = int(std::nearbyint(e.epsC * 149 / 0.0035));
                esperada = {{312, 20}, {312 + top, 20}, {312 - 252, 196}, {312, 196}};
            } else if (e.Dominio == 2) {
                const double epsYd = (e.d / e.xlim - 1) * 0.0035;
                const int bot = int(std::nearbyint((e.epsS1 - epsYd) * 174 / (0.01 - epsYd) + 78));
                esperada = {{312, 20}, {461, 20}, {312 - bot, 196}, {312, 196}};
            } else {
                esperada = {{312, 20}, {405, 20}, {405, 222}, {312, 222}};
            }
            PulsarYResponder(res, "BotonDominio",
                             [&](QWidget* dom) { lectura = LeerDominio(dom, esperada); });
        });
        QCOMPARE(lectura.Etiqueta, etiqueta);
        QVERIFY2(lectura.Diferencias.isEmpty(), qPrintable(lectura.Diferencias));
    }

    // Con armadura simétrica (soporte), cambiar cualquiera de los dos diámetros cambia los dos y
    // recuenta las dos caras.
    void DiametrosAcopladosConArmaduraSimetrica() {
        ConfirmarParametros(app, 1);
        QVERIFY(app.Estado.Simetrica);
        QString compresionTras16, a1, a2, traccionTras20, b1, b2;
        Calcular("Datosdelaseccion1", {{"Valor5", "150"}, {"Valor6", "600"}}, 0, [&](QWidget* res) {
            auto* t = Hijo<QComboBox>(res, "DiametroTraccion");
            auto* c = Hijo<QComboBox>(res, "DiametroCompresion");
            t->setCurrentText(QStringLiteral("16"));
            compresionTras16 = c->currentText();
            a1 = TextoEtiqueta(res, "NumeroA1");
            a2 = TextoEtiqueta(res, "NumeroA2");
            c->setCurrentText(QStringLiteral("20"));
            traccionTras20 = t->currentText();
            b1 = TextoEtiqueta(res, "NumeroA1");
            b2 = TextoEtiqueta(res, "NumeroA2");
            c->setCurrentText(QStringLiteral("10"));
        });
        const double as = app.Estado.As1;
        QCOMPARE(app.Estado.As2, as);
        auto barras = [as](int d) {
            return QStringLiteral("%1").arg(int(std::ceil(as / (std::numbers::pi * d * d / 4))), 4);
        };
        QCOMPARE(compresionTras16, QStringLiteral("16"));
        QCOMPARE(a1, barras(16));
        QCOMPARE(a2, barras(16));
        QCOMPARE(traccionTras20, QStringLiteral("20"));
        QCOMPARE(b1, barras(20));
        QCOMPARE(b2, barras(20));
    }

    // «Área armaduras» abre el selector de barras sobre la ranura general (0), aunque antes se
    // haya usado otra.
    void AreaArmadurasEnLaRanuraGeneral() {
        app.Estado.IndiceArmadura = 2;
        QString abierta;
        int ranura = -1;
        Calcular("Datosdelaseccion1", {{"Valor5", "100"}, {"Valor6", ""}}, 0, [&](QWidget* res) {
            PulsarYResponder(res, "BotonArea", [&](QWidget* selector) {
                abierta = selector->objectName();
                ranura = app.Estado.IndiceArmadura;
            });
        });
        QCOMPARE(abierta, QStringLiteral("VentanaArea"));
        QCOMPARE(ranura, 0);
    }

    // «Momento Agotamiento» sólo está a la vista para vigas.
    void MomentoAgotamientoSoloEnVigas() {
        bool visibleSoporte = true, visibleViga = false;
        ConfirmarParametros(app, 1);
        AbrirDesdeMenu(app, "Datosdelaseccion2", [&](QWidget* v) {
            visibleSoporte = Hijo<QPushButton>(v, "BotonMomento")->isVisible();
            v->close();
        });
        ConfirmarParametros(app, 0);
        AbrirDesdeMenu(app, "Datosdelaseccion2", [&](QWidget* v) {
            visibleViga = Hijo<QPushButton>(v, "BotonMomento")->isVisible();
            v->close();
        });
        QVERIFY(!visibleSoporte);
        QVERIFY(visibleViga);
    }

    // «Comparar normas» abre desde los resultados la tabla de las dos normas con la misma
    // sección (300 × 400, d = 370, HA-25, B 400 S, viga, Md = 100 kN·m). Con el Código
    // Estructural, a mano: 4047.6·x·(370 − 0.41597·x) = 10⁸ da x = 72.7 mm y A1 = Cc/fyd; sin
    // armadura mínima de compresión.
    void CompararNormasAbreLaTabla() {
        QStringList celdas;
        int filas = 0;
        Calcular("Datosdelaseccion1", {{"Valor5", "100"}, {"Valor6", ""}}, 0, [&](QWidget* res) {
            QCOMPARE(TextoEtiqueta(res, "EtiquetaNorma"), QStringLiteral("Norma: EHE-98"));
            PulsarYResponder(res, "BotonCompararNormas", [&](QWidget* tabla) {
                QCOMPARE(tabla->objectName(), QStringLiteral("VentanaComparacion"));
                auto* t = Hijo<QTableWidget>(tabla, "TablaComparacion");
                QVERIFY(t);
                filas = t->rowCount();
                for (int i = 0; i < t->rowCount(); ++i)
                    for (int j = 0; j < t->columnCount(); ++j)
                        celdas << (t->item(i, j) ? t->item(i, j)->text() : QString());
            });
        });
        QVERIFY(avisos->avisos.isEmpty());
        QCOMPARE(filas, 5);
        QCOMPARE(celdas.mid(0, 2), (QStringList{"A1", QString::fromUtf8("8.622 cm²")}));
        const double k = 17.0 / 21.0 * 25.0 / 1.5 * 300.0, a = 99.0 / 238.0;
        const double x = (370.0 - std::sqrt(370.0 * 370.0 - 4.0 * a * 1e8 / k)) / (2.0 * a);
        const double A1 = k * x / (400.0 / 1.15);
        QCOMPARE(celdas[2], QString::number(A1 * 0.01, 'f', 3) + QString::fromUtf8(" cm²"));
        QCOMPARE(celdas[3], QString::fromUtf8("%1 %").arg((A1 - 862.22) / 862.22 * 100.0, 0, 'f', 1));
        QCOMPARE(celdas.mid(4, 4), (QStringList{"A2", QString::fromUtf8("1.188 cm²"),
                                                QString::fromUtf8("0.000 cm²"),
                                                QString::fromUtf8("-100.0 %")}));
        QCOMPARE(celdas.mid(12, 4), (QStringList{QString::fromUtf8("Dominio de deformación"), "2",
                                                 "3", "distinto"}));
    }

    // Los formularios arrancan con los textos que da su descripción.
    void TextosDeArranque() {
        EstadoDiseno e;
        TDatosSeccion rectangular(e);
        TDatosSeccionT enT(e);
        TParametrosGenerales parametros(e);
        TVentanaArea area(e);
        QVERIFY(TextosDeArranqueIguales(&rectangular, CamposVentanaSeccion(TipoSeccion::Rectangular)));
        QVERIFY(TextosDeArranqueIguales(&enT, CamposVentanaSeccion(TipoSeccion::EnT)));
        const Campo resistencia[] = {CampoResistencia};
        QVERIFY(TextosDeArranqueIguales(&parametros, resistencia));
        QVERIFY(TextosDeArranqueIguales(&area, CamposArea));
    }

    // Datos fuera de su intervalo: un mensaje que nombra el campo y su intervalo, el foco en él
    // y ninguna ventana de resultados.
    void FueraDeIntervalo_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("defecto");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("bw 1e308") << "Datosdelaseccion2" << "Valorbw" << "1e308" << "0.20"
                                  << "Anchura del alma bw debe estar entre 0.01 y 20 m (se ha "
                                     "leído 1e+308 m).";
        QTest::newRow("hf -1e308") << "Datosdelaseccion2" << "Valorhf" << "-1e308" << "0.20"
                                   << "Canto de la cabeza hf debe estar entre 0.01 y 20 m (se "
                                      "ha leído -1e+308 m).";
        QTest::newRow("momento 3.4e38")
            << "Datosdelaseccion1" << "Valor5" << "3.4e38" << ""
            << "Momento flector debe estar entre -1e+06 y 1e+06 kN·m (se ha leído 3.4e+38 kN·m).";
    }
    void FueraDeIntervalo() {
        QFETCH(QString, menu);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, defecto);
        QFETCH(QString, mensaje);
        const QByteArray m = menu.toLatin1(), c = campo.toLatin1();
        bool abiertos = false, enfocado = false;
        AbrirDesdeMenu(app, m.constData(), [&](QWidget* ventana) {
            Teclear(ventana, c.constData(), texto);
            PulsarYResponder(ventana, "BotonCalcular", [&](QWidget*) { abiertos = true; });
            enfocado = ventana->focusWidget() == Hijo<QLineEdit>(ventana, c.constData());
            Teclear(ventana, c.constData(), defecto);
            ventana->close();
        });
        QVERIFY(!abiertos);
        QVERIFY(enfocado);
        QCOMPARE(avisos->avisos, QStringList{mensaje});
    }
};

QTEST_MAIN(DatosSeccionVentanaTest)
#include "DatosSeccionVentanaTest.moc"
