#include "design/CalculaLosas.h"

#include "design/Refuerzo.h"
#include "engine/CalculaMomentos.h"

namespace placatec {

Resultado<void> CalculaLosas(const Proyecto& p, ResultadosCalculo& r) {
  if (!DatosGeneralesCompletos(p)) {
    // The calculation never changes the project it is given.
    Proyecto completo = p;
    CompletaDatosGenerales(completo);
    return CalculaLosas(completo, r);
  }
  if (Resultado<void> momentos = CalculaMomentos(p, r); !momentos) return momentos;
  if (int losa = RefuerzoVanos(p, r)) return Falla{TextoErrorCalculo(kCausaCapacidad, losa)};
  if (int apoyo = RefuerzoApoyos(p, r)) return Falla{TextoErrorCalculo(kCausaCapacidadApoyo, apoyo)};
  return {};
}

Resultado<ResultadosCalculo> CalculaLosas(const Proyecto& p) {
  ResultadosCalculo r;
  if (Resultado<void> calculo = CalculaLosas(p, r); !calculo) return Falla{calculo.Mensaje()};
  return r;
}

}  // namespace placatec
