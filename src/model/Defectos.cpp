#include "model/Defectos.h"

#include <algorithm>

#include "model/Numeros.h"
#include "model/Sesion.h"

namespace placatec {

namespace {
constexpr std::array<std::string_view, 8> kFc = {"140", "160", "175", "180", "210", "240", "280", "350"};
constexpr std::array<std::string_view, 4> kFy = {"1400", "1800", "2800", "4200"};

// A count used as a loop bound, kept inside the tables whatever it holds.
int Acotado(Integer n, int maximo) { return std::clamp(static_cast<int>(n), 0, maximo); }
}  // namespace

const std::array<std::string_view, 8>& ListaFc() { return kFc; }
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
  p.Desperdicio = 7.0f;
}

void CompletaPrimeraLosa(Proyecto& p) {
  if (p.CargaUltimaGeneral == 0) p.CargaUltimaGeneral = 0.632f;
  if (p.CargaMuerta <= 0) p.CargaMuerta = 0.33f;
  if (p.CargaViva <= 0) p.CargaViva = 0.1f;
  if (p.EspesorGeneral == 0) p.EspesorGeneral = 0.1f;
  if (p.Lx[1] <= 0) p.Lx[1] = 1.0f;
  if (p.Ly[1] <= 0) p.Ly[1] = 1.0f;
  if (Recorta(p.Bordes[1]).empty()) p.Bordes[1] = "AAAA";
  if (p.CargaMuertaVano[1] <= 0) p.CargaMuertaVano[1] = p.CargaMuerta;
  if (p.CargaVivaVano[1] <= 0) p.CargaVivaVano[1] = p.CargaViva;
  if (p.CargaMuertaVuelo[1] < 0) p.CargaMuertaVuelo[1] = 0.0f;
  if (p.CargaVivaVuelo[1] < 0) p.CargaVivaVuelo[1] = 0.0f;
  if (p.EspesorLosa[1] <= 0) p.EspesorLosa[1] = p.EspesorGeneral;
  p.LosaActual = 1;
}

void NuevosDatos(Sesion& s) {
  Proyecto& p = s.proyecto;
  p.Titulo.clear();
  ValoresPorDefecto(p);
  for (int i = 1; i <= Acotado(p.NumLosas, MaxLosas); ++i) {
    p.CodigoLosa[i] = 0;
    p.Lx[i] = p.Ly[i] = 0.0f;
    p.CargaUltima[i] = 0.0f;
    p.CargaMuertaVano[i] = p.CargaVivaVano[i] = 0.0f;
    p.CargaMuertaVuelo[i] = p.CargaVivaVuelo[i] = 0.0f;
    p.EspesorLosa[i] = 0.0f;
    p.Bordes[i] = "AAAA";
    p.BordesInvalidos[i] = false;
  }
  p.NumLosas = 0;
  for (int j = 1; j <= Acotado(p.NumApoyos, MaxApoyos); ++j) {
    p.ApoyoDir[j].clear();
    p.ApoyoLosa1[j] = p.ApoyoLosa2[j] = 0.0f;
  }
  p.NumApoyos = 0;

  DatosGenerales& g = s.generales;
  g.EscribeCaja(Caja::Nombre, "");
  g.EscribeCaja(Caja::Cargam, "0.330");
  g.EscribeCaja(Caja::Cargav, "0.100");
  g.EscribeCaja(Caja::Espesor, "0.100");
  g.EscribeCaja(Caja::Recubrimiento, "2");
  g.EscribeCaja(Caja::Combo1, "180");
  g.EscribeCaja(Caja::Combo2, "2800");
  g.PonContadores("0", "0");
  g.PonTextoUso("Techo plano");

  s.losas.Vacia();
  s.apoyos.Vacia();
}

}  // namespace placatec
