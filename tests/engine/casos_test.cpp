#include "engine/Casos.h"

#include <gtest/gtest.h>

#include <array>

namespace placatec {

namespace {

// A dead load of 0.714285731 To/m2 gives a factored load of exactly 1 To/m2.
constexpr float kCargaUnitaria = 0.714285731f;

Proyecto UnaLosa(float lx, float ly, int codigo, float muerta = kCargaUnitaria, float viva = 0) {
  Proyecto p;
  p.NumLosas = 1;
  p.Lx[1] = lx;
  p.Ly[1] = ly;
  p.CodigoLosa[1] = static_cast<Integer>(codigo);
  p.CargaMuertaVano[1] = muerta;
  p.CargaVivaVano[1] = viva;
  p.EspesorLosa[1] = 0.12f;
  return p;
}

struct Momentos {
  int codigo;
  float lx, ly, mx, my, nx, ny;
};

// Computes the slab over the results of an earlier run, which must all be overwritten.
void Comprueba(Proyecto p, const Momentos& f) {
  SCOPED_TRACE(testing::Message() << "codigo " << f.codigo << ", " << f.lx << " x " << f.ly);
  p.MomentoX[1] = p.MomentoY[1] = p.MomentoNegX[1] = p.MomentoNegY[1] = -99.0f;
  ASSERT_TRUE(MomentosLosa(p, 1));
  EXPECT_EQ(p.MomentoX[1], f.mx);
  EXPECT_EQ(p.MomentoY[1], f.my);
  EXPECT_EQ(p.MomentoNegX[1], f.nx);
  EXPECT_EQ(p.MomentoNegY[1], f.ny);
}

}  // namespace

TEST(Casos, CargaYRelacionDeLados) {
  // Exact Single values: 1.4 x 0.5 + 1.7 x 0.2 rounded once, then q Lx Lx.
  Proyecto p = UnaLosa(4, 6, 1, 0.5f, 0.2f);
  ASSERT_TRUE(MomentosLosa(p, 1));
  EXPECT_EQ(p.CargaUltima[1], 1.03999996f);
  EXPECT_EQ(p.RelacionLados[1], 1.5f);
  EXPECT_EQ(p.RelacionInversa[1], 0.666666687f);
  EXPECT_EQ(p.CargaLx2[1], 16.6399994f);
  EXPECT_EQ(p.CargaLy2[1], 37.4399986f);
}

// With q = 1. Code 1, 4 x 4: kx = ky = 0.5, v = 1 - 0.5/1.2, c = (1 + v) 0.5 / 16.
// Code 9: v = 1 - 0.5/3.6, c = 0.5 v / 24, edges 0.5 x 16 / 12. Code 4 with m = 1.25:
// kx = 5 m4 / (1 + 5 m4). One-way slabs: m exactly 2 spans in X, exactly 0.5 in Y
// (neither is an error); a slab never classified (code 0) is computed as code 10.
TEST(Casos, FranjasYLosasEnUnaDireccion) {
  for (const Momentos& f : {Momentos{1, 4, 4, 0.791666627f, 0.791666627f, 0, 0},
                            Momentos{9, 4, 4, 0.287037045f, 0.287037045f, 0.666666687f, 0.666666687f},
                            Momentos{4, 4, 5, 0.514938295f, 0.213288337f, 1.23237693f, 0},
                            Momentos{10, 4, 8, 2.0f, 0, 0, 0}, Momentos{10, 8, 4, 0, 2.0f, 0, 0}})
    Comprueba(UnaLosa(f.lx, f.ly, f.codigo), f);
  Comprueba(UnaLosa(3, 7, 0, 0.5f, 0.2f), {0, 3, 7, 1.16999996f, 0, 0, 0});

  // Code 13 spanning X: qLx2/2 + P Lx with P = 1.4 x 0.1 + 1.7 x 0.1.
  Proyecto p = UnaLosa(1.5f, 6, 13);
  p.CargaMuertaVuelo[1] = p.CargaVivaVuelo[1] = 0.1f;
  p.MomentoX[1] = p.MomentoY[1] = p.MomentoNegY[1] = 9.0f;  // left by an earlier run
  ASSERT_TRUE(MomentosLosa(p, 1));
  EXPECT_NEAR(p.MomentoNegX[1], 1.59, 1e-6);
  EXPECT_EQ(p.MomentoX[1] + p.MomentoY[1] + p.MomentoNegY[1], 0.0f);

  // A one-way code with 0.5 < m < 2 fails; loads and ratio are written, the
  // moments keep what they held.
  p = UnaLosa(4, 6, 12);
  p.MomentoX[1] = 7.0f;
  EXPECT_FALSE(MomentosLosa(p, 1));
  EXPECT_EQ(p.RelacionLados[1], 1.5f);
  EXPECT_EQ(p.CargaLx2[1], 16.0f);
  EXPECT_EQ(p.MomentoX[1], 7.0f);
}

TEST(Casos, AjustesConBordeLibre) {
  // Code 14 at m = 1: cy = fit A(1), cx = fit B(1), times qLx2 = 16.
  Proyecto p = UnaLosa(4, 4, 14);
  ASSERT_TRUE(MomentosLosa(p, 1));
  EXPECT_EQ(p.MomentoX[1], 1.63888001f);
  EXPECT_EQ(p.MomentoY[1], 0.347023994f);

  // Fit C (marked abs) sums to -0.11772 at m = 1: the edge coefficient is positive.
  p = UnaLosa(4, 4, 15);
  ASSERT_TRUE(MomentosLosa(p, 1));
  EXPECT_EQ(p.FactorY[1], 0.11772f);
  EXPECT_EQ(p.MomentoNegY[1], 1.88352001f);

  // An unmarked fit may go negative (fit B at m = 0.1): the span moment stays negative.
  p = UnaLosa(10, 1, 14);
  ASSERT_TRUE(MomentosLosa(p, 1));
  EXPECT_EQ(p.MomentoX[1], -1.61731434f);
  EXPECT_EQ(p.MomentoY[1], -0.83528024f);

  // Code 22 = the fits of code 16 scaled, with qLy2 = 2.25 qLx2 at m = 1.5.
  Proyecto base = UnaLosa(4, 6, 16);
  p = UnaLosa(4, 6, 22);
  ASSERT_TRUE(MomentosLosa(base, 1));
  ASSERT_TRUE(MomentosLosa(p, 1));
  EXPECT_NEAR(p.MomentoX[1], base.MomentoX[1] * 1.4645 * 2.25, 1e-5);
  EXPECT_NEAR(p.MomentoY[1], base.MomentoY[1] * 1.4645 * 2.25, 1e-6);
  EXPECT_NEAR(p.MomentoNegX[1], base.MomentoNegX[1] * 1.30538 * 2.25, 1e-5);
  EXPECT_EQ(p.CoefMomentoX[1], 0.0610390641f);  // stored scaled
}

// Every case at one ratio and its inverse. Expected Single values from a separate
// evaluation of the case tables (double arithmetic, every stored value and every
// power of the ratio rounded to Single), dead 0.5, live 0.2 (q = 1.04), cantilever
// loads 0.15 and 0.1 To/m. Note codes 16 and 20: mirror images except for the
// constant of fit G (-0.009389999 with m, -0.009389998 with n), which shows in the
// last digit of 0.0872052684 / 0.0872052833.
TEST(Casos, LosVeinticincoCasos) {
  // Code, the spans, then mx, my, nx, ny of the slab and of the same slab turned round.
  struct Fila {
    int codigo;
    float lx, ly;
    std::array<float, 4> m, girada;
  };
  const Fila filas[] = {
      {1, 4, 5, {1.19644415f, 0.765724361f, 0, 0}, {0.765724361f, 1.19644415f, 0, 0}},
      {2, 4, 5, {0.875843525f, 0.415587932f, 1.7871871f, 0}, {0.753629565f, 0.892270267f, 1.64426887f, 0}},
      {3, 4, 5, {0.892270267f, 0.753629565f, 0, 1.64426887f}, {0.415587932f, 0.875843525f, 0, 1.7871871f}},
      {4, 4, 5, {0.535535812f, 0.221819863f, 1.281672f, 0}, {0.515628755f, 0.563006997f, 1.45581806f, 0}},
      {5, 4, 5, {0.563006997f, 0.515628755f, 0, 1.45581806f}, {0.221819863f, 0.535535812f, 0, 1.281672f}},
      {6,
       4,
       5,
       {0.741799414f, 0.474751681f, 1.47559583f, 0.944381416f},
       {0.474751681f, 0.741799414f, 0.944381416f, 1.47559583f}},
      {7,
       4,
       5,
       {0.490559846f, 0.272103608f, 1.15095174f, 0.552456856f},
       {0.39248836f, 0.537148476f, 0.975667f, 1.14335966f}},
      {8,
       4,
       5,
       {0.537148476f, 0.39248836f, 1.14335966f, 0.975667f},
       {0.272103608f, 0.490559846f, 0.552456856f, 1.15095174f}},
      {9,
       4,
       5,
       {0.429831564f, 0.275092244f, 0.983730555f, 0.62958765f},
       {0.275092244f, 0.429831564f, 0.62958765f, 0.983730555f}},
      {10, 3, 7, {1.16999996f, 0, 0, 0}, {0, 1.16999996f, 0, 0}},
      {11, 3, 7, {0.658227801f, 0, 1.16999996f, 0}, {0, 0.658227801f, 0, 1.16999996f}},
      {12, 3, 7, {0.389999986f, 0, 0.779999971f, 0}, {0, 0.389999986f, 0, 0.779999971f}},
      {13, 3, 7, {0, 0, 5.81999969f, 0}, {0, 0, 0, 5.81999969f}},
      {14, 4, 5, {1.89587641f, 0.303586394f, 0, 0}, {2.2597003f, 0.599313617f, 0, 0}},
      {15, 4, 5, {1.77139628f, 0.306014955f, 0, 2.04904962f}, {1.71714759f, 0.312037945f, 0, 2.78377581f}},
      {16, 4, 5, {0.694085181f, 0.0872052684f, 1.38666785f, 0}, {1.07783163f, 0.277033508f, 2.28802133f, 0}},
      {17,
       4,
       5,
       {0.694824994f, 0.121621981f, 1.40387368f, 1.24715102f},
       {0.998095751f, 0.224186018f, 2.27314901f, 1.46236098f}},
      {18, 4, 5, {0.599313617f, 2.2597003f, 0, 0}, {0.303586394f, 1.89587641f, 0, 0}},
      {19, 4, 5, {0.312037945f, 1.71714759f, 2.78377581f, 0}, {0.306014955f, 1.77139628f, 2.04904962f, 0}},
      {20, 4, 5, {0.277033538f, 1.07783163f, 0, 2.28802133f}, {0.0872052833f, 0.694085181f, 0, 1.38666785f}},
      {21,
       4,
       5,
       {0.224186018f, 0.998095751f, 1.46236098f, 2.27314901f},
       {0.121621981f, 0.694824994f, 1.24715102f, 1.40387368f}},
      {22, 4, 5, {1.5882622f, 0.199550197f, 2.82832599f, 0}, {1.01023006f, 0.259657949f, 1.91151178f, 0}},
      {23,
       4,
       5,
       {1.42488289f, 0.22747007f, 2.60361743f, 2.56921268f},
       {0.838370264f, 0.171743631f, 1.72677994f, 1.2339443f}},
      {24, 4, 5, {0.405715615f, 1.57848442f, 0, 2.98673725f}, {0.127712145f, 1.01648784f, 0, 1.81012857f}},
      {25,
       4,
       5,
       {0.294233561f, 1.19471514f, 1.73573625f, 2.99701476f},
       {0.159623101f, 0.831701696f, 1.4802947f, 1.8509258f}},
  };
  for (const Fila& f : filas)
    for (bool girada : {false, true}) {
      const auto& m = girada ? f.girada : f.m;
      Proyecto p = UnaLosa(girada ? f.ly : f.lx, girada ? f.lx : f.ly, f.codigo, 0.5f, 0.2f);
      p.CargaMuertaVuelo[1] = 0.15f;
      p.CargaVivaVuelo[1] = 0.1f;
      Comprueba(p, {f.codigo, p.Lx[1], p.Ly[1], m[0], m[1], m[2], m[3]});
    }
}

}  // namespace placatec
