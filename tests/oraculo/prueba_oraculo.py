#!/usr/bin/env python3
"""The independent calculation checked on the worked examples an engineer can redo
by hand, so that an agreement with the batch calculator means the right numbers."""
import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genera  # noqa: E402
import oraculo  # noqa: E402
from oraculo import f32  # noqa: E402


def losa(lx, ly, codigo, muerta=1.0, viva=0.0, espesor=0.12, vuelo_m=0.0, vuelo_v=0.0):
    return {'Lx': f32(lx), 'Ly': f32(ly), 'CodigoLosa': codigo, 'Bordes': '',
            'CargaMuertaVano': f32(muerta), 'CargaVivaVano': f32(viva),
            'CargaMuertaVuelo': f32(vuelo_m), 'CargaVivaVuelo': f32(vuelo_v),
            'EspesorLosa': f32(espesor)}


def proyecto(losas, apoyos=(), fy=2800, fc=210):
    p = oraculo.Proyecto()
    p.Fc, p.Fy = fc, fy
    p.losas = [dict(L) for L in losas]
    p.NumLosas = len(p.losas)
    p.apoyos = [{'ApoyoDir': d, 'ApoyoLosa1': f32(a), 'ApoyoLosa2': f32(b)}
                for d, a, b in apoyos]
    p.NumApoyos = len(p.apoyos)
    return p


class Momentos(unittest.TestCase):
    def calcula(self, *losas, apoyos=()):
        # q = 1.4 x dead: a dead load of 1/1.4 gives q = 1 To/m2.
        p = proyecto([dict(L, CargaMuertaVano=f32(1 / 1.4)) for L in losas], apoyos)
        oraculo.calcula_losas(p)
        return p

    def test_franjas(self):
        L = self.calcula(losa(4, 4, 1)).losas[0]
        self.assertAlmostEqual(L['CoefMomentoX'], 0.049479, places=6)
        self.assertAlmostEqual(L['MomentoX'], 0.79167, places=5)
        self.assertAlmostEqual(L['MomentoY'], 0.79167, places=5)
        self.assertEqual((L['MomentoNegX'], L['MomentoNegY']), (0, 0))
        L = self.calcula(losa(4, 4, 9)).losas[0]
        self.assertAlmostEqual(L['CorreccionX'], 0.86111, places=5)
        self.assertAlmostEqual(L['MomentoX'], 0.28704, places=5)
        self.assertAlmostEqual(L['MomentoNegY'], 0.66667, places=5)
        L = self.calcula(losa(4, 5, 4)).losas[0]
        self.assertAlmostEqual(L['FactorX'], 0.92428, places=5)
        self.assertAlmostEqual(L['MomentoX'], 0.51494, places=5)
        self.assertAlmostEqual(L['MomentoY'], 0.21329, places=5)
        self.assertAlmostEqual(L['MomentoNegX'], 1.23238, places=5)
        self.assertEqual(L['MomentoNegY'], 0)

    def test_una_direccion_y_voladizo(self):
        p = proyecto([losa(1.5, 6, 13, muerta=1 / 1.4, vuelo_m=0.1, vuelo_v=0.1)])
        oraculo.calcula_losas(p)
        L = p.losas[0]
        self.assertAlmostEqual(L['MomentoNegX'], 1.59, places=5)
        self.assertEqual((L['MomentoX'], L['MomentoY'], L['MomentoNegY']), (0, 0, 0))
        with self.assertRaises(oraculo.ErrorCalculo) as e:
            self.calcula(losa(4, 4, 9), losa(4, 6, 12))
        self.assertEqual(str(e.exception), 'Error en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS')
        # Ratio exactly 2 or 0.5 is one-way, not an error.
        self.assertGreater(self.calcula(losa(2, 4, 10)).losas[0]['MomentoX'], 0)
        self.assertGreater(self.calcula(losa(4, 2, 10)).losas[0]['MomentoY'], 0)

    def test_ajustes(self):
        L = self.calcula(losa(4, 4, 14)).losas[0]
        self.assertAlmostEqual(L['CoefMomentoY'], 0.02169, places=5)
        self.assertAlmostEqual(L['CoefMomentoX'], 0.10243, places=5)
        # Code 22: the code-16 fits times the factors, on qLy2.
        L16 = self.calcula(losa(4, 6, 16)).losas[0]
        L22 = self.calcula(losa(4, 6, 22)).losas[0]
        self.assertAlmostEqual(L22['CoefMomentoX'], L16['CoefMomentoX'] * 1.4645, places=6)
        self.assertAlmostEqual(L22['MomentoX'], L22['CoefMomentoX'] * 36, places=5)
        self.assertEqual(L22['MomentoNegY'], 0)

    def test_apoyo(self):
        p = self.calcula(losa(4, 4, 9), losa(5, 5, 9), apoyos=[('X', 1, 2)])
        A = p.apoyos[0]
        self.assertAlmostEqual(A['RigidezA'], 0.25)
        self.assertAlmostEqual(A['FactorDistA'], 0.55556, places=5)
        self.assertAlmostEqual(A['DesbalanceApoyo'], -0.375, places=5)
        self.assertAlmostEqual(A['MomentoApoyoX'], 0.875, places=5)
        self.assertAlmostEqual(p.losas[0]['MomentoX'], 0.18287, places=5)
        self.assertAlmostEqual(p.losas[1]['MomentoX'], 0.53183, places=5)
        # Slab A of code 1 keeps no edge moment: B's span takes half of its own.
        p = self.calcula(losa(4, 4, 1), losa(5, 5, 9), apoyos=[('X', 1, 2)])
        self.assertAlmostEqual(p.apoyos[0]['MomentoApoyoX'], 0, places=6)
        # A lower-case direction becomes "X".
        p = self.calcula(losa(4, 4, 9), losa(5, 5, 9), apoyos=[('y', 1, 2)])
        self.assertEqual(p.apoyos[0]['ApoyoDir'], 'X')


class Diseno(unittest.TestCase):
    def test_minimos_barras_y_separaciones(self):
        # No load: the larger minimum, 0.71 / 2.84 = 0.25 m; d = 0.10 m.
        p = proyecto([losa(4, 4, 1, muerta=0, espesor=0.12)])
        oraculo.calcula_losas(p)
        L = p.losas[0]
        self.assertAlmostEqual(L['AreaX'], 2.84, places=6)
        self.assertAlmostEqual(L['SeparX'], 0.25, places=6)
        # Thin slab: the spacing is capped at three thicknesses.
        p = proyecto([losa(4, 4, 1, muerta=0, espesor=0.08)])
        oraculo.calcula_losas(p)
        self.assertEqual(p.losas[0]['SeparX'], f32(0.24))
        p = proyecto([losa(4, 4, 1, muerta=0)], fy=4200)
        oraculo.calcula_losas(p)
        self.assertAlmostEqual(p.losas[0]['AreaX'], 2.13, places=6)
        self.assertEqual(oraculo.barra_de(f32(7.1)), 1.27)
        self.assertEqual(oraculo.barra_de(f32(15.875)), 2.85)
        self.assertEqual(oraculo.barra_de(f32(7.0999)), 0.71)

    def test_acero_que_sube_al_apoyo(self):
        def con(codigo, area, lx=4, ly=5):
            return dict(losa(lx, ly, codigo), AreaX=f32(area), AreaY=f32(area))
        # Four supported edges: half of positive steel, the whole of "Doble" steel.
        self.assertEqual((oraculo.aporte_losa(con(1, 3.0), True) +
                          oraculo.aporte_losa(con(1, 5.0), True)) / 2, 4.0)
        self.assertEqual((oraculo.aporte_losa(con(1, -3.0), True) +
                          oraculo.aporte_losa(con(1, 5.0), True)) / 2, 5.5)
        # Codes 10 and above: only across their short span; a cantilever never.
        self.assertEqual(oraculo.aporte_losa(con(11, 4.0, 2, 5), True), 4.0)
        self.assertEqual(oraculo.aporte_losa(con(11, 4.0, 2, 5), False), 0.0)
        self.assertEqual(oraculo.aporte_losa(con(13, 4.0, 2, 5), True), 0.0)
        p = proyecto([losa(4, 4, 1, muerta=1), losa(4, 4, 1, muerta=1)], [('X', 1, 2)])
        oraculo.calcula_losas(p)
        A = p.apoyos[0]
        self.assertEqual(A['Dispon'], f32((p.losas[0]['AreaX'] + p.losas[1]['AreaX']) / 2))
        self.assertEqual(A['Adicional'], f32(A['AreaApoyoX'] - A['Dispon']))


class Tablas(unittest.TestCase):
    def test_pesos_cantidades_y_reacciones(self):
        p = proyecto([losa(4, 5, 1, muerta=0.5)])
        oraculo.calcula_losas(p)
        L = p.losas[0]
        L['AreaX'], L['SeparX'] = f32(2.84), f32(0.25)
        peso = f32((L['Ly'] / L['SeparX'] + 1) * (L['Lx'] + 0.3) * 0.012464)
        self.assertAlmostEqual(peso, 1.1255, places=4)
        # Waste 7: Qq1 = 1 shows 1.07; the volume of 4 x 5 x 0.12 is 2.40.
        L['Qq1'], L['Qq2'], L['Qq3'] = f32(1), f32(0), f32(0)
        filas, totales = oraculo.muestra_cantidades(p)
        self.assertEqual(filas[0][:3], ['1', '2.40', '1.07'])
        self.assertEqual(totales[0], '2.40')
        # Reactions.
        self.assertEqual(oraculo.fd(oraculo.reaccion(losa(4, 4, 1, 0.5), 'X')[0], 3), '0.667')
        self.assertEqual(oraculo.fd(oraculo.reaccion(losa(3, 6, 10, 0.6), 'X')[0], 3), '0.825')
        self.assertEqual(oraculo.fd(oraculo.reaccion(losa(3, 6, 10, 0.6), 'Y')[0], 3), '0.600')
        r = oraculo.reaccion(losa(1.5, 4, 13, 0.4, vuelo_m=0.2), 'X')
        self.assertEqual(oraculo.fd(r[0], 3), '0.800')
        self.assertEqual(oraculo.reaccion(losa(1.5, 4, 13, 0.4, vuelo_m=0.2), 'Y'), (0.0, 0.0))


class Textos(unittest.TestCase):
    def test_formatos(self):
        self.assertEqual(oraculo.fs(f32(0.125), 2), '0.13')
        self.assertEqual(oraculo.fs(f32(-0.125), 2), '-0.13')
        self.assertEqual(oraculo.fs(f32(2.675), 2), '2.68')   # 7 digits: 2.675000
        self.assertEqual(oraculo.fd(2.675, 2), '2.68')        # shortest text: 2.675
        self.assertEqual(oraculo.fd(0.08049999999999999, 3), '0.080')
        self.assertEqual(oraculo.texto_numero(f32(0.12)), '.12')
        self.assertEqual(oraculo.texto_numero(f32(4)), '4')
        self.assertEqual(oraculo.texto_numero(f32(-0.5)), '-.5')
        self.assertEqual(oraculo.valor(' 2.5.1'), 2.5)
        self.assertEqual(oraculo.valor('abc'), 0)

    def test_clasificacion(self):
        self.assertEqual(oraculo.clasifica('EAEA', f32(4), f32(8)), (11, False))
        self.assertEqual(oraculo.clasifica('EAEA', f32(8), f32(4)), (11, False))
        self.assertEqual(oraculo.clasifica('AANE', f32(8), f32(4)), (13, False))
        self.assertEqual(oraculo.clasifica('NEAA', f32(5), f32(5)), (19, False))
        self.assertEqual(oraculo.clasifica('NNAA', f32(5), f32(5)), (None, True))
        self.assertEqual(oraculo.clasifica('NAEE', f32(3), f32(9)), (None, False))
        self.assertEqual(oraculo.clasifica('eaaa', f32(4), f32(5)), (None, True))


class Carga(unittest.TestCase):
    def carga(self, texto):
        with tempfile.NamedTemporaryFile('wb', suffix='.Los', delete=False) as f:
            f.write(texto.encode('cp1252'))
        try:
            return oraculo.documento(f.name)
        finally:
            os.unlink(f.name)

    COLA = ('Entrepiso\r\n .12  2.4 \r\n .05  1.8 \r\n .025  1.8 \r\n .035  2.3 \r\n'
            ' .1  0 \r\nOficina: cuartos de oficinas\r\n')

    def test_dialogo_y_sustituciones(self):
        doc, p = self.carga('Dos losas\r\n 2  1  210  4200  .12  2  .6  .3 \r\n'
                            ' 1 EAAA, 4  5  0  .25  0  0  .12 \r\n'
                            ' 7 AEAA, 4  5  .5  0  0  0  0 \r\n'
                            ' 1 X, 1  2 \r\n' + self.COLA)
        self.assertIsNone(doc['error'])
        g = doc['general']
        # The dialog's total: 0.288 + 0.045 + 0.080 + 0.100; the use's live load.
        self.assertEqual(g['CargaMuerta'], f32(0.513))
        self.assertEqual(g['CargaViva'], f32(0.25))
        self.assertEqual(g['CargaUltimaGeneral'], f32(1.4 * f32(0.513) + 1.7 * f32(0.25)))
        self.assertEqual(g['EspesorCapa'][1], 0)      # a floor empties row 1
        # Zero slab loads take the general loads read from the file, a given one stays.
        self.assertEqual(doc['losas'][0]['CargaMuertaVano'], f32(0.6))
        self.assertEqual(doc['losas'][1]['CargaMuertaVano'], f32(0.5))
        self.assertEqual(doc['losas'][1]['CargaVivaVano'], f32(0.3))
        self.assertEqual(doc['losas'][1]['EspesorLosa'], f32(0.12))
        self.assertEqual(doc['losas'][1]['Num'], 2)

    def test_archivos_ilegales(self):
        for linea2 in (' 0  0  210  4200  .12  2  .5  .2 \r\n',
                       ' 100  0  210  4200  .12  2  .5  .2 \r\n',
                       ' 1  0  210  4200  .12  2  .5  xx \r\n'):
            doc, _ = self.carga('T\r\n' + linea2 + ' 1 AAAA, 4  5  0  0  0  0  0 \r\n' + self.COLA)
            self.assertEqual(doc['error'], 'Archivo Ilegal')
        doc, _ = self.carga('T\r\n 1  0  210  4200  .12  2  .5  .2 \r\n'
                            ' 1 NNAA, 4  5  0  0  0  0  0 \r\n' + self.COLA)
        self.assertEqual(doc['error'], 'Condiciones de Borde No Validas')


class Generador(unittest.TestCase):
    def test_proyectos_validos_y_repetibles(self):
        with tempfile.TemporaryDirectory() as d:
            a, b = os.path.join(d, 'a.Los'), os.path.join(d, 'b.Los')
            for semilla in range(20):
                doc, _ = genera.genera(semilla, a)
                genera.genera(semilla, b)
                self.assertIsNone(doc['error'])
                with open(a, 'rb') as fa, open(b, 'rb') as fb:
                    self.assertEqual(fa.read(), fb.read())


if __name__ == '__main__':
    unittest.main()
