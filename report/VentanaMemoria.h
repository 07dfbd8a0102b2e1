#pragma once
// Vista previa de la memoria de cálculo con «Imprimir…», «Guardar PDF…», «Guardar HTML…»,
// «Copiar» y «Datos del proyecto…».

#include "report/DatosProyecto.h"

#include <QDialog>
#include <span>
#include <string_view>

class QTextBrowser;

namespace velmora {

class VentanaMemoria : public QDialog {
    Q_OBJECT
public:
    // `linea` es la línea de velmora-calc del cálculo que se documenta.
    explicit VentanaMemoria(QString linea, QWidget* padre = nullptr);

    // La página HTML que se muestra (vacía si la línea no se pudo calcular).
    const QString& Html() const { return html_; }

    // Guardan sin preguntar la ruta (las pruebas y los botones tras su diálogo); false con un
    // mensaje que dice la ruta y la causa.
    bool GuardarHtml(const QString& ruta, QString& error) const;
    bool GuardarPdf(const QString& ruta, QString& error) const;

signals:
    // Se han aceptado otros datos del proyecto en «Datos del proyecto…».
    void datosProyectoCambiados(const DatosProyecto& datos);

private:
    void Recalcular();
    void BotonImprimirClick();
    void BotonGuardarPdfClick();
    void BotonGuardarHtmlClick();
    void BotonCopiarClick();
    void BotonDatosProyectoClick();
    QString PedirRuta(const QString& filtro, std::span<const std::string_view> extensiones,
                      const QString& tipo);

    QString linea_;
    QString html_;
    QTextBrowser* vista_;
};

} // namespace velmora
