#!/usr/bin/env python3
"""Random but valid Placatec projects, written as long-form .Los files.

Every project loads and calculates without an error: each slab's spans agree with its
edge case, every support names existing slabs, and every span section has the
capacity for its moment (a slab that lacks it is made thicker until the calculation
goes through).

    python3 genera.py --semilla 7 --n 20 --dir /tmp/proyectos
"""
import argparse
import os
import random
import sys
from decimal import Decimal

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import oraculo  # noqa: E402

FC = [140, 160, 175, 180, 210, 240, 280, 350]
FY = [1400, 1800, 2800, 4200]
TECHOS = [u for u, _ in oraculo.USOS if u.startswith('Techo')]
PISOS = [u for u, _ in oraculo.USOS if not u.startswith('Techo')]
TITULOS = ['Edificio de oficinas', 'Vivienda unifamiliar', 'Losa del sótano',
           'Ampliación - 2º piso', 'Bodega Núñez', 'Colegio "El Sol"', 'Proyecto',
           'Planta tipo ñandú', 'Garaje', 'Techo de la terraza']

CUATRO = {}
for _texto, _codigo in oraculo.CUATRO.items():
    CUATRO.setdefault(_codigo, []).append(_texto)
DOS = {}
for _texto, _codigo in oraculo.DOS.items():
    DOS.setdefault(_codigo, []).append(_texto)


def texto_decimal(x, decimales):
    """A value with at most the given decimals, as a clean decimal text."""
    d = Decimal(repr(round(x, decimales))).normalize()
    return format(d, 'f')


def item(texto, doble=False):
    """A number item of the project file: sign position, digits, one blank."""
    v = float(texto)
    if doble:
        d = Decimal('%.14e' % v).normalize() if v else Decimal(0)
        s = format(d, 'f')
        if '.' in s:
            s = s.rstrip('0').rstrip('.')
        if s.startswith('0.'):
            s = s[1:]
        elif s.startswith('-0.'):
            s = '-' + s[2:]
    else:
        s = oraculo.texto_numero(oraculo.f32(v))
    return (s if s.startswith('-') else ' ' + s) + ' '


class Generador:
    def __init__(self, semilla):
        self.r = random.Random(semilla)
        self.decimales = 2  # 6 for projects whose measures use all 7 digits

    def luz(self, lo=1.0, hi=9.0):
        r = self.r
        if self.decimales > 2:
            return round(r.uniform(lo, hi), self.decimales)
        if r.random() < 0.5:
            return round(r.uniform(lo, hi) * 4) / 4
        return round(r.uniform(lo, hi), 2)

    def luces_dos_direcciones(self):
        r = self.r
        while True:
            lx = self.luz()
            ly = self.luz()
            if r.random() < 0.2:
                ly = lx
            if 1.0 <= ly <= 9.0 and not oraculo.es_unidireccional(lx, ly):
                return lx, ly

    def luces_una_direccion(self, en_x):
        """Spans of a one-way slab; en_x: it spans in X (Ly >= 2 Lx)."""
        r = self.r
        while True:
            corta = self.luz(1.0, 4.5)
            if r.random() < 0.3:
                larga = 2 * corta
            else:
                larga = self.luz(2 * corta, 9.0) if 2 * corta <= 9.0 else 2 * corta
            if larga > 9.0:
                continue
            lx, ly = (corta, larga) if en_x else (larga, corta)
            if oraculo.es_unidireccional(lx, ly):
                return lx, ly

    def losa(self, pesada):
        r = self.r
        codigo = r.randint(1, 25)
        if 10 <= codigo <= 13:
            en_x = r.random() < 0.5
            lx, ly = self.luces_una_direccion(en_x)
            par = r.choice(DOS[codigo])
            otras = ''.join(r.choice('AEN') for _ in range(2))
            bordes = par + otras if lx <= ly else otras + par
        else:
            lx, ly = self.luces_dos_direcciones()
            bordes = r.choice(CUATRO[codigo])
        if pesada:
            muerta = texto_decimal(r.uniform(0.8, 3.0), 3)
            viva = texto_decimal(r.uniform(0.5, 2.5), 3)
            espesor = texto_decimal(r.choice([0.2, 0.22, 0.25, 0.28, 0.3]), 2)
        else:
            muerta = texto_decimal(r.uniform(0.15, 1.2), r.choice([2, 3]))
            viva = texto_decimal(r.uniform(0.05, 0.9), r.choice([2, 3]))
            espesor = texto_decimal(r.choice([0.08, 0.1, 0.12, 0.15, 0.17, 0.2, 0.25]), 3)
        if r.random() < 0.1:
            muerta = '0'
        if r.random() < 0.1:
            viva = '0'
        if r.random() < 0.1:
            espesor = '0'
        vuelo_m = vuelo_v = '0'
        if codigo == 13 or r.random() < 0.15:
            vuelo_m = texto_decimal(r.uniform(0.0, 1.5), 3)
            vuelo_v = texto_decimal(r.uniform(0.0, 0.8), 3)
        if self.decimales > 2:
            muerta = texto_decimal(float(muerta), self.decimales) if muerta == '0' else \
                texto_decimal(float(muerta) + r.uniform(0, 0.001), self.decimales)
        return {'Bordes': bordes, 'Lx': texto_decimal(lx, self.decimales),
                'Ly': texto_decimal(ly, self.decimales),
                'Muerta': muerta, 'Viva': viva, 'VueloM': vuelo_m, 'VueloV': vuelo_v,
                'Espesor': espesor, 'Codigo': codigo}

    def proyecto(self):
        r = self.r
        n = r.choice([1, 2, 3, r.randint(1, 30), r.randint(1, 30), r.randint(15, 30)])
        pesado = r.random() < 0.25
        if r.random() < 0.1:
            self.decimales = 6
        losas = [self.losa(pesado and r.random() < 0.7) for _ in range(n)]
        apoyos = []
        for _ in range(r.randint(0, min(2 * n, 40))):
            a = r.randint(1, n)
            b = a if r.random() < 0.06 else r.randint(1, n)
            if apoyos and r.random() < 0.2:
                a = int(apoyos[-1]['Losa1'])
            d = r.choice('XY')
            if r.random() < 0.03:
                d = d.lower()
            apoyos.append({'Dir': d, 'Losa1': str(a), 'Losa2': str(b)})
        techo = r.random() < 0.4
        uso_texto = r.choice(TECHOS if techo else PISOS)
        if r.random() < 0.04:
            # A use the table does not hold: the live load of the file stays.
            uso_texto = 'Techo de lámina' if techo else 'Depósito de granos'
        uso = 'Techo' if techo else 'Entrepiso'
        if r.random() < 0.05:
            uso = 'Entrepiso' if techo else 'Techo'
        espesor_general = r.choice(['0.1', '0.12', '0.15', '0.125', '0.2', '0.1037'])
        capas_e = [espesor_general, '0.05', '0.025', '0.035']
        capas_p = ['2.4', '1.8', '1.8', '2.3']
        for k in range(4):
            if r.random() < 0.4:
                capas_e[k] = texto_decimal(r.uniform(0.01, 0.08), r.choice([3, 4]))
            if r.random() < 0.3:
                capas_p[k] = texto_decimal(r.uniform(1.2, 2.6), r.choice([2, 3, 4]))
        panderetas = r.choice(['0.1', '0', texto_decimal(r.uniform(0, 0.3), 4),
                               '0.123456789012'])
        otras = r.choice(['0', '0', texto_decimal(r.uniform(0, 0.2), r.choice([3, 4]))])
        muerta = r.choice(['0.33', '0.513', texto_decimal(r.uniform(0.2, 0.8), 4),
                           texto_decimal(r.uniform(0.2, 0.8), 3)])
        viva = r.choice(['0.1', '0.25', texto_decimal(r.uniform(0.05, 0.6), 3)])
        fc, fy = str(r.choice(FC)), str(r.choice(FY))
        raro = r.random() < 0.3
        if raro and r.random() < 0.3:
            # Whole-number items written with a fraction: rounded, halves to even.
            fc = r.choice(['210.4', '240.5', '175.5', '179.6'])
            fy = r.choice(['4199.5', '4200.5', '2800.4', '2799.5'])
        if raro:
            for A in apoyos:
                if r.random() < 0.1 and int(A['Losa1']) < n:
                    A['Losa1'] = A['Losa1'] + '.5'
        titulo = r.choice(TITULOS + (['Losa, nivel 3;  planta "B"  '] if raro else []))
        corta = r.random() < 0.1
        if corta:
            # An older file without the use and the layers: the title tells the use.
            titulo = r.choice(['Techo del bloque A', 'ENTREPISO nivel 2', 'Vivienda',
                               'Losa de eNtrEpIsO', 'TeChO liviano'])
        return {
            'Titulo': titulo, 'Corta': corta,
            'Fc': fc, 'Fy': fy, 'Raro': raro, 'SemillaTexto': r.getrandbits(32),
            'Espesor': espesor_general,
            'Recubrimiento': r.choice(['2', '2', '2.5', '3', '1.5'] + (['0'] if raro else [])),
            'Muerta': muerta, 'Viva': viva, 'losas': losas, 'apoyos': apoyos,
            'Uso': uso, 'UsoTexto': uso_texto, 'CapasE': capas_e, 'CapasP': capas_p,
            'Panderetas': panderetas, 'Otras': otras}


def variante(texto, r):
    """Another notation of the same number, which the reader must also accept: a
    leading zero, trailing zeros, a plus sign or the exponent form."""
    v = float(texto)
    forma = r.randrange(4)
    if forma == 0:
        return repr(v) if v != int(v) else '%d.0' % v
    if forma == 1:
        return texto + ('0' if '.' in texto else '.00')
    if forma == 2 and v >= 0:
        return '+' + texto
    return '%.6E' % v


def escribe(proy, ruta):
    r = random.Random(proy['SemillaTexto'])
    raro = proy['Raro']

    def num(texto, doble=False):
        if raro and r.random() < 0.15:
            s = variante(texto, r)
            return (s if s[0] in '+-' else ' ' + s) + ' '
        return item(texto, doble)

    def corta(items):
        """Items usually on one line; now and then the line breaks between two."""
        if raro and len(items) > 2 and r.random() < 0.2:
            k = r.randrange(1, len(items))
            return [''.join(items[:k]), ''.join(items[k:])]
        return [''.join(items)]

    lineas = [proy['Titulo']]
    lineas += corta([num(str(x)) for x in (
        len(proy['losas']), len(proy['apoyos']), proy['Fc'], proy['Fy'])] +
        [num(proy[k]) for k in ('Espesor', 'Recubrimiento', 'Muerta', 'Viva')])
    for i, L in enumerate(proy['losas'], 1):
        numero = str(r.randint(1, 99)) if raro and r.random() < 0.1 else str(i)
        cabeza = num(numero) + L['Bordes'] + ','
        resto = [num(L[k]) for k in ('Lx', 'Ly', 'Muerta', 'Viva', 'VueloM', 'VueloV',
                                     'Espesor')]
        lineas += corta([cabeza + resto[0]] + resto[1:])
    for j, A in enumerate(proy['apoyos'], 1):
        lineas.append(num(str(j)) + A['Dir'] + ',' + num(A['Losa1']) + num(A['Losa2']))
    if proy['Corta']:
        with open(ruta, 'wb') as f:
            f.write(''.join(s + '\r\n' for s in lineas).encode('cp1252'))
        return
    lineas.append(proy['Uso'])
    for k in range(4):
        lineas.append(num(proy['CapasE'][k]) + num(proy['CapasP'][k]))
    lineas.append(item(proy['Panderetas'], doble=True) + num(proy['Otras']))
    lineas.append(('  ' + proy['UsoTexto'] + ' ') if raro else proy['UsoTexto'])
    with open(ruta, 'wb') as f:
        f.write(''.join(s + '\r\n' for s in lineas).encode('cp1252'))


def valido(semilla, ruta):
    """Writes one valid project to ruta; returns it with the oracle's document of it
    and the project as the oracle holds it after the calculation."""
    g = Generador(semilla)
    proy = g.proyecto()
    for _ in range(200):
        escribe(proy, ruta)
        doc, p = oraculo.documento(ruta)
        if doc['error'] is None:
            return proy, doc, p
        texto = doc['error']
        k = int(texto.split('\r')[0].split()[-1])
        if texto.startswith(oraculo.CAPACIDAD_APOYO):
            A = proy['apoyos'][k - 1]
            losas = [proy['losas'][int(round(float(A[n]))) - 1] for n in ('Losa1', 'Losa2')]
        elif texto.startswith(oraculo.CAPACIDAD):
            losas = [proy['losas'][k - 1]]
        else:
            raise RuntimeError('proyecto invalido %s: %s' % (ruta, texto))
        for L in losas:
            e = float(L['Espesor']) or float(proy['Espesor'])
            L['Espesor'] = texto_decimal(e + 0.02, 3)
    raise RuntimeError('no se logra un proyecto calculable: semilla %d' % semilla)


def genera(semilla, ruta):
    """Writes one valid project to ruta; returns the oracle's document of it and the
    project as the oracle holds it after the calculation."""
    _, doc, p = valido(semilla, ruta)
    return doc, p


DEFECTOS = ['bordes sin caso', 'par sin caso', 'ninguna losa', 'cien losas', 'texto por numero',
            'archivo cortado', 'forma larga incompleta', 'luz nula', 'apoyo sin losa',
            'espesor igual al recubrimiento', 'seccion insuficiente']


def malo(semilla, ruta):
    """Writes a project with one defect that must stop the load or the calculation with
    a message; returns the name of the defect."""
    proy, _, _ = valido(semilla, ruta)
    r = random.Random(semilla ^ 0x5EED)
    defecto = DEFECTOS[semilla % len(DEFECTOS)]
    losas = proy['losas']
    L = r.choice(losas)
    una = [x for x in losas if 10 <= x['Codigo'] <= 13]
    dos = [x for x in losas if not 10 <= x['Codigo'] <= 13]
    if defecto == 'bordes sin caso' and dos:
        r.choice(dos)['Bordes'] = r.choice(['NNAA', 'ANAN', 'NNNN', 'aaaa', 'EAX', 'EAAAE'])
    elif defecto == 'par sin caso' and una:
        x = r.choice(una)
        par = r.choice(['AN', 'NA', 'NN'])
        x['Bordes'] = par + x['Bordes'][2:] if float(x['Lx']) <= float(x['Ly']) else \
            x['Bordes'][:2] + par
    elif defecto == 'luz nula':
        L[r.choice(['Lx', 'Ly'])] = '0'
    elif defecto == 'apoyo sin losa':
        proy['apoyos'].append({'Dir': r.choice('XY'), 'Losa1': str(r.randint(1, len(losas))),
                               'Losa2': r.choice(['0', str(len(losas) + 1), '100'])})
        r.shuffle(proy['apoyos'])
    elif defecto == 'espesor igual al recubrimiento':
        proy['Recubrimiento'] = '2'
        L['Espesor'] = r.choice(['0.02', '0.015'])
    elif defecto == 'seccion insuficiente':
        L['Espesor'] = '0.05'
        L['Muerta'], L['Viva'] = '4', '3'
        L['Lx'], L['Ly'] = '8', '8'
        L['Bordes'] = 'AAAA'
        L['Codigo'] = 1
    escribe(proy, ruta)
    with open(ruta, 'rb') as f:
        lineas = f.read().split(b'\r\n')
    if defecto == 'ninguna losa':
        lineas[1] = b' 0 ' + lineas[1].lstrip().split(b' ', 1)[1]
    elif defecto == 'cien losas':
        lineas[1] = b' 100 ' + lineas[1].lstrip().split(b' ', 1)[1]
    elif defecto == 'texto por numero':
        k = r.randrange(2, 2 + len(losas))
        lineas[k] = lineas[k].rstrip(b' ') + b'x '
    elif defecto == 'archivo cortado':
        lineas = lineas[:r.randrange(2, 2 + len(losas))] + [b'']
    elif defecto == 'forma larga incompleta':
        lineas = lineas[:-2] + [b''] if not proy['Corta'] else lineas[:2] + [b'']
    with open(ruta, 'wb') as f:
        f.write(b'\r\n'.join(lineas))
    return defecto


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--semilla', type=int, default=1)
    ap.add_argument('--n', type=int, default=10)
    ap.add_argument('--dir', required=True)
    a = ap.parse_args()
    os.makedirs(a.dir, exist_ok=True)
    for k in range(a.n):
        ruta = os.path.join(a.dir, 'p%05d.Los' % (a.semilla * 100000 + k))
        genera(a.semilla * 100000 + k, ruta)
        print(ruta)


if __name__ == '__main__':
    main()
