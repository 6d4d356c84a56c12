#pragma once
#include <optional>
#include <ostream>
#include <string>

#include "InterfazPdf.h"
#include "model/Resultado.h"
#include "report/Maquetacion.h"

namespace placatec {

struct OpcionesLote {
  std::string archivo;  // "-": the project is the bytes of standard input, in entrada
  const Resultado<std::string>* entrada = nullptr;
  // The files written beside the output; an option given with an empty name is
  // refused when its file would be written, never ignored.
  std::optional<std::string> salva;     // --save
  std::optional<std::string> pdf;       // --pdf
  std::optional<std::string> planilla;  // --planilla: the bar schedule as CSV
  std::optional<std::string> dxf;       // --dxf: the plan as DXF
  bool json = false;
  bool verificar = false;                            // --verificar: a failed check is status 4
  ConfiguracionPagina pagina;                        // page of the PDF report
  MarcasSecciones secciones = MarcadasPorDefecto();  // sections of the PDF report
  const InterfazPdf* modulo = nullptr;               // the loaded PDF renderer, when --pdf names a file
};

// The files a call may write for each project, by the option that names them, with
// the extension of NOMBRE.ext when the option names a folder and where the options
// keep them. A new output is one more entry here (its help text included) and the
// code in EjecutaCalculoPorLotes that writes it; the command line, the help and the
// rule that an output never replaces an input follow from this table.
struct TipoSalida {
  const char* opcion;
  const char* extension;
  std::optional<std::string> OpcionesLote::*destino;
  const char* ayuda;
};
inline const TipoSalida kSalidas[] = {
    {"save", ".Los", &OpcionesLote::salva,
     "Escribe el proyecto cargado en DESTINO; con varios proyectos, o si DESTINO es una carpeta o termina "
     "en \"/\", escribe NOMBRE.Los en esa carpeta."},
    {"pdf", ".pdf", &OpcionesLote::pdf,
     "Escribe el reporte en PDF, con la misma regla: con varios proyectos, NOMBRE.pdf en la carpeta "
     "DESTINO."},
    {"planilla", ".csv", &OpcionesLote::planilla,
     "Escribe la planilla de barras en CSV (una fila de encabezado, punto decimal, UTF-8), con la misma "
     "regla: con varios proyectos, NOMBRE.csv en la carpeta DESTINO."},
    {"dxf", ".dxf", &OpcionesLote::dxf,
     "Escribe la planta del piso en DXF (AutoCAD R12, metros), con el refuerzo cuando el cálculo se hizo; "
     "con varios proyectos, NOMBRE.dxf en la carpeta DESTINO."},
};

// The PDF page of --papel (a name of the preview's paper list, "A4" or "Letter"),
// --apaisado and --margenes ("IZQ,DER,SUP,INF" in inches); the Spanish message of
// the first value that cannot be used.
Resultado<ConfiguracionPagina> PaginaDeOpciones(const std::string& papel, bool apaisado,
                                                const std::string& margenes);

// Loads, calculates and prints one project. Returns the exit status: 0 when the load
// and the calculation succeeded, 1 on a failed load, 2 on a failed calculation, 3 when
// the project or the report could not be written, 4 (with `verificar`) when none of
// these happened but a check failed. The output is appended to salida: a JSON line is
// copied there once from the writer's buffer.
int EjecutaCalculoPorLotes(const OpcionesLote& opciones, std::string& salida, std::ostream& errores);

// The status of a call from those of two projects: a failure to load, calculate or
// write (1 to 3, the highest) before a failed check (4), before 0.
int EstadoMayor(int a, int b);

// A message of the program as one line or several, each ended by "\n" alone (the
// desktop's messages end their lines with "\r\n").
std::string LineasDeMensaje(std::string_view mensaje);

}  // namespace placatec
