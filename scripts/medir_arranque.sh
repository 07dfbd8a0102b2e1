#!/usr/bin/env bash
# Mide el tiempo desde que se lanza el programa hasta que su ventana principal está en pantalla,
# en un escritorio X virtual (xvfb). Uso: bash scripts/medir_arranque.sh [carpeta de compilación]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
programa="${1:-$raiz/build}/bin/velmora"
[ -x "$programa" ] || { echo "No se encuentra $programa: compile antes el programa." >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
tiempos=()
for vez in 1 2 3 4 5; do
    inicio=$(date +%s%N)
    "$programa" >/dev/null 2>&1 &
    pid=$!
    limite=$((inicio + 20000000000))
    until xwininfo -root -tree 2>/dev/null | grep -q '"Velmora"'; do
        if [ "$(date +%s%N)" -gt "$limite" ]; then
            kill "$pid" 2>/dev/null || true
            echo "La ventana principal no apareció en 20 s." >&2
            exit 1
        fi
        sleep 0.005
    done
    fin=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    tiempos+=($(((fin - inicio) / 1000000)))
done
ordenados=($(printf '%s\n' "${tiempos[@]}" | sort -n))
echo "Arranque hasta la ventana principal (ms): ${tiempos[*]}; mediana ${ordenados[2]} ms"
