#include "design/Anclajes.h"

#include <algorithm>
#include <cmath>

#include "design/NormaAci.h"

namespace placatec {

double LongitudDesarrollo(const Barra& b, Integer fc, Integer fy, bool alta) {
  const double alfa = alta ? aci::kFactorBarraSuperior : 1.0;
  const double cm = fy * alfa * b.diametro / (aci::kDivisorDesarrollo * std::sqrt(static_cast<double>(fc)));
  return std::max(cm, aci::kDesarrolloMinimo) / 100;
}

double LongitudGancho(const Barra& b, Integer fc, Integer fy) {
  const double cm = aci::kCoeficienteGancho * fy * b.diametro / std::sqrt(static_cast<double>(fc));
  return std::max({cm, aci::kDiametrosGanchoMinimo * b.diametro, aci::kGanchoMinimo}) / 100;
}

double PataGancho(const Barra& b) { return std::ceil(aci::kDiametrosPataGancho * b.diametro - 1e-6) / 100; }

double LongitudTraslape(const Barra& b, Integer fc, Integer fy, bool alta) {
  return RedondeaCorte(
      std::max(aci::kFactorTraslape * LongitudDesarrollo(b, fc, fy, alta), aci::kTraslapeMinimo / 100));
}

double RedondeaCorte(double largo) {
  return std::ceil(largo / obra::kModuloCorte * (1 - 1e-6)) * obra::kModuloCorte;
}

}  // namespace placatec
