#!/usr/bin/env bash
# Ejecuta cada objetivo de fuzzing de una compilación con VELMORA_FUZZ durante SEGUNDOS (30 si
# no se dice) y falla si alguno encuentra un cierre brusco, una fuga de memoria o un aviso de
# los saneadores. Las entradas que fallan quedan en CARPETA/hallazgos; guárdelas en
# tests/fuzz/NOMBRE para que ctest las repita siempre.
# Uso: bash scripts/fuzz.sh CARPETA [SEGUNDOS] [NOMBRE...]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
carpeta="$(cd "$1" && pwd)"
segundos="${2:-30}"
shift $(( $# >= 2 ? 2 : 1 ))
objetivos=("$@")
[ "${#objetivos[@]}" -gt 0 ] || read -r -a objetivos <<< "$(tr ';' ' ' < "$carpeta/fuzz/objetivos.txt")"

mkdir -p "$carpeta/hallazgos"

# Un objetivo; deja su resumen en hallazgos/NOMBRE.resumen y su resultado en NOMBRE.estado.
probar() {
    local nombre="$1" corpus="$carpeta/fuzz/corpus/$1" d
    local semillas=()
    mkdir -p "$corpus"
    for d in "$raiz/fuzz/corpus/$nombre" "$carpeta/fuzz/semillas/$nombre" "$raiz/tests/fuzz/$nombre"; do
        [ -d "$d" ] && semillas+=("$d")
    done
    echo "== fuzz_$nombre: $segundos s"
    # -rss_limit_mb: una entrada que pide más memoria también es un hallazgo.
    if ! "$carpeta/bin/fuzz_$nombre" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$carpeta/hallazgos/$nombre-" \
            "$corpus" "${semillas[@]}" > "$carpeta/hallazgos/$nombre.log" 2>&1; then
        tail -n 60 "$carpeta/hallazgos/$nombre.log"
        echo "fuzz_$nombre ha encontrado un fallo: $(ls "$carpeta/hallazgos/$nombre-"* 2>/dev/null | tr '\n' ' ')"
        return 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|cov: ' "$carpeta/hallazgos/$nombre.log" |
        tail -n 3 || true
}

# Todos a la vez: -max_total_time es tiempo de reloj, así que la tanda dura SEGUNDOS y no
# SEGUNDOS por objetivo; con más objetivos que núcleos cada uno ejecuta menos entradas.
for nombre in "${objetivos[@]}"; do
    rm -f "$carpeta/hallazgos/$nombre.estado"
    ( estado=0; probar "$nombre" > "$carpeta/hallazgos/$nombre.resumen" 2>&1 || estado=1
      echo "$estado" > "$carpeta/hallazgos/$nombre.estado" ) &
done
wait
fallos=0
for nombre in "${objetivos[@]}"; do
    cat "$carpeta/hallazgos/$nombre.resumen"
    [ "$(cat "$carpeta/hallazgos/$nombre.estado" 2>/dev/null)" = 0 ] || fallos=$((fallos + 1))
done
exit "$fallos"
