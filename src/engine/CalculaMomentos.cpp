#include "engine/CalculaMomentos.h"

#include <cmath>

#include "engine/Casos.h"
#include "engine/MomentosApoyo.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// Spans greater than 0 whose ratio keeps every power of m and n a normal number,
// so that no case formula divides by zero.
bool LucesValidas(float lx, float ly) {
  if (!std::isfinite(lx) || !std::isfinite(ly) || !(lx > 0) || !(ly > 0)) return false;
  const float m = ASingle(static_cast<double>(ly) / lx);
  if (!std::isnormal(m)) return false;
  const float n = ASingle(1 / static_cast<double>(m));
  const auto quinta = [](double r) { return ASingle(r * r * r * r * r); };
  return std::isnormal(n) && std::isnormal(quinta(m)) && std::isnormal(quinta(n));
}

// Data the formulas cannot take: refused before anything is computed, so that no
// table is indexed out of range and no span or depth divides by zero.
Resultado<void> DatosAceptables(const Proyecto& p) {
  if (p.NumLosas < 0 || p.NumLosas > MaxLosas || p.NumApoyos < 0 || p.NumApoyos > MaxApoyos) {
    return Falla{std::string(kTextoTablasFueraDeRango)};
  }
  if (p.Fc < 0 || p.Fy < 0) {
    return Falla{std::string(kTextoResistencias)};
  }
  for (int i = 1; i <= p.NumLosas; ++i) {
    if (!LucesValidas(p.Lx[i], p.Ly[i])) {
      return Falla{TextoErrorCalculo(kCausaLuces, i)};
    }
    if (p.BordesInvalidos[i]) {
      return Falla{TextoErrorCalculo(kCausaBordes, i)};
    }
    const double d = static_cast<double>(p.EspesorLosa[i]) - p.RecubrimientoM;
    if (!(d > 0) || !std::isfinite(d)) {
      return Falla{TextoErrorCalculo(kCausaEspesor, i)};
    }
  }
  for (int j = 1; j <= p.NumApoyos; ++j) {
    for (float losa : {p.ApoyoLosa1[j], p.ApoyoLosa2[j]}) {
      const int k = IndiceLosa(losa);
      if (k < 1 || k > p.NumLosas) {
        return Falla{TextoErrorCalculo(kCausaApoyoLosa, j)};
      }
    }
  }
  return {};
}

}  // namespace

std::string TextoErrorCalculo(std::string_view causa, int numero) {
  return std::string(causa) + " No. " + Str(numero) + "\r\n\r\nCORRIJA LOS DATOS";
}

Resultado<void> CalculaMomentos(Proyecto& p) {
  // General data completed; the defaults stay in the project.
  if (p.Recubrimiento <= 0) p.Recubrimiento = 2.0f;
  if (p.Fc == 0) p.Fc = 180;
  if (p.Fy == 0) p.Fy = 2800;
  p.RecubrimientoM = ASingle(static_cast<double>(p.Recubrimiento) / 100);

  if (Resultado<void> datos = DatosAceptables(p); !datos) return datos;

  for (int i = 1; i <= p.NumLosas; ++i)
    if (!MomentosLosa(p, i)) return Falla{TextoErrorCalculo(kCausaLosa, i)};

  for (int i = 1; i <= p.NumLosas; ++i) {
    p.MomentoCasoX[i] = p.MomentoX[i];
    p.MomentoCasoY[i] = p.MomentoY[i];
    p.MomentoCasoNegX[i] = p.MomentoNegX[i];
    p.MomentoCasoNegY[i] = p.MomentoNegY[i];
  }
  MomentosApoyo(p);
  return {};
}

}  // namespace placatec
