#!/bin/sh
# Rewrites the expected output NAME.json of every project NAME.Los in this folder with
# the given batch calculator, after a change that is meant to change the numbers:
#     tests/corpus/calculo/regenera.sh build/placatec-calc
# Review the difference (git diff) before committing it. Needs python3 to lay the
# JSON out one field a line.
set -eu
[ $# -eq 1 ] || { echo "uso: $0 RUTA/placatec-calc" >&2; exit 2; }
calc=$(realpath "$1")
cd "$(dirname "$0")"
for proyecto in *.Los; do
  esperado=${proyecto%.Los}.json
  estado=0
  "$calc" --json "$proyecto" > "$esperado.nuevo" 2>/dev/null || estado=$?
  # 0: calculated; 1: load refused; 2: calculation refused. Anything else is a fault.
  if [ "$estado" -gt 2 ] || [ ! -s "$esperado.nuevo" ]; then
    rm -f "$esperado.nuevo"
    echo "$proyecto: placatec-calc termino con estado $estado" >&2
    exit 1
  fi
  # One field a line, as the files were first written, so that a change reads as a diff.
  python3 -m json.tool --indent 2 --no-ensure-ascii "$esperado.nuevo" > "$esperado"
  rm -f "$esperado.nuevo"
done
echo "$(ls ./*.Los | wc -l) resultados reescritos"
