#include "outputs/PesosMateriales.h"

#include <gtest/gtest.h>

#include "model/Numeros.h"

namespace placatec {

TEST(PesosMateriales, LaTablaMuestraCadaPesoTalComoFiguraEnLaLista) {
  TablaPesosMateriales t;
  t.Abre();
  ASSERT_EQ(t.filas.size(), 28u);
  using Fila = TablaPesosMateriales::Fila;
  EXPECT_EQ(t.filas[0], (Fila{"Hormig\xC3\xB3n armado", "2.400"}));  // UTF-8 accents
  EXPECT_EQ(t.filas[11], (Fila{"Zinc", "7.040"}));
  EXPECT_EQ(t.filas[12][0], "M\xC3\xA1rmol");
  EXPECT_EQ(t.filas[23], (Fila{"Asbesto cemento", "0.025"}));
  EXPECT_EQ(t.filas[26][0], "Plafond colgado con malla met\xC3\xA1lica y enyesado");
  EXPECT_EQ(t.filas[27][1], "0.010");
  // No weight is rounded by the display: each text reads back as the listed value.
  for (std::size_t i = 0; i < kPesosMateriales.size(); ++i) {
    EXPECT_EQ(ASingle(ValorTexto(t.filas[i][1])), kPesosMateriales[i].peso) << i;
    EXPECT_EQ(t.filas[i][1].size() - t.filas[i][1].find('.'), 4u) << i;  // three decimals
  }

  const TablaResultado tabla = TablaPesosMateriales::Tabla();
  ASSERT_EQ(tabla.NumFilas(), 28u);
  EXPECT_EQ(tabla.Texto(23, 1), "0.025");
  EXPECT_EQ(tabla.filas[23][1].valor, static_cast<double>(0.025f));
}

TEST(PesosMateriales, LoEditadoSeOlvidaAlCerrar) {
  TablaPesosMateriales t;
  t.Abre();
  t.EditaCelda(7, 1, "9.9");
  t.EditaCelda(7, 0, "Acero inoxidable");
  t.EditaCelda(99, 1, "1");  // outside the table: ignored
  EXPECT_EQ(t.filas[7][1], "9.9");
  t.OK();
  EXPECT_FALSE(t.abierta);
  t.Abre();
  EXPECT_EQ(t.filas[7], (TablaPesosMateriales::Fila{"Acero", "7.800"}));
}

}  // namespace placatec
