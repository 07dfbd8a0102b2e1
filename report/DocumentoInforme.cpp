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
#include <QTextTable>

#include <algorithm>
#include <vector>

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

namespace {

// Tramo vertical del documento que no se puede partir entre dos páginas.
struct Tramo {
    double arriba, abajo;
};

QRectF Rectangulo(const QTextDocument& doc, const QTextBlock& b) {
    return doc.documentLayout()->blockBoundingRect(b);
}

// Lo que no se parte: cada línea de texto (con sus dibujos), cada fila de una tabla (un paso de
// la memoria con su descripción, su fórmula y su artículo) y cada título con lo que le sigue.
std::vector<Tramo> TramosSinCorte(const QTextDocument& doc) {
    std::vector<Tramo> tramos;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QRectF r = Rectangulo(doc, b);
        const QTextLayout* capa = b.layout();
        for (int i = 0; capa && i < capa->lineCount(); ++i) {
            const QTextLine linea = capa->lineAt(i);
            tramos.push_back({r.top() + linea.y(), r.top() + linea.y() + linea.height()});
        }
        if (b.blockFormat().headingLevel() > 0 && b.next().isValid()) {
            const QTextBlock siguiente = b.next();
            const QTextLayout* c = siguiente.layout();
            const double alto = c && c->lineCount() > 0 ? c->lineAt(0).height() : 0.0;
            tramos.push_back({r.top(), Rectangulo(doc, siguiente).top() + alto});
        }
    }
    for (QTextFrame* marco : doc.rootFrame()->childFrames()) {
        auto* tabla = qobject_cast<QTextTable*>(marco);
        for (int f = 0; tabla && f < tabla->rows(); ++f) {
            Tramo fila{1e300, -1e300};
            for (int c = 0; c < tabla->columns(); ++c) {
                const QTextTableCell celda = tabla->cellAt(f, c);
                const QTextBlock primero = doc.findBlock(celda.firstPosition());
                const QTextBlock ultimo = doc.findBlock(celda.lastPosition());
                fila.arriba = std::min(fila.arriba, Rectangulo(doc, primero).top());
                fila.abajo = std::max(fila.abajo, Rectangulo(doc, ultimo).bottom());
            }
            if (fila.abajo > fila.arriba)
                tramos.push_back(fila);
        }
    }
    return tramos;
}

} // namespace

std::vector<double> CortesDePagina(const QTextDocument& doc, double alto) {
    const std::vector<Tramo> tramos = TramosSinCorte(doc);
    const double total = doc.documentLayout()->documentSize().height();
    std::vector<double> cortes{0.0};
    while (total - cortes.back() > alto) {
        const double inicio = cortes.back();
        double fin = inicio + alto;
        for (bool movido = true; movido;) {
            movido = false;
            for (const Tramo& t : tramos)
                if (t.arriba > inicio && t.arriba < fin && t.abajo > fin) {
                    fin = t.arriba;
                    movido = true;
                }
        }
        cortes.push_back(fin > inicio + alto * 0.2 ? fin : inicio + alto);
    }
    cortes.push_back(total);
    return cortes;
}

int PintarInforme(QTextDocument& doc, QPagedPaintDevice& dispositivo) {
    doc.documentLayout()->setPaintDevice(&dispositivo);
    const double ppp = dispositivo.logicalDpiY();
    const double pie = ppp * 0.35; // espacio del pie, en puntos del dispositivo
    const QSizeF pagina(dispositivo.width(), dispositivo.height() - pie);
    // El documento se compone como una tira continua y se corta en páginas aquí, para que ningún
    // paso de cálculo quede partido entre dos.
    doc.setPageSize(QSizeF(pagina.width(), -1));
    doc.setTextWidth(pagina.width());
    const std::vector<double> cortes = CortesDePagina(doc, pagina.height());
    const int paginas = static_cast<int>(cortes.size()) - 1;
    QPainter pintor(&dispositivo);
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setPointSizeF(8);
    for (int i = 0; i < paginas; ++i) {
        if (i > 0)
            dispositivo.newPage();
        const double arriba = cortes[static_cast<std::size_t>(i)];
        const double abajo = cortes[static_cast<std::size_t>(i) + 1];
        pintor.save();
        pintor.translate(0, -arriba);
        doc.drawContents(&pintor, QRectF(0, arriba, pagina.width(), abajo - arriba));
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
