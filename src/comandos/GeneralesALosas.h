#pragma once
// A general value (thickness, dead load, live load) changed in "Datos Generales" while
// slabs hold the old one: the engineer is asked whether they take the new one. The
// slab table stays the truth either way.
#include "comandos/Sesion.h"
#include "model/Interlocutor.h"

namespace placatec {

// Run when the general data dialog closes. For each general value that differs from
// the one the dialog opened with, and that some slab rows hold, asks "¿Aplicar ... a
// las n losas que tienen el valor anterior?" (Sí / No); Sí writes the new value into
// those rows and slabs.
void OfreceValoresGenerales(Sesion& s, Interlocutor& ui);

}  // namespace placatec
