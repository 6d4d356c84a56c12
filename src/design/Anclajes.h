#pragma once
// Lengths of a bar beyond its section: development of a straight bar, of a standard
// hook and of a lap splice (ACI 318-99 chapter 12), and the cut to site practice.
// Lengths in metres; f'c and fy in Kg/cm2.
#include "design/Refuerzo.h"

namespace placatec {

// ld of a straight bar in tension; alta: a top bar with more than 30 cm of fresh
// concrete cast below it.
double LongitudDesarrollo(const Barra& b, Integer fc, Integer fy, bool alta);
// ldh of a 90-degree standard hook, from the critical section to the far side of the
// hook.
double LongitudGancho(const Barra& b, Integer fc, Integer fy);
// The leg of a 90-degree standard hook, out to out, up to the whole centimetre.
double PataGancho(const Barra& b);
// A class B lap splice, cut length.
double LongitudTraslape(const Barra& b, Integer fc, Integer fy, bool alta);
// A bar length rounded up to the cutting module (5 cm); a part in a million of slack
// keeps a length that is already whole from taking one module more.
double RedondeaCorte(double largo);

}  // namespace placatec
