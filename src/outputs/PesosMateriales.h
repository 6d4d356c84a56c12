#pragma once
// The reference table "Pesos de Materiales": unit weights of common building
// materials, beside the dead-load build-up. Fixed content: what the user types into
// the window is forgotten when it closes.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/TablaResultado.h"

namespace placatec {

inline constexpr std::string_view kTituloPesosMateriales = "Pesos de Materiales";
inline constexpr std::array<std::string_view, 2> kColumnasPesosMateriales = {"Material", "Peso (To/m3)"};
inline constexpr std::string_view kFormatoPeso = "0.000";

struct PesoMaterial {
  std::string_view material;  // UTF-8
  float peso;                 // as listed, under "Peso (To/m3)"
};

inline constexpr std::array<PesoMaterial, 28> kPesosMateriales = {
    {{"Hormigón armado", 2.4f},
     {"Bloques huecos de concreto", 1.8f},
     {"Bloques huecos de arcilla", 1.2f},
     {"Mosaicos de granito", 2.3f},
     {"Mosaicos de concreto", 1.9f},
     {"Mortero para colocación mosaicos", 1.8f},
     {"Maderas duras", 0.8f},
     {"Acero", 7.8f},
     {"Asfalto", 1.3f},
     {"Hormigón asfáltico", 2.3f},
     {"Aluminio", 2.6f},
     {"Zinc", 7.04f},
     {"Mármol", 1.5f},
     {"Yeso", 1.0f},
     {"Parquet", 0.8f},
     {"Arcilla y arena en seco", 1.63f},
     {"Arcilla y piedras en seco", 1.63f},
     {"Arena seca suelta", 1.68f},
     {"Arena seca compactada", 1.92f},
     {"Grava suelta", 1.68f},
     {"Grava compactada", 1.92f},
     {"Tierra suelta seca", 1.2f},
     {"Tierra seca compactada", 1.52f},
     {"Asbesto cemento", 0.025f},
     {"Teja de barro", 0.07f},
     {"Ladrillo de barro de 5 cm de espesor", 0.06f},
     {"Plafond colgado con malla metálica y enyesado", 0.05f},
     {"Plafond de metal troquelado", 0.01f}}};

// Form model of the window: the 28 rows as cell texts while it is open.
class TablaPesosMateriales {
 public:
  using Fila = std::array<std::string, 2>;

  std::vector<Fila> filas;
  bool abierta = false;

  // Opening the window: the rows as listed, the weights with "0.000" (every weight has
  // at most three decimals, so each is shown exactly: 0.025 as "0.025", 7.04 as "7.040").
  void Abre();
  // The user's edit of a cell; kept only while the window is open.
  void EditaCelda(int fila, int columna, std::string texto);
  // "OK" unloads the window: its edits are gone.
  void OK();

  // The listed table with the value behind each weight.
  static TablaResultado Tabla();
};

}  // namespace placatec
