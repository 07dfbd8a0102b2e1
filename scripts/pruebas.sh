#!/usr/bin/env bash
# Instala lo que falte, compila y pasa todas las pruebas: el programa en Release con GCC (el del
# paquete); todas las pruebas, las de cálculo y las de ventanas, con Clang y
# -fsanitize=address,undefined, y cada objetivo de fuzzing 30 s; y el paquete de Debian,
# instalado, probado desde /usr/bin y quitado.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
bash scripts/dependencias.sh
nucleos="$(nproc 2>/dev/null || echo 2)"
opciones=(-DVELMORA_WERROR=ON)
if command -v ccache >/dev/null; then
    opciones+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Sin esto ccache no guarda las compilaciones que usan cabeceras precompiladas.
    export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:+$CCACHE_SLOPPINESS,}pch_defines,time_macros,include_file_mtime,include_file_ctime"
fi
# lld enlaza los ejecutables de las pruebas de cuatro a diez veces más deprisa que ld.
command -v ld.lld >/dev/null && opciones+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)

# Release, la compilación del paquete: sin información de depuración, que aquí no hace falta y
# alarga mucho la compilación, y sin las pruebas, que se compilan y pasan una vez, abajo, con los
# saneadores (compilarlas dos veces era la mitad del tiempo de la orden). ctest pasa aquí las
# pruebas del programa empaquetado: --version, --help y los metadatos AppStream.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_PRUEBAS=OFF "${opciones[@]}"
cmake --build build -j "$nucleos"
ctest --test-dir build --output-on-failure -j "$nucleos"

# Con los saneadores: todas las pruebas (cálculos, ventanas, velmora-calc y la tanda dorada,
# velmora --memoria) y los objetivos de fuzzing (libFuzzer), en una sola compilación con Clang. tests/lsan.supp dice qué fugas de las bibliotecas se filtran. De la
# depuración sólo las líneas, que es lo que necesitan las pilas de los informes de los saneadores.
# Una carpeta configurada antes con otro compilador se empieza de nuevo.
grep -qs '^CMAKE_CXX_COMPILER:.*clang++-14' build-saneado/CMakeCache.txt || rm -rf build-saneado
cmake -S . -B build-saneado -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
    -DVELMORA_SANEAR=ON -DVELMORA_FUZZ=ON -DVELMORA_PRUEBAS=ON -DVELMORA_SOLO_CALCULO=OFF -DVELMORA_BENCHMARK=OFF \
    -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only "${opciones[@]}"
cmake --build build-saneado -j "$nucleos"
ctest --test-dir build-saneado --output-on-failure -j "$nucleos"
bash scripts/fuzz.sh build-saneado 30

bash scripts/paquete.sh build
