// The dead-load build-up of the general data dialog: the weight each layer shows and
// the total that adds the shown weights.
#include <gtest/gtest.h>

#include "entry/DatosGenerales.h"
#include "model/Defectos.h"

namespace placatec {

namespace {

// The dialog as the program opens it at start: defaults, a roof.
struct Dialogo {
  Proyecto p;
  DatosGenerales d{p};
  Dialogo() {
    ValoresPorDefecto(p);
    d.Abre();
    d.Activa();
  }
};

}  // namespace

TEST(CapasCargaMuerta, ElPesoDeUnaCapaEsElProductoDeLosValoresEscritos) {
  Dialogo m;
  m.p.Cargando = true;  // a file's layers are shown, not replaced by the defaults
  m.p.PesoUnitCapa[0] = 2.34f;
  m.d.Activa();
  // Row 0 shows the layer values: 0.1 x 2.34.
  EXPECT_EQ(m.d.Texto(Caja::Text2_0), "2.340");
  EXPECT_EQ(m.d.Texto(Caja::Text3_0), "0.234");
  // A general thickness of 0.125 reaches row 0: 0.125 x 2.340 = 0.2925 shows 0.293
  // (the product of the two Singles, 0.29249999, would show 0.292).
  ASSERT_TRUE(m.d.PonTexto(Caja::Espesor, "0.125"));
  EXPECT_EQ(m.d.Texto(Caja::Text1_0), "0.125");
  EXPECT_EQ(m.d.Texto(Caja::Text3_0), "0.293");
  // The total adds the weights shown: 0.293 + 0.090.
  EXPECT_EQ(m.d.Texto(Caja::Cargam), "0.383");
  EXPECT_FLOAT_EQ(m.p.CargaMuerta, 0.383f);
  EXPECT_FLOAT_EQ(m.p.CargaUltimaGeneral, static_cast<float>(1.4 * 0.383f + 1.7 * 0.1f));

  // The same when the engineer types a layer: 0.065 x 1.5 = 0.0975 shows 0.098.
  ASSERT_TRUE(m.d.PonTexto(Caja::Text1_1, "0.065"));
  ASSERT_TRUE(m.d.PonTexto(Caja::Text2_1, "1.5"));
  EXPECT_EQ(m.d.Texto(Caja::Text3_1), "0.098");
  EXPECT_EQ(m.d.Texto(Caja::Cargam), "0.391");
}

TEST(CapasCargaMuerta, UnPisoSumaLosPesosRedondeadosComoSeMuestran) {
  Dialogo m;
  // "Oficina: cuartos de oficinas": live load 0.25, a floor 0.120 thick whose layers
  // show 0.288, 0.045 and 0.080 (0.035 x 2.3 = 0.0805 as a binary product just below
  // the half), with partitions 0.100: total 0.513.
  int fila = -1;
  for (int i = 0; i < NumUsos; ++i)
    if (Usos()[static_cast<std::size_t>(i)].uso == "Oficina: cuartos de oficinas") fila = i;
  ASSERT_GE(fila, 0);
  ASSERT_TRUE(m.d.EligeUso(fila));
  EXPECT_EQ(m.p.Uso, "Entrepiso");
  EXPECT_EQ(m.d.Texto(Caja::Text3_0), "0.288");
  EXPECT_EQ(m.d.Texto(Caja::Text3_2), "0.045");
  EXPECT_EQ(m.d.Texto(Caja::Text3_3), "0.080");
  EXPECT_EQ(m.d.Texto(Caja::Text3_4), "0.100");
  EXPECT_EQ(m.d.Texto(Caja::Cargam), "0.513");
  EXPECT_FLOAT_EQ(m.p.CargaViva, 0.25f);
  EXPECT_FLOAT_EQ(m.p.CargaUltimaGeneral, static_cast<float>(1.4 * 0.513f + 1.7 * 0.25f));
}

}  // namespace placatec
