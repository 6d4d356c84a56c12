#pragma once
// The plan of the storey as drawing primitives in storey coordinates (metres, Y up):
// the slabs, their edges by condition (E hatched, A a line, N dashed), the continuous
// and extra supports, the steel of the last calculation and the dimensions, each on a
// layer of its own. The main window, the plan window, the report and the DXF all draw
// from one DibujoPlanta; a slab or support with a failed check is marked `falla`.
//
// Steel goes in as bar marks (BarraPlanta): by default those of the calculation, one per
// slab and direction at the bottom, one per support and per uncovered fixed edge at
// the top (MarcasPorMetro). The bar schedule hands its own marks, with their real bar
// lengths and hooks, through OpcionesPlanta::marcas (MarcasDePlanilla); DibujaMarca
// draws one mark on the steel layers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Disposicion.h"
#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"
#include "model/TablaResultado.h"
#include "outputs/Planilla.h"
#include "outputs/Verificaciones.h"

namespace placatec {

enum class CapaPlanta : std::uint8_t {
  Losas,             // each slab's outline
  BordesEmpotrados,  // edges "E" and their hatching
  BordesApoyados,    // edges "A"
  BordesLibres,      // edges "N", dashed
  Apoyos,            // continuous supports and the reactions table's extra supports
  AceroInferior,     // bottom bars and their labels
  AceroSuperior,     // top bars and their labels
  Textos,            // slab numbers and spans, support names
  Cotas,             // dimensions
};
inline constexpr int NumCapasPlanta = 9;
// The layer's name in a DXF: "LOSAS", "BORDES_EMPOTRADOS", ...
std::string_view NombreCapa(CapaPlanta c);

// How a layer looks on screen and paper: its colour (0xRRGGBB), red for what fails,
// and the weight of its lines in millimetres on paper (0: not stroked).
std::uint32_t ColorCapa(CapaPlanta c);
inline constexpr std::uint32_t kColorFalla = 0xD00000;
double GrosorCapa(CapaPlanta c, bool auxiliar);

struct PuntoPlanta {
  double x = 0, y = 0;
  bool operator==(const PuntoPlanta&) const = default;
};

struct TrazoPlanta {
  CapaPlanta capa = CapaPlanta::Losas;
  PuntoPlanta a, b;
  bool falla = false;
  bool auxiliar = false;  // hatching, the ticks of a bar or a dimension: drawn thin
};

// A slab's outline, counter-clockwise from its lower-left corner.
struct ContornoPlanta {
  Integer losa = 0;
  std::array<PuntoPlanta, 4> esquinas{};
  bool falla = false;
};

enum class AnclaTexto : std::uint8_t { Izquierda, Centro, Derecha };

// A line of text. `en` is the point of its middle height at its left end, centre or
// right end (`ancla`), measured along the text, which turns `angulo` degrees
// counter-clockwise about that point.
struct TextoPlanta {
  CapaPlanta capa = CapaPlanta::Textos;
  std::string texto;  // UTF-8
  PuntoPlanta en;
  double alto = 0;  // m
  double angulo = 0;
  AnclaTexto ancla = AnclaTexto::Centro;
  bool falla = false;
};

struct DibujoPlanta {
  std::vector<ContornoPlanta> contornos;
  std::vector<TrazoPlanta> trazos;
  std::vector<TextoPlanta> textos;
  // The rectangle the drawing covers, dimensions and texts included.
  PuntoPlanta minimo, maximo;
  // The places that contradict a support, the slabs that overlap.
  std::vector<ProblemaPosicion> problemas;
};

// A mark of bars: the bars of one slab or support in one direction, drawn as a line
// from `inicio` to `fin` (storey coordinates, m) with its label at its middle.
struct BarraPlanta {
  Integer losa = 0;           // the slab whose bars these are, or 0
  Integer apoyo = 0;          // the support whose bars these are, or 0
  char direccion = 'X';       // 'X' or 'Y'
  bool superior = false;      // top steel: AceroSuperior, else AceroInferior
  PuntoPlanta inicio, fin;    // m
  std::string etiqueta;       // "ø 3/8\" a 0.20", "M7: 58 ø 3/8\" a 0.16", ...
  std::string etiquetaCorta;  // drawn where `etiqueta` does not fit the bar ("M7"), or nothing
  bool falla = false;
  // Where the label goes: its centre at this part of the bar's length or, with
  // AnclaTexto::Izquierda or Derecha, starting or ending a little way from there (a
  // support the bar crosses), along the bar as it reads from the left or from below.
  double lugarEtiqueta = 0.5;
  AnclaTexto anclaEtiqueta = AnclaTexto::Centro;
  // The leg of a standard hook at `inicio` (m; 0: no hook), drawn turned into the plan.
  double gancho = 0;
  Integer marca = 0;  // the schedule's mark, or 0
};

// What a calculation gives the plan: its results, the span table of the results window
// (its "Tipo" column) and the checks.
struct RefuerzoPlanta {
  const ResultadosCalculo& resultados;
  const TablaResultado& vanos;
  const Verificaciones& verificaciones;
};

struct OpcionesPlanta {
  // Height of ordinary texts (m): 0.125 is 2.5 mm on a drawing at 1:50. Slab numbers
  // are larger; hatching and ticks follow it.
  double altoTexto = 0.125;
  bool cotas = true;
  // Leave out a text that does not fit its slab or its bar (a drawing seen from far);
  // a DXF keeps every text.
  bool omiteTextosQueNoCaben = false;
  // The bar marks to draw instead of those of MarcasPorMetro.
  std::optional<std::vector<BarraPlanta>> marcas;
};

// The plan of slabs 1..NumLosas laid out by `d`; with `refuerzo`, the steel and the
// failed checks of that calculation.
DibujoPlanta DibujaPlanta(const Proyecto& p, const Disposicion& d, const RefuerzoPlanta* refuerzo,
                          const OpcionesPlanta& o = {});

// The steel per metre of a calculation as marks: the bottom bars of each slab and
// direction across its span, the top bars across each continuous support (those with
// additional bars) and into each uncovered fixed edge, the cantilever bars on top.
std::vector<BarraPlanta> MarcasPorMetro(const Proyecto& p, const Disposicion& d, const RefuerzoPlanta& r);

// The marks of a bar schedule: each mark's typical bar in storey coordinates, where its
// bars go along their direction and, across it, at a place of its own within the slab
// (or the stretch of support) they are spread over, so that no two marks of a layer
// lie on one line; labelled "M7: 58 ø 3/8\" a 0.16". The fixed edges whose moment
// exceeds the section, which the schedule leaves out, are marked "Excede la seccion".
std::vector<BarraPlanta> MarcasDePlanilla(const Planilla& pl, const Proyecto& p, const Disposicion& d,
                                          const Verificaciones& v);

// "M7: 58 ø 3/8\" a 0.16": the mark, the number of bars, the bar and its spacing.
std::string EtiquetaMarca(const MarcaBarra& m);

// One mark on its steel layer: the bar line with a short tick at each end (a leg at a
// hooked end), and its label along the line where the mark asks for it. DibujaPlanta
// moves a label that would cover another text or cross a line to a free place.
void DibujaMarca(const BarraPlanta& m, const OpcionesPlanta& o, DibujoPlanta& dibujo);

// The rectangle a text covers in the plan, turned or not: lower-left and upper-right.
std::array<PuntoPlanta, 2> ExtensionTexto(const TextoPlanta& t);

// The width a text of `alto` takes, roughly: for fitting texts without a font.
double AnchoTexto(std::string_view texto, double alto);

}  // namespace placatec
