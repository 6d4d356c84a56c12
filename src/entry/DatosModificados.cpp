#include "entry/DatosModificados.h"

namespace placatec {

void DatosModificados(EstadoSesion& e) {
  e.Modificado = true;
  e.CalculoHecho = false;
}

DatosDeCalculo DatosDe(const Proyecto& p) {
  return {p.NumLosas,         p.NumApoyos,      p.Fc,          p.Fy,     p.EspesorGeneral,  p.Recubrimiento,
          p.CargaMuerta,      p.CargaViva,      p.Lx,          p.Ly,     p.CargaMuertaVano, p.CargaVivaVano,
          p.CargaMuertaVuelo, p.CargaVivaVuelo, p.EspesorLosa, p.Bordes, p.CodigoLosa,      p.BordesInvalidos,
          p.ApoyoDir,         p.ApoyoLosa1,     p.ApoyoLosa2};
}

VigilaDatos::~VigilaDatos() {
  if (!(DatosDe(p_) == antes_))
    DatosModificados(e_);
  else if (cambio_)
    e_.Modificado = true;
}

}  // namespace placatec
