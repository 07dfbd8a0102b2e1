#pragma once
// «Datos del proyecto»: proyecto, elemento y autor de la cabecera de la memoria, guardados entre
// sesiones con QSettings.

#include "report/DatosProyecto.h"

#include <QDialog>

class QLineEdit;

namespace velmora {

// Los datos guardados (vacíos la primera vez).
DatosProyecto LeerDatosProyecto();
void GuardarDatosProyecto(const DatosProyecto& datos);

class DialogoDatosProyecto : public QDialog {
    Q_OBJECT
public:
    explicit DialogoDatosProyecto(QWidget* padre = nullptr);
    // Los datos escritos.
    DatosProyecto Datos() const;

private:
    QLineEdit* proyecto_;
    QLineEdit* elemento_;
    QLineEdit* autor_;
};

} // namespace velmora
