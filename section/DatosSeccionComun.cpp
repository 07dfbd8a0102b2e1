#include "section/DatosSeccionComun.h"

#include "common/Campos.h"
#include "common/GrupoOpciones.h"
#include "section/DescripcionSeccion.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace velmora {

TDatosSeccionComun::TDatosSeccionComun(EstadoDiseno& estado, TipoSeccion tipo, QWidget* parent)
    : QDialog(parent), estado_(estado), tipo_(tipo) {}

void TDatosSeccionComun::Preparar(const Controles& c) {
    c_ = c;
    c_.GrupoDatoConocido->FijarElementos(OpcionesDatoConocido, 0);
    // Los botones del grupo se crean aquí: se ponen en el orden de tabulación entre el esfuerzo
    // normal y «Calcular», donde están en la ventana.
    setTabOrder(c_.Valor6, c_.GrupoDatoConocido->Boton(0));
    setTabOrder(c_.GrupoDatoConocido->Boton(0), c_.GrupoDatoConocido->Boton(1));
    setTabOrder(c_.GrupoDatoConocido->Boton(1), c_.BotonCalcular);
    c_.BotonCalcular->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    // Las dos leyendas posibles del primer dato caben sin mover nada al cambiar de una a otra.
    const QFontMetrics medida(c_.Label7->font());
    c_.Label7->setMinimumWidth(std::max(medida.horizontalAdvance(QStringLiteral("Momento flector")),
                                        medida.horizontalAdvance(QStringLiteral("Excentricidad"))));
    c_.Label9->setMinimumWidth(medida.horizontalAdvance(QStringLiteral("kN·m")));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(c_.GrupoDatoConocido, &GrupoOpciones::IndiceElegido, this,
            &TDatosSeccionComun::GrupoDatoConocidoClick);
    connect(c_.BotonCalcular, &QPushButton::clicked, this, &TDatosSeccionComun::BotonCalcularClick);
    connect(c_.BotonMomento, &QPushButton::clicked, this, &TDatosSeccionComun::BotonMomentoClick);
    connect(c_.BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TDatosSeccionComun::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    c_.BotonOK->setFocus();
}

void TDatosSeccionComun::GrupoDatoConocidoClick() {
    // El texto ya escrito en Valor5 se queda y se leerá con el nuevo significado.
    if (c_.GrupoDatoConocido->itemIndex() == 1) {
        c_.Label7->setText(QStringLiteral("Excentricidad"));
        c_.Label9->setText(QStringLiteral("m"));
        c_.Valor5->setToolTip(QStringLiteral("Excentricidad del esfuezo normal"));
    } else {
        c_.Label7->setText(QStringLiteral("Momento flector"));
        c_.Label9->setText(QStringLiteral("kN·m"));
        c_.Valor5->setToolTip(QStringLiteral("Momento flector de cálculo"));
    }
}

void TDatosSeccionComun::BotonCalcularClick() {
    const auto eleccion = parametros_ ? parametros_() : EleccionParametros{};
    const auto dato = c_.GrupoDatoConocido->itemIndex() == 1 ? DatoConocido::Excentricidad
                                                             : DatoConocido::MomentoFlector;
    // El número de barras lo cuenta la ventana de resultados con sus diámetros.
    const auto r = CalcularSeccion(estado_, TextosDe(this, CamposVentanaSeccion(tipo_)), tipo_,
                                   dato, eleccion.TipoElemento, eleccion.DesignacionAcero, "10",
                                   "10");
    if (!r) {
        // Ni un resultado viejo ni uno a medias: la ventana de resultados no se abre.
        MostrarError(this, r.error());
        return;
    }
    emit calculado(r.valor().Rotulos);
}

void TDatosSeccionComun::BotonMomentoClick() {
    if (const auto r = PrepararMomento(estado_, TextosDe(this, CamposGeometriaSeccion(tipo_)), tipo_);
        !r) {
        MostrarError(this, r.error());
        return;
    }
    emit pideMomento();
}

} // namespace velmora
