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
Proyecto DosLosasYUnApoyo(float m, float e1, float e2, float acero1, float acero2, int codigo = 9,
                          const std::string& dir = "X") {
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

TEST(Refuerzo, BarrasYMinimos) {
  // 3/8" below 7.1 cm2, 1/2" below 15.875, then 3/4"; negative areas take the smallest.
  for (auto [area, codigo] : {std::pair{2.84f, 3},
                              {std::nextafter(7.1f, 0.0f), 3},
                              {7.1f, 4},
                              {std::nextafter(15.875f, 0.0f), 4},
                              {15.875f, 6},
                              {-20.0f, 3}})
    EXPECT_EQ(BarraParaArea(area).codigo, codigo) << area;
  EXPECT_EQ(BarraParaArea(7.1f).area, 1.27);
  EXPECT_EQ(EtiquetaBarra(BarraParaArea(30)), "ø 3/4\"");
  EXPECT_EQ(BarraDeCodigo(4)->pesoMetro, 0.021976);
  EXPECT_EQ(BarraDeCodigo(0), nullptr);
  EXPECT_EQ(BarraDeCodigo(5), nullptr);

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

  // No moment at Fy 2800, d = 0.10: max(0.002 x 10000 x 0.10, 2.84) = 2.84, 3/8" at
  // 0.25; a thin slab caps the spacing at three times its own thickness. Thick slab
  // (d = 0.20): the ratio minimum governs, 0.002 -> 4.0, 0.0018 -> 3.6; a negative
  // moment is "Doble": negative area of at least Asmin, no ratio minimum. Larger
  // moments: 1/2" above 7.1 cm2 (1.27 / area), 3/4" from 15.875 (2.85 / area); a
  // large negative moment keeps its full (negative) area.
  struct Caso {
    float mx, my, espesor;
    Integer fc, fy;
    float areaX, separX, areaY, separY;
  };
  for (const Caso& c :
       {Caso{1.0f, 0, 0.12f, 210, 4200, 2.74042726f, 0.259083688f, 2.13f, 0.333333313f},
        Caso{0, 0, 0.12f, 180, 2800, 2.84f, 0.25f, 2.84f, 0.25f},
        Caso{0, 0, 0.08f, 180, 2800, 2.84f, 0.239999995f, 2.84f, 0.239999995f},
        Caso{-0.3f, 0, 0.22f, 210, 2800, -2.84f, 0.25f, 4.0f, 0.1775f},
        Caso{-0.3f, 0, 0.22f, 210, 4200, -2.13f, 0.333333313f, 3.5999999f, 0.197222233f},
        Caso{0, 0, 0.22f, 180, 1400, 4.0f, 0.1775f, 4.0f, 0.1775f},
        Caso{0, 0, 0.22f, 180, 1800, 4.0f, 0.1775f, 4.0f, 0.1775f},
        Caso{3.0f, 6.0f, 0.15f, 210, 2800, 9.74975204f, 0.130259722f, 21.0143814f, 0.135621414f},
        Caso{-3.5f, 0, 0.15f, 210, 2800, -11.5032825f, 0.11040327f, 2.84f, 0.25f}}) {
    SCOPED_TRACE(testing::Message() << c.mx << " " << c.espesor << " " << c.fy);
    p = LosaConMomentos(c.mx, c.my, c.espesor, c.fc, c.fy);
    p.EspesorGeneral = 0.5f;  // the general thickness plays no part
    ASSERT_EQ(RefuerzoVanos(p), 0);
    EXPECT_EQ(p.AreaX[1], c.areaX);
    EXPECT_EQ(p.SeparX[1], c.separX);
    EXPECT_EQ(p.AreaY[1], c.areaY);
    EXPECT_EQ(p.SeparY[1], c.separY);
  }

  // q > 0.7190001: no steel can be designed; the slab number is reported.
  p = LosaConMomentos(0.5f, 0.5f, 0.12f, 210, 4200);
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
  Proyecto p = DosLosasYUnApoyo(0.875f, 0.12f, 0.15f, 3.0f, 5.0f);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.RaizApoyoX[1], 0.820049703f);
  EXPECT_EQ(p.OmegaApoyoX[1], 0.0279503968f);
  EXPECT_EQ(p.CuantiaApoyoX[1], 0.00139751984f);

  // The thicker slab decides the depth, whichever side it is on. Spans of codes
  // below 10 with 3.0 and 5.0 bring (3 + 5) / 2 = 4.0; a negative ("Doble") span
  // steel brings twice its magnitude: (6 + 5) / 2 = 5.5. No additional steel needed:
  // negative Adicional, negative spacing 0.71 / Adicional. Bands of the additional
  // bars: 3/8" below 7.1, 1/2" to 15.875, then 3/4". Beyond the section's capacity
  // the support still gets a number (absolute value under the root). Codes 10 and
  // above bring their whole span steel (sign dropped) when the support's direction
  // is their shorter span, nothing otherwise; a one-way cantilever never brings any.
  struct Caso {
    float m, e1, e2, acero1, acero2;
    int codigo;
    float area, dispon, adicional, separ;
  };
  for (const Caso& c : {Caso{0.875f, 0.12f, 0.15f, 3, 5, 9, 1.81677592f, 4.0f, -2.1832242f, -0.325207084f},
                        Caso{0.875f, 0.15f, 0.12f, 3, 5, 9, 1.81677592f, 4.0f, -2.1832242f, -0.325207084f},
                        Caso{0.875f, 0.12f, 0.12f, 3, 5, 9, 2.38801479f, 4.0f, -1.61198521f, -0.440450698f},
                        Caso{0.875f, 0.12f, 0.12f, -3, 5, 9, 2.38801479f, 5.5f, -3.11198521f, -0.228150189f},
                        Caso{0.3f, 0.15f, 0.15f, 3, 5, 9, 0.618721604f, 4.0f, -3.38127851f, -0.209979743f},
                        Caso{3.0f, 0.15f, 0.15f, 3, 5, 9, 6.49983501f, 4.0f, 2.49983501f, 0.284018755f},
                        Caso{7.0f, 0.15f, 0.15f, 3, 5, 9, 16.838829f, 4.0f, 12.838829f, 0.0989186764f},
                        Caso{0.875f, 0.12f, 0.12f, -3, 5, 14, 2.38801479f, 4.0f, -1.61198521f, -0.440450698f},
                        Caso{0.875f, 0.12f, 0.12f, 3, 5, 13, 2.38801479f, 0.0f, 2.38801479f, 0.297318101f}}) {
    SCOPED_TRACE(testing::Message() << c.m << " " << c.e1 << " " << c.acero1 << " " << c.codigo);
    p = DosLosasYUnApoyo(c.m, c.e1, c.e2, c.acero1, c.acero2, c.codigo);
    ASSERT_EQ(RefuerzoApoyos(p), 0);
    EXPECT_EQ(p.AreaApoyoX[1], c.area);
    EXPECT_EQ(p.Dispon[1], c.dispon);
    EXPECT_EQ(p.Adicional[1], c.adicional);
    EXPECT_EQ(p.SeparApoyo[1], c.separ);
  }
  // A moment past the capacity of the section is refused, not designed.
  p = DosLosasYUnApoyo(9.0f, 0.12f, 0.12f, 3, 5, 9);
  EXPECT_EQ(RefuerzoApoyos(p), 1);

  // A support of direction Y reads and writes the Y arrays only; a code-14 slab
  // brings nothing across its longer span.
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f, 9, "Y");
  p.AreaX[1] = p.AreaX[2] = 100.0f;
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.AreaApoyoY[1], 2.38801479f);
  EXPECT_EQ(p.AreaApoyoX[1], 0.0f);
  EXPECT_EQ(p.Dispon[1], 4.0f);
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f, 14, "Y");
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Dispon[1], 0.0f);
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 3.0f, 5.0f, 10);
  p.CodigoLosa[2] = 13;
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Dispon[1], 1.5f);

  // Required steel exactly equal to what the spans bring: no bars, no division.
  p = DosLosasYUnApoyo(0.875f, 0.12f, 0.12f, 2.38801479f, 2.38801479f, 14);
  ASSERT_EQ(RefuerzoApoyos(p), 0);
  EXPECT_EQ(p.Adicional[1], 0.0f);
  EXPECT_EQ(p.SeparApoyo[1], 0.0f);
}

}  // namespace placatec
