#include "entry/DatosModificados.h"

#include <algorithm>

namespace placatec {

void DatosModificados(EstadoSesion& e) {
  e.Modificado = true;
  e.CalculoHecho = false;
}

Proyecto DatosDe(const Proyecto& p) {
  static const Proyecto nuevo;
  Proyecto d = p;
  d.Titulo = nuevo.Titulo;
  d.Uso = nuevo.Uso;
  d.EspesorCapa = nuevo.EspesorCapa;
  d.PesoUnitCapa = nuevo.PesoUnitCapa;
  d.Panderetas = nuevo.Panderetas;
  d.OtrasCargas = nuevo.OtrasCargas;
  d.CargaUltimaGeneral = nuevo.CargaUltimaGeneral;
  d.ApoyoDescripcion = nuevo.ApoyoDescripcion;
  d.Ficha = nuevo.Ficha;
  // The extra supports of the reactions table follow the continuous ones: only the
  // reactions read them, and those are worked out afresh whenever shown.
  d.NumApoyosReac = nuevo.NumApoyosReac;
  for (int j = std::clamp<int>(p.NumApoyos, 0, MaxApoyos) + 1; j <= MaxApoyos; ++j) {
    d.ApoyoDir[j] = nuevo.ApoyoDir[j];
    d.ApoyoLosa1[j] = nuevo.ApoyoLosa1[j];
    d.ApoyoLosa2[j] = nuevo.ApoyoLosa2[j];
  }
  d.ItemsDesconocidos = nuevo.ItemsDesconocidos;
  // Where a slab is drawn in the storey changes no number of the calculation.
  d.X0 = nuevo.X0;
  d.Y0 = nuevo.Y0;
  return d;
}

VigilaDatos::~VigilaDatos() {
  if (!antes_) return;
  if (!(DatosDe(p_) == *antes_))
    DatosModificados(e_);
  else if (cambio_ || p_.X0 != x0_ || p_.Y0 != y0_)
    e_.Modificado = true;
}

}  // namespace placatec
