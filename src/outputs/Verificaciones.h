#pragma once
// The checks an engineer makes by hand beside the design, on the calculated storey:
// top steel at fixed edges that no continuous support covers, minimum thickness,
// one-way shear at the supported edges and temperature steel of one-way slabs.
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
  Integer borde = 0;    // 1 left, 2 right, 3 bottom, 4 top
  float momento = 0;    // MomentoNegX (edges 1, 2) or MomentoNegY (3, 4), To-m/m
  bool cumple = false;  // false: the moment exceeds the capacity of the section
  float area = 0;       // cm2/m, with the minimum steel of spans
  const Barra* barra = nullptr;
  float separ = 0;  // m, at most 3 x thickness
};

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
  // Slabs that fail one check or more (an edge included).
  int LosasQueNoCumplen() const;
};

// The checks of slabs 1..NumLosas after a successful calculation, from its results;
// `vanos` is the span table of the results window, whose "Temp" rows mark the
// temperature steel.
Verificaciones Verifica(const Proyecto& p, const ResultadosCalculo& r, const TablaResultado& vanos);

// "Todas las losas cumplen", "1 losa no cumple", "3 losas no cumplen".
std::string ResumenVerificaciones(const Verificaciones& v);

// The area of temperature steel the code asks for, cm2/m, for a gross thickness (m).
float AceroTemperaturaRequerido(float espesor, Integer fy);

// The tables of the "Verificaciones" window and of the report.
inline constexpr std::string_view kTituloVerificaciones = "Verificaciones";
inline constexpr std::string_view kCumple = "Cumple";
inline constexpr std::string_view kNoCumple = "No cumple";
inline constexpr std::string_view kTituloBordes = "ACERO SUPERIOR EN BORDES EMPOTRADOS SIN APOYO CONTINUO";
inline constexpr std::string_view kTituloEspesores = "ESPESOR MINIMO";
inline constexpr std::string_view kTituloCortantes = "CORTANTE EN LOS BORDES APOYADOS";
inline constexpr std::string_view kTituloTemperatura = "ACERO DE TEMPERATURA";
inline constexpr std::array<std::string_view, 7> kColumnasBordes = {
    "Losa", "Borde", "Mom (To-m)", "Area (cm2)", "Barras", "Separ (m)", "Verificacion"};
inline constexpr std::array<std::string_view, 6> kColumnasEspesores = {
    "Losa", "Trabaja en", "Luz (m)", "Esp. minimo (m)", "Espesor (m)", "Verificacion"};
inline constexpr std::array<std::string_view, 4> kColumnasCortantes = {"Losa", "Vu (To/m)", "ø Vc (To/m)",
                                                                       "Verificacion"};
inline constexpr std::array<std::string_view, 6> kColumnasTemperatura = {
    "Losa", "Espesor (m)", "Requerido (cm2)", "Colocado (cm2)", "Separ ø 3/8\" (m)", "Verificacion"};

struct TablasVerificaciones {
  std::string resumen;
  TablaResultado bordes, espesores, cortantes, temperatura;  // the last column "Cumple"/"No cumple"
};
TablasVerificaciones TablasDe(const Verificaciones& v);

}  // namespace placatec
