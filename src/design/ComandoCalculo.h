#pragma once
// "Calcular &Refuerzo": the whole calculation, then the two tables of the results
// window ("REFUERZO EN VANOS", "REFUERZO EN APOYOS") and the quantity take-off.
#include <array>
#include <string>
#include <string_view>

#include "model/Interlocutor.h"
#include "model/Sesion.h"

namespace placatec {

inline constexpr std::string_view kTituloResultados = "RESULTADOS";
inline constexpr std::string_view kTituloVanos = "REFUERZO EN VANOS";
inline constexpr std::string_view kTituloApoyosRefuerzo = "REFUERZO EN APOYOS";
inline constexpr std::string_view kGrupoVanos = "Refuerzo";            // above columns 3..5
inline constexpr std::string_view kGrupoApoyos = "Refuerzo Adicional";  // above columns 6..7
inline constexpr std::string_view kEstadoCalculando = "Calculando Momentos y Refuerzo...";

inline constexpr std::array<std::string_view, 7> kColumnasVanos = {
    "Losa Num", "Dir", "  Mom   (To-m)", "Area (Cm2)", "Barras", "Separ (m)", "Tipo"};
inline constexpr std::array<std::string_view, 8> kColumnasApoyosRefuerzo = {
    "Apoyo Num", "Dir", "Losas", "  Mom   (To-m)", "Area (cm2)", "Dispon (cm2)", "Barras",
    "Separ  (m)"};

// Runs the calculation. On an engine error (the engine has shown its message), or
// when data so large that a result overflows a Single ("Resultados fuera de rango
// en la Losa No. ..."), it sets ErrorCalculo to 1, returns false and leaves the
// tables, Qq1..Qq3, BarraApoyo, SeparApoyo and CalculoHecho as they were; the
// status keeps "Calculando Momentos y Refuerzo...".
// Otherwise it fills sesion.vanos (two rows per slab, X then Y) and
// sesion.apoyosRefuerzo (one row per support) with the temperature-steel and
// cantilever rules, stores the span-bar weights in Qq1..Qq3, runs the quantity
// take-off, clears the status, sets CalculoHecho and returns true.
bool CalculaRefuerzo(Sesion& sesion, Interlocutor& ui);

// Style of a "Tipo" cell: "Azul" for "Simple", "Rojo" for every other comment.
std::string_view EstiloTipo(std::string_view tipo);

}  // namespace placatec
