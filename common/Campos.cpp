#include "common/Campos.h"

#include "common/Avisar.h"
#include "common/Numeros.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace velmora {

QString TextoDe(const QWidget* control) {
    if (auto e = qobject_cast<const QLineEdit*>(control))
        return e->text();
    if (auto c = qobject_cast<const QComboBox*>(control))
        return c->currentText();
    if (auto l = qobject_cast<const QLabel*>(control))
        return l->text();
    return {};
}

static void EnfocarControl(QWidget* control) {
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto e = qobject_cast<QLineEdit*>(control))
        e->selectAll();
    else if (auto c = qobject_cast<QComboBox*>(control); c && c->lineEdit())
        c->lineEdit()->selectAll();
}

std::optional<double> LeerCampo(QWidget* control, const QString& nombre) {
    const auto r = LeerNumero(S(TextoDe(control)), S(nombre), S(control->objectName()));
    if (r)
        return *r;
    Avisar(Q(r.error().mensaje), control->window());
    EnfocarControl(control);
    return std::nullopt;
}

TextosCampos TextosDe(const QWidget* ventana, std::span<const Campo> campos) {
    TextosCampos t;
    for (const Campo& c : campos)
        if (const auto* control = ventana->findChild<const QWidget*>(Q(std::string(c.control))))
            t.emplace(std::string(c.control), S(TextoDe(control)));
    return t;
}

std::optional<double> LeerCampo(QWidget* ventana, const Campo& campo, bool intervalo) {
    const Campo* lista = &campo;
    const TextosCampos textos = TextosDe(ventana, std::span(lista, 1));
    const auto r = intervalo ? LeerCampoEnIntervalo(textos, campo) : LeerCampo(textos, campo);
    if (r)
        return *r;
    MostrarError(ventana, r.error());
    return std::nullopt;
}

void MostrarError(QWidget* ventana, const ErrorCalculo& error) {
    Avisar(Q(error.mensaje), ventana);
    if (!error.campo.empty() && ventana)
        EnfocarControl(ventana->findChild<QWidget*>(Q(error.campo)));
}

void MostrarNorma(QLabel* etiqueta, Norma norma) {
    etiqueta->setText(QString::fromStdString(TextoNormaEnUso(norma)));
    etiqueta->setVisible(norma != Norma::EHE98);
}

} // namespace velmora
