#include "comandos/ComandosPrincipal.h"

#include <gtest/gtest.h>

namespace placatec {

TEST(ComandosPrincipal, LosMenusSiguenElNumeroDeLosas) {
  Proyecto p;
  EXPECT_FALSE(HayLosas(p));
  p.NumLosas = 1;
  EXPECT_TRUE(HayLosas(p));
}

TEST(ComandosPrincipal, ElPrimerApoyoSinLosasUneLasLosasUnoYDos) {
  // Each side of support 1 is completed on its own; a negative number counts as none.
  const float casos[][4] = {{0, 0, 1, 2}, {3, 4, 3, 4}, {-1, 5, 1, 5}};
  for (const auto& c : casos) {
    Proyecto p;
    p.ApoyoLosa1[1] = c[0];
    p.ApoyoLosa2[1] = c[1];
    PreparaApoyos(p);
    EXPECT_EQ(p.ApoyoLosa1[1], c[2]) << c[0];
    EXPECT_EQ(p.ApoyoLosa2[1], c[3]) << c[1];
    EXPECT_EQ(p.ApoyoLosa1[2], 0.0f) << "los otros apoyos quedan como estaban";
  }
}

}  // namespace placatec
