#pragma once
// Composition of the printed report (`Inicia`): the sections "Datos", "Refuerzo",
// "Reacciones", "Calculo metrico" and "Verificaciones", in that order, from the project
// and the result tables of the session.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "comandos/Sesion.h"
#include "report/Documento.h"

namespace placatec {

// The sections in the order they are composed.
enum class Seccion { Datos = 0, Refuerzo = 1, Reacciones = 2, CalculoMetrico = 3, Verificaciones = 4 };
constexpr int NumSecciones = 5;

// Whether a section's check box is enabled: the result sections need a slab to
// calculate (the report runs the calculation itself).
bool SeccionHabilitada(Seccion s, const Proyecto& p);

// The footer of a report whose user set none: the page number on the right.
inline constexpr std::string_view kPieReporte = "||Pag %d";

// The header and footer of the project's report: those the user set in the preview,
// else the title on the left and the page number on the right.
std::string EncabezadoReporte(const Proyecto& p);
std::string PieReporte(const Proyecto& p);

struct OpcionesReporte {
  // Check boxes. "Verificaciones" starts unchecked: the report prints as it always
  // did until the engineer asks for the checks.
  std::array<bool, NumSecciones> marcadas{true, true, true, true, false};
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

// bar(A) of the span rows: "ø3/8 a ", "ø1/2 a " or "ø3/4 a " by the design area.
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
  void MuestraTabla(const std::string& fo, const std::string& he, const std::string& bo);
  // The "Texto" style and the body-text spacing.
  void SetNormal();
  // A blank line, the sub-title s in the "Sub-Titulos" style, then SetNormal.
  void SetSubTitle(const std::string& s);

 private:
  void Parrafo(const std::string& texto, bool juntoConSiguiente);
  void FiguraBordes();
  void SeccionDatos(const Sesion& s);
  void SeccionRefuerzo(const Sesion& s);
  void SeccionReacciones(const Sesion& s);
  void SeccionCalculoMetrico(const Sesion& s);
  void SeccionVerificaciones(const Sesion& s);
  void RefuerzoNoCalculado(const std::string& subtitulo, const std::string& mensaje);

  Documento doc_;
  EstilosReporte estilos_;
  Estilo fuente_;                     // the font in force
  std::array<double, 4> espacios_{};  // spacing and indent settings, twips
};

}  // namespace placatec
