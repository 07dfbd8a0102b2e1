#include "common/Recursos.h"

#include "common/Avisar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

namespace velmora {

QString RutaRecurso(const QString& nombre) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(nombre);
}

bool CargarImagen(QLabel* etiqueta, const QString& nombre) {
    const QString ruta = RutaRecurso(nombre);
    QPixmap dibujo;
    if (!QFileInfo::exists(ruta) || !dibujo.load(ruta)) {
        Avisar(QStringLiteral("No se puede leer el dibujo «%1» en la carpeta «%2».")
                   .arg(nombre, QDir::toNativeSeparators(QCoreApplication::applicationDirPath())),
               etiqueta ? etiqueta->window() : nullptr);
        return false;
    }
    if (etiqueta)
        etiqueta->setPixmap(dibujo);
    return true;
}

bool CargarImagen(QWidget* ventana, const QString& objeto, const QString& nombre) {
    return CargarImagen(ventana ? ventana->findChild<QLabel*>(objeto) : nullptr, nombre);
}

} // namespace velmora
