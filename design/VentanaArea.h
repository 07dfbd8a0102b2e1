#pragma once

#include <QDialog>
struct Aplicacion;

// Ventana provisional: aún sin controles.
class TVentanaArea : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaArea(Aplicacion& app, QWidget* parent = nullptr);

    // Protocolo de los llamadores: fija IndiceArmadura, abre el selector y devuelve true si el
    // usuario pulsó OK; entonces el llamador lee Estado.AreaTotal y TextoArmadura de la ranura.
    bool Seleccionar(int ranura);
    // Texto mostrado del área (cm²), tal como lo copian las ranuras 3 y 4.
    QString TextoArea() const;

private:
    Aplicacion& app_;
};
