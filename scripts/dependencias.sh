#!/usr/bin/env bash
# Instala desde los paquetes de Debian lo que falte para compilar, probar y ejecutar Velmora.
set -euo pipefail
paquetes=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-svg-dev poppler-utils
    xvfb xauth fonts-dejavu-core
    clang-14 libclang-rt-14-dev lld appstream dpkg-dev file
)
faltan=()
for p in "${paquetes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ "${#faltan[@]}" -gt 0 ]; then
    sudo_="" ; [ "$(id -u)" -eq 0 ] || sudo_="sudo"
    $sudo_ apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y --no-install-recommends "${faltan[@]}"
fi
