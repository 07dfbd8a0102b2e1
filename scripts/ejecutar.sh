#!/usr/bin/env bash
# Instala lo que falte, compila y arranca Velmora.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
bash scripts/dependencias.sh
# Su propia carpeta: la orden de pruebas compila en build (Release) y en build-saneado, y usar
# una después de la otra no debe volver a compilarlo todo.
cmake -S . -B build-programa -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_PRUEBAS=OFF
cmake --build build-programa -j "$(nproc 2>/dev/null || echo 2)" --target velmora
exec build-programa/bin/velmora "$@"
