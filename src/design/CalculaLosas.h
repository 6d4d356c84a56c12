#pragma once
// The calculation of a storey: the moments of every slab and over the continuous
// supports, then the reinforcement of every span and every support.
#include "model/Proyecto.h"
#include "model/Resultado.h"

namespace placatec {

// Runs the phases in order. On a data error it sets ErrorCalculo to 1 and returns
// the message at once (shown with the title "ERROR" and the exclamation icon); the
// caller then shows no result. ErrorCalculo is not cleared here: the command clears
// it first.
Resultado<void> CalculaLosas(Proyecto& p);

}  // namespace placatec
