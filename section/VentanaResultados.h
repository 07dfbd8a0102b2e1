#pragma once
// Ventana de resultados de la armadura longitudinal: áreas, capacidades mecánicas, número de
// barras de cada cara para el diámetro elegido, mensajes de cuantía mínima, dominio de
// deformación, profundidad de la fibra neutra y xlim. Se abre con los rótulos de cada «Calcular»
// de las ventanas de datos de la sección.

#include "common/Resultado.h"

#include <QDialog>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
namespace Ui {
class TVentanaResultados;
}

namespace velmora {

struct EstadoDiseno;
struct RotulosResultados;
class TVentanaArea;

class TVentanaResultados : public QDialog {
    Q_OBJECT
public:
    TVentanaResultados(EstadoDiseno& estado, TVentanaArea& area, QWidget* parent = nullptr);
    ~TVentanaResultados() override;

    // Escribe los rótulos, cuenta las barras de cada cara y abre la ventana (modal).
    void AbrirConResultados(const velmora::RotulosResultados& r);

    // Escribe los rótulos del último dimensionamiento (dominio, cuantías, áreas, capacidades,
    // profundidad de la fibra neutra y xlim).
    void MostrarResultados(const RotulosResultados& r);

    // Número de barras de cada cara para el diámetro elegido (As1 / As2 del estado de diseño).
    void NumeroBarrasTraccion();
    void NumeroBarrasCompresion();
    // Diámetros elegidos (texto de las listas, mm).
    QString DiametroTraccion() const;
    QString DiametroCompresion() const;

    void DiametroTraccionChange();
    void DiametroCompresionChange();
    void BotonDominioClick();
    void BotonAnclajeA1Click();
    void BotonAnclajeA2Click();
    void BotonAreaClick();
    void BotonInteraccionClick();
    void BotonFisuracionClick();
    void BotonCompararNormasClick();

signals:
    // «Comparar normas»: la sección del último cálculo con las dos normas.
    void pideComparacion();
    // «Interacción N-M»: las barras de cada cara (número y diámetro, 0 si no son válidos).
    void InteraccionPedida(int barrasA1, int diametroA1, int barrasA2, int diametroA2);
    // «Fisuración»: las mismas barras, para la comprobación en servicio.
    void FisuracionPedida(int barrasA1, int diametroA1, int barrasA2, int diametroA2);

signals:
    // «Longitud anclaje A1/A2»: la posición (1 tracción, 2 compresión), el número de barras, el
    // diámetro (mm) y el área (cm²) tal como los muestra la ventana.
    void pideAnclaje(int posicion, const QString& numero, const QString& diametro,
                     const QString& area);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void MostrarNumero(const Resultado<std::string>& n, QLabel* numero);
    void NotaDiametros();
    void CopiarDiametro(QComboBox* origen, QComboBox* destino);

    std::unique_ptr<Ui::TVentanaResultados> ui;
    bool diametro12_ = false;      // la nota de los 12 mm de los soportes, según los diámetros
    std::string recomendada_;      // Recomendada sin esa nota
    EstadoDiseno& estado_;
    TVentanaArea& area_;
    bool copiando_ = false; // evita el rebote entre los dos diámetros acoplados
};

} // namespace velmora
