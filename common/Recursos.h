#pragma once
// Ficheros que el programa lee de su propia carpeta: los dibujos y la página de ayuda.

#include <QString>

class QLabel;
class QWidget;

namespace velmora {

// Ruta del fichero `nombre` en la carpeta del ejecutable.
QString RutaRecurso(const QString& nombre);

// Carga el dibujo `nombre` en la etiqueta. Si falta o no se puede leer, avisa con un mensaje que
// nombra el fichero y la carpeta donde se buscó, y devuelve false (la ventana que iba a abrirse
// no se abre).
bool CargarImagen(QLabel* etiqueta, const QString& nombre);

// Carga el dibujo en el control hijo `objeto` (un QLabel) de `ventana`.
bool CargarImagen(QWidget* ventana, const QString& objeto, const QString& nombre);

} // namespace velmora
