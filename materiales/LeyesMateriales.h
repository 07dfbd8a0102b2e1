#pragma once
// Diagrama de cálculo tensión-deformación del acero (EHE-98, art. 38.4 y 38.5).

namespace velmora {

// Texto para el usuario cuando la tensión del acero activo cae fuera del intervalo en que se
// resuelve su diagrama (100 a 1000 N/mm²).
inline constexpr const char* MensajeFueraDiagramaActivo =
    "La deformación del acero da una tensión fuera del intervalo del diagrama de la armadura "
    "activa (100 a 1000 N/mm²).";

// Tensión de cálculo del acero (N/mm²) para la deformación `eps` (alargamiento positivo) y la
// resistencia `fyd` (N/mm²), con el módulo `Es` (N/mm²). Armadura pasiva (`pasiva`):
// diagrama bilineal, fyd a partir de fyd/Es, sin límite inferior. Armadura activa: la de
// TensionAceroActiva. Devuelve NaN si los datos no permiten calcularla (Es o fyd no positivos, o
// tensión activa fuera de 100..1000 N/mm²); quien la llame debe comprobarlo.
double TensionAcero(double Es, bool pasiva, double eps, double fyd);

// Diagrama de la armadura activa: Es·eps hasta 0.7·fyd/Es; más allá, la raíz en 100..1000 N/mm²
// de eps = σ/Es + 0.823·(σ/fyd − 0.7)^5, por bisección. La bisección termina cuando el residuo
// es menor que 1e-9 o cuando el intervalo ya no se estrecha. Si la raíz no está en el intervalo
// devuelve NaN (véase MensajeFueraDiagramaActivo).
double TensionAceroActiva(double Es, double eps, double fyd);

// Residuo del diagrama activo para la tensión de prueba `sigma`: eps − σ/Es − 0.823·(σ/fyd −
// 0.7)^5 cuando σ > 0.7·fyd, y eps − σ/Es en otro caso. Decrece al crecer σ.
double ResiduoAceroActivo(double Es, double eps, double fyd, double sigma);

} // namespace velmora
