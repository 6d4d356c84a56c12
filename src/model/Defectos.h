#pragma once
// Defaults of values the engineer has not set yet.
#include "model/Proyecto.h"

namespace placatec {

// Gives unset general values and the unset values of slab 1 their defaults (each
// test on its own), and sets LosaActual to 1. Only slab 1 is completed; the slab
// table completes the other slabs row by row.
void CompletaPrimeraLosa(Proyecto& p);

}  // namespace placatec
