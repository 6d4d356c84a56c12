#pragma once
// The batch calculator over many projects in one process: where each project's
// --save and --pdf files go, then the projects one after another.
#include <ostream>
#include <string>
#include <vector>

#include "CalculoPorLotes.h"

namespace placatec {

// Runs EjecutaCalculoPorLotes on every file with the options of comunes (its archivo
// is replaced by each file). With several files, or when the option names a folder
// (one that exists, or a name ending in "/"), --save and --pdf write NOMBRE.Los and
// NOMBRE.pdf into that folder, which is made when missing. In text output each
// project's block starts with its file name when there are several. Returns the
// highest exit status of the files; 3, with no project run, when a destination does
// not serve (a file where a folder is needed, two projects that would write the same
// file, a folder that cannot be made).
int CalculaVariosArchivos(const std::vector<std::string>& archivos, const OpcionesLote& comunes,
                          std::ostream& salida, std::ostream& errores);

}  // namespace placatec
