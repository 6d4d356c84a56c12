#pragma once
// Quantity take-off: concrete volume and steel weight per bar size of every slab,
// with the waste allowance, the totals of the storey and the steel ratio.
#include <array>
#include <string>
#include <string_view>

#include "model/Interlocutor.h"
#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"
#include "model/TablaResultado.h"

namespace placatec {

inline constexpr std::string_view kTituloMedidas = "Calculo Metrico";
inline constexpr std::string_view kTituloCantidades = "C A N T I D A D E S";
inline constexpr std::string_view kEtiquetaRefuerzo = "EN EL REFUERZO";
inline constexpr std::string_view kEtiquetaTotales = "Totales";
inline constexpr std::string_view kEtiquetaDesperdicio = "% DE DESPERDICIO";
inline constexpr std::array<std::string_view, 7> kColumnasCantidades = {
    "Losa",           "Volumen (m3)",      "ø 3/8\"   (qq)",  "ø 1/2\"   (qq)",
    "ø 3/4\"   (qq)", "   Total     (qq)", "Cuantia  (qq/m3)"};

// The waste allowance (%) at start and after a new project.
inline constexpr Single kDesperdicioInicial = 7.0f;

// The quantities window: "C A N T I D A D E S" (7 columns), its six total labels, the
// text of the waste box and the waste allowance in force, which a load keeps.
struct TablaCantidades {
  TablaResultado tabla;
  std::array<std::string, 6> totales;
  std::string textoDesperdicio = "7";
  Single Desperdicio = kDesperdicioInicial;
};

// Adds the weight of the additional bars over the supports to Qq1..Qq3 of their
// slabs, then fills the table as MuestraCantidades does. Once per calculation: the
// calculation command runs it right after it has stored the span bars.
void CalculaCantidades(const Proyecto& p, ResultadosCalculo& r, TablaCantidades& t);

// The first stage of CalculaCantidades alone: the bars over the supports.
void AgregaBarrasDeApoyos(const Proyecto& p, ResultadosCalculo& r);

// Rebuilds t.tabla (one row per slab: number, volume, the three bar
// weights and their total with the waste allowance, ratio in qq/m3) and the six
// totals ("##0.00") from the stored weights and the current Desperdicio. A slab or
// a storey without volume has a ratio of 0. When the text of the waste box does not
// hold the Desperdicio in force (a new project resets it), the box takes its value.
void MuestraCantidades(const Proyecto& p, const ResultadosCalculo& r, TablaCantidades& t);

// The waste box "% DE DESPERDICIO": whether a typed key goes into the box. Only the
// digits, "." and backspace ('\b') are taken, and none while the box holds a value
// greater than 99; a refused key beeps.
bool TeclaDesperdicio(const TablaCantidades& t, char tecla, Interlocutor& ui);

// Every change of the box's text: the text is kept and Desperdicio takes its value
// (0 for a text that does not start with a number).
void CambiaDesperdicio(TablaCantidades& t, const std::string& texto);

}  // namespace placatec
