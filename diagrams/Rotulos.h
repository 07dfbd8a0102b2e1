#pragma once

class QLabel;
class QString;

namespace velmora {

// Subíndices y superíndices hechos con etiquetas pequeñas junto a su etiqueta principal.


// Letra menor para un subíndice o un superíndice (el lugar lo da el alineamiento del formulario).
void HacerIndice(QLabel* etiqueta);

// Coloca el subíndice `sub` dentro de `principal`, justo detrás de `prefijo` (el texto de la
// etiqueta deja blancos para él, como en "f    =  347.8"), y al pie de la línea.
void SubindiceEnHueco(QLabel* principal, QLabel* sub, const QString& prefijo);

} // namespace velmora
