#include "model/Disposicion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "model/Numeros.h"

namespace placatec {

namespace {

struct ApoyoValido {
  int j, a, b;  // support and its "Losa 1", "Losa 2"
  bool dirY;
};

// One axis of the layout: the coordinate of each slab and whether it is known.
struct Eje {
  Tabla<double> valor{};
  Tabla<bool> conocido{};
};

// How far "Losa 2" lies from "Losa 1" along one axis.
double Paso(const Proyecto& p, const ApoyoValido& s, bool ejeY) {
  if (s.dirY != ejeY) return 0.0;
  return ejeY ? p.Ly[static_cast<std::size_t>(s.a)] : p.Lx[static_cast<std::size_t>(s.a)];
}

// The group of slab i: the slabs the supports join share one root.
int Raiz(std::vector<int>& padre, int i) {
  auto k = static_cast<std::size_t>(i);
  while (padre[k] != static_cast<int>(k)) {
    padre[k] = padre[static_cast<std::size_t>(padre[k])];
    k = static_cast<std::size_t>(padre[k]);
  }
  return static_cast<int>(k);
}

// Places along one axis the slabs of one group from those already known, walking the
// supports in order until no slab is placed.
void Propaga(const Proyecto& p, const std::vector<ApoyoValido>& apoyos, bool ejeY, Eje& e) {
  for (bool cambio = true; cambio;) {
    cambio = false;
    for (const ApoyoValido& s : apoyos) {
      const auto a = static_cast<std::size_t>(s.a), b = static_cast<std::size_t>(s.b);
      if (e.conocido[a] == e.conocido[b]) continue;
      const double paso = Paso(p, s, ejeY);
      if (e.conocido[a])
        e.valor[b] = e.valor[a] + paso;
      else
        e.valor[a] = e.valor[b] - paso;
      e.conocido[a] = e.conocido[b] = true;
      cambio = true;
    }
  }
}

bool Distinto(double a, double b) { return !(std::fabs(a - b) <= kToleranciaPosicion); }

}  // namespace

int LosasDispuestas(const Proyecto& p) { return std::clamp<int>(p.NumLosas, 0, MaxLosas); }

Disposicion DisponeLosas(const Proyecto& p) {
  Disposicion d;
  const int n = LosasDispuestas(p);
  std::vector<ApoyoValido> apoyos;
  std::vector<int> padre(static_cast<std::size_t>(n) + 1);
  std::iota(padre.begin(), padre.end(), 0);
  for (int j = 1; j <= std::clamp<int>(p.NumApoyos, 0, MaxApoyos); ++j) {
    const int a = IndiceLosa(p.ApoyoLosa1[j]), b = IndiceLosa(p.ApoyoLosa2[j]);
    // A support naming a slab that does not exist is the calculation's to refuse.
    if (a < 1 || a > n || b < 1 || b > n) continue;
    if (a == b) {
      d.problemas.push_back(
          {TipoProblemaPosicion::Contradiccion, static_cast<Integer>(j), static_cast<Integer>(a),
           static_cast<Integer>(b),
           "Apoyo " + std::to_string(j) + ": une la losa " + std::to_string(a) + " consigo misma"});
      continue;
    }
    apoyos.push_back({j, a, b, EsDireccionY(p.ApoyoDir[j])});
    padre[static_cast<std::size_t>(Raiz(padre, a))] = Raiz(padre, b);
  }

  std::array<Eje, 2> ejes;
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    for (bool ejeY : {false, true}) {
      const std::optional<Single>& fijado = ejeY ? p.Y0[k] : p.X0[k];
      if (!fijado) continue;
      ejes[ejeY].valor[k] = *fijado;
      ejes[ejeY].conocido[k] = true;
    }
  }

  // The groups in the order of their lowest-numbered slab.
  double derecha = 0.0;  // right end of the groups laid out so far
  bool primero = true;
  std::vector<bool> hecho(static_cast<std::size_t>(n) + 1, false);
  for (int raiz = 1; raiz <= n; ++raiz) {
    const int grupo = Raiz(padre, raiz);
    if (hecho[static_cast<std::size_t>(grupo)]) continue;
    hecho[static_cast<std::size_t>(grupo)] = true;
    std::vector<int> losas;
    for (int i = raiz; i <= n; ++i)
      if (Raiz(padre, i) == grupo) losas.push_back(i);
    std::vector<ApoyoValido> propios;
    for (const ApoyoValido& s : apoyos)
      if (Raiz(padre, s.a) == grupo) propios.push_back(s);

    for (bool ejeY : {false, true}) {
      Eje& e = ejes[ejeY];
      const bool fijado = std::any_of(losas.begin(), losas.end(),
                                      [&](int i) { return e.conocido[static_cast<std::size_t>(i)]; });
      if (!fijado) {
        e.valor[static_cast<std::size_t>(raiz)] = 0.0;
        e.conocido[static_cast<std::size_t>(raiz)] = true;
      }
      Propaga(p, propios, ejeY, e);
      if (fijado) continue;
      // A group laid out from nothing starts at Y = 0, and to the right of the others.
      double minimo = e.valor[static_cast<std::size_t>(raiz)];
      for (int i : losas) minimo = std::min(minimo, e.valor[static_cast<std::size_t>(i)]);
      const double inicio = ejeY || primero ? 0.0 : derecha + kHuecoDisposicion;
      for (int i : losas) e.valor[static_cast<std::size_t>(i)] += inicio - minimo;
    }
    for (int i : losas) {
      const auto k = static_cast<std::size_t>(i);
      derecha = primero ? ejes[0].valor[k] + p.Lx[k] : std::max(derecha, ejes[0].valor[k] + p.Lx[k]);
      primero = false;
    }
  }
  d.X0 = ejes[0].valor;
  d.Y0 = ejes[1].valor;

  for (const ApoyoValido& s : apoyos) {
    const auto a = static_cast<std::size_t>(s.a), b = static_cast<std::size_t>(s.b);
    if (!Distinto(d.X0[b], d.X0[a] + Paso(p, s, false)) && !Distinto(d.Y0[b], d.Y0[a] + Paso(p, s, true)))
      continue;
    d.problemas.push_back(
        {TipoProblemaPosicion::Contradiccion, static_cast<Integer>(s.j), static_cast<Integer>(s.a),
         static_cast<Integer>(s.b),
         "Apoyo " + std::to_string(s.j) + " (" + (s.dirY ? "Y" : "X") + "): la losa " + std::to_string(s.b) +
             " no queda " + (s.dirY ? "encima de" : "a la derecha de") + " la losa " + std::to_string(s.a)});
  }
  for (int i = 1; i <= n; ++i) {
    const auto a = static_cast<std::size_t>(i);
    for (int k = i + 1; k <= n; ++k) {
      const auto b = static_cast<std::size_t>(k);
      const double ancho = std::min(d.X0[a] + p.Lx[a], d.X0[b] + p.Lx[b]) - std::max(d.X0[a], d.X0[b]);
      const double alto = std::min(d.Y0[a] + p.Ly[a], d.Y0[b] + p.Ly[b]) - std::max(d.Y0[a], d.Y0[b]);
      if (ancho > kToleranciaPosicion && alto > kToleranciaPosicion)
        d.problemas.push_back(
            {TipoProblemaPosicion::Superposicion, 0, static_cast<Integer>(i), static_cast<Integer>(k),
             "Las losas " + std::to_string(i) + " y " + std::to_string(k) + " se superponen"});
    }
  }
  return d;
}

}  // namespace placatec
