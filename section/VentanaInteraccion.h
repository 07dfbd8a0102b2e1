#pragma once
// Diagrama de interacción N–M de una sección rectangular o en T con sus armaduras A1 y A2, y
// comprobación de una tabla de combinaciones de esfuerzos sobre él. Se recalcula con cada tecla;
// un dato que no sirve se explica en rojo en la propia ventana.

#include "design/EstadoDiseno.h"
#include "section/Interaccion.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

class QTableWidgetItem;
namespace Ui {
class TVentanaInteraccion;
}

namespace velmora {

class TVentanaArea;

class TVentanaInteraccion : public QDialog {
    Q_OBJECT
public:
    // `area` es el selector de barras (ranuras 1 y 2); puede ser nulo en una prueba.
    TVentanaInteraccion(EstadoDiseno& estado, TVentanaArea* area, QWidget* parent = nullptr);
    ~TVentanaInteraccion() override;

    // Abre la ventana (modal) con la sección del estado de diseño, la del último cálculo, y las
    // armaduras de barrasA1 Ø diametroA1 (A1) y barrasA2 Ø diametroA2 (A2).
    void AbrirConBarras(int barrasA1, int diametroA1, int barrasA2, int diametroA2);

    // Lee los campos, calcula el diagrama y comprueba las combinaciones.
    void Calcular();
    // Diagrama del último cálculo válido (nullptr si aún no hay ninguno).
    [[nodiscard]] const DiagramaInteraccion* Diagrama() const;
    [[nodiscard]] const std::vector<ComprobacionCombinacion>& Comprobaciones() const {
        return comprobaciones_;
    }

    // Pega filas (nombre, Nd, Md) desde la fila actual, como «Pegar» con el portapapeles.
    void PegarTexto(const QString& texto);

    // Exportaciones sin preguntar el fichero; false (y un aviso) si no se puede escribir.
    bool GuardarCsvCurva(const QString& ruta);
    bool GuardarCsvTabla(const QString& ruta);
    bool GuardarPng(const QString& ruta);
    bool GuardarSvg(const QString& ruta);

signals:
    // Hay un diagrama nuevo (o la tabla ha cambiado): para quien quiera incluirlo en un informe.
    void DiagramaCalculado();

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void GrupoTipoSeccionClick(int indice);
    void BotonA1Click();
    void BotonA2Click();
    void CombinacionesChange(QTableWidgetItem* item);
    void BotonPegarClick();
    void BotonBorrarFilasClick();
    void BotonVaciarClick();
    void BotonCsvCurvaClick();
    void BotonCsvTablaClick();
    void BotonPngClick();
    void BotonSvgClick();
    void GraficoCombinacionPulsada(int indice);

    void ElegirBarras(int ranura);
    [[nodiscard]] Resultado<DiagramaInteraccion> CalcularDiagrama();
    void ComprobarTabla();
    void EscribirResultados();
    void MostrarAviso(const QString& texto);
    void PrepararTabla();
    void AsegurarFilaVacia();
    void PonerCelda(int fila, int columna, const QString& texto, bool editable = true);
    [[nodiscard]] QString Celda(int fila, int columna) const;
    [[nodiscard]] bool FilaVacia(int fila) const;
    bool GuardarTexto(const QString& ruta, const std::string& contenido);
    // Pregunta el fichero (con la extensión dada) y lo escribe con `guardar`.
    void Exportar(const QString& titulo, const QString& extension,
                  bool (TVentanaInteraccion::*guardar)(const QString&));

    std::unique_ptr<Ui::TVentanaInteraccion> ui;
    EstadoDiseno& estado_;
    TVentanaArea* area_;
    std::optional<DiagramaInteraccion> diagrama_;
    std::vector<ComprobacionCombinacion> comprobaciones_;
    std::vector<int> filaDeComprobacion_; // fila de la tabla de cada comprobación
    bool escribiendo_ = false;            // la ventana llena la tabla: no recalcular
    QString avisoCalculo_;                // por qué no se ha podido calcular el diagrama
};

} // namespace velmora
