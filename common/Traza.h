#pragma once
// Traza de un cálculo para la memoria: los pasos que dieron sus resultados, en orden, cada uno
// con su símbolo, su artículo de la EHE-98, la fórmula en símbolos, la misma fórmula con los
// números de este caso y el valor. Un cálculo la recibe como puntero opcional y anota cada paso
// al calcularlo, con los mismos valores que usa; sin traza (un cálculo por lotes) no escribe
// ningún texto.

#include <iterator>
#include <string>
#include <vector>

namespace velmora {

struct Paso {
    enum class Tipo {
        Calculo, // una fórmula con sus números y su valor
        Nota     // una explicación (qué regla rige y por qué); sin fórmula ni valor
    };
    Tipo tipo = Tipo::Calculo;
    std::string simbolo;     // texto enriquecido: "V<sub>u1</sub>"
    std::string descripcion; // breve, en español: "Agotamiento por compresión oblicua del alma"
    std::string articulo;    // artículo de la EHE-98: "44.2.3.1"; vacío si no hay uno
    std::string formula; // en símbolos, texto enriquecido: "K·f<sub>1cd</sub>·b<sub>0</sub>·d"
    std::string sustitucion; // los números de este caso, aritmética simple: "0.60·16.67·300·360"
    double escala = 1.0;     // la sustitución por `escala` da `valor` (p. ej. N → kN: 0.001)
    double valor = 0.0;      // en `unidad`
    std::string unidad;      // "kN", "mm²", "N/mm²"; vacía si no tiene
    int decimales = 3;       // decimales con que se escribe `valor`
};

// Un paso de cálculo: `sustitucion` por `escala` da `valor` en `unidad`.
inline Paso PasoCalculo(std::string simbolo, std::string descripcion, std::string articulo,
                        std::string formula, std::string sustitucion, double valor,
                        std::string unidad, int decimales, double escala = 1.0) {
    return Paso{Paso::Tipo::Calculo, std::move(simbolo), std::move(descripcion),
                std::move(articulo), std::move(formula), std::move(sustitucion), escala, valor,
                std::move(unidad), decimales};
}

struct Traza {
    std::vector<Paso> pasos;

    void Calculo(Paso p) { pasos.push_back(std::move(p)); }
    // Un paso de cálculo: `sustitucion` por `escala` da `valor` en `unidad`.
    void Calculo(std::string simbolo, std::string descripcion, std::string articulo,
                 std::string formula, std::string sustitucion, double escala, double valor,
                 std::string unidad, int decimales) {
        Calculo(Paso{Paso::Tipo::Calculo, std::move(simbolo), std::move(descripcion),
                     std::move(articulo), std::move(formula), std::move(sustitucion), escala, valor,
                     std::move(unidad), decimales});
    }
    // Los pasos de `otra` a continuación: una parte del cálculo que sólo cuenta si dio resultado.
    void Anadir(Traza otra) {
        pasos.insert(pasos.end(), std::make_move_iterator(otra.pasos.begin()),
                     std::make_move_iterator(otra.pasos.end()));
    }
    void Nota(std::string descripcion, std::string articulo = {}) {
        Paso p;
        p.tipo = Paso::Tipo::Nota;
        p.descripcion = std::move(descripcion);
        p.articulo = std::move(articulo);
        pasos.push_back(std::move(p));
    }
};

// Un número para la sustitución de un paso: coma fija con 8 cifras significativas (las cifras
// enteras nunca se pierden), sin ceros sobrantes; un negativo va entre paréntesis, «(−5.2)», para
// poder multiplicarlo. Con esas cifras la sustitución vuelve a dar el valor a su precisión.
std::string Cifras(double valor, int significativas = 8);

} // namespace velmora
