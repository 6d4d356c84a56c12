#include "design/CalculaLosas.h"

#include "design/Refuerzo.h"
#include "engine/CalculaMomentos.h"

namespace placatec {

namespace {

Resultado<void> Refuerzo(Proyecto& p) {
  if (Resultado<void> momentos = CalculaMomentos(p); !momentos) return momentos;
  if (int losa = RefuerzoVanos(p)) return Falla{TextoErrorCalculo(kCausaCapacidad, losa)};
  if (int apoyo = RefuerzoApoyos(p)) return Falla{TextoErrorCalculo(kCausaCapacidadApoyo, apoyo)};
  return {};
}

}  // namespace

Resultado<void> CalculaLosas(Proyecto& p) {
  Resultado<void> r = Refuerzo(p);
  if (!r) p.ErrorCalculo = 1;
  return r;
}

}  // namespace placatec
