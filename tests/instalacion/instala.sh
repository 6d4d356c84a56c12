#!/bin/sh
# The program installed (modo "instalacion": cmake --install) or unpacked from its
# Debian package (modo "paquete": make package, dpkg -x) into a scratch root: every
# file where the desktop looks for it, the validators pass, the calculator runs.
set -eu
modo=$1 build=$2 raiz=$3
rm -rf "$raiz" && mkdir -p "$raiz"
if [ "$modo" = paquete ]; then
  (cd "$raiz" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
  dpkg -x "$raiz"/placatec_*.deb "$raiz/raiz"
  dpkg-deb -f "$raiz"/placatec_*.deb Depends | grep -q libqt6widgets6
else
  DESTDIR="$raiz/raiz" cmake --install "$build" --prefix /usr >/dev/null
fi
u=$raiz/raiz/usr id=org.placatec.Placatec
ls "$u/bin/placatec" "$u/bin/placatec-calc" "$u/share/mime/packages/$id.xml" "$u/share/man/man1/placatec.1" \
  "$u/share/man/man1/placatec-calc.1" "$u/share/icons/hicolor/scalable/apps/$id.svg" \
  "$u/share/icons/hicolor/16x16/apps/$id.png" "$u/share/icons/hicolor/256x256/apps/$id.png" >/dev/null
desktop-file-validate "$u/share/applications/$id.desktop"
grep -q 'MimeType=application/x-placatec-losas;' "$u/share/applications/$id.desktop"
appstreamcli validate --no-net --strict "$u/share/metainfo/$id.metainfo.xml" >/dev/null
update-mime-database "$u/share/mime" >/dev/null 2>&1
grep -q 'x-placatec-losas:\*\.los$' "$u/share/mime/globs2"
"$u/bin/placatec-calc" --version | grep -qx "placatec-calc [0-9.]*"
echo "$modo: correcta"
