#include "engine/Casos.h"

#include <cmath>

#include "engine/Clasificacion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// Powers of a span ratio, each the product of the stored ratio with itself rounded
// once to a Single.
struct Potencias {
  double r1, r2, r3, r4, r5;
};

Potencias PotenciasDe(float r) {
  const double x = r;
  return {x, ASingle(x * x), ASingle(x * x * x), ASingle(x * x * x * x), ASingle(x * x * x * x * x)};
}

// --- Strip method, codes 1 to 9 ----------------------------------------------------

struct CasoFranjas {
  bool conN;      // written with n = Lx/Ly instead of m
  double a;       // stiffness weight of the fourth power
  double bx, by;  // divisors of the corrections
  bool mitad;     // applies (1 + v)/2 instead of v (divisors 16 and 28.44)
  double dx, dy;  // divisors of the span coefficients
  double ex, ey;  // divisors of the edge moments; 0 for a simply supported pair
};

constexpr CasoFranjas kFranjas[10] = {
    {},
    {false, 1, 1.2, 1.2, true, 16, 16, 0, 0},
    {false, 2.5, 2.133, 1.2, true, 28.44, 16, 8, 0},
    {true, 2.5, 1.2, 2.133, true, 16, 28.44, 0, 8},
    {false, 5, 3.6, 1.2, false, 24, 8, 12, 0},
    {true, 5, 1.2, 3.6, false, 8, 24, 0, 12},
    {false, 1, 2.133, 2.133, true, 28.44, 28.44, 8, 8},
    {false, 2, 3.6, 2.133, false, 24, 14.22, 12, 8},
    {true, 2, 2.133, 3.6, false, 14.22, 24, 8, 12},
    {false, 1, 3.6, 3.6, false, 24, 24, 12, 12},
};

void Franjas(ResultadosLosa& r, const CasoFranjas& c, const Potencias& m, const Potencias& n) {
  if (c.conN) {
    r.FactorX = ASingle(1 / (1 + c.a * n.r4));
    r.FactorY = ASingle(c.a * n.r4 / (1 + c.a * n.r4));
  } else {
    r.FactorX = ASingle(c.a * m.r4 / (1 + c.a * m.r4));
    r.FactorY = ASingle(1 / (1 + c.a * m.r4));
  }
  const double kx = r.FactorX, ky = r.FactorY;
  if (c.conN) {
    r.CorreccionX = ASingle(1 - kx * n.r2 / c.bx);
    r.CorreccionY = ASingle(1 - ky / (c.by * n.r2));
  } else {
    r.CorreccionX = ASingle(1 - kx / (c.bx * m.r2));
    r.CorreccionY = ASingle(1 - ky * m.r2 / c.by);
  }
  const double vx = r.CorreccionX, vy = r.CorreccionY;
  if (c.mitad) {
    r.CoefMomentoX = ASingle((1 + vx) * kx / c.dx);
    r.CoefMomentoY = ASingle((1 + vy) * ky / c.dy);
  } else {
    r.CoefMomentoX = ASingle(kx * vx / c.dx);
    r.CoefMomentoY = ASingle(ky * vy / c.dy);
  }
  const double qlx2 = r.CargaLx2, qly2 = r.CargaLy2;
  r.MomentoX = ASingle(r.CoefMomentoX * qlx2);
  r.MomentoY = ASingle(r.CoefMomentoY * qly2);
  r.MomentoNegX = c.ex == 0 ? 0.0f : ASingle(kx * qlx2 / c.ex);
  r.MomentoNegY = c.ey == 0 ? 0.0f : ASingle(ky * qly2 / c.ey);
}

// --- One-way slabs, codes 10 to 13 ------------------------------------------------

bool UnaDireccion(const Proyecto& p, int i, ResultadosLosa& r, int codigo) {
  const float m = r.RelacionLados;
  const bool enX = UnaDireccionEnX(m);
  if (enX && m < 2.0f) return false;
  const double q = enX ? r.CargaLx2 : r.CargaLy2;
  const double luz = enX ? p.Lx[i] : p.Ly[i];
  float vano = 0.0f, borde = 0.0f;
  switch (codigo) {
    case 11:
      vano = ASingle(q / 14.22);
      borde = ASingle(q / 8);
      break;
    case 12:
      vano = ASingle(q / 24);
      borde = ASingle(q / 12);
      break;
    case 13: {
      // Factored line load on the free edge.
      const double carga =
          kFactorCargaMuerta * p.CargaMuertaVuelo[i] + kFactorCargaViva * p.CargaVivaVuelo[i];
      borde = ASingle(q / 2 + carga * luz);
      break;
    }
    default:  // 10 and every code outside 1..25
      vano = ASingle(q / 8);
      break;
  }
  r.MomentoX = enX ? vano : 0.0f;
  r.MomentoNegX = enX ? borde : 0.0f;
  r.MomentoY = enX ? 0.0f : vano;
  r.MomentoNegY = enX ? 0.0f : borde;
  return true;
}

// --- Fitted polynomials, codes 14 to 25 -------------------------------------------

struct Ajuste {
  double a[6];
  int terminos;
  bool absoluto;
};

enum AjusteId { A, B, C, D, E, F, G, H, I, J, K, L, Cero };

constexpr Ajuste kAjustes[] = {
    /*A*/ {{-0.02154, 0.14781, -0.166661, 0.074, -0.01192, 0}, 5, false},
    /*B*/ {{-0.03632, 0.20645, -0.04655, -0.03392, 0.01277, 0}, 5, false},
    /*C*/ {{0.05491, -0.38259, 0.29402, -0.09422, 0.01016, 0}, 5, true},
    /*D*/ {{0.01161, -0.14734, 0.41137, -0.40213, 0.16993, -0.02663}, 6, false},
    /*E*/ {{-0.0101, -0.02772, 0.30483, -0.22911, 0.05013, 0}, 5, false},
    /*F*/ {{0.03031, -0.59451, 1.08323, -0.9100299, 0.36121, -0.05489}, 6, true},
    /*G*/ {{-0.009389999, 0.09226999, -0.1374, 0.08438, -0.02428, 0.00277}, 6, false},
    /*H*/ {{-0.03911, 0.29586, -0.42068, 0.29154, -0.09875999, 0.01311}, 6, false},
    /*I*/ {{0.10298, -0.7105, 1.0054, -0.67535, 0.2178, -0.02715}, 6, true},
    /*J*/ {{-0.03181, 0.15518, -0.06711, -0.05728, 0.05418, -0.01178}, 6, false},
    /*K*/ {{-0.01413, 0.02106, 0.07483, -0.12925, 0.06892, -0.01233}, 6, false},
    /*L*/ {{0.00856, -0.02239, -0.23204, 0.29593, -0.14113, 0.02412}, 6, true},
};

// The fit G starts from a constant that differs in its last digit with n.
constexpr double kG0ConN = -0.009389998;

float Evalua(AjusteId id, const Potencias& r, bool conN) {
  if (id == Cero) return 0.0f;
  const Ajuste& f = kAjustes[id];
  const double a0 = (id == G && conN) ? kG0ConN : f.a[0];
  const double pot[6] = {1, r.r1, r.r2, r.r3, r.r4, r.r5};
  double s = a0;
  for (int k = 1; k < f.terminos; ++k) s = s + f.a[k] * pot[k];
  return ASingle(f.absoluto ? std::fabs(s) : s);
}

struct CasoAjustado {
  bool conN;
  AjusteId cx, cy, ex, ey;
};

// Codes 14 to 21 (index = code - 14).
constexpr CasoAjustado kAjustados[8] = {
    {false, B, A, Cero, Cero}, {false, E, D, Cero, C}, {false, H, G, F, Cero}, {false, J, K, I, L},
    {true, A, B, Cero, Cero},  {true, D, E, C, Cero},  {true, G, H, Cero, F},  {true, K, J, L, I},
};

void Coeficientes(ResultadosLosa& r, const CasoAjustado& c, const Potencias& m, const Potencias& n) {
  const Potencias& x = c.conN ? n : m;
  r.CoefMomentoX = Evalua(c.cx, x, c.conN);
  r.CoefMomentoY = Evalua(c.cy, x, c.conN);
  r.FactorX = Evalua(c.ex, x, c.conN);
  r.FactorY = Evalua(c.ey, x, c.conN);
}

void MomentosCoeficientes(ResultadosLosa& r, double q) {
  r.MomentoX = ASingle(r.CoefMomentoX * q);
  r.MomentoY = ASingle(r.CoefMomentoY * q);
  r.MomentoNegX = ASingle(r.FactorX * q);
  r.MomentoNegY = ASingle(r.FactorY * q);
}

void Ajustado(ResultadosLosa& r, int codigo, const Potencias& m, const Potencias& n) {
  const CasoAjustado& c = kAjustados[codigo - 14];
  Coeficientes(r, c, m, n);
  MomentosCoeficientes(r, c.conN ? r.CargaLy2 : r.CargaLx2);
}

struct CasoEscalado {
  int base;
  double fcx, fcy, fex, fey;  // 0: the coefficient of the base case is 0
};

// Codes 22 to 25: the fits of 16, 17, 20 and 21 scaled, each with the load term of
// its base case (q Lx2 for 22 and 23, q Ly2 for 24 and 25). 24 and 25 are 22 and 23
// with X and Y exchanged, factors included, so that a slab and its mirror image give
// the same moments exchanged.
constexpr CasoEscalado kEscalados[4] = {
    {16, 1.4645, 1.4645, 1.30538, 0},
    {17, 1.31245284, 1.196994515, 1.186941, 1.31844187},
    {20, 1.4645, 1.4645, 0, 1.30538},
    {21, 1.196994515, 1.31245284, 1.31844187, 1.186941},
};

void Escalado(ResultadosLosa& r, int codigo, const Potencias& m, const Potencias& n) {
  const CasoEscalado& e = kEscalados[codigo - 22];
  const CasoAjustado& base = kAjustados[e.base - 14];
  Coeficientes(r, base, m, n);
  r.CoefMomentoX = ASingle(r.CoefMomentoX * e.fcx);
  r.CoefMomentoY = ASingle(r.CoefMomentoY * e.fcy);
  r.FactorX = e.fex == 0 ? 0.0f : ASingle(r.FactorX * e.fex);
  r.FactorY = e.fey == 0 ? 0.0f : ASingle(r.FactorY * e.fey);
  MomentosCoeficientes(r, base.conN ? r.CargaLy2 : r.CargaLx2);
}

}  // namespace

float CargaUltimaLosa(const Proyecto& p, int i) {
  return ASingle(kFactorCargaMuerta * p.CargaMuertaVano[i] + kFactorCargaViva * p.CargaVivaVano[i]);
}

bool MomentosLosa(const Proyecto& p, int i, ResultadosLosa& r) {
  r.CargaUltima = CargaUltimaLosa(p, i);
  r.RelacionLados = ASingle(static_cast<double>(p.Ly[i]) / p.Lx[i]);
  r.RelacionInversa = ASingle(1 / static_cast<double>(r.RelacionLados));
  const Potencias m = PotenciasDe(r.RelacionLados);
  const Potencias n = PotenciasDe(r.RelacionInversa);
  const double q = r.CargaUltima;
  r.CargaLx2 = ASingle(q * p.Lx[i] * p.Lx[i]);
  r.CargaLy2 = ASingle(q * p.Ly[i] * p.Ly[i]);

  const int codigo = p.CodigoLosa[i];
  if (codigo >= 1 && codigo <= 9) {
    Franjas(r, kFranjas[codigo], m, n);
  } else if (codigo >= 14 && codigo <= 21) {
    Ajustado(r, codigo, m, n);
  } else if (codigo >= 22 && codigo <= 25) {
    Escalado(r, codigo, m, n);
  } else {
    return UnaDireccion(p, i, r, codigo);
  }
  return true;
}

}  // namespace placatec
