#include "model/Defectos.h"
#include "comandos/ComandosPrincipal.h"

#include <gtest/gtest.h>

#include <memory>

#include "comandos/Sesion.h"

namespace placatec {

TEST(Defectos, ListasDeResistencias) {
  const auto& fc = ListaFc();
  const auto& fy = ListaFy();
  EXPECT_EQ(std::vector<std::string_view>(fc.begin(), fc.end()),
            (std::vector<std::string_view>{"140", "160", "175", "180", "210", "240", "280", "350"}));
  EXPECT_EQ(std::vector<std::string_view>(fy.begin(), fy.end()),
            (std::vector<std::string_view>{"1400", "1800", "2800", "4200"}));
}

TEST(Defectos, ValoresPorDefectoNoTocaLasTablas) {
  auto p = std::make_unique<Proyecto>();
  p->Titulo = "Obra";
  p->NumLosas = 2;
  p->Lx[1] = 4.0f;
  p->Uso = "Entrepiso";
  p->EspesorCapa = p->PesoUnitCapa = {0.2f, 0.0f, 0.0f, 0.0f};
  p->Panderetas = 0.3;
  p->OtrasCargas = p->CargaMuerta = p->CargaViva = p->EspesorGeneral = p->Recubrimiento = 0.9f;
  p->CargaUltimaGeneral = p->Desperdicio = 2.0f;
  p->Fc = p->Fy = 280;
  ValoresPorDefecto(*p);
  EXPECT_EQ(p->Uso, "Techo");
  EXPECT_EQ(p->EspesorCapa, (std::array<Single, 4>{0.1f, 0.05f, 0.025f, 0.035f}));
  EXPECT_EQ(p->PesoUnitCapa, (std::array<Single, 4>{2.4f, 1.8f, 1.8f, 2.3f}));
  EXPECT_EQ(p->Panderetas, 0.1);
  EXPECT_EQ(p->OtrasCargas, 0.0f);
  EXPECT_EQ(p->CargaUltimaGeneral, 0.632f);
  EXPECT_EQ(p->CargaMuerta, 0.33f);
  EXPECT_EQ(p->CargaViva, 0.1f);
  EXPECT_EQ(p->EspesorGeneral, 0.1f);
  EXPECT_EQ(p->Recubrimiento, 2.0f);
  EXPECT_EQ(p->Fc, 180);
  EXPECT_EQ(p->Fy, 2800);
  EXPECT_EQ(p->Desperdicio, 7.0f);
  EXPECT_EQ(p->Titulo, "Obra");
  EXPECT_EQ(p->NumLosas, 2);
  EXPECT_EQ(p->Lx[1], 4.0f);
}

TEST(Defectos, CompletaPrimeraLosaCadaPruebaPorSeparado) {
  auto p = std::make_unique<Proyecto>();
  p->CargaUltimaGeneral = 0.0f;
  p->CargaMuerta = -0.2f;      // replaced
  p->CargaViva = 0.0f;         // replaced
  p->EspesorGeneral = -0.15f;  // only exactly 0 is replaced
  p->Lx[1] = -3.0f;
  p->Ly[1] = 6.0f;
  p->Bordes[1] = "  ";
  p->CargaMuertaVano[1] = 0.0f;
  p->CargaVivaVano[1] = 0.4f;
  p->CargaMuertaVuelo[1] = -0.1f;
  p->CargaVivaVuelo[1] = 0.3f;
  p->EspesorLosa[1] = 0.0f;
  p->Lx[2] = 0.0f;  // slab 2 is left to the slab table
  CompletaPrimeraLosa(*p);
  EXPECT_EQ(p->CargaUltimaGeneral, 0.632f);
  EXPECT_EQ(p->CargaMuerta, 0.33f);
  EXPECT_EQ(p->CargaViva, 0.1f);
  EXPECT_EQ(p->EspesorGeneral, -0.15f);
  EXPECT_EQ(p->Lx[1], 1.0f);
  EXPECT_EQ(p->Ly[1], 6.0f);
  EXPECT_EQ(p->Bordes[1], "AAAA");
  EXPECT_EQ(p->CargaMuertaVano[1], 0.33f);
  EXPECT_EQ(p->CargaVivaVano[1], 0.4f);
  EXPECT_EQ(p->CargaMuertaVuelo[1], 0.0f);
  EXPECT_EQ(p->CargaVivaVuelo[1], 0.3f);
  EXPECT_EQ(p->EspesorLosa[1], -0.15f);
  EXPECT_EQ(p->LosaActual, 1);
  EXPECT_EQ(p->Lx[2], 0.0f);

  // Set values stay: a positive cantilever load, an edge string, a general load.
  p->CargaMuertaVuelo[1] = 0.25f;
  p->Bordes[1] = "EAAN";
  p->CargaUltimaGeneral = 1.5f;
  p->EspesorGeneral = 0.0f;
  p->EspesorLosa[1] = 0.0f;
  CompletaPrimeraLosa(*p);
  EXPECT_EQ(p->CargaMuertaVuelo[1], 0.25f);
  EXPECT_EQ(p->Bordes[1], "EAAN");
  EXPECT_EQ(p->CargaUltimaGeneral, 1.5f);
  EXPECT_EQ(p->EspesorGeneral, 0.1f);
  EXPECT_EQ(p->EspesorLosa[1], 0.1f);
}

TEST(Defectos, NuevosDatosVaciaElProyectoYLosDialogos) {
  auto s = std::make_unique<Sesion>();
  Proyecto& p = s->proyecto;
  p.Titulo = "Viejo";
  p.NombreArchivo = "/tmp/viejo.Los";
  p.CalculoHecho = true;
  p.NumLosas = 5;
  for (int i = 1; i <= 6; ++i) {
    p.Lx[i] = p.CargaUltima[i] = p.CargaMuertaVano[i] = p.CargaVivaVuelo[i] = p.EspesorLosa[i] = 4.0f;
    p.Bordes[i] = "EEEE";
    p.CodigoLosa[i] = 9;
  }
  p.NumApoyos = 3;
  for (int j = 1; j <= 3; ++j) {
    p.ApoyoDir[j] = "Y";
    p.ApoyoLosa1[j] = p.ApoyoLosa2[j] = 2.0f;
    p.ApoyoDescripcion[j] = "Viga";
  }
  s->generales.EligeUso(15);
  s->generales.PonTexto(Caja::Combo1, "280");
  s->losas.AgregaFila({"1", "4", "5"});
  s->apoyos.AgregaFila({"1", "Y", "1", "2"});

  NuevosDatos(*s);

  EXPECT_EQ(p.Titulo, "");
  EXPECT_EQ(p.TituloReporte, "");
  EXPECT_EQ(p.NumLosas, 0);
  EXPECT_EQ(p.NumApoyos, 0);
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(p.Bordes[i], "AAAA");
    EXPECT_EQ(p.CodigoLosa[i], 0);
    for (Single v : {p.Lx[i], p.CargaUltima[i], p.CargaMuertaVano[i], p.CargaVivaVuelo[i], p.EspesorLosa[i]})
      EXPECT_EQ(v, 0.0f);
  }
  EXPECT_EQ(p.Lx[6], 4.0f) << "solo las losas que estaban en uso";
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(p.ApoyoDir[j], "");
    EXPECT_EQ(p.ApoyoLosa1[j], 0.0f);
    EXPECT_EQ(p.ApoyoLosa2[j], 0.0f);
    EXPECT_EQ(p.ApoyoDescripcion[j], "Viga");
  }
  EXPECT_FALSE(p.CalculoHecho);  // the old project's results are withdrawn
  EXPECT_EQ(p.NombreArchivo, "/tmp/viejo.Los");
  // The general data boxes and the values they feed.
  const DatosGenerales& g = s->generales;
  std::string cajas;
  for (Caja c : {Caja::Nombre, Caja::Cargav, Caja::Espesor, Caja::Recubrimiento, Caja::Combo1, Caja::Combo2})
    cajas += g.Texto(c) + "|";
  EXPECT_EQ(cajas, "|0.100|0.100|2|180|2800|");
  EXPECT_EQ(g.TextoNumLosas() + "|" + g.TextoNumApoyos(), "0|0");
  EXPECT_EQ(g.TextoUso(), "Techo plano");
  EXPECT_EQ(p.Fc, 180);
  EXPECT_EQ(p.Uso, "Techo");
  EXPECT_TRUE(s->losas.filas.empty());
  EXPECT_TRUE(s->apoyos.filas.empty());
  // The dialog that the command shows next reconciles the total with a roof.
  s->generales.Abre();
  s->generales.Activa();
  EXPECT_EQ(g.Texto(Caja::Cargam), "0.330");
  EXPECT_FLOAT_EQ(p.CargaUltimaGeneral, 0.632f);
}

}  // namespace placatec
