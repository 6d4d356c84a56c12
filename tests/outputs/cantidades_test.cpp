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

using Textos = std::vector<std::string>;

}  // namespace

TEST(Cantidades, RelacionSinVolumen) {
  Sesion s;
  Losas(s, 1);
  s.proyecto.EspesorLosa[1] = 0;
  s.resultados.losas[1].Qq1 = 1.0f;
  MuestraCantidades(s.proyecto, s.resultados, s.medidas);
  EXPECT_EQ(s.medidas.tabla.Texto(0, 6), "0.00");
  EXPECT_EQ(s.medidas.totales[5], "0.00");
  // No slab at all: an empty table and zero totals.
  Sesion vacia;
  MuestraCantidades(vacia.proyecto, vacia.resultados, vacia.medidas);
  EXPECT_EQ(vacia.medidas.tabla.NumFilas(), 0u);
  EXPECT_EQ(vacia.medidas.totales,
            (std::array<std::string, 6>{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
}

TEST(Cantidades, CajaDeDesperdicio) {
  Sesion s;
  InterlocutorGuion ui;
  for (char c : std::string("0123456789.\b")) EXPECT_TRUE(TeclaDesperdicio(s.medidas, c, ui)) << c;
  for (char c : std::string("a-, +e")) EXPECT_FALSE(TeclaDesperdicio(s.medidas, c, ui)) << c;
  EXPECT_EQ(ui.beeps, 6);

  // "99" still takes keys; above 99 every key is refused, backspace included.
  CambiaDesperdicio(s.medidas, "99");
  EXPECT_TRUE(TeclaDesperdicio(s.medidas, '5', ui));
  CambiaDesperdicio(s.medidas, "100");
  EXPECT_EQ(s.medidas.Desperdicio, 100.0f);
  EXPECT_FALSE(TeclaDesperdicio(s.medidas, '5', ui));
  EXPECT_FALSE(TeclaDesperdicio(s.medidas, '\b', ui));
  EXPECT_EQ(ui.beeps, 8);

  // Every change of the text sets the waste to the text's value.
  for (auto [texto, valor] : {std::pair{"12.5", 12.5f}, {"", 0.0f}, {".", 0.0f}, {"8.", 8.0f}}) {
    CambiaDesperdicio(s.medidas, texto);
    EXPECT_EQ(s.medidas.textoDesperdicio, texto);
    EXPECT_EQ(s.medidas.Desperdicio, valor) << texto;
  }
}

// The box and the table never disagree: after a new project has put the waste back
// to 7, the box no longer shows the 10 typed before.
TEST(Cantidades, LaCajaMuestraElDesperdicioVigente) {
  Sesion s;
  Losas(s, 1);
  s.resultados.losas[1].Qq1 = 1.0f;
  CambiaDesperdicio(s.medidas, "10");
  MuestraCantidades(s.proyecto, s.resultados, s.medidas);
  EXPECT_EQ(s.medidas.textoDesperdicio, "10");
  EXPECT_EQ(s.medidas.tabla.Texto(0, 2), "1.10");

  NuevosDatos(s);
  Losas(s, 1);
  s.resultados.losas[1].Qq1 = 1.0f;
  MuestraCantidades(s.proyecto, s.resultados, s.medidas);
  EXPECT_EQ(s.medidas.textoDesperdicio, "7");
  EXPECT_EQ(s.medidas.tabla.Texto(0, 2), "1.07");

  // A text that holds the waste in force is kept as typed.
  for (const char* t : {"12.5", "8.", "", "x"}) {
    CambiaDesperdicio(s.medidas, t);
    MuestraCantidades(s.proyecto, s.resultados, s.medidas);
    EXPECT_EQ(s.medidas.textoDesperdicio, t);
  }
}

}  // namespace placatec
