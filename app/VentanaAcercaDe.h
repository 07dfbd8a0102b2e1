#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaAcercaDe;
}

namespace velmora {

struct Aplicacion;


// «Acerca de»: nombre, versión y la instrucción que sigue el programa.
class TVentanaAcercaDe : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaAcercaDe(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaAcercaDe() override;

private:
    std::unique_ptr<Ui::TVentanaAcercaDe> ui;
};

} // namespace velmora
