#include "model/Defectos.h"
#include "comandos/ComandosPrincipal.h"

#include <gtest/gtest.h>

#include <memory>

#include "comandos/Sesion.h"

namespace placatec {

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
  s->estado.NombreArchivo = "/tmp/viejo.Los";
  s->estado.CalculoHecho = true;
  p.NumLosas = 5;
  for (int i = 1; i <= 6; ++i) {
    p.Lx[i] = s->resultados.losas[i].CargaUltima = p.CargaMuertaVano[i] = p.CargaVivaVuelo[i] =
        p.EspesorLosa[i] = 4.0f;
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
  EXPECT_EQ(s->estado.TituloReporte, "");
  EXPECT_EQ(p.NumLosas, 0);
  EXPECT_EQ(p.NumApoyos, 0);
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(p.Bordes[i], "AAAA");
    EXPECT_EQ(p.CodigoLosa[i], 0);
    for (Single v : {p.Lx[i], s->resultados.losas[i].CargaUltima, p.CargaMuertaVano[i], p.CargaVivaVuelo[i],
                     p.EspesorLosa[i]})
      EXPECT_EQ(v, 0.0f);
  }
  EXPECT_EQ(p.Lx[6], 4.0f) << "solo las losas que estaban en uso";
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(p.ApoyoDir[j], "");
    EXPECT_EQ(p.ApoyoLosa1[j], 0.0f);
    EXPECT_EQ(p.ApoyoLosa2[j], 0.0f);
    EXPECT_EQ(p.ApoyoDescripcion[j], "Viga");
  }
  EXPECT_FALSE(s->estado.CalculoHecho);  // the old project's results are withdrawn
  EXPECT_EQ(s->estado.NombreArchivo, "/tmp/viejo.Los");
  // The general data boxes are those of a new roof.
  EXPECT_EQ(s->generales.TextoUso(), "Techo plano");
  EXPECT_EQ(p.Fc, 180);
  EXPECT_TRUE(s->losas.filas.empty());
  EXPECT_TRUE(s->apoyos.filas.empty());
}

}  // namespace placatec
