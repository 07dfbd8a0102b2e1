#!/usr/bin/env bash
# Diseños por segundo de velmora-calc en una tanda mixta de 10 000 secciones (rectangulares y en
# T, los cinco elementos, los dos aceros, esfuerzos desde cero hasta más allá del equilibrio),
# con la respuesta completa y con --sin-estado. Tiempo de CPU del proceso (usuario + sistema),
# mejor de tres. Uso: bash scripts/medir_tanda.sh [carpeta de compilación]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
programa="${1:-$raiz/build}/bin/velmora-calc"
[ -x "$programa" ] || { echo "No se encuentra $programa: compile antes velmora-calc." >&2; exit 1; }
tanda="$(mktemp)"
trap 'rm -f "$tanda"' EXIT
awk 'BEGIN {
    srand(14)
    for (i = 0; i < 10000; i++) {
        h = 0.25 + rand() * 0.95; b = 0.2 + rand() * 0.8; fcd = 25 / 1.5
        Nc = 0.85 * fcd * b * h * 1000
        Nd = (int(rand() * 4) == 0) ? 0 : rand() * rand() * 1.4 * Nc
        Md = rand() * rand() * 0.5 * fcd * b * h * h * 1000
        if (int(rand() * 2) == 0)
            datos = sprintf("\"DatosSeccion\": {\"Valor1\": \"%.3f\", \"Valor2\": \"%.3f\", \"Valor3\": \"0.04\", \"Valor4\": \"0.04\", ", h, b)
        else
            datos = sprintf("\"DatosSeccionT\": {\"Valorh\": \"%.3f\", \"Valorb\": \"%.3f\", \"Valorhf\": \"%.3f\", \"Valorbw\": \"%.3f\", \"Valord2\": \"0.04\", \"Valord1\": \"0.04\", ", h, b, 0.2 * h, 0.3 * b)
        printf "{\"calculo\": \"seccion\", \"ParametrosGenerales\": {\"GrupoTipoElemento\": %d, \"GrupoDesignacionAcero\": %d}, %s\"Valor5\": \"%.3f\", \"Valor6\": \"%.3f\"}}\n", int(rand() * 5), int(rand() * 2), datos, Md, Nd
    }
}' > "$tanda"
medir() {
    local que="$1" mejor=""
    shift
    for vez in 1 2 3; do
        local t
        t=$( { /usr/bin/time -f "%U %S" "$programa" "$@" "$tanda" > /dev/null; } 2>&1 | awk '{ print $1 + $2 }')
        if [ -z "$mejor" ] || awk -v a="$t" -v b="$mejor" 'BEGIN { exit !(a < b) }'; then mejor="$t"; fi
    done
    awk -v t="$mejor" -v que="$que" 'BEGIN { printf "%-14s %6.2f s  %8.0f diseños/s\n", que, t, 10000 / t }'
}
medir "completa"
medir "--sin-estado" --sin-estado
