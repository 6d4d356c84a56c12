#include "model/Defectos.h"

#include "model/Numeros.h"

namespace placatec {

void CompletaPrimeraLosa(Proyecto& p) {
  if (p.CargaUltimaGeneral == 0.0f) p.CargaUltimaGeneral = 0.632f;
  if (p.CargaMuerta <= 0.0f) p.CargaMuerta = 0.33f;
  if (p.CargaViva <= 0.0f) p.CargaViva = 0.1f;
  if (p.EspesorGeneral == 0.0f) p.EspesorGeneral = 0.1f;  // only exactly 0
  if (p.Lx[1] <= 0.0f) p.Lx[1] = 1.0f;
  if (p.Ly[1] <= 0.0f) p.Ly[1] = 1.0f;
  if (Recorta(p.Bordes[1]).empty()) p.Bordes[1] = "AAAA";
  if (p.CargaMuertaVano[1] <= 0.0f) p.CargaMuertaVano[1] = p.CargaMuerta;
  if (p.CargaVivaVano[1] <= 0.0f) p.CargaVivaVano[1] = p.CargaViva;
  if (p.CargaMuertaVuelo[1] < 0.0f) p.CargaMuertaVuelo[1] = 0.0f;
  if (p.CargaVivaVuelo[1] < 0.0f) p.CargaVivaVuelo[1] = 0.0f;
  if (p.EspesorLosa[1] <= 0.0f) p.EspesorLosa[1] = p.EspesorGeneral;
  p.LosaActual = 1;
}

}  // namespace placatec
