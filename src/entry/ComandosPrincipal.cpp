#include "entry/ComandosPrincipal.h"

namespace placatec {

bool HayLosas(const Proyecto& p) { return p.NumLosas >= 1; }

void PreparaApoyos(Proyecto& p) {
  if (p.ApoyoLosa1[1] <= 0) p.ApoyoLosa1[1] = 1.0f;
  if (p.ApoyoLosa2[1] <= 0) p.ApoyoLosa2[1] = 2.0f;
}

}  // namespace placatec
