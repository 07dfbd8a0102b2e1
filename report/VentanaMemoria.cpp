#include "report/VentanaMemoria.h"

#include "common/Avisar.h"
#include "common/DialogoGuardar.h"
#include "report/DialogoDatosProyecto.h"
#include "report/DocumentoInforme.h"
#include "report/MemoriaLote.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace velmora {

VentanaMemoria::VentanaMemoria(QString linea, QWidget* padre)
    : QDialog(padre), linea_(std::move(linea)), vista_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("VentanaMemoria"));
    setWindowTitle(QStringLiteral("Memoria de cálculo"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(860, 900);
    vista_->setObjectName(QStringLiteral("VistaMemoria"));
    vista_->setOpenLinks(false);
    auto* botones = new QHBoxLayout;
    const auto boton = [&](const char* nombre, const QString& texto, void (VentanaMemoria::*f)()) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, f);
        botones->addWidget(b);
    };
    boton("BotonImprimir", QStringLiteral("&Imprimir…"), &VentanaMemoria::BotonImprimirClick);
    boton("BotonGuardarPdf", QStringLiteral("Guardar &PDF…"),
          &VentanaMemoria::BotonGuardarPdfClick);
    boton("BotonGuardarHtml", QStringLiteral("Guardar &HTML…"),
          &VentanaMemoria::BotonGuardarHtmlClick);
    boton("BotonCopiar", QStringLiteral("&Copiar"), &VentanaMemoria::BotonCopiarClick);
    botones->addStretch();
    boton("BotonDatosProyecto", QStringLiteral("&Datos del proyecto…"),
          &VentanaMemoria::BotonDatosProyectoClick);
    auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("BotonCerrar"));
    connect(cerrar, &QPushButton::clicked, this, &QDialog::close);
    botones->addWidget(cerrar);
    auto* capas = new QVBoxLayout(this);
    capas->addWidget(vista_, 1);
    capas->addLayout(botones);
    Recalcular();
}

void VentanaMemoria::Recalcular() {
    QString error;
    html_ = MemoriaDeLinea(linea_, LeerDatosProyecto(), error);
    if (html_.isEmpty()) {
        vista_->setPlainText(QStringLiteral("No se puede hacer la memoria: ") + error);
        return;
    }
    // La vista previa es el mismo documento que se imprime, con los dibujos vectoriales.
    auto* doc = new QTextDocument(vista_);
    CargarInforme(*doc, html_);
    vista_->setDocument(doc);
}

bool VentanaMemoria::GuardarHtml(const QString& ruta, QString& error) const {
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(html_.toUtf8()) < 0 || !f.commit()) {
        error = QStringLiteral("No se puede escribir «%1»: %2").arg(ruta, f.errorString());
        return false;
    }
    return true;
}

bool VentanaMemoria::GuardarPdf(const QString& ruta, QString& error) const {
    return EscribirPdfInforme(html_, ruta, error);
}

// El diálogo de guardar pregunta antes de sustituir un fichero que ya existe; RutaConfirmada
// añade la extensión que falta y pregunta por la de otro tipo («x.png» para una página web).
QString VentanaMemoria::PedirRuta(const QString& filtro,
                                  std::span<const std::string_view> extensiones,
                                  const QString& tipo) {
    QFileDialog d(this, QStringLiteral("Guardar la memoria"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setNameFilter(filtro);
    d.setOption(QFileDialog::DontConfirmOverwrite, false);
    d.selectFile(QStringLiteral("memoria.") + QString::fromUtf8(extensiones.front()));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return RutaConfirmada(this, d.selectedFiles().constFirst(), extensiones, tipo);
}

void VentanaMemoria::BotonGuardarPdfClick() {
    static constexpr std::string_view Pdf[] = {"pdf"};
    const QString ruta =
        PedirRuta(QStringLiteral("PDF (*.pdf)"), Pdf, QStringLiteral("un documento PDF"));
    QString error;
    if (!ruta.isEmpty() && !GuardarPdf(ruta, error))
        Avisar(error, this);
}

void VentanaMemoria::BotonGuardarHtmlClick() {
    static constexpr std::string_view Html[] = {"html", "htm"};
    const QString ruta = PedirRuta(QStringLiteral("Página web (*.html *.htm)"), Html,
                                   QStringLiteral("una página web"));
    QString error;
    if (!ruta.isEmpty() && !GuardarHtml(ruta, error))
        Avisar(error, this);
}

void VentanaMemoria::BotonImprimirClick() {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(18, 18, 18, 14), QPageLayout::Millimeter));
    QPrintDialog dialogo(&impresora, this);
    dialogo.setWindowTitle(QStringLiteral("Imprimir la memoria"));
    if (dialogo.exec() != QDialog::Accepted)
        return;
    ImprimirInforme(html_, impresora);
}

// Texto enriquecido para un procesador de textos, y el texto llano para lo demás.
void VentanaMemoria::BotonCopiarClick() {
    auto* datos = new QMimeData;
    datos->setHtml(html_);
    datos->setText(vista_->toPlainText());
    QApplication::clipboard()->setMimeData(datos);
}

void VentanaMemoria::BotonDatosProyectoClick() {
    DialogoDatosProyecto d(this);
    if (d.exec() != QDialog::Accepted)
        return;
    Recalcular();
    emit datosProyectoCambiados(d.Datos());
}

} // namespace velmora
