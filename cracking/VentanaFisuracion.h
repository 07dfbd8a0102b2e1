#pragma once
// Ventana «Fisuración»: comprobación en servicio de una sección rectangular o en T con sus
// barras (Código Estructural, Anejo 19, 7.2 y 7.3) y sus resultados en la misma ventana, con el
// dibujo de la sección fisurada y su diagrama de tensiones.

#include "common/ConArmaduras.h"
#include "cracking/Fisuracion.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TVentanaFisuracion;
}

namespace velmora {

class TVentanaArea;

class TVentanaFisuracion : public QDialog, public ConArmaduras {
    Q_OBJECT
public:
    // `area` es el selector de barras (ranuras 1 y 2); puede ser nulo en una prueba.
    TVentanaFisuracion(EstadoDiseno& estado, TVentanaArea* area, QWidget* parent = nullptr);
    ~TVentanaFisuracion() override;

    // Abre la ventana (modal) con la sección del último dimensionamiento (estado de diseño), el
    // recubrimiento libre de A1 (d1 − φ/2) y las barras de cada cara en las ranuras 1 y 2.
    void AbrirConBarras(int barrasA1, int diametroA1, int barrasA2, int diametroA2);

    // Lee los campos y comprueba; con `avisar`, un dato que no sirve se avisa con un mensaje y
    // el foco en su campo; sin él, sólo en rojo en la ventana.
    void Calcular(bool avisar = false);
    // Resultado del último cálculo válido; nada si el último no se pudo hacer.
    [[nodiscard]] const std::optional<ResultadoFisuracion>& Resultado() const { return resultado_; }

    // Como aceptar en el selector la ranura 1 o 2 (definida) o como al arrancar (no definida).
    void FijarArmadura(int ranura, bool definida) override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void GrupoTipoSeccionClick(int indice);
    void CaracteristicaClick();
    void BotonA1Click();
    void BotonA2Click();
    void BotonCalcularClick() { Calcular(true); }
    void ElegirBarras(int ranura);
    void EscribirResultados(const ResultadoFisuracion& r);
    void Limpiar(const QString& aviso);

    std::unique_ptr<Ui::TVentanaFisuracion> ui;
    EstadoDiseno& estado_;
    TVentanaArea* area_;
    bool definidaA1_ = false, definidaA2_ = false;
    std::optional<ResultadoFisuracion> resultado_;
};

} // namespace velmora
