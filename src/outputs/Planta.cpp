#include "outputs/Planta.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "design/Refuerzo.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

constexpr std::array<std::string_view, NumCapasPlanta> kNombresCapas = {
    "LOSAS",          "BORDES_EMPOTRADOS", "BORDES_APOYADOS", "BORDES_LIBRES", "APOYOS",
    "ACERO_INFERIOR", "ACERO_SUPERIOR",    "TEXTOS",          "COTAS"};

// Width of an average character and height of a line of text, in text heights (the
// height of capitals).
constexpr double kAnchoCaracter = 0.75, kAltoLinea = 1.7;
// Slab numbers are this much taller than other texts.
constexpr double kAltoNumero = 1.6;
// An edge gets at most this many hatching ticks, however long it is.
constexpr int kMaxTrazosRayado = 400;
// Where marks cross a slab: bottom bars at a quarter of the other span, top bars at
// three quarters, so that the two never meet; top bars reach this part of the span in.
constexpr double kLugarInferior = 0.25, kLugarSuperior = 0.75, kLargoSuperior = 0.25;

PuntoPlanta Mas(PuntoPlanta a, double dx, double dy) { return {a.x + dx, a.y + dy}; }

// The four edges of a slab, in the order 1 left, 2 right, 3 bottom, 4 top: where each
// starts and ends, and which way the slab lies from it.
struct BordeLosa {
  PuntoPlanta a, b;
  double haciaX, haciaY;
};
std::array<BordeLosa, 4> BordesDe(const Proyecto& p, const Disposicion& d, int i) {
  const auto k = static_cast<std::size_t>(i);
  const double x0 = d.X0[k], y0 = d.Y0[k], x1 = x0 + p.Lx[k], y1 = y0 + p.Ly[k];
  return {{{{x0, y0}, {x0, y1}, 1, 0},
           {{x1, y0}, {x1, y1}, -1, 0},
           {{x0, y0}, {x1, y0}, 0, 1},
           {{x0, y1}, {x1, y1}, 0, -1}}};
}

// The rectangle a text takes, turned or not.
struct Caja {
  double x1, y1, x2, y2;
};
Caja CajaTexto(const TextoPlanta& t) {
  const double w = AnchoTexto(t.texto, t.alto), h = kAltoLinea * t.alto;
  const double x0 = t.ancla == AnclaTexto::Izquierda ? 0 : t.ancla == AnclaTexto::Centro ? -w / 2 : -w;
  const double a = t.angulo * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  Caja caja{1e300, 1e300, -1e300, -1e300};
  for (double u : {x0, x0 + w})
    for (double v : {-h / 2, h / 2}) {
      const double x = t.en.x + u * c - v * s, y = t.en.y + u * s + v * c;
      caja = {std::min(caja.x1, x), std::min(caja.y1, y), std::max(caja.x2, x), std::max(caja.y2, y)};
    }
  return caja;
}

char LetraBorde(const Proyecto& p, int i, int borde) {
  const std::string& b = p.Bordes[static_cast<std::size_t>(i)];
  return static_cast<std::size_t>(borde) <= b.size() ? b[static_cast<std::size_t>(borde) - 1] : 'A';
}

// The slabs of support j as table indexes, 0 for none or a number that is no slab.
std::array<int, 2> LosasDe(const Proyecto& p, int j) {
  std::array<int, 2> l{IndiceLosa(p.ApoyoLosa1[j]), IndiceLosa(p.ApoyoLosa2[j])};
  for (int& k : l)
    if (k < 1 || k > LosasDispuestas(p)) k = 0;
  return l;
}

int Apoyos(const Proyecto& p) {
  return std::clamp<int>(std::max(p.NumApoyos, p.NumApoyosReac), 0, MaxApoyos);
}

// Where support j lies: the stretch its two slabs share of the edges it meets ("Losa
// 1" its edge 2 or 4, "Losa 2" its edge 1 or 3), or the edge of the one slab it has
// when they share none.
std::optional<std::array<PuntoPlanta, 2>> TramoApoyo(const Proyecto& p, const Disposicion& d, int j) {
  const auto [a, b] = LosasDe(p, j);
  if (a == 0 && b == 0) return std::nullopt;
  const bool dirY = EsDireccionY(p.ApoyoDir[j]);
  const BordeLosa ea = a ? BordesDe(p, d, a)[dirY ? 3 : 1] : BordeLosa{};
  const BordeLosa eb = b ? BordesDe(p, d, b)[dirY ? 2 : 0] : BordeLosa{};
  if (!a) return std::array{eb.a, eb.b};
  if (!b) return std::array{ea.a, ea.b};
  if (dirY) {
    const double x1 = std::max(ea.a.x, eb.a.x), x2 = std::min(ea.b.x, eb.b.x);
    if (x2 - x1 > kToleranciaPosicion) return std::array{PuntoPlanta{x1, eb.a.y}, PuntoPlanta{x2, eb.a.y}};
  } else {
    const double y1 = std::max(ea.a.y, eb.a.y), y2 = std::min(ea.b.y, eb.b.y);
    if (y2 - y1 > kToleranciaPosicion) return std::array{PuntoPlanta{eb.a.x, y1}, PuntoPlanta{eb.a.x, y2}};
  }
  return std::array{ea.a, ea.b};
}

// Which edges of each slab a continuous support meets.
Tabla<std::array<bool, 5>> BordesCubiertos(const Proyecto& p) {
  Tabla<std::array<bool, 5>> cubiertos{};
  for (int j = 1; j <= std::clamp<int>(p.NumApoyos, 0, MaxApoyos); ++j) {
    const auto [a, b] = LosasDe(p, j);
    const bool dirY = EsDireccionY(p.ApoyoDir[j]);
    if (a) cubiertos[static_cast<std::size_t>(a)][dirY ? 4 : 2] = true;
    if (b) cubiertos[static_cast<std::size_t>(b)][dirY ? 3 : 1] = true;
  }
  return cubiertos;
}

std::string Separacion(const Barra& b, float separ) {
  return EtiquetaBarra(b) + " a " + Formato(separ, "0.00");
}

class Dibujante {
 public:
  Dibujante(const Proyecto& p, const Disposicion& d, const RefuerzoPlanta* r, const OpcionesPlanta& o)
      : p_(p), d_(d), r_(r), o_(o), h_(o.altoTexto) {}

  DibujoPlanta Dibuja() {
    dib_.problemas = d_.problemas;
    Fallas();
    for (int i = 1; i <= LosasDispuestas(p_); ++i) Losa(i);
    for (int j = 1; j <= Apoyos(p_); ++j) Apoyo(j);
    if (r_) {
      for (const BarraPlanta& m : o_.marcas ? *o_.marcas : MarcasPorMetro(p_, d_, *r_))
        DibujaMarca(m, o_, dib_);
    } else if (o_.marcas) {
      for (const BarraPlanta& m : *o_.marcas) DibujaMarca(m, o_, dib_);
    }
    if (o_.cotas) Cotas();
    if (o_.omiteTextosQueNoCaben) QuitaSolapados();
    Extension();
    return std::move(dib_);
  }

 private:
  void Trazo(CapaPlanta c, PuntoPlanta a, PuntoPlanta b, bool falla = false, bool auxiliar = false) {
    dib_.trazos.push_back({c, a, b, falla, auxiliar});
  }
  void Texto(CapaPlanta c, std::string t, PuntoPlanta en, double alto, double angulo = 0,
             bool falla = false) {
    dib_.textos.push_back({c, std::move(t), en, alto, angulo, AnclaTexto::Centro, falla});
  }
  bool Cabe(std::string_view t, double alto, double ancho) const {
    return !o_.omiteTextosQueNoCaben || AnchoTexto(t, alto) <= ancho;
  }

  // The slabs and supports a failed check or a place problem names.
  void Fallas() {
    auto losa = [this](int i) {
      if (i >= 1 && i <= MaxLosas) losaFalla_[static_cast<std::size_t>(i)] = true;
    };
    auto apoyo = [this](int j) {
      if (j >= 1 && j <= MaxApoyos) apoyoFalla_[static_cast<std::size_t>(j)] = true;
    };
    for (const ProblemaPosicion& q : d_.problemas) {
      losa(q.losa1);
      losa(q.losa2);
      apoyo(q.apoyo);
    }
    if (!r_) return;
    const Verificaciones& v = r_->verificaciones;
    for (const VerificacionLosa& l : v.losas)
      if (!l.Cumple()) losa(l.losa);
    for (const VerificacionBorde& b : v.bordes)
      if (!b.cumple) losa(b.losa);
    for (const VerificacionAviso& a : v.avisos) {
      if (a.cumple) continue;
      losa(a.losa);
      apoyo(a.apoyo);
      for (Integer k : a.losasDelApoyo) losa(k);
    }
  }

  void Losa(int i) {
    const auto k = static_cast<std::size_t>(i);
    const bool falla = losaFalla_[k];
    const auto bordes = BordesDe(p_, d_, i);
    dib_.contornos.push_back(
        {static_cast<Integer>(i), {bordes[0].a, bordes[2].b, bordes[1].b, bordes[0].b}, falla});
    for (int e = 1; e <= 4; ++e) {
      const BordeLosa& b = bordes[static_cast<std::size_t>(e) - 1];
      switch (LetraBorde(p_, i, e)) {
        case 'E':
          Trazo(CapaPlanta::BordesEmpotrados, b.a, b.b);
          Rayado(b, e <= 2 ? p_.Lx[k] : p_.Ly[k]);
          break;
        case 'N':
          Trazo(CapaPlanta::BordesLibres, b.a, b.b);
          break;
        default:
          Trazo(CapaPlanta::BordesApoyados, b.a, b.b);
      }
    }
    const double lx = p_.Lx[k], ly = p_.Ly[k];
    const PuntoPlanta centro{d_.X0[k] + lx / 2, d_.Y0[k] + ly / 2};
    const double altoNumero = kAltoNumero * h_;
    // The number and the spans need about four text heights of the slab's height.
    if (o_.omiteTextosQueNoCaben && 4 * h_ > 0.9 * ly) return;
    std::string numero = "Losa " + std::to_string(i);
    if (!Cabe(numero, altoNumero, 0.8 * lx)) numero = std::to_string(i);
    if (Cabe(numero, altoNumero, 0.8 * lx))
      Texto(CapaPlanta::Textos, numero, Mas(centro, 0, 1.0 * h_), altoNumero, 0, falla);
    const std::string luces = Formato(p_.Lx[k], "0.00") + " x " + Formato(p_.Ly[k], "0.00");
    if (Cabe(luces, h_, 0.9 * lx)) Texto(CapaPlanta::Textos, luces, Mas(centro, 0, -1.5 * h_), h_, 0, falla);
  }

  // Short strokes at 45 degrees inside the slab along a fixed edge.
  void Rayado(const BordeLosa& b, double luz) {
    const double largo = std::hypot(b.b.x - b.a.x, b.b.y - b.a.y);
    const double ancho = std::min(0.8 * h_, 0.25 * luz);
    double paso = 1.6 * h_;
    if (largo / paso > kMaxTrazosRayado) paso = largo / kMaxTrazosRayado;
    if (!(largo > ancho) || !(paso > 0)) return;
    const double ux = (b.b.x - b.a.x) / largo, uy = (b.b.y - b.a.y) / largo;
    for (double t = paso / 2; t + ancho <= largo; t += paso) {
      const PuntoPlanta en = Mas(b.a, ux * t, uy * t);
      Trazo(CapaPlanta::BordesEmpotrados, en,
            Mas(en, b.haciaX * ancho + ux * ancho, b.haciaY * ancho + uy * ancho), false, true);
    }
  }

  void Apoyo(int j) {
    const auto tramo = TramoApoyo(p_, d_, j);
    if (!tramo) return;
    const bool falla = apoyoFalla_[static_cast<std::size_t>(j)];
    const auto [a, b] = *tramo;
    Trazo(CapaPlanta::Apoyos, a, b, falla);
    std::string nombre = Recorta(p_.ApoyoDescripcion[static_cast<std::size_t>(j)]);
    std::replace(nombre.begin(), nombre.end(), '\n', ' ');
    std::erase(nombre, '\r');
    const std::string propio = "Apoyo " + std::to_string(j);
    nombre = nombre.empty() || nombre == propio ? propio : propio + ": " + nombre;
    const bool vertical = std::fabs(b.x - a.x) < std::fabs(b.y - a.y);
    const double largo = std::hypot(b.x - a.x, b.y - a.y);
    if (!Cabe(nombre, h_, largo)) return;
    const PuntoPlanta medio{(a.x + b.x) / 2, (a.y + b.y) / 2};
    // Beyond the hatching of the slab beside it.
    Texto(CapaPlanta::Textos, nombre, vertical ? Mas(medio, -1.5 * h_, 0) : Mas(medio, 0, 1.5 * h_), h_,
          vertical ? 90 : 0, falla);
  }

  // Chains of dimensions below and left of the storey between every slab edge, and the
  // overall length beyond them.
  void Cotas() {
    const int n = LosasDispuestas(p_);
    if (n == 0) return;
    std::vector<double> xs, ys;
    for (int i = 1; i <= n; ++i) {
      const auto k = static_cast<std::size_t>(i);
      xs.insert(xs.end(), {d_.X0[k], d_.X0[k] + p_.Lx[k]});
      ys.insert(ys.end(), {d_.Y0[k], d_.Y0[k] + p_.Ly[k]});
    }
    for (auto* v : {&xs, &ys}) {
      std::sort(v->begin(), v->end());
      v->erase(std::unique(v->begin(), v->end(),
                           [](double a, double b) { return std::fabs(a - b) <= kToleranciaPosicion; }),
               v->end());
    }
    Cadena(xs, ys.front(), false);
    Cadena(ys, xs.front(), true);
  }

  // One side's dimensions: `marcas` along X (or Y when `enY`), drawn before `borde`.
  void Cadena(const std::vector<double>& marcas, double borde, bool enY) {
    if (marcas.size() < 2) return;
    auto punto = [enY](double a, double b) { return enY ? PuntoPlanta{b, a} : PuntoPlanta{a, b}; };
    const double linea = borde - 3 * h_, total = borde - 6 * h_;
    const bool conTotal = marcas.size() > 2;
    const double angulo = enY ? 90 : 0;
    for (std::size_t k = 0; k < marcas.size(); ++k) {
      const bool extremo = k == 0 || k + 1 == marcas.size();
      const double hasta = (conTotal && extremo ? total : linea) - 0.8 * h_;
      Trazo(CapaPlanta::Cotas, punto(marcas[k], borde - 0.5 * h_), punto(marcas[k], hasta));
      Marca(punto(marcas[k], linea), enY);
      if (conTotal && extremo) Marca(punto(marcas[k], total), enY);
    }
    auto tramo = [&](double a, double b, double en) {
      Trazo(CapaPlanta::Cotas, punto(a, en), punto(b, en));
      const std::string t = Formato(b - a, "0.00");
      if (Cabe(t, h_, b - a))
        Texto(CapaPlanta::Cotas, t, punto((a + b) / 2, en + (enY ? -0.8 : 0.8) * h_), h_, angulo);
    };
    for (std::size_t k = 0; k + 1 < marcas.size(); ++k) tramo(marcas[k], marcas[k + 1], linea);
    if (conTotal) tramo(marcas.front(), marcas.back(), total);
  }

  // The oblique stroke of a dimension's end.
  void Marca(PuntoPlanta en, bool enY) {
    const double m = 0.5 * h_;
    Trazo(CapaPlanta::Cotas, Mas(en, enY ? m : -m, -m), Mas(en, enY ? -m : m, m));
  }

  // A text that would cover one of more weight is left out: slab numbers first, then
  // the bar labels, spans and support names, and the dimensions last.
  void QuitaSolapados() {
    auto peso = [this](const TextoPlanta& t) {
      if (t.capa == CapaPlanta::Textos && t.alto > h_) return 0;
      if (t.capa == CapaPlanta::AceroInferior || t.capa == CapaPlanta::AceroSuperior) return 1;
      return t.capa == CapaPlanta::Cotas ? 3 : 2;
    };
    std::vector<std::size_t> orden(dib_.textos.size());
    for (std::size_t k = 0; k < orden.size(); ++k) orden[k] = k;
    std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) {
      return peso(dib_.textos[a]) < peso(dib_.textos[b]);
    });
    std::vector<Caja> puestas;
    std::vector<bool> queda(orden.size(), false);
    for (std::size_t k : orden) {
      const Caja c = CajaTexto(dib_.textos[k]);
      queda[k] = std::none_of(puestas.begin(), puestas.end(), [&c](const Caja& o) {
        return c.x1 < o.x2 && o.x1 < c.x2 && c.y1 < o.y2 && o.y1 < c.y2;
      });
      if (queda[k]) puestas.push_back(c);
    }
    std::vector<TextoPlanta> quedan;
    for (std::size_t k = 0; k < queda.size(); ++k)
      if (queda[k]) quedan.push_back(std::move(dib_.textos[k]));
    dib_.textos = std::move(quedan);
  }

  void Extension() {
    bool hay = false;
    PuntoPlanta lo{}, hi{};
    auto incluye = [&](PuntoPlanta q) {
      if (!std::isfinite(q.x) || !std::isfinite(q.y)) return;
      if (!hay) lo = hi = q;
      lo = {std::min(lo.x, q.x), std::min(lo.y, q.y)};
      hi = {std::max(hi.x, q.x), std::max(hi.y, q.y)};
      hay = true;
    };
    for (const ContornoPlanta& c : dib_.contornos)
      for (const PuntoPlanta& q : c.esquinas) incluye(q);
    for (const TrazoPlanta& t : dib_.trazos) {
      incluye(t.a);
      incluye(t.b);
    }
    for (const TextoPlanta& t : dib_.textos) {
      const Caja c = CajaTexto(t);
      incluye({c.x1, c.y1});
      incluye({c.x2, c.y2});
    }
    dib_.minimo = lo;
    dib_.maximo = hi;
  }

  const Proyecto& p_;
  const Disposicion& d_;
  const RefuerzoPlanta* r_;
  const OpcionesPlanta& o_;
  const double h_;
  DibujoPlanta dib_;
  Tabla<bool> losaFalla_{}, apoyoFalla_{};
};

// The row of the span table for slab i and one direction, its "Tipo": "Simple", "Doble",
// "Vuelo" or "Temp".
std::string TipoFila(const TablaResultado& vanos, int i, bool dirY) {
  const std::size_t fila = 2 * static_cast<std::size_t>(i - 1) + (dirY ? 1 : 0);
  if (fila >= vanos.filas.size() || vanos.filas[fila].size() < 7) return {};
  return Recorta(vanos.filas[fila][6].texto);
}

bool AvisoDe(const Verificaciones& v, int losa, int apoyo, int borde, char dir) {
  return std::any_of(v.avisos.begin(), v.avisos.end(), [&](const VerificacionAviso& a) {
    return !a.cumple && a.losa == losa && a.apoyo == apoyo && a.borde == borde &&
           (!dir || a.direccion == dir) &&
           (a.tipo == TipoAviso::Ductilidad || a.tipo == TipoAviso::BarrasNoCaben);
  });
}

}  // namespace

std::string_view NombreCapa(CapaPlanta c) { return kNombresCapas[static_cast<std::size_t>(c)]; }

std::uint32_t ColorCapa(CapaPlanta c) {
  constexpr std::array<std::uint32_t, NumCapasPlanta> kColores = {
      0x808080, 0x000000, 0x000000, 0x000000, 0x1F3FA8, 0x007A29, 0x9C1C8C, 0x000000, 0x4A6A80};
  return kColores[static_cast<std::size_t>(c)];
}

double GrosorCapa(CapaPlanta c, bool auxiliar) {
  if (auxiliar) return 0.13;
  constexpr std::array<double, NumCapasPlanta> kGrosores = {0, 0.5, 0.25, 0.25, 0.7, 0.35, 0.35, 0, 0.13};
  return kGrosores[static_cast<std::size_t>(c)];
}

double AnchoTexto(std::string_view texto, double alto) {
  // Characters, not bytes: continuation bytes of UTF-8 do not count.
  const auto caracteres = std::count_if(
      texto.begin(), texto.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  return static_cast<double>(caracteres) * kAnchoCaracter * alto;
}

DibujoPlanta DibujaPlanta(const Proyecto& p, const Disposicion& d, const RefuerzoPlanta* refuerzo,
                          const OpcionesPlanta& o) {
  return Dibujante(p, d, refuerzo, o).Dibuja();
}

std::vector<BarraPlanta> MarcasPorMetro(const Proyecto& p, const Disposicion& d, const RefuerzoPlanta& r) {
  std::vector<BarraPlanta> marcas;
  const Verificaciones& v = r.verificaciones;
  const int n = LosasDispuestas(p);
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const ResultadosLosa& l = r.resultados.losas[k];
    const double x0 = d.X0[k], y0 = d.Y0[k], lx = p.Lx[k], ly = p.Ly[k];
    for (bool dirY : {false, true}) {
      const float separ = dirY ? l.SeparY : l.SeparX;
      if (!(separ > 0)) continue;
      const std::string tipo = TipoFila(r.vanos, i, dirY);
      const Barra& barra = tipo == "Temp" ? kBarra3_8 : BarraParaArea(std::fabs(dirY ? l.AreaY : l.AreaX));
      BarraPlanta m;
      m.losa = static_cast<Integer>(i);
      m.direccion = dirY ? 'Y' : 'X';
      m.superior = tipo == "Vuelo";  // a cantilever's bars are on top
      m.etiqueta = Separacion(barra, separ) + (tipo.empty() || tipo == "Simple" ? "" : " (" + tipo + ")");
      const double margen = std::min(0.1, 0.05 * (dirY ? ly : lx));
      if (dirY)
        m.inicio = {x0 + kLugarInferior * lx, y0 + margen},
        m.fin = {x0 + kLugarInferior * lx, y0 + ly - margen};
      else
        m.inicio = {x0 + margen, y0 + kLugarInferior * ly},
        m.fin = {x0 + lx - margen, y0 + kLugarInferior * ly};
      m.falla = AvisoDe(v, i, 0, 0, m.direccion);
      marcas.push_back(std::move(m));
    }
  }

  // Over each continuous support that needs bars of its own.
  for (int j = 1; j <= std::clamp<int>(p.NumApoyos, 0, MaxApoyos); ++j) {
    const ResultadosApoyo& a = r.resultados.apoyos[static_cast<std::size_t>(j)];
    const Barra* barra = BarraDeCodigo(a.BarraApoyo);
    const auto tramo = TramoApoyo(p, d, j);
    const auto [l1, l2] = LosasDe(p, j);
    if (!barra || !(a.Adicional > 0) || !tramo || !l1 || !l2) continue;
    const bool dirY = EsDireccionY(p.ApoyoDir[j]);
    const auto [ta, tb] = *tramo;
    const double luz1 = dirY ? p.Ly[static_cast<std::size_t>(l1)] : p.Lx[static_cast<std::size_t>(l1)];
    const double luz2 = dirY ? p.Ly[static_cast<std::size_t>(l2)] : p.Lx[static_cast<std::size_t>(l2)];
    BarraPlanta m;
    m.apoyo = static_cast<Integer>(j);
    m.direccion = dirY ? 'Y' : 'X';
    m.superior = true;
    m.etiqueta = Separacion(*barra, a.SeparApoyo);
    // The label beside the support, clear of its line and hatching, over the longer side.
    m.lugarEtiqueta = luz1 / (luz1 + luz2);
    m.anclaEtiqueta = luz2 >= luz1 ? AnclaTexto::Izquierda : AnclaTexto::Derecha;
    if (dirY) {
      const double x = ta.x + kLugarSuperior * (tb.x - ta.x);
      m.inicio = {x, ta.y - kLargoSuperior * luz1};
      m.fin = {x, ta.y + kLargoSuperior * luz2};
    } else {
      const double y = ta.y + kLugarSuperior * (tb.y - ta.y);
      m.inicio = {ta.x - kLargoSuperior * luz1, y};
      m.fin = {ta.x + kLargoSuperior * luz2, y};
    }
    m.falla = AvisoDe(v, 0, j, 0, 0);
    marcas.push_back(std::move(m));
  }

  // Into each fixed edge that no continuous support covers; an edge the checks could
  // not name is the one no support meets in the plan.
  const auto cubiertos = BordesCubiertos(p);
  for (const VerificacionBorde& b : v.bordes) {
    if (b.losa < 1 || b.losa > n) continue;
    const auto bordes = BordesDe(p, d, b.losa);
    const bool dirY = b.direccion == 'Y';
    for (int e : dirY ? std::array{3, 4} : std::array{1, 2}) {
      if (b.borde > 0 ? e != b.borde
                      : LetraBorde(p, b.losa, e) != 'E' || cubiertos[static_cast<std::size_t>(b.losa)][e])
        continue;
      const BordeLosa& borde = bordes[static_cast<std::size_t>(e) - 1];
      const double luz =
          dirY ? p.Ly[static_cast<std::size_t>(b.losa)] : p.Lx[static_cast<std::size_t>(b.losa)];
      BarraPlanta m;
      m.losa = b.losa;
      m.direccion = b.direccion;
      m.superior = true;
      m.etiqueta = b.cumple && b.barra ? Separacion(*b.barra, b.separ) : std::string("Excede la seccion");
      m.inicio =
          Mas(borde.a, kLugarSuperior * (borde.b.x - borde.a.x), kLugarSuperior * (borde.b.y - borde.a.y));
      m.fin = Mas(m.inicio, borde.haciaX * kLargoSuperior * luz, borde.haciaY * kLargoSuperior * luz);
      m.falla = !b.cumple || AvisoDe(v, b.losa, 0, e, 0);
      marcas.push_back(std::move(m));
    }
  }
  return marcas;
}

void DibujaMarca(const BarraPlanta& m, const OpcionesPlanta& o, DibujoPlanta& dibujo) {
  const CapaPlanta capa = m.superior ? CapaPlanta::AceroSuperior : CapaPlanta::AceroInferior;
  const double h = o.altoTexto, dx = m.fin.x - m.inicio.x, dy = m.fin.y - m.inicio.y;
  const double largo = std::hypot(dx, dy);
  if (!(largo > 0) || !std::isfinite(largo)) return;
  // Read from the left or from below: the label never stands upside down.
  double ux = dx / largo, uy = dy / largo;
  if (ux < -1e-9 || (std::fabs(ux) <= 1e-9 && uy < 0)) ux = -ux, uy = -uy;
  const double nx = -uy, ny = ux;  // to the label's side
  dibujo.trazos.push_back({capa, m.inicio, m.fin, m.falla});
  for (const PuntoPlanta& extremo : {m.inicio, m.fin})
    dibujo.trazos.push_back({capa, extremo, Mas(extremo, nx * 0.6 * h, ny * 0.6 * h), m.falla, true});
  if (m.etiqueta.empty() || (o.omiteTextosQueNoCaben && AnchoTexto(m.etiqueta, h) > 1.2 * largo)) return;
  // Measured along the bar as it reads, from its left (or lower) end.
  const bool alReves = ux * dx + uy * dy < 0;
  const double t = alReves ? 1 - m.lugarEtiqueta : m.lugarEtiqueta;
  const double aparte = m.anclaEtiqueta == AnclaTexto::Centro      ? 0
                        : m.anclaEtiqueta == AnclaTexto::Izquierda ? 1.0 * h
                                                                   : -1.0 * h;
  const PuntoPlanta en{m.inicio.x + t * dx + nx * 0.8 * h + ux * aparte,
                       m.inicio.y + t * dy + ny * 0.8 * h + uy * aparte};
  dibujo.textos.push_back(
      {capa, m.etiqueta, en, h, std::atan2(uy, ux) * 180 / std::numbers::pi, m.anclaEtiqueta, m.falla});
}

}  // namespace placatec
