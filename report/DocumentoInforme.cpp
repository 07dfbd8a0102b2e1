#include "report/DocumentoInforme.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace velmora {

namespace {

constexpr int TipoSvg = QTextFormat::UserObject + 1;
constexpr int PropiedadSvg = QTextFormat::UserProperty + 1;

// Dibujo SVG dentro del texto: su tamaño es el del SVG (px de 96 ppp) en el dispositivo.
class ObjetoSvg : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* doc, int, const QTextFormat& formato) override {
        QSvgRenderer r(formato.property(PropiedadSvg).toByteArray());
        const QPaintDevice* d = doc->documentLayout()->paintDevice();
        const double escala = d ? d->logicalDpiX() / 96.0 : 1.0;
        QSizeF t = QSizeF(r.defaultSize()) * escala;
        // Un dibujo más ancho que la caja de texto se reduce a su anchura.
        const double ancho = doc->pageSize().width() > 0 ? doc->pageSize().width() * 0.95 : 0.0;
        if (ancho > 0 && t.width() > ancho)
            t *= ancho / t.width();
        return t;
    }
    void drawObject(QPainter* pintor, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& formato) override {
        QSvgRenderer r(formato.property(PropiedadSvg).toByteArray());
        r.render(pintor, rect);
    }
};

QString Marca(int i) {
    return QStringLiteral("VELMORASVG%1X").arg(i);
}

} // namespace

void CargarInforme(QTextDocument& doc, const QString& html) {
    static const QRegularExpression svg(QStringLiteral("<svg[\\s\\S]*?</svg>"));
    QStringList dibujos;
    QString texto = html;
    for (;;) {
        const auto m = svg.match(texto);
        if (!m.hasMatch())
            break;
        texto.replace(m.capturedStart(), m.capturedLength(),
                      Marca(static_cast<int>(dibujos.size())));
        dibujos << m.captured();
    }
    auto* objeto = new ObjetoSvg(&doc);
    doc.documentLayout()->registerHandler(TipoSvg, objeto);
    doc.setHtml(texto);
    for (int i = 0; i < dibujos.size(); ++i) {
        QTextCursor c = doc.find(Marca(i));
        if (c.isNull())
            continue;
        QTextCharFormat f;
        f.setObjectType(TipoSvg);
        f.setProperty(PropiedadSvg, dibujos[i].toUtf8());
        c.insertText(QString(QChar::ObjectReplacementCharacter), f);
    }
}

int PintarInforme(QTextDocument& doc, QPagedPaintDevice& dispositivo) {
    doc.documentLayout()->setPaintDevice(&dispositivo);
    const double ppp = dispositivo.logicalDpiY();
    const double pie = ppp * 0.35; // espacio del pie, en puntos del dispositivo
    const QSizeF pagina(dispositivo.width(), dispositivo.height() - pie);
    doc.setPageSize(pagina);
    const int paginas = doc.pageCount();
    QPainter pintor(&dispositivo);
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setPointSizeF(8);
    for (int i = 0; i < paginas; ++i) {
        if (i > 0)
            dispositivo.newPage();
        pintor.save();
        pintor.translate(0, -i * pagina.height());
        doc.drawContents(&pintor, QRectF(QPointF(0, i * pagina.height()), pagina));
        pintor.restore();
        pintor.setFont(letra);
        pintor.setPen(QColor(80, 80, 80));
        pintor.drawText(QRectF(0, pagina.height(), pagina.width(), pie), Qt::AlignCenter,
                        QStringLiteral("Página %1 de %2").arg(i + 1).arg(paginas));
    }
    return paginas;
}

bool EscribirPdfInforme(const QString& html, const QString& ruta, QString& error) {
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("No se puede escribir «%1»: %2").arg(ruta, fichero.errorString());
        return false;
    }
    {
        QPdfWriter pdf(&fichero);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(18, 18, 18, 14), QPageLayout::Millimeter));
        pdf.setResolution(600);
        pdf.setTitle(QStringLiteral("Memoria de cálculo"));
        pdf.setCreator(QStringLiteral("Velmora"));
        QTextDocument doc;
        CargarInforme(doc, html);
        PintarInforme(doc, pdf);
    }
    if (!fichero.commit()) {
        error = QStringLiteral("No se puede escribir «%1»: %2").arg(ruta, fichero.errorString());
        return false;
    }
    return true;
}

} // namespace velmora

#include "DocumentoInforme.moc"
