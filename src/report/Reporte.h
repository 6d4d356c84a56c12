#pragma once
// Composition of the printed report (`Inicia`): its sections, in the order of
// `kSecciones`, from the project and the result tables of the session.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "comandos/Sesion.h"
#include "model/TablaResultado.h"
#include "report/Documento.h"

namespace placatec {

// The sections of the report; the value indexes the check boxes.
enum class Seccion {
  Datos = 0,
  Refuerzo = 1,
  Reacciones = 2,
  CalculoMetrico = 3,
  BasesDiseno = 4,
  AnalisisLosas = 5,
  Verificaciones = 6,
  Planilla = 7,
  Planta = 8
};
constexpr int NumSecciones = 9;

// A section as the preview lists it: its check box and whether it needs a calculation.
struct DefinicionSeccion {
  Seccion seccion;
  const char* titulo;  // caption of its check box
  const char* nombre;  // object name of its check box
  bool necesitaCalculo;
};
// The sections in the order they are composed. A new section is one more row here
// and its procedure in the table of `Reporte::Inicia`.
inline constexpr std::array<DefinicionSeccion, NumSecciones> kSecciones{{
    {Seccion::Datos, "Datos", "Check3", false},
    {Seccion::Planta, "Planta", "CheckPlanta", false},
    {Seccion::BasesDiseno, "Bases de dise\xC3\xB1o", "CheckBases", false},
    {Seccion::AnalisisLosas, "An\xC3\xA1lisis de losas", "CheckAnalisis", true},
    {Seccion::Refuerzo, "Refuerzo", "Check4", true},
    {Seccion::Reacciones, "Reacciones", "Check2", false},
    {Seccion::CalculoMetrico, "Calculo metrico", "Check1", true},
    {Seccion::Verificaciones, "Verificaciones", "Check5", true},
    {Seccion::Planilla, "Planilla de barras", "CheckPlanilla", true},
}};

// Whether a section's check box is enabled: the result sections need a slab to
// calculate (the report runs the calculation itself).
bool SeccionHabilitada(Seccion seccion, const Sesion& s);

// The footer of a report whose user set none: the page number on the right.
inline constexpr std::string_view kPieReporte = "||Pag %d";

// The header and footer of the project's report: those the user set in the preview,
// else the title on the left and the page number on the right.
std::string EncabezadoReporte(const Sesion& s);
std::string PieReporte(const Sesion& s);

constexpr std::array<bool, NumSecciones> TodasMarcadas() {
  std::array<bool, NumSecciones> a{};
  a.fill(true);
  return a;
}
// The boxes as the preview first shows them: every section but "Verificaciones" and
// "Planilla de barras", so that the report prints as it always did until the engineer
// asks for them.
constexpr std::array<bool, NumSecciones> MarcadasPorDefecto() {
  std::array<bool, NumSecciones> a = TodasMarcadas();
  a[static_cast<std::size_t>(Seccion::Verificaciones)] = false;
  a[static_cast<std::size_t>(Seccion::Planilla)] = false;
  return a;
}

struct OpcionesReporte {
  std::array<bool, NumSecciones> marcadas = MarcadasPorDefecto();  // check boxes, by Seccion
  std::string fecha;  // date printed in the design basis; empty: today
  EstilosReporte estilos = EstilosPorDefecto();
  std::string encabezado;        // header field
  std::string pie{kPieReporte};  // footer field
};

// The recomputations run right before their sections: the reactions grid, the
// quantities grid with its totals, and, before anything, the calculation of the
// reinforcement, which gives "" or the message that refused it.
struct Recalculos {
  std::function<void(Sesion&)> reacciones;
  std::function<void(Sesion&)> cantidades;
  std::function<std::string(Sesion&)> refuerzo;
};
// Those of the program (the reaction, quantity and reinforcement calculations).
Recalculos RecalculosDelPrograma();

// A row of the dead-load build-up as the general data dialog shows it.
struct FilaCargaMuerta {
  std::string rotulo;
  std::string peso;  // text of the weight box, To/m2
};
std::array<FilaCargaMuerta, 6> FilasCargaMuerta(const Sesion& s);

// bar(A) of the span rows: the bar of the design area as the results window writes
// it, then " a " (`ø 3/8" a `).
std::string BarraReporte(float area);

class Reporte {
 public:
  // Composes the whole document; each call starts afresh. A section is composed
  // when its box is checked and enabled; the reactions and quantities are
  // recomputed (through `recalculos`) only when their section is. When a result
  // section is, the reinforcement is calculated first from the data as they are,
  // so that the report never prints results of other data; a refused calculation
  // prints its message and "Refuerzo no calculado" in place of those sections.
  Documento Inicia(Sesion& s, const OpcionesReporte& opciones,
                   const Recalculos& recalculos = RecalculosDelPrograma());

  // Prints one table from its format, header and body strings.
  // `juntas` rows stay together on a page (a slab's X and Y rows).
  void MuestraTabla(const std::string& fo, const std::string& he, const std::string& bo, int juntas = 1);
  // A table of results under its column titles, each cell as displayed.
  void MuestraTablaResultado(const std::string& fo, std::span<const std::string_view> columnas,
                             const TablaResultado& filas);
  // The "Texto" style and the body-text spacing.
  void SetNormal();
  // A blank line, the sub-title s in the "Sub-Titulos" style, then SetNormal.
  void SetSubTitle(const std::string& s);

 private:
  void Parrafo(const std::string& texto, bool juntoConSiguiente);
  void FiguraBordes();
  void SeccionDatos(Sesion& s, const Recalculos& r);
  void SeccionBasesDiseno(Sesion& s, const Recalculos& r);
  void SeccionAnalisisLosas(Sesion& s, const Recalculos& r);
  void SeccionRefuerzo(Sesion& s, const Recalculos& r);
  void SeccionReacciones(Sesion& s, const Recalculos& r);
  void SeccionCalculoMetrico(Sesion& s, const Recalculos& r);
  void Leyenda(const std::string& filas);
  void SeccionVerificaciones(Sesion& s, const Recalculos& r);
  void SeccionPlanilla(Sesion& s, const Recalculos& r);
  void SeccionPlanta(Sesion& s, const Recalculos& r);
  void RefuerzoNoCalculado(const std::string& subtitulo, const std::string& mensaje);

  Documento doc_;
  std::string fecha_;
  EstilosReporte estilos_;
  Estilo fuente_;                     // the font in force
  std::array<double, 4> espacios_{};  // spacing and indent settings, twips
};

}  // namespace placatec
