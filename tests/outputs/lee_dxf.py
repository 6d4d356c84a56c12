#!/usr/bin/python3
"""Reads the DXF that placatec-calc --dxf writes with an independent reader (ezdxf) and
checks it: the audit finds no error, the units are metres, the layers are the plan's,
slab 1 of examples/entrepiso.Los lies where it was drawn by hand, the steel labels read
back with their marks and diameter sign, the bar marks of tests/corpus/a_mano/planilla.Los
lie where they were worked by hand (tests/corpus/planta/planilla.marcas), and the entities
per layer are those the program wrote last time they were looked at
(tests/corpus/planta/entrepiso.dxf.cuentas).

    lee_dxf.py PLACATEC_CALC SOURCE_DIR            the test
    lee_dxf.py PLACATEC_CALC SOURCE_DIR --escribe  rewrites the counts after a change
"""
import collections
import os
import re
import subprocess
import sys
import tempfile

import ezdxf

calc, raiz = sys.argv[1], sys.argv[2]
escribe = "--escribe" in sys.argv
corpus = os.path.join(raiz, "tests/corpus/planta")
fallas = []


def dxf_de(proyecto, carpeta):
    salida = os.path.join(carpeta, os.path.basename(proyecto)[:-4] + ".dxf")
    r = subprocess.run([calc, "-q", "--dxf", salida, proyecto], capture_output=True, text=True)
    if r.returncode not in (0, 2, 4) or not os.path.exists(salida):
        sys.exit(f"{proyecto}: placatec-calc termino con {r.returncode}: {r.stderr}")
    doc = ezdxf.readfile(salida)
    auditoria = doc.audit()
    for e in auditoria.errors:
        fallas.append(f"{proyecto}: auditoria: {e.message}")
    return doc


def cuentas(doc):
    c = collections.Counter((e.dxf.layer, e.dxftype()) for e in doc.modelspace())
    return {f"{capa} {tipo}": n for (capa, tipo), n in c.items()}


with tempfile.TemporaryDirectory() as carpeta:
    doc = dxf_de(os.path.join(raiz, "examples/entrepiso.Los"), carpeta)
    archivo_cuentas = os.path.join(corpus, "entrepiso.dxf.cuentas")
    hechas = cuentas(doc)
    if escribe:
        with open(archivo_cuentas, "w") as f:
            f.write("# Entities of each layer in the DXF of examples/entrepiso.Los, as the program\n"
                    "# writes them (tests/outputs/lee_dxf.py --escribe rewrites this file).\n")
            for k in sorted(hechas):
                f.write(f"{k} {hechas[k]}\n")
        sys.exit(0)
    with open(archivo_cuentas) as f:
        esperadas = {l.rsplit(" ", 1)[0]: int(l.rsplit(" ", 1)[1]) for l in f if l.strip() and l[0] != "#"}
    if hechas != esperadas:
        fallas.append(f"cuentas por capa: esperadas {esperadas}, escritas {hechas}")

    # Worked by hand (tests/corpus/planta/README.md): units, layers, slab 1 at (0, 0), 4 x 5 m.
    if doc.header.get("$INSUNITS") != 6:
        fallas.append(f"$INSUNITS {doc.header.get('$INSUNITS')}, no 6 (metros)")
    capas = sorted(l.dxf.name for l in doc.layers if l.dxf.name not in ("0", "Defpoints"))  # ezdxf adds Defpoints
    if capas != sorted(["LOSAS", "BORDES_EMPOTRADOS", "BORDES_APOYADOS", "BORDES_LIBRES", "APOYOS",
                        "ACERO_INFERIOR", "ACERO_SUPERIOR", "TEXTOS", "COTAS"]):
        fallas.append(f"capas {capas}")
    if doc.layers.get("BORDES_LIBRES").dxf.linetype != "DASHED":
        fallas.append("los bordes libres no son discontinuos")
    losas = [e for e in doc.modelspace().query("POLYLINE[layer=='LOSAS']")]
    vertices = [(round(v.dxf.location.x, 6), round(v.dxf.location.y, 6)) for v in losas[0].vertices] if losas else []
    if vertices != [(0, 0), (4, 0), (4, 5), (0, 5)] or not losas[0].is_closed:
        fallas.append(f"losa 1: {vertices}")
    numero = [t for t in doc.modelspace().query("TEXT[layer=='TEXTOS']") if t.dxf.text == "Losa 1"]
    if not numero or round(numero[0].dxf.align_point[0], 6) != 2:
        fallas.append("el numero de la losa 1 no esta en su centro (x = 2)")
    barras = [t.dxf.text for t in doc.modelspace().query("TEXT[layer=='ACERO_INFERIOR']")]
    if not barras or not all(re.fullmatch('M[0-9]+: [0-9]+ \u00f8 3/8" a 0\\.[0-9][0-9]', b) for b in barras):
        fallas.append(f"etiquetas de acero inferior: {barras[:3]}")

    # The schedule's marks worked by hand: each bar and hook leg a LINE of its layer, each
    # label a TEXT of that layer.
    marcas = dxf_de(os.path.join(raiz, "tests/corpus/a_mano/planilla.Los"), carpeta)
    lineas = [((e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y), e.dxf.layer)
              for e in marcas.modelspace().query("LINE")]
    textos = {(t.dxf.text, t.dxf.layer) for t in marcas.modelspace().query("TEXT")}
    with open(os.path.join(corpus, "planilla.marcas"), encoding="utf-8") as f:
        for linea in f:
            if not linea.strip() or linea[0] == "#":
                continue
            campos = linea.split(maxsplit=6)
            capa, punto = campos[1], [float(v) for v in campos[2:6]]
            if not any(c == capa and all(abs(a - b) < 1e-3 for a, b in zip(l, punto)) for l, c in lineas):
                fallas.append(f"planilla: falta la linea {linea.strip()}")
            if campos[0] == "barra" and (campos[6].strip(), capa) not in textos:
                fallas.append(f"planilla: falta el texto {campos[6].strip()!r} en {capa}")

    # Descriptions in Windows-1252, and what it cannot hold as the DXF escape \U+XXXX; the
    # extra supports of the reactions table are drawn too.
    otro = dxf_de(os.path.join(raiz, "tests/corpus/ida_y_vuelta/apoyos_adicionales.Los"), carpeta)
    nombres = {t.dxf.text for t in otro.modelspace().query("TEXT[layer=='TEXTOS']")}
    for nombre in ("Apoyo 1: Viga eje B \u2013 dise\u00f1o", "Apoyo 4: Muro lindero (espesor \\U+2265 0.25 m) C:\\obras"):
        if nombre not in nombres:
            fallas.append(f"falta el texto {nombre!r}")
    if len(otro.modelspace().query("LINE[layer=='APOYOS']")) != 4:
        fallas.append("no se dibujan los cuatro apoyos")

    # A storey of 99 slabs audits clean too.
    grande = dxf_de(os.path.join(raiz, "tests/corpus/carga/noventa_y_nueve.Los"), carpeta)
    if len(grande.modelspace().query("POLYLINE[layer=='LOSAS']")) != 99:
        fallas.append("el piso de 99 losas no tiene 99 losas")

for f in fallas:
    print(f)
print(f"{0 if fallas else 1} passed, {1 if fallas else 0} failed")
sys.exit(1 if fallas else 0)
