#pragma once
// What the main window's commands do to the project before they hand over to their
// windows, and which of its menu items the project allows.
#include "model/Proyecto.h"

namespace placatec {

// Items that follow the number of slabs: "&Print preview..." (when "&Archivos" is
// opened), "Calcular &Refuerzo" and "Ver reacciones sobre &Apoyos" (when "&Calculo"
// is opened). Without slabs there is nothing to calculate, print or react on.
bool HayLosas(const Proyecto& p);

// "A&poyos": a first support that names no slabs joins slabs 1 and 2, so that the
// table opens with a sensible first row.
void PreparaApoyos(Proyecto& p);

}  // namespace placatec
