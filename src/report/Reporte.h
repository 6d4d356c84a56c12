#pragma once
// Composition of the printed report (`Inicia`): its sections, in the order of
// `kSecciones`, from the project and the result tables of the session.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "comandos/Sesion.h"
#include "report/Documento.h"

namespace placatec {

// The sections of the report; the value indexes the check boxes (the preview places
// them by it, the newer ones below). A new section is a value here, one row of
// kSecciones and its procedure in Reporte.
enum class Seccion {
  Datos = 0,
  Refuerzo = 1,
  Reacciones = 2,
  CalculoMetrico = 3,
  BasesDiseno = 4,
  AnalisisLosas = 5,
  Verificaciones = 6,
  Resumen = 7,
  Planilla = 8,
  Planta = 9,
  Cuenta  // the number of sections, not one
};
constexpr int NumSecciones = static_cast<int>(Seccion::Cuenta);
using MarcasSecciones = std::array<bool, NumSecciones>;

// The boxes as the preview first shows them, and as `--pdf` prints unless told
// otherwise: every section that is checked by default in kSecciones.
MarcasSecciones MarcadasPorDefecto();
inline MarcasSecciones TodasMarcadas() {
  MarcasSecciones a{};
  a.fill(true);
  return a;
}

// The footer of a report whose user set none: the revision of the project on the
// left ("%r"), the page and the number of pages on the right.
inline constexpr std::string_view kPieReporte = "%r||P\xC3\xA1g. %d de %t";

struct OpcionesReporte {
  MarcasSecciones marcadas = MarcadasPorDefecto();  // check boxes, by Seccion
  std::string fecha;                                // date printed in the design basis; empty: today
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

// The header and footer of the project's report: those the user set in the preview,
// else the title on the left, and kPieReporte.
std::string EncabezadoReporte(const Sesion& s);
std::string PieReporte(const Sesion& s);

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

  // Prints one table: its columns, the title row (none when empty) and the rows.
  // `juntas` rows stay together on a page (a slab's X and Y rows).
  void MuestraTabla(std::vector<ColumnaTabla> columnas, FilaTabla encabezado, std::vector<FilaTabla> filas,
                    int juntas = 1);
  // The "Texto" style and the body-text spacing.
  void SetNormal();
  // A blank line, the sub-title s in the "Sub-Titulos" style, then SetNormal.
  void SetSubTitle(const std::string& s);

  // The sections, each composed from the session (see kSecciones).
  void SeccionResumen(Sesion& s, const Recalculos& r);
  void SeccionDatos(Sesion& s, const Recalculos& r);
  void SeccionBasesDiseno(Sesion& s, const Recalculos& r);
  void SeccionAnalisisLosas(Sesion& s, const Recalculos& r);
  void SeccionRefuerzo(Sesion& s, const Recalculos& r);
  void SeccionReacciones(Sesion& s, const Recalculos& r);
  void SeccionCalculoMetrico(Sesion& s, const Recalculos& r);
  void SeccionVerificaciones(Sesion& s, const Recalculos& r);
  void SeccionPlanilla(Sesion& s, const Recalculos& r);
  void SeccionPlanta(Sesion& s, const Recalculos& r);

 private:
  void Parrafo(const std::string& texto, bool juntoConSiguiente);
  void FiguraBordes();
  void CargasPorLosa(const Sesion& s);
  void FallasDelResumen(const Sesion& s);
  // A two-column table of a term and what it means.
  void Leyenda(std::vector<FilaTabla> filas);
  void RefuerzoNoCalculado(const std::string& subtitulo, const std::string& mensaje);

  Documento doc_;
  std::string fecha_;
  std::string negativa_;  // the message of a refused calculation
  EstilosReporte estilos_;
  Estilo fuente_;                     // the font in force
  std::array<double, 4> espacios_{};  // spacing and indent settings, twips
};

// A section as the preview lists it and the report composes it.
struct DefinicionSeccion {
  Seccion seccion;
  const char* titulo;    // caption of its check box
  const char* nombre;    // object name of its check box
  bool usaCalculo;       // the report calculates first when it is checked
  bool necesitaCalculo;  // composed only after a calculation
  bool marcadaPorDefecto;
  void (Reporte::*compone)(Sesion&, const Recalculos&);
};
// The sections in the order they are composed.
inline const std::array<DefinicionSeccion, NumSecciones> kSecciones{{
    {Seccion::Resumen, "Resumen", "CheckResumen", true, false, true, &Reporte::SeccionResumen},
    {Seccion::Datos, "Datos", "Check3", false, false, true, &Reporte::SeccionDatos},
    // The plan carries the steel when the project can be calculated, and is drawn without it when not.
    {Seccion::Planta, "Planta", "CheckPlanta", true, false, true, &Reporte::SeccionPlanta},
    {Seccion::BasesDiseno, "Bases de dise\xC3\xB1o", "CheckBases", false, false, true,
     &Reporte::SeccionBasesDiseno},
    {Seccion::AnalisisLosas, "An\xC3\xA1lisis de losas", "CheckAnalisis", true, true, true,
     &Reporte::SeccionAnalisisLosas},
    {Seccion::Refuerzo, "Refuerzo", "Check4", true, true, true, &Reporte::SeccionRefuerzo},
    {Seccion::Reacciones, "Reacciones", "Check2", false, false, true, &Reporte::SeccionReacciones},
    {Seccion::CalculoMetrico, "Calculo metrico", "Check1", true, true, true, &Reporte::SeccionCalculoMetrico},
    {Seccion::Verificaciones, "Verificaciones", "Check5", true, true, true, &Reporte::SeccionVerificaciones},
    {Seccion::Planilla, "Planilla de barras", "CheckPlanilla", true, true, false, &Reporte::SeccionPlanilla},
}};

// Whether a section's check box is enabled: the result sections need a slab to
// calculate (the report runs the calculation itself).
bool SeccionHabilitada(Seccion seccion, const Sesion& s);

}  // namespace placatec
