#include "model/Defectos.h"

#include <array>

#include "model/Numeros.h"

namespace placatec {

namespace {
constexpr std::array<std::string_view, 10> kFc = {"140", "160", "175", "180", "210",
                                                  "240", "250", "280", "300", "350"};
constexpr std::array<std::string_view, 4> kFy = {"1400", "1800", "2800", "4200"};
}  // namespace

const std::array<std::string_view, 10>& ListaFc() { return kFc; }
const std::array<std::string_view, 4>& ListaFy() { return kFy; }

void ValoresPorDefecto(Proyecto& p) {
  p.Uso = "Techo";
  p.EspesorCapa = {0.1f, 0.05f, 0.025f, 0.035f};
  p.PesoUnitCapa = {2.4f, 1.8f, 1.8f, 2.3f};
  p.Panderetas = 0.1;
  p.OtrasCargas = 0.0f;
  p.CargaUltimaGeneral = 0.632f;
  p.CargaMuerta = 0.33f;
  p.CargaViva = 0.1f;
  p.EspesorGeneral = 0.1f;
  p.Recubrimiento = 2.0f;
  p.Fc = 180;
  p.Fy = 2800;
}

void CompletaPrimeraLosa(Proyecto& p) {
  if (p.CargaUltimaGeneral == 0) p.CargaUltimaGeneral = 0.632f;
  if (p.CargaMuerta <= 0) p.CargaMuerta = 0.33f;
  if (p.CargaViva <= 0) p.CargaViva = 0.1f;
  if (p.EspesorGeneral == 0) p.EspesorGeneral = 0.1f;
  if (p.Lx[1] <= 0) p.Lx[1] = 1.0f;
  if (p.Ly[1] <= 0) p.Ly[1] = 1.0f;
  if (Recorta(p.Bordes[1]).empty()) p.Bordes[1] = "AAAA";
  p.CargaMuertaVano[1] = ValorOGeneral(p.CargaMuertaVano[1], p.CargaMuerta);
  p.CargaVivaVano[1] = ValorOGeneral(p.CargaVivaVano[1], p.CargaViva);
  if (p.CargaMuertaVuelo[1] < 0) p.CargaMuertaVuelo[1] = 0.0f;
  if (p.CargaVivaVuelo[1] < 0) p.CargaVivaVuelo[1] = 0.0f;
  p.EspesorLosa[1] = ValorOGeneral(p.EspesorLosa[1], p.EspesorGeneral);
}

}  // namespace placatec
