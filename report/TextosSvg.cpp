#include "report/TextosSvg.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QRegularExpression>

#include <optional>

namespace velmora {

namespace {

// Los atributos «nombre="valor"» de una etiqueta.
std::vector<std::pair<QString, QString>> Atributos(const QString& etiqueta) {
    static const QRegularExpression atributo(QStringLiteral("([\\w:-]+)=\"([^\"]*)\""));
    std::vector<std::pair<QString, QString>> r;
    for (auto it = atributo.globalMatch(etiqueta); it.hasNext();) {
        const auto m = it.next();
        r.emplace_back(m.captured(1), m.captured(2));
    }
    return r;
}

// Texto de XML sin sus entidades (&amp; &lt; &gt; &quot; &apos; y numéricas).
std::optional<QString> Desescapar(const QString& texto) {
    if (texto.contains(QLatin1Char('<')))
        return std::nullopt;
    static const QRegularExpression entidad(QStringLiteral("&(#x[0-9a-fA-F]+|#[0-9]+|\\w+);"));
    QString r;
    qsizetype desde = 0;
    for (auto it = entidad.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        r += QStringView(texto).mid(desde, m.capturedStart() - desde);
        const QString e = m.captured(1);
        bool ok = true;
        char32_t c = 0;
        if (e.startsWith(QLatin1String("#x")))
            c = e.mid(2).toUInt(&ok, 16);
        else if (e.startsWith(QLatin1Char('#')))
            c = e.mid(1).toUInt(&ok, 10);
        else if (e == QLatin1String("amp"))
            c = '&';
        else if (e == QLatin1String("lt"))
            c = '<';
        else if (e == QLatin1String("gt"))
            c = '>';
        else if (e == QLatin1String("quot"))
            c = '"';
        else if (e == QLatin1String("apos"))
            c = '\'';
        else
            ok = false;
        if (!ok || c == 0 || c > 0x10FFFF)
            return std::nullopt;
        r += QString::fromUcs4(&c, 1);
        desde = m.capturedEnd();
    }
    r += QStringView(texto).mid(desde);
    return r;
}

// Los tramos del contenido de un <text>: texto suelto y <tspan font-size="…">…</tspan>.
std::optional<std::vector<TrozoSvg>> Trozos(const QString& contenido, double tamano) {
    static const QRegularExpression tspan(
        QStringLiteral("<tspan font-size=\"([0-9.]+)\">([^<]*)</tspan>"));
    std::vector<TrozoSvg> r;
    qsizetype desde = 0;
    const auto suelto = [&](qsizetype hasta) {
        const auto t = Desescapar(contenido.mid(desde, hasta - desde));
        if (t && !t->isEmpty())
            r.push_back({*t, tamano});
        return t.has_value();
    };
    for (auto it = tspan.globalMatch(contenido); it.hasNext();) {
        const auto m = it.next();
        const auto t = Desescapar(m.captured(2));
        bool ok = false;
        const double t2 = m.captured(1).toDouble(&ok);
        if (!suelto(m.capturedStart()) || !t || !ok || !(t2 > 0))
            return std::nullopt;
        r.push_back({*t, t2});
        desde = m.capturedEnd();
    }
    if (!suelto(contenido.size()))
        return std::nullopt;
    return r;
}

std::optional<TextoSvg> LeerTexto(const QString& etiqueta, const QString& contenido) {
    TextoSvg t;
    double tamano = 16; // el de SVG si no se da
    bool x = false, y = false;
    for (const auto& [nombre, valor] : Atributos(etiqueta)) {
        bool ok = true;
        if (nombre == QLatin1String("x"))
            t.punto.setX(valor.toDouble(&ok)), x = true;
        else if (nombre == QLatin1String("y"))
            t.punto.setY(valor.toDouble(&ok)), y = true;
        else if (nombre == QLatin1String("font-size"))
            tamano = valor.toDouble(&ok), ok = ok && tamano > 0;
        else if (nombre == QLatin1String("text-anchor"))
            t.ancla = valor == QLatin1String("middle") ? 0 : valor == QLatin1String("end") ? 1 : -1;
        else if (nombre == QLatin1String("fill"))
            t.color = QColor(valor), ok = t.color.isValid();
        else if (nombre == QLatin1String("font-weight"))
            t.negrita = valor == QLatin1String("bold");
        else if (nombre != QLatin1String("font-family"))
            ok = false; // lo que no se sabe pintar se deja a QSvgRenderer
        if (!ok)
            return std::nullopt;
    }
    auto trozos = Trozos(contenido, tamano);
    if (!x || !y || !trozos)
        return std::nullopt;
    t.trozos = std::move(*trozos);
    return t;
}

} // namespace

QString Sustituir(
    const QString& texto, const QRegularExpression& patron,
    const std::function<std::optional<QString>(const QRegularExpressionMatch&)>& cambio) {
    QString r;
    r.reserve(texto.size());
    qsizetype desde = 0;
    for (auto it = patron.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        const auto nuevo = cambio(m);
        if (!nuevo)
            continue;
        r += QStringView(texto).mid(desde, m.capturedStart() - desde);
        r += *nuevo;
        desde = m.capturedEnd();
    }
    r += QStringView(texto).mid(desde);
    return r;
}

SvgSeparado SepararTextos(const QString& svg) {
    if (svg.contains(QLatin1String("transform")))
        return {svg.toUtf8(), {}};
    static const QRegularExpression texto(QStringLiteral("<text\\b([^>]*)>([\\s\\S]*?)</text>\\s*"));
    SvgSeparado r;
    const QString resto = Sustituir(svg, texto, [&](const QRegularExpressionMatch& m) {
        auto t = LeerTexto(m.captured(1), m.captured(2));
        if (!t)
            return std::optional<QString>();
        r.textos.push_back(std::move(*t));
        return std::optional<QString>(QString());
    });
    r.svg = resto.toUtf8();
    return r;
}

void PintarTextos(QPainter& pintor, const std::vector<TextoSvg>& textos, const QRectF& caja,
                  const QRectF& destino) {
    if (textos.empty() || caja.width() <= 0 || caja.height() <= 0)
        return;
    pintor.save();
    pintor.translate(destino.topLeft());
    pintor.scale(destino.width() / caja.width(), destino.height() / caja.height());
    pintor.translate(-caja.topLeft());
    // El tamaño en puntos que da, en el dispositivo, tantos píxeles como unidades del SVG.
    const double puntos = 72.0 / pintor.device()->logicalDpiY();
    const auto letra = [&](double tamano, bool negrita) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(tamano * puntos);
        f.setBold(negrita);
        return f;
    };
    for (const TextoSvg& t : textos) {
        double ancho = 0;
        for (const TrozoSvg& z : t.trozos)
            ancho += QFontMetricsF(letra(z.tamano, t.negrita), pintor.device())
                         .horizontalAdvance(z.texto);
        double x = t.punto.x() - (t.ancla + 1) * ancho / 2;
        pintor.setPen(t.color);
        for (const TrozoSvg& z : t.trozos) {
            const QFont f = letra(z.tamano, t.negrita);
            pintor.setFont(f);
            pintor.drawText(QPointF(x, t.punto.y()), z.texto);
            x += QFontMetricsF(f, pintor.device()).horizontalAdvance(z.texto);
        }
    }
    pintor.restore();
}

} // namespace velmora
