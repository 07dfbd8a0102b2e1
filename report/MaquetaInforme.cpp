#include "report/MaquetaInforme.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextObjectInterface>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace velmora {

// Un trozo de texto con un formato, con la forma ya dada (glifos y avance).
struct MaquetaInforme::Pieza {
    QString texto;
    QList<QGlyphRun> glifos;
    double ascenso = 0;
    double ancho = 0;
};

// Cómo se pinta un formato de carácter del documento en el dispositivo, y los trozos de texto a
// los que ya se ha dado forma con él.
struct MaquetaInforme::Formato {
    QFont letra;
    QColor color;
    double desplazamiento = 0; // de la línea base: positivo hacia abajo (subíndice)
    double ascenso = 0, descenso = 0, interlinea = 0, espacio = 0;
    // Las piezas se buscan por su texto sin copiarlo.
    struct HashTexto {
        using is_transparent = void;
        std::size_t operator()(QStringView t) const { return qHash(t); }
    };
    struct IgualTexto {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
    std::unordered_map<QString, std::unique_ptr<Pieza>, HashTexto, IgualTexto> piezas;
};

// Algo que se pinta en la tira: glifos, un filete o un dibujo del documento.
struct MaquetaInforme::Trazo {
    enum class Tipo { Glifos, Relleno, Objeto } tipo;
    double arriba, abajo;
    Trazo(Tipo t, double a, double b) : tipo(t), arriba(a), abajo(b) {}
    QPointF punto;
    // Los glifos: `cuantos` desde `primero` en los vectores de glifos de la maqueta.
    QRawFont letra;
    std::size_t primero = 0;
    int cuantos = 0;
    QColor color;
    QRectF caja;
    QTextCharFormat formato;
    QTextObjectInterface* manejador = nullptr;
    int posicion = 0;
};

enum class MaquetaInforme::Clase { Texto, Espacios, Objeto, Salto };

// Un elemento de un párrafo: texto sin cortes, blancos, un dibujo o un salto de línea forzado.
struct MaquetaInforme::Elemento {
    Clase clase = Clase::Texto;
    Formato* formato = nullptr;
    QString texto;
    bool cortarAntes = false; // la línea puede acabar justo antes
    double ancho = 0;
    double alto = 0;  // de un dibujo
    int posicion = 0; // de un dibujo, en el documento
    QTextCharFormat formatoObjeto;
    QTextObjectInterface* manejador = nullptr;
    const Pieza* pieza = nullptr;
};

namespace {

bool EsBlanco(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool EsSalto(QChar c) {
    return c == QChar::LineSeparator || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator;
}

} // namespace

struct MaquetaInforme::Parrafo {
    std::vector<Elemento> elementos;
    const Formato* formatoBloque = nullptr; // para el alto de una línea vacía
    Qt::Alignment alineacion;
    double margenArriba = 0, margenAbajo = 0, margenIzquierda = 0, margenDerecha = 0;
    bool titulo = false;
};

struct MaquetaInforme::Linea {
    std::size_t inicio, fin;
    double ancho = 0; // sin los blancos del final
    double ascenso = 0, descenso = 0, interlinea = 0;
};

struct MaquetaInforme::Celda {
    std::vector<Parrafo> parrafos;
    double relleno[4] = {0, 0, 0, 0}; // arriba, derecha, abajo, izquierda
    double filete = 0;                // borde inferior
    QColor colorFilete;
    double minimo = 0, maximo = 0; // anchos del contenido
};

std::vector<double> CortesDePagina(std::vector<Tramo> tramos, double total, double alto) {
    if (!(alto > 0)) // una página sin alto (papel diminuto en la impresora) no haría avanzar nada
        return {0.0, total};
    std::sort(tramos.begin(), tramos.end(),
              [](const Tramo& a, const Tramo& b) { return a.arriba < b.arriba; });
    // El corte de la página que empieza en `inicio`: el más bajo, no más allá de `fin`, que no
    // parte ningún tramo que empiece en la página. Sólo se miran los tramos de la página, así que
    // cortar toda la tira lleva un tiempo proporcional a sus páginas.
    const auto corte = [&](double inicio, double fin) {
        auto it = std::upper_bound(tramos.begin(), tramos.end(), inicio,
                                   [](double y, const Tramo& t) { return y < t.arriba; });
        double maximo = -1e300; // el abajo más bajo de los tramos que empiezan antes del candidato
        double c = fin;
        while (it != tramos.end() && it->arriba < fin) {
            const double candidato = it->arriba;
            if (maximo <= candidato)
                c = candidato;
            for (; it != tramos.end() && it->arriba == candidato; ++it)
                maximo = std::max(maximo, it->abajo);
        }
        return maximo <= fin ? fin : c;
    };
    std::vector<double> cortes{0.0};
    while (total - cortes.back() > alto) {
        const double inicio = cortes.back();
        const double fin = corte(inicio, inicio + alto);
        cortes.push_back(fin > inicio + alto * 0.2 ? fin : inicio + alto);
    }
    cortes.push_back(total);
    return cortes;
}

MaquetaInforme::MaquetaInforme(const QPaintDevice& dispositivo, double ancho)
    : dispositivo_(dispositivo), ancho_(ancho), escala_(dispositivo.logicalDpiY() / 96.0) {}

MaquetaInforme::MaquetaInforme(QTextDocument& doc, const QPaintDevice& dispositivo, double ancho)
    : MaquetaInforme(dispositivo, ancho) {
    Anadir(doc);
}

void MaquetaInforme::Anadir(QTextDocument& doc) {
    doc_ = &doc;
    indices_.clear(); // los números de los formatos son de cada documento
    if (vacia_) {
        margenDocumento_ = doc.documentMargin() * escala_;
        y_ = margenDocumento_;
    }
    const double margen = margenDocumento_, ancho = ancho_;
    const std::size_t desde = trazos_.size();
    // Como en Qt: el margen de arriba del primer bloque no cuenta, el de abajo de un bloque se
    // junta con el de arriba del siguiente, el bloque de antes de una tabla pierde su margen de
    // abajo, y el bloque vacío que el documento pone tras cada tabla no ocupa nada.
    bool trasTabla = false;
    QTextFrame* raiz = doc.rootFrame();
    for (auto it = raiz->begin(); !it.atEnd(); ++it) {
        if (auto* tabla = qobject_cast<QTextTable*>(it.currentFrame())) {
            margenPendiente_ = 0;
            ColocarTabla(*tabla, margen, ancho - 2 * margen, y_);
            trasTabla = true;
            vacia_ = false;
        } else if (it.currentBlock().isValid()) {
            const QTextBlock b = it.currentBlock();
            if (trasTabla && b.length() <= 1) {
                trasTabla = false;
                continue;
            }
            Parrafo p = LeerParrafo(b);
            if (vacia_)
                p.margenArriba = 0;
            ColocarParrafo(p, margen, ancho - 2 * margen, y_, margenPendiente_, true);
            trasTabla = false;
            vacia_ = false;
        }
    }
    alto_ = y_ + margenPendiente_ + margen;
    // Lo de este documento queda todo por debajo de lo de los anteriores: basta ordenar lo nuevo.
    std::stable_sort(trazos_.begin() + static_cast<std::ptrdiff_t>(desde), trazos_.end(),
                     [](const Trazo& a, const Trazo& b) { return a.arriba < b.arriba; });
    doc_ = nullptr;
}

MaquetaInforme::~MaquetaInforme() = default;

MaquetaInforme::Formato& MaquetaInforme::FormatoDe(const QTextCharFormat& formato, int indice) {
    Formato*& visto = indices_[indice];
    if (visto)
        return *visto;
    const auto vertical = formato.verticalAlignment();
    const QBrush pincel = formato.foreground();
    const ClaveFormato clave{
        formato.font(), // ya resuelta con la letra del documento
        vertical,
        vertical == QTextCharFormat::AlignSubScript     ? formato.subScriptBaseline()
        : vertical == QTextCharFormat::AlignSuperScript ? formato.superScriptBaseline()
                                                        : 0.0,
        pincel.style() == Qt::NoBrush ? QColor(Qt::black).rgba() : pincel.color().rgba()};
    auto& f = formatos_[clave];
    if (!f)
        f = NuevoFormato(clave);
    return *(visto = f.get());
}

std::unique_ptr<MaquetaInforme::Formato>
MaquetaInforme::NuevoFormato(const ClaveFormato& clave) const {
    auto f = std::make_unique<Formato>();
    QFont letra = clave.letra;
    if (clave.vertical == QTextCharFormat::AlignSubScript ||
        clave.vertical == QTextCharFormat::AlignSuperScript) { // como Qt: dos tercios del tamaño
        if (letra.pointSize() > 0)
            letra.setPointSize(letra.pointSize() * 2 / 3);
        else if (letra.pixelSize() > 0)
            letra.setPixelSize(letra.pixelSize() * 2 / 3);
    }
    auto* dispositivo = const_cast<QPaintDevice*>(&dispositivo_);
    f->letra = QFont(letra, dispositivo);
    const QFontMetricsF m(f->letra, dispositivo);
    f->ascenso = m.ascent();
    f->descenso = m.descent();
    f->interlinea = std::max(0.0, m.leading());
    f->espacio = m.horizontalAdvance(QLatin1Char(' '));
    const double alto = f->ascenso + f->descenso;
    if (clave.vertical == QTextCharFormat::AlignSubScript)
        f->desplazamiento = alto * clave.base / 100;
    else if (clave.vertical == QTextCharFormat::AlignSuperScript)
        f->desplazamiento = -alto * clave.base / 100;
    f->color = QColor::fromRgba(clave.color);
    return f;
}

const MaquetaInforme::Pieza& MaquetaInforme::PiezaDe(Formato& formato, QStringView texto) {
    if (const auto it = formato.piezas.find(texto); it != formato.piezas.end())
        return *it->second;
    auto nueva = std::make_unique<Pieza>();
    Pieza* p = nueva.get();
    p->texto = texto.toString();
    formato.piezas.emplace(p->texto, std::move(nueva));
    QTextLayout capa(p->texto, formato.letra, const_cast<QPaintDevice*>(&dispositivo_));
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::NoWrap);
    capa.setTextOption(opcion);
    capa.setCacheEnabled(true);
    capa.beginLayout();
    QTextLine linea = capa.createLine();
    capa.endLayout();
    if (linea.isValid()) {
        p->ancho = linea.horizontalAdvance();
        p->ascenso = linea.ascent();
    }
    p->glifos = capa.glyphRuns();
    return *p;
}

// Los elementos de un bloque: el texto se corta donde la regla de Unicode permite acabar una
// línea y donde cambia el formato; los blancos van aparte (no cuentan al final de una línea).
MaquetaInforme::Parrafo MaquetaInforme::LeerParrafo(const QTextBlock& bloque) {
    Parrafo p;
    const QTextBlockFormat fb = bloque.blockFormat();
    p.alineacion = fb.alignment();
    p.margenArriba = fb.topMargin() * escala_;
    p.margenAbajo = fb.bottomMargin() * escala_;
    p.margenIzquierda = fb.leftMargin() * escala_;
    p.margenDerecha = fb.rightMargin() * escala_;
    p.titulo = fb.headingLevel() > 0;
    p.formatoBloque = &FormatoDe(bloque.charFormat(), bloque.charFormatIndex());
    const QString todo = bloque.text();
    QTextBoundaryFinder cortes(QTextBoundaryFinder::Line, todo);
    const auto puedeCortar = [&](int i) {
        cortes.setPosition(i);
        return cortes.isAtBoundary() &&
               (cortes.boundaryReasons() & QTextBoundaryFinder::BreakOpportunity);
    };
    const int base = bloque.position();
    for (auto f = bloque.begin(); !f.atEnd(); ++f) {
        const QTextFragment trozo = f.fragment();
        const QTextCharFormat cf = trozo.charFormat();
        const int indice = trozo.charFormatIndex();
        Formato& formato = FormatoDe(cf, indice);
        const QString texto = trozo.text();
        const int desde = trozo.position() - base;
        int i = 0;
        while (i < texto.size()) {
            const QChar c = texto[i];
            Elemento e;
            e.clase = Clase::Texto;
            e.formato = &formato;
            e.cortarAntes = puedeCortar(desde + i);
            int j = i + 1;
            if (EsSalto(c)) {
                e.clase = Clase::Salto;
            } else if (c == QChar::ObjectReplacementCharacter && cf.isCharFormat() &&
                       cf.objectType() != QTextFormat::NoObject) {
                e.clase = Clase::Objeto;
                e.posicion = trozo.position() + i;
                e.formatoObjeto = cf;
                e.manejador = doc_->documentLayout()->handlerForObject(cf.objectType());
                if (auto* manejador = e.manejador) {
                    const QSizeF t = manejador->intrinsicSize(doc_, e.posicion, cf);
                    e.ancho = t.width();
                    e.alto = t.height();
                }
            } else if (EsBlanco(c)) {
                e.clase = Clase::Espacios;
                while (j < texto.size() && EsBlanco(texto[j]))
                    ++j;
                e.ancho = formato.espacio * (j - i);
            } else {
                while (j < texto.size() && !EsBlanco(texto[j]) && !EsSalto(texto[j]) &&
                       texto[j] != QChar::ObjectReplacementCharacter && !puedeCortar(desde + j))
                    ++j;
                const Pieza& pieza = PiezaDe(formato, QStringView(texto).mid(i, j - i));
                e.texto = pieza.texto;
                e.ancho = pieza.ancho;
                e.pieza = &pieza;
            }
            p.elementos.push_back(std::move(e));
            i = j;
        }
    }
    return p;
}

// Las líneas de un párrafo en `ancho`: una palabra (lo que va de un corte posible al siguiente)
// pasa entera a la línea siguiente si no cabe; una palabra más ancha que la línea se queda sola.
std::vector<MaquetaInforme::Linea> MaquetaInforme::Romper(const Parrafo& p, double ancho) const {
    const auto& e = p.elementos;
    std::vector<Linea> lineas;
    Linea actual{0, 0};
    double x = 0;
    bool vacia = true;
    const auto cerrar = [&](std::size_t fin) {
        actual.fin = fin;
        lineas.push_back(actual);
        actual = Linea{fin, fin};
        x = 0;
        vacia = true;
    };
    std::size_t i = 0;
    while (i < e.size()) {
        if (e[i].clase == Clase::Salto) {
            cerrar(i + 1);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < e.size() && !e[j].cortarAntes && e[j].clase != Clase::Salto)
            ++j;
        double total = 0, visible = 0;
        for (std::size_t k = i; k < j; ++k) {
            total += e[k].ancho;
            if (e[k].clase != Clase::Espacios)
                visible = total;
        }
        if (!vacia && x + visible > ancho)
            cerrar(i);
        actual.ancho = x + visible;
        x += total;
        vacia = false;
        i = j;
    }
    if (!vacia || lineas.empty() || e.empty() || e.back().clase == Clase::Salto)
        cerrar(e.size());
    for (Linea& l : lineas) {
        const Formato& fb = *p.formatoBloque;
        bool hayTexto = false;
        for (std::size_t k = l.inicio; k < l.fin; ++k) {
            if (e[k].clase == Clase::Objeto) {
                l.ascenso = std::max(l.ascenso, e[k].alto);
                hayTexto = true;
            } else if (e[k].clase != Clase::Salto) {
                const Formato& f = *e[k].formato;
                l.ascenso = std::max(l.ascenso, f.ascenso);
                l.descenso = std::max(l.descenso, f.descenso);
                l.interlinea = std::max(l.interlinea, f.interlinea);
                hayTexto = true;
            }
        }
        if (!hayTexto) {
            l.ascenso = fb.ascenso;
            l.descenso = fb.descenso;
            l.interlinea = fb.interlinea;
        }
    }
    return lineas;
}

void MaquetaInforme::TramoDeLinea(double arriba, double abajo) {
    tramos_.push_back({arriba, abajo});
    if (tituloPendiente_ >= 0) {
        tramos_.push_back({tituloPendiente_, abajo});
        tituloPendiente_ = -1;
    }
}

void MaquetaInforme::ColocarLineas(const Parrafo& p, const std::vector<Linea>& lineas, double x,
                                   double ancho, double& y, bool tramos) {
    const auto& e = p.elementos;
    for (const Linea& l : lineas) {
        double cx = x;
        if (p.alineacion & Qt::AlignHCenter)
            cx += (ancho - l.ancho) / 2;
        else if (p.alineacion & Qt::AlignRight)
            cx += ancho - l.ancho;
        const double base = y + l.ascenso;
        const double alto = std::ceil(l.ascenso + l.descenso + l.interlinea);
        // Los glifos de la línea se juntan por letra y color: cada grupo se pinta de una vez.
        struct Grupo {
            QRawFont letra;
            QColor color;
            QList<quint32> indices;
            QList<QPointF> posiciones;
        };
        std::vector<Grupo> grupos;
        for (std::size_t k = l.inicio; k < l.fin; ++k) {
            const Elemento& el = e[k];
            if (el.clase == Clase::Texto) {
                const Formato& f = *el.formato;
                const Pieza& pieza = *el.pieza;
                const QPointF d(cx, base + f.desplazamiento - pieza.ascenso - y);
                for (const QGlyphRun& g : pieza.glifos) {
                    auto grupo = std::find_if(grupos.begin(), grupos.end(), [&](const Grupo& x) {
                        return x.color == f.color && x.letra == g.rawFont();
                    });
                    if (grupo == grupos.end())
                        grupo = grupos.insert(grupos.end(), Grupo{g.rawFont(), f.color, {}, {}});
                    grupo->indices += g.glyphIndexes();
                    for (const QPointF& q : g.positions())
                        grupo->posiciones.push_back(q + d);
                }
            } else if (el.clase == Clase::Objeto) {
                Trazo t(Trazo::Tipo::Objeto, base - el.alto, base);
                t.caja = QRectF(cx, base - el.alto, el.ancho, el.alto);
                t.posicion = el.posicion;
                t.formato = el.formatoObjeto;
                t.manejador = el.manejador;
                dibujos_.push_back(t.caja);
                trazos_.push_back(std::move(t));
            }
            cx += el.ancho;
        }
        for (Grupo& g : grupos) {
            Trazo t(Trazo::Tipo::Glifos, y, y + alto);
            t.punto = QPointF(0, y);
            t.color = g.color;
            t.letra = g.letra;
            t.primero = indicesGlifos_.size();
            t.cuantos = static_cast<int>(g.indices.size());
            indicesGlifos_.insert(indicesGlifos_.end(), g.indices.begin(), g.indices.end());
            posicionesGlifos_.insert(posicionesGlifos_.end(), g.posiciones.begin(),
                                      g.posiciones.end());
            trazos_.push_back(std::move(t));
        }
        if (tramos)
            TramoDeLinea(y, y + alto);
        mayorTrazo_ = std::max(mayorTrazo_, alto);
        y += alto;
    }
}

// Un texto sin cortes más ancho que la línea (un nombre de proyecto muy largo) se parte entre
// dos letras, como hace Qt, en vez de salirse de la página.
void MaquetaInforme::PartirLargos(Parrafo& p, double ancho) {
    if (std::none_of(p.elementos.begin(), p.elementos.end(), [&](const Elemento& e) {
            return e.clase == Clase::Texto && e.ancho > ancho && ancho > 0;
        }))
        return;
    std::vector<Elemento> partidos;
    for (Elemento& e : p.elementos) {
        if (e.clase != Clase::Texto || e.ancho <= ancho || ancho <= 0) {
            partidos.push_back(std::move(e));
            continue;
        }
        QTextBoundaryFinder letras(QTextBoundaryFinder::Grapheme, e.texto);
        qsizetype desde = 0;
        bool primero = true;
        while (desde < e.texto.size()) {
            qsizetype hasta = desde, bueno = -1;
            letras.setPosition(desde);
            while ((hasta = letras.toNextBoundary()) > 0) {
                if (bueno >= 0 &&
                    PiezaDe(*e.formato, QStringView(e.texto).mid(desde, hasta - desde)).ancho >
                        ancho)
                    break;
                bueno = hasta;
            }
            if (bueno < 0)
                bueno = e.texto.size();
            Elemento trozo = e;
            const Pieza& pieza =
                PiezaDe(*e.formato, QStringView(e.texto).mid(desde, bueno - desde));
            trozo.texto = pieza.texto;
            trozo.ancho = pieza.ancho;
            trozo.pieza = &pieza;
            trozo.cortarAntes = primero ? e.cortarAntes : true;
            partidos.push_back(std::move(trozo));
            primero = false;
            desde = bueno;
        }
    }
    p.elementos = std::move(partidos);
}

void MaquetaInforme::ColocarParrafo(Parrafo& p, double x, double ancho, double& y, double& margen,
                                    bool tramos) {
    y += std::max(margen, p.margenArriba);
    const double arriba = y;
    const double dentro = ancho - p.margenIzquierda - p.margenDerecha;
    PartirLargos(p, dentro);
    ColocarLineas(p, Romper(p, dentro), x + p.margenIzquierda, dentro, y, tramos);
    if (p.titulo) // se queda con la primera línea de lo que le sigue
        tituloPendiente_ = arriba;
    margen = p.margenAbajo;
}

namespace {

// Anchos mínimo (la palabra más ancha) y máximo (sin cortar más que en los saltos forzados) de
// un párrafo.
template <class P> std::pair<double, double> Medidas(const P& p) {
    double minimo = 0, maximo = 0, linea = 0, palabra = 0, visibleLinea = 0;
    for (const auto& e : p.elementos) {
        using Clase = std::remove_cvref_t<decltype(e.clase)>;
        if (e.clase == Clase::Salto) {
            maximo = std::max(maximo, visibleLinea);
            linea = visibleLinea = palabra = 0;
            continue;
        }
        if (e.cortarAntes)
            palabra = 0;
        linea += e.ancho;
        if (e.clase != Clase::Espacios) {
            palabra += e.ancho;
            visibleLinea = linea;
            minimo = std::max(minimo, palabra);
        } else {
            palabra += e.ancho;
        }
    }
    maximo = std::max(maximo, visibleLinea);
    const double margenes = p.margenIzquierda + p.margenDerecha;
    return {minimo + margenes, maximo + margenes};
}

} // namespace

// Como Qt: las columnas con ancho fijo o en tanto por ciento lo tienen; las demás reparten lo
// que queda, a su ancho máximo si caben y, si no, entre su mínimo y su máximo.
std::vector<double> MaquetaInforme::AnchosDeColumnas(QTextTable& tabla,
                                                     const std::vector<Celda>& celdas,
                                                     double ancho) const {
    const int columnas = tabla.columns();
    const QTextTableFormat tf = tabla.format();
    const QList<QTextLength> restricciones = tf.columnWidthConstraints();
    std::vector<double> minimo(columnas, 0), maximo(columnas, 0), anchos(columnas, -1);
    for (std::size_t i = 0; i < celdas.size(); ++i) {
        const Celda& c = celdas[i];
        const std::size_t col = i % static_cast<std::size_t>(columnas);
        minimo[col] = std::max(minimo[col], c.minimo + c.relleno[1] + c.relleno[3]);
        maximo[col] = std::max(maximo[col], c.maximo + c.relleno[1] + c.relleno[3]);
    }
    const QTextLength anchoTabla = tf.width();
    const bool fijo = anchoTabla.type() != QTextLength::VariableLength;
    const double total =
        anchoTabla.type() == QTextLength::PercentageLength ? ancho * anchoTabla.rawValue() / 100
        : anchoTabla.type() == QTextLength::FixedLength    ? anchoTabla.rawValue() * escala_
                                                           : ancho;
    double ocupado = 0, sumaMin = 0;
    for (int c = 0; c < columnas; ++c) {
        const QTextLength r = c < restricciones.size()
                                  ? restricciones[c]
                                  : QTextLength(QTextLength::VariableLength, 0);
        if (r.type() == QTextLength::PercentageLength)
            anchos[c] = std::max(minimo[c], total * r.rawValue() / 100);
        else if (r.type() == QTextLength::FixedLength)
            anchos[c] = std::max(minimo[c], r.rawValue() * escala_);
        if (anchos[c] >= 0)
            ocupado += anchos[c];
        else
            sumaMin += minimo[c];
    }
    // Las variables empiezan en su mínimo y reciben lo que queda a partes iguales, cada una hasta
    // su máximo; en una tabla de ancho dado, lo que sobra aún se reparte entre ellas.
    std::vector<int> variables;
    for (int c = 0; c < columnas; ++c)
        if (anchos[c] < 0) {
            anchos[c] = minimo[c];
            variables.push_back(c);
        }
    double resto = total - ocupado - sumaMin;
    for (double antes = -1; resto > 1e-9 && resto != antes;) {
        antes = resto;
        for (std::size_t k = 0; k < variables.size(); ++k) {
            const int c = variables[k];
            const double parte =
                std::min(maximo[c] - anchos[c], resto / static_cast<double>(variables.size() - k));
            anchos[c] += parte;
            resto -= parte;
        }
    }
    if (fijo && resto > 0 && !variables.empty())
        for (const int c : variables)
            anchos[c] += resto / static_cast<double>(variables.size());
    // Si ni los mínimos caben, todas se estrechan a la vez: lo que no quepa se parte.
    double suma = 0;
    for (const double a : anchos)
        suma += a;
    if (suma > ancho && ancho > 0)
        for (double& a : anchos)
            a *= ancho / suma;
    return anchos;
}

// Las celdas de una tabla, fila a fila, con su relleno, su borde inferior, sus párrafos y los
// anchos de su contenido.
std::vector<MaquetaInforme::Celda> MaquetaInforme::LeerCeldas(QTextTable& tabla) {
    const QTextTableFormat tf = tabla.format();
    const int filas = tabla.rows(), columnas = tabla.columns();
    std::vector<Celda> celdas(static_cast<std::size_t>(filas * columnas));
    for (int f = 0; f < filas; ++f)
        for (int c = 0; c < columnas; ++c) {
            const QTextTableCell celda = tabla.cellAt(f, c);
            Celda& d = celdas[static_cast<std::size_t>(f * columnas + c)];
            const QTextTableCellFormat cf = celda.format().toTableCellFormat();
            const auto relleno = [&](QTextFormat::Property p) {
                return (cf.hasProperty(p) ? cf.doubleProperty(p) : tf.cellPadding()) * escala_;
            };
            d.relleno[0] = relleno(QTextFormat::TableCellTopPadding);
            d.relleno[1] = relleno(QTextFormat::TableCellRightPadding);
            d.relleno[2] = relleno(QTextFormat::TableCellBottomPadding);
            d.relleno[3] = relleno(QTextFormat::TableCellLeftPadding);
            if (cf.hasProperty(QTextFormat::TableCellBottomBorder) &&
                cf.bottomBorderStyle() != QTextFrameFormat::BorderStyle_None) {
                d.filete = cf.bottomBorder() * escala_;
                d.colorFilete = cf.bottomBorderBrush().color();
            }
            for (auto it = celda.begin(); !it.atEnd(); ++it)
                if (it.currentBlock().isValid()) {
                    d.parrafos.push_back(LeerParrafo(it.currentBlock()));
                    const auto [minimo, maximo] = Medidas(d.parrafos.back());
                    d.minimo = std::max(d.minimo, minimo);
                    d.maximo = std::max(d.maximo, maximo);
                }
            // Como en Qt, el margen de arriba del primer párrafo y el de abajo del último no
            // cuentan dentro de una celda.
            if (!d.parrafos.empty()) {
                d.parrafos.front().margenArriba = 0;
                d.parrafos.back().margenAbajo = 0;
            }
        }
    return celdas;
}

void MaquetaInforme::ColocarTabla(QTextTable& tabla, double x, double ancho, double& y) {
    const QTextTableFormat tf = tabla.format();
    y += tf.topMargin() * escala_;
    x += tf.leftMargin() * escala_;
    ancho -= (tf.leftMargin() + tf.rightMargin()) * escala_;
    const double espacio = tf.borderCollapse() ? 0 : tf.cellSpacing() * escala_;
    const int columnas = tabla.columns();
    std::vector<Celda> celdas = LeerCeldas(tabla);
    const std::vector<double> anchos =
        AnchosDeColumnas(tabla, celdas, ancho - espacio * (columnas + 1));
    y += espacio;
    for (std::size_t inicio = 0; inicio < celdas.size(); inicio += anchos.size()) {
        const double arriba = y;
        double abajo = y;
        double cx = x + espacio;
        for (std::size_t c = 0; c < anchos.size(); ++c) { // celdas arriba, cada una a su ancho
            Celda& d = celdas[inicio + c];
            double cy = y + d.relleno[0];
            double margen = 0;
            for (Parrafo& p : d.parrafos)
                ColocarParrafo(p, cx + d.relleno[3], anchos[c] - d.relleno[1] - d.relleno[3], cy,
                               margen, false);
            abajo = std::max(abajo, cy + margen + d.relleno[2] + d.filete);
            cx += anchos[c] + espacio;
        }
        cx = x + espacio;
        for (std::size_t c = 0; c < anchos.size(); ++c) { // el borde inferior, al pie de la fila
            const Celda& d = celdas[inicio + c];
            if (d.filete > 0) {
                Trazo t(Trazo::Tipo::Relleno, abajo - d.filete, abajo);
                t.caja = QRectF(cx, abajo - d.filete, anchos[c], d.filete);
                t.color = d.colorFilete;
                trazos_.push_back(std::move(t));
            }
            cx += anchos[c] + espacio;
        }
        TramoDeLinea(arriba, abajo);
        filas_.push_back({arriba, abajo});
        mayorTrazo_ = std::max(mayorTrazo_, abajo - arriba);
        y = abajo + espacio;
    }
    y += tf.bottomMargin() * escala_;
}

void MaquetaInforme::Pintar(QPainter& pintor, double arriba, double abajo) const {
    pintor.save();
    pintor.translate(0, -arriba);
    pintor.setClipRect(QRectF(-1e6, arriba, 2e6, abajo - arriba));
    auto it = std::lower_bound(trazos_.begin(), trazos_.end(), arriba - mayorTrazo_,
                               [](const Trazo& t, double y) { return t.arriba < y; });
    QColor color;
    QGlyphRun glifos;
    for (; it != trazos_.end() && it->arriba < abajo; ++it) {
        if (it->abajo <= arriba)
            continue;
        switch (it->tipo) {
        case Trazo::Tipo::Glifos:
            if (it->color != color) {
                color = it->color;
                pintor.setPen(color);
            }
            glifos.setRawFont(it->letra);
            glifos.setRawData(indicesGlifos_.data() + it->primero,
                              posicionesGlifos_.data() + it->primero, it->cuantos);
            pintor.drawGlyphRun(it->punto, glifos);
            break;
        case Trazo::Tipo::Relleno:
            pintor.fillRect(it->caja, it->color);
            break;
        case Trazo::Tipo::Objeto:
            if (it->manejador) {
                it->manejador->drawObject(&pintor, it->caja, nullptr, it->posicion, it->formato);
                color = QColor(); // el dibujo cambia la pluma
            }
            break;
        }
    }
    pintor.restore();
}

} // namespace velmora
