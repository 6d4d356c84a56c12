#include "engine/CalculaMomentos.h"

#include <cmath>
#include <utility>

#include "engine/Casos.h"
#include "engine/MomentosApoyo.h"
#include "model/Limites.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// A value outside what a storey can physically have, named with its slab (0 for the
// general data).
Falla FueraDeLimite(const Rango& r, double valor, int losa) {
  std::string texto = std::string(r.dato) + " = " + TextoNumero(ASingle(valor)) + " fuera del rango (" +
                      std::string(r.texto) + ")";
  if (losa > 0) texto += " en la Losa No. " + Str(losa);
  return Falla{texto + "\r\n\r\nCORRIJA LOS DATOS"};
}

// Data the formulas cannot take: refused before anything is computed, so that no
// table is indexed out of range and no span or depth divides by zero.
Resultado<void> DatosAceptables(const Proyecto& p, double recubrimientoM) {
  if (p.NumLosas < 0 || p.NumLosas > MaxLosas || p.NumApoyos < 0 || p.NumApoyos > MaxApoyos) {
    return Falla{std::string(kTextoTablasFueraDeRango)};
  }
  if (!kRangoFc.Contiene(p.Fc)) return FueraDeLimite(kRangoFc, p.Fc, 0);
  if (!kRangoFy.Contiene(p.Fy)) return FueraDeLimite(kRangoFy, p.Fy, 0);
  if (!kRangoRecubrimiento.Contiene(p.Recubrimiento))
    return FueraDeLimite(kRangoRecubrimiento, p.Recubrimiento, 0);
  for (int i = 1; i <= p.NumLosas; ++i) {
    const std::pair<const Rango&, float> datos[] = {{kRangoLx, p.Lx[i]},
                                                    {kRangoLy, p.Ly[i]},
                                                    {kRangoEspesor, p.EspesorLosa[i]},
                                                    {kRangoMuertaVano, p.CargaMuertaVano[i]},
                                                    {kRangoVivaVano, p.CargaVivaVano[i]},
                                                    {kRangoMuertaVuelo, p.CargaMuertaVuelo[i]},
                                                    {kRangoVivaVuelo, p.CargaVivaVuelo[i]}};
    for (const auto& [rango, valor] : datos)
      if (!rango.Contiene(valor)) return FueraDeLimite(rango, valor, i);
    if (p.BordesInvalidos[i]) {
      return Falla{TextoErrorCalculo(kCausaBordes, i)};
    }
    const double d = static_cast<double>(p.EspesorLosa[i]) - recubrimientoM;
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

void CompletaDatosGenerales(Proyecto& p) {
  if (p.Recubrimiento <= 0) p.Recubrimiento = 2.0f;
  if (p.Fc == 0) p.Fc = 180;
  if (p.Fy == 0) p.Fy = 2800;
}

bool DatosGeneralesCompletos(const Proyecto& p) { return !(p.Recubrimiento <= 0) && p.Fc != 0 && p.Fy != 0; }

Resultado<void> CalculaMomentos(const Proyecto& p, ResultadosCalculo& r) {
  r.RecubrimientoM = ASingle(static_cast<double>(p.Recubrimiento) / 100);

  if (Resultado<void> datos = DatosAceptables(p, r.RecubrimientoM); !datos) return datos;

  for (int i = 1; i <= p.NumLosas; ++i)
    if (!MomentosLosa(p, i, r.losas[i])) return Falla{TextoErrorCalculo(kCausaLosa, i)};

  for (int i = 1; i <= p.NumLosas; ++i) {
    ResultadosLosa& l = r.losas[i];
    l.MomentoCasoX = l.MomentoX;
    l.MomentoCasoY = l.MomentoY;
    l.MomentoCasoNegX = l.MomentoNegX;
    l.MomentoCasoNegY = l.MomentoNegY;
  }
  MomentosApoyo(p, r);
  return {};
}

}  // namespace placatec
