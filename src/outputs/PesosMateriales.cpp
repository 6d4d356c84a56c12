#include "outputs/PesosMateriales.h"

#include "model/Numeros.h"

namespace placatec {

void TablaPesosMateriales::Abre() {
  filas.clear();
  for (const PesoMaterial& m : kPesosMateriales)
    filas.push_back({std::string(m.material), Formato(m.peso, kFormatoPeso)});
  abierta = true;
}

void TablaPesosMateriales::EditaCelda(int fila, int columna, std::string texto) {
  if (fila < 0 || fila >= static_cast<int>(filas.size()) || columna < 0 || columna > 1) return;
  filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)] = std::move(texto);
}

void TablaPesosMateriales::OK() {
  filas.clear();
  abierta = false;
}

TablaResultado TablaPesosMateriales::Tabla() {
  TablaResultado t;
  for (const PesoMaterial& m : kPesosMateriales)
    t.filas.push_back({Celda{std::string(m.material), std::nullopt},
                       Celda{Formato(m.peso, kFormatoPeso), static_cast<double>(m.peso)}});
  return t;
}

}  // namespace placatec
