#pragma once
// Dibujos del programa hechos por él mismo: los botones de la barra de herramientas, el icono del
// programa y los dibujos que las ventanas leen de la carpeta del ejecutable (fondo, secciones,
// zonas de cortante y dominios de deformación).

#include <QImage>
#include <QString>
#include <QStringList>

namespace velmora {

// Botón de la barra de herramientas `nombre` (SpeedButton1..SpeedButton11), de lado `lado`
// píxeles (se dibuja en una rejilla de 32 × 32). Un nombre desconocido da una imagen vacía.
QImage DibujarBoton(const QString& nombre, int lado = 32);

// Icono del programa (sección en T armada), de lado `lado`.
QImage DibujarIcono(int lado);

} // namespace velmora
