#pragma once
// La memoria compuesta para imprimirla: las líneas de texto, las filas de las tablas y los dibujos
// de uno o varios QTextDocument ya cargados, colocados uno tras otro en una tira continua del ancho
// de la página. Lee de cada documento el texto con sus formatos (los que dio la hoja de estilos) y
// lo coloca aquí: cada trozo de texto con su formato se da forma una sola vez y se reutiliza donde
// se repite, y las tablas se componen una vez. Qt, en cambio, compone cada celda dos veces y
// vuelve a dar forma a cada línea; en una memoria de cientos de cálculos eso era la mayor parte
// del tiempo. Una memoria larga se compone por trozos (unos capítulos cada vez), así que lo que se
// tiene a la vez de cada documento no crece con la memoria.

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QRectF>
#include <QTextCharFormat>

#include <memory>
#include <unordered_map>
#include <vector>

class QPaintDevice;
class QPainter;
class QTextBlock;
class QTextDocument;
class QTextObjectInterface;
class QTextTable;

namespace velmora {

// Tramo vertical de la tira que no se puede partir entre dos páginas.
struct Tramo {
    double arriba, abajo;
    bool operator==(const Tramo&) const = default;
};

// Cortes de página de una tira de alto `total` (desde 0 hasta `total`): cada página llena hasta
// `alto` sin partir ningún tramo; un tramo más alto que una página se parte donde caiga. Con un
// alto nulo o negativo, todo va en una página.
[[nodiscard]] std::vector<double> CortesDePagina(std::vector<Tramo> tramos, double total,
                                                 double alto);

class MaquetaInforme {
public:
    // Una tira vacía para `dispositivo`, de `ancho` puntos del dispositivo.
    MaquetaInforme(const QPaintDevice& dispositivo, double ancho);
    // Compone `doc` en una tira de `ancho` puntos del dispositivo.
    MaquetaInforme(QTextDocument& doc, const QPaintDevice& dispositivo, double ancho);
    // Coloca `doc` en la tira tras lo que ya hay, como si su texto siguiera al del documento
    // anterior: los márgenes de entre los dos se juntan como dentro de un documento, y el margen
    // del documento sólo cuenta al principio y al final de la tira. El documento ya no hace falta
    // después; los manejadores de sus dibujos, sí: se pintan con ellos (con un documento nulo).
    void Anadir(QTextDocument& doc);
    ~MaquetaInforme();
    MaquetaInforme(const MaquetaInforme&) = delete;
    MaquetaInforme& operator=(const MaquetaInforme&) = delete;

    double Alto() const { return alto_; }
    // Lo que no se parte: cada línea de texto (con sus dibujos), cada fila de una tabla (un paso
    // de la memoria con su descripción, su fórmula y su artículo) y cada título con lo que le
    // sigue.
    const std::vector<Tramo>& Tramos() const { return tramos_; }
    // Las filas de las tablas, en orden.
    const std::vector<Tramo>& Filas() const { return filas_; }
    // Las cajas de los dibujos, en orden.
    const std::vector<QRectF>& Dibujos() const { return dibujos_; }
    // Los cortes de página para páginas de `alto`.
    std::vector<double> Cortes(double alto) const { return CortesDePagina(tramos_, alto_, alto); }

    // Pinta lo que hay entre `arriba` y `abajo` de la tira, con `arriba` en el 0 del pintor.
    void Pintar(QPainter& pintor, double arriba, double abajo) const;

private:
    enum class Clase;
    struct Elemento;
    struct Formato;
    // Lo que de un formato de carácter cambia cómo se pinta su texto. Dos formatos que sólo
    // difieren en lo demás (cada celda de una tabla tiene el suyo) comparten la forma de sus
    // textos.
    struct ClaveFormato {
        QFont letra;
        int vertical;
        double base; // desplazamiento del subíndice o del superíndice, en % del alto
        QRgb color;
        bool operator==(const ClaveFormato&) const = default;
    };
    struct HashClave {
        std::size_t operator()(const ClaveFormato& c) const {
            return qHash(c.letra) ^ (static_cast<std::size_t>(c.color) * 31u) ^
                   static_cast<std::size_t>(c.vertical) ^ qHash(c.base);
        }
    };
    struct Pieza;
    struct Trazo;
    struct Linea;
    struct Parrafo;
    struct Celda;

    Formato& FormatoDe(const QTextCharFormat& formato, int indice);
    std::unique_ptr<Formato> NuevoFormato(const ClaveFormato& clave) const;
    const Pieza& PiezaDe(Formato& formato, QStringView texto);
    Parrafo LeerParrafo(const QTextBlock& bloque);
    std::vector<Linea> Romper(const Parrafo& p, double ancho) const;
    void PartirLargos(Parrafo& p, double ancho);
    void ColocarParrafo(Parrafo& p, double x, double ancho, double& y, double& margen, bool tramos);
    void ColocarLineas(const Parrafo& p, const std::vector<Linea>& lineas, double x, double ancho,
                       double& y, bool tramos);
    std::vector<Celda> LeerCeldas(QTextTable& tabla);
    void ColocarTabla(QTextTable& tabla, double x, double ancho, double& y);
    std::vector<double> AnchosDeColumnas(QTextTable& tabla, const std::vector<Celda>& celdas,
                                         double ancho) const;
    void TramoDeLinea(double arriba, double abajo);

    QTextDocument* doc_ = nullptr; // el que se está colocando
    const QPaintDevice& dispositivo_;
    double ancho_;
    double escala_; // puntos del dispositivo por px de la hoja de estilos (96 ppp)
    // Los formatos de todos los documentos por lo que pintan, y los del que se coloca por su
    // número en él.
    std::unordered_map<ClaveFormato, std::unique_ptr<Formato>, HashClave> formatos_;
    std::unordered_map<int, Formato*> indices_;
    std::vector<Trazo> trazos_;
    // Los glifos de todos los trazos, seguidos: se pintan sin copiarlos.
    std::vector<quint32> indicesGlifos_;
    std::vector<QPointF> posicionesGlifos_;
    double mayorTrazo_ = 0;
    std::vector<Tramo> tramos_;
    std::vector<Tramo> filas_;
    std::vector<QRectF> dibujos_;
    double alto_ = 0;
    double y_ = 0, margenPendiente_ = 0, margenDocumento_ = 0;
    bool vacia_ = true;
    double tituloPendiente_ = -1; // arriba de un título que espera su primera línea
};

} // namespace velmora
