#include "design/VentanaArea.h"

#include "ui_VentanaArea.h"

#include "common/Campos.h"
#include "common/Numeros.h"
#include "design/LecturaBarras.h"
#include "design/Ranuras.h"

#include <QFontDatabase>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace velmora {

TVentanaArea::TVentanaArea(EstadoDiseno& estado, QWidget* parent)
    : QDialog(parent), estado_(estado), ui(std::make_unique<Ui::TVentanaArea>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaArea"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    numero_ = {ui->NumeroRedondos01, ui->NumeroRedondos02, ui->NumeroRedondos03};
    diametro_ = {ui->Diametro01, ui->Diametro02, ui->Diametro03};
    fi_ = {ui->Etiqueta01, ui->Etiqueta02, ui->Etiqueta03};
    for (int j = 0; j < GruposPorRanura; ++j) {
        diametro_[j]->setCurrentIndex(2);
        diametro_[j]->setEditText(QStringLiteral("10"));
        // Las filas ocultas conservan su sitio: la ventana no cambia de tamaño.
        for (QWidget* w : {static_cast<QWidget*>(numero_[j]), static_cast<QWidget*>(diametro_[j]),
                           static_cast<QWidget*>(fi_[j])}) {
            QSizePolicy politica = w->sizePolicy();
            politica.setRetainSizeWhenHidden(true);
            w->setSizePolicy(politica);
            w->setVisible(j == 0);
        }
    }

    // El área lleva blancos a la izquierda (formato de 10 caracteres): letra de paso fijo.
    QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fija.setPointSizeF(font().pointSizeF() * 1.15);
    fija.setBold(true);
    ui->EtiquetaArea->setFont(fija);
    ui->EtiquetaArea->setMinimumWidth(QFontMetrics(fija).horizontalAdvance(QString(12, ' ')));
    QFont griega = font();
    griega.setPointSizeF(griega.pointSizeF() * 1.2);
    for (QLabel* fi : fi_)
        fi->setFont(griega);
    QPalette rojo = ui->EtiquetaAviso->palette();
    rojo.setColor(QPalette::WindowText, QColor(170, 0, 0));
    ui->EtiquetaAviso->setPalette(rojo);
    ui->EtiquetaAviso->setVisible(false);
    ui->BotonOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BotonCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    connect(ui->Contador01, &QSpinBox::valueChanged, this, &TVentanaArea::Contador01Change);
    for (QLineEdit* numero : numero_)
        connect(numero, &QLineEdit::textChanged, this, &TVentanaArea::Diametro01Change);
    for (QComboBox* diametro : diametro_)
        connect(diametro, &QComboBox::editTextChanged, this, &TVentanaArea::Diametro01Change);
    connect(ui->BotonOK, &QPushButton::clicked, this, &TVentanaArea::BotonOKClick);
    connect(ui->BotonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TVentanaArea::~TVentanaArea() = default;

int TVentanaArea::Ranura() const {
    return std::clamp(estado_.IndiceArmadura, 0, NumeroRanuras - 1);
}

bool TVentanaArea::Seleccionar(int ranura) {
    estado_.IndiceArmadura = std::clamp(ranura, 0, NumeroRanuras - 1);
    return exec() == QDialog::Accepted;
}

QString TVentanaArea::TextoArea() const {
    return ui->EtiquetaArea->text();
}

void TVentanaArea::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    FormShow();
}

// Cada apertura parte de la ranura guardada, no de lo que mostraban los controles.
void TVentanaArea::FormShow() {
    CargarControles();
    MostrarFilas();
    MostrarArea();
    MostrarAviso(Correcto());
    ui->BotonOK->setFocus(Qt::OtherFocusReason);
}

void TVentanaArea::Contador01Change(int valor) {
    const int k = Ranura();
    if (valor == estado_.NumeroDiametros[k] || Actualizando)
        return;
    estado_.NumeroDiametros[k] = GruposValidos(valor);
    CargarControles();
    MostrarFilas();
    MostrarArea();
    MostrarAviso(Correcto());
}

void TVentanaArea::Diametro01Change() {
    if (Actualizando)
        return;
    const Estado lectura = LeerControles();
    MostrarAviso(lectura);
    MostrarArea(lectura);
}

void TVentanaArea::BotonOKClick() {
    // Con un dato que no es un número, el área mostrada no sería la de lo escrito.
    const Estado lectura = LeerControles();
    MostrarArea(lectura);
    if (!lectura) {
        MostrarAviso(lectura);
        MostrarError(this, lectura.error());
        return;
    }
    accept();
}

Estado TVentanaArea::LeerControles() {
    const int k = Ranura();
    EstadoDiseno& e = estado_;
    Estado primero = Correcto();
    const int grupos = GruposValidos(e.NumeroDiametros[k]);
    for (int j = 0; j < grupos; ++j) {
        GrupoBarras& g = e.Barras[k][j];
        const auto n = LeerNumeroBarras(S(numero_[j]->text()), j);
        if (n) {
            g.Numero = (*n).n;
            if ((*n).reescribir) {
                const QSignalBlocker bloqueo(numero_[j]);
                numero_[j]->setText(Q(FormatearEntero((*n).n)));
            }
        } else if (primero) {
            primero = n.error();
        }
        const auto d = LeerDiametroBarras(S(diametro_[j]->currentText()), j);
        if (d)
            g.Diametro = *d;
        else if (primero)
            primero = d.error();
    }
    return primero;
}

void TVentanaArea::CargarControles() {
    const int k = Ranura();
    const EstadoDiseno& e = estado_;
    Actualizando = true;
    ui->Contador01->setValue(GruposValidos(e.NumeroDiametros[k]));
    const auto grupos = GruposEnUso(e, k);
    for (std::size_t j = 0; j < grupos.size(); ++j) {
        numero_[j]->setText(Q(FormatearEntero(grupos[j].Numero)));
        diametro_[j]->setEditText(Q(FormatearEntero(grupos[j].Diametro)));
    }
    Actualizando = false;
}

void TVentanaArea::MostrarFilas() {
    const int grupos = GruposValidos(estado_.NumeroDiametros[Ranura()]);
    for (int j = 1; j < GruposPorRanura; ++j) { // el primer grupo siempre se ve
        const bool visible = j < grupos;
        numero_[j]->setVisible(visible);
        diametro_[j]->setVisible(visible);
        fi_[j]->setVisible(visible);
    }
}

void TVentanaArea::MostrarArea(const Estado& lectura) {
    estado_.IndiceArmadura = Ranura();
    SumarArea(estado_);
    // Con un dato rechazado el área de la ranura (la de su último valor válido) no es la de lo
    // escrito: no se muestra; el aviso en rojo dice por qué.
    ui->EtiquetaArea->setText(lectura ? Q(TextoAreaTotal(estado_)) : QString());
}

void TVentanaArea::MostrarAviso(const Estado& lectura) {
    ui->EtiquetaAviso->setText(lectura ? QString() : Q(lectura.error().mensaje));
    ui->EtiquetaAviso->setVisible(!lectura);
}

} // namespace velmora
