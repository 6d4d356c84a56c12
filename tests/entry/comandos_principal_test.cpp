#include "entry/ComandosPrincipal.h"

#include <gtest/gtest.h>

namespace placatec {

TEST(ComandosPrincipal, LosMenusSiguenElNumeroDeLosas) {
  Proyecto p;
  EXPECT_FALSE(HayLosas(p));
  p.NumLosas = 1;
  EXPECT_TRUE(HayLosas(p));
  p.NumLosas = 99;
  EXPECT_TRUE(HayLosas(p));
}

TEST(ComandosPrincipal, ElPrimerApoyoSinLosasUneLasLosasUnoYDos) {
  Proyecto p;
  PreparaApoyos(p);
  EXPECT_EQ(p.ApoyoLosa1[1], 1.0f);
  EXPECT_EQ(p.ApoyoLosa2[1], 2.0f);

  // A support that already joins slabs 3 and 4 keeps them.
  p.ApoyoLosa1[1] = 3.0f;
  p.ApoyoLosa2[1] = 4.0f;
  PreparaApoyos(p);
  EXPECT_EQ(p.ApoyoLosa1[1], 3.0f);
  EXPECT_EQ(p.ApoyoLosa2[1], 4.0f);

  // Each side is completed on its own; a negative number counts as none.
  p.ApoyoLosa1[1] = -1.0f;
  p.ApoyoLosa2[1] = 5.0f;
  PreparaApoyos(p);
  EXPECT_EQ(p.ApoyoLosa1[1], 1.0f);
  EXPECT_EQ(p.ApoyoLosa2[1], 5.0f);
  // Other supports are left alone.
  EXPECT_EQ(p.ApoyoLosa1[2], 0.0f);
}

}  // namespace placatec
