#pragma once
// Lo que comparten las dos ventanas de datos de la sección (rectangular y en T): las
// solicitaciones, el «Dato conocido», «Calcular» y «Momento Agotamiento». Cada ventana sólo
// aporta su formulario y la lectura de su geometría.

#include "section/CalculoSeccion.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

struct Aplicacion;
class GrupoOpciones;

class TDatosSeccionComun : public QDialog {
    Q_OBJECT
public:
    void GrupoDatoConocidoClick();
    // Lee geometría y cargas, dimensiona, llena la ventana de resultados y la muestra. Con un dato
    // que no es un número, una geometría imposible o sin equilibrio, avisa, da el foco al campo y
    // no muestra resultados.
    void BotonCalcularClick();
    // Lee la geometría, calcula los límites y abre la ventana del momento de agotamiento.
    void BotonMomentoClick();

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

    TDatosSeccionComun(Aplicacion& app, QWidget* parent);
    // Conecta los controles comunes; se llama al final del constructor de cada ventana.
    void Preparar(const Controles& c);
    void showEvent(QShowEvent* evento) override;

    // Textos de la geometría de la ventana.
    virtual DatosSeccionTexto LeerGeometriaVentana() const = 0;
    // Añade a los datos los textos de las solicitaciones y el «Dato conocido».
    void LeerSolicitaciones(DatosSeccionTexto& datos) const;
    // Escribe los rótulos del cálculo en la ventana de resultados y cuenta las barras.
    void MostrarResultados(const CalculoSeccionResultado& r);
    // Avisa del error y da el foco al campo que nombra.
    void Fallo(const ErrorCalculo& error);

    Aplicacion& app_;

private:
    Controles c_{};
};

} // namespace velmora
