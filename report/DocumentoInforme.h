#pragma once
// La memoria de cálculo en Qt: un QTextDocument con los dibujos SVG como objetos vectoriales,
// pintado en páginas A4 con el pie «Página N de M» (PDF, impresora o vista previa).

#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QTextDocument;

namespace velmora {

// Carga la página HTML de la memoria en `doc`: cada <svg> en línea pasa a ser un objeto que se
// pinta con QSvgRenderer, así que sigue siendo vectorial en el PDF y en la impresora.
void CargarInforme(QTextDocument& doc, const QString& html);

// La página HTML de la memoria partida en páginas HTML completas (la misma cabecera con sus
// estilos) de al menos `tamano` caracteres, cortadas sólo justo antes del título de un capítulo.
// Una página sin <body> queda entera.
[[nodiscard]] QStringList TrozosDeMemoria(const QString& html, qsizetype tamano);

// Pinta la memoria en el dispositivo (QPrinter o QPdfWriter, A4 con márgenes), una página tras
// otra, con «Página N de M» al pie y ningún paso ni dibujo partido entre dos. Devuelve el número
// de páginas.
int ImprimirInforme(const QString& html, QPagedPaintDevice& dispositivo);

// Escribe la memoria en un PDF A4 por medio de un fichero temporal que sólo sustituye a `ruta`
// si todo fue bien. Si falla, false y `error` dice la ruta y la causa.
bool EscribirPdfInforme(const QString& html, const QString& ruta, QString& error);

} // namespace velmora
