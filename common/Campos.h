#pragma once
// Lectura de los campos numéricos de una ventana con el lector único (LeerNumero): nunca a
// través de la configuración regional.

#include "common/Descripcion.h"
#include "common/Resultado.h"
#include "norma/Norma.h"

#include <QString>
#include <optional>

class QWidget;
class QLineEdit;
class QComboBox;
class QLabel;

namespace velmora {

// Texto de un QLineEdit o del editor de un QComboBox editable (o de un QLabel).
QString TextoDe(const QWidget* control);

// Lee el campo; si no es un número, avisa con un mensaje que nombra el dato, da el foco al campo
// y devuelve nullopt. `nombre` es el nombre del dato que ve el usuario (p. ej. "Canto h").
std::optional<double> LeerCampo(QWidget* control, const QString& nombre);

// Muestra el error de un cálculo: avisa y, si el error nombra un control hijo de `ventana`,
// le da el foco (y selecciona su texto).
void MostrarError(QWidget* ventana, const ErrorCalculo& error);

// Textos de los controles de los campos, buscados por su nombre de objeto entre los hijos de
// `ventana` (un control que no existe no aparece, y el lector usa su texto de arranque).
TextosCampos TextosDe(const QWidget* ventana, std::span<const Campo> campos);

// Lee un campo de la descripción con su control en `ventana`; si falla avisa, da el foco al
// control y devuelve nullopt. Con `intervalo` comprueba también el intervalo válido.
std::optional<double> LeerCampo(QWidget* ventana, const Campo& campo, bool intervalo = true);

// Etiqueta de la norma en uso de una ventana de resultados: sólo visible con una norma que no sea
// la EHE-98, para que con ella la ventana no cambie.
void MostrarNorma(QLabel* etiqueta, Norma norma);

// Conversión entre las cadenas UTF-8 de los cálculos y las de Qt.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

} // namespace velmora
