#include "entry/DatosModificados.h"

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
  d.NumApoyosReac = nuevo.NumApoyosReac;
  return d;
}

VigilaDatos::~VigilaDatos() {
  if (!(DatosDe(p_) == antes_))
    DatosModificados(e_);
  else if (cambio_)
    e_.Modificado = true;
}

}  // namespace placatec
