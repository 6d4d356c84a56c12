#include "report/Papel.h"

#include "model/Numeros.h"

#include <cmath>

namespace placatec {

namespace {

enum class Unidad { Pulgada, Milimetro };

struct EntradaPapel {
  const char* nombre;
  double ancho, alto;
  Unidad unidad;
};

constexpr Unidad in = Unidad::Pulgada;
constexpr Unidad mm = Unidad::Milimetro;

// Entry n is paper code n.
const EntradaPapel kPapeles[UltimoCodigoPapel + 1] = {
    {"", 8.5, 11, in},
    {"Letter 8 1/2 x 11 in", 8.5, 11, in},
    {"Letter Small 8 1/2 x 11 in", 8.5, 11, in},
    {"Tabloid 11 x 17 in", 11, 17, in},
    {"Ledger 17 x 11 in", 17, 11, in},
    {"Legal 8 1/2 x 14 in", 8.5, 14, in},
    {"Statement 5 1/2 x 8 1/2 in", 5.5, 8.5, in},
    {"Executive 7 1/4 x 10 1/2 in", 7.25, 10.5, in},
    {"A3 297 x 420 mm", 297, 420, mm},
    {"A4 210 x 297 mm", 210, 297, mm},
    {"A4 Small 210 x 297 mm", 210, 297, mm},
    {"A5 148 x 210 mm", 148, 210, mm},
    {"B4 (JIS) 250 x 354", 257, 364, mm},
    {"B5 (JIS) 182 x 257 mm", 182, 257, mm},
    {"Folio 8 1/2 x 13 in", 8.5, 13, in},
    {"Quarto 215 x 275 mm", 215, 275, mm},
    {"10x14 in", 10, 14, in},
    {"11x17 in", 11, 17, in},
    {"Note 8 1/2 x 11 in", 8.5, 11, in},
    {"Envelope #9 3 7/8 x 8 7/8", 3.875, 8.875, in},
    {"Envelope #10 4 1/8 x 9 1/2", 4.125, 9.5, in},
    {"Envelope #11 4 1/2 x 10 3/8", 4.5, 10.375, in},
    {"Envelope #12 4 \\276 x 11", 4.75, 11, in},
    {"Envelope #14 5 x 11 1/2", 5, 11.5, in},
    {"C size sheet", 17, 22, in},
    {"D size sheet", 22, 34, in},
    {"E size sheet", 34, 44, in},
    {"Envelope DL 110 x 220mm", 110, 220, mm},
    {"Envelope C5 162 x 229 mm", 162, 229, mm},
    {"Envelope C3  324 x 458 mm", 324, 458, mm},
    {"Envelope C4  229 x 324 mm", 229, 324, mm},
    {"Envelope C6  114 x 162 mm", 114, 162, mm},
    {"Envelope C65 114 x 229 mm", 114, 229, mm},
    {"Envelope B4  250 x 353 mm", 250, 353, mm},
    {"Envelope B5  176 x 250 mm", 176, 250, mm},
    {"Envelope B6  176 x 125 mm", 176, 125, mm},
    {"Envelope 110 x 230 mm", 110, 230, mm},
    {"Envelope Monarch 3.875 x 7.5 in", 3.875, 7.5, in},
    {"6 3/4 Envelope 3 5/8 x 6 1/2 in", 3.625, 6.5, in},
    {"US Std Fanfold 14 7/8 x 11 in", 14.875, 11, in},
    {"German Std Fanfold 8 1/2 x 12 in", 8.5, 12, in},
    {"German Legal Fanfold 8 1/2 x 13 in", 8.5, 13, in},
    {"B4 (ISO) 250 x 353 mm", 250, 353, mm},
    {"Japanese Postcard 100 x 148 mm", 100, 148, mm},
    {"9 x 11 in", 9, 11, in},
    {"10 x 11 in", 10, 11, in},
    {"15 x 11 in", 15, 11, in},
    {"Envelope Invite 220 x 220 mm", 220, 220, mm},
    {"", 8.5, 11, in},
    {"", 8.5, 11, in},
    {"Letter Extra 9 \\275 x 12 in", 9.5, 12, in},
    {"Legal Extra 9 \\275 x 15 in", 9.5, 15, in},
    {"Tabloid Extra 11.69 x 18 in", 11.69, 18, in},
    {"A4 Extra 9.27 x 12.69 in", 9.27, 12.69, in},
    {"Letter Transverse 8 \\275 x 11 in", 8.5, 11, in},
    {"A4 Transverse 210 x 297 mm", 210, 297, mm},
    {"Letter Extra Transverse 9\\275 x 12 in", 9.5, 12, in},
    {"SuperA/SuperA/A4 227 x 356 mm", 227, 356, mm},
    {"SuperB/SuperB/A3 305 x 487 mm", 305, 487, mm},
    {"Letter Plus 8.5 x 12.69 in", 8.5, 12.69, in},
    {"A4 Plus 210 x 330 mm", 210, 330, mm},
    {"A5 Transverse 148 x 210 mm", 148, 210, mm},
    {"B5 (JIS) Transverse 182 x 257 mm", 182, 257, mm},
    {"A3 Extra 322 x 445 mm", 322, 445, mm},
    {"A5 Extra 174 x 235 mm", 174, 235, mm},
    {"B5 (ISO) Extra 201 x 276 mm", 201, 276, mm},
    {"A2 420 x 594 mm", 420, 594, mm},
    {"A3 Transverse 297 x 420 mm", 297, 420, mm},
    {"A3 Extra Transverse 322 x 445 mm", 322, 445, mm},
};

int Twips(double v, Unidad u) {
  return static_cast<int>(std::lround(u == Unidad::Pulgada ? v * 1440.0 : v * 1440.0 / 25.4));
}

}  // namespace

std::string NombrePapel(int codigo) {
  if (codigo == PapelCustom) return "Custom";
  if (codigo < 0 || codigo > UltimoCodigoPapel) return {};
  return kPapeles[codigo].nombre;
}

MedidaPapel MedidasPapel(int codigo) {
  const EntradaPapel& e =
      (codigo >= 1 && codigo <= UltimoCodigoPapel) ? kPapeles[codigo] : kPapeles[PapelCarta];
  return {Twips(e.ancho, e.unidad), Twips(e.alto, e.unidad)};
}

std::optional<int> CodigoPapel(std::string_view nombre) {
  const std::string buscado = Mayusculas(Recorta(nombre));
  if (buscado == "A4") return PapelA4;
  if (buscado == "LETTER") return PapelCarta;
  for (int codigo = 1; codigo <= UltimoCodigoPapel; ++codigo)
    if (!NombrePapel(codigo).empty() && Mayusculas(NombrePapel(codigo)) == buscado) return codigo;
  if (buscado == Mayusculas(NombrePapel(PapelCustom))) return PapelCustom;
  return std::nullopt;
}

}  // namespace placatec
