#include "section/VentanaMomento.h"

#include "common/Avisar.h"
#include "common/Campos.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "section/DominioDeDeformacion.h"
#include "section/CalculoSeccion.h"

#include "norma/Norma.h"

#include "ui_VentanaMomento.h"

#include <QStyle>

namespace velmora {

TVentanaMomento::TVentanaMomento(EstadoDiseno& estado, TVentanaArea& area, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaMomento>()), estado_(estado), area_(area) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaMomento"));
    ui->BotonCalcular->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    // El rótulo del momento se reserva el ancho de un resultado, para que no cambie la ventana.
    ui->EtiquetaMomento->setMinimumWidth(
        ui->EtiquetaMomento->fontMetrics().horizontalAdvance(QStringLiteral("00000000.00 kN*m")) +
        12);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(ui->BotonCalcular, &QPushButton::clicked, this, &TVentanaMomento::BotonCalcularClick);
    connect(ui->Comprimida, &QCheckBox::clicked, this, &TVentanaMomento::ComprimidaClick);
    connect(ui->Traccionada, &QCheckBox::clicked, this, &TVentanaMomento::TraccionadaClick);
    connect(ui->AreaComprimida, &QPushButton::clicked, this, &TVentanaMomento::AreaComprimidaClick);
    connect(ui->AreaTraccionada, &QPushButton::clicked, this,
            &TVentanaMomento::AreaTraccionadaClick);
    connect(ui->BotonDominio, &QPushButton::clicked, this, &TVentanaMomento::BotonDominioClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    LimpiarMomento();
}

TVentanaMomento::~TVentanaMomento() = default;

void TVentanaMomento::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    ui->BotonOK->setFocus();
    ui->EtiquetaNorma->setText(Q(TextoNormaEnUso(estado_.norma)));
    CalcularMomentoAgotamiento();
}

void TVentanaMomento::CalcularMomentoAgotamiento() {
    const auto r = CalcularMomento(
        estado_, ArmaduraDada{As1Dada_, As2Dada_, ui->Traccionada->isChecked(),
                                  ui->Comprimida->isChecked()});
    if (!r) {
        LimpiarMomento();
        Avisar(Q(r.error().mensaje), this);
        return;
    }
    ui->EtiquetaMomento->setText(Q(TextoMomento(r.valor().Mu)));
    ui->BotonDominio->setEnabled(true);
}

void TVentanaMomento::LimpiarMomento() {
    ui->EtiquetaMomento->clear();
    ui->BotonDominio->setEnabled(false);
}

void TVentanaMomento::ComprimidaClick() {
    LimpiarMomento();
    ui->AreaComprimida->setEnabled(ui->Comprimida->isChecked());
}

void TVentanaMomento::TraccionadaClick() {
    LimpiarMomento();
    ui->AreaTraccionada->setEnabled(ui->Traccionada->isChecked());
}

void TVentanaMomento::AreaComprimidaClick() {
    LimpiarMomento();
    if (!area_.Seleccionar(2))
        return;
    As2Dada_ = estado_.AreaTotal;
    ui->AreaComprimida->setText(Q(TextoArmadura(estado_, 2)));
}

void TVentanaMomento::AreaTraccionadaClick() {
    LimpiarMomento();
    if (!area_.Seleccionar(1))
        return;
    As1Dada_ = estado_.AreaTotal;
    ui->AreaTraccionada->setText(Q(TextoArmadura(estado_, 1)));
}

void TVentanaMomento::FijarArmadura(int ranura, bool definida) {
    LimpiarMomento();
    (ranura == 2 ? As2Dada_ : As1Dada_) = definida ? AreaDeRanura(estado_, ranura) : 0.0;
    (ranura == 2 ? ui->AreaComprimida : ui->AreaTraccionada)
        ->setText(definida ? Q(TextoArmadura(estado_, ranura))
                           : QStringLiteral("Defina armadura"));
}

void TVentanaMomento::BotonDominioClick() {
    TDominioDeDeformacion::Mostrar(estado_, this);
}

} // namespace velmora
