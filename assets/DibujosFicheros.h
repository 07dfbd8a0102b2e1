#pragma once
// Dibujos que el programa lee de su carpeta, hechos al compilar por la herramienta
// generar_dibujos: fondo de la ventana principal, secciones, zonas de cortante y dominios de
// deformación.

#include <QImage>
#include <QString>
#include <QStringList>

namespace velmora {

// Nombres de los dibujos ("fondo.bmp", "seccion01.bmp", ...).
QStringList NombresDibujos();

// Dibujo `nombre` (uno de NombresDibujos()); con otro nombre, una imagen nula.
QImage DibujarFichero(const QString& nombre);

} // namespace velmora
