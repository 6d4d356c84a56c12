#include "engine/Clasificacion.h"

#include <gtest/gtest.h>

#include "Casos.h"

namespace placatec {

TEST(Clasificacion, CadaCombinacionDaSuCasoOSeRechaza) {
  const auto casos = LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/clasificacion/casos.txt");
  ASSERT_GE(casos.size(), 30u);
  for (const auto& c : casos) {
    SCOPED_TRACE(c[0] + " x " + c[1] + " " + c[2]);
    const float lx = std::stof(c[0]), ly = std::stof(c[1]);
    EXPECT_EQ(ClasificaLosa(lx, ly, c[2]).value_or(0), std::stoi(c[4]));
    if (c[3] != "-") {
      EXPECT_EQ(BordesDelCaso(lx, ly, c[2]), c[3]);
    }
  }
}

}  // namespace placatec
