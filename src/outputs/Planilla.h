#pragma once
// The bar schedule ("Planilla de barras") of the calculated storey: every bar the
// design places, as a mark with its bar, spacing, shape, whole count and cut length,
// the totals per bar size and, beside them, the weights of the quantity take-off.
// Lengths follow the anchorage rules of design/Anclajes.h, measured from the centre
// lines of the supports (the program knows no support widths). Each mark carries a
// typical bar as a line in the coordinates of one slab, for the storey plan.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design/Refuerzo.h"
#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"
#include "model/TablaResultado.h"
#include "outputs/Verificaciones.h"

namespace placatec {

enum class TipoMarca {
  Inferior,       // span bars of a slab and direction
  SuperiorDoble,  // the top face of a "Doble" span row
  Temperatura,    // a "Temp" row
  Apoyo,          // top bars over a continuous support
  Borde,          // top bars at a fixed edge no continuous support covers, hooked into it
  Voladizo,       // top bars of a cantilever, anchored back past its support
};

struct MarcaBarra {
  Integer marca = 0;  // 1, 2, ... in the order of the schedule
  TipoMarca tipo = TipoMarca::Inferior;
  Integer losa = 0;    // the slab; for a support, 0
  Integer apoyo = 0;   // the support over which the bars pass, else 0
  Integer borde = 0;   // an uncovered edge as the checks name it (0: one of its direction)
  char direccion = 0;  // 'X' or 'Y': the direction the bars run in
  bool superior = false;
  const Barra* barra = nullptr;
  Single separ = 0;       // m
  Single area = 0;        // cm2/m the bars give at least
  Single ancho = 0;       // m, the width the bars are spread over
  Integer cantidad = 0;   // whole bars: ancho / separ rounded up, plus one
  Single gancho = 0;      // m, the leg of a 90-degree hook at one end; 0 for a straight bar
  Integer empalmes = 0;   // lap splices in one bar
  Single traslape = 0;    // m, the length of each lap
  Single largo = 0;       // m, the cut length of one bar, hook and laps included
  Single largoTotal = 0;  // m
  Single peso = 0;        // kg
  // A typical bar from (x0, y0) to (x1, y1), in metres from the lower-left corner of
  // slab losaReferencia (X along edge 3, Y along edge 1); a support's bars are given
  // in its "Losa 1". The hook, when there is one, is at (x0, y0).
  Integer losaReferencia = 0;
  Single x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  Integer bordeDibujado = 0;  // the edge an edge mark is drawn at
};

struct TotalBarra {
  const Barra* barra = nullptr;
  Single largo = 0;           // m
  Single peso = 0;            // kg
  Single pesoCantidades = 0;  // kg, the take-off's weight of the size, without waste
};

struct Planilla {
  std::vector<MarcaBarra> marcas;
  std::array<TotalBarra, 3> totales{};  // 3/8, 1/2 and 3/4 inch
  Single peso = 0, pesoCantidades = 0;  // kg
  // What the schedule cannot place, one line each (a section exceeded, say).
  std::vector<std::string> notas;
};

// The schedule of slabs 1..NumLosas and supports 1..NumApoyos after a calculation,
// from its results, the span table of the results window (whose "Tipo" says which
// rows are "Doble", "Temp" or "Vuelo") and the checks (the uncovered fixed edges).
// The take-off weights are read from Qq1..Qq3, without waste.
Planilla CalculaPlanilla(const Proyecto& p, const ResultadosCalculo& r, const TablaResultado& vanos,
                         const Verificaciones& v);

// "Inferior", "SuperiorDoble", "Temperatura", "Apoyo", "Borde", "Voladizo".
std::string_view NombreTipoMarca(TipoMarca t);
// "Losa 1, X", "Apoyo 2, X", "Losa 3, borde 1 ó 2", "Losa 4, voladizo X".
std::string UbicacionMarca(const MarcaBarra& m);
// "Recta", "Gancho 0.16 m", then ", 1 traslape de 0.55 m" when spliced.
std::string FormaMarca(const MarcaBarra& m);

inline constexpr std::string_view kTituloPlanilla = "Planilla de barras";
inline constexpr std::string_view kTituloMarcas = "B A R R A S";
inline constexpr std::string_view kTituloTotalesPlanilla = "TOTALES POR DIAMETRO";
inline constexpr std::array<std::string_view, 10> kColumnasPlanilla = {
    "Marca", "Ubicacion", "Capa",      "Barra",          "Separ (m)",
    "Forma", "Cant.",     "Largo (m)", "Largo tot. (m)", "Peso (kg)"};
inline constexpr std::array<std::string_view, 6> kColumnasTotalesPlanilla = {
    "Barra", "Largo (m)", "Planilla (kg)", "Calculo metrico (kg)", "Diferencia (kg)", "Diferencia (%)"};

// The schedule as the window and the report show it, and the totals with the
// take-off beside them (a last row "Total").
TablaResultado TablaMarcas(const Planilla& p);
TablaResultado TablaTotalesPlanilla(const Planilla& p);
// The rules of the lengths and weights in one line, under the window's tables.
std::string ReglasPlanilla();

// The schedule as CSV: one header row, one row per mark, decimal point, UTF-8, fields
// with a comma or a quote quoted, lines ended by "\n".
std::string CsvPlanilla(const Planilla& p);

}  // namespace placatec
