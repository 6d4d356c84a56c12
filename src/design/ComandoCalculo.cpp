#include "design/ComandoCalculo.h"

#include <cmath>
#include <utility>
#include <vector>

#include "design/Refuerzo.h"
#include "engine/CalculaLosas.h"
#include "model/Numeros.h"
#include "outputs/Cantidades.h"

namespace placatec {

namespace {

using Fila = std::vector<Celda>;
using Pesos = std::array<float, 3>;  // quintals of 3/8, 1/2 and 3/4 inch bars

// Columns of the span rows.
enum { cLosa, cDir, cMomento, cArea, cBarras, cSepar, cTipo };

constexpr float kSeparTemperatura = 0.28f;

Celda Numero(float v) { return {Formato(v, "0.00"), static_cast<double>(v)}; }
Celda Texto(std::string t) { return {std::move(t), std::nullopt}; }
Celda Entero(int v) { return {std::to_string(v), static_cast<double>(v)}; }

int IndicePeso(const Barra& b) { return b.codigo == 3 ? 0 : b.codigo == 4 ? 1 : 2; }

// Span data of one direction of slab i: X spans Lx and its bars run along Lx,
// spread over Ly; Y the other way round.
struct Direccion {
  bool esY;
  float momento, area;
  float& separ;
  double luz, luzTransversal;
};

Direccion DireccionDe(Proyecto& p, int i, bool esY) {
  if (esY) return {true, p.MomentoY[i], p.AreaY[i], p.SeparY[i], p.Ly[i], p.Lx[i]};
  return {false, p.MomentoX[i], p.AreaX[i], p.SeparX[i], p.Lx[i], p.Ly[i]};
}

// Temperature steel: 3/8 inch bars at 0.28 m; only the 3/8 weight is replaced.
void AceroTemperatura(Direccion& d, Pesos& pesos, Fila& fila) {
  d.separ = kSeparTemperatura;
  pesos[0] = ASingle((d.luzTransversal / kSeparTemperatura + 1) * (d.luz + 0.3) *
                     kBarra3_8.pesoMetro);
  fila[cBarras] = Texto(EtiquetaBarra(kBarra3_8));
  fila[cSepar] = Numero(kSeparTemperatura);
  fila[cTipo] = Texto("Temp");
}

// ChequeaTemp1X / ChequeaTemp1Y: a cantilever row says "Vuelo"; the direction across
// the cantilever (the longer span) gets temperature steel.
void ChequeaTemp1(const Proyecto& p, int i, Direccion& d, Pesos& pesos, Fila& fila) {
  if (p.CodigoLosa[i] != 13) return;
  fila[cTipo] = Texto("Vuelo");
  const bool transversal = d.esY ? p.Lx[i] < p.Ly[i] : p.Lx[i] > p.Ly[i];
  if (transversal) AceroTemperatura(d, pesos, fila);
}

// ChequeaTemp2X / ChequeaTemp2Y: the direction a one-way slab does not span gets
// temperature steel and shows no negative moment.
void ChequeaTemp2(const Proyecto& p, int i, Direccion& d, Pesos& pesos, Fila& fila) {
  const int codigo = p.CodigoLosa[i];
  if (codigo < 10 || codigo >= 14) return;
  const float m = p.RelacionLados[i];
  if (d.esY ? !(m >= 2.0f) : !(m <= 2.0f)) return;
  AceroTemperatura(d, pesos, fila);
  if (fila[cMomento].valor && *fila[cMomento].valor < 0) fila[cMomento] = Numero(0.0f);
}

Pesos FilaVano(Sesion& s, int i, bool esY) {
  Proyecto& p = s.proyecto;
  Direccion d = DireccionDe(p, i, esY);
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
  ChequeaTemp1(p, i, d, pesos, fila);
  ChequeaTemp2(p, i, d, pesos, fila);
  s.vanos.filas.push_back(std::move(fila));
  return pesos;
}

void FilaApoyo(Sesion& s, int j) {
  Proyecto& p = s.proyecto;
  const bool esY = p.ApoyoDir[j] != "X";
  Fila fila(kColumnasApoyosRefuerzo.size());
  fila[0] = Entero(j);
  fila[1] = Texto(esY ? "Y" : "X");
  fila[2] = Texto(TextoNumero(p.ApoyoLosa1[j]) + " - " + TextoNumero(p.ApoyoLosa2[j]));
  fila[3] = Numero(esY ? p.MomentoApoyoY[j] : p.MomentoApoyoX[j]);
  fila[4] = Numero(esY ? p.AreaApoyoY[j] : p.AreaApoyoX[j]);
  fila[5] = Numero(p.Dispon[j]);
  if (p.SeparApoyo[j] > 1.0f) p.SeparApoyo[j] = 1.0f;
  fila[7] = Numero(p.SeparApoyo[j]);
  if (p.Adicional[j] <= 0) {
    p.BarraApoyo[j] = 0;
    fila[6] = Texto("---");
    fila[7] = Texto("");
  } else {
    const Barra& b = BarraParaArea(p.Adicional[j]);
    p.BarraApoyo[j] = b.codigo;
    fila[6] = Texto(EtiquetaBarra(b));
  }
  s.apoyosRefuerzo.filas.push_back(std::move(fila));
}

}  // namespace

bool CalculaRefuerzo(Sesion& s, Interlocutor& ui) {
  Proyecto& p = s.proyecto;
  ui.Estado(std::string(kEstadoCalculando));
  p.ErrorCalculo = 0;
  CalculaLosas(p, ui);
  if (p.ErrorCalculo != 0) return false;

  s.nombreResultados = p.Titulo;
  s.vanos.Vacia();
  s.vanos.filas.reserve(2 * static_cast<std::size_t>(p.NumLosas));
  for (int i = 1; i <= p.NumLosas; ++i) {
    const Pesos x = FilaVano(s, i, false);
    const Pesos y = FilaVano(s, i, true);
    p.Qq1[i] = ASingle(static_cast<double>(x[0]) + y[0]);
    p.Qq2[i] = ASingle(static_cast<double>(x[1]) + y[1]);
    p.Qq3[i] = ASingle(static_cast<double>(x[2]) + y[2]);
  }

  s.apoyosRefuerzo.Vacia();
  s.apoyosRefuerzo.filas.reserve(static_cast<std::size_t>(p.NumApoyos));
  for (int j = 1; j <= p.NumApoyos; ++j) FilaApoyo(s, j);

  CalculaCantidades(s);
  ui.Estado("");
  p.CalculoHecho = true;
  return true;
}

std::string_view EstiloTipo(std::string_view tipo) { return tipo == "Simple" ? "Azul" : "Rojo"; }

}  // namespace placatec
