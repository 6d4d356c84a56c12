#include "design/Refuerzo.h"

#include <cmath>

#include <gtest/gtest.h>

namespace placatec {

namespace {

// One 4 x 5 slab of code 9 with the given design moments; cover 2 cm.
Proyecto LosaConMomentos(float mx, float my, float espesor, Integer fc, Integer fy) {
  Proyecto p;
  p.NumLosas = 1;
  p.Lx[1] = 4;
  p.Ly[1] = 5;
  p.CodigoLosa[1] = 9;
  p.EspesorLosa[1] = espesor;
  p.MomentoX[1] = mx;
  p.MomentoY[1] = my;
  p.Fc = fc;
  p.Fy = fy;
  p.RecubrimientoM = 0.02f;
  return p;
}

// Two slabs of code `codigo` and one support between them with moment m.
Proyecto DosLosasYUnApoyo(float m, float e1, float e2, float acero1, float acero2,
                          int codigo = 9, const std::string& dir = "X") {
  Proyecto p;
  p.NumLosas = 2;
  p.NumApoyos = 1;
  p.Fc = 210;
  p.Fy = 4200;
  p.RecubrimientoM = 0.02f;
  for (int i : {1, 2}) {
    p.Lx[i] = 4;
    p.Ly[i] = 5;
    p.CodigoLosa[i] = static_cast<Integer>(codigo);
  }
  p.EspesorLosa[1] = e1;
  p.EspesorLosa[2] = e2;
  p.AreaX[1] = p.AreaY[1] = acero1;
  p.AreaX[2] = p.AreaY[2] = acero2;
  p.ApoyoDir[1] = dir;
  p.ApoyoLosa1[1] = 1;
  p.ApoyoLosa2[1] = 2;
  (dir == "Y" ? p.MomentoApoyoY : p.MomentoApoyoX)[1] = m;
  return p;
}

}  // namespace

TEST(Refuerzo, BarraPorArea) {
  EXPECT_EQ(BarraParaArea(2.84f).codigo, 3);
  EXPECT_EQ(BarraParaArea(std::nextafter(7.1f, 0.0f)).codigo, 3);
  EXPECT_EQ(BarraParaArea(7.1f).codigo, 4);
  EXPECT_EQ(BarraParaArea(std::nextafter(15.875f, 0.0f)).codigo, 4);
  EXPECT_EQ(BarraParaArea(15.875f).codigo, 6);
  EXPECT_EQ(BarraParaArea(-20.0f).codigo, 3);  // negative areas take the smallest bar
  EXPECT_EQ(BarraParaArea(7.1f).area, 1.27);
  EXPECT_EQ(EtiquetaBarra(BarraParaArea(30)), "ø 3/4\"");
  EXPECT_EQ(BarraDeCodigo(4)->pesoMetro, 0.021976);
  EXPECT_EQ(BarraDeCodigo(0), nullptr);
  EXPECT_EQ(BarraDeCodigo(5), nullptr);
}

TEST(Refuerzo, MinimosSegunFy) {
  EXPECT_EQ(MinimosPara(4200).cuantiaMinima, 0.0018);
  EXPECT_EQ(MinimosPara(4200).areaMinima, 2.13f);
  for (Integer fy : {1400, 1800, 2800}) {
    EXPECT_EQ(MinimosPara(fy).cuantiaMinima, 0.002) << fy;
    EXPECT_EQ(MinimosPara(fy).areaMinima, 2.84f) << fy;
  }
}

// Expected Single values below come from a separate evaluation of the section
// design: q = M / (d2 5.3 Fc), r = sqrt(0.7190001 - q), w = 0.8480001 - r,
// rho = Fc w / Fy, As = 10000 rho d, every stored value rounded to Single.
TEST(Refuerzo, AceroEnVanos) {
  // M = 1 To-m, d = 0.12 - 0.02, Fc 210, Fy 4200; Y has no moment: minimum 2.13.
  Proyecto p = LosaConMomentos(1.0f, 0.0f, 0.12f, 210, 4200);
  ASSERT_EQ(RefuerzoVanos(p), 0);
  EXPECT_EQ(p.RaizX[1], 0.793191552f);
  EXPECT_EQ(p.CargaLx2[1], 0.0548085496f);  // w is kept where qLx2 was
  EXPECT_EQ(p.CuantiaX[1], 0.00274042739f);
  EXPECT_EQ(p.AreaX[1], 2.74042726f);
  EXPECT_EQ(p.SeparX[1], 0.259083688f);
  EXPECT_EQ(p.AreaY[1], 2.13f);
  EXPECT_EQ(p.SeparY[1], 0.333333313f);

  // No moment at Fy 2800, d = 0.10: max(0.002 x 10000 x 0.10, 2.84) = 2.84, 3/8" at 0.25.
  p = LosaConMomentos(0, 0, 0.12f, 180, 2800);
  ASSERT_EQ(RefuerzoVanos(p), 0);
  EXPECT_EQ(p.AreaX[1], 2.84f);
  EXPECT_EQ(p.SeparX[1], 0.25f);
  // A thin slab: the spacing is capped at three times its own thickness.
  p = LosaConMomentos(0, 0, 0.08f, 180, 2800);
  p.EspesorGeneral = 0.5f;  // the general thickness plays no part
  ASSERT_EQ(RefuerzoVanos(p), 0);
  EXPECT_EQ(p.SeparX[1], 0.239999995f);

  // Thick slab (d = 0.20): the ratio minimum governs, 0.002 -> 4.0, 0.0018 -> 3.6;
  // a negative moment is "Doble": negative area of at least Asmin, no ratio minimum.
  p = LosaConMomentos(-0.3f, 0.0f, 0.22f, 210, 2800);
  ASSERT_EQ(RefuerzoVanos(p), 0);
  EXPECT_EQ(p.AreaX[1], -2.84f);
  EXPECT_EQ(p.SeparX[1], 0.25f);
  EXPECT_EQ(p.AreaY[1], 4.0f);
  p = LosaConMomentos(-0.3f, 0.0f, 0.22f, 210, 4200);
  ASSERT_EQ(RefuerzoVanos(p), 0);
  EXPECT_EQ(p.AreaX[1], -2.13f);
  EXPECT_EQ(p.AreaY[1], 3.5999999f);
  for (Integer fy : {1400, 1800}) {
    p = LosaConMomentos(0, 0, 0.22f, 180, fy);
    ASSERT_EQ(RefuerzoVanos(p), 0);
    EXPECT_EQ(p.AreaX[1], 4.0f) << fy;
  }

  // Larger moments: 1/2" above 7.1 cm2, 3/4" from 15.875; a large negative moment
  // keeps its full (negative) area.
  p = LosaConMomentos(3.0f, 6.0f, 0.15f, 210, 2800);
  ASSERT_EQ(RefuerzoVanos(p), 0);
  EXPECT_EQ(p.AreaX[1], 9.74975204f);
  EXPECT_EQ(p.SeparX[1], 0.130259722f);  // 1.27 / area
  EXPECT_EQ(p.AreaY[1], 21.0143814f);
  EXPECT_EQ(p.SeparY[1], 0.135621414f);  // 2.85 / area
  p = LosaConMomentos(-3.5f, 0, 0.15f, 210, 2800);
  ASSERT_EQ(RefuerzoVanos(p), 0);
  EXPECT_EQ(p.AreaX[1], -11.5032825f);
  EXPECT_EQ(p.SeparX[1], 0.11040327f);
}

TEST(Refuerzo, MomentoMayorQueLaCapacidad) {
  // q > 0.7190001: no steel can be designed; the slab number is reported.
  Proyecto p = LosaConMomentos(0.5f, 0.5f, 0.12f, 210, 4200);
  p.NumLosas = 2;
  p.Lx[2] = 4;
  p.Ly[2] = 5;
  p.EspesorLosa[2] = 0.12f;
  p.MomentoX[2] = 0.5f;
  p.MomentoY[2] = -9.0f;  // 9 / (0.01 x 5.3 x 210) = 0.81 > 0.719
  EXPECT_EQ(RefuerzoVanos(p), 2);
  EXPECT_EQ(p.AreaX[1], 2.13f);  // the first slab was designed
}

TEST(Refuerzo, AceroSobreApoyos) {
  // The thicker slab decides the depth, whichever side it is on.
  Proyecto p = DosLosasYUnApoyo(0.875f, 0.12f, 0.15f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.RaizApoyoX[1], 0.820049703f);
  EXPECT_EQ(p.OmegaApoyoX[1], 0.0279503968f);
  EXPECT_EQ(p.CuantiaApoyoX[1], 0.00139751984f);
  EXPECT_EQ(p.AreaApoyoX[1], 1.81677592f);
  p = DosLosasYUnApoyo(0.875f, 0.15f, 0.12f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.AreaApoyoX[1], 1.81677592f);
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.AreaApoyoX[1], 2.38801479f);

  // Spans of codes below 10 with 3.0 and 5.0 bring (3 + 5) / 2 = 4.0; a negative
  // ("Doble") span steel brings twice its magnitude: (6 + 5) / 2 = 5.5.
  EXPECT_EQ(p.Dispon[1], 4.0f);
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, -3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Dispon[1], 5.5f);

  // No additional steel needed: negative Adicional, negative spacing 0.71 / Adicional.
  p = DosLosasYUnApoyo(0.3f, 0.15f, 0.15f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.AreaApoyoX[1], 0.618721604f);
  EXPECT_EQ(p.Adicional[1], -3.38127851f);
  EXPECT_EQ(p.SeparApoyo[1], -0.209979743f);

  // Bands of the additional bars: 3/8" below 7.1, 1/2" to 15.875, then 3/4".
  p = DosLosasYUnApoyo(3.0f, 0.15f, 0.15f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Adicional[1], 2.49983501f);
  EXPECT_EQ(p.SeparApoyo[1], 0.284018755f);
  p = DosLosasYUnApoyo(7.0f, 0.15f, 0.15f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Adicional[1], 12.838829f);
  EXPECT_EQ(p.SeparApoyo[1], 0.0989186764f);
  // Beyond the section's capacity the support still gets a number (absolute value
  // under the root).
  p = DosLosasYUnApoyo(9.0f, 0.12f, 0.12f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.RaizApoyoX[1], 0.299374789f);
  EXPECT_EQ(p.AreaApoyoX[1], 27.431263f);
  EXPECT_EQ(p.SeparApoyo[1], 0.121632367f);

  // A support of direction Y reads and writes the Y arrays only.
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f, 9, "Y");
  p.AreaX[1] = p.AreaX[2] = 100.0f;
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.AreaApoyoY[1], 2.38801479f);
  EXPECT_EQ(p.AreaApoyoX[1], 0.0f);
  EXPECT_EQ(p.Dispon[1], 4.0f);
}

TEST(Refuerzo, AporteDeLosasConBordeLibreYEnUnaDireccion) {
  // Codes 10 and above bring their whole span steel (sign dropped) when the
  // support's direction is their shorter span, nothing otherwise; a one-way
  // cantilever never brings any.
  Proyecto p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, -3.0f, 5.0f, 14);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Dispon[1], 4.0f);  // Lx 4 <= Ly 5 for both: (3 + 5) / 2
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f, 14, "Y");
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Dispon[1], 0.0f);  // Ly is the longer span
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f, 13);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Dispon[1], 0.0f);
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f, 10);
  p.CodigoLosa[2] = 13;
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Dispon[1], 1.5f);
}

TEST(Refuerzo, AdicionalExactamenteCero) {
  // Required steel exactly equal to what the spans bring: no bars, no division.
  Proyecto p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 2.38801479f, 2.38801479f);
  p.CodigoLosa[1] = p.CodigoLosa[2] = 14;  // each brings its whole steel
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Adicional[1], 0.0f);
  EXPECT_EQ(p.SeparApoyo[1], 0.0f);
}

}  // namespace placatec
