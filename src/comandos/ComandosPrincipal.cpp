#include "comandos/ComandosPrincipal.h"

#include <algorithm>

#include "entry/DatosModificados.h"
#include "model/Defectos.h"
#include "outputs/Cantidades.h"

namespace placatec {

namespace {

int Acotado(Integer n, int maximo) { return std::clamp(static_cast<int>(n), 0, maximo); }

}  // namespace

bool HayLosas(const Proyecto& p) { return p.NumLosas >= 1; }

void PreparaApoyos(Proyecto& p) {
  if (p.ApoyoLosa1[1] <= 0) p.ApoyoLosa1[1] = 1.0f;
  if (p.ApoyoLosa2[1] <= 0) p.ApoyoLosa2[1] = 2.0f;
}

void NuevosDatos(Sesion& s) {
  Proyecto& p = s.proyecto;
  p.Titulo.clear();
  ValoresPorDefecto(p);
  for (int i = 1; i <= Acotado(p.NumLosas, MaxLosas); ++i) {
    p.CodigoLosa[i] = 0;
    p.Lx[i] = p.Ly[i] = 0.0f;
    p.CargaMuertaVano[i] = p.CargaVivaVano[i] = 0.0f;
    p.CargaMuertaVuelo[i] = p.CargaVivaVuelo[i] = 0.0f;
    p.EspesorLosa[i] = 0.0f;
    p.Bordes[i] = "AAAA";
    p.BordesInvalidos[i] = false;
    p.X0[i].reset();
    p.Y0[i].reset();
  }
  p.NumLosas = 0;
  for (int j = 1; j <= Acotado(p.NumApoyos, MaxApoyos); ++j) {
    p.ApoyoDir[j].clear();
    p.ApoyoLosa1[j] = p.ApoyoLosa2[j] = 0.0f;
  }
  p.NumApoyos = 0;
  // The extra supports of the reactions table and the items of another version's
  // file belonged to the project left behind.
  p.NumApoyosReac = 0;
  p.ItemsDesconocidos.clear();
  s.resultados = ResultadosCalculo{};
  s.medidas.Desperdicio = kDesperdicioInicial;
  DatosModificados(s.estado);

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
  g.ReglasEnLaActivacion();

  s.losas.Vacia();
  s.apoyos.Vacia();
  s.estado.Modificado = false;
}

}  // namespace placatec
