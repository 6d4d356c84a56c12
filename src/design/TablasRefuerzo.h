#pragma once
// The two tables of the results window ("REFUERZO EN VANOS", "REFUERZO EN APOYOS")
// from a calculated project, with the temperature-steel and cantilever rules.
#include <array>
#include <string>
#include <string_view>

#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"
#include "model/TablaResultado.h"

namespace placatec {

inline constexpr std::string_view kTituloResultados = "RESULTADOS";
inline constexpr std::string_view kTituloVanos = "REFUERZO EN VANOS";
inline constexpr std::string_view kTituloApoyosRefuerzo = "REFUERZO EN APOYOS";
inline constexpr std::string_view kGrupoVanos = "Refuerzo";             // above columns 3..5
inline constexpr std::string_view kGrupoApoyos = "Refuerzo Adicional";  // above columns 6..7

inline constexpr std::array<std::string_view, 7> kColumnasVanos = {
    "Losa Num", "Dir", "  Mom   (To-m/m)", "Area (cm2/m)", "Barras", "Separ (m)", "Tipo"};
inline constexpr std::array<std::string_view, 8> kColumnasApoyosRefuerzo = {
    "Apoyo Num",      "Dir",    "Losas",     "  Mom   (To-m/m)", "Area (cm2/m)",
    "Dispon (cm2/m)", "Barras", "Separ  (m)"};

// The additional bars over a support are never set further apart than this (m).
inline constexpr float kSeparMaximaApoyo = 1.0f;

// Fills vanos (two rows per slab, X then Y) and apoyos (one row per support) from
// the project and its results, applying the temperature-steel and cantilever rules;
// stores in r the area and spacing of a direction that takes temperature steel, the span-bar
// weights in Qq1..Qq3, and BarraApoyo and the capped SeparApoyo.
void LlenaTablasRefuerzo(const Proyecto& p, ResultadosCalculo& r, TablaResultado& vanos,
                         TablaResultado& apoyos);

// The first number shown or summed that is not finite (absurd data can overflow a
// Single), as the message that names its slab ("Resultados fuera de rango en la
// Losa No. ...") or support; "" when all are.
std::string FueraDeRango(const ResultadosCalculo& r, const TablaResultado& vanos,
                         const TablaResultado& apoyos);

// Style of a "Tipo" cell: "Azul" for "Simple", "Rojo" for every other comment.
std::string_view EstiloTipo(std::string_view tipo);

}  // namespace placatec
