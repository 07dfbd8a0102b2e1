#!/usr/bin/env bash
# Tiempo de «velmora --memoria» (la memoria de cálculo en PDF, sin ventanas) para tandas que
# crecen: 50, 100, 200, 400 y 800 dimensionamientos de secciones, y un diagrama de interacción con
# 2 500, 5 000 y 10 000 combinaciones. Tiempo de CPU del proceso (usuario + sistema), mejor de
# dos, y páginas del PDF. Si la memoria se compone en un tiempo proporcional a sus páginas, cada
# fila tarda a lo sumo el doble que la anterior.
# Uso: bash scripts/medir_memoria.sh [carpeta de compilación] [disenos...]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
programa="${1:-$raiz/build}/bin/velmora"
shift || true
[ -x "$programa" ] || { echo "No se encuentra $programa: compile antes velmora." >&2; exit 1; }
tamanos=("$@")
[ "${#tamanos[@]}" -gt 0 ] || tamanos=(50 100 200 400 800)
carpeta="$(mktemp -d)"
trap 'rm -rf "$carpeta"' EXIT

# N secciones rectangulares y en T al azar, con su propia semilla fija.
secciones() {
    awk -v n="$1" 'BEGIN {
        srand(26)
        for (i = 0; i < n; i++) {
            h = 0.30 + rand() * 0.6; b = 0.25 + rand() * 0.5
            Md = 20 + rand() * 0.2 * 16.7 * b * h * h * 1000
            Nd = (i % 3 == 0) ? 0 : rand() * 0.3 * 16.7 * b * h * 1000
            if (i % 2 == 0)
                datos = sprintf("\"DatosSeccion\": {\"Valor1\": \"%.3f\", \"Valor2\": \"%.3f\", \"Valor3\": \"0.04\", \"Valor4\": \"0.04\", ", h, b)
            else
                datos = sprintf("\"DatosSeccionT\": {\"Valorh\": \"%.3f\", \"Valorb\": \"%.3f\", \"Valorhf\": \"%.3f\", \"Valorbw\": \"%.3f\", \"Valord2\": \"0.04\", \"Valord1\": \"0.04\", ", h, b, 0.2 * h, 0.3 * b)
            printf "{\"calculo\": \"seccion\", %s\"Valor5\": \"%.2f\", \"Valor6\": \"%.2f\"}}\n", datos, Md, Nd
        }
    }'
}

# Un diagrama de interacción con N combinaciones.
combinaciones() {
    awk -v n="$1" 'BEGIN {
        srand(26)
        printf "{\"calculo\": \"interaccion\", \"DatosSeccion\": {\"Valor1\": \"0.50\", \"Valor2\": \"0.30\"}, \"VentanaInteraccion\": {\"AreaA1\": \"12\", \"AreaA2\": \"6\"}, \"combinaciones\": ["
        for (i = 0; i < n; i++)
            printf "%s[\"C%d\", \"%.1f\", \"%.1f\"]", (i ? ", " : ""), i + 1, -500 + rand() * 3000, -200 + rand() * 400
        print "]}"
    }'
}

medir() {
    local que="$1" entrada="$2" mejor="" t
    for vez in 1 2; do
        t=$( { /usr/bin/time -f "%U %S" "$programa" --memoria "$entrada" "$carpeta/m.pdf" > /dev/null; } 2>&1 |
            awk 'END { print $1 + $2 }')
        if [ -z "$mejor" ] || awk -v a="$t" -v b="$mejor" 'BEGIN { exit !(a < b) }'; then mejor="$t"; fi
    done
    local paginas
    paginas=$(grep -ac '^/Type /Page$' "$carpeta/m.pdf" || true)
    printf "%-28s %8.2f s  %5s páginas\n" "$que" "$mejor" "$paginas"
}

for n in "${tamanos[@]}"; do
    secciones "$n" > "$carpeta/s$n.jsonl"
    medir "$n dimensionamientos" "$carpeta/s$n.jsonl"
done
for n in 2500 5000 10000; do
    combinaciones "$n" > "$carpeta/c$n.jsonl"
    medir "$n combinaciones" "$carpeta/c$n.jsonl"
done
