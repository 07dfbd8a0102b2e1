#include "report/MemoriaLote.h"

#include "documento/MemoriaTanda.h"
#include "report/DocumentoInforme.h"

#include <QFile>

namespace velmora {

QString MemoriaDeLinea(const QString& linea, const DatosProyecto& proyecto, QString& error) {
    InformeLinea informe;
    std::string e;
    if (!CalcularCapitulo(linea.toStdString(), informe, e)) {
        error = QString::fromStdString(e);
        return {};
    }
    DatosProyecto cabecera = proyecto;
    CompletarCabecera(cabecera, informe.proyecto);
    return QString::fromStdString(PaginaInforme(CabeceraDeHoy(cabecera), {informe.capitulo}));
}

bool EscribirMemoriaDeTanda(const QString& entrada, const QString& salida,
                            const DatosProyecto& proyecto, QString& error) {
    QFile fichero(entrada);
    if (!fichero.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("No se puede leer «%1»: %2").arg(entrada, fichero.errorString());
        return false;
    }
    const QByteArray texto = fichero.readAll();
    MemoriaTanda memoria{proyecto, {}};
    std::size_t renglon = 0;
    std::string e;
    if (!LeerMemoriaTanda(
            std::string_view(texto.constData(), static_cast<std::size_t>(texto.size())), memoria,
            renglon, e)) {
        error = QStringLiteral("Línea %1 de «%2»: %3")
                    .arg(renglon)
                    .arg(entrada, QString::fromStdString(e));
        return false;
    }
    if (memoria.capitulos.empty()) {
        error = QStringLiteral("«%1» no trae ninguna línea que calcular.").arg(entrada);
        return false;
    }
    const auto html = PaginaInforme(CabeceraDeHoy(memoria.cabecera), memoria.capitulos);
    return EscribirPdfInforme(QString::fromStdString(html), salida, error);
}

} // namespace velmora
