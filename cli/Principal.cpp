#include <cstdio>

int main() {
    std::puts("velmora-calc: cálculos de Velmora por lotes (JSON por líneas).");
    return 0;
}
