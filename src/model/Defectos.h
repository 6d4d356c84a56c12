#pragma once
// The defined states of the project: the general-data defaults of the program's
// start, the completion of unset values before the slab table opens, and the reset
// of a new project.
#include <array>
#include <string_view>

#include "model/Proyecto.h"

namespace placatec {

// The f'c list of the general data ("140" .. "350") and the fy list ("1400" .. "4200"),
// in the order shown. The f'c box also takes any whole value from kFcMinimo to
// kFcMaximo typed into it; the fy box only the values of its list.
const std::array<std::string_view, 10>& ListaFc();
const std::array<std::string_view, 4>& ListaFy();
inline constexpr int kFcMinimo = 140;
inline constexpr int kFcMaximo = 420;

// General-data defaults (use, layers, loads, thickness, cover, strengths).
// The slab and support tables and their counts are left alone; the total dead load
// is not reconciled with the layers (the general data dialog does that).
void ValoresPorDefecto(Proyecto& p);

// Gives unset general values and unset values of slab 1 their defaults, each test on
// its own. Only slab 1 is completed.
void CompletaPrimeraLosa(Proyecto& p);

}  // namespace placatec
