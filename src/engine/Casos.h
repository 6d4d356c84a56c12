#pragma once
// The span and edge moments of one slab by its case code.
#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"

namespace placatec {

// The factored load of slab i, To/m2: 1.4 times its dead load plus 1.7 times its live load.
float CargaUltimaLosa(const Proyecto& p, int i);
// Loads, span ratio and the four moments of slab i into r (with the working
// coefficients of its case). Returns false when a one-way slab's ratio lies strictly
// between 0.5 and 2: the load and ratio values are then written, the moments are not.
// Lx(i) and Ly(i) must be greater than 0.
bool MomentosLosa(const Proyecto& p, int i, ResultadosLosa& r);

}  // namespace placatec
