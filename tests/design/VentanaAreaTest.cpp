// Selector de área de barras manejado por sus controles y por el protocolo de los llamadores.

#include "design/VentanaArea.h"
#include "design/EstadoDiseno.h"
#include "design/Ranuras.h"
#include "documento/Contexto.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace velmora;

class PruebaVentanaArea : public QObject {
    Q_OBJECT

    // La ventana sólo recibe el estado de diseño.
    struct {
        EstadoDiseno Estado;
    } app_;
    TVentanaArea* ventana_ = nullptr;

    template <typename T> T* Control(const QString& nombre) { return Hijo<T>(ventana_, nombre); }
    QLineEdit* Numero(int j) {
        return Control<QLineEdit>(QStringLiteral("NumeroRedondos0%1").arg(j));
    }
    QComboBox* Diametro(int j) { return Control<QComboBox>(QStringLiteral("Diametro0%1").arg(j)); }
    QString Area() { return Control<QLabel>(QStringLiteral("EtiquetaArea"))->text(); }
    void Escribir(QLineEdit* editor, const QString& texto) {
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, texto);
    }
    void Escribir(QComboBox* caja, const QString& texto) { Escribir(caja->lineEdit(), texto); }
    void Grupos(int n) {
        auto* contador = Control<QSpinBox>(QStringLiteral("Contador01"));
        while (contador->value() < n)
            QTest::keyClick(contador, Qt::Key_Up);
        while (contador->value() > n)
            QTest::keyClick(contador, Qt::Key_Down);
    }
    bool FilaVisible(int j) {
        return Numero(j)->isVisibleTo(ventana_) && Diametro(j)->isVisibleTo(ventana_) &&
               Control<QLabel>(QStringLiteral("Etiqueta0%1").arg(j))->isVisibleTo(ventana_);
    }
    void Abrir(int ranura) {
        ventana_->hide();
        app_.Estado.IndiceArmadura = ranura;
        ventana_->show();
    }

private slots:
    void init() {
        app_.Estado = EstadoDiseno{};
        InicializarTablas(app_.Estado);
        ventana_ = new TVentanaArea(app_.Estado);
    }
    void cleanup() {
        delete ventana_;
        ventana_ = nullptr;
    }

    void AntesDeAbrirseYAlAbrirse() {
        QCOMPARE(ventana_->windowTitle(), QStringLiteral("Área de armaduras"));
        QCOMPARE(Area(), QStringLiteral("1.0"));
        auto* contador = Control<QSpinBox>(QStringLiteral("Contador01"));
        QCOMPARE(contador->minimum(), 1);
        QCOMPARE(contador->maximum(), 3);
        const QStringList diametros{"6", "8", "10", "12", "14", "16", "20", "25", "32", "40"};
        for (int i = 0; i < diametros.size(); ++i)
            QCOMPARE(Diametro(1)->itemText(i), diametros[i]);

        Abrir(4);
        QCOMPARE(Area(), QStringLiteral("    0.7854"));
        QCOMPARE(ventana_->TextoArea(), QStringLiteral("    0.7854"));
        QCOMPARE(Numero(1)->text(), QStringLiteral("1"));
        QCOMPARE(Diametro(1)->currentText(), QStringLiteral("10"));
        QVERIFY(FilaVisible(1));
        QVERIFY(!FilaVisible(2));
        QVERIFY(!FilaVisible(3));
        QCOMPARE(ventana_->focusWidget(), Control<QPushButton>(QStringLiteral("BotonOK")));
    }

    void OrdenDeTabulacion() {
        const QStringList orden{"Contador01",       "NumeroRedondos01", "Diametro01",
                                "NumeroRedondos02", "Diametro02",       "NumeroRedondos03",
                                "Diametro03",       "BotonOK",          "BotonCancel"};
        QStringList visto;
        QWidget* w = Control<QWidget>(orden[0]);
        for (int paso = 0; paso < 100 && visto.size() < orden.size();
             ++paso, w = w->nextInFocusChain())
            if (orden.contains(w->objectName()) && !visto.contains(w->objectName()))
                visto << w->objectName();
        QCOMPARE(visto, orden);
    }

    void DosGruposEscritos() {
        Abrir(1);
        Grupos(2);
        QVERIFY(FilaVisible(2));
        // El grupo que aparece cuenta en seguida con lo guardado (1Ø10).
        QCOMPARE(Area(), QStringLiteral("    1.5708"));
        Escribir(Numero(1), QStringLiteral("3"));
        Escribir(Diametro(1), QStringLiteral("12"));
        Escribir(Numero(2), QStringLiteral("2"));
        QCOMPARE(Area(), QStringLiteral("    4.9637"));
        QCOMPARE(app_.Estado.Barras[1][0].Numero, 3);
        QCOMPARE(app_.Estado.Barras[1][0].Diametro, 12);
        QVERIFY(std::abs(app_.Estado.AreaTotal - 496.372) < 1e-3);
        QCOMPARE(TextoArmadura(app_.Estado, 1), std::string("3Ø12+2Ø10"));
        // Un diámetro que no está en la lista también vale.
        Escribir(Diametro(2), QStringLiteral("18"));
        QCOMPARE(app_.Estado.Barras[1][1].Diametro, 18);
        // Las demás ranuras no cambian.
        QCOMPARE(app_.Estado.Barras[0][0].Numero, 1);
        QCOMPARE(app_.Estado.NumeroDiametros[0], 1);
    }

    void NumerosConFraccion_data() {
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<int>("guardado");
        QTest::addColumn<QString>("queda");
        QTest::newRow("2.5 se guarda y se reescribe como 2") << "2.5" << 2 << "2";
        QTest::newRow("coma decimal") << "3,9" << 3 << "3";
    }
    void NumerosConFraccion() {
        QFETCH(QString, escrito);
        QFETCH(int, guardado);
        QFETCH(QString, queda);
        Abrir(2);
        Escribir(Numero(1), escrito);
        QCOMPARE(app_.Estado.Barras[2][0].Numero, guardado);
        QCOMPARE(Numero(1)->text(), queda);
        QCOMPARE(Area(), QString::fromStdString(TextoAreaTotal(app_.Estado)));
        QVERIFY(!Control<QLabel>(QStringLiteral("EtiquetaAviso"))->isVisibleTo(ventana_));
    }

    void BajarYSubirElContador() {
        Abrir(0);
        Grupos(3);
        Escribir(Numero(2), QStringLiteral("4"));
        Escribir(Diametro(2), QStringLiteral("16"));
        Escribir(Numero(3), QStringLiteral("5"));
        Escribir(Diametro(3), QStringLiteral("20"));
        const QString conTres = Area();
        Grupos(1);
        QVERIFY(!FilaVisible(2));
        QVERIFY(!FilaVisible(3));
        QCOMPARE(Area(), QStringLiteral("    0.7854"));
        QCOMPARE(app_.Estado.NumeroDiametros[0], 1);
        // Los grupos ocultos conservan sus valores y vuelven al subir el contador.
        Grupos(3);
        QCOMPARE(Numero(2)->text(), QStringLiteral("4"));
        QCOMPARE(Diametro(2)->currentText(), QStringLiteral("16"));
        QCOMPARE(Numero(3)->text(), QStringLiteral("5"));
        QCOMPARE(Diametro(3)->currentText(), QStringLiteral("20"));
        QCOMPARE(Area(), conTres);
    }

    // El tercer grupo, el último de la ranura, llega del selector al volcado de velmora-calc
    // sin perderse ni pisar la ranura siguiente.
    void TercerGrupoHastaElVolcado() {
        ResponderModal([this](QWidget*) {
            Grupos(3);
            Escribir(Numero(1), QStringLiteral("1"));
            Escribir(Diametro(1), QStringLiteral("6"));
            Escribir(Numero(2), QStringLiteral("2"));
            Escribir(Diametro(2), QStringLiteral("8"));
            Escribir(Numero(3), QStringLiteral("3"));
            Escribir(Diametro(3), QStringLiteral("20"));
            QTest::mouseClick(Control<QPushButton>(QStringLiteral("BotonOK")), Qt::LeftButton);
        });
        QVERIFY(ventana_->Seleccionar(3));
        // 1Ø6 + 2Ø8 + 3Ø20 = π/4·(36 + 128 + 1200) = 341π mm² = 10.7128 cm²
        QCOMPARE(ventana_->TextoArea(), QStringLiteral("   10.7128"));
        QCOMPARE(TextoArmadura(app_.Estado, 3), std::string("1Ø6+2Ø8+3Ø20"));
        const Json volcado = VolcarEstado(app_.Estado);
        const auto ranura = [&volcado](const char* tabla, int k) {
            return QString::fromStdString(volcado[tabla][static_cast<std::size_t>(k)].dump());
        };
        QCOMPARE(ranura("NumeroDiametros", 3), QStringLiteral("3"));
        QCOMPARE(ranura("NumeroBarras", 3), QStringLiteral(R"({"1":1,"2":2,"3":3})"));
        QCOMPARE(ranura("DiametroBarras", 3), QStringLiteral(R"({"1":6,"2":8,"3":20})"));
        QCOMPARE(ranura("NumeroBarras", 4), QStringLiteral(R"({"1":1,"2":1,"3":1})"));
        QCOMPARE(ranura("DiametroBarras", 4), QStringLiteral(R"({"1":10,"2":10,"3":10})"));
    }

    void DatoQueNoEsNumero() {
        Abrir(3);
        Escribir(Numero(1), QStringLiteral("4"));
        Numero(1)->setText(QStringLiteral("cuatro")); // pegado de una vez
        auto* aviso = Control<QLabel>(QStringLiteral("EtiquetaAviso"));
        QVERIFY(aviso->isVisibleTo(ventana_));
        QVERIFY2(aviso->text().contains(QStringLiteral("«Número de barras (fila 1)»")),
                 qPrintable(aviso->text()));
        // La ranura conserva el último valor válido; el área de ese valor no es la de lo escrito
        // y no se muestra (el aviso en rojo dice por qué).
        QCOMPARE(app_.Estado.Barras[3][0].Numero, 4);
        QCOMPARE(Area(), QString());

        // OK no acepta un dato que no se ha podido leer.
        RecogerAvisos avisos;
        QTest::mouseClick(Control<QPushButton>(QStringLiteral("BotonOK")), Qt::LeftButton);
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY(ventana_->isVisible());
        QCOMPARE(ventana_->focusWidget(), Numero(1));

        Escribir(Diametro(1), QStringLiteral("12.5"));
        QCOMPARE(app_.Estado.Barras[3][0].Diametro, 12); // lo último legible: «12.»
        Escribir(Numero(1), QStringLiteral("2"));
        QVERIFY2(aviso->text().contains(QStringLiteral("«Diámetro (fila 1)»")),
                 qPrintable(aviso->text()));
        Escribir(Diametro(1), QStringLiteral("12"));
        QVERIFY(!aviso->isVisibleTo(ventana_));
        QCOMPARE(Area(), QStringLiteral("    2.2619"));
    }

    // Barras o diámetros negativos no se admiten, y un diámetro rechazado no deja a la vista el
    // área del anterior.
    void NegativosYExcesosRechazados_data() {
        QTest::addColumn<bool>("diametro");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("-3 barras") << false << "-3"
                                   << "«Número de barras (fila 1)» debe estar entre 0 y 9999";
        QTest::newRow("-16 mm") << true << "-16"
                                << "«Diámetro (fila 1)» debe estar entre 1 y 999 mm";
        QTest::newRow("1000 mm") << true << "1000"
                                 << "«Diámetro (fila 1)» debe estar entre 1 y 999 mm";
    }
    void NegativosYExcesosRechazados() {
        QFETCH(bool, diametro);
        QFETCH(QString, escrito);
        QFETCH(QString, aviso);
        Abrir(4);
        Escribir(Numero(1), QStringLiteral("3"));
        Escribir(Diametro(1), QStringLiteral("16"));
        QCOMPARE(Area(), QStringLiteral("    6.0319")); // 3·π·16²/4 = 603.19 mm²
        if (diametro)
            Escribir(Diametro(1), escrito);
        else
            Escribir(Numero(1), escrito);
        auto* etiqueta = Control<QLabel>(QStringLiteral("EtiquetaAviso"));
        QVERIFY(etiqueta->isVisibleTo(ventana_));
        QVERIFY2(etiqueta->text().contains(aviso), qPrintable(etiqueta->text()));
        QCOMPARE(Area(), QString());
        // Lo último válido al teclear: el campo vacío (0 barras) o «100» camino de «1000».
        QCOMPARE(app_.Estado.Barras[4][0].Numero, diametro ? 3 : 0);
        QCOMPARE(app_.Estado.Barras[4][0].Diametro, escrito == QStringLiteral("1000") ? 100 : 16);
        // OK no pasa el dato rechazado a las demás ventanas.
        RecogerAvisos avisos;
        QTest::mouseClick(Control<QPushButton>(QStringLiteral("BotonOK")), Qt::LeftButton);
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY(ventana_->isVisible());
    }

    void ProtocoloDeLosLlamadores() {
        // OK: el llamador recibe el área y la descripción de su ranura.
        ResponderModal([this](QWidget* w) {
            QCOMPARE(w, static_cast<QWidget*>(ventana_));
            Grupos(2);
            Escribir(Numero(1), QStringLiteral("2"));
            Escribir(Diametro(1), QStringLiteral("12"));
            Escribir(Numero(2), QStringLiteral("3"));
            QTest::mouseClick(Control<QPushButton>(QStringLiteral("BotonOK")), Qt::LeftButton);
        });
        QVERIFY(ventana_->Seleccionar(1));
        QCOMPARE(app_.Estado.IndiceArmadura, 1);
        QVERIFY(std::abs(app_.Estado.AreaTotal - (2 * 113.0973 + 3 * 78.5398)) < 1e-3);
        QCOMPARE(TextoArmadura(app_.Estado, 1), std::string("2Ø12+3Ø10"));

        // Cancelar: el llamador no toma nada, pero la ranura guarda lo editado.
        ResponderModal([this](QWidget*) {
            Escribir(Numero(2), QStringLiteral("5"));
            QTest::mouseClick(Control<QPushButton>(QStringLiteral("BotonCancel")), Qt::LeftButton);
        });
        QVERIFY(!ventana_->Seleccionar(1));
        QCOMPARE(app_.Estado.Barras[1][1].Numero, 5);

        // Otra ranura en medio no mezcla valores; al volver a la 1 aparece lo editado.
        ResponderModal([this](QWidget* w) {
            QCOMPARE(Numero(1)->text(), QStringLiteral("1"));
            QVERIFY(!FilaVisible(2));
            w->close();
        });
        QVERIFY(!ventana_->Seleccionar(2));
        QString visto;
        ResponderModal([this, &visto](QWidget*) {
            visto = Numero(2)->text();
            QTest::mouseClick(Control<QPushButton>(QStringLiteral("BotonOK")), Qt::LeftButton);
        });
        QVERIFY(ventana_->Seleccionar(1));
        QCOMPARE(visto, QStringLiteral("5"));
        QCOMPARE(ventana_->TextoArea(), QStringLiteral("    6.1889"));
    }
};

QTEST_MAIN(PruebaVentanaArea)
#include "VentanaAreaTest.moc"
