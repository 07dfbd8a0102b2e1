#!/usr/bin/env bash
# Instala lo que falte, compila y arranca Velmora.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
bash scripts/dependencias.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target velmora
exec build/bin/velmora "$@"
