#pragma once
// The report as a document: styled paragraphs, tables as rows of cells with their
// columns' alignment and width, the edge-numbering figure as drawing primitives and
// the page header and footer texts. All lengths are twips (1440 to the inch).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace placatec {

// A text style of the report: font, size in points, the four effects and a colour
// (0xRRGGBB).
struct Estilo {
  std::string fuente = "Arial";
  double tamano = 10.0;
  bool negrita = false;
  bool cursiva = false;
  bool tachado = false;
  bool subrayado = false;
  std::uint32_t color = 0x000000;

  bool operator==(const Estilo&) const = default;
};

// The four styles of the preview window, rows 0 "Encabezado", 1 "Pie de pagina",
// 3 "Sub-Titulos" and 4 "Texto" (row 2 is not used).
enum FilaEstilo { FilaHeader = 0, FilaFooter = 1, FilaSubTitulos = 3, FilaTexto = 4 };
using EstilosReporte = std::array<Estilo, 5>;
EstilosReporte EstilosPorDefecto();

enum class Alineacion { Izquierda, Centro, Derecha };

struct Parrafo {
  std::string texto;  // may hold several lines separated by '\n'; empty is a blank line
  Estilo estilo;
  double antes = 0.0;    // space above, twips
  double despues = 0.0;  // space below, twips
  // Never left alone at the bottom of a page: it goes with the next block.
  bool juntoConSiguiente = false;
};

struct ColumnaTabla {
  Alineacion alineacion = Alineacion::Izquierda;
  int ancho = 1440;  // twips

  bool operator==(const ColumnaTabla&) const = default;
};
// A column left-aligned, centred or right-aligned, `ancho` twips wide at 10 points.
constexpr ColumnaTabla Izq(int ancho) { return {Alineacion::Izquierda, ancho}; }
constexpr ColumnaTabla Cen(int ancho) { return {Alineacion::Centro, ancho}; }
constexpr ColumnaTabla Der(int ancho) { return {Alineacion::Derecha, ancho}; }

using FilaTabla = std::vector<std::string>;

struct TablaDoc {
  std::vector<ColumnaTabla> columnas;
  FilaTabla encabezado;  // empty: no title row
  std::vector<FilaTabla> filas;
  // Rows that stay together on one page (a slab's X and Y rows): 1 or more.
  int filasJuntas = 1;
  Estilo estilo;
  double antes = 0.0;
  double despues = 0.0;
};

// Drawing primitives of a figure. x is measured from the left edge of the paper,
// y from the top of the figure (the vertical position where it starts).
struct RectanguloFigura {
  double x1, y1, x2, y2;
  double grosor;  // line weight, twips
};
struct LineaFigura {
  double x1, y1, x2, y2;
  double grosor;
  std::uint32_t color = 0x000000;  // 0xRRGGBB
  bool discontinua = false;        // dashed
};
struct TextoFigura {
  std::string texto;
  double x, y;
  Alineacion anclaX = Alineacion::Izquierda;  // x is the left edge, centre or right edge
  bool centradoVertical = false;              // y is the middle of the text, not its top
  Estilo estilo;
  double angulo = 0;  // degrees counter-clockwise, about (x, y)
};
struct Figura {
  std::vector<RectanguloFigura> rectangulos;
  std::vector<LineaFigura> lineas;
  std::vector<TextoFigura> textos;
  double alto = 0.0;  // room the figure takes below its start at least
  // When above 0: the figure is drawn this wide with x from its own left edge, and the
  // layout scales it, texts included, to the width of the page's body, or smaller
  // when it would not fit the body's height (a plan).
  double ancho = 0.0;
};

struct SaltoPagina {};

using Bloque = std::variant<Parrafo, TablaDoc, Figura, SaltoPagina>;

struct Documento {
  std::vector<Bloque> bloques;
  std::string encabezado;  // page header, parts split at '|', "%d" = page number
  std::string pie;         // page footer, same rules
  Estilo estiloEncabezado;
  Estilo estiloPie;
};

// The left, centre and right parts of a header or footer text on a page: split at
// the first two '|' (anything after the second belongs to the right part), with
// every "%d" replaced by the page number and every "%t" by the number of pages.
std::array<std::string, 3> PartesEncabezado(std::string_view texto, int pagina, int paginas);

}  // namespace placatec
