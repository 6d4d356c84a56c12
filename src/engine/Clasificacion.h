#pragma once
// The case code of a slab from its spans and edge letters.
#include <optional>
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

// The one-way code (10..13) of the two edge letters that carry a one-way slab; nothing
// for a pair without a case.
std::optional<Integer> ClasificaDosBordes(std::string_view bordes);

// The two-way code (1..9 and 14..25) of a slab's four edge letters; nothing for a
// combination without a case: the slab table then shows kTextoBordesNoValidos.
std::optional<Integer> ClasificaCuatroBordes(std::string_view bordes);

// The message of a rejected edge combination (title "ERROR").
inline constexpr std::string_view kTextoBordesNoValidos = "Condiciones de Borde No Validas";

// The letters that decide a slab's case: edges 3 and 4 (Lx the longer span) or 1 and
// 2 of a one-way slab, all four of a two-way slab. Spans must be greater than 0.
std::string BordesDelCaso(float lx, float ly, const std::string& bordes);

// The case code of a slab from its spans and edge letters; nothing when its edges have
// no case. Spans must be greater than 0.
std::optional<Integer> ClasificaLosa(float lx, float ly, const std::string& bordes);

// What a case code stands for, in words: one-way or two-way, and how the edges of
// each direction are held; empty for a code outside 1..25.
std::string DescripcionCaso(int codigo);

}  // namespace placatec
