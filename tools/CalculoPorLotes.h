#pragma once
#include <ostream>
#include <string>

#include "model/Resultado.h"
#include "report/Maquetacion.h"

namespace placatec {

struct OpcionesLote {
  std::string archivo;
  std::string salva;
  bool salvar = false;  // --save was given; an empty name is then refused, not ignored
  std::string pdf;      // empty: no report
  bool json = false;
  ConfiguracionPagina pagina;  // page of the PDF report
};

// The PDF page of --papel (a name of the preview's paper list, "A4" or "Letter"),
// --apaisado and --margenes ("IZQ,DER,SUP,INF" in inches); the Spanish message of
// the first value that cannot be used.
Resultado<ConfiguracionPagina> PaginaDeOpciones(const std::string& papel, bool apaisado,
                                                const std::string& margenes);

// Loads, calculates and prints one project. Returns the exit status: 0 when the load
// and the calculation succeeded, 1 on a failed load, 2 on a failed calculation, 3 when
// the project or the report could not be written.
int EjecutaCalculoPorLotes(const OpcionesLote& opciones, std::ostream& salida, std::ostream& errores);

}  // namespace placatec
