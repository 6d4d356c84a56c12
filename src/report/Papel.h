#pragma once
// Paper sizes by their printer code (1 to 68, and 256 "Custom"): the name shown in
// the preview window's paper list and the size of the sheet.
#include <optional>
#include <string>
#include <string_view>

namespace placatec {

constexpr int PapelCarta = 1;
constexpr int PapelA4 = 9;
constexpr int PapelCustom = 256;
constexpr int UltimoCodigoPapel = 68;

// Name of a paper code; empty for the codes that are never listed (0, 48, 49) and
// for codes outside the table.
std::string NombrePapel(int codigo);

// The code of a paper by its name in the paper list, or by "A4" or "Letter"
// (capitals and blanks around it aside); empty for any other name.
std::optional<int> CodigoPapel(std::string_view nombre);

// Width and height of the sheet in twips, as the code defines it (upright); a code
// outside the table and "Custom" give Letter.
struct MedidaPapel {
  int ancho;
  int alto;
};
MedidaPapel MedidasPapel(int codigo);

}  // namespace placatec
