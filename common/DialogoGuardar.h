#pragma once
// Ruta con la que se guarda lo elegido en un diálogo de guardar: con la extensión del tipo si el
// nombre no la trae, y preguntando antes de guardar con la extensión de otro tipo de fichero.

#include <QString>
#include <span>
#include <string_view>

class QWidget;

namespace velmora {

// `extensiones` como en RutaParaGuardar; `tipo` nombra el tipo en la pregunta («una página
// web»). Con la extensión de otro tipo pregunta (objeto «PreguntaExtension»): «Añadir» guarda con
// la extensión del tipo añadida, «Así» con el nombre escrito, «Cancelar» no guarda. Si la ruta
// final no es la elegida en el diálogo y ya existe, pregunta si se sustituye
// («PreguntaSustituir»: «Sustituir» / «Cancelar»). Vacía si no se guarda.
QString RutaConfirmada(QWidget* padre, const QString& elegida,
                       std::span<const std::string_view> extensiones, const QString& tipo);

} // namespace velmora
