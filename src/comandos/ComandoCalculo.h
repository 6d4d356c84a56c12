#pragma once
// "Calcular &Refuerzo": the whole calculation, then the two tables of the results
// window and the quantity take-off.
#include <string_view>

#include "comandos/Sesion.h"
#include "design/TablasRefuerzo.h"
#include "model/Interlocutor.h"

namespace placatec {

inline constexpr std::string_view kEstadoCalculando = "Calculando Momentos y Refuerzo...";

// Runs the calculation on the project, whose unset general data (cover, f'c, fy) it
// completes, and whose support directions become "Y" ("Y" or "y") or "X" (any other)
// once the calculation has reached the supports. On an error of the data (its message
// shown, title "ERROR"), or when data so large that a result overflows a Single
// ("Resultados fuera de rango en la Losa No. ..."), it sets ErrorCalculo to 1, returns
// false, leaves sesion.resultados, the tables and CalculoHecho as they were, and
// clears the status. Otherwise it stores the results in sesion.resultados (the
// span-bar weights and the quantity take-off included), fills sesion.vanos and
// sesion.apoyosRefuerzo, the checks of the "Verificaciones" window and their tables,
// clears the status, sets CalculoHecho and returns true.
bool CalculaRefuerzo(Sesion& sesion, Interlocutor& ui);

}  // namespace placatec
