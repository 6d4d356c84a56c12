#pragma once
// The storey the benchmarks measure: 99 slabs in rows of 9 with varied spans and edges
// (cantilevers among them) and 99 supports between neighbours, alternating X and Y.
// A smaller storey takes the first slabs and the supports between them.
#include <algorithm>

#include "engine/Clasificacion.h"
#include "model/Proyecto.h"

namespace placatec {

inline void PisoCompleto(Proyecto& p, int losas = MaxLosas) {
  const char* bordes[] = {"EEEE", "AEAE", "EAAA", "AAEA", "EEAA", "AAEE", "EEAE",
                          "AEEE", "AAAA", "EENA", "NEEE", "EANE", "NEAE"};
  p.Titulo = "Edificio de 99 losas";
  p.Fc = 210;
  p.Fy = 4200;
  for (int i = 1; i <= losas; ++i) {
    p.NumLosas = static_cast<Integer>(i);
    p.Lx[i] = 3.0f + 0.25f * static_cast<float>(i % 7);
    p.Ly[i] = 3.5f + 0.2f * static_cast<float>(i % 5);
    p.Bordes[i] = bordes[i % 13];
    p.CargaMuertaVano[i] = 0.513f;
    p.CargaVivaVano[i] = 0.25f;
    p.EspesorLosa[i] = 0.15f;
    p.CodigoLosa[i] = ClasificaLosa(p.Lx[i], p.Ly[i], p.Bordes[i]).value_or(0);
  }
  // Supports up to j = losas - 9 join slabs j and j + 1 or j + 9, all of them there.
  const int apoyos = losas >= MaxLosas ? MaxApoyos : std::max(0, losas - 9);
  for (int j = 1; j <= apoyos; ++j) {
    p.NumApoyos = static_cast<Integer>(j);
    const bool enX = j % 2 == 1;
    p.ApoyoDir[j] = enX ? "X" : "Y";
    const int a = 1 + (j - 1) % 90;
    p.ApoyoLosa1[j] = static_cast<float>(a);
    p.ApoyoLosa2[j] = static_cast<float>(enX ? a + 1 : a + 9);
  }
  p.NumApoyosReac = p.NumApoyos;
}

}  // namespace placatec
