// Sólo con los saneadores: un objeto que se pierde a propósito en una ranura que Qt llama desde
// su bucle de eventos tiene que salir en el informe de LeakSanitizer con las supresiones de las
// pruebas de ventanas puestas. Si tests/lsan.supp lo escondiera, escondería también las fugas
// de verdad de las ventanas, que hacen su trabajo en esas mismas ranuras.
//
// Un QWidget perdido no sirve de prueba: Qt guarda todos los widgets vivos en una lista global,
// y LeakSanitizer no ve como fuga nada que siga alcanzable.

#include <QTest>
#include <QTimer>

namespace {

QObject* volatile perdido = nullptr;

// La prueba de ctest busca este nombre en el informe de la fuga.
[[gnu::noinline]] void FugaAProposito() {
    perdido = new QTimer;
    perdido = nullptr;
}

} // namespace

class PruebaFugaPropia : public QObject {
    Q_OBJECT

private slots:
    void ObjetoPerdidoEnUnaRanura() {
        bool hecho = false;
        QTimer::singleShot(0, this, [&] {
            FugaAProposito();
            hecho = true;
        });
        QTRY_VERIFY(hecho);
    }
};

QTEST_MAIN(PruebaFugaPropia)
#include "FugaPropiaTest.moc"
