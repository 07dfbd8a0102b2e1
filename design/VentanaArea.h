#pragma once

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"

#include <QDialog>
#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
namespace Ui {
class TVentanaArea;
}

namespace velmora {

// Selector de área de barras: compone una armadura de uno a tres grupos (número de barras y
// diámetro) sobre la ranura IndiceArmadura del estado de diseño y muestra su área en cm².
class TVentanaArea : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaArea(EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TVentanaArea() override;

    // Protocolo de los llamadores: fija IndiceArmadura, abre el selector y devuelve true si el
    // usuario pulsó OK; entonces el llamador lee Estado.AreaTotal y TextoArmadura de la ranura.
    [[nodiscard]] bool Seleccionar(int ranura);
    // Texto mostrado del área (cm²), tal como lo copian las ranuras 3 y 4.
    QString TextoArea() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormShow();
    void Contador01Change(int valor);
    void Diametro01Change();
    void BotonOKClick();

    // Copia los controles visibles en la ranura. Un dato que no es un número deja su valor de
    // la ranura como estaba y se devuelve (el primero) para mostrarlo.
    Estado LeerControles();
    void CargarControles();
    void MostrarFilas();
    void MostrarArea(const Estado& lectura = Correcto());
    void MostrarAviso(const Estado& lectura);
    int Ranura() const;

    EstadoDiseno& estado_;
    std::unique_ptr<Ui::TVentanaArea> ui;
    // Controles de cada grupo, en el orden de los grupos de la ranura (filas 1..3).
    std::array<QLineEdit*, GruposPorRanura> numero_{};
    std::array<QComboBox*, GruposPorRanura> diametro_{};
    std::array<QLabel*, GruposPorRanura> fi_{};
    bool Actualizando = false;
};

} // namespace velmora
