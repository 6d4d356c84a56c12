#include "outputs/Cantidades.h"

#include <gtest/gtest.h>

#include "InterlocutorGuion.h"
#include "comandos/ComandosPrincipal.h"
#include "model/Defectos.h"

namespace placatec {

namespace {

// Slabs 4 x 5 m, 0.12 m thick, code 9, no steel yet.
void Losas(Sesion& s, int n) {
  Proyecto& p = s.proyecto;
  p.NumLosas = static_cast<Integer>(n);
  for (int i = 1; i <= n; ++i) {
    p.Lx[i] = 4;
    p.Ly[i] = 5;
    p.EspesorLosa[i] = 0.12f;
    p.CodigoLosa[i] = 9;
  }
}

void Apoyo(Sesion& s, const std::string& dir, float a, float b, float separ, int barra) {
  Proyecto& p = s.proyecto;
  const int j = ++p.NumApoyos;
  p.ApoyoDir[j] = dir;
  p.ApoyoLosa1[j] = a;
  p.ApoyoLosa2[j] = b;
  p.SeparApoyo[j] = separ;
  p.BarraApoyo[j] = static_cast<Integer>(barra);
}

std::vector<std::string> Fila(const Sesion& s, std::size_t i) {
  std::vector<std::string> r;
  for (const Celda& c : s.medidas.tabla.filas.at(i)) r.push_back(c.texto);
  return r;
}

using Textos = std::vector<std::string>;

}  // namespace

TEST(Cantidades, TablaConDesperdicio) {
  Sesion s;
  Losas(s, 2);
  s.proyecto.Qq1[1] = 1.0f;
  s.proyecto.Qq2[2] = 2.0f;
  s.proyecto.Qq3[2] = 0.5f;
  MuestraCantidades(s.proyecto, s.medidas);
  ASSERT_EQ(s.medidas.tabla.NumFilas(), 2u);
  // V = 4 x 5 x 0.12 = 2.40 m3; 1.0 qq + 7 % = 1.07; ratio 1.07 / 2.4 = 0.446.
  EXPECT_EQ(Fila(s, 0), (Textos{"1", "2.40", "1.07", "0.00", "0.00", "1.07", "0.45"}));
  EXPECT_NEAR(*s.medidas.tabla.filas[0][6].valor, 1.07 / 2.4, 1e-7);
  // Slab 2: 2.14 + 0.535 = 2.675 qq; 0.535 rounds half away from zero.
  EXPECT_EQ(Fila(s, 1), (Textos{"2", "2.40", "0.00", "2.14", "0.54", "2.68", "1.11"}));
  EXPECT_EQ(s.medidas.totales, (std::array<std::string, 6>{"4.80", "1.07", "2.14", "0.54", "3.75", "0.78"}));
  // The stored weights never include the waste.
  EXPECT_EQ(s.proyecto.Qq1[1], 1.0f);

  // A new waste percentage shows at the next rebuild; the rows are not duplicated.
  s.proyecto.Desperdicio = 0;
  MuestraCantidades(s.proyecto, s.medidas);
  EXPECT_EQ(s.medidas.tabla.NumFilas(), 2u);
  EXPECT_EQ(s.medidas.tabla.Texto(0, 2), "1.00");
}

TEST(Cantidades, RelacionSinVolumen) {
  Sesion s;
  Losas(s, 1);
  s.proyecto.EspesorLosa[1] = 0;
  s.proyecto.Qq1[1] = 1.0f;
  MuestraCantidades(s.proyecto, s.medidas);
  EXPECT_EQ(s.medidas.tabla.Texto(0, 6), "0.00");
  EXPECT_EQ(s.medidas.totales[5], "0.00");
  // No slab at all: an empty table and zero totals.
  Sesion vacia;
  MuestraCantidades(vacia.proyecto, vacia.medidas);
  EXPECT_EQ(vacia.medidas.tabla.NumFilas(), 0u);
  EXPECT_EQ(vacia.medidas.totales,
            (std::array<std::string, 6>{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
}

TEST(Cantidades, BarrasSobreLosApoyos) {
  // X support, 1/2" bars at 0.25: (5/0.25 + 1) x (4/5 + 0.3) x 0.021976 = 0.5076 qq
  // into each of its slabs.
  Sesion s;
  Losas(s, 2);
  Apoyo(s, "X", 1, 2, 0.25f, 4);
  CalculaCantidades(s.proyecto, s.medidas);
  EXPECT_NEAR(s.proyecto.Qq2[1], 21 * 1.1 * 0.021976, 1e-6);
  EXPECT_EQ(s.proyecto.Qq2[2], s.proyecto.Qq2[1]);
  EXPECT_EQ(s.proyecto.Qq1[1], 0.0f);
  EXPECT_EQ(s.medidas.tabla.Texto(0, 3), "0.54");  // 0.5076 + 7 %

  // Y support, 3/4" at 0.2: (4/0.2 + 1) x (5/5 + 0.3) x 0.0492 into slab 1 only
  // (its second slab is 0, no slab).
  Sesion y;
  Losas(y, 2);
  Apoyo(y, "Y", 1, 0, 0.2f, 6);
  CalculaCantidades(y.proyecto, y.medidas);
  EXPECT_NEAR(y.proyecto.Qq3[1], 21 * 1.3 * 0.0492, 1e-5);
  EXPECT_EQ(y.proyecto.Qq3[2], 0.0f);

  // A one-way cantilever takes bars over its whole span plus 0.3 m.
  Sesion v;
  Losas(v, 2);
  v.proyecto.Lx[1] = 1.5f;
  v.proyecto.CodigoLosa[1] = 13;
  Apoyo(v, "X", 1, 2, 0.5f, 3);
  CalculaCantidades(v.proyecto, v.medidas);
  EXPECT_NEAR(v.proyecto.Qq1[1], (5 / 0.5 + 1) * 1.8 * 0.012464, 1e-6);
  EXPECT_NEAR(v.proyecto.Qq1[2], (5 / 0.5 + 1) * 1.1 * 0.012464, 1e-6);

  // A support that needs no bars (code 0) adds nothing, nor does a broken spacing;
  // the span weights already stored stay.
  Sesion n;
  Losas(n, 2);
  n.proyecto.Qq1[1] = 3.0f;
  Apoyo(n, "X", 1, 2, -0.4f, 0);
  Apoyo(n, "X", 1, 2, 0.0f, 3);
  CalculaCantidades(n.proyecto, n.medidas);
  EXPECT_EQ(n.proyecto.Qq1[1], 3.0f);
  EXPECT_EQ(n.proyecto.Qq1[2], 0.0f);
}

TEST(Cantidades, CajaDeDesperdicio) {
  Sesion s;
  InterlocutorGuion ui;
  for (char c : std::string("0123456789.\b")) EXPECT_TRUE(TeclaDesperdicio(s.medidas, c, ui)) << c;
  for (char c : std::string("a-, +e")) EXPECT_FALSE(TeclaDesperdicio(s.medidas, c, ui)) << c;
  EXPECT_EQ(ui.beeps, 6);

  // "99" still takes keys; above 99 every key is refused, backspace included.
  CambiaDesperdicio(s.proyecto, s.medidas, "99");
  EXPECT_TRUE(TeclaDesperdicio(s.medidas, '5', ui));
  CambiaDesperdicio(s.proyecto, s.medidas, "100");
  EXPECT_EQ(s.proyecto.Desperdicio, 100.0f);
  EXPECT_FALSE(TeclaDesperdicio(s.medidas, '5', ui));
  EXPECT_FALSE(TeclaDesperdicio(s.medidas, '\b', ui));
  EXPECT_EQ(ui.beeps, 8);

  // Every change of the text sets the waste to the text's value.
  for (auto [texto, valor] : {std::pair{"12.5", 12.5f}, {"", 0.0f}, {".", 0.0f}, {"8.", 8.0f}}) {
    CambiaDesperdicio(s.proyecto, s.medidas, texto);
    EXPECT_EQ(s.medidas.textoDesperdicio, texto);
    EXPECT_EQ(s.proyecto.Desperdicio, valor) << texto;
  }
}

// The box and the table never disagree: after a new project has put the waste back
// to 7, the box no longer shows the 10 typed before.
TEST(Cantidades, LaCajaMuestraElDesperdicioVigente) {
  Sesion s;
  Losas(s, 1);
  s.proyecto.Qq1[1] = 1.0f;
  CambiaDesperdicio(s.proyecto, s.medidas, "10");
  MuestraCantidades(s.proyecto, s.medidas);
  EXPECT_EQ(s.medidas.textoDesperdicio, "10");
  EXPECT_EQ(s.medidas.tabla.Texto(0, 2), "1.10");

  NuevosDatos(s);
  Losas(s, 1);
  s.proyecto.Qq1[1] = 1.0f;
  MuestraCantidades(s.proyecto, s.medidas);
  EXPECT_EQ(s.medidas.textoDesperdicio, "7");
  EXPECT_EQ(s.medidas.tabla.Texto(0, 2), "1.07");

  // A text that holds the waste in force is kept as typed.
  for (const char* t : {"12.5", "8.", "", "x"}) {
    CambiaDesperdicio(s.proyecto, s.medidas, t);
    MuestraCantidades(s.proyecto, s.medidas);
    EXPECT_EQ(s.medidas.textoDesperdicio, t);
  }
}

}  // namespace placatec
