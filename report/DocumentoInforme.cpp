#include "report/DocumentoInforme.h"

#include "report/MaquetaInforme.h"
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
// Caracteres de HTML que, al menos, se componen de una vez (unas decenas de pasos de cálculo).
constexpr qsizetype TamanoDeTrozo = 65536;

// Dibujos SVG dentro del texto: su tamaño es el del SVG (px de 96 ppp) en el dispositivo. Cada
// uno se lee una vez; la propiedad del formato es su número.
class ObjetoSvg : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    int Anadir(const QString& svg) {
        SvgSeparado separado = SepararTextos(svg);
        dibujos_.push_back(
            {std::make_unique<QSvgRenderer>(separado.svg), std::move(separado.textos)});
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
        return i >= 0 && i < static_cast<int>(dibujos_.size())
                   ? &dibujos_[static_cast<std::size_t>(i)]
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

namespace {

// Una sola pasada por el texto y por el documento: con cientos de dibujos, buscar cada marca
// desde el principio y recomponer el documento tras cada inserción crecía con el cuadrado.
void Cargar(QTextDocument& doc, const QString& html, ObjetoSvg& objeto) {
    static const QRegularExpression svg(QStringLiteral("<svg[\\s\\S]*?</svg>"));
    QStringList dibujos;
    const QString texto = Sustituir(html, svg, [&](const QRegularExpressionMatch& m) {
        dibujos << m.captured();
        return std::optional<QString>(Marca(static_cast<int>(dibujos.size()) - 1));
    });
    doc.documentLayout()->registerHandler(TipoSvg, &objeto);
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
        f.setProperty(PropiedadSvg, objeto.Anadir(dibujos[i]));
        c.insertText(QString(QChar::ObjectReplacementCharacter), f);
    }
    SepararColumnas(doc);
    edicion.endEditBlock();
}

} // namespace

void CargarInforme(QTextDocument& doc, const QString& html) {
    Cargar(doc, html, *new ObjetoSvg(&doc));
}

QStringList TrozosDeMemoria(const QString& html, qsizetype tamano) {
    static const QString Cuerpo = QStringLiteral("<body>\n"), FinCuerpo = QStringLiteral("</body>"),
                         Capitulo = QStringLiteral("\n<h2>");
    const qsizetype abre = html.indexOf(Cuerpo);
    const qsizetype cierra = html.lastIndexOf(FinCuerpo);
    if (abre < 0 || cierra < abre)
        return {html};
    const qsizetype inicio = abre + Cuerpo.size();
    const QStringView cabeza = QStringView(html).left(inicio);
    const QStringView pie = QStringView(html).mid(cierra);
    QStringList trozos;
    qsizetype desde = inicio;
    while (desde < cierra) {
        qsizetype hasta = desde + std::max<qsizetype>(tamano, 1);
        if (hasta >= cierra)
            hasta = cierra;
        else if (const qsizetype h = html.indexOf(Capitulo, hasta); h >= 0 && h < cierra)
            hasta = h + 1; // el trozo acaba justo antes del título del capítulo siguiente
        else
            hasta = cierra;
        QString trozo;
        trozo.reserve(cabeza.size() + (hasta - desde) + pie.size());
        trozo.append(cabeza).append(QStringView(html).mid(desde, hasta - desde)).append(pie);
        trozos << trozo;
        desde = hasta;
    }
    if (trozos.isEmpty())
        trozos << html;
    return trozos;
}

namespace {

// Para imprimir, el documento sólo se lee: lo compone la maqueta. Con el QTextDocumentLayout de
// Qt, el documento se volvería a componer, en balde, tras cada cambio.
class SinComponer : public QAbstractTextDocumentLayout {
public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;
    void draw(QPainter*, const PaintContext&) override {}
    int hitTest(const QPointF&, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return {}; }
    QRectF frameBoundingRect(QTextFrame*) const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock&) const override { return {}; }

protected:
    void documentChanged(int, int, int) override {}
};

} // namespace

// La memoria se compone por trozos de unos capítulos: cada trozo se carga en un documento que se
// suelta en cuanto está colocado en la tira, así que el tiempo de cada página no crece con la
// memoria.
int ImprimirInforme(const QString& html, QPagedPaintDevice& dispositivo) {
    const double ppp = dispositivo.logicalDpiY();
    const double pie = ppp * 0.35; // espacio del pie, en puntos del dispositivo
    const QSizeF pagina(dispositivo.width(), dispositivo.height() - pie);
    ObjetoSvg dibujos; // de todos los trozos: se pintan cuando sus documentos ya no están
    // La memoria se compone como una tira continua y se corta en páginas aquí, para que ningún
    // paso de cálculo quede partido entre dos.
    MaquetaInforme maqueta(dispositivo, pagina.width());
    for (const QString& trozo : TrozosDeMemoria(html, TamanoDeTrozo)) {
        QTextDocument doc;
        doc.setDocumentLayout(new SinComponer(&doc));
        Cargar(doc, trozo, dibujos);
        doc.documentLayout()->setPaintDevice(&dispositivo);
        doc.setPageSize(QSizeF(pagina.width(), -1));
        maqueta.Anadir(doc);
    }
    const std::vector<double> cortes = maqueta.Cortes(pagina.height());
    const int paginas = static_cast<int>(cortes.size()) - 1;
    QPainter pintor(&dispositivo);
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setPointSizeF(8);
    for (int i = 0; i < paginas; ++i) {
        if (i > 0)
            dispositivo.newPage();
        maqueta.Pintar(pintor, cortes[static_cast<std::size_t>(i)],
                       cortes[static_cast<std::size_t>(i) + 1]);
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
        ImprimirInforme(html, pdf);
    }
    if (!fichero.commit()) {
        error = QStringLiteral("No se puede escribir «%1»: %2").arg(ruta, fichero.errorString());
        return false;
    }
    return true;
}

} // namespace velmora

#include "DocumentoInforme.moc"
