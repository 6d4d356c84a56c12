#pragma once
// What the main window's commands do to the project before they hand over to their
// windows, and which of its menu items the project allows.
#include "comandos/Sesion.h"
#include "model/Proyecto.h"

namespace placatec {

// Items that follow the number of slabs: "&Print preview..." (when "&Archivos" is
// opened), "Calcular &Refuerzo" and "Ver reacciones sobre &Apoyos" (when "&Calculo"
// is opened). Without slabs there is nothing to calculate, print or react on.
bool HayLosas(const Proyecto& p);

// "A&poyos": a first support that names no slabs joins slabs 1 and 2, so that the
// table opens with a sensible first row.
void PreparaApoyos(Proyecto& p);

// New project: empties the title, sets the defaults (the waste allowance of the
// quantities included), zeroes the slabs and supports
// that were in use (edges "AAAA", directions empty) and their counts, writes the
// general data boxes (their rules follow), and empties the slab and supports tables.
// The caller then disables "Calcular &Refuerzo", "&Ver refuerzo" and
// "Ver calculo &Metrico"; NombreArchivo is not changed. The results of the old
// project are withdrawn (CalculoHecho cleared) so that no report prints them.
void NuevosDatos(Sesion& s);

}  // namespace placatec
