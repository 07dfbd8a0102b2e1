#include "section/DatosSeccionComun.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"
#include "common/GrupoOpciones.h"
#include "design/ParametrosGenerales.h"
#include "section/VentanaMomento.h"
#include "section/VentanaResultados.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace velmora {

TDatosSeccionComun::TDatosSeccionComun(Aplicacion& app, QWidget* parent)
    : QDialog(parent), app_(app) {}

void TDatosSeccionComun::Preparar(const Controles& c) {
    c_ = c;
    c_.GrupoDatoConocido->FijarElementos(
        {QStringLiteral("Momento flector"), QStringLiteral("Excentricidad")}, 0);
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
    c_.Label9->setMinimumWidth(medida.horizontalAdvance(QStringLiteral("kN*m")));
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
        c_.Label9->setText(QStringLiteral("kN*m"));
        c_.Valor5->setToolTip(QStringLiteral("Momento flector de cálculo"));
    }
}

void TDatosSeccionComun::Fallo(const ErrorCalculo& error) {
    MostrarError(this, error);
}

void TDatosSeccionComun::LeerSolicitaciones(DatosSeccionTexto& datos) const {
    datos.Valor5 = S(c_.Valor5->text());
    datos.Valor6 = S(c_.Valor6->text());
    datos.DatoConocido = c_.GrupoDatoConocido->itemIndex();
}

void TDatosSeccionComun::MostrarResultados(const CalculoSeccionResultado& r) {
    auto* resultados = app_.VentanaResultados;
    resultados->MostrarResultados(r.Rotulos);
    resultados->NumeroBarrasTraccion();
    resultados->NumeroBarrasCompresion();
}

void TDatosSeccionComun::BotonCalcularClick() {
    auto datos = LeerGeometriaVentana();
    LeerSolicitaciones(datos);
    const auto eleccion = app_.ParametrosGenerales->Eleccion();
    auto* resultados = app_.VentanaResultados;
    const auto r =
        CalcularSeccion(app_.Estado, datos, eleccion.TipoElemento, eleccion.DesignacionAcero,
                        S(resultados->DiametroTraccion()), S(resultados->DiametroCompresion()));
    if (!r) {
        // Ni un resultado viejo ni uno a medias: la ventana de resultados no se abre.
        Fallo(r.error());
        return;
    }
    MostrarResultados(*r);
    resultados->exec();
}

void TDatosSeccionComun::BotonMomentoClick() {
    const auto r = PrepararMomento(app_.Estado, LeerGeometriaVentana());
    if (!r) {
        Fallo(r.error());
        return;
    }
    app_.VentanaMomento->exec();
}

} // namespace velmora
