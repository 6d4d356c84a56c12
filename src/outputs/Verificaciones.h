#pragma once
// The checks an engineer makes by hand beside the design, on the calculated storey:
// top steel at fixed edges that no continuous support covers, minimum thickness,
// one-way shear at the supported edges, temperature steel of one-way slabs, and the
// limits the method does not enforce itself (ductility, bars that do not fit, edge
// loads a case ignores, a continuous support over an edge that is not fixed), and the
// slabs' places in the plan that contradict a support or overlap.
// Nothing here changes the project or the results of the calculation.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/Refuerzo.h"
#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"
#include "model/TablaResultado.h"

namespace placatec {

// A fixed edge without a continuous support: its edge moment designed as a span.
struct VerificacionBorde {
  Integer losa = 0;
  Integer borde = 0;     // 1 left, 2 right, 3 bottom, 4 top; 0: one of the two of its direction
  char direccion = 'X';  // X: edges 1 and 2, Y: edges 3 and 4
  float momento = 0;     // MomentoNegX (edges 1, 2) or MomentoNegY (3, 4), To-m/m
  bool cumple = false;   // false: the moment exceeds the capacity of the section
  float area = 0;        // cm2/m, with the minimum steel of spans
  const Barra* barra = nullptr;
  float separ = 0;      // m, as a span row's
  float capacidad = 0;  // the largest moment the section takes, To-m/m
};
// "2", or "1 ó 2" when it is not known which edge of the direction is left uncovered.
std::string TextoBorde(const VerificacionBorde& b);

// A limit of the design found broken: each entry a failed check with its reason.
enum class TipoAviso {
  Ductilidad,                  // steel ratio above 0.75 of the balanced ratio
  BarrasNoCaben,               // bars closer than db + max(db, 2.5 cm)
  CargaBordeLibre,             // an edge line load that the slab's case leaves out
  ApoyoSobreBordeNoEmpotrado,  // a continuous support meets an edge "A" or "N"
  PosicionContradictoria,      // the places of the slabs contradict a continuous support
  LosasSuperpuestas,           // two slabs overlap in the storey's plan
};
struct VerificacionAviso {
  TipoAviso tipo = TipoAviso::Ductilidad;
  Integer losa = 0;                        // the slab, 0 for a support's own steel
  Integer apoyo = 0;                       // the support, 0 for a slab's
  Integer borde = 0;                       // the uncovered fixed edge whose steel it is, else 0
  char direccion = 0;                      // 'X' or 'Y' where it has one, else 0
  std::string motivo;                      // one line, in Spanish
  bool cumple = false;                     // always false: only what fails is listed
  std::array<Integer, 2> losasDelApoyo{};  // the slabs a support's entry concerns
  std::string valor, limite;               // what the motivo compares, apart
};
// "Ductilidad", "BarrasNoCaben", "CargaBordeLibre", "ApoyoSobreBordeNoEmpotrado",
// "PosicionContradictoria", "LosasSuperpuestas".
std::string_view NombreAviso(TipoAviso t);
// The words of the checks window and the report.
std::string_view TextoAviso(TipoAviso t);

struct VerificacionLosa {
  Integer losa = 0;
  Integer codigo = 0;       // the case the calculation used
  float luz = 0;            // span the minimum thickness is taken from, m
  float espesorMinimo = 0;  // m
  float espesor = 0;        // m
  bool espesorCumple = false;
  float cortanteUltimo = 0;      // Vu, To/m
  float cortanteResistente = 0;  // phi Vc, To/m
  bool cortanteCumple = false;
  // Slabs with a "Temp" row only.
  std::optional<float> aceroTemperaturaRequerido;  // cm2/m
  std::optional<bool> aceroTemperaturaCumple;      // 3/8" at 0.28 m meets area and spacing
  std::optional<float> separTemperatura;           // 3/8" spacing that meets them, m

  bool Cumple() const { return espesorCumple && cortanteCumple && aceroTemperaturaCumple.value_or(true); }
};

struct Verificaciones {
  std::vector<VerificacionBorde> bordes;
  std::vector<VerificacionLosa> losas;
  std::vector<VerificacionAviso> avisos;
  // Slabs that fail one check or more (an edge, or a support they share, included).
  int LosasQueNoCumplen() const;
};

// The checks of slabs 1..NumLosas after a successful calculation, from its results;
// `vanos` is the span table of the results window, whose "Temp" rows mark the
// temperature steel.
Verificaciones Verifica(const Proyecto& p, const ResultadosCalculo& r, const TablaResultado& vanos);

// "Todas las losas cumplen", "1 losa no cumple", "3 losas no cumplen".
std::string ResumenVerificaciones(const Verificaciones& v);

// A failed check as the summary of the report lists it, one line each.
struct FallaVerificacion {
  std::string elemento;      // "Losa 3", "Apoyo 2 (losas 1 y 2)"
  std::string comprobacion;  // "Espesor minimo", "Cortante", ...
  std::string valor;         // what was found, with its unit
  std::string limite;        // what it should be
};
// Every failed check: slab by slab (its edges, thickness, shear, temperature steel and
// the other checks of its steel), then those of the supports.
std::vector<FallaVerificacion> Fallas(const Verificaciones& v);
inline constexpr std::array<std::string_view, 4> kColumnasFallas = {"Elemento", "Verificaci\xC3\xB3n",
                                                                    "Valor", "L\xC3\xADmite"};

// The tables of the "Verificaciones" window and of the report.
inline constexpr std::string_view kTituloVerificaciones = "Verificaciones";
inline constexpr std::string_view kCumple = "Cumple";
inline constexpr std::string_view kNoCumple = "No cumple";
inline constexpr std::string_view kTituloBordes = "ACERO SUPERIOR EN BORDES EMPOTRADOS SIN APOYO CONTINUO";
inline constexpr std::string_view kTituloEspesores = "ESPESOR MINIMO";
inline constexpr std::string_view kTituloCortantes = "CORTANTE EN LOS BORDES APOYADOS";
inline constexpr std::string_view kTituloTemperatura = "ACERO DE TEMPERATURA";
inline constexpr std::string_view kTituloAvisos = "OTRAS VERIFICACIONES DEL DISEÑO";
inline constexpr std::array<std::string_view, 7> kColumnasBordes = {
    "Losa", "Borde", "Mom (To-m/m)", "Area (cm2/m)", "Barras", "Separ (m)", "Verificacion"};
inline constexpr std::array<std::string_view, 6> kColumnasEspesores = {
    "Losa", "Trabaja en", "Luz (m)", "Esp. minimo (m)", "Espesor (m)", "Verificacion"};
inline constexpr std::array<std::string_view, 4> kColumnasCortantes = {"Losa", "Vu (To/m)", "ø Vc (To/m)",
                                                                       "Verificacion"};
inline constexpr std::array<std::string_view, 6> kColumnasTemperatura = {
    "Losa", "Espesor (m)", "Requerido (cm2/m)", "Colocado (cm2/m)", "Separ ø 3/8\" (m)", "Verificacion"};
inline constexpr std::array<std::string_view, 6> kColumnasAvisos = {"Losa",         "Apoyo",  "Dir",
                                                                    "Comprobacion", "Motivo", "Verificacion"};

struct TablasVerificaciones {
  std::string resumen;
  // The last column of each says "Cumple" or "No cumple".
  TablaResultado bordes, espesores, cortantes, temperatura, avisos;
};
TablasVerificaciones TablasDe(const Verificaciones& v);

}  // namespace placatec
