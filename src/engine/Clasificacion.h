#pragma once
// The case code of a slab from its spans and edge letters.
#include <string>

#include <string_view>

#include "model/Proyecto.h"

namespace placatec {

// One-way slab: one span at least twice the other (a ratio of exactly 2 included).
bool EsLosaEnUnaDireccion(float lx, float ly);
// The one-way cases, 10 to 13 (13 the cantilever).
bool EsCasoUnaDireccion(int codigo);
// The direction a one-way slab of span ratio m = Ly / Lx spans: X (between edges 1 and
// 2) when m > 0.5, a ratio of exactly 2 included; Y when m <= 0.5.
bool UnaDireccionEnX(float relacionLados);

// Looks BordesActual up among the one-way codes 10..13. An unlisted pair sets
// ErrorBordes to 1 silently and leaves CodigoBordes as it was.
void ClasificaDosBordes(Proyecto& p);

// Looks BordesActual up among the two-way codes 1..9 and 14..25. An unlisted string
// sets ErrorBordes to 1 and returns false: the caller then shows kTextoBordesNoValidos.
bool ClasificaCuatroBordes(Proyecto& p);

// The message of a rejected edge combination (title "ERROR").
inline constexpr std::string_view kTextoBordesNoValidos = "Condiciones de Borde No Validas";

// Chooses the letters that decide the case (edges 3 and 4 or 1 and 2 of a one-way
// slab, all four of a two-way slab), puts them into BordesActual and runs the lookup.
// Returns true when ErrorBordes is 0; the caller stores CodigoBordes.
// Spans must be greater than 0.
bool ClasificaLosa(Proyecto& p, float lx, float ly, const std::string& bordes);

// What a case code stands for, in words: one-way or two-way, and how the edges of
// each direction are held; empty for a code outside 1..25.
std::string DescripcionCaso(int codigo);

}  // namespace placatec
