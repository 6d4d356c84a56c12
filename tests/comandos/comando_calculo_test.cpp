#include "comandos/ComandoCalculo.h"

#include <gtest/gtest.h>

#include <vector>

#include "InterlocutorGuion.h"
#include "engine/Clasificacion.h"

namespace placatec {

namespace {

using Textos = std::vector<std::vector<std::string>>;

struct DatosLosa {
  float lx, ly;
  const char* bordes;
  float muerta, viva, espesor;
  float muertaVuelo = 0, vivaVuelo = 0;
};

// Slabs entered as the slab table stores them: the case code from the edges.
void AgregaLosa(Proyecto& p, const DatosLosa& d) {
  const int i = ++p.NumLosas;
  p.Lx[i] = d.lx;
  p.Ly[i] = d.ly;
  p.Bordes[i] = d.bordes;
  p.CargaMuertaVano[i] = d.muerta;
  p.CargaVivaVano[i] = d.viva;
  p.EspesorLosa[i] = d.espesor;
  p.CargaMuertaVuelo[i] = d.muertaVuelo;
  p.CargaVivaVuelo[i] = d.vivaVuelo;
  InterlocutorMudo ui;
  ASSERT_TRUE(ClasificaLosa(p, d.lx, d.ly, d.bordes)) << d.bordes;
  p.CodigoLosa[i] = p.CodigoBordes;
}

void AgregaApoyo(Proyecto& p, const std::string& dir, float a, float b) {
  const int j = ++p.NumApoyos;
  p.ApoyoDir[j] = dir;
  p.ApoyoLosa1[j] = a;
  p.ApoyoLosa2[j] = b;
}

Textos TextosDe(const TablaResultado& t) {
  Textos r;
  for (const auto& fila : t.filas) {
    r.emplace_back();
    for (const Celda& c : fila) r.back().push_back(c.texto);
  }
  return r;
}

const std::string k3_8 = "ø 3/8\"";
const std::string k1_2 = "ø 1/2\"";
const std::string k3_4 = "ø 3/4\"";

}  // namespace

// The expected numbers of these projects come from a separate evaluation of the
// calculation rules (moments by case, one distribution step per support, section
// design with both minima, the results-table rules and the quantity take-off),
// in double arithmetic with every stored value rounded to Single.

// An L-shaped floor: slab 2 right of slab 1 (support in X), slab 3 above slab 1
// (support in Y). Fc 210, Fy 4200, cover 2 cm, dead 0.513, live 0.25, 0.12 m.
TEST(ComandoCalculo, PisoDeTresLosasConUnApoyoEnCadaDireccion) {
  Sesion s;
  Proyecto& p = s.proyecto;
  p.Titulo = "Edificio Las Acacias";
  p.Fc = 210;
  p.Fy = 4200;
  AgregaLosa(p, {4, 5, "AEAE", 0.513f, 0.25f, 0.12f});
  AgregaLosa(p, {4.5f, 5, "EAAA", 0.513f, 0.25f, 0.12f});
  AgregaLosa(p, {4, 3.5f, "AAEA", 0.513f, 0.25f, 0.12f});
  AgregaApoyo(p, "X", 1, 2);
  AgregaApoyo(p, "Y", 1, 3);
  ASSERT_EQ((std::array{p.CodigoLosa[1], p.CodigoLosa[2], p.CodigoLosa[3]}),
            (std::array<Integer, 3>{6, 2, 3}));

  InterlocutorGuion ui;
  ASSERT_TRUE(CalculaRefuerzo(s, ui));
  EXPECT_TRUE(ui.mensajes.empty());
  EXPECT_EQ(ui.estados, (std::vector<std::string>{"Calculando Momentos y Refuerzo...", ""}));
  EXPECT_TRUE(p.CalculoHecho);
  EXPECT_EQ(s.nombreResultados, "Edificio Las Acacias");

  // Support 1 (X): both slabs in the pinned group, stiffnesses 0.75/4 and 0.75/4.5.
  EXPECT_EQ(p.MomentoX[1], 0.638016701f);
  EXPECT_EQ(p.MomentoY[1], 0.443638414f);
  EXPECT_EQ(p.MomentoX[2], 1.25327802f);
  EXPECT_EQ(p.MomentoY[3], 0.793534636f);
  EXPECT_EQ(p.MomentoApoyoX[1], 1.97680473f);
  EXPECT_EQ(p.MomentoApoyoY[2], 1.19453979f);
  EXPECT_EQ(p.AreaX[2], 3.46427226f);
  EXPECT_EQ(p.AreaY[3], 2.16000032f);
  EXPECT_EQ(p.SeparX[2], 0.204949245f);
  EXPECT_EQ(p.AreaApoyoX[1], 5.61041451f);
  EXPECT_EQ(p.Dispon[1], 2.79713631f);
  EXPECT_EQ(p.Adicional[1], 2.8132782f);
  EXPECT_EQ(p.SeparApoyo[1], 0.252374619f);
  EXPECT_EQ(p.AreaApoyoY[2], 3.29520965f);
  EXPECT_EQ(p.Dispon[2], 2.14500022f);
  EXPECT_EQ(p.SeparApoyo[2], 0.617278874f);
  EXPECT_EQ(p.BarraApoyo[1], 3);
  EXPECT_EQ(p.BarraApoyo[2], 3);
  // Span bars plus the bars of the supports.
  EXPECT_EQ(p.Qq1[1], 2.12283206f);
  EXPECT_EQ(p.Qq1[2], 2.7885251f);
  EXPECT_EQ(p.Qq1[3], 1.33330297f);
  EXPECT_EQ(p.Qq2[1], 0.0f);

  EXPECT_EQ(TextosDe(s.vanos), (Textos{{"1", "X", "0.64", "2.13", k3_8, "0.33", "Simple"},
                                       {"", "Y", "0.44", "2.13", k3_8, "0.33", "Simple"},
                                       {"2", "X", "1.25", "3.46", k3_8, "0.20", "Simple"},
                                       {"", "Y", "0.66", "2.13", k3_8, "0.33", "Simple"},
                                       {"3", "X", "0.39", "2.13", k3_8, "0.33", "Simple"},
                                       {"", "Y", "0.79", "2.16", k3_8, "0.33", "Simple"}}));
  EXPECT_EQ(TextosDe(s.apoyosRefuerzo), (Textos{{"1", "X", "1 - 2", "1.98", "5.61", "2.80", k3_8, "0.25"},
                                                {"2", "Y", "1 - 3", "1.19", "3.30", "2.15", k3_8, "0.62"}}));
  EXPECT_EQ(TextosDe(s.medidas.tabla), (Textos{{"1", "2.40", "2.27", "0.00", "0.00", "2.27", "0.95"},
                                               {"2", "2.70", "2.98", "0.00", "0.00", "2.98", "1.11"},
                                               {"3", "1.68", "1.43", "0.00", "0.00", "1.43", "0.85"}}));
  EXPECT_EQ(s.medidas.totales, (std::array<std::string, 6>{"6.78", "6.68", "0.00", "0.00", "6.68", "0.99"}));

  // Numeric cells carry the stored value behind the text.
  EXPECT_EQ(s.vanos.filas[2][2].valor, static_cast<double>(p.MomentoX[2]));
  EXPECT_EQ(s.apoyosRefuerzo.filas[0][7].valor, static_cast<double>(p.SeparApoyo[1]));
  EXPECT_FALSE(s.vanos.filas[1][0].valor.has_value());

  // A second calculation rebuilds the tables rather than adding to them, and the
  // support bars are counted once.
  ASSERT_TRUE(CalculaRefuerzo(s, ui));
  EXPECT_EQ(s.vanos.NumFilas() + s.apoyosRefuerzo.NumFilas(), 8u);
  EXPECT_EQ(p.Qq1[1], 2.12283206f);
}

// A cantilever 1.5 m long (code 13, spanning X) fixed into a 4 x 5 slab fixed on all
// edges. Defaults Fc 180, Fy 2800; dead 0.36, live 0.2; edge loads 0.15 and 0.1 To/m.
TEST(ComandoCalculo, VoladizoJuntoAUnaLosaEmpotrada) {
  Sesion s;
  Proyecto& p = s.proyecto;
  AgregaLosa(p, {1.5f, 5, "NEAA", 0.36f, 0.2f, 0.12f, 0.15f, 0.1f});
  AgregaLosa(p, {4, 5, "EEEE", 0.36f, 0.2f, 0.12f});
  AgregaApoyo(p, "X", 1, 2);
  ASSERT_EQ(p.CodigoLosa[1], 13);
  InterlocutorGuion ui;
  ASSERT_TRUE(CalculaRefuerzo(s, ui));

  // The cantilever's own moment 0.844 x 2.25 / 2 + 0.38 x 1.5 governs the support;
  // it brings no steel over it, slab 2 brings half of its 2.84.
  EXPECT_EQ(p.MomentoNegX[1], 1.51950002f);
  EXPECT_EQ(p.MomentoApoyoX[1], 1.51950002f);
  EXPECT_EQ(p.MomentoX[2], 0.348824859f);  // unchanged by the support
  EXPECT_EQ(p.AreaApoyoX[1], 6.41915369f);
  EXPECT_EQ(p.Dispon[1], 1.41999996f);
  EXPECT_EQ(p.SeparApoyo[1], 0.14202404f);
  // X row "Vuelo"; the Y row (across the cantilever) takes temperature steel.
  EXPECT_EQ(p.SeparY[1], 0.28f);
  // Cantilever bars run the whole span plus 0.3 m: (5/0.142 + 1) x 1.8 x 0.012464.
  EXPECT_EQ(p.Qq1[1], 1.7033602f);
  EXPECT_EQ(p.Qq1[2], 2.74489474f);

  EXPECT_EQ(TextosDe(s.vanos), (Textos{{"1", "X", "0.00", "2.84", k3_8, "0.25", "Vuelo"},
                                       {"", "Y", "0.00", "2.84", k3_8, "0.28", "Temp"},
                                       {"2", "X", "0.35", "2.84", k3_8, "0.25", "Simple"},
                                       {"", "Y", "0.22", "2.84", k3_8, "0.25", "Simple"}}));
  EXPECT_EQ(TextosDe(s.apoyosRefuerzo), (Textos{{"1", "X", "1 - 2", "1.52", "6.42", "1.42", k3_8, "0.14"}}));
  EXPECT_EQ(TextosDe(s.medidas.tabla), (Textos{{"1", "0.90", "1.82", "0.00", "0.00", "1.82", "2.03"},
                                               {"2", "2.40", "2.94", "0.00", "0.00", "2.94", "1.22"}}));
  EXPECT_EQ(s.medidas.totales, (std::array<std::string, 6>{"3.30", "4.76", "0.00", "0.00", "4.76", "1.44"}));

  // The cantilever the other way (Lx > Ly): "Temp" in X, "Vuelo" in Y.
  Sesion t;
  AgregaLosa(t.proyecto, {5, 1.5f, "AANE", 0.36f, 0.2f, 0.12f, 0.15f, 0.1f});
  ASSERT_EQ(t.proyecto.CodigoLosa[1], 13);
  ASSERT_TRUE(CalculaRefuerzo(t, ui));
  EXPECT_EQ(std::pair(t.vanos.Texto(0, 6), t.vanos.Texto(1, 6)),
            std::pair(std::string("Temp"), std::string("Vuelo")));
  EXPECT_EQ(t.vanos.Texto(0, 5), "0.28");
}

// Heavy slabs, 0.20 m thick, cover 2.5 cm, waste 10 %: all three bar sizes, and a
// negative span moment in slab 1 after the support ("Doble").
TEST(ComandoCalculo, LosasPesadasConLasTresBarras) {
  Sesion s;
  Proyecto& p = s.proyecto;
  p.Fc = 210;
  p.Fy = 4200;
  p.Recubrimiento = 2.5f;
  p.Desperdicio = 10;
  AgregaLosa(p, {6, 7, "EEAA", 1.2f, 0.6f, 0.2f});
  AgregaLosa(p, {7, 8, "EAAA", 2.0f, 1.0f, 0.2f});
  AgregaApoyo(p, "X", 1, 2);
  InterlocutorGuion ui;
  ASSERT_TRUE(CalculaRefuerzo(s, ui));

  EXPECT_EQ(p.MomentoX[1], -1.58819067f);
  EXPECT_EQ(p.AreaX[1], -2.4496913f);
  EXPECT_EQ(p.AreaX[2], 24.8679619f);
  EXPECT_EQ(p.AreaY[2], 9.95265865f);
  EXPECT_EQ(p.MomentoApoyoX[1], 16.4512939f);
  EXPECT_EQ(p.AreaApoyoX[1], 31.6607876f);
  EXPECT_EQ(p.Dispon[1], 14.8836727f);
  EXPECT_EQ(p.Adicional[1], 16.7771149f);
  EXPECT_EQ(p.BarraApoyo[1], 6);
  EXPECT_EQ(p.Qq1[1], 6.46305418f);
  EXPECT_EQ(p.Qq3[1], 3.11487269f);
  EXPECT_EQ(p.Qq2[2], 10.1883926f);
  EXPECT_EQ(p.Qq3[2], 29.4528065f);

  EXPECT_EQ(TextosDe(s.vanos), (Textos{{"1", "X", "-1.59", "2.45", k3_8, "0.29", "Doble"},
                                       {"", "Y", "1.43", "3.15", k3_8, "0.23", "Simple"},
                                       {"2", "X", "13.67", "24.87", k3_4, "0.11", "Simple"},
                                       {"", "Y", "6.13", "9.95", k1_2, "0.13", "Simple"}}));
  EXPECT_EQ(TextosDe(s.apoyosRefuerzo),
            (Textos{{"1", "X", "1 - 2", "16.45", "31.66", "14.88", k3_4, "0.17"}}));
  EXPECT_EQ(TextosDe(s.medidas.tabla), (Textos{{"1", "8.40", "7.11", "0.00", "3.43", "10.54", "1.25"},
                                               {"2", "11.20", "0.00", "11.21", "32.40", "43.61", "3.89"}}));
  EXPECT_EQ(s.medidas.totales,
            (std::array<std::string, 6>{"19.60", "7.11", "11.21", "35.82", "54.14", "2.76"}));
}

// Slab 2 is pulled negative by its big neighbour ("Doble", doubled weight); slab 3
// is one-way with m exactly 2 (temperature steel in both rows); slab 4 spans Y and
// its X moment turns negative at support 2 (temperature steel, moment shown as 0);
// supports 1 and 2 need no additional bars; support 3 needs so little that its
// spacing is capped at 1.00 m.
TEST(ComandoCalculo, ReglasDeTemperaturaDobleYApoyosSinBarras) {
  Sesion s;
  Proyecto& p = s.proyecto;
  p.Fc = 210;
  for (auto d : {DatosLosa{6, 6, "EEEE", 0.6f, 0.3f, 0.15f}, DatosLosa{2, 2, "EEEE", 0.6f, 0.3f, 0.15f},
                 DatosLosa{3, 6, "AAEE", 0.6f, 0.3f, 0.15f}, DatosLosa{7, 3, "EEEA", 0.6f, 0.3f, 0.15f}})
    AgregaLosa(p, d);
  ASSERT_EQ(p.CodigoLosa[3], 10);
  ASSERT_EQ(p.CodigoLosa[4], 11);
  AgregaApoyo(p, "X", 1, 2);
  AgregaApoyo(p, "X", 1, 4);
  AgregaApoyo(p, "Y", 3, 3);
  InterlocutorGuion ui;
  ASSERT_TRUE(CalculaRefuerzo(s, ui));

  EXPECT_EQ(TextosDe(s.vanos), (Textos{{"1", "X", "1.71", "5.42", k3_8, "0.13", "Simple"},
                                       {"", "Y", "0.87", "2.84", k3_8, "0.25", "Simple"},
                                       {"2", "X", "-0.58", "2.84", k3_8, "0.25", "Doble"},
                                       {"", "Y", "0.10", "2.84", k3_8, "0.25", "Simple"},
                                       {"3", "X", "1.52", "4.79", k3_8, "0.28", "Temp"},
                                       {"", "Y", "0.00", "2.84", k3_8, "0.28", "Temp"},
                                       {"4", "X", "0.00", "2.84", k3_8, "0.28", "Temp"},
                                       {"", "Y", "0.85", "2.84", k3_8, "0.25", "Simple"}}));
  EXPECT_EQ(p.MomentoX[4], -0.39619568f);  // the stored moment keeps its sign
  EXPECT_EQ(s.vanos.filas[6][2].valor, 0.0);
  // Doubled 3/8" weight of slab 2 in X: 2 x (2/0.25 + 1) x 2.3 x 0.012464, plus Y.
  EXPECT_EQ(p.Qq1[2], 0.774014473f);
  // Temperature weights of slab 3 plus twice the bars of support 3 (both its sides).
  EXPECT_EQ(p.Qq1[3], 1.99192536f);
  EXPECT_EQ(p.Qq1[4], 2.25865483f);

  EXPECT_EQ(TextosDe(s.apoyosRefuerzo), (Textos{{"1", "X", "1 - 2", "1.58", "4.97", "5.55", "---", ""},
                                                {"2", "X", "1 - 4", "0.79", "2.46", "2.71", "---", ""},
                                                {"3", "Y", "3 - 3", "0.00", "0.01", "0.00", k3_8, "1.00"}}));
  EXPECT_EQ(p.Adicional[1], -0.580827236f);
  EXPECT_EQ(p.SeparApoyo[1], -1.22239447f);  // negative, not shown
  EXPECT_EQ(p.BarraApoyo[1], 0);
  EXPECT_EQ(p.BarraApoyo[2], 0);
  EXPECT_EQ(p.BarraApoyo[3], 3);
  EXPECT_EQ(p.SeparApoyo[3], 1.0f);  // capped and stored
  EXPECT_FALSE(s.apoyosRefuerzo.filas[0][7].valor.has_value());
  EXPECT_EQ(s.medidas.totales,
            (std::array<std::string, 6>{"11.85", "11.41", "0.00", "0.00", "11.41", "0.96"}));

  EXPECT_EQ(EstiloTipo("Simple"), "Azul");
  for (const char* t : {"Doble", "Vuelo", "Temp"}) EXPECT_EQ(EstiloTipo(t), "Rojo");
}

TEST(ComandoCalculo, PesoDeLasBarrasDelVano) {
  // 4 x 5 slab with the 2.84 minimum at 0.25 m: X weight (5/0.25 + 1) x 4.3 x 0.012464
  // = 1.1255 qq, Y weight (4/0.25 + 1) x 5.3 x 0.012464 = 1.1230 qq.
  Sesion s;
  AgregaLosa(s.proyecto, {4, 5, "AAAA", 0.1f, 0.05f, 0.12f});
  InterlocutorGuion ui;
  ASSERT_TRUE(CalculaRefuerzo(s, ui));
  EXPECT_EQ(s.proyecto.SeparX[1], 0.25f);
  EXPECT_EQ(s.proyecto.Qq1[1], 2.24850559f);
}

TEST(ComandoCalculo, ErrorDelMotorDejaTodoComoEstaba) {
  Sesion s;
  Proyecto& p = s.proyecto;
  AgregaLosa(p, {4, 5, "EEEE", 0.5f, 0.2f, 0.12f});
  AgregaLosa(p, {4, 5, "EEEE", 0.5f, 0.2f, 0.12f});
  AgregaApoyo(p, "X", 1, 2);
  InterlocutorGuion ui;
  ASSERT_TRUE(CalculaRefuerzo(s, ui));
  const Textos vanos = TextosDe(s.vanos), apoyos = TextosDe(s.apoyosRefuerzo);
  const Textos cantidades = TextosDe(s.medidas.tabla);
  const float qq = p.Qq1[1];
  // Every refusal leaves the tables and weights of the last good calculation.
  auto Rechaza = [&](const std::string& mensaje) {
    EXPECT_FALSE(CalculaRefuerzo(s, ui));
    EXPECT_EQ(ui.UltimoTexto(), mensaje);
    EXPECT_EQ(ui.mensajes.back().titulo, "ERROR");
    EXPECT_EQ(p.ErrorCalculo, 1);
    EXPECT_FALSE(p.CalculoHecho);
    EXPECT_EQ(TextosDe(s.vanos), vanos);
    EXPECT_EQ(TextosDe(s.apoyosRefuerzo), apoyos);
    EXPECT_EQ(TextosDe(s.medidas.tabla), cantidades);
    EXPECT_EQ(p.Qq1[1], qq);
  };

  // The second slab's spans no longer match its code.
  p.CodigoLosa[2] = 12;
  p.CalculoHecho = false;
  ui.estados.clear();
  Rechaza("Error en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS");
  // The status is cleared after the engine's message: nothing is being calculated.
  EXPECT_EQ(ui.estados, (std::vector<std::string>{"Calculando Momentos y Refuerzo...", ""}));

  // A support naming a slab that does not exist is refused the same way.
  p.CodigoLosa[2] = 9;
  p.ApoyoLosa2[1] = 3;
  Rechaza("Losa inexistente en el Apoyo No.  1\r\n\r\nCORRIJA LOS DATOS");

  // A thickness so large that its minimum steel overflows a Single.
  p.ApoyoLosa2[1] = 2;
  p.EspesorLosa[2] = 1e38f;
  Rechaza("Resultados fuera de rango en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS");

  // A successful calculation clears the flag of the failed one.
  p.EspesorLosa[2] = 0.12f;
  EXPECT_TRUE(CalculaRefuerzo(s, ui));
  EXPECT_EQ(p.ErrorCalculo, 0);
  EXPECT_TRUE(p.CalculoHecho);
}

}  // namespace placatec
