#include <gtest/gtest.h>

#include "model/Defectos.h"

namespace placatec {

TEST(CompletaPrimeraLosa, SoloLosValoresSinDefinirTomanSuDefecto) {
  Proyecto p;
  p.CargaUltimaGeneral = 0.0f;
  p.CargaMuerta = -0.2f;        // negative: replaced
  p.CargaViva = 0.0f;
  p.EspesorGeneral = -0.1f;     // only exactly 0 is replaced
  p.Lx[1] = 0.0f;
  p.Ly[1] = 3.0f;
  p.Bordes[1] = "  ";
  p.CargaMuertaVano[1] = 0.0f;
  p.CargaVivaVano[1] = 0.4f;
  p.CargaMuertaVuelo[1] = -0.5f;
  p.CargaVivaVuelo[1] = 0.3f;
  p.EspesorLosa[1] = 0.0f;
  p.Lx[2] = 0.0f;
  CompletaPrimeraLosa(p);

  EXPECT_EQ(p.CargaUltimaGeneral, 0.632f);
  EXPECT_EQ(p.CargaMuerta, 0.33f);
  EXPECT_EQ(p.CargaViva, 0.1f);
  EXPECT_EQ(p.EspesorGeneral, -0.1f);
  EXPECT_EQ(p.Lx[1], 1.0f);
  EXPECT_EQ(p.Ly[1], 3.0f);
  EXPECT_EQ(p.Bordes[1], "AAAA");
  EXPECT_EQ(p.CargaMuertaVano[1], 0.33f);
  EXPECT_EQ(p.CargaVivaVano[1], 0.4f);
  EXPECT_EQ(p.CargaMuertaVuelo[1], 0.0f);
  EXPECT_EQ(p.CargaVivaVuelo[1], 0.3f);
  EXPECT_EQ(p.EspesorLosa[1], -0.1f);  // the general thickness, whatever it is
  EXPECT_EQ(p.Lx[2], 0.0f);            // only slab 1
  EXPECT_EQ(p.LosaActual, 1);

  Proyecto q;
  q.EspesorGeneral = 0.0f;
  q.Bordes[1] = "EEAA";
  q.CargaMuertaVuelo[1] = 0.0f;
  CompletaPrimeraLosa(q);
  EXPECT_EQ(q.EspesorGeneral, 0.1f);
  EXPECT_EQ(q.EspesorLosa[1], 0.1f);
  EXPECT_EQ(q.Bordes[1], "EEAA");
  EXPECT_EQ(q.CargaMuertaVuelo[1], 0.0f);
}

}  // namespace placatec
