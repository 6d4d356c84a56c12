#include "outputs/Planta.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <unordered_map>

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
// The top face of a "Doble" row of the schedule, between the bottom bars and the middle.
constexpr double kLugarDoble = 0.4;

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

bool Cruzan(const Caja& a, const Caja& b) { return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2; }

// What the plan already covers, in square cells of a given side, so that a label looks
// only at its neighbours. Each rectangle belongs to one mark (or to none) and weighs
// what covering it costs: a text is worse than a line.
constexpr std::size_t kNinguna = static_cast<std::size_t>(-1);
constexpr int kPesoTexto = 8, kPesoLinea = 1;
class Ocupacion {
 public:
  explicit Ocupacion(double celda) : celda_(celda > 0 && std::isfinite(celda) ? celda : 1.0) {}

  void Agrega(const Caja& c, std::size_t marca, int peso) {
    const auto indice = static_cast<std::uint32_t>(cajas_.size());
    cajas_.push_back({c, marca, peso, 0});
    if (!Celdas(c, [&](std::int64_t clave) { celdas_[clave].push_back(indice); })) grandes_.push_back(indice);
  }

  // The weight of what c covers but what belongs to mark `marca`, counted up to `tope`.
  int Cubre(const Caja& c, std::size_t marca, int tope) {
    ++consulta_;
    int peso = 0;
    const auto mira = [&](std::uint32_t i) {
      Ocupada& o = cajas_[i];
      if (peso >= tope || o.consulta == consulta_) return;
      o.consulta = consulta_;
      if (o.marca != marca && Cruzan(o.caja, c)) peso += o.peso;
    };
    for (std::uint32_t i : grandes_) mira(i);
    const bool enCeldas = Celdas(c, [&](std::int64_t clave) {
      const auto e = celdas_.find(clave);
      if (e != celdas_.end())
        for (std::uint32_t i : e->second) mira(i);
    });
    if (!enCeldas)
      for (std::uint32_t i = 0; i < cajas_.size(); ++i) mira(i);
    return std::min(peso, tope);
  }

 private:
  // Calls f with the key of each cell c touches; false (and no call) when there would
  // be too many, or the rectangle is not finite.
  template <class F>
  bool Celdas(const Caja& c, F f) const {
    constexpr double kLimite = 1e9;
    const double x1 = std::floor(c.x1 / celda_), x2 = std::floor(c.x2 / celda_);
    const double y1 = std::floor(c.y1 / celda_), y2 = std::floor(c.y2 / celda_);
    if (!(std::fabs(x1) < kLimite && std::fabs(x2) < kLimite && std::fabs(y1) < kLimite &&
          std::fabs(y2) < kLimite) ||
        (x2 - x1 + 1) * (y2 - y1 + 1) > 256)
      return false;
    for (auto x = static_cast<std::int64_t>(x1); x <= static_cast<std::int64_t>(x2); ++x)
      for (auto y = static_cast<std::int64_t>(y1); y <= static_cast<std::int64_t>(y2); ++y)
        f(x * 4'000'000'000LL + y);
    return true;
  }

  struct Ocupada {
    Caja caja;
    std::size_t marca;
    int peso;
    std::uint32_t consulta;  // the last query that looked at it: a rectangle in several cells counts once
  };
  double celda_;
  std::uint32_t consulta_ = 0;
  std::vector<Ocupada> cajas_;
  std::vector<std::uint32_t> grandes_;
  std::unordered_map<std::int64_t, std::vector<std::uint32_t>> celdas_;
};

// A place for a mark's label: its centre, start or end (`ancla`) at part `t` of the bar
// as it reads, on the side `lado` (1: left of it or above it, -1: the other).
struct LugarEtiqueta {
  double t;
  int lado;
  AnclaTexto ancla;
};

// The direction a mark's label reads in: from the left, or from below.
std::array<double, 2> Lectura(const BarraPlanta& m) {
  const double dx = m.fin.x - m.inicio.x, dy = m.fin.y - m.inicio.y, largo = std::hypot(dx, dy);
  double ux = dx / largo, uy = dy / largo;
  if (ux < -1e-9 || (std::fabs(ux) <= 1e-9 && uy < 0)) ux = -ux, uy = -uy;
  return {ux, uy};
}

// The forms of a mark's label that fit its bar, best first: in full, then short.
std::vector<std::string_view> EtiquetasQueCaben(const BarraPlanta& m, const OpcionesPlanta& o) {
  std::vector<std::string_view> formas;
  const double largo = std::hypot(m.fin.x - m.inicio.x, m.fin.y - m.inicio.y);
  if (!(largo > 0) || !std::isfinite(largo)) return formas;
  for (std::string_view t : {std::string_view(m.etiqueta), std::string_view(m.etiquetaCorta)})
    if (!t.empty() && (!o.omiteTextosQueNoCaben || AnchoTexto(t, o.altoTexto) <= 1.2 * largo))
      formas.push_back(t);
  return formas;
}

// Where a mark's label may go, best first: where the mark asks, on either side of the
// bar, then centred along it, from its middle outwards, kept within the bar when it is
// shorter.
std::vector<LugarEtiqueta> LugaresEtiqueta(const BarraPlanta& m, std::string_view texto, double h) {
  const AnclaTexto otra = m.anclaEtiqueta == AnclaTexto::Izquierda ? AnclaTexto::Derecha
                          : m.anclaEtiqueta == AnclaTexto::Derecha ? AnclaTexto::Izquierda
                                                                   : AnclaTexto::Centro;
  std::vector<LugarEtiqueta> l{{m.lugarEtiqueta, 1, m.anclaEtiqueta}, {m.lugarEtiqueta, -1, m.anclaEtiqueta}};
  if (otra != AnclaTexto::Centro)
    l.insert(l.end(), {{m.lugarEtiqueta, 1, otra}, {m.lugarEtiqueta, -1, otra}});
  const double largo = std::hypot(m.fin.x - m.inicio.x, m.fin.y - m.inicio.y);
  const double medio = AnchoTexto(texto, h) / 2 / largo;
  for (double t : {0.5, 0.35, 0.65, 0.2, 0.8, 0.05, 0.95}) {
    const double en = medio < 0.5 ? std::clamp(t, medio, 1 - medio) : 0.5;
    for (int lado : {1, -1}) l.push_back({en, lado, AnclaTexto::Centro});
  }
  return l;
}

TextoPlanta EtiquetaEn(const BarraPlanta& m, std::string_view texto, double h, const LugarEtiqueta& l) {
  const CapaPlanta capa = m.superior ? CapaPlanta::AceroSuperior : CapaPlanta::AceroInferior;
  const double dx = m.fin.x - m.inicio.x, dy = m.fin.y - m.inicio.y;
  const auto [ux, uy] = Lectura(m);
  const double nx = -uy * l.lado, ny = ux * l.lado;
  // Measured along the bar as it reads, from its left (or lower) end.
  const double t = ux * dx + uy * dy < 0 ? 1 - l.t : l.t;
  const double aparte = l.ancla == AnclaTexto::Centro      ? 0
                        : l.ancla == AnclaTexto::Izquierda ? 1.0 * h
                                                           : -1.0 * h;
  const PuntoPlanta en{m.inicio.x + t * dx + nx * 0.8 * h + ux * aparte,
                       m.inicio.y + t * dy + ny * 0.8 * h + uy * aparte};
  return {capa, std::string(texto), en, h, std::atan2(uy, ux) * 180 / std::numbers::pi, l.ancla, m.falla};
}

// The bar line on its steel layer, a short tick at each end and, at a hooked end, the
// hook's leg turned into the plan to the side away from the label, at least long
// enough to tell it from a tick.
void TrazosDeMarca(const BarraPlanta& m, double h, DibujoPlanta& dibujo) {
  const CapaPlanta capa = m.superior ? CapaPlanta::AceroSuperior : CapaPlanta::AceroInferior;
  const double largo = std::hypot(m.fin.x - m.inicio.x, m.fin.y - m.inicio.y);
  if (!(largo > 0) || !std::isfinite(largo)) return;
  const auto [ux, uy] = Lectura(m);
  const double nx = -uy, ny = ux;
  dibujo.trazos.push_back({capa, m.inicio, m.fin, m.falla});
  const bool gancho = m.gancho > 0 && std::isfinite(m.gancho);
  if (gancho) {
    const double pata = std::max(m.gancho, 1.2 * h);
    dibujo.trazos.push_back({capa, m.inicio, Mas(m.inicio, -nx * pata, -ny * pata), m.falla});
  }
  for (const PuntoPlanta& extremo : {m.inicio, m.fin})
    if (!gancho || !(extremo == m.inicio))
      dibujo.trazos.push_back({capa, extremo, Mas(extremo, nx * 0.6 * h, ny * 0.6 * h), m.falla, true});
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
    // The dimensions before the steel, so that its labels keep clear of them.
    if (o_.cotas) Cotas();
    if (o_.marcas)
      Marcas(*o_.marcas);
    else if (r_)
      Marcas(MarcasPorMetro(p_, d_, *r_));
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

  // The bars first, then each label at the first of its places that covers no text
  // and crosses no line but its own bar's; where none is free, at the one that covers
  // least, in its short form when the full one would cover a text (a storey seen from
  // far, where the overlap rule may still leave it out).
  void Marcas(const std::vector<BarraPlanta>& marcas) {
    const std::size_t primero = dib_.trazos.size();
    std::vector<std::size_t> hasta;
    hasta.reserve(marcas.size());
    for (const BarraPlanta& m : marcas) {
      TrazosDeMarca(m, h_, dib_);
      hasta.push_back(dib_.trazos.size());
    }
    Ocupacion ocupado(8 * h_);
    for (const TextoPlanta& t : dib_.textos) ocupado.Agrega(CajaTexto(t), kNinguna, kPesoTexto);
    for (std::size_t i = 0; i < dib_.trazos.size(); ++i) {
      const TrazoPlanta& t = dib_.trazos[i];
      if (t.auxiliar) continue;
      const std::size_t marca =
          i < primero
              ? kNinguna
              : static_cast<std::size_t>(std::upper_bound(hasta.begin(), hasta.end(), i) - hasta.begin());
      ocupado.Agrega(
          {std::min(t.a.x, t.b.x), std::min(t.a.y, t.b.y), std::max(t.a.x, t.b.x), std::max(t.a.y, t.b.y)},
          marca, kPesoLinea);
    }
    for (std::size_t k = 0; k < marcas.size(); ++k) {
      const BarraPlanta& m = marcas[k];
      std::optional<TextoPlanta> mejor;
      int menos = std::numeric_limits<int>::max();
      // The short form only where the full one would cover another text.
      for (std::string_view texto : EtiquetasQueCaben(m, o_)) {
        for (const LugarEtiqueta& l : LugaresEtiqueta(m, texto, h_)) {
          TextoPlanta t = EtiquetaEn(m, texto, h_, l);
          const int cubre = ocupado.Cubre(CajaTexto(t), k, menos);
          if (cubre < menos) {
            menos = cubre;
            mejor = std::move(t);
            if (menos == 0) break;
          }
        }
        if (menos < kPesoTexto) break;
      }
      if (!mejor) continue;
      ocupado.Agrega(CajaTexto(*mejor), kNinguna, kPesoTexto);
      dib_.textos.push_back(std::move(*mejor));
    }
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
      queda[k] = std::none_of(puestas.begin(), puestas.end(), [&c](const Caja& o) { return Cruzan(c, o); });
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

// Top bars into each fixed edge that no continuous support covers (only those whose
// moment exceeds the section, `soloExcedidos`); an edge the checks could not name is
// the one no support meets in the plan.
void MarcasDeBordes(const Proyecto& p, const Disposicion& d, const Verificaciones& v, bool soloExcedidos,
                    std::vector<BarraPlanta>& marcas) {
  const int n = LosasDispuestas(p);
  const auto cubiertos = BordesCubiertos(p);
  for (const VerificacionBorde& b : v.bordes) {
    if (b.losa < 1 || b.losa > n || (soloExcedidos && b.cumple)) continue;
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
}

// Where across its direction a schedule mark is drawn, as a part of the width its bars
// are spread over: bottom and temperature bars where the per-metre marks go, the top
// face of a "Doble" row between them and the middle, top bars at supports and edges
// at three quarters.
double LugarTransversal(TipoMarca t) {
  switch (t) {
    case TipoMarca::Inferior:
    case TipoMarca::Temperatura:
      return kLugarInferior;
    case TipoMarca::SuperiorDoble:
      return kLugarDoble;
    default:
      return kLugarSuperior;
  }
}

// The label of a bar that crosses a support at `en` (m along its direction) beside the
// support, over the bar's longer part.
void EtiquetaJunto(BarraPlanta& m, double en) {
  const bool dirY = m.direccion == 'Y';
  const double a = dirY ? m.inicio.y : m.inicio.x, b = dirY ? m.fin.y : m.fin.x;
  if (!(std::fabs(b - a) > 0)) return;
  m.lugarEtiqueta = std::clamp((en - a) / (b - a), 0.0, 1.0);
  const double leido = b < a ? 1 - m.lugarEtiqueta : m.lugarEtiqueta;  // from the left or from below
  m.anclaEtiqueta = leido <= 0.5 ? AnclaTexto::Izquierda : AnclaTexto::Derecha;
}

// The stretch across its direction that a mark may be drawn in (m), and where in it.
struct Franja {
  double desde, hasta, parte;
};

// Puts each mark across its direction at its part of its stretch; a mark that would
// lie on the line of an earlier one of its layer and direction, over a common length,
// moves along its stretch by steps until it lies alone.
void SeparaMarcas(std::vector<BarraPlanta>& marcas, const std::vector<Franja>& franjas) {
  constexpr double kPaso = 0.06;
  constexpr int kPasos = 6;
  const auto extension = [](const BarraPlanta& m) {
    const bool dirY = m.direccion == 'Y';
    const double a = dirY ? m.inicio.y : m.inicio.x, b = dirY ? m.fin.y : m.fin.x;
    return std::array{std::min(a, b), std::max(a, b)};
  };
  const auto pon = [](BarraPlanta& m, double en) {
    (m.direccion == 'Y' ? m.inicio.x : m.inicio.y) = en;
    (m.direccion == 'Y' ? m.fin.x : m.fin.y) = en;
  };
  for (std::size_t k = 0; k < marcas.size(); ++k) {
    BarraPlanta& m = marcas[k];
    const Franja& f = franjas[k];
    const std::array<double, 2> propia = extension(m);  // a lambda may not take a structured binding
    const auto choca = [&](double en) {
      for (std::size_t j = 0; j < k; ++j) {
        const BarraPlanta& o = marcas[j];
        if (o.direccion != m.direccion || o.superior != m.superior) continue;
        const auto [olo, ohi] = extension(o);
        if (std::fabs((o.direccion == 'Y' ? o.inicio.x : o.inicio.y) - en) < kToleranciaPosicion &&
            std::max(propia[0], olo) < std::min(propia[1], ohi) - kToleranciaPosicion)
          return true;
      }
      return false;
    };
    const double ancho = f.hasta - f.desde;
    double en = f.desde + f.parte * ancho;
    for (int paso = 1; paso <= 2 * kPasos && choca(en); ++paso) {
      const double parte = f.parte + (paso % 2 ? -1 : 1) * kPaso * ((paso + 1) / 2);
      if (parte > 0 && parte < 1) en = f.desde + parte * ancho;
    }
    if (choca(en)) en = f.desde + f.parte * ancho;
    pon(m, en);
  }
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

  MarcasDeBordes(p, d, v, false, marcas);
  return marcas;
}

std::string EtiquetaMarca(const MarcaBarra& m) {
  return "M" + std::to_string(m.marca) + ": " + std::to_string(m.cantidad) + " " +
         (m.barra ? Separacion(*m.barra, m.separ) : std::string());
}

std::vector<BarraPlanta> MarcasDePlanilla(const Planilla& pl, const Proyecto& p, const Disposicion& d,
                                          const Verificaciones& v) {
  const int n = LosasDispuestas(p);
  std::vector<BarraPlanta> marcas;
  std::vector<Franja> franjas;
  const auto ancho = [&](int i, bool dirY) {
    const auto k = static_cast<std::size_t>(i);
    const double desde = dirY ? d.X0[k] : d.Y0[k];
    return std::array{desde, desde + (dirY ? p.Lx[k] : p.Ly[k])};
  };
  for (const MarcaBarra& mb : pl.marcas) {
    const int ref = mb.losaReferencia;
    if (ref < 1 || ref > n || !mb.barra) continue;
    const auto k = static_cast<std::size_t>(ref);
    const bool dirY = mb.direccion == 'Y';
    BarraPlanta m;
    m.marca = mb.marca;
    m.losa = mb.tipo == TipoMarca::Apoyo ? 0 : mb.losa;
    m.apoyo = mb.tipo == TipoMarca::Apoyo ? mb.apoyo : 0;
    m.direccion = dirY ? 'Y' : 'X';
    m.superior = mb.superior;
    m.etiqueta = EtiquetaMarca(mb);
    m.etiquetaCorta = "M" + std::to_string(mb.marca);
    m.gancho = mb.gancho;
    m.inicio = {d.X0[k] + mb.x0, d.Y0[k] + mb.y0};
    m.fin = {d.X0[k] + mb.x1, d.Y0[k] + mb.y1};
    auto [desde, hasta] = ancho(ref, dirY);
    const double origen = dirY ? d.Y0[k] : d.X0[k], luz = dirY ? p.Ly[k] : p.Lx[k];
    switch (mb.tipo) {
      case TipoMarca::Apoyo:
        // Over the stretch of support the two slabs share, the label beside it.
        if (const auto tramo =
                mb.apoyo >= 1 && mb.apoyo <= MaxApoyos ? TramoApoyo(p, d, mb.apoyo) : std::nullopt) {
          const auto [a, b] = *tramo;
          desde = dirY ? std::min(a.x, b.x) : std::min(a.y, b.y);
          hasta = dirY ? std::max(a.x, b.x) : std::max(a.y, b.y);
          EtiquetaJunto(m, dirY ? a.y : a.x);
        }
        m.falla = AvisoDe(v, 0, mb.apoyo, 0, 0);
        break;
      case TipoMarca::Voladizo:
        // Beside the fixed edge: where a bar that starts outside the cantilever crosses it.
        EtiquetaJunto(m, origen + ((dirY ? mb.y0 : mb.x0) < luz / 2 ? 0 : luz));
        m.falla = AvisoDe(v, mb.losa, 0, 0, m.direccion);
        break;
      case TipoMarca::Borde:
        // Into the slab from the edge, clear of its hatching.
        EtiquetaJunto(m, origen + (mb.bordeDibujado == (dirY ? 3 : 1) ? 0 : luz));
        m.falla = AvisoDe(v, mb.losa, 0, mb.borde, 0) || AvisoDe(v, mb.losa, 0, mb.bordeDibujado, 0);
        break;
      default:
        m.falla = AvisoDe(v, mb.losa, 0, 0, m.direccion);
    }
    marcas.push_back(std::move(m));
    franjas.push_back({desde, hasta, LugarTransversal(mb.tipo)});
  }
  // The edges the schedule could not give bars, where the per-metre plan puts them.
  const std::size_t deLaPlanilla = marcas.size();
  MarcasDeBordes(p, d, v, true, marcas);
  for (std::size_t k = deLaPlanilla; k < marcas.size(); ++k) {
    const bool dirY = marcas[k].direccion == 'Y';
    const auto [desde, hasta] = ancho(marcas[k].losa, dirY);
    franjas.push_back({desde, hasta, kLugarSuperior});
  }
  SeparaMarcas(marcas, franjas);
  return marcas;
}

void DibujaMarca(const BarraPlanta& m, const OpcionesPlanta& o, DibujoPlanta& dibujo) {
  TrazosDeMarca(m, o.altoTexto, dibujo);
  if (const auto formas = EtiquetasQueCaben(m, o); !formas.empty())
    dibujo.textos.push_back(
        EtiquetaEn(m, formas.front(), o.altoTexto, {m.lugarEtiqueta, 1, m.anclaEtiqueta}));
}

std::array<PuntoPlanta, 2> ExtensionTexto(const TextoPlanta& t) {
  const Caja c = CajaTexto(t);
  return {PuntoPlanta{c.x1, c.y1}, PuntoPlanta{c.x2, c.y2}};
}

}  // namespace placatec
