#pragma once
// The PDF module, loaded once when the first report is asked for.
#include <string>

#include "InterfazPdf.h"
#include "model/Resultado.h"

namespace placatec {

// Loads placatec-pdf.so (from the installed library folder beside the program, or from
// the program's own folder in a build tree) and starts its renderer. Call it from the
// main thread before any report is written. The message says why no report can be written.
Resultado<const InterfazPdf*> CargaModuloPdf();

}  // namespace placatec
