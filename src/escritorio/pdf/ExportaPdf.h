#pragma once
// The report as a PDF file, for the batch calculator and the desktop alike.
#include <string>

#include "comandos/Sesion.h"
#include "report/Maquetacion.h"
#include "report/Reporte.h"

namespace placatec {

// The report with the sections marked (those that need a calculation only after
// one), the page settings given (by default Letter, portrait, 1-inch margins) and the
// project's header and footer, written to `ruta`. The file is replaced only when
// the whole document was written. A page on which a table would need text below
// kLetraMinima is refused. Needs a QGuiApplication (the offscreen platform serves);
// false with a Spanish `error` otherwise.
bool ExportaPdf(Sesion& s, const std::string& ruta, std::string& error,
                const ConfiguracionPagina& pagina = {},
                const MarcasSecciones& marcadas = MarcadasPorDefecto());

}  // namespace placatec
