// The dead-load build-up of the general data dialog: the weight a layer shows when
// its thickness or unit weight changes, and the total that adds the shown weights.
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
  m.d.ReglasEnLaActivacion();
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

}  // namespace placatec
