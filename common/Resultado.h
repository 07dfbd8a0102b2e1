#pragma once
// Resultado de un cálculo o de una lectura: un valor, o un error en español con el campo al
// que se refiere. Los cálculos devuelven errores como valores; nunca lanzan excepciones a
// través de una ventana.

#include <optional>
#include <string>
#include <utility>

namespace velmora {

struct ErrorCalculo {
    std::string mensaje; // texto para el usuario, en español
    std::string campo;   // nombre del control afectado (p. ej. "Valor1"); vacío si no hay uno
};

template <typename T> class Resultado {
public:
    Resultado(T valor) : valor_(std::move(valor)) {}
    Resultado(ErrorCalculo error) : error_(std::move(error)) {}

    static Resultado Error(std::string mensaje, std::string campo = {}) {
        return Resultado(ErrorCalculo{std::move(mensaje), std::move(campo)});
    }

    bool ok() const { return valor_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& valor() const { return *valor_; }
    T& valor() { return *valor_; }
    const T& operator*() const { return *valor_; }
    const ErrorCalculo& error() const { return error_; }

private:
    std::optional<T> valor_;
    ErrorCalculo error_;
};

// Resultado sin valor: éxito o error.
struct Vacio {};
using Estado = Resultado<Vacio>;
inline Estado Correcto() { return Estado(Vacio{}); }

} // namespace velmora
