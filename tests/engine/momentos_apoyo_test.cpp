#include "engine/MomentosApoyo.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/Casos.h"

namespace placatec {

namespace {

constexpr float kCargaUnitaria = 0.714285731f;  // factored load exactly 1 To/m2

struct DatosLosa {
  float lx, ly;
  int codigo;
};

// Slabs with q = 1 and their own moments computed, then the given supports.
Proyecto Piso(std::initializer_list<DatosLosa> losas) {
  Proyecto p;
  for (const DatosLosa& l : losas) {
    const int i = ++p.NumLosas;
    p.Lx[i] = l.lx;
    p.Ly[i] = l.ly;
    p.CodigoLosa[i] = static_cast<Integer>(l.codigo);
    p.CargaMuertaVano[i] = kCargaUnitaria;
    p.EspesorLosa[i] = 0.12f;
    EXPECT_TRUE(MomentosLosa(p, i));
  }
  return p;
}

void Apoyo(Proyecto& p, const std::string& dir, float a, float b) {
  const int j = ++p.NumApoyos;
  p.ApoyoDir[j] = dir;
  p.ApoyoLosa1[j] = a;
  p.ApoyoLosa2[j] = b;
}

}  // namespace

TEST(MomentosApoyo, DistribucionEntreDosLosasEmpotradas) {
  // Code 9, 4 x 4 beside code 9, 5 x 5 (q = 1): edge moments 0.66667 and 1.04167,
  // stiffnesses 1/4 and 1/5.
  Proyecto p = Piso({{4, 4, 9}, {5, 5, 9}});
  Apoyo(p, "X", 1, 2);
  MomentosApoyo(p);
  EXPECT_NEAR(p.FactorDistA[1], 0.55556, 1e-5);
  EXPECT_NEAR(p.DesbalanceApoyo[1], -0.375, 1e-6);
  EXPECT_EQ(p.MomentoApoyoX[1], 0.875f);
  // Span moments move by half the change of their own edge moment.
  EXPECT_EQ(p.MomentoX[1], 0.182870403f);  // from 0.287037045
  EXPECT_EQ(p.MomentoX[2], 0.531828701f);  // from 0.448495388
  EXPECT_EQ(p.MomentoY[2], 0.448495388f);
  // The slabs' own edge moments are left alone.
  EXPECT_EQ(p.MomentoNegX[1], 0.666666687f);

  // The same support in Y works on the Y moments only.
  p = Piso({{4, 4, 9}, {5, 5, 9}});
  Apoyo(p, "Y", 1, 2);
  MomentosApoyo(p);
  EXPECT_EQ(p.MomentoApoyoY[1], 0.875f);
  EXPECT_EQ(p.MomentoY[2], 0.531828701f);
  EXPECT_EQ(p.MomentoX[1], 0.287037045f);
}

TEST(MomentosApoyo, LosaConMomentoDadoYVoladizo) {
  // Slab A of code 1 keeps its own (zero) moment; B takes the whole half-unbalance.
  Proyecto p = Piso({{4, 4, 1}, {5, 5, 9}});
  Apoyo(p, "X", 1, 2);
  MomentosApoyo(p);
  EXPECT_EQ(p.MomentoApoyoX[1], 0.0f);
  EXPECT_EQ(p.MomentoX[2], 0.969328701f);  // 0.448495388 + 0.52083
  EXPECT_EQ(p.MomentoX[1], 0.791666627f);

  // A cantilever slab A imposes its moment and no span moment changes.
  p = Piso({{1.5f, 6, 13}, {5, 5, 9}});
  Apoyo(p, "X", 1, 2);
  MomentosApoyo(p);
  EXPECT_EQ(p.MomentoApoyoX[1], 1.125f);  // its own 2.25 / 2
  EXPECT_EQ(p.MomentoX[2], 0.448495388f);

  // Slab B of the given-moment group in X (code 14): its moment, no correction.
  p = Piso({{4, 4, 9}, {5, 5, 14}});
  p.MomentoApoyoX[1] = 5.0f;
  Apoyo(p, "X", 1, 2);
  MomentosApoyo(p);
  EXPECT_EQ(p.MomentoApoyoX[1], 0.0f);
  EXPECT_EQ(p.MomentoX[1], 0.287037045f);
  EXPECT_EQ(p.MomentoX[2], 2.56075001f);
}

TEST(MomentosApoyo, DireccionesYVariosApoyos) {
  // A direction in lower case or blank is computed as X and stored as "X"; a
  // lower-case y is not Y.
  Proyecto p = Piso({{4, 4, 9}, {5, 5, 9}});
  Apoyo(p, "y", 1, 2);
  Apoyo(p, "", 1, 2);
  MomentosApoyo(p);
  EXPECT_EQ(p.ApoyoDir[1], "X");
  EXPECT_EQ(p.ApoyoDir[2], "X");
  EXPECT_EQ(p.MomentoY[1], 0.287037045f);
  // Both supports share slab A: each starts from the unchanged edge moments, and
  // the span corrections add up.
  EXPECT_EQ(p.MomentoApoyoX[1], 0.875f);
  EXPECT_EQ(p.MomentoApoyoX[2], 0.875f);
  EXPECT_EQ(p.MomentoX[1], 0.0787037611f);
  EXPECT_EQ(p.MomentoX[2], 0.615162015f);

  // A support naming the same slab twice changes nothing.
  p = Piso({{4, 4, 9}});
  Apoyo(p, "X", 1, 1);
  MomentosApoyo(p);
  EXPECT_EQ(p.MomentoApoyoX[1], 0.666666687f);
  EXPECT_EQ(p.MomentoX[1], 0.287037045f);

  // Slab numbers are rounded half to even: 1.5 names slab 2, 2.5 slab 2.
  p = Piso({{4, 4, 9}, {5, 5, 9}, {4, 4, 1}});
  Apoyo(p, "X", 2.5f, 1.5f);
  MomentosApoyo(p);
  EXPECT_EQ(p.MomentoApoyoX[1], 1.04166663f);

  // No supports: nothing changes.
  p = Piso({{4, 4, 9}});
  MomentosApoyo(p);
  EXPECT_EQ(p.MomentoX[1], 0.287037045f);
}

TEST(MomentosApoyo, GruposPorDireccion) {
  using G = GrupoApoyo;
  // Code 0 was never classified.
  for (auto [codigo, y, grupo] : {std::tuple{1, false, G::MomentoDado},
                                  {9, false, G::ExtremoEmpotrado},
                                  {16, false, G::ExtremoEmpotrado},
                                  {16, true, G::MomentoDado},
                                  {6, false, G::ExtremoArticulado},
                                  {7, false, G::ExtremoEmpotrado},
                                  {7, true, G::ExtremoArticulado},
                                  {0, false, G::ExtremoArticulado},
                                  {40, true, G::ExtremoArticulado}})
    EXPECT_EQ(GrupoEnApoyo(codigo, y), grupo) << codigo << y;
  // The Y groups are the X groups with the codes exchanged as X and Y exchange.
  const int espejo[26] = {0,  1,  3,  2,  5,  4,  6,  8,  7,  9,  10, 11, 12,
                          13, 18, 19, 20, 21, 14, 15, 16, 17, 24, 25, 22, 23};
  for (int c = 0; c <= 25; ++c) {
    EXPECT_EQ(GrupoEnApoyo(c, true), GrupoEnApoyo(espejo[c], false)) << c;
    EXPECT_EQ(EsVoladizoEnApoyo(c, true), EsVoladizoEnApoyo(espejo[c], false)) << c;
    // A cantilever always belongs to the given-moment group.
    if (EsVoladizoEnApoyo(c, false)) {
      EXPECT_EQ(GrupoEnApoyo(c, false), G::MomentoDado) << c;
    }
  }
  EXPECT_TRUE(EsVoladizoEnApoyo(13, false) && EsVoladizoEnApoyo(19, false) && EsVoladizoEnApoyo(15, true));
  EXPECT_FALSE(EsVoladizoEnApoyo(15, false));
}

}  // namespace placatec
