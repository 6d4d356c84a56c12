#include "design/TablasRefuerzo.h"

#include <cmath>
#include <utility>
#include <vector>

#include "design/Refuerzo.h"
#include "engine/CalculaMomentos.h"
#include "engine/Clasificacion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

using Fila = std::vector<Celda>;
using Pesos = std::array<float, 3>;  // quintals of 3/8, 1/2 and 3/4 inch bars

// Columns of the span rows.
enum { cLosa, cDir, cMomento, cArea, cBarras, cSepar, cTipo };

Celda Numero(float v) { return {Formato(v, "0.00"), static_cast<double>(v)}; }
Celda Texto(std::string t) { return {std::move(t), std::nullopt}; }
Celda Entero(int v) { return {std::to_string(v), static_cast<double>(v)}; }

int IndicePeso(const Barra& b) { return b.codigo == 3 ? 0 : b.codigo == 4 ? 1 : 2; }

// Span data of one direction of slab i: X spans Lx and its bars run along Lx,
// spread over Ly; Y the other way round.
struct Direccion {
  float momento;
  float& area;
  float& separ;
  double luz, luzTransversal;
};

Direccion DireccionDe(const Proyecto& p, ResultadosLosa& l, int i, bool esY) {
  if (esY) return {l.MomentoY, l.AreaY, l.SeparY, p.Ly[i], p.Lx[i]};
  return {l.MomentoX, l.AreaX, l.SeparX, p.Lx[i], p.Ly[i]};
}

// Temperature steel: 3/8 inch bars take the place of the design bars of this
// direction (a thick slab's design bars can be of 1/2 or 3/4 inch), at the spacing
// that gives the temperature steel of the gross section, whose area the row states;
// their weights go with them.
void AceroTemperatura(const Proyecto& p, int i, Direccion& d, Pesos& pesos, Fila& fila) {
  d.area = AceroTemperaturaRequerido(p.EspesorLosa[i], p.Fy);
  d.separ = SeparacionTemperatura(p.EspesorLosa[i], p.Fy);
  pesos = {ASingle((d.luzTransversal / d.separ + 1) * (d.luz + 0.3) * kBarra3_8.pesoMetro), 0.0f, 0.0f};
  fila[cArea] = Numero(d.area);
  fila[cBarras] = Texto(EtiquetaBarra(kBarra3_8));
  fila[cSepar] = Numero(d.separ);
  fila[cTipo] = Texto("Temp");
}

// A one-way slab spanning the other direction: this direction gets temperature
// steel and shows no negative moment.
void TemperaturaUnaDireccion(const Proyecto& p, int i, Direccion& d, Pesos& pesos, Fila& fila) {
  AceroTemperatura(p, i, d, pesos, fila);
  if (fila[cMomento].valor && *fila[cMomento].valor < 0) fila[cMomento] = Numero(0.0f);
}

// A cantilever's X row says "Vuelo"; X is across the cantilever when Lx > Ly.
void ChequeaTemp1X(const Proyecto& p, int i, Direccion& d, Pesos& pesos, Fila& fila) {
  if (p.CodigoLosa[i] != 13) return;
  fila[cTipo] = Texto("Vuelo");
  if (p.Lx[i] > p.Ly[i]) AceroTemperatura(p, i, d, pesos, fila);
}

// A one-way slab spanning Y has temperature steel in X.
void ChequeaTemp2X(const Proyecto& p, const ResultadosLosa& l, int i, Direccion& d, Pesos& pesos,
                   Fila& fila) {
  if (EsCasoUnaDireccion(p.CodigoLosa[i]) && !UnaDireccionEnX(l.RelacionLados))
    TemperaturaUnaDireccion(p, i, d, pesos, fila);
}

// A cantilever's Y row says "Vuelo"; Y is across the cantilever when Lx < Ly.
void ChequeaTemp1Y(const Proyecto& p, int i, Direccion& d, Pesos& pesos, Fila& fila) {
  if (p.CodigoLosa[i] != 13) return;
  fila[cTipo] = Texto("Vuelo");
  if (p.Lx[i] < p.Ly[i]) AceroTemperatura(p, i, d, pesos, fila);
}

// A one-way slab spanning X (a span ratio of exactly 2 included) has temperature
// steel in Y.
void ChequeaTemp2Y(const Proyecto& p, const ResultadosLosa& l, int i, Direccion& d, Pesos& pesos,
                   Fila& fila) {
  if (EsCasoUnaDireccion(p.CodigoLosa[i]) && UnaDireccionEnX(l.RelacionLados))
    TemperaturaUnaDireccion(p, i, d, pesos, fila);
}

Pesos FilaVano(const Proyecto& p, ResultadosLosa& l, TablaResultado& vanos, int i, bool esY) {
  Direccion d = DireccionDe(p, l, i, esY);
  Pesos pesos{};
  Fila fila(kColumnasVanos.size());
  fila[cLosa] = esY ? Texto("") : Entero(i);
  fila[cDir] = Texto(esY ? "Y" : "X");
  fila[cMomento] = Numero(d.momento);
  fila[cArea] = Numero(std::fabs(d.area));
  fila[cSepar] = Numero(d.separ);
  fila[cTipo] = Texto("Simple");

  const Barra& b = BarraParaArea(std::fabs(d.area));
  pesos[IndicePeso(b)] = ASingle((d.luzTransversal / d.separ + 1) * (d.luz + 0.3) * b.pesoMetro);
  fila[cBarras] = Texto(EtiquetaBarra(b));
  if (d.area < 0) {
    for (float& w : pesos) w = ASingle(2.0 * w);
    fila[cTipo] = Texto("Doble");
  }
  if (esY) {
    ChequeaTemp1Y(p, i, d, pesos, fila);
    ChequeaTemp2Y(p, l, i, d, pesos, fila);
  } else {
    ChequeaTemp1X(p, i, d, pesos, fila);
    ChequeaTemp2X(p, l, i, d, pesos, fila);
  }
  vanos.filas.push_back(std::move(fila));
  return pesos;
}

void FilaApoyo(const Proyecto& p, ResultadosApoyo& a, TablaResultado& apoyos, int j) {
  const bool esY = a.Dir == 'Y';
  Fila fila(kColumnasApoyosRefuerzo.size());
  fila[0] = Entero(j);
  fila[1] = Texto(esY ? "Y" : "X");
  fila[2] = Texto(TextoNumero(p.ApoyoLosa1[j]) + " - " + TextoNumero(p.ApoyoLosa2[j]));
  fila[3] = Numero(esY ? a.MomentoApoyoY : a.MomentoApoyoX);
  fila[4] = Numero(esY ? a.AreaApoyoY : a.AreaApoyoX);
  fila[5] = Numero(a.Dispon);
  if (a.SeparApoyo > kSeparMaximaApoyo) a.SeparApoyo = kSeparMaximaApoyo;
  fila[7] = Numero(a.SeparApoyo);
  if (a.Adicional <= 0) {
    a.BarraApoyo = 0;
    fila[6] = Texto("---");
    fila[7] = Texto("");
  } else {
    const Barra& b = BarraParaArea(a.Adicional);
    a.BarraApoyo = b.codigo;
    fila[6] = Texto(EtiquetaBarra(b));
  }
  apoyos.filas.push_back(std::move(fila));
}

}  // namespace

std::string FueraDeRango(const ResultadosCalculo& r, const TablaResultado& vanos,
                         const TablaResultado& apoyos) {
  const auto finitos = [](const Fila& fila) {
    for (const Celda& c : fila)
      if (c.valor && !std::isfinite(*c.valor)) return false;
    return true;
  };
  for (std::size_t f = 0; f < vanos.filas.size(); ++f) {
    const int i = static_cast<int>(f / 2) + 1;
    const ResultadosLosa& l = r.losas[static_cast<std::size_t>(i)];
    if (!finitos(vanos.filas[f]) || !std::isfinite(l.Qq1) || !std::isfinite(l.Qq2) || !std::isfinite(l.Qq3))
      return TextoErrorCalculo(kCausaResultadosLosa, i);
  }
  for (std::size_t f = 0; f < apoyos.filas.size(); ++f)
    if (!finitos(apoyos.filas[f])) return TextoErrorCalculo(kCausaResultadosApoyo, static_cast<int>(f) + 1);
  return "";
}

void LlenaTablasRefuerzo(const Proyecto& p, ResultadosCalculo& r, TablaResultado& vanos,
                         TablaResultado& apoyos) {
  vanos.Vacia();
  apoyos.Vacia();
  vanos.filas.reserve(2 * static_cast<std::size_t>(p.NumLosas));
  for (int i = 1; i <= p.NumLosas; ++i) {
    ResultadosLosa& l = r.losas[i];
    const Pesos x = FilaVano(p, l, vanos, i, false);
    const Pesos y = FilaVano(p, l, vanos, i, true);
    l.Qq1 = ASingle(static_cast<double>(x[0]) + y[0]);
    l.Qq2 = ASingle(static_cast<double>(x[1]) + y[1]);
    l.Qq3 = ASingle(static_cast<double>(x[2]) + y[2]);
  }
  apoyos.filas.reserve(static_cast<std::size_t>(p.NumApoyos));
  for (int j = 1; j <= p.NumApoyos; ++j) FilaApoyo(p, r.apoyos[j], apoyos, j);
}

std::string_view EstiloTipo(std::string_view tipo) { return tipo == "Simple" ? "Azul" : "Rojo"; }

}  // namespace placatec
