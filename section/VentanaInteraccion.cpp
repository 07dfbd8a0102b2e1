#include "section/VentanaInteraccion.h"

#include "common/Avisar.h"
#include "common/Campos.h"
#include "common/Numeros.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "section/CalculoSeccion.h"
#include "section/DibujoInteraccion.h"
#include "section/GraficoInteraccion.h"

#include "ui_VentanaInteraccion.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <set>

namespace velmora {

namespace {

enum Columna { ColNombre = 0, ColNd, ColMd, ColGamma, ColResultado, NumeroColumnas };

const QColor FondoError(0xfd, 0xe0, 0xe0);

// Las celdas en edición avisan a la ventana de sus teclas, para que pegar varias filas de una
// hoja de cálculo no acabe como texto dentro de una sola celda.
class DelegadoCeldas : public QStyledItemDelegate {
public:
    DelegadoCeldas(QObject* filtro, QObject* padre) : QStyledItemDelegate(padre), filtro_(filtro) {}
    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& opcion,
                          const QModelIndex& indice) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(padre, opcion, indice);
        if (editor)
            editor->installEventFilter(filtro_);
        return editor;
    }

private:
    QObject* filtro_;
};

// Un texto del portapapeles con más de una celda.
bool VariasCeldas(const QString& texto) {
    return texto.trimmed().contains(QRegularExpression(QStringLiteral("[\\t\\n;]")));
}

constexpr int AnchoPng = 1200, AltoPng = 900;

} // namespace

TVentanaInteraccion::TVentanaInteraccion(EstadoDiseno& estado, TVentanaArea* area,
                                         QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaInteraccion>()), estado_(estado),
      area_(area) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaInteraccion"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    ui->GrupoTipoSeccion->FijarElementos({QStringLiteral("Rectangular"), QStringLiteral("En T")},
                                         0, 2);
    ui->AvisoInteraccion->setStyleSheet(QStringLiteral("color: #b00000;"));
    ui->AvisoInteraccion->hide();
    ui->ColumnaDatos->setSizeConstraint(QLayout::SetMinimumSize);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->MarcoGeometria, ui->MarcoArmaduras,
                                                      ui->MarcoResultados, ui->GrupoTipoSeccion,
                                                      ui->AvisoInteraccion})
        w->setFixedWidth(300);
    PrepararTabla();
    GrupoTipoSeccionClick(0);
    resize(1180, 780);

    for (QLineEdit* campo : {ui->Valorh, ui->Valorb, ui->Valorhf, ui->Valorbw, ui->Valord2,
                             ui->Valord1, ui->AreaA1, ui->AreaA2})
        connect(campo, &QLineEdit::textEdited, this, &TVentanaInteraccion::Calcular);
    // Un área escrita a mano ya no es la de las barras elegidas.
    connect(ui->AreaA1, &QLineEdit::textEdited, this,
            [this] { ui->BotonA1->setText(QStringLiteral("Defina armadura")); });
    connect(ui->AreaA2, &QLineEdit::textEdited, this,
            [this] { ui->BotonA2->setText(QStringLiteral("Defina armadura")); });
    connect(ui->GrupoTipoSeccion, &GrupoOpciones::IndiceElegido, this,
            &TVentanaInteraccion::GrupoTipoSeccionClick);
    connect(ui->BotonA1, &QPushButton::clicked, this, &TVentanaInteraccion::BotonA1Click);
    connect(ui->BotonA2, &QPushButton::clicked, this, &TVentanaInteraccion::BotonA2Click);
    connect(ui->Combinaciones, &QTableWidget::itemChanged, this,
            &TVentanaInteraccion::CombinacionesChange);
    connect(ui->BotonPegar, &QPushButton::clicked, this, &TVentanaInteraccion::BotonPegarClick);
    connect(ui->BotonBorrarFilas, &QPushButton::clicked, this,
            &TVentanaInteraccion::BotonBorrarFilasClick);
    connect(ui->BotonVaciar, &QPushButton::clicked, this, &TVentanaInteraccion::BotonVaciarClick);
    connect(ui->BotonCsvCurva, &QPushButton::clicked, this,
            &TVentanaInteraccion::BotonCsvCurvaClick);
    connect(ui->BotonCsvTabla, &QPushButton::clicked, this,
            &TVentanaInteraccion::BotonCsvTablaClick);
    connect(ui->BotonPng, &QPushButton::clicked, this, &TVentanaInteraccion::BotonPngClick);
    connect(ui->BotonSvg, &QPushButton::clicked, this, &TVentanaInteraccion::BotonSvgClick);
    connect(ui->Grafico, &GraficoInteraccion::CombinacionPulsada, this,
            &TVentanaInteraccion::GraficoCombinacionPulsada);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaInteraccion::~TVentanaInteraccion() = default;

void TVentanaInteraccion::PrepararTabla() {
    QTableWidget* t = ui->Combinaciones;
    t->setColumnCount(NumeroColumnas);
    t->setHorizontalHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Nd (kN)"),
                                  QStringLiteral("Md (kN·m)"), QStringLiteral("γ"),
                                  QStringLiteral("Resultado")});
    t->setColumnWidth(ColNombre, 150);
    t->setColumnWidth(ColNd, 110);
    t->setColumnWidth(ColMd, 110);
    t->setColumnWidth(ColGamma, 90);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
    t->setSelectionBehavior(QAbstractItemView::SelectItems);
    t->setEditTriggers(QAbstractItemView::AllEditTriggers);
    t->installEventFilter(this);
    t->setItemDelegate(new DelegadoCeldas(this, t));
    AsegurarFilaVacia();
}

void TVentanaInteraccion::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // Los materiales pueden haber cambiado desde la última vez.
    Calcular();
}

void TVentanaInteraccion::GrupoTipoSeccionClick(int indice) {
    const bool enT = indice == 1;
    for (QWidget* w : {static_cast<QWidget*>(ui->Simbolohf), static_cast<QWidget*>(ui->Valorhf),
                       static_cast<QWidget*>(ui->Unidadhf), static_cast<QWidget*>(ui->Simbolobw),
                       static_cast<QWidget*>(ui->Valorbw), static_cast<QWidget*>(ui->Unidadbw)})
        w->setEnabled(enT);
    if (isVisible())
        Calcular();
}

void TVentanaInteraccion::AbrirConBarras(int barrasA1, int diametroA1, int barrasA2,
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
    ui->Valord1->setText(Q(TextoLongitudM(estado_.d1)));
    const auto poner = [](QLineEdit* area, QPushButton* boton, int n, int d) {
        area->setText(Q(TextoAreaCm2(AreaBarras(n, d))));
        boton->setText(n > 0 && d > 0 ? QStringLiteral("%1Ø%2").arg(n).arg(d)
                                      : QStringLiteral("Defina armadura"));
    };
    poner(ui->AreaA1, ui->BotonA1, barrasA1, diametroA1);
    poner(ui->AreaA2, ui->BotonA2, barrasA2, diametroA2);
    // Con la tabla vacía, los esfuerzos del dimensionamiento son la primera combinación.
    if (ui->Combinaciones->rowCount() == 1 && FilaVacia(0)) {
        escribiendo_ = true;
        PonerCelda(0, ColNombre, QStringLiteral("Cálculo"));
        PonerCelda(0, ColNd, Q(TextoAxilKN(estado_.Nd)));
        PonerCelda(0, ColMd, Q(TextoMomentoKNm(estado_.Md)));
        escribiendo_ = false;
        AsegurarFilaVacia();
    }
    Calcular();
    exec();
}

Resultado<DiagramaInteraccion> TVentanaInteraccion::CalcularDiagrama() {
    DatosSeccionTexto datos;
    datos.Rectangular = ui->GrupoTipoSeccion->itemIndex() == 0;
    datos.h = S(ui->Valorh->text());
    datos.b = S(ui->Valorb->text());
    datos.hf = S(ui->Valorhf->text());
    datos.bw = S(ui->Valorbw->text());
    datos.d2 = S(ui->Valord2->text());
    datos.d1 = S(ui->Valord1->text());
    // Una copia: la ventana no cambia la sección del estado de diseño.
    EstadoDiseno t = estado_;
    if (auto r = PrepararMomento(t, datos); !r)
        return r.error();
    const TextosCampos textos{{"AreaA1", S(ui->AreaA1->text())},
                              {"AreaA2", S(ui->AreaA2->text())}};
    const auto A1 = LeerCampoEnIntervalo(textos, CampoAreaA1);
    if (!A1)
        return A1.error();
    const auto A2 = LeerCampoEnIntervalo(textos, CampoAreaA2);
    if (!A2)
        return A2.error();
    return CalcularInteraccion(t, SeccionDelEstado(t, *A1, *A2));
}

void TVentanaInteraccion::Calcular() {
    auto r = CalcularDiagrama();
    if (!r) {
        // Se conserva el último diagrama válido; el aviso dice qué falta.
        avisoCalculo_ = Q(r.error().mensaje);
        MostrarAviso(avisoCalculo_);
        if (!diagrama_)
            ui->Grafico->Vaciar(avisoCalculo_);
        return;
    }
    diagrama_ = std::move(r.valor());
    avisoCalculo_.clear();
    EscribirResultados();
    ComprobarTabla();
}

const DiagramaInteraccion* TVentanaInteraccion::Diagrama() const {
    return diagrama_ ? &*diagrama_ : nullptr;
}

void TVentanaInteraccion::EscribirResultados() {
    const auto r = RotularInteraccion(*diagrama_);
    ui->EtiquetaN0->setText(Q(r.N0));
    ui->EtiquetaNtraccion->setText(Q(r.Ntraccion));
    ui->EtiquetaMmax->setText(Q(r.Mmax));
    ui->EtiquetaMmin->setText(Q(r.Mmin));
    ui->EtiquetaMateriales->setText(Q(r.Materiales));
}

void TVentanaInteraccion::MostrarAviso(const QString& texto) {
    ui->AvisoInteraccion->setText(texto);
    ui->AvisoInteraccion->setVisible(!texto.isEmpty());
}

QString TVentanaInteraccion::Celda(int fila, int columna) const {
    const auto* item = ui->Combinaciones->item(fila, columna);
    return item ? item->text().trimmed() : QString();
}

bool TVentanaInteraccion::FilaVacia(int fila) const {
    return Celda(fila, ColNombre).isEmpty() && Celda(fila, ColNd).isEmpty() &&
           Celda(fila, ColMd).isEmpty();
}

void TVentanaInteraccion::PonerCelda(int fila, int columna, const QString& texto, bool editable) {
    auto* item = ui->Combinaciones->item(fila, columna);
    if (!item) {
        item = new QTableWidgetItem;
        ui->Combinaciones->setItem(fila, columna, item);
    }
    item->setText(texto);
    if (!editable)
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (columna == ColNd || columna == ColMd || columna == ColGamma)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// Siempre queda una fila vacía al final donde escribir la siguiente combinación.
void TVentanaInteraccion::AsegurarFilaVacia() {
    QTableWidget* t = ui->Combinaciones;
    if (t->rowCount() > 0 && FilaVacia(t->rowCount() - 1))
        return;
    const bool antes = escribiendo_;
    escribiendo_ = true;
    const int fila = t->rowCount();
    t->insertRow(fila);
    PonerCelda(fila, ColGamma, {}, false);
    PonerCelda(fila, ColResultado, {}, false);
    escribiendo_ = antes;
}

void TVentanaInteraccion::ComprobarTabla() {
    QTableWidget* t = ui->Combinaciones;
    escribiendo_ = true;
    comprobaciones_.clear();
    filaDeComprobacion_.clear();
    QString primerError;
    int cumplen = 0;
    for (int fila = 0; fila < t->rowCount(); ++fila) {
        for (int c = 0; c < NumeroColumnas; ++c)
            if (auto* item = t->item(fila, c)) {
                item->setBackground(QBrush());
                // Los números a la derecha, también los tecleados en una celda nueva.
                if (c == ColNd || c == ColMd)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
        PonerCelda(fila, ColGamma, {}, false);
        PonerCelda(fila, ColResultado, {}, false);
        if (FilaVacia(fila))
            continue;
        const auto c = LeerCombinacion({S(Celda(fila, ColNombre)), S(Celda(fila, ColNd)),
                                        S(Celda(fila, ColMd))},
                                       fila + 1);
        if (!c) {
            for (int k = ColNombre; k <= ColMd; ++k)
                if (auto* item = t->item(fila, k))
                    item->setBackground(FondoError);
            if (primerError.isEmpty())
                primerError = Q(c.error().mensaje);
            continue;
        }
        if (!diagrama_)
            continue;
        const auto x = ComprobarCombinacion(*diagrama_, c.valor());
        PonerCelda(fila, ColGamma, Q(TextoGamma(x)), false);
        PonerCelda(fila, ColResultado, Q(TextoVeredicto(x)), false);
        t->item(fila, ColResultado)->setForeground(QColor(x.Cumple ? ColorCumple : ColorNoCumple));
        cumplen += x.Cumple ? 1 : 0;
        comprobaciones_.push_back(x);
        filaDeComprobacion_.push_back(fila);
    }
    escribiendo_ = false;
    if (diagrama_)
        ui->Grafico->Fijar(&*diagrama_, comprobaciones_);
    const int total = static_cast<int>(comprobaciones_.size());
    const auto cuantas = [](int n, const char* una, const char* varias) {
        return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? una : varias));
    };
    ui->EtiquetaResumen->setText(total == 0 ? QString()
                                            : cuantas(total, "combinación", "combinaciones") +
                                                  QStringLiteral(": ") +
                                                  cuantas(cumplen, "cumple", "cumplen") +
                                                  QStringLiteral(", ") +
                                                  cuantas(total - cumplen, "no cumple",
                                                          "no cumplen") +
                                                  QLatin1Char('.'));
    QStringList avisos;
    for (const QString& a : {avisoCalculo_, primerError})
        if (!a.isEmpty())
            avisos << a;
    MostrarAviso(avisos.join(QLatin1Char('\n')));
    emit DiagramaCalculado();
}

void TVentanaInteraccion::CombinacionesChange(QTableWidgetItem*) {
    if (escribiendo_)
        return;
    AsegurarFilaVacia();
    ComprobarTabla();
}

void TVentanaInteraccion::PegarTexto(const QString& texto) {
    const auto filas = PartirTablaPegada(S(texto));
    if (filas.empty())
        return;
    QTableWidget* t = ui->Combinaciones;
    int fila = t->currentRow();
    if (fila < 0)
        fila = t->rowCount() - 1; // la fila vacía del final
    escribiendo_ = true;
    for (const auto& f : filas) {
        if (fila >= t->rowCount())
            t->insertRow(fila);
        PonerCelda(fila, ColNombre, Q(f.Nombre));
        PonerCelda(fila, ColNd, Q(f.Nd));
        PonerCelda(fila, ColMd, Q(f.Md));
        ++fila;
    }
    escribiendo_ = false;
    AsegurarFilaVacia();
    ComprobarTabla();
}

void TVentanaInteraccion::BotonPegarClick() {
    PegarTexto(QApplication::clipboard()->text());
}

void TVentanaInteraccion::BotonBorrarFilasClick() {
    std::set<int> filas;
    for (const auto* item : ui->Combinaciones->selectedItems())
        filas.insert(item->row());
    if (filas.empty() && ui->Combinaciones->currentRow() >= 0)
        filas.insert(ui->Combinaciones->currentRow());
    escribiendo_ = true;
    for (auto it = filas.rbegin(); it != filas.rend(); ++it)
        ui->Combinaciones->removeRow(*it);
    escribiendo_ = false;
    AsegurarFilaVacia();
    ComprobarTabla();
}

void TVentanaInteraccion::BotonVaciarClick() {
    escribiendo_ = true;
    ui->Combinaciones->setRowCount(0);
    escribiendo_ = false;
    AsegurarFilaVacia();
    ComprobarTabla();
}

bool TVentanaInteraccion::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && objeto != ui->Combinaciones &&
        objeto->parent() == ui->Combinaciones->viewport() &&
        static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Paste) &&
        VariasCeldas(QApplication::clipboard()->text())) {
        // Se cierra la celda en edición y se pegan las filas desde la suya.
        const int fila = ui->Combinaciones->currentRow();
        ui->Combinaciones->setFocus();
        QTimer::singleShot(0, this, [this, fila] {
            ui->Combinaciones->setCurrentCell(fila, ColNombre);
            BotonPegarClick();
        });
        return true;
    }
    if (objeto == ui->Combinaciones && evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->matches(QKeySequence::Paste)) {
            BotonPegarClick();
            return true;
        }
        // Supr borra el contenido de las celdas elegidas, como en una hoja de cálculo.
        if (tecla->key() == Qt::Key_Delete || tecla->key() == Qt::Key_Backspace) {
            escribiendo_ = true;
            for (auto* item : ui->Combinaciones->selectedItems())
                if (item->flags() & Qt::ItemIsEditable)
                    item->setText({});
            escribiendo_ = false;
            AsegurarFilaVacia();
            ComprobarTabla();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TVentanaInteraccion::GraficoCombinacionPulsada(int indice) {
    if (indice < 0 || indice >= static_cast<int>(filaDeComprobacion_.size()))
        return;
    ui->Combinaciones->selectRow(filaDeComprobacion_[static_cast<std::size_t>(indice)]);
}

void TVentanaInteraccion::ElegirBarras(int ranura) {
    if (!area_ || !area_->Seleccionar(ranura))
        return;
    QLineEdit* area = ranura == 1 ? ui->AreaA1 : ui->AreaA2;
    QPushButton* boton = ranura == 1 ? ui->BotonA1 : ui->BotonA2;
    area->setText(Q(TextoAreaCm2(estado_.AreaTotal)));
    boton->setText(Q(TextoArmadura(estado_, ranura)));
    Calcular();
}

void TVentanaInteraccion::BotonA1Click() { ElegirBarras(1); }
void TVentanaInteraccion::BotonA2Click() { ElegirBarras(2); }

// --- Exportación ---

bool TVentanaInteraccion::GuardarTexto(const QString& ruta, const std::string& contenido) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(contenido.data(), static_cast<qint64>(contenido.size())) !=
            static_cast<qint64>(contenido.size())) {
        Avisar(QStringLiteral("No se puede escribir el fichero «%1»: %2.")
                   .arg(QDir::toNativeSeparators(ruta), f.errorString()),
               this);
        return false;
    }
    return true;
}

bool TVentanaInteraccion::GuardarCsvCurva(const QString& ruta) {
    if (!diagrama_) {
        Avisar(QStringLiteral("Aún no hay diagrama que guardar: defina la sección y sus "
                              "armaduras."),
               this);
        return false;
    }
    return GuardarTexto(ruta, CsvCurva(*diagrama_));
}

bool TVentanaInteraccion::GuardarCsvTabla(const QString& ruta) {
    return GuardarTexto(ruta, CsvCombinaciones(comprobaciones_));
}

bool TVentanaInteraccion::GuardarSvg(const QString& ruta) {
    if (!diagrama_)
        return GuardarCsvCurva(ruta); // mismo aviso
    return GuardarTexto(ruta, SvgInteraccion(*diagrama_, comprobaciones_));
}

bool TVentanaInteraccion::GuardarPng(const QString& ruta) {
    if (!diagrama_)
        return GuardarCsvCurva(ruta);
    QImage imagen(AnchoPng, AltoPng, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        PintarTrazos(p, ComponerDibujoInteraccion(*diagrama_, comprobaciones_, AnchoPng, AltoPng)
                            .Trazos);
    }
    if (!imagen.save(ruta, "PNG")) {
        Avisar(QStringLiteral("No se puede escribir el fichero «%1».")
                   .arg(QDir::toNativeSeparators(ruta)),
               this);
        return false;
    }
    return true;
}

void TVentanaInteraccion::Exportar(const QString& titulo, const QString& extension,
                                   bool (TVentanaInteraccion::*guardar)(const QString&)) {
    QString ruta = QFileDialog::getSaveFileName(
        this, titulo, QDir::home().filePath(QStringLiteral("interaccion.") + extension),
        QStringLiteral("%1 (*.%2)").arg(extension.toUpper(), extension));
    if (ruta.isEmpty())
        return;
    if (!ruta.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
        ruta += QLatin1Char('.') + extension;
    (this->*guardar)(ruta);
}

void TVentanaInteraccion::BotonCsvCurvaClick() {
    Exportar(QStringLiteral("Guardar la curva"), QStringLiteral("csv"),
             &TVentanaInteraccion::GuardarCsvCurva);
}

void TVentanaInteraccion::BotonCsvTablaClick() {
    Exportar(QStringLiteral("Guardar las combinaciones"), QStringLiteral("csv"),
             &TVentanaInteraccion::GuardarCsvTabla);
}

void TVentanaInteraccion::BotonPngClick() {
    Exportar(QStringLiteral("Guardar el dibujo"), QStringLiteral("png"),
             &TVentanaInteraccion::GuardarPng);
}

void TVentanaInteraccion::BotonSvgClick() {
    Exportar(QStringLiteral("Guardar el dibujo"), QStringLiteral("svg"),
             &TVentanaInteraccion::GuardarSvg);
}

} // namespace velmora
