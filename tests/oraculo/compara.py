#!/usr/bin/env python3
"""Compares the batch calculator with the independent calculation, field by field.

Generates N random projects, runs `placatec-calc --json` and the oracle on each, and
compares every field of the two JSON documents: stored numbers exactly as 32-bit
floats (Panderetas as a double), texts exactly. Prints the first differences with the
project file and the field, and a summary of the cases the projects reached. Exits
non-zero on any difference, or when the projects miss a case they must reach.

    python3 compara.py --calc build/placatec-calc --n 200
"""
import argparse
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genera  # noqa: E402
import oraculo  # noqa: E402

DOBLES = {'Panderetas'}


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def diferencias(esperado, obtenido, camino=''):
    """Every field where the two documents differ, as (path, oracle, calculator)."""
    salida = []
    if isinstance(esperado, dict) and isinstance(obtenido, dict):
        for k in esperado:
            if k not in obtenido:
                salida.append((camino + '.' + k, esperado[k], '<falta>'))
            else:
                salida += diferencias(esperado[k], obtenido[k], camino + '.' + k)
        for k in obtenido:
            if k not in esperado:
                salida.append((camino + '.' + k, '<falta>', obtenido[k]))
    elif isinstance(esperado, list) and isinstance(obtenido, list):
        if len(esperado) != len(obtenido):
            salida.append((camino + '.len', len(esperado), len(obtenido)))
        for i, (a, b) in enumerate(zip(esperado, obtenido)):
            salida += diferencias(a, b, '%s[%d]' % (camino, i))
    elif isinstance(esperado, bool) or isinstance(obtenido, bool):
        if esperado is not obtenido:
            salida.append((camino, esperado, obtenido))
    elif isinstance(esperado, (int, float)) and isinstance(obtenido, (int, float)):
        if isinstance(esperado, int) and isinstance(obtenido, int):
            igual = esperado == obtenido
        elif camino.split('.')[-1] in DOBLES:
            igual = float(esperado) == float(obtenido)
        else:
            igual = f32(esperado) == f32(obtenido)
        if not igual:
            salida.append((camino, esperado, obtenido))
    elif esperado != obtenido:
        salida.append((camino, esperado, obtenido))
    return salida


def cobertura(doc, p, c):
    """Counts the cases a project reached."""
    def suma(clave, n=1):
        c[clave] = c.get(clave, 0) + n
    for L in p.losas:
        suma('codigo %02d' % L['CodigoLosa'])
        if 10 <= L['CodigoLosa'] <= 13:
            if L['RelacionLados'] == 2.0:
                suma('una direccion en X con relacion 2')
            if L['RelacionLados'] == 0.5:
                suma('una direccion en Y con relacion 2')
        if L['CodigoLosa'] == 13 and (L['CargaMuertaVuelo'] or L['CargaVivaVuelo']):
            suma('vuelo con cargas de borde')
        for d in 'XY':
            a = abs(L['Area' + d])
            if a >= oraculo.U15:
                suma('barra 3/4 en vano')
            elif a >= oraculo.U71:
                suma('barra 1/2 en vano')
            if L['Separ' + d] == oraculo.f32(3 * L['EspesorLosa']):
                suma('separacion limitada a 3 espesores')
        if 14 <= L['CodigoLosa'] <= 25 and (L['AreaX'] < 0 or L['AreaY'] < 0):
            suma('Doble en caso ajustado')
    for fila in doc['vanos']:
        if fila[6] in ('Doble', 'Temp', 'Vuelo'):
            suma('tipo ' + fila[6])
    for A in p.apoyos:
        if A['Adicional'] <= 0:
            suma('apoyo sin adicional (---)')
        elif A['SeparApoyo'] == 1.0:
            suma('separacion de apoyo limitada a 1.0')
        if A['BarraApoyo'] == 6:
            suma('barra 3/4 en apoyo')
        if A['ApoyoLosa1'] == A['ApoyoLosa2']:
            suma('apoyo con la misma losa dos veces')
        suma('apoyo en ' + A['ApoyoDir'])
    suma('fy %d' % p.Fy)
    suma('uso ' + p.Uso)


def suma_error(texto, c):
    clave = 'error: ' + texto.split('\r')[0].split(' No.')[0]
    c[clave] = c.get(clave, 0) + 1


OBLIGATORIOS = ['codigo %02d' % c for c in range(1, 26)] + [
    'una direccion en X con relacion 2', 'una direccion en Y con relacion 2',
    'vuelo con cargas de borde', 'tipo Doble', 'tipo Temp', 'tipo Vuelo',
    'apoyo sin adicional (---)', 'separacion de apoyo limitada a 1.0',
    'barra 1/2 en vano', 'barra 3/4 en vano', 'separacion limitada a 3 espesores',
    'apoyo con la misma losa dos veces', 'Doble en caso ajustado',
    'apoyo en X', 'apoyo en Y',
    'fy 4200', 'fy 2800', 'uso Techo', 'uso Entrepiso',
    'error: Archivo Ilegal', 'error: Condiciones de Borde No Validas',
    'error: Losa inexistente en el Apoyo', 'error: Capacidad de la seccion excedida en la Losa',
    'error: Espesor menor o igual al recubrimiento en la Losa']


def ejecuta(calc, ruta):
    r = subprocess.run([calc, '--json', ruta], capture_output=True, timeout=60)
    try:
        doc = json.loads(r.stdout.decode('utf-8'))
    except ValueError:
        doc = {'error': 'salida no es JSON (estado %d): %s' % (
            r.returncode, r.stderr.decode('utf-8', 'replace')[:200])}
    doc['_estado'] = r.returncode
    return doc


RESULTADOS = ('vanos', 'apoyos_tabla', 'cantidades', 'totales')


def diferencias_error(esperado, obtenido):
    """A project that must fail: the same message, a non-zero exit status and no result
    table."""
    salida = []
    if esperado['error'] != obtenido.get('error'):
        salida.append(('.error', esperado['error'], obtenido.get('error')))
    if obtenido['_estado'] == 0:
        salida.append(('estado de salida', 'no nulo', 0))
    for k in RESULTADOS:
        if obtenido.get(k):
            salida.append(('.' + k, [], obtenido[k]))
    return salida


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--calc', required=True, help='ruta de placatec-calc')
    ap.add_argument('--n', type=int, default=200)
    ap.add_argument('--semilla', type=int, default=1)
    ap.add_argument('--malos', type=int, default=44,
                    help='proyectos con un defecto que debe detener la carga o el calculo')
    ap.add_argument('--muestra', type=int, default=25, help='diferencias a mostrar')
    ap.add_argument('--dir', help='carpeta donde dejar los proyectos (si no, temporal)')
    a = ap.parse_args()
    carpeta = a.dir or tempfile.mkdtemp(prefix='oraculo-')
    os.makedirs(carpeta, exist_ok=True)
    try:
        casos = []
        oraculos = []
        for k in range(a.n):
            semilla = a.semilla * 1000003 + k
            ruta = os.path.join(carpeta, 'p%d-%05d.Los' % (a.semilla, k))
            oraculos.append(genera.genera(semilla, ruta))
            casos.append(ruta)
        for k in range(a.malos):
            semilla = a.semilla * 1000003 + a.n + k
            ruta = os.path.join(carpeta, 'm%d-%05d.Los' % (a.semilla, k))
            genera.malo(semilla, ruta)
            oraculos.append(oraculo.documento(ruta))
            casos.append(ruta)
        with ThreadPoolExecutor(max_workers=2) as ex:
            salidas = list(ex.map(lambda r: ejecuta(a.calc, r), casos))
        total = 0
        proyectos_distintos = 0
        por_campo = {}
        mostradas = 0
        c = {}
        for ruta, (esperado, p), obtenido in zip(casos, oraculos, salidas):
            if esperado['error'] is None:
                cobertura(esperado, p, c)
                obtenido.pop('_estado')
                difs = diferencias(esperado, obtenido)
            else:
                suma_error(esperado['error'], c)
                difs = diferencias_error(esperado, obtenido)
            if difs:
                proyectos_distintos += 1
            total += len(difs)
            for camino, e, o in difs:
                campo = camino.split('.', 1)[-1]
                campo = ''.join(ch for ch in campo if not ch.isdigit())
                por_campo[campo] = por_campo.get(campo, 0) + 1
                if mostradas < a.muestra:
                    print('%s  %s: oraculo %r, calculadora %r' % (ruta, camino, e, o))
                    mostradas += 1
        faltan = [k for k in OBLIGATORIOS if not c.get(k)]
        print('Proyectos: %d (%d con un defecto), con diferencias: %d, diferencias: %d' % (
            a.n + a.malos, a.malos, proyectos_distintos, total))
        for campo, n in sorted(por_campo.items(), key=lambda x: -x[1]):
            print('  %6d  %s' % (n, campo))
        print('Casos alcanzados: ' + ', '.join('%s %d' % kv for kv in sorted(c.items())))
        if faltan:
            print('Casos NO alcanzados: ' + ', '.join(faltan))
        return 1 if total or faltan else 0
    finally:
        if not a.dir:
            shutil.rmtree(carpeta, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
