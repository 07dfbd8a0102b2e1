#pragma once
// Escritura por programa del texto de un cuadro combinado editable.

#include <QComboBox>
#include <QSignalBlocker>

namespace velmora {

// Escribe `texto` (p. ej. " 8") sin avisar a los manejadores; si coincide con un elemento de
// la lista, lo elige también, para que volver a elegirlo en la lista no pase inadvertido.
inline void FijarTextoCuadro(QComboBox* cuadro, const QString& texto) {
    const QSignalBlocker bloqueo(cuadro);
    const int i = cuadro->findText(texto.trimmed());
    if (i >= 0)
        cuadro->setCurrentIndex(i);
    cuadro->setEditText(texto);
}

} // namespace velmora
