#pragma once
// Form model of the reactions window: continuous supports and the extra supports
// the engineer appends, with the computed line loads.
#include <array>
#include <string>
#include <vector>

#include "model/Proyecto.h"

namespace placatec {

class TablaReacciones {
 public:
  static constexpr int NumColumnas = 8;
  using Fila = std::array<std::string, NumColumnas>;

  explicit TablaReacciones(Proyecto& p) : p_(p) {}

  std::vector<Fila> filas;

 private:
  [[maybe_unused]] Proyecto& p_;
};

}  // namespace placatec
