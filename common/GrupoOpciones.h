#pragma once
// Grupo de opciones (radio group): un marco con título y botones de opción en una o varias
// columnas, leído por el índice del elemento elegido. En un formulario .ui se usa promoviendo un
// QGroupBox a GrupoOpciones (cabecera "common/GrupoOpciones.h"); los elementos se fijan en el
// constructor de la ventana con FijarElementos.

#include <QGroupBox>
#include <QStringList>
#include <QVector>

#include <span>
#include <string_view>

class QButtonGroup;
class QRadioButton;

namespace velmora {

class GrupoOpciones : public QGroupBox {
    Q_OBJECT
public:
    explicit GrupoOpciones(QWidget* parent = nullptr);

    // Sustituye los elementos; el índice elegido pasa a ser `indice` (-1: ninguno). No emite
    // señales. Cada botón se llama <objectName del grupo>_<i>.
    void FijarElementos(const QStringList& elementos, int indice = 0, int columnas = 1);
    // Los mismos, con los textos de las opciones de la descripción del cálculo.
    void FijarElementos(std::span<const std::string_view> elementos, int indice = 0,
                        int columnas = 1);

    int itemIndex() const;
    // Elige el elemento sin emitir IndiceElegido (como la asignación por programa).
    void setItemIndex(int indice);
    int count() const { return static_cast<int>(botones_.size()); }
    QRadioButton* Boton(int i) const;

signals:
    // El usuario (o un clic simulado) ha elegido el elemento `indice`.
    void IndiceElegido(int indice);

private:
    QButtonGroup* grupo_;
    QVector<QRadioButton*> botones_;
};

} // namespace velmora
