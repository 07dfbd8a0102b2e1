#include "report/DocumentoInforme.h"

#include "report/TextosSvg.h"

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
#include <memory>
#include <vector>

namespace velmora {

namespace {

constexpr int TipoSvg = QTextFormat::UserObject + 1;
constexpr int PropiedadSvg = QTextFormat::UserProperty + 1;

// Dibujos SVG dentro del texto: su tamaño es el del SVG (px de 96 ppp) en el dispositivo. Cada
// uno se lee una vez; la propiedad del formato es su número.
class ObjetoSvg : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    int Anadir(const QString& svg) {
        SvgSeparado separado = SepararTextos(svg);
        dibujos_.push_back({std::make_unique<QSvgRenderer>(separado.svg),
                            std::move(separado.textos)});
        return static_cast<int>(dibujos_.size()) - 1;
    }

    QSizeF intrinsicSize(QTextDocument* doc, int, const QTextFormat& formato) override {
        const Dibujo* d = Buscar(formato);
        if (!d)
            return {};
        const QPaintDevice* dispositivo = doc->documentLayout()->paintDevice();
        const double escala = dispositivo ? dispositivo->logicalDpiX() / 96.0 : 1.0;
        QSizeF t = QSizeF(d->pintor->defaultSize()) * escala;
        // Un dibujo más ancho que la caja de texto se reduce a su anchura.
        const double ancho = doc->pageSize().width() > 0 ? doc->pageSize().width() * 0.95 : 0.0;
        if (ancho > 0 && t.width() > ancho)
            t *= ancho / t.width();
        return t;
    }
    void drawObject(QPainter* pintor, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& formato) override {
        if (const Dibujo* d = Buscar(formato)) {
            d->pintor->render(pintor, rect);
            PintarTextos(*pintor, d->textos, d->pintor->viewBoxF(), rect);
        }
    }

private:
    struct Dibujo {
        std::unique_ptr<QSvgRenderer> pintor;
        std::vector<TextoSvg> textos;
    };
    const Dibujo* Buscar(const QTextFormat& formato) const {
        const int i = formato.intProperty(PropiedadSvg);
        return i >= 0 && i < static_cast<int>(dibujos_.size()) ? &dibujos_[static_cast<std::size_t>(i)]
                                                               : nullptr;
    }
    std::vector<Dibujo> dibujos_;
};

QString Marca(int i) {
    return QStringLiteral("VELMORASVG%1X").arg(i);
}

} // namespace

namespace {

// Qt no aplica el relleno de las celdas de la hoja de estilos: sin él, un nombre largo («Diámetro
// de la armadura de compresión (mm)») se junta con su valor. Cada columna salvo la última deja a
// su derecha el hueco que la hoja pide (10 pt).
void SepararColumnas(QTextDocument& doc) {
    constexpr double Hueco = 10.0 * 96.0 / 72.0; // 10 pt en las unidades del documento
    for (QTextFrame* marco : doc.rootFrame()->childFrames()) {
        auto* tabla = qobject_cast<QTextTable*>(marco);
        for (int f = 0; tabla && f < tabla->rows(); ++f)
            for (int c = 0; c + 1 < tabla->columns(); ++c) {
                QTextTableCell celda = tabla->cellAt(f, c);
                QTextTableCellFormat formato = celda.format().toTableCellFormat();
                if (formato.rightPadding() >= Hueco)
                    continue;
                formato.setRightPadding(Hueco);
                celda.setFormat(formato);
            }
    }
}

} // namespace

// Una sola pasada por el texto y por el documento: con cientos de dibujos, buscar cada marca
// desde el principio y recomponer el documento tras cada inserción crecía con el cuadrado.
void CargarInforme(QTextDocument& doc, const QString& html) {
    static const QRegularExpression svg(QStringLiteral("<svg[\\s\\S]*?</svg>"));
    QStringList dibujos;
    const QString texto = Sustituir(html, svg, [&](const QRegularExpressionMatch& m) {
        dibujos << m.captured();
        return std::optional<QString>(Marca(static_cast<int>(dibujos.size()) - 1));
    });
    auto* objeto = new ObjetoSvg(&doc);
    doc.documentLayout()->registerHandler(TipoSvg, objeto);
    doc.setHtml(texto);
    QTextCursor edicion(&doc);
    edicion.beginEditBlock(); // el documento se recompone una vez, al final
    QTextCursor c(&doc);
    for (int i = 0; i < dibujos.size(); ++i) {
        const QTextCursor hallado = doc.find(Marca(i), c);
        if (hallado.isNull())
            continue;
        c = hallado;
        QTextCharFormat f;
        f.setObjectType(TipoSvg);
        f.setProperty(PropiedadSvg, objeto->Anadir(dibujos[i]));
        c.insertText(QString(QChar::ObjectReplacementCharacter), f);
    }
    SepararColumnas(doc);
    edicion.endEditBlock();
    // Las letras colocadas al componer se guardan para pintar: si no, se colocan otra vez.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (QTextLayout* capa = b.layout())
            capa->setCacheEnabled(true);
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

// El corte de la página que empieza en `inicio`: el más bajo, no más allá de `fin`, que no parte
// ningún tramo que empiece en la página. Los tramos van ordenados por su arriba; sólo se miran los
// de la página, así que cortar todo el documento lleva un tiempo proporcional a sus páginas.
double Corte(const std::vector<Tramo>& tramos, double inicio, double fin) {
    auto it = std::upper_bound(tramos.begin(), tramos.end(), inicio,
                               [](double y, const Tramo& t) { return y < t.arriba; });
    double maximo = -1e300; // el abajo más bajo de los tramos que empiezan antes del candidato
    double corte = fin;
    while (it != tramos.end() && it->arriba < fin) {
        const double candidato = it->arriba;
        if (maximo <= candidato)
            corte = candidato;
        for (; it != tramos.end() && it->arriba == candidato; ++it)
            maximo = std::max(maximo, it->abajo);
    }
    return maximo <= fin ? fin : corte;
}

} // namespace

std::vector<double> CortesDePagina(const QTextDocument& doc, double alto) {
    std::vector<Tramo> tramos = TramosSinCorte(doc);
    std::sort(tramos.begin(), tramos.end(),
              [](const Tramo& a, const Tramo& b) { return a.arriba < b.arriba; });
    const double total = doc.documentLayout()->documentSize().height();
    std::vector<double> cortes{0.0};
    while (total - cortes.back() > alto) {
        const double inicio = cortes.back();
        const double fin = Corte(tramos, inicio, inicio + alto);
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
