#pragma once
// Sumidero único de los mensajes al usuario. En el programa muestra un QMessageBox; una prueba
// lo sustituye por una función que guarda el texto, para comprobarlo sin cuadros modales.

#include <QString>
#include <functional>

class QWidget;

namespace velmora {

using SumideroAvisos = std::function<void(QWidget* padre, const QString& texto)>;

// Muestra el mensaje (en español) al usuario.
void Avisar(const QString& texto, QWidget* padre = nullptr);

// Sustituye el sumidero; devuelve el anterior. Con una función vacía se vuelve al cuadro de
// mensaje normal.
SumideroAvisos FijarSumideroAvisos(SumideroAvisos sumidero);

} // namespace velmora
