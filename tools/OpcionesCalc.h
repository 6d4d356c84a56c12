#pragma once
// The batch calculator's command line: its options, its help and its usage errors,
// all in Spanish, and one exit status for every usage error.
#include <string>
#include <vector>

#include "CalculoPorLotes.h"
#include "VariosArchivos.h"

namespace placatec {

// The exit status of a usage error (EX_USAGE of sysexits.h): the statuses 0 to 4 are
// the projects'.
inline constexpr int kEstadoUso = 64;

struct LineaOrdenes {
  enum class Accion { Calcula, Ayuda, Version, Error } accion = Accion::Calcula;
  std::string error;  // the usage error, for Accion::Error
  std::vector<std::string> archivos;
  OpcionesLote comunes;
  OpcionesEjecucion ejecucion;
};

// Reads the arguments (options and file names in any order, "--" ends the options,
// "-" is standard input). procesadores is the default of -j.
LineaOrdenes LeeLineaOrdenes(int argc, char** argv, int procesadores);

// The text of --help.
std::string TextoAyuda(int procesadores);

}  // namespace placatec
