#!/usr/bin/env python3
"""Independent calculation of a Placatec project, written apart from the C++ program.

Loads a long-form .Los file as the desktop program does (the general data dialog
writes its boxes and recomputes the dead load from the shown layer weights), runs the
whole calculation (moments, support moments, steel), fills the two result tables, the
reactions and the quantities, and prints the same JSON document as
`placatec-calc --json FILE`.

Every stored measure is a 32-bit float computed in double and rounded once; later
formulas read the rounded values. Standard library only.

    python3 oraculo.py FILE.Los
"""
import json
import math
import re
import struct
import sys
from decimal import Decimal, ROUND_HALF_UP, ROUND_HALF_EVEN


def f32(x):
    """A value computed in double, rounded once to its 32-bit storage."""
    return struct.unpack('f', struct.pack('f', x))[0]


def entero(x):
    """Conversion to a 16-bit Integer, halves to the even neighbour."""
    v = int(Decimal(repr(float(x))).quantize(Decimal(1), rounding=ROUND_HALF_EVEN))
    if v < -32768 or v > 32767:
        raise ErrorArchivo('desborde')
    return v


# ---------------------------------------------------------------- number texts

_NUMERO = re.compile(r'[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?')


def valor(texto):
    """Leading decimal number of a text ("." as decimal point), 0 without one."""
    t = texto.lstrip(' \t')
    m = _NUMERO.match(t)
    if not m:
        return 0.0
    s = m.group(0).replace('d', 'e').replace('D', 'e')
    try:
        return float(s)
    except (ValueError, OverflowError):
        return 0.0


def _decimal_single(v):
    return Decimal('%.6e' % v)


def _decimal_doble(v):
    return Decimal(repr(float(v)))


def formato(v, decimales, single):
    """Display formats "0.00", "0.000", "##0.00": half away from zero on the
    value's decimal text (7 significant digits of a Single, the shortest text of a
    double)."""
    d = _decimal_single(v) if single else _decimal_doble(v)
    q = d.quantize(Decimal(1).scaleb(-decimales), rounding=ROUND_HALF_UP)
    s = format(q, 'f')
    return s


def fs(v, dec):
    return formato(v, dec, True)


def fd(v, dec):
    return formato(v, dec, False)


def texto_numero(v):
    """Str of a Single without its sign position: "4", ".5", "-.5", "1.5"."""
    if v == 0:
        return '0'
    d = Decimal('%.6e' % v).normalize()
    s = format(d, 'f')
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    if s.startswith('0.'):
        s = s[1:]
    elif s.startswith('-0.'):
        s = '-' + s[2:]
    return s


def str_single(v):
    s = texto_numero(v)
    return s if s.startswith('-') else ' ' + s


# ---------------------------------------------------------------- classification

CUATRO = {}
for codigo, textos in {
        1: ['AAAA'], 2: ['EAAA', 'AEAA'], 3: ['AAAE', 'AAEA'], 4: ['EEAA'], 5: ['AAEE'],
        6: ['AEAE', 'EAEA', 'AEEA', 'EAAE'], 7: ['EEAE', 'EEEA'], 8: ['EAEE', 'AEEE'],
        9: ['EEEE'], 14: ['AAAN', 'AANA'], 15: ['AAEN', 'AANE'], 16: ['EEAN', 'EENA'],
        17: ['EEEN', 'EENE'], 18: ['ANAA', 'NAAA'], 19: ['ENAA', 'NEAA'],
        20: ['ANEE', 'NAEE'], 21: ['ENEE', 'NEEE'],
        22: ['EAAN', 'EANA', 'AEAN', 'AENA'], 23: ['EAEN', 'EANE', 'AEEN', 'AENE'],
        24: ['ANAE', 'ANEA', 'NAAE', 'NAEA'], 25: ['ENEA', 'ENAE', 'NEEA', 'NEAE']}.items():
    for t in textos:
        CUATRO[t] = codigo
DOS = {'AA': 10, 'AE': 11, 'EA': 11, 'EE': 12, 'EN': 13, 'NE': 13}


def es_unidireccional(lx, ly):
    return lx / ly >= 2 or ly / lx >= 2


def clasifica(bordes, lx, ly):
    """Case code of a slab; None and a flag telling whether a message was shown when
    the edge combination has no case."""
    if es_unidireccional(lx, ly):
        par = bordes[2:4] if lx > ly else bordes[0:2]
        return DOS.get(par), False
    codigo = CUATRO.get(bordes)
    return codigo, codigo is None


# ---------------------------------------------------------------- the project

class Proyecto:
    def __init__(self):
        self.Titulo = ''
        self.NumLosas = 0
        self.NumApoyos = 0
        self.Fc = 180
        self.Fy = 2800
        self.EspesorGeneral = f32(0.1)
        self.Recubrimiento = f32(2)
        self.CargaMuerta = f32(0.33)
        self.CargaViva = f32(0.1)
        self.CargaUltimaGeneral = f32(0.632)
        self.Uso = 'Techo'
        self.EspesorCapa = [f32(0.1), f32(0.05), f32(0.025), f32(0.035)]
        self.PesoUnitCapa = [f32(2.4), f32(1.8), f32(1.8), f32(2.3)]
        self.Panderetas = 0.1
        self.OtrasCargas = f32(0)
        self.Desperdicio = f32(7)
        self.Cargando = False
        self.losas = []     # dicts, index 0 = slab 1
        self.apoyos = []


class ErrorArchivo(Exception):
    pass


class ErrorCalculo(Exception):
    pass


def mensaje_losa(texto, numero):
    """A calculation message that names a slab or support, as the program shows it."""
    return texto + ' No. ' + (' %d' % numero) + '\r\n\r\nCORRIJA LOS DATOS'


CAPACIDAD = 'Capacidad de la seccion excedida en la Losa'
ESPESOR = 'Espesor menor o igual al recubrimiento en la Losa'
CAPACIDAD_APOYO = 'Capacidad de la seccion excedida en el Apoyo'
# What a storey can physically have: (name, lowest, highest, range as the message says it).
RANGOS_GENERALES = (('Fc', "F'c", 140, 350, 'de 140 a 350 Kg/cm2'), ('Fy', 'Fy', 1400, 4200, 'de 1400 a 4200 Kg/cm2'),
                    ('Recubrimiento', 'Recubrimiento', 0, 10, 'hasta 10 cm'))
RANGOS_LOSA = (('Lx', 'Lx', 0.1, 30, 'de 0.1 a 30 m'), ('Ly', 'Ly', 0.1, 30, 'de 0.1 a 30 m'),
               ('EspesorLosa', 'Espesor', 0, 1.5, 'hasta 1.5 m'),
               ('CargaMuertaVano', 'Carga muerta', 0, 50, 'de 0 a 50 To/m2'),
               ('CargaVivaVano', 'Carga viva', 0, 50, 'de 0 a 50 To/m2'),
               ('CargaMuertaVuelo', 'Carga muerta en vuelo', 0, 50, 'de 0 a 50 To/m'),
               ('CargaVivaVuelo', 'Carga viva en vuelo', 0, 50, 'de 0 a 50 To/m'))


def fuera_de_rango(dato, v, texto, losa):
    m = '%s = %s fuera del rango (%s)' % (dato, texto_numero(f32(v)), texto)
    return m + (' en la Losa No.  %d' % losa if losa else '') + '\r\n\r\nCORRIJA LOS DATOS'


# ---------------------------------------------------------------- general data dialog

USOS = [
    ("Techo plano", "0.100"),
    ("Techo con inclinacion de 5 a 11 grados", "0.070"),
    ("Techo con inclinacion mayor de 11 grados", "0.050"),
    ("Residencia: habitaciones, salas, etc.", "0.200"),
    ("Residencia: balcones, escaleras", "0.400"),
    ("Hotel: dormitorios", "0.200"),
    ("Hotel: pasillos, balcones, escaleras", "0.500"),
    ("Comercio, tiendas", "0.400"),
    ("Comercio: bares y restaurantes", "0.500"),
    ("Escuela: aulas", "0.300"),
    ("Escuela: salas, pasillos, balcones, escaleras", "0.500"),
    ("Hospitale: cuartos pacientes", "0.200"),
    ("Hospital: salas, pasillos, balcones y escaleras", "0.500"),
    ("Biblioteca: salas de lectura", "0.300"),
    ("Biblioteca: estanterias", "0.600"),
    ("Oficina: cuartos de oficinas", "0.250"),
    ("Oficina: pasillos y escaleras", "0.500"),
    ("Industria ligera", "0.400"),
    ("Industria semi-pesada", "0.600"),
    ("Industria pesada", "0.800"),
    ("Edificio publico: sitios con asientos fijos", "0.300"),
    ("Edificio publico: sitios con asientos moviles", "0.500"),
    ("Edificio publico: salones de baile", "0.600"),
    ("Edificio publico: pasillos, salas, vestibulos y escaleras", "0.500"),
    ("Gimnasio", "0.500"),
    ("Almacenamiento ligero", "0.400"),
    ("Almacenamiento semi-pesado", "0.600"),
    ("Almacenamiento pesado", "0.800"),
    ("Garaje: automoviles", "0.400"),
    ("Garaje: vehiculos en general", "0.900"),
    ("Acera", "1.250"),
]


class DatosGenerales:
    """The boxes of the general data dialog and their change rules."""

    def __init__(self, p):
        self.p = p
        self.t = {'Nombre': '', 'Espesor': '0.100', 'Cargam': '0.330', 'Cargav': '0.100',
                  'Recubrimiento': '2', 'Combo1': '180', 'Combo2': '2800',
                  'Uso': 'Techo plano'}
        for k in range(4):
            self.t['T1_%d' % k] = ''
            self.t['T2_%d' % k] = ''
        for k in range(6):
            self.t['T3_%d' % k] = ''
        self.t.update({'T1_0': '0.100', 'T2_0': '2.400', 'T3_0': '0.240',
                       'T1_1': '0.050', 'T2_1': '1.800', 'T3_1': '0.090'})

    def v(self, nombre):
        return valor(self.t[nombre])

    def pon(self, nombre, texto):
        """A change rule writes another box: its rule runs only when the text changes."""
        if self.t[nombre] == texto:
            return
        self.t[nombre] = texto
        self.cambio(nombre)

    def escribe(self, nombre, texto):
        """A procedure (the load, the opening, the use rules) writes a box: its rule
        always runs, so that the project follows what the box shows."""
        self.t[nombre] = texto
        self.cambio(nombre)

    def _ultima_general(self):
        p = self.p
        p.CargaUltimaGeneral = f32(1.4 * p.CargaMuerta + 1.7 * p.CargaViva)

    def cambio(self, nombre):
        p = self.p
        if nombre == 'Nombre':
            p.Titulo = self.t['Nombre']
        elif nombre == 'Espesor':
            p.EspesorGeneral = f32(self.v('Espesor'))
            self.pon('T1_0', fd(self.v('Espesor'), 3))
        elif nombre == 'Cargam':
            p.CargaMuerta = f32(self.v('Cargam'))
            self._ultima_general()
        elif nombre == 'Cargav':
            p.CargaViva = f32(self.v('Cargav'))
            self._ultima_general()
        elif nombre == 'Combo1':
            p.Fc = entero(self.v('Combo1'))
        elif nombre == 'Combo2':
            p.Fy = entero(self.v('Combo2'))
        elif nombre == 'Recubrimiento':
            p.Recubrimiento = f32(self.v('Recubrimiento'))
        elif nombre.startswith('T1_'):
            k = int(nombre[3])
            self.pon('T3_%d' % k, fd(self.v('T1_%d' % k) * self.v('T2_%d' % k), 3))
            p.EspesorCapa[k] = f32(self.v(nombre))
        elif nombre.startswith('T2_'):
            k = int(nombre[3])
            self.pon('T3_%d' % k, fd(self.v('T1_%d' % k) * self.v('T2_%d' % k), 3))
            p.PesoUnitCapa[k] = f32(self.v(nombre))
        elif nombre.startswith('T3_'):
            k = int(nombre[3])
            if k <= 3 and (self.t['T1_%d' % k] == '' or self.t['T2_%d' % k] == ''):
                self.pon(nombre, '')
            suma = 0.0
            for i in range(6):
                suma += self.v('T3_%d' % i)
            self.pon('Cargam', fd(suma, 3))
            if k == 4:
                p.Panderetas = self.v('T3_4')
            elif k == 5:
                p.OtrasCargas = f32(self.v('T3_5'))

    def _fila_capa(self, k):
        p = self.p
        self.escribe('T1_%d' % k, fs(p.EspesorCapa[k], 3))
        self.escribe('T2_%d' % k, fs(p.PesoUnitCapa[k], 3))
        self.escribe('T3_%d' % k, fd(p.EspesorCapa[k] * p.PesoUnitCapa[k], 3))

    def reglas_uso(self):
        p = self.p
        uso = self.t['Uso']
        carga = dict(USOS).get(uso)
        if carga is not None:
            self.escribe('Cargav', carga)
        if uso[:5] == 'Techo':
            p.Uso = 'Techo'
            self.escribe('Espesor', '0.100')
            if not p.Cargando:
                p.PesoUnitCapa[0] = f32(2.4)
                p.PesoUnitCapa[1] = f32(1.8)
                p.EspesorCapa[1] = f32(0.05)
                p.OtrasCargas = f32(0)
            self._fila_capa(0)
            self._fila_capa(1)
            self.escribe('T3_4', '')
            self.escribe('T3_5', fs(p.OtrasCargas, 3))
            for k in (2, 3, 4):
                self.escribe('T3_%d' % k, '')
            for k in (2, 3):
                self.escribe('T1_%d' % k, '')
                self.escribe('T2_%d' % k, '')
            return True
        p.Uso = 'Entrepiso'
        self.escribe('Espesor', '0.120')
        if not p.Cargando:
            p.EspesorCapa[2] = f32(0.025)
            p.EspesorCapa[3] = f32(0.035)
            p.PesoUnitCapa[2] = f32(1.8)
            p.PesoUnitCapa[3] = f32(2.3)
            p.Panderetas = 0.1
        self._fila_capa(0)
        self.escribe('T1_1', '')
        self.escribe('T2_1', '')
        self._fila_capa(2)
        self._fila_capa(3)
        self.escribe('T3_4', fd(p.Panderetas, 3))
        self.escribe('T3_5', fs(p.OtrasCargas, 3))
        return False

    def activa(self):
        t = self.v('Espesor')
        techo = self.reglas_uso()
        if (techo and t != 0.1) or (not techo and t != 0.12):
            self.escribe('Espesor', fd(t, 3))

    def abre(self):
        p = self.p
        if p.CargaMuerta <= 0:
            p.CargaMuerta = f32(0.36)
        if p.CargaViva <= 0:
            p.CargaViva = f32(0.2)
        if p.EspesorGeneral <= 0:
            p.EspesorGeneral = f32(0.1)
        if p.Recubrimiento <= 0:
            p.Recubrimiento = f32(2)
        if p.Fc < 1:
            p.Fc = 180
        if p.Fy < 1:
            p.Fy = 2800
        self.escribe('Cargam', fs(p.CargaMuerta, 3))
        self.escribe('Cargav', fs(p.CargaViva, 3))
        self.escribe('Espesor', fs(p.EspesorGeneral, 3))
        self.escribe('Recubrimiento', texto_numero(p.Recubrimiento))
        self.escribe('Combo1', str(p.Fc))
        self.escribe('Combo2', str(p.Fy))
        self.activa()


# ---------------------------------------------------------------- project file

class Lector:
    """Items of the project file: numbers end at a blank, a comma or the line end,
    texts at a comma or the line end; items may continue on the next line."""

    def __init__(self, lineas):
        self.lineas = lineas
        self.fila = 0
        self.col = 0

    def fin(self):
        return self.fila >= len(self.lineas)

    def linea(self):
        if self.fin():
            raise ErrorArchivo('falta linea')
        s = self.lineas[self.fila]
        if self.col:
            s = s[self.col:]
        self.fila += 1
        self.col = 0
        return s

    def _inicio(self):
        while True:
            if self.fin():
                raise ErrorArchivo('falta item')
            s = self.lineas[self.fila]
            while self.col < len(s) and s[self.col] == ' ':
                self.col += 1
            if self.col < len(s):
                return s
            self.fila += 1
            self.col = 0

    def _toma(self, delimitadores):
        s = self._inicio()
        i = self.col
        while i < len(s) and s[i] not in delimitadores:
            i += 1
        item = s[self.col:i]
        if i < len(s):
            i += 1
        if i >= len(s):
            self.fila += 1
            self.col = 0
        else:
            self.col = i
        return item

    def numero(self):
        item = self._toma(' ,')
        if not re.fullmatch(r'[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?', item):
            raise ErrorArchivo('no es numero: %r' % item)
        return float(item)

    def texto(self):
        return self._toma(',')


def carga_archivo(ruta, p, dialogo):
    """The load command: project, dialog boxes, activation of the dialog, OK."""
    with open(ruta, 'rb') as f:
        crudo = f.read()
    texto = crudo.decode('cp1252', errors='replace')
    lineas = texto.split('\r\n')
    if lineas and lineas[-1] == '':
        lineas.pop()
    lee = Lector(lineas)
    p.Cargando = True
    p.Titulo = lee.linea()
    p.NumLosas = entero(lee.numero())
    p.NumApoyos = entero(lee.numero())
    p.Fc = entero(lee.numero())
    p.Fy = entero(lee.numero())
    p.EspesorGeneral = f32(lee.numero())
    p.Recubrimiento = f32(lee.numero())
    p.CargaMuerta = f32(lee.numero())
    p.CargaViva = f32(lee.numero())
    if p.NumLosas <= 0 or p.NumLosas > 99 or p.NumApoyos < 0 or p.NumApoyos > 99:
        raise ErrorArchivo('numero de losas')
    p.CargaUltimaGeneral = f32(1.4 * p.CargaMuerta + 1.7 * p.CargaViva)
    p.losas = []
    for i in range(1, p.NumLosas + 1):
        lee.numero()
        bordes = lee.texto()
        valores = [f32(lee.numero()) for _ in range(7)]
        lx, ly = valores[0], valores[1]
        if lx == 0 or ly == 0:
            raise ErrorArchivo('luz nula')
        codigo, _ = clasifica(bordes, lx, ly)
        if codigo is None:
            # The one-way lookup rejects silently; the load still says why it stops.
            raise ErrorCalculo('Condiciones de Borde No Validas')
        losa = {'Bordes': bordes, 'Lx': lx, 'Ly': ly, 'CargaMuertaVano': valores[2],
                'CargaVivaVano': valores[3], 'CargaMuertaVuelo': valores[4],
                'CargaVivaVuelo': valores[5], 'EspesorLosa': valores[6],
                'CodigoLosa': codigo}
        if losa['CargaMuertaVano'] == 0:
            losa['CargaMuertaVano'] = p.CargaMuerta
        if losa['CargaVivaVano'] == 0:
            losa['CargaVivaVano'] = p.CargaViva
        if losa['EspesorLosa'] == 0:
            losa['EspesorLosa'] = p.EspesorGeneral
        p.losas.append(losa)
    p.apoyos = []
    for j in range(1, p.NumApoyos + 1):
        lee.numero()
        direccion = lee.texto()
        a1 = f32(lee.numero())
        a2 = f32(lee.numero())
        p.apoyos.append({'ApoyoDir': direccion, 'ApoyoLosa1': a1, 'ApoyoLosa2': a2})
    p.Uso = ''
    if not lee.fin():
        p.Uso = lee.linea()
        for k in range(4):
            p.EspesorCapa[k] = f32(lee.numero())
            p.PesoUnitCapa[k] = f32(lee.numero())
        p.Panderetas = lee.numero()
        p.OtrasCargas = f32(lee.numero())
        dialogo.t['Uso'] = lee.linea().strip(' ')
    else:
        # The short form of older files: the use from the title, the slab layer alone.
        titulo = p.Titulo.upper()
        if 'TECHO' in titulo:
            p.Uso, dialogo.t['Uso'] = 'Techo', 'Techo plano'
        elif 'ENTREPISO' in titulo:
            p.Uso, dialogo.t['Uso'] = 'Entrepiso', 'Residencia: habitaciones, salas, etc.'
        else:
            p.Uso, dialogo.t['Uso'] = 'Techo', 'Techo plano'
        p.EspesorCapa = [f32(0.1), f32(0), f32(0), f32(0)]
        p.PesoUnitCapa = [f32(2.4), f32(0), f32(0), f32(0)]
        p.Panderetas = 0.0
        p.OtrasCargas = f32(p.CargaMuerta - p.EspesorCapa[0] * p.PesoUnitCapa[0])
    # The dialog's boxes, each through its change rule.
    dialogo.escribe('Nombre', p.Titulo)
    dialogo.escribe('Cargam', fs(p.CargaMuerta, 3))
    dialogo.escribe('Cargav', fs(p.CargaViva, 3))
    dialogo.escribe('Espesor', fs(p.EspesorGeneral, 3))
    dialogo.escribe('Recubrimiento', str_single(p.Recubrimiento))
    dialogo.escribe('Combo1', (' ' if p.Fc >= 0 else '') + str(p.Fc))
    dialogo.escribe('Combo2', (' ' if p.Fy >= 0 else '') + str(p.Fy))
    dialogo.abre()
    p.Cargando = False


def arranque():
    """The program as it starts: defaults, the general data dialog opened once."""
    p = Proyecto()
    d = DatosGenerales(p)
    d.abre()
    return p, d


# ---------------------------------------------------------------- moments

FITS = {
    'A': [-0.02154, 0.14781, -0.166661, 0.074, -0.01192],
    'B': [-0.03632, 0.20645, -0.04655, -0.03392, 0.01277],
    'C': [0.05491, -0.38259, 0.29402, -0.09422, 0.01016],
    'D': [0.01161, -0.14734, 0.41137, -0.40213, 0.16993, -0.02663],
    'E': [-0.0101, -0.02772, 0.30483, -0.22911, 0.05013],
    'F': [0.03031, -0.59451, 1.08323, -0.9100299, 0.36121, -0.05489],
    'Gm': [-0.009389999, 0.09226999, -0.1374, 0.08438, -0.02428, 0.00277],
    'Gn': [-0.009389998, 0.09226999, -0.1374, 0.08438, -0.02428, 0.00277],
    'H': [-0.03911, 0.29586, -0.42068, 0.29154, -0.09875999, 0.01311],
    'I': [0.10298, -0.7105, 1.0054, -0.67535, 0.2178, -0.02715],
    'J': [-0.03181, 0.15518, -0.06711, -0.05728, 0.05418, -0.01178],
    'K': [-0.01413, 0.02106, 0.07483, -0.12925, 0.06892, -0.01233],
    'L': [0.00856, -0.02239, -0.23204, 0.29593, -0.14113, 0.02412],
}
ABS = {'C', 'F', 'I', 'L'}

# code: (r is m?, cx, cy, ex, ey)
AJUSTES = {
    14: (True, 'B', 'A', None, None),
    15: (True, 'E', 'D', None, 'C'),
    16: (True, 'H', 'G', 'F', None),
    17: (True, 'J', 'K', 'I', 'L'),
    18: (False, 'A', 'B', None, None),
    19: (False, 'D', 'E', 'C', None),
    20: (False, 'G', 'H', None, 'F'),
    21: (False, 'K', 'J', 'L', 'I'),
}
ESCALAS = {
    22: (16, 1.4645, 1.4645, 1.30538, None),
    23: (17, 1.31245284, 1.196994515, 1.186941, 1.31844187),
    24: (20, 1.4645, 1.4645, None, 1.30538),
    25: (21, 1.31245284, 1.196994515, 1.186941, 1.31844187),
}


def evalua(nombre, potencias, con_m):
    if nombre == 'G':
        nombre = 'Gm' if con_m else 'Gn'
    a = FITS[nombre]
    s = a[0]
    for k in range(1, len(a)):
        s = s + a[k] * potencias[k]
    if nombre in ABS:
        s = abs(s)
    return s


def momentos_franjas(c, L, m, n, pm, pn):
    m2, m4 = pm[2], pm[4]
    n2, n4 = pn[2], pn[4]
    if c == 1:
        kx = f32(m4 / (1 + m4)); ky = f32(1 / (1 + m4))
        vx = f32(1 - kx / (1.2 * m2)); vy = f32(1 - ky * m2 / 1.2)
    elif c == 2:
        kx = f32(2.5 * m4 / (1 + 2.5 * m4)); ky = f32(1 / (1 + 2.5 * m4))
        vx = f32(1 - kx / (2.133 * m2)); vy = f32(1 - ky * m2 / 1.2)
    elif c == 3:
        kx = f32(1 / (1 + 2.5 * n4)); ky = f32(2.5 * n4 / (1 + 2.5 * n4))
        vx = f32(1 - kx * n2 / 1.2); vy = f32(1 - ky / (2.133 * n2))
    elif c == 4:
        kx = f32(5 * m4 / (1 + 5 * m4)); ky = f32(1 / (1 + 5 * m4))
        vx = f32(1 - kx / (3.6 * m2)); vy = f32(1 - ky * m2 / 1.2)
    elif c == 5:
        kx = f32(1 / (1 + 5 * n4)); ky = f32(5 * n4 / (1 + 5 * n4))
        vx = f32(1 - kx * n2 / 1.2); vy = f32(1 - ky / (3.6 * n2))
    elif c == 6:
        kx = f32(m4 / (1 + m4)); ky = f32(1 / (1 + m4))
        vx = f32(1 - kx / (2.133 * m2)); vy = f32(1 - ky * m2 / 2.133)
    elif c == 7:
        kx = f32(2 * m4 / (1 + 2 * m4)); ky = f32(1 / (1 + 2 * m4))
        vx = f32(1 - kx / (3.6 * m2)); vy = f32(1 - ky * m2 / 2.133)
    elif c == 8:
        kx = f32(1 / (1 + 2 * n4)); ky = f32(2 * n4 / (1 + 2 * n4))
        vx = f32(1 - kx * n2 / 2.133); vy = f32(1 - ky / (3.6 * n2))
    else:
        kx = f32(m4 / (1 + m4)); ky = f32(1 / (1 + m4))
        vx = f32(1 - kx / (3.6 * m2)); vy = f32(1 - ky * m2 / 3.6)
    qx, qy = L['CargaLx2'], L['CargaLy2']
    if c == 1:
        cx = f32((1 + vx) * kx / 16); cy = f32((1 + vy) * ky / 16); nx = 0.0; ny = 0.0
    elif c == 2:
        cx = f32((1 + vx) * kx / 28.44); cy = f32((1 + vy) * ky / 16)
        nx = kx * qx / 8; ny = 0.0
    elif c == 3:
        cx = f32((1 + vx) * kx / 16); cy = f32((1 + vy) * ky / 28.44)
        nx = 0.0; ny = ky * qy / 8
    elif c == 4:
        cx = f32(kx * vx / 24); cy = f32(ky * vy / 8); nx = kx * qx / 12; ny = 0.0
    elif c == 5:
        cx = f32(kx * vx / 8); cy = f32(ky * vy / 24); nx = 0.0; ny = ky * qy / 12
    elif c == 6:
        cx = f32((1 + vx) * kx / 28.44); cy = f32((1 + vy) * ky / 28.44)
        nx = kx * qx / 8; ny = ky * qy / 8
    elif c == 7:
        cx = f32(kx * vx / 24); cy = f32(ky * vy / 14.22)
        nx = kx * qx / 12; ny = ky * qy / 8
    elif c == 8:
        cx = f32(kx * vx / 14.22); cy = f32(ky * vy / 24)
        nx = kx * qx / 8; ny = ky * qy / 12
    else:
        cx = f32(kx * vx / 24); cy = f32(ky * vy / 24)
        nx = kx * qx / 12; ny = ky * qy / 12
    L.update(FactorX=kx, FactorY=ky, CorreccionX=vx, CorreccionY=vy,
             CoefMomentoX=cx, CoefMomentoY=cy)
    L['MomentoX'] = f32(cx * qx)
    L['MomentoY'] = f32(cy * qy)
    L['MomentoNegX'] = f32(nx)
    L['MomentoNegY'] = f32(ny)


def momentos_una_direccion(c, i, L, m):
    qx, qy = L['CargaLx2'], L['CargaLy2']
    P = 1.4 * L['CargaMuertaVuelo'] + 1.7 * L['CargaVivaVuelo']
    mx = my = nx = ny = 0.0
    if m > 0.5:
        if m < 2:
            raise ErrorCalculo(mensaje_losa('Error en la Losa', i))
        if c == 11:
            mx = qx / 14.22; nx = qx / 8
        elif c == 12:
            mx = qx / 24; nx = qx / 12
        elif c == 13:
            nx = qx / 2 + P * L['Lx']
        else:
            mx = qx / 8
    else:
        if c == 11:
            my = qy / 14.22; ny = qy / 8
        elif c == 12:
            my = qy / 24; ny = qy / 12
        elif c == 13:
            ny = qy / 2 + P * L['Ly']
        else:
            my = qy / 8
    L['MomentoX'] = f32(mx)
    L['MomentoY'] = f32(my)
    L['MomentoNegX'] = f32(nx)
    L['MomentoNegY'] = f32(ny)


def coeficientes_ajuste(c, pm, pn):
    con_m, fcx, fcy, fex, fey = AJUSTES[c]
    pot = pm if con_m else pn
    cx = f32(evalua(fcx, pot, con_m))
    cy = f32(evalua(fcy, pot, con_m))
    ex = f32(evalua(fex, pot, con_m)) if fex else f32(0)
    ey = f32(evalua(fey, pot, con_m)) if fey else f32(0)
    return cx, cy, ex, ey


def momentos_ajustados(c, L, pm, pn):
    if c in ESCALAS:
        base, sx, sy, tx, ty = ESCALAS[c]
        cx, cy, ex, ey = coeficientes_ajuste(base, pm, pn)
        cx = f32(cx * sx)
        cy = f32(cy * sy)
        ex = f32(ex * tx) if tx else f32(0)
        ey = f32(ey * ty) if ty else f32(0)
        Q = L['CargaLy2']
    else:
        cx, cy, ex, ey = coeficientes_ajuste(c, pm, pn)
        Q = L['CargaLx2'] if AJUSTES[c][0] else L['CargaLy2']
    L.update(CoefMomentoX=cx, CoefMomentoY=cy, FactorX=ex, FactorY=ey)
    L['MomentoX'] = f32(cx * Q)
    L['MomentoY'] = f32(cy * Q)
    L['MomentoNegX'] = f32(ex * Q)
    L['MomentoNegY'] = f32(ey * Q)


# ---------------------------------------------------------------- supports

GRUPOS = {
    'X': ({1, 13, 14, 15, 18, 19, 20, 21, 24, 25}, {4, 5, 7, 9, 12, 16, 17, 22, 23},
          {13, 19, 21, 25}),
    'Y': ({1, 13, 14, 15, 16, 17, 18, 19, 22, 23}, {4, 5, 8, 9, 12, 20, 21, 24, 25},
          {13, 15, 17, 23}),
}


def indice(v):
    return int(Decimal(repr(v)).quantize(Decimal(1), rounding=ROUND_HALF_EVEN))


def losa_de(p, v, j=0):
    k = indice(v)
    if k < 1 or k > p.NumLosas:
        raise ErrorCalculo(mensaje_losa('Losa inexistente en el Apoyo', j))
    return p.losas[k - 1]


def momentos_apoyos(p):
    for j, A in enumerate(p.apoyos, 1):
        if A['ApoyoDir'] not in ('X', 'Y'):
            A['ApoyoDir'] = 'X'
        d = A['ApoyoDir']
        neg, luz, mom = ('MomentoNegX', 'Lx', 'MomentoX') if d == 'X' else \
            ('MomentoNegY', 'Ly', 'MomentoY')
        dado, fijo, vuelo = GRUPOS[d]
        a = losa_de(p, A['ApoyoLosa1'], j)
        b = losa_de(p, A['ApoyoLosa2'], j)
        Ma, Mb = a[neg], b[neg]
        clave = 'MomentoApoyo' + d
        ca, cb = a['CodigoLosa'], b['CodigoLosa']
        if ca in dado:
            A[clave] = Ma
            A['RigidezA'] = f32(0)
        elif ca in fijo:
            A['RigidezA'] = f32(1 / a[luz])
        else:
            A['RigidezA'] = f32(0.75 / a[luz])
        a_vuelo = ca in vuelo
        if cb in dado:
            if not a_vuelo:
                A[clave] = Mb
            continue
        elif cb in fijo:
            A['RigidezB'] = f32(1 / b[luz])
        else:
            A['RigidezB'] = f32(0.75 / b[luz])
        if a_vuelo:
            continue
        ra, rb = A['RigidezA'], A['RigidezB']
        fa = A['FactorDistA'] = f32(ra / (ra + rb))
        fb = A['FactorDistB'] = f32(rb / (ra + rb))
        dm = A['DesbalanceApoyo'] = f32(Ma - Mb)
        if Ma <= Mb:
            A[clave] = f32(abs(fb * dm + Mb))
        else:
            A[clave] = f32(abs(Ma - fa * dm))
        a[mom] = f32(a[mom] + fa * 0.5 * dm)
        b[mom] = f32(b[mom] - fb * 0.5 * dm)


# ---------------------------------------------------------------- steel

U71 = f32(7.1)
U15 = f32(15.875)


def barra_de(a):
    if a < U71:
        return 0.71
    if a < U15:
        return 1.27
    return 2.85


def aporte_losa(L, en_x):
    """Steel a slab brings up over a support by its bent-up span bars."""
    acero = L['AreaX'] if en_x else L['AreaY']
    if L['CodigoLosa'] < 10:
        return abs(2 * acero) if acero <= 0 else acero
    corta = L['Lx'] <= L['Ly'] if en_x else L['Ly'] <= L['Lx']
    if L['CodigoLosa'] != 13 and corta:
        return abs(acero)
    return 0.0


def diseno(p):
    if p.Fy == 4200:
        rmin, asmin = 0.0018, 2.13
    else:
        rmin, asmin = 0.002, 2.84
    asmin32 = f32(asmin)
    rm = p.RecubrimientoM
    for i, L in enumerate(p.losas, 1):
        d = L['EspesorLosa'] - rm
        for dirn, mom, area, sep, raiz, omega, cuantia in (
                ('X', 'MomentoX', 'AreaX', 'SeparX', 'RaizX', 'CargaLx2', 'CuantiaX'),
                ('Y', 'MomentoY', 'AreaY', 'SeparY', 'RaizY', 'CargaLy2', 'CuantiaY')):
            M = abs(L[mom])
            q = M / (d * d * 5.3 * p.Fc)
            if 0.7190001 - q < 0:
                raise ErrorCalculo(mensaje_losa(CAPACIDAD, i))
            L[raiz] = f32(math.sqrt(0.7190001 - q))
            L[omega] = f32(0.8480001 - L[raiz])
            L[cuantia] = f32(p.Fc * L[omega] / p.Fy)
            L[area] = f32(10000 * L[cuantia] * d)
        for mom, area in (('MomentoX', 'AreaX'), ('MomentoY', 'AreaY')):
            if L[mom] < 0:
                L[area] = f32(-L[area])
                if abs(L[area]) < asmin32:
                    L[area] = f32(-asmin)
            else:
                umbral = f32(rmin * 10000 * d)
                if L[area] < umbral:
                    L[area] = umbral
                if L[area] < asmin32:
                    L[area] = asmin32
        for area, sep in (('AreaX', 'SeparX'), ('AreaY', 'SeparY')):
            barra = barra_de(abs(L[area]))
            L[sep] = f32(abs(barra / L[area]))
        for sep in ('SeparX', 'SeparY'):
            if f32(3 * L['EspesorLosa']) < L[sep]:
                L[sep] = f32(3 * L['EspesorLosa'])
    for j, A in enumerate(p.apoyos, 1):
        a = losa_de(p, A['ApoyoLosa1'])
        b = losa_de(p, A['ApoyoLosa2'])
        h = b['EspesorLosa'] if b['EspesorLosa'] > a['EspesorLosa'] else a['EspesorLosa']
        d = h - rm
        X = A['ApoyoDir'] != 'Y'
        s = 'X' if X else 'Y'
        M = A['MomentoApoyo' + s]
        q = M / (d * d * 5.3 * p.Fc)
        if 0.7190001 - q < 0:
            raise ErrorCalculo(mensaje_losa(CAPACIDAD_APOYO, j))
        A['RaizApoyo' + s] = f32(math.sqrt(0.7190001 - q))
        A['OmegaApoyo' + s] = f32(0.8480001 - A['RaizApoyo' + s])
        A['CuantiaApoyo' + s] = f32(p.Fc * A['OmegaApoyo' + s] / p.Fy)
        A['AreaApoyo' + s] = f32(d * 10000 * A['CuantiaApoyo' + s])
        A['Dispon'] = f32((aporte_losa(a, X) + aporte_losa(b, X)) / 2)
        A['Adicional'] = f32(A['AreaApoyo' + s] - A['Dispon'])
        ad = A['Adicional']
        if ad >= U15:
            barra = 2.85
        elif ad >= U71:
            barra = 1.27
        else:
            barra = 0.71
        # No additional steel at all: no bars, and no spacing to divide out.
        A['SeparApoyo'] = f32(barra / ad) if ad != 0 else f32(0)


def calcula_losas(p):
    if p.Recubrimiento <= 0:
        p.Recubrimiento = f32(2)
    if p.Fc == 0:
        p.Fc = 180
    if p.Fy == 0:
        p.Fy = 2800
    p.RecubrimientoM = f32(p.Recubrimiento / 100)
    # Data the formulas cannot take are refused before anything is computed.
    for clave, dato, lo, hi, texto in RANGOS_GENERALES:
        if not lo <= getattr(p, clave) <= hi:
            raise ErrorCalculo(fuera_de_rango(dato, getattr(p, clave), texto, 0))
    for i, L in enumerate(p.losas, 1):
        for clave, dato, lo, hi, texto in RANGOS_LOSA:
            if not lo <= L[clave] <= hi:
                raise ErrorCalculo(fuera_de_rango(dato, L[clave], texto, i))
        if L['EspesorLosa'] - p.RecubrimientoM <= 0:
            raise ErrorCalculo(mensaje_losa(ESPESOR, i))
    for j, A in enumerate(p.apoyos, 1):
        losa_de(p, A['ApoyoLosa1'], j)
        losa_de(p, A['ApoyoLosa2'], j)
    for i, L in enumerate(p.losas, 1):
        L['CargaUltima'] = f32(1.4 * L['CargaMuertaVano'] + 1.7 * L['CargaVivaVano'])
        m = L['RelacionLados'] = f32(L['Ly'] / L['Lx'])
        n = L['RelacionInversa'] = f32(1 / m)
        pm = [1.0, m, None, None, None, None]
        pn = [1.0, n, None, None, None, None]
        for k in range(2, 6):
            x = m
            y = n
            for _ in range(k - 1):
                x = x * m
                y = y * n
            pm[k] = f32(x)
            pn[k] = f32(y)
        L['CargaLx2'] = f32(L['CargaUltima'] * L['Lx'] * L['Lx'])
        L['CargaLy2'] = f32(L['CargaUltima'] * L['Ly'] * L['Ly'])
        c = L['CodigoLosa']
        if 1 <= c <= 9:
            momentos_franjas(c, L, m, n, pm, pn)
        elif 14 <= c <= 25:
            momentos_ajustados(c, L, pm, pn)
        else:
            momentos_una_direccion(c, i, L, m)
    momentos_apoyos(p)
    diseno(p)


# ---------------------------------------------------------------- result tables

PESOS = (0.012464, 0.021976, 0.0492)
ETIQUETAS = ('ø 3/8"', 'ø 1/2"', 'ø 3/4"')
T028 = f32(0.28)


def tamano(a):
    if a < U71:
        return 0
    if a < U15:
        return 1
    return 2


def comando_calculo(p):
    calcula_losas(p)
    vanos = []
    for i, L in enumerate(p.losas, 1):
        pesos = {'X': [f32(0)] * 3, 'Y': [f32(0)] * 3}
        c = L['CodigoLosa']
        m = L['RelacionLados']
        for d in ('X', 'Y'):
            area, sep, mom = 'Area' + d, 'Separ' + d, 'Momento' + d
            luz, otra = ('Lx', 'Ly') if d == 'X' else ('Ly', 'Lx')
            fila = ['%d' % i if d == 'X' else '', d, L[mom], fs(abs(L[area]), 2), '', None,
                    'Simple']
            k = tamano(abs(L[area]))
            pesos[d][k] = f32((L[otra] / L[sep] + 1) * (L[luz] + 0.3) * PESOS[k])
            fila[4] = ETIQUETAS[k]
            if L[area] < 0:
                pesos[d] = [f32(2 * w) for w in pesos[d]]
                fila[6] = 'Doble'

            def temperatura():
                L[sep] = T028
                pesos[d] = [f32((L[otra] / T028 + 1) * (L[luz] + 0.3) * 0.012464), 0.0, 0.0]
                fila[4] = ETIQUETAS[0]
                fila[6] = 'Temp'

            if c == 13:
                fila[6] = 'Vuelo'
                if (d == 'X' and L['Lx'] > L['Ly']) or (d == 'Y' and L['Lx'] < L['Ly']):
                    temperatura()
            if 10 <= c < 14 and ((d == 'X' and m <= 2.0) or (d == 'Y' and m >= 2.0)):
                temperatura()
                if fila[2] < 0:
                    fila[2] = 0.0
            fila[2] = fs(fila[2], 2)
            fila[5] = fs(L[sep], 2)
            vanos.append(fila)
        L['Qq1'] = f32(pesos['X'][0] + pesos['Y'][0])
        L['Qq2'] = f32(pesos['X'][1] + pesos['Y'][1])
        L['Qq3'] = f32(pesos['X'][2] + pesos['Y'][2])
    tabla_apoyos = []
    for j, A in enumerate(p.apoyos, 1):
        s = 'Y' if A['ApoyoDir'] != 'X' else 'X'
        fila = ['%d' % j, s,
                texto_numero(A['ApoyoLosa1']) + ' - ' + texto_numero(A['ApoyoLosa2']),
                fs(A['MomentoApoyo' + s], 2), fs(A['AreaApoyo' + s], 2), fs(A['Dispon'], 2)]
        if A['SeparApoyo'] > 1.0:
            A['SeparApoyo'] = f32(1.0)
        sep = fs(A['SeparApoyo'], 2)
        if A['Adicional'] <= 0:
            A['BarraApoyo'] = 0
            fila += ['---', '']
        else:
            k = tamano(A['Adicional'])
            A['BarraApoyo'] = (3, 4, 6)[k]
            fila += [ETIQUETAS[k], sep]
        tabla_apoyos.append(fila)
    cantidades_apoyos(p)
    cantidades, totales = muestra_cantidades(p)
    return vanos, tabla_apoyos, cantidades, totales


def cantidades_apoyos(p):
    for i, L in enumerate(p.losas, 1):
        for A in p.apoyos:
            for lado in ('ApoyoLosa1', 'ApoyoLosa2'):
                # The slab number as the analysis uses it: rounded, halves to even (a
                # support on "15.5" carries bars designed for slab 16).
                if indice(A[lado]) != i or A['BarraApoyo'] == 0:
                    continue
                if A['ApoyoDir'] == 'X':
                    n = L['Ly'] / A['SeparApoyo'] + 1
                    l = L['Lx'] + 0.3 if L['CodigoLosa'] == 13 else L['Lx'] / 5 + 0.3
                else:
                    n = L['Lx'] / A['SeparApoyo'] + 1
                    l = L['Ly'] + 0.3 if L['CodigoLosa'] == 13 else L['Ly'] / 5 + 0.3
                b = A['BarraApoyo']
                if b == 3:
                    L['Qq1'] = f32(L['Qq1'] + n * l * 0.012464)
                elif b == 4:
                    L['Qq2'] = f32(L['Qq2'] + n * l * 0.021976)
                elif b == 6:
                    L['Qq3'] = f32(L['Qq3'] + n * l * 0.0492)


def muestra_cantidades(p):
    filas = []
    tv = t1 = t2 = t3 = tt = 0.0
    for i, L in enumerate(p.losas, 1):
        V = L['Lx'] * L['Ly'] * L['EspesorLosa']
        f = 1 + p.Desperdicio / 100
        q1, q2, q3 = f * L['Qq1'], f * L['Qq2'], f * L['Qq3']
        qt = q1 + q2 + q3
        filas.append(['%d' % i] + [fd(x, 2) for x in (V, q1, q2, q3, qt, qt / V)])
        tv += V; t1 += q1; t2 += q2; t3 += q3; tt += qt
    totales = [fd(x, 2) for x in (tv, t1, t2, t3, tt)]
    totales.append(fd(tt / tv, 2) if tv else fd(0.0, 2))
    return filas, totales


def reaccion(L, direccion):
    lx, ly = L['Lx'], L['Ly']
    if lx <= ly:
        a, m = lx, lx / ly
    else:
        a, m = ly, ly / lx
    c = L['CodigoLosa']
    if c != 13:
        rc = a * L['CargaMuertaVano'] / 3
        rv = a * L['CargaVivaVano'] / 3
        lc = (3 - m * m) / 2 * rc
        lv = (3 - m * m) / 2 * rv
    else:
        lc = a * L['CargaMuertaVano'] + L['CargaMuertaVuelo']
        lv = a * L['CargaVivaVano'] + L['CargaVivaVuelo']
        rc = rv = 0.0
    if lx <= ly:
        px, py = (lc, lv), (rc, rv)
    else:
        px, py = (rc, rv), (lc, lv)
    if c in (14, 15, 16, 17, 22, 23):
        px, py = (a * L['CargaMuertaVano'], a * L['CargaVivaVano']), (0.0, 0.0)
    if c in (18, 19, 20, 21, 24, 25):
        py, px = (a * L['CargaMuertaVano'], a * L['CargaVivaVano']), (0.0, 0.0)
    return px if direccion == 'X' else py


def reacciones(p):
    filas = []
    for j, A in enumerate(p.apoyos, 1):
        cm = cv = 0.0
        for lado in ('ApoyoLosa1', 'ApoyoLosa2'):
            if A[lado] != 0:
                r = reaccion(losa_de(p, A[lado]), A['ApoyoDir'])
            else:
                r = (0.0, 0.0)
            cm += r[0]
            cv += r[1]
        cu = 1.4 * cm + 1.7 * cv
        filas.append(['%d' % j, 'Apoyo %d' % j, A['ApoyoDir'], texto_numero(A['ApoyoLosa1']),
                      texto_numero(A['ApoyoLosa2']), fd(cm, 3), fd(cv, 3), fd(cu, 3)])
    return filas


# ---------------------------------------------------------------- JSON document

def documento(ruta):
    p, dialogo = arranque()
    doc = {'archivo': ruta, 'error': None}
    vacio = {'general': {}, 'losas': [], 'apoyos': [], 'vanos': [], 'apoyos_tabla': [],
             'reacciones': [], 'cantidades': [], 'totales': []}
    try:
        carga_archivo(ruta, p, dialogo)
    except ErrorArchivo:
        doc.update(vacio)
        doc['error'] = 'Archivo Ilegal'
        return doc, p
    except ErrorCalculo as e:
        doc.update(vacio)
        doc['error'] = str(e)
        return doc, p
    try:
        vanos, tabla_apoyos, cantidades, totales = comando_calculo(p)
    except ErrorCalculo as e:
        doc.update(vacio)
        doc['general'] = general(p)
        doc['error'] = str(e)
        return doc, p
    doc['general'] = general(p)
    doc['losas'] = []
    for i, L in enumerate(p.losas, 1):
        o = {'Num': i}
        for k in ('Lx', 'Ly', 'Bordes', 'CodigoLosa', 'CargaMuertaVano', 'CargaVivaVano',
                  'CargaMuertaVuelo', 'CargaVivaVuelo', 'EspesorLosa', 'CargaUltima',
                  'RelacionLados', 'MomentoX', 'MomentoY', 'MomentoNegX', 'MomentoNegY',
                  'AreaX', 'AreaY', 'SeparX', 'SeparY', 'Qq1', 'Qq2', 'Qq3'):
            o[k] = L[k]
        doc['losas'].append(o)
    doc['apoyos'] = []
    for j, A in enumerate(p.apoyos, 1):
        s = 'Y' if A['ApoyoDir'] == 'Y' else 'X'
        doc['apoyos'].append({
            'Num': j, 'ApoyoDir': A['ApoyoDir'], 'ApoyoLosa1': A['ApoyoLosa1'],
            'ApoyoLosa2': A['ApoyoLosa2'], 'MomentoApoyo': A['MomentoApoyo' + s],
            'AreaApoyo': A['AreaApoyo' + s], 'Dispon': A['Dispon'],
            'Adicional': A['Adicional'], 'SeparApoyo': A['SeparApoyo'],
            'BarraApoyo': A['BarraApoyo']})
    doc['vanos'] = vanos
    doc['apoyos_tabla'] = tabla_apoyos
    doc['reacciones'] = reacciones(p)
    doc['cantidades'] = cantidades
    doc['totales'] = totales
    return doc, p


def general(p):
    return {
        'Titulo': p.Titulo, 'Uso': p.Uso, 'NumLosas': p.NumLosas, 'NumApoyos': p.NumApoyos,
        'Fc': p.Fc, 'Fy': p.Fy, 'EspesorGeneral': p.EspesorGeneral,
        'Recubrimiento': p.Recubrimiento, 'CargaMuerta': p.CargaMuerta,
        'CargaViva': p.CargaViva, 'CargaUltimaGeneral': p.CargaUltimaGeneral,
        'EspesorCapa': list(p.EspesorCapa), 'PesoUnitCapa': list(p.PesoUnitCapa),
        'Panderetas': p.Panderetas, 'OtrasCargas': p.OtrasCargas}


def main(argv):
    if len(argv) != 2:
        print('uso: oraculo.py ARCHIVO.Los', file=sys.stderr)
        return 2
    doc, _ = documento(argv[1])
    json.dump(doc, sys.stdout, ensure_ascii=False, indent=2)
    print()
    return 0 if doc['error'] is None else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv))
