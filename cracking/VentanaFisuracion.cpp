#include "cracking/VentanaFisuracion.h"

#include "common/Campos.h"
#include "common/Numeros.h"
#include "cracking/DescripcionFisuracion.h"
#include "cracking/DibujoFisuracion.h"
#include "cracking/RotulosFisuracion.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "section/Interaccion.h"

#include "ui_VentanaFisuracion.h"

#include <vector>

namespace velmora {

namespace {

const QString SinDefinir = QStringLiteral("Defina armadura");

std::vector<GrupoBarras> Barras(const EstadoDiseno& e, int ranura, bool definida) {
    if (!definida)
        return {};
    const auto g = GruposEnUso(e, ranura);
    return {g.begin(), g.end()};
}

} // namespace

TVentanaFisuracion::TVentanaFisuracion(EstadoDiseno& estado, TVentanaArea* area, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaFisuracion>()), estado_(estado),
      area_(area) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaFisuracion"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    ui->GrupoTipoSeccion->FijarElementos(OpcionesSeccionFisuracion, SeccionFisuracionDefecto, 2);
    ui->GrupoDuracion->FijarElementos(OpcionesDuracionFisuracion, DuracionDefecto);
    for (const std::string_view o : OpcionesExposicion)
        ui->ClaseExposicion->addItem(QString::fromUtf8(o.data(), static_cast<qsizetype>(o.size())));
    ui->ClaseExposicion->setCurrentIndex(ExposicionDefecto);
    ui->AvisoFisuracion->setStyleSheet(QStringLiteral("color: #b00000;"));
    ui->AvisoFisuracion->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->MarcoGeometria, ui->MarcoArmaduras, ui->MarcoEsfuerzos,
                                         ui->GrupoTipoSeccion, ui->GrupoDuracion})
        w->setFixedWidth(330);
    ui->RejillaResultados->setColumnStretch(1, 1);
    GrupoTipoSeccionClick(SeccionFisuracionDefecto);
    CaracteristicaClick();
    resize(1060, 760);

    connect(ui->GrupoTipoSeccion, &GrupoOpciones::IndiceElegido, this,
            &TVentanaFisuracion::GrupoTipoSeccionClick);
    connect(ui->Caracteristica, &QCheckBox::toggled, this,
            &TVentanaFisuracion::CaracteristicaClick);
    connect(ui->BotonA1, &QPushButton::clicked, this, &TVentanaFisuracion::BotonA1Click);
    connect(ui->BotonA2, &QPushButton::clicked, this, &TVentanaFisuracion::BotonA2Click);
    connect(ui->BotonCalcular, &QPushButton::clicked, this,
            &TVentanaFisuracion::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaFisuracion::~TVentanaFisuracion() = default;

void TVentanaFisuracion::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // Los materiales o las barras pueden haber cambiado desde la última vez.
    Calcular();
}

void TVentanaFisuracion::GrupoTipoSeccionClick(int indice) {
    const bool enT = indice == 1;
    for (QWidget* w : {static_cast<QWidget*>(ui->Simbolohf), static_cast<QWidget*>(ui->Valorhf),
                       static_cast<QWidget*>(ui->Unidadhf), static_cast<QWidget*>(ui->Simbolobw),
                       static_cast<QWidget*>(ui->Valorbw), static_cast<QWidget*>(ui->Unidadbw)})
        w->setEnabled(enT);
}

void TVentanaFisuracion::CaracteristicaClick() {
    const bool si = ui->Caracteristica->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(ui->MomentoCar), static_cast<QWidget*>(ui->AxilCar),
          static_cast<QWidget*>(ui->SimboloMomentoCar), static_cast<QWidget*>(ui->SimboloAxilCar)})
        w->setEnabled(si);
}

void TVentanaFisuracion::ElegirBarras(int ranura) {
    if (!area_ || !area_->Seleccionar(ranura))
        return;
    FijarArmadura(ranura, true);
    Calcular();
}

void TVentanaFisuracion::BotonA1Click() {
    ElegirBarras(1);
}

void TVentanaFisuracion::BotonA2Click() {
    ElegirBarras(2);
}

void TVentanaFisuracion::FijarArmadura(int ranura, bool definida) {
    (ranura == 2 ? definidaA2_ : definidaA1_) = definida;
    (ranura == 2 ? ui->BotonA2 : ui->BotonA1)
        ->setText(definida ? Q(TextoArmadura(estado_, ranura)) : SinDefinir);
}

void TVentanaFisuracion::AbrirConBarras(int barrasA1, int diametroA1, int barrasA2,
                                        int diametroA2) {
    ui->GrupoTipoSeccion->setItemIndex(estado_.SeccionRectangular ? 0 : 1);
    GrupoTipoSeccionClick(ui->GrupoTipoSeccion->itemIndex());
    ui->Valorh->setText(Q(TextoLongitudM(estado_.h)));
    ui->Valorb->setText(Q(TextoLongitudM(estado_.b)));
    if (!estado_.SeccionRectangular) {
        ui->Valorhf->setText(Q(TextoLongitudM(estado_.hf)));
        ui->Valorbw->setText(Q(TextoLongitudM(estado_.bw)));
    }
    ui->Valord2->setText(Q(TextoLongitudM(estado_.d2)));
    // d1 es la distancia de la cara al centro de las barras: el recubrimiento libre es d1 − φ/2.
    if (diametroA1 > 0)
        ui->Recubrimiento->setText(Q(Formatear(estado_.d1 - diametroA1 / 2.0, 0, 1)));
    const auto poner = [this](int ranura, int n, int d) {
        const bool hay = n > 0 && d > 0;
        if (hay) {
            estado_.NumeroDiametros[static_cast<std::size_t>(ranura)] = 1;
            estado_.Barras[static_cast<std::size_t>(ranura)][0] = {n, d};
        }
        FijarArmadura(ranura, hay);
    };
    poner(1, barrasA1, diametroA1);
    poner(2, barrasA2, diametroA2);
    Calcular();
    exec();
}

void TVentanaFisuracion::Calcular(bool avisar) {
    EleccionFisuracion e;
    e.Rectangular = ui->GrupoTipoSeccion->itemIndex() != 1;
    e.LargaDuracion = ui->GrupoDuracion->itemIndex() == 1;
    e.Clase = std::max(ui->ClaseExposicion->currentIndex(), 0);
    e.Caracteristica = ui->Caracteristica->isChecked();
    const auto datos =
        LeerDatosFisuracion(TextosDe(this, CamposFisuracion), e, Barras(estado_, 1, definidaA1_),
                            Barras(estado_, 2, definidaA2_), estado_.fck, estado_.fyk);
    auto r =
        datos ? CalcularFisuracion(*datos) : velmora::Resultado<ResultadoFisuracion>(datos.error());
    if (!r) {
        Limpiar(Q(r.error().mensaje));
        if (avisar)
            MostrarError(this, r.error());
        return;
    }
    resultado_ = std::move(r.valor());
    EscribirResultados(*resultado_);
}

void TVentanaFisuracion::EscribirResultados(const ResultadoFisuracion& r) {
    ui->AvisoFisuracion->hide();
    for (const auto& [control, texto] : RotularFisuracion(r)) {
        auto* etiqueta = findChild<QLabel*>(Q(control));
        if (!etiqueta)
            continue;
        etiqueta->setText(Q(texto));
        if (control.rfind("Veredicto", 0) == 0)
            etiqueta->setStyleSheet(VeredictoCumple(texto) ? QStringLiteral("color: #2e7d32;")
                                                           : QStringLiteral("color: #c62828;"));
    }
    ui->Dibujo->Fijar(
        [r](double ancho, double alto) { return ComponerDibujoFisuracion(r, ancho, alto); });
}

void TVentanaFisuracion::Limpiar(const QString& aviso) {
    resultado_.reset();
    for (const auto& [control, texto] : RotularFisuracion(ResultadoFisuracion{}))
        if (control != "EtiquetaNorma")
            if (auto* etiqueta = findChild<QLabel*>(Q(control)))
                etiqueta->clear();
    ui->Dibujo->Vaciar();
    ui->AvisoFisuracion->setText(aviso);
    ui->AvisoFisuracion->setVisible(!aviso.isEmpty());
}

} // namespace velmora
