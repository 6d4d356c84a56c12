#pragma once
// Lays a report document out on pages: margins, paper size and orientation, the
// page border, header and footer on every page, paragraphs wrapped to the page
// width, tables at their column widths, and page breaks that never cut a table
// row or the figure. The result is a list of positioned texts and lines in twips
// from the top-left corner of the sheet, which the desktop paints on the screen,
// a printer or a PDF alike.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/Documento.h"

namespace placatec {

struct ConfiguracionPagina {
  int papel = 1;        // paper code
  int orientacion = 0;  // 0 portrait, 1 landscape
  int borde = 0;        // 0 none, 1 bottom, 2 top, 3 top and bottom, 4 all around
  std::array<int, 4> margenes{1440, 1440, 1440, 1440};  // top, left, bottom, right

  bool operator==(const ConfiguracionPagina&) const = default;
};

// Sheet size in twips for a page setting (landscape swaps the sides).
struct MedidaHoja {
  double ancho;
  double alto;
};
MedidaHoja Hoja(const ConfiguracionPagina& c);

// Text measurement in twips, given by the desktop (font metrics) or by a test.
class MedidorTexto {
 public:
  virtual ~MedidorTexto() = default;
  virtual double Ancho(const Estilo& e, std::string_view texto) const = 0;
  virtual double AltoLinea(const Estilo& e) const = 0;
};

// A line of text whose box has its top-left corner at (x, y); a turned text turns
// `angulo` degrees counter-clockwise about (giroX, giroY).
struct TextoPagina {
  double x, y;
  double ancho, alto;
  std::string texto;
  Estilo estilo;
  double angulo = 0;
  double giroX = 0, giroY = 0;
};
struct LineaPagina {
  double x1, y1, x2, y2;
  double grosor;
  std::uint32_t color = 0x000000;
  bool discontinua = false;
};
// Outline of a rectangle.
struct RectanguloPagina {
  double x1, y1, x2, y2;
  double grosor;
};

struct Pagina {
  int numero = 0;
  std::vector<TextoPagina> textos;
  std::vector<LineaPagina> lineas;
  std::vector<RectanguloPagina> rectangulos;
};

// No text of a table is set smaller than this (points): a narrower page is refused.
inline constexpr double kLetraMinima = 7;

struct Maqueta {
  MedidaHoja hoja{};
  std::vector<Pagina> paginas;  // at least one
  double anchoCuerpo = 0;       // between the margins, twips
  // The body width a table would need at kLetraMinima when it does not fit the body
  // even so (it then stands out of it); 0 when every table fits.
  double anchoNecesario = 0;
};

Maqueta MaquetaDocumento(const Documento& d, const ConfiguracionPagina& c, const MedidorTexto& m);

// "" when every table fits between the margins at kLetraMinima or more; otherwise the
// message that refuses the page setting, with the width the report needs.
std::string PaginaDemasiadoAngosta(const Maqueta& m);

// Splits a text into lines no wider than `ancho` at blanks (a word wider than the
// line is broken between its characters); '\n' always starts a new line.
std::vector<std::string> PartirLineas(std::string_view texto, double ancho, const Estilo& e,
                                      const MedidorTexto& m);

}  // namespace placatec
