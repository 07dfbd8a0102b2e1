#pragma once

#include <QMainWindow>
#include <memory>

class QDialog;
class QLabel;
namespace Ui {
class TVentanaPrincipal;
}

namespace velmora {

// Ventana principal: menú y barra de herramientas que piden las demás ventanas (app/ las abre
// al recibir sus señales). Empieza bloqueada (sin las entradas de cálculo) hasta que se pasa una
// vez por los parámetros generales.
class TVentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TVentanaPrincipal(QWidget* parent = nullptr);
    ~TVentanaPrincipal() override;

    // true cuando las entradas de cálculo ya están habilitadas.
    bool Desbloqueada() const { return desbloqueada_; }
    // Habilita las entradas de cálculo (como al cerrar los parámetros generales).
    void Desbloquear();
    // «Norma: EHE-98» o «Norma: Código Estructural» en la barra de estado.
    void MostrarNorma(const QString& texto);

    void Parmetrosgenerales1Click();
    void Datosdelaseccion1Click();
    void Datosdelaseccion2Click();
    void DiagramaInteraccionClick();
    void DatosdelavigaClick();
    void DatosdelpilarClick();
    void CalculodeflechasClick();
    void Fisuracion1Click();
    void Salir1Click();
    void Longituddeanclaje1Click();
    void Diagramaaceroestiradoenfrio1Click();
    void Diagramaparabolarectangulo1Click();
    void Deformacion1Click();
    void Retraccion1Click();
    void ConversionUnidadesClick();
    void AreaArmadurasClick();
    void Ayuda2Click();
    void Acercade1Click();

signals:
    // Una señal por entrada del menú que abre otra ventana; cuando vuelve, la ventana pedida ya
    // se ha cerrado (las ventanas son modales).
    void pideParametrosGenerales();
    void pideSeccionRectangular();
    void pideSeccionT();
    void pideInteraccion();
    void pideCortanteViga();
    void pideCercosPilar();
    void pideFlechas();
    void pideFisuracion();
    void pideAnclaje();
    void pideDiagramaAcero();
    void pideParabola();
    void pideFluencia();
    void pideRetraccion();
    void pideConversion();
    void pideAreaArmaduras();
    void pideAcercaDe();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    std::unique_ptr<Ui::TVentanaPrincipal> ui;
    bool desbloqueada_ = false;
    QLabel* etiquetaNorma_ = nullptr;
    bool mostrada_ = false;
};

// Abre con la aplicación del escritorio el documento `nombre` de la carpeta del programa. Si no
// existe o el escritorio no lo abre, avisa nombrando el fichero y la carpeta y devuelve false.
bool AbrirDocumento(const QString& nombre, QWidget* padre);

} // namespace velmora
