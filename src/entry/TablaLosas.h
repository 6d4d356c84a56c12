#pragma once
// Form model of the slab table: the grid's rows as cell texts and its procedures.
#include <array>
#include <string>
#include <vector>

#include "model/Proyecto.h"

namespace placatec {

class TablaLosas {
 public:
  static constexpr int NumColumnas = 12;
  using Fila = std::array<std::string, NumColumnas>;

  explicit TablaLosas(Proyecto& p) : p_(p) {}

  std::vector<Fila> filas;
  int filaActual = 0;     // 0-based
  int columnaActual = 1;

  void Vacia() { filas.clear(); filaActual = 0; }
  void AgregaFila(const Fila& f) { filas.push_back(f); filaActual = static_cast<int>(filas.size()) - 1; }
  void PrimeraFila() { filaActual = 0; }

 private:
  [[maybe_unused]] Proyecto& p_;
};

}  // namespace placatec
