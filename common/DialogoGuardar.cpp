#include "common/DialogoGuardar.h"

#include "common/NombreFichero.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace velmora {

namespace {

QString Nombre(const QString& ruta) {
    return QFileInfo(ruta).fileName();
}

// Pregunta con botones por nombre de objeto; devuelve el nombre del pulsado («Cancelar» al
// cerrar la pregunta).
QString Preguntar(QWidget* padre, const QString& objeto, const QString& texto,
                  std::initializer_list<std::pair<QString, QString>> botones) {
    QMessageBox pregunta(QMessageBox::Question, QStringLiteral("Velmora"), texto,
                         QMessageBox::NoButton, padre);
    pregunta.setObjectName(objeto);
    QPushButton* primero = nullptr;
    QPushButton* cancelar = nullptr;
    for (const auto& [nombre, rotulo] : botones) {
        const bool esCancelar = nombre == QStringLiteral("Cancelar");
        QPushButton* b = pregunta.addButton(rotulo, esCancelar ? QMessageBox::RejectRole
                                                               : QMessageBox::AcceptRole);
        b->setObjectName(nombre);
        if (!primero)
            primero = b;
        if (esCancelar)
            cancelar = b;
    }
    pregunta.setDefaultButton(primero);
    pregunta.setEscapeButton(cancelar);
    pregunta.exec();
    return pregunta.clickedButton() ? pregunta.clickedButton()->objectName()
                                    : QStringLiteral("Cancelar");
}

} // namespace

QString RutaConfirmada(QWidget* padre, const QString& elegida,
                       std::span<const std::string_view> extensiones, const QString& tipo) {
    if (elegida.isEmpty())
        return {};
    const NombreParaGuardar n = RutaParaGuardar(elegida.toStdString(), extensiones);
    QString ruta = QString::fromStdString(n.ruta);
    if (n.otraExtension) {
        const QString con = QString::fromStdString(n.conExtension);
        const QString r = Preguntar(
            padre, QStringLiteral("PreguntaExtension"),
            QStringLiteral("«%1» lleva la extensión de otro tipo de fichero, no la de %2 (.%3).")
                .arg(Nombre(ruta), tipo, QString::fromUtf8(extensiones.front())),
            {{QStringLiteral("Anadir"), QStringLiteral("Guardar como «%1»").arg(Nombre(con))},
             {QStringLiteral("Asi"), QStringLiteral("Guardar como «%1»").arg(Nombre(ruta))},
             {QStringLiteral("Cancelar"), QStringLiteral("Cancelar")}});
        if (r == QStringLiteral("Cancelar"))
            return {};
        if (r == QStringLiteral("Anadir"))
            ruta = con;
    }
    // El diálogo sólo preguntó por el nombre elegido, no por el que se guarda.
    if (ruta != elegida && QFileInfo::exists(ruta) &&
        Preguntar(
            padre, QStringLiteral("PreguntaSustituir"),
            QStringLiteral("Ya existe «%1». ¿Sustituirlo?").arg(QDir::toNativeSeparators(ruta)),
            {{QStringLiteral("Sustituir"), QStringLiteral("Sustituir")},
             {QStringLiteral("Cancelar"), QStringLiteral("Cancelar")}}) !=
            QStringLiteral("Sustituir"))
        return {};
    return ruta;
}

} // namespace velmora
