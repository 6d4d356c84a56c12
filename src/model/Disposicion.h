#pragma once
// Where each slab lies in the storey. A slab's place is its lower-left corner (X0, Y0)
// in metres, X along edge 3 and Y along edge 1. The engineer may set either coordinate
// of any slab (Proyecto::X0, Y0); the rest follow from the continuous supports:
//  - a support of direction X puts its "Losa 2" to the right of its "Losa 1", bottoms
//    aligned: X0(2) = X0(1) + Lx(1), Y0(2) = Y0(1);
//  - a support of direction Y puts "Losa 2" above "Losa 1", left edges aligned:
//    X0(2) = X0(1), Y0(2) = Y0(1) + Ly(1).
// The supports are walked in table order, again and again until no slab is placed,
// and the first placement of a slab stands. A group of slabs that the supports join
// (a single slab when none reaches it) is laid out from its lowest-numbered slab and
// moved so that it starts at Y = 0 and, for the first group, at X = 0; each further
// group goes in a row to the right of the ones before, kHuecoDisposicion apart. A
// coordinate the engineer set is not moved. A support that the places contradict and
// two slabs that overlap are listed as problems; the layout keeps the first placement.
#include <string>
#include <vector>

#include "model/Proyecto.h"

namespace placatec {

// The gap between groups of slabs that no support joins (m).
inline constexpr double kHuecoDisposicion = 1.0;
// Two places closer than this are the same place (m).
inline constexpr double kToleranciaPosicion = 0.001;
// The largest coordinate an engineer may set, either sign (m).
inline constexpr float kPosicionMaxima = 10000.0f;

enum class TipoProblemaPosicion { Contradiccion, Superposicion };

struct ProblemaPosicion {
  TipoProblemaPosicion tipo = TipoProblemaPosicion::Contradiccion;
  Integer apoyo = 0;             // the support the places contradict; 0 for an overlap
  Integer losa1 = 0, losa2 = 0;  // the two slabs concerned
  std::string texto;             // one line, in Spanish
};

struct Disposicion {
  Tabla<double> X0{}, Y0{};  // slabs 1..NumLosas, m
  std::vector<ProblemaPosicion> problemas;
};

Disposicion DisponeLosas(const Proyecto& p);

// The number of slabs the layout covers: NumLosas within 0..99.
int LosasDispuestas(const Proyecto& p);

}  // namespace placatec
