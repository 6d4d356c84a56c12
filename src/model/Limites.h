#pragma once
// The values a storey can physically have. The calculation refuses data outside
// these ranges with a message that names the slab and the value; the help page on
// the method lists them.
#include <string_view>

namespace placatec {

struct Rango {
  std::string_view dato;   // how the message names the value
  double minimo, maximo;   // both included
  std::string_view texto;  // the range as the message and the help state it
  bool Contiene(double v) const { return v >= minimo && v <= maximo; }
};

inline constexpr Rango kRangoLx{"Lx", 0.1, 30.0, "de 0.1 a 30 m"};
inline constexpr Rango kRangoLy{"Ly", 0.1, 30.0, "de 0.1 a 30 m"};
inline constexpr Rango kRangoEspesor{"Espesor", 0.0, 1.5, "hasta 1.5 m"};
inline constexpr Rango kRangoMuertaVano{"Carga muerta", 0.0, 50.0, "de 0 a 50 To/m2"};
inline constexpr Rango kRangoVivaVano{"Carga viva", 0.0, 50.0, "de 0 a 50 To/m2"};
inline constexpr Rango kRangoMuertaVuelo{"Carga muerta en vuelo", 0.0, 50.0, "de 0 a 50 To/m"};
inline constexpr Rango kRangoVivaVuelo{"Carga viva en vuelo", 0.0, 50.0, "de 0 a 50 To/m"};
inline constexpr Rango kRangoRecubrimiento{"Recubrimiento", 0.0, 10.0, "hasta 10 cm"};
// From the smallest to the largest value of the f'c and fy lists.
inline constexpr Rango kRangoFc{"F'c", 140.0, 350.0, "de 140 a 350 Kg/cm2"};
inline constexpr Rango kRangoFy{"Fy", 1400.0, 4200.0, "de 1400 a 4200 Kg/cm2"};

}  // namespace placatec
