#include "outputs/Dxf.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "model/CodigoPagina.h"

namespace placatec {

namespace {

// AutoCAD colour numbers: the colour of each layer, and red for what fails.
constexpr std::array<int, NumCapasPlanta> kColoresCapas = {8, 7, 7, 7, 5, 3, 6, 7, 4};
constexpr int kRojo = 1;
// Dashes of free edges: 0.20 m dash, 0.10 m gap.
constexpr double kTrazo = 0.2, kHueco = 0.1;

class Escritor {
 public:
  explicit Escritor(std::string& s) : s_(s) {}

  void Codigo(int codigo, std::string_view valor) {
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "%3d\n", codigo);
    s_.append(buf, static_cast<std::size_t>(n));
    s_.append(valor);
    s_ += '\n';
  }
  void Codigo(int codigo, int valor) { Codigo(codigo, std::to_string(valor)); }
  // Six decimals at most (a micrometre), no trailing zeros, never an exponent.
  void Numero(int codigo, double v) {
    if (!std::isfinite(v)) v = 0;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    char* fin = r.ptr;
    while (fin > buf && fin[-1] == '0') --fin;
    if (fin > buf && fin[-1] == '.') --fin;
    std::string_view t(buf, static_cast<std::size_t>(fin - buf));
    if (t == "-0" || t.empty()) t = "0";
    Codigo(codigo, t);
  }
  void Punto(int codigo, PuntoPlanta p) {
    Numero(codigo, p.x);
    Numero(codigo + 10, p.y);
    Numero(codigo + 20, 0);
  }
  void Seccion(std::string_view nombre) {
    Codigo(0, "SECTION");
    Codigo(2, nombre);
  }
  void FinSeccion() { Codigo(0, "ENDSEC"); }
  void Tabla(std::string_view nombre, int entradas) {
    Codigo(0, "TABLE");
    Codigo(2, nombre);
    Codigo(70, entradas);
  }
  void FinTabla() { Codigo(0, "ENDTAB"); }
  void Entidad(std::string_view tipo, CapaPlanta capa, bool falla) {
    Codigo(0, tipo);
    Codigo(8, NombreCapa(capa));
    if (falla) Codigo(62, kRojo);
  }

 private:
  std::string& s_;
};

void Encabezado(Escritor& w, const DibujoPlanta& d) {
  w.Seccion("HEADER");
  w.Codigo(9, "$ACADVER");
  w.Codigo(1, "AC1009");
  w.Codigo(9, "$DWGCODEPAGE");
  w.Codigo(3, "ANSI_1252");
  w.Codigo(9, "$INSUNITS");
  w.Codigo(70, 6);  // metres
  w.Codigo(9, "$MEASUREMENT");
  w.Codigo(70, 1);  // metric
  w.Codigo(9, "$EXTMIN");
  w.Punto(10, d.minimo);
  w.Codigo(9, "$EXTMAX");
  w.Punto(10, d.maximo);
  w.Codigo(9, "$LIMMIN");
  w.Numero(10, d.minimo.x);
  w.Numero(20, d.minimo.y);
  w.Codigo(9, "$LIMMAX");
  w.Numero(10, d.maximo.x);
  w.Numero(20, d.maximo.y);
  w.Codigo(9, "$LTSCALE");
  w.Numero(40, 1);
  w.Codigo(9, "$TEXTSTYLE");
  w.Codigo(7, "STANDARD");
  w.FinSeccion();
}

void Tablas(Escritor& w) {
  w.Seccion("TABLES");
  w.Tabla("LTYPE", 2);
  // A line type: its name, what it looks like, and its dashes (m; a gap negative).
  auto defineTipo = [&w](std::string_view nombre, std::string_view aspecto,
                         std::initializer_list<double> trazos) {
    w.Codigo(0, "LTYPE");
    w.Codigo(2, nombre);
    w.Codigo(70, 0);
    w.Codigo(3, aspecto);
    w.Codigo(72, 65);
    w.Codigo(73, static_cast<int>(trazos.size()));
    double largo = 0;
    for (double t : trazos) largo += std::fabs(t);
    w.Numero(40, largo);
    for (double t : trazos) w.Numero(49, t);
  };
  defineTipo("CONTINUOUS", "Solid line", {});
  defineTipo("DASHED", "__ __ __ __", {kTrazo, -kHueco});
  w.FinTabla();

  w.Tabla("LAYER", NumCapasPlanta + 1);
  auto capa = [&w](std::string_view nombre, int color, std::string_view tipoLinea) {
    w.Codigo(0, "LAYER");
    w.Codigo(2, nombre);
    w.Codigo(70, 0);
    w.Codigo(62, color);
    w.Codigo(6, tipoLinea);
  };
  capa("0", 7, "CONTINUOUS");
  for (int c = 0; c < NumCapasPlanta; ++c) {
    const auto k = static_cast<CapaPlanta>(c);
    capa(NombreCapa(k), kColoresCapas[static_cast<std::size_t>(c)],
         k == CapaPlanta::BordesLibres ? "DASHED" : "CONTINUOUS");
  }
  w.FinTabla();

  w.Tabla("STYLE", 1);
  w.Codigo(0, "STYLE");
  w.Codigo(2, "STANDARD");
  w.Codigo(70, 0);
  w.Numero(40, 0);
  w.Numero(41, 1);
  w.Numero(50, 0);
  w.Codigo(71, 0);
  w.Numero(42, 0.2);
  w.Codigo(3, "txt");
  w.Codigo(4, "");
  w.FinTabla();
  w.FinSeccion();
}

void Entidades(Escritor& w, const DibujoPlanta& d) {
  w.Seccion("ENTITIES");
  for (const ContornoPlanta& c : d.contornos) {
    w.Entidad("POLYLINE", CapaPlanta::Losas, c.falla);
    w.Codigo(66, 1);
    w.Punto(10, {});
    w.Codigo(70, 1);  // closed
    for (const PuntoPlanta& p : c.esquinas) {
      w.Entidad("VERTEX", CapaPlanta::Losas, c.falla);
      w.Punto(10, p);
    }
    w.Entidad("SEQEND", CapaPlanta::Losas, c.falla);
  }
  for (const TrazoPlanta& t : d.trazos) {
    w.Entidad("LINE", t.capa, t.falla);
    w.Punto(10, t.a);
    w.Punto(11, t.b);
  }
  for (const TextoPlanta& t : d.textos) {
    w.Entidad("TEXT", t.capa, t.falla);
    w.Punto(10, t.en);
    w.Numero(40, t.alto);
    w.Codigo(1, TextoEnDxf(t.texto));
    if (t.angulo != 0) w.Numero(50, t.angulo);
    w.Codigo(72, t.ancla == AnclaTexto::Izquierda ? 0 : t.ancla == AnclaTexto::Centro ? 1 : 2);
    w.Punto(11, t.en);
    w.Codigo(73, 2);  // middle of the text's height
  }
  w.FinSeccion();
}

}  // namespace

std::string TextoEnDxf(std::string_view utf8) {
  std::string t;
  t.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t inicio = i;
    const char32_t c = SiguienteCaracter(utf8, i);
    if (c == '\r' || c == '\n' || c == '\t') {
      t += ' ';
    } else if (c == kNoEsCaracter || c < 0x20 || c == 0x7F) {
      t += '?';
    } else if (CabeEnWindows1252(c)) {
      t += Windows1252DesdeUtf8(utf8.substr(inicio, i - inicio));
    } else {
      char buf[16];
      std::snprintf(buf, sizeof buf, "\\U+%04X", static_cast<unsigned>(c));
      t += buf;
    }
  }
  // "%%" starts a control code; "%%%" is one percent sign.
  if (t.find("%%") != std::string::npos) {
    std::string s;
    for (char c : t) s += c == '%' ? std::string("%%%") : std::string(1, c);
    t = std::move(s);
  }
  return t;
}

std::string TextoDxf(const DibujoPlanta& d) {
  std::string s;
  s.reserve(256 * (d.trazos.size() + 2 * d.textos.size() + 6 * d.contornos.size()) / 2 + 4096);
  Escritor w(s);
  Encabezado(w, d);
  Tablas(w);
  Entidades(w, d);
  w.Codigo(0, "EOF");
  return s;
}

}  // namespace placatec
