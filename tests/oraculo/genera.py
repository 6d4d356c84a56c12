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

    def luz(self, lo=1.0, hi=9.0):
        r = self.r
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
        return {'Bordes': bordes, 'Lx': texto_decimal(lx, 2), 'Ly': texto_decimal(ly, 2),
                'Muerta': muerta, 'Viva': viva, 'VueloM': vuelo_m, 'VueloV': vuelo_v,
                'Espesor': espesor, 'Codigo': codigo}

    def proyecto(self):
        r = self.r
        n = r.choice([1, 2, 3, r.randint(1, 30), r.randint(1, 30), r.randint(15, 30)])
        pesado = r.random() < 0.25
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
        return {
            'Titulo': r.choice(TITULOS), 'Fc': r.choice(FC), 'Fy': r.choice(FY),
            'Espesor': espesor_general, 'Recubrimiento': r.choice(['2', '2', '2.5', '3', '1.5']),
            'Muerta': muerta, 'Viva': viva, 'losas': losas, 'apoyos': apoyos,
            'Uso': uso, 'UsoTexto': uso_texto, 'CapasE': capas_e, 'CapasP': capas_p,
            'Panderetas': panderetas, 'Otras': otras}


def escribe(proy, ruta):
    lineas = [proy['Titulo']]
    lineas.append(''.join(item(str(x)) for x in (
        len(proy['losas']), len(proy['apoyos']), proy['Fc'], proy['Fy'])) +
        ''.join(item(proy[k]) for k in ('Espesor', 'Recubrimiento', 'Muerta', 'Viva')))
    for i, L in enumerate(proy['losas'], 1):
        lineas.append(item(str(i)) + L['Bordes'] + ',' + ''.join(
            item(L[k]) for k in ('Lx', 'Ly', 'Muerta', 'Viva', 'VueloM', 'VueloV', 'Espesor')))
    for j, A in enumerate(proy['apoyos'], 1):
        lineas.append(item(str(j)) + A['Dir'] + ',' + item(A['Losa1']) + item(A['Losa2']))
    lineas.append(proy['Uso'])
    for k in range(4):
        lineas.append(item(proy['CapasE'][k]) + item(proy['CapasP'][k]))
    lineas.append(item(proy['Panderetas'], doble=True) + item(proy['Otras']))
    lineas.append(proy['UsoTexto'])
    with open(ruta, 'wb') as f:
        f.write(''.join(s + '\r\n' for s in lineas).encode('cp1252'))


def genera(semilla, ruta):
    """Writes one valid project to ruta; returns the oracle's document of it and the
    project as the oracle holds it after the calculation."""
    g = Generador(semilla)
    proy = g.proyecto()
    for _ in range(200):
        escribe(proy, ruta)
        doc, p = oraculo.documento(ruta)
        if doc['error'] is None:
            return doc, p
        texto = doc['error']
        if not texto.startswith('capacidad excedida en la losa'):
            raise RuntimeError('proyecto invalido %s: %s' % (ruta, texto))
        i = int(texto.split()[-1])
        L = proy['losas'][i - 1]
        e = float(L['Espesor']) or float(proy['Espesor'])
        L['Espesor'] = texto_decimal(e + 0.02, 3)
    raise RuntimeError('no se logra un proyecto calculable: semilla %d' % semilla)


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
