#pragma once
// The batch calculator over many projects in one process: where each project's
// files go, the check that none of them replaces an input, then the projects, several
// at a time, their output written in the order of the arguments.
#include <string>
#include <vector>

#include "CalculoPorLotes.h"

namespace placatec {

struct OpcionesEjecucion {
  int trabajos = 1;       // projects calculated at the same time
  bool silencio = false;  // --quiet: nothing on standard output
  bool progreso = false;  // standard error is a terminal: a progress line while many PDFs are written
};

// Runs EjecutaCalculoPorLotes on every file with the options of comunes (its archivo
// is replaced by each file), and writes what each one prints to standard output and
// standard error, project after project in the order given, whatever order they were
// calculated in: the bytes are those of one project at a time. With several files, or
// when an output option names a folder (one that exists, or a name ending in "/"), the
// project's file is NOMBRE.ext in that folder, which is made when missing. In text
// output each project's block starts with its file name when there are several.
// Returns the highest exit status of the files; 3, with no project run and nothing
// written, when a destination does not serve (an output that would replace one of the
// files read or another output, a file where a folder is needed, a folder that cannot
// be made, the PDF renderer missing); 3 as well when the output cannot be written
// (the projects after it are not run).
int CalculaVariosArchivos(const std::vector<std::string>& archivos, const OpcionesLote& comunes,
                          const OpcionesEjecucion& ejecucion);

}  // namespace placatec
