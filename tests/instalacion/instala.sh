#!/bin/sh
# The program installed (modo "instalacion": cmake --install) or unpacked from its
# Debian package (modo "paquete": make package, dpkg -x) into a scratch root: every
# file where the desktop looks for it, the validators pass, the calculator runs and
# finds its PDF module, bash completes its options; the package passes lintian
# (errors fail, when lintian is installed).
set -eu
modo=$1 build=$2 raiz=$3
fuente=$(dirname "$0")/../..
rm -rf "$raiz" && mkdir -p "$raiz"
if [ "$modo" = paquete ]; then
  (cd "$raiz" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
  dpkg -x "$raiz"/placatec_*.deb "$raiz/raiz"
  dpkg-deb -f "$raiz"/placatec_*.deb Depends | grep -q libqt6widgets6
  if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$raiz"/placatec_*.deb 2>/dev/null || { lintian "$raiz"/placatec_*.deb; exit 1; }
  fi
else
  DESTDIR="$raiz/raiz" cmake --install "$build" --prefix /usr >/dev/null
fi
u=$raiz/raiz/usr id=org.placatec.Placatec
ls "$u/bin/placatec" "$u/bin/placatec-calc" "$u/share/mime/packages/$id.xml" "$u/share/man/man1/placatec.1.gz" \
  "$u/share/man/man1/placatec-calc.1.gz" "$u/share/icons/hicolor/scalable/apps/$id.svg" \
  "$u/share/icons/hicolor/16x16/apps/$id.png" "$u/share/icons/hicolor/256x256/apps/$id.png" \
  "$u/share/doc/placatec/copyright" "$u/share/doc/placatec/changelog.gz" \
  "$u/share/bash-completion/completions/placatec-calc" >/dev/null
desktop-file-validate "$u/share/applications/$id.desktop"
grep -q 'MimeType=application/x-placatec-losas;' "$u/share/applications/$id.desktop"
appstreamcli validate --no-net --strict "$u/share/metainfo/$id.metainfo.xml" >/dev/null
update-mime-database "$u/share/mime" >/dev/null 2>&1
grep -q 'x-placatec-losas:\*\.los$' "$u/share/mime/globs2"
"$u/bin/placatec-calc" --version | grep -qx "placatec-calc [0-9.]*"
zcat "$u/share/man/man1/placatec-calc.1.gz" | grep -q '^\.B 64$'
# The installed calculator finds its PDF module from its own folder.
"$u/bin/placatec-calc" --pdf "$raiz/r.pdf" "$fuente/examples/techo.Los" >/dev/null
head -c 5 "$raiz/r.pdf" | grep -q '%PDF-'
if [ -f /usr/share/bash-completion/bash_completion ]; then
  opciones=$(PATH="$u/bin:$PATH" bash -c '. /usr/share/bash-completion/bash_completion
    . "$1/share/bash-completion/completions/placatec-calc"
    COMP_LINE="placatec-calc --j" COMP_POINT=17 COMP_WORDS=(placatec-calc --j) COMP_CWORD=1
    _placatec_calc placatec-calc --j placatec-calc; echo "${COMPREPLY[*]}"' completa "$u")
  [ "$opciones" = "--json --jobs" ] || { echo "completado: $opciones"; exit 1; }
fi
echo "$modo: correcta"
