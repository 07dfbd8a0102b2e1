#pragma once
// Lo que comparten las dos ventanas de datos de la sección (rectangular y en T): las
// solicitaciones, el «Dato conocido», «Calcular» y «Momento Agotamiento». Cada ventana sólo
// aporta su formulario y su tipo de sección.

#include "section/CalculoSeccion.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class GrupoOpciones;

class TDatosSeccionComun : public QDialog {
    Q_OBJECT
public:
    // De dónde lee «Calcular» el tipo de elemento y el acero elegidos en los parámetros
    // generales (lo que muestran sus controles, confirmados o no). Sin ella, los de arranque.
    void FijarParametros(std::function<EleccionParametros()> leer) { parametros_ = std::move(leer); }

    void GrupoDatoConocidoClick();
    // Lee geometría y cargas, dimensiona y anuncia el resultado (calculado). Con un dato que no
    // es un número, una geometría imposible o sin equilibrio, avisa, da el foco al campo y no
    // anuncia nada.
    void BotonCalcularClick();
    // Lee la geometría, calcula los límites y pide la ventana del momento de agotamiento.
    void BotonMomentoClick();

signals:
    // Un dimensionamiento correcto: los rótulos de la ventana de resultados (el estado de
    // diseño ya tiene sus valores).
    void calculado(const velmora::RotulosResultados& rotulos);
    // La sección del estado está lista para el momento de agotamiento.
    void pideMomento();

protected:
    // Controles de las solicitaciones, con el mismo nombre en las dos ventanas.
    struct Controles {
        QLineEdit* Valor5;
        QLineEdit* Valor6;
        GrupoOpciones* GrupoDatoConocido;
        QLabel* Label7;
        QLabel* Label9;
        QPushButton* BotonCalcular;
        QPushButton* BotonMomento;
        QPushButton* BotonOK;
    };

    TDatosSeccionComun(EstadoDiseno& estado, TipoSeccion tipo, QWidget* parent);
    // Conecta los controles comunes; se llama al final del constructor de cada ventana.
    void Preparar(const Controles& c);
    void showEvent(QShowEvent* evento) override;

    EstadoDiseno& estado_;

private:
    TipoSeccion tipo_;
    Controles c_{};
    std::function<EleccionParametros()> parametros_;
};

} // namespace velmora
