#include "outputs/Cantidades.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "design/Refuerzo.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

int Acota(int n, int maximo) { return std::clamp(n, 0, maximo); }

Celda Numero(double v) { return {Formato(v, "0.00"), v}; }

// Bars of support j laid into slab i: spread over the slab's span across the
// support at the support's spacing, reaching a fifth of the span along it (the
// whole span of a one-way cantilever) plus 0.3 m.
void BarrasDeApoyo(const Proyecto& p, ResultadosCalculo& r, int i, int j) {
  const Barra* b = BarraDeCodigo(r.apoyos[j].BarraApoyo);
  const float separ = r.apoyos[j].SeparApoyo;
  if (b == nullptr || !(separ > 0) || !std::isfinite(separ)) return;  // no bars
  const bool esX = !EsDireccionY(p.ApoyoDir[j]);
  const double transversal = esX ? p.Ly[i] : p.Lx[i];
  const double luz = esX ? p.Lx[i] : p.Ly[i];
  const double n = transversal / separ + 1;
  const double l = p.CodigoLosa[i] == 13 ? luz + 0.3 : luz / 5 + 0.3;
  ResultadosLosa& losa = r.losas[i];
  float& qq = b->codigo == 3 ? losa.Qq1 : b->codigo == 4 ? losa.Qq2 : losa.Qq3;
  qq = ASingle(qq + n * l * b->pesoMetro);
}

}  // namespace

void CalculaCantidades(const Proyecto& p, ResultadosCalculo& r, TablaCantidades& t) {
  AgregaBarrasDeApoyos(p, r);
  MuestraCantidades(p, r, t);
}

void AgregaBarrasDeApoyos(const Proyecto& p, ResultadosCalculo& r) {
  const int losas = Acota(p.NumLosas, MaxLosas);
  const int apoyos = Acota(p.NumApoyos, MaxApoyos);
  Tabla<int> losa1{}, losa2{};
  for (int j = 1; j <= apoyos; ++j) {
    losa1[j] = IndiceLosa(p.ApoyoLosa1[j]);
    losa2[j] = IndiceLosa(p.ApoyoLosa2[j]);
  }
  // Slab by slab, support by support: the order in which the weights add up.
  for (int i = 1; i <= losas; ++i) {
    for (int j = 1; j <= apoyos; ++j) {
      if (losa1[j] == i) BarrasDeApoyo(p, r, i, j);
      if (losa2[j] == i) BarrasDeApoyo(p, r, i, j);
    }
  }
}

void MuestraCantidades(const Proyecto& p, const ResultadosCalculo& r, TablaCantidades& t) {
  // The box shows the waste the table uses: a new project puts the waste back to its
  // start-up value while the box may still hold another.
  if (ASingle(ValorTexto(t.textoDesperdicio)) != t.Desperdicio)
    t.textoDesperdicio = TextoCelda(t.Desperdicio);
  t.tabla.Vacia();
  double totalV = 0, total1 = 0, total2 = 0, total3 = 0, total = 0;
  const double f = 1 + static_cast<double>(t.Desperdicio) / 100;
  const int losas = Acota(p.NumLosas, MaxLosas);
  t.tabla.filas.reserve(static_cast<std::size_t>(losas));
  for (int i = 1; i <= losas; ++i) {
    const double v = static_cast<double>(p.Lx[i]) * p.Ly[i] * p.EspesorLosa[i];
    const ResultadosLosa& l = r.losas[static_cast<std::size_t>(i)];
    const double q1 = f * l.Qq1, q2 = f * l.Qq2, q3 = f * l.Qq3;
    const double qt = q1 + q2 + q3;
    const double cuantia = v != 0 ? qt / v : 0;
    t.tabla.filas.push_back({Celda{std::to_string(i), static_cast<double>(i)}, Numero(v), Numero(q1),
                             Numero(q2), Numero(q3), Numero(qt), Numero(cuantia)});
    totalV += v;
    total1 += q1;
    total2 += q2;
    total3 += q3;
    total += qt;
  }
  const double cuantia = totalV != 0 ? total / totalV : 0;
  const double totales[6] = {totalV, total1, total2, total3, total, cuantia};
  for (std::size_t k = 0; k < 6; ++k) t.totales[k] = Formato(totales[k], "##0.00");
}

bool TeclaDesperdicio(const TablaCantidades& t, char tecla, Interlocutor& ui) {
  const bool permitida = (tecla >= '0' && tecla <= '9') || tecla == '.' || tecla == '\b';
  if (!permitida || ValorTexto(t.textoDesperdicio) > 99) {
    ui.Beep();
    return false;
  }
  return true;
}

void CambiaDesperdicio(TablaCantidades& t, const std::string& texto) {
  t.textoDesperdicio = texto;
  t.Desperdicio = ASingle(ValorTexto(texto));
}

}  // namespace placatec
