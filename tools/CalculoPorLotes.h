#pragma once
#include <ostream>
#include <string>

namespace placatec {

struct OpcionesLote {
  std::string archivo;
  std::string salva;
  bool salvar = false;  // --save was given; an empty name is then refused, not ignored
  std::string pdf;      // empty: no report
  bool json = false;
};

// Loads, calculates and prints one project. Returns the exit status: 0 when the load
// and the calculation succeeded, 1 on a failed load, 2 on a failed calculation, 3 when
// the project or the report could not be written.
int EjecutaCalculoPorLotes(const OpcionesLote& opciones, std::ostream& salida, std::ostream& errores);

}  // namespace placatec
