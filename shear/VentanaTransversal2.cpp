#include "shear/VentanaTransversal2.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"
#include "common/Numeros.h"
#include "shear/Cercos.h"
#include "shear/Cuadros.h"
#include "ui_VentanaTransversal2.h"

#include <QLayout>

namespace velmora {

TVentanaTransversal2::TVentanaTransversal2(Aplicacion& app, QWidget* parent)
    : QDialog(parent), app_(app), ui(std::make_unique<Ui::TVentanaTransversal2>()) {
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    auto politica = ui->Aviso->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    ui->Aviso->setSizePolicy(politica);
    ui->Aviso->hide();
    for (QLineEdit* campo : {ui->Valor1, ui->Valor2, ui->Valor3})
        connect(campo, &QLineEdit::editingFinished, this,
                &TVentanaTransversal2::DiametroMinimoChange);
    connect(ui->DiametroMinimo, &QComboBox::currentIndexChanged, this,
            &TVentanaTransversal2::DiametroMinimoChange);
    connect(ui->DiametroMinimo->lineEdit(), &QLineEdit::editingFinished, this,
            &TVentanaTransversal2::DiametroMinimoChange);
    connect(ui->DiametroMaximo, &QComboBox::currentIndexChanged, this,
            &TVentanaTransversal2::DiametroMaximoChange);
    connect(ui->DiametroMaximo->lineEdit(), &QLineEdit::editingFinished, this,
            &TVentanaTransversal2::DiametroMaximoChange);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    ui->BotonOK->setFocus();
}

TVentanaTransversal2::~TVentanaTransversal2() = default;

void TVentanaTransversal2::DiametroMinimoChange() {
    Ajustar(true);
}

void TVentanaTransversal2::DiametroMaximoChange() {
    Ajustar(false);
}

// La barra más delgada nunca queda por encima de la más gruesa: se mueve el otro cuadro.
void TVentanaTransversal2::Ajustar(bool cambioMinimo) {
    const auto min = LeerNumero(S(ui->DiametroMinimo->currentText()), "Diámetro mínimo");
    const auto max = LeerNumero(S(ui->DiametroMaximo->currentText()), "Diámetro máximo");
    if (min && max) {
        double phiMin = *min, phiMax = *max;
        if (AjustarDiametros(phiMin, phiMax, cambioMinimo)) {
            FijarTextoCuadro(cambioMinimo ? ui->DiametroMaximo : ui->DiametroMinimo,
                             Q(Formatear(cambioMinimo ? phiMax : phiMin, 2, 0)));
        }
    }
    CalcularCercos();
}

// El último resultado queda, atenuado, hasta que los datos vuelvan a ser válidos.
void TVentanaTransversal2::MostrarAviso(const QString& texto) {
    ui->Aviso->setText(texto);
    ui->Aviso->show();
    ui->Armadura->setEnabled(false);
}

void TVentanaTransversal2::CalcularCercos() {
    struct Campo {
        QWidget* control;
        const char* nombre;
    };
    const Campo campos[] = {{ui->Valor1, "Canto h"},
                            {ui->Valor2, "Ancho b"},
                            {ui->Valor3, "Recubrimiento d1"},
                            {ui->DiametroMinimo, "Diámetro de la barra más delgada"},
                            {ui->DiametroMaximo, "Diámetro de la barra más gruesa"}};
    double v[5];
    for (int i = 0; i < 5; ++i) {
        const auto r = LeerNumero(S(TextoDe(campos[i].control)), campos[i].nombre,
                                  S(campos[i].control->objectName()));
        if (!r) {
            MostrarAviso(Q(r.error().mensaje));
            return;
        }
        v[i] = *r;
    }
    const auto c = velmora::CalcularCercos(app_.Estado, v[0] * 1000, v[1] * 1000, v[2] * 1000, v[3], v[4]);
    if (!c) {
        MostrarAviso(Q(c.error().mensaje));
        return;
    }
    ui->Aviso->hide();
    ui->Aviso->clear();
    ui->Armadura->setEnabled(true);
    ui->Armadura->setText(Q(c.valor().Armadura));
}

} // namespace velmora
