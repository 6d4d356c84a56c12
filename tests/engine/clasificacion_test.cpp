#include "engine/Clasificacion.h"

#include <gtest/gtest.h>

namespace placatec {

namespace {

struct Resultado {
  bool aceptada;
  Integer codigo;
  std::string bordesActual;
};

Resultado Clasifica(float lx, float ly, const std::string& bordes) {
  const std::optional<Integer> codigo = ClasificaLosa(lx, ly, bordes);
  return {codigo.has_value(), codigo.value_or(-1), BordesDelCaso(lx, ly, bordes)};
}

}  // namespace

TEST(Clasificacion, LosasEnUnaDireccionUsanElParQueLasSoporta) {
  // Ratio 2 or more: edges 1 and 2 when Ly is the long side, 3 and 4 when Lx is.
  const struct {
    float lx, ly;
    const char* bordes;
    const char* par;
    int codigo;
  } casos[] = {{4, 8, "EAEA", "EA", 11},
               {8, 4, "EAEA", "EA", 11},
               {8, 4, "AANE", "NE", 13},
               {10, 4, "NNAA", "AA", 10},
               {3, 9, "EEAN", "EE", 12}};
  for (const auto& c : casos) {
    auto r = Clasifica(c.lx, c.ly, c.bordes);
    EXPECT_TRUE(r.aceptada) << c.bordes;
    EXPECT_EQ(r.bordesActual, c.par) << c.bordes;
    EXPECT_EQ(r.codigo, c.codigo) << c.bordes;
  }
  // A pair of A and N has no case.
  auto r = Clasifica(3, 9, "NAEE");
  EXPECT_FALSE(r.aceptada);
  EXPECT_EQ(r.bordesActual, "NA");
}

TEST(Clasificacion, LosasEnDosDireccionesUsanLosCuatroBordes) {
  const std::pair<const char*, int> casos[] = {
      {"AAAA", 1},  {"AEAA", 2},  {"AAEA", 3},  {"EEAA", 4},  {"AAEE", 5},  {"EAAE", 6},  {"EEEA", 7},
      {"AEEE", 8},  {"EEEE", 9},  {"AANA", 14}, {"AANE", 15}, {"EENA", 16}, {"EENE", 17}, {"NAAA", 18},
      {"NEAA", 19}, {"NAEE", 20}, {"NEEE", 21}, {"AENA", 22}, {"AENE", 23}, {"NAEA", 24}, {"NEAE", 25}};
  for (auto [bordes, codigo] : casos) {
    auto r = Clasifica(6, 4, bordes);  // ratio 1.5: two-way
    EXPECT_TRUE(r.aceptada) << bordes;
    EXPECT_EQ(r.codigo, codigo) << bordes;
  }
}

TEST(Clasificacion, CombinacionesSinCasoSeRechazan) {
  for (const char* bordes : {"NNAA", "ANAN", "eeee", "AAA", "AAAAA", "AA A", ""})
    EXPECT_FALSE(ClasificaLosa(5, 5, bordes).has_value()) << bordes;
}

}  // namespace placatec
