#pragma once
// The calculation of a storey: the moments of every slab and over the continuous
// supports, then the reinforcement of every span and every support.
#include "model/Proyecto.h"
#include "model/Resultado.h"
#include "model/ResultadosCalculo.h"

namespace placatec {

// The results of the project, or the message of the data error that stopped the
// calculation (shown with the title "ERROR" and the exclamation icon). General data
// left unset are taken as CompletaDatosGenerales completes them.
Resultado<ResultadosCalculo> CalculaLosas(const Proyecto& p);

// The same calculation into r. On a data error r keeps what was worked out before
// it, in the earlier values of r beyond that point: the batch calculator prints them
// beside the message.
Resultado<void> CalculaLosas(const Proyecto& p, ResultadosCalculo& r);

}  // namespace placatec
