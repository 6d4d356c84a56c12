#pragma once
// Form model of the continuous supports table: the grid's rows as cell texts.
#include <array>
#include <string>
#include <vector>

#include "model/Proyecto.h"

namespace placatec {

class TablaApoyos {
 public:
  static constexpr int NumColumnas = 5;  // Apoyo, Dir, Losa 1, Losa 2, Descripcion
  using Fila = std::array<std::string, NumColumnas>;

  explicit TablaApoyos(Proyecto& p) : p_(p) {}

  std::vector<Fila> filas;
  int filaActual = 0;

  void Vacia() { filas.clear(); filaActual = 0; }
  void AgregaFila(const Fila& f) { filas.push_back(f); filaActual = static_cast<int>(filas.size()) - 1; }
  void PrimeraFila() { filaActual = 0; }

 private:
  [[maybe_unused]] Proyecto& p_;
};

}  // namespace placatec
