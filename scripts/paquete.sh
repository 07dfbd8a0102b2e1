#!/usr/bin/env bash
# Construye el paquete de Debian de la compilación CARPETA (build si no se dice), lo instala con
# apt-get, prueba velmora-calc y velmora desde la ruta instalada y lo quita de nuevo.
# Uso (como root o con sudo): bash scripts/paquete.sh [CARPETA]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
carpeta="$(cd "${1:-$raiz/build}" && pwd)"
sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_="sudo"

rm -f "$carpeta"/velmora_*.deb
(cd "$carpeta" && cpack -G DEB > cpack.log) || { cat "$carpeta/cpack.log"; exit 1; }
paquete="$(ls "$carpeta"/velmora_*_amd64.deb)"
echo "Paquete: $paquete"
dpkg-deb --field "$paquete" Depends

# Si ya había una versión instalada se deja como estaba al terminar.
habia="$(dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -c 'install ok installed' || true)"
quitar() {
    [ "$habia" -gt 0 ] || $sudo_ apt-get remove -y -o DPkg::Lock::Timeout=300 velmora > /dev/null
}
trap quitar EXIT
# Otro apt-get en marcha (una actualización automática) no hace fallar la prueba: se espera.
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "$paquete" > /dev/null

/usr/bin/velmora-calc --version
/usr/bin/velmora --version
respuesta="$(echo '{"calculo": "area", "ranuras": {"0": [[3, 12], [2, 10]]}}' | /usr/bin/velmora-calc)"
echo "${respuesta:0:120}…"
case "$respuesta" in
    *'"EtiquetaArea":"    4.9637"'*) ;;
    *) echo "velmora-calc instalado no da el área de 3Ø12+2Ø10"; exit 1 ;;
esac
for f in /usr/lib/velmora/velmora /usr/lib/velmora/Tutorial.htm /usr/lib/velmora/fondo.bmp \
         /usr/share/applications/velmora.desktop /usr/share/icons/hicolor/128x128/apps/velmora.png \
         /usr/share/metainfo/org.velmora.Velmora.metainfo.xml \
         /usr/share/man/man1/velmora.1.gz /usr/share/man/man1/velmora-calc.1.gz; do
    [ -e "$f" ] || { echo "Falta $f en el paquete instalado"; exit 1; }
done
# El programa instalado, con el fichero de proyecto que se abre (%f) si lo hay.
grep -qE '^Exec=/usr/lib/velmora/velmora( %f)?$' /usr/share/applications/velmora.desktop ||
    { echo "El .desktop no apunta al programa instalado"; exit 1; }
echo "Paquete instalado, probado y quitado."
