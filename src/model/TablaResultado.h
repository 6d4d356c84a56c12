#pragma once
// A table as the program shows it: rows of cells, each with the text displayed and,
// for a numeric cell, the value behind it. The results, reactions and quantities
// windows show these tables; the report and the batch calculator read them.
#include <optional>
#include <string>
#include <vector>

namespace placatec {

struct Celda {
  std::string texto;            // as displayed
  std::optional<double> valor;  // the number behind a numeric cell
};

struct TablaResultado {
  std::vector<std::vector<Celda>> filas;

  void Vacia() { filas.clear(); }
  std::size_t NumFilas() const { return filas.size(); }
  const std::string& Texto(std::size_t fila, std::size_t columna) const {
    return filas.at(fila).at(columna).texto;
  }
};

}  // namespace placatec
