#include "engine/CalculaLosas.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "InterlocutorGuion.h"

namespace placatec {

namespace {

// n slabs 4 x 5, code 9, dead 0.5, live 0.2, 0.12 m thick.
Proyecto Losas(int n) {
  Proyecto p;
  p.NumLosas = static_cast<Integer>(n);
  for (int i = 1; i <= n; ++i) {
    p.Lx[i] = 4;
    p.Ly[i] = 5;
    p.CodigoLosa[i] = 9;
    p.Bordes[i] = "EEEE";
    p.CargaMuertaVano[i] = 0.5f;
    p.CargaVivaVano[i] = 0.2f;
    p.EspesorLosa[i] = 0.12f;
  }
  return p;
}

void AgregaApoyo(Proyecto& p, float a, float b, const std::string& dir = "X") {
  const int j = ++p.NumApoyos;
  p.ApoyoDir[j] = dir;
  p.ApoyoLosa1[j] = a;
  p.ApoyoLosa2[j] = b;
}

// Runs the calculation and returns the one message it showed ("" when none).
std::string Calcula(Proyecto& p) {
  InterlocutorGuion ui;
  p.ErrorCalculo = 0;
  CalculaLosas(p, ui);
  EXPECT_LE(ui.mensajes.size(), 1u);
  if (ui.mensajes.empty()) {
    EXPECT_EQ(p.ErrorCalculo, 0);
    return "";
  }
  EXPECT_EQ(p.ErrorCalculo, 1);
  EXPECT_EQ(ui.mensajes[0].titulo, "ERROR");
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Exclamacion);
  EXPECT_EQ(ui.mensajes[0].botones, Botones::OK);
  return ui.mensajes[0].texto;
}

}  // namespace

TEST(CalculaLosas, DatosGeneralesCompletados) {
  for (float cubierta : {0.0f, -1.0f}) {
    Proyecto p = Losas(1);
    p.Recubrimiento = cubierta;
    p.Fc = 0;
    p.Fy = 0;
    EXPECT_EQ(Calcula(p), "");
    EXPECT_EQ(p.Recubrimiento, 2.0f);
    EXPECT_EQ(p.RecubrimientoM, 0.02f);
    EXPECT_EQ(p.Fc, 180);
    EXPECT_EQ(p.Fy, 2800);
  }
  Proyecto p = Losas(1);
  p.Recubrimiento = 2.5f;
  EXPECT_EQ(Calcula(p), "");
  EXPECT_EQ(p.RecubrimientoM, 0.025f);

  // No slab and no support: a valid, empty calculation.
  p = Losas(0);
  EXPECT_EQ(Calcula(p), "");
}

TEST(CalculaLosas, LosaQueNoCorrespondeASuCaso) {
  Proyecto p = Losas(5);
  for (int i = 1; i <= 5; ++i) p.MomentoX[i] = p.AreaX[i] = 77.0f;  // an earlier run
  p.MomentoApoyoX[1] = 77.0f;
  AgregaApoyo(p, 1, 2);
  p.CodigoLosa[3] = 12;  // one-way code on a 4 x 5 slab
  EXPECT_EQ(Calcula(p), "Error en la Losa No.  3\r\n\r\nCORRIJA LOS DATOS");
  EXPECT_NE(p.MomentoX[2], 77.0f);  // slabs before the failing one were computed
  EXPECT_EQ(p.CargaUltima[3], 1.03999996f);
  EXPECT_EQ(p.MomentoX[3], 77.0f);
  EXPECT_EQ(p.MomentoX[4], 77.0f);
  EXPECT_EQ(p.MomentoX[5], 77.0f);
  EXPECT_EQ(p.MomentoApoyoX[1], 77.0f);  // no support moment
  EXPECT_EQ(p.AreaX[1], 77.0f);          // no design
}

TEST(CalculaLosas, DatosQueLasFormulasNoAdmiten) {
  // Spans that are zero, negative or not a number.
  for (float luz : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(),
                    std::numeric_limits<float>::infinity()}) {
    Proyecto p = Losas(3);
    p.Ly[2] = luz;
    EXPECT_EQ(Calcula(p), "Luces no validas en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS");
  }
  // Spans whose ratio no Single power can hold.
  for (auto [lx, ly] : {std::pair{1e-20f, 5.0f}, std::pair{4.0f, 1e-9f}, std::pair{1e-30f, 1e30f}}) {
    Proyecto p = Losas(3);
    p.Lx[2] = lx;
    p.Ly[2] = ly;
    EXPECT_EQ(Calcula(p), "Luces no validas en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS") << lx;
  }
  // A slab whose edges were rejected is not computed as code 10.
  Proyecto p = Losas(3);
  p.BordesInvalidos[3] = true;
  p.MomentoX[1] = 77.0f;
  EXPECT_EQ(Calcula(p),
            "Condiciones de borde no validas en la Losa No.  3\r\n\r\nCORRIJA LOS DATOS");
  EXPECT_EQ(p.MomentoX[1], 77.0f);  // refused before anything is computed
  // A thickness that leaves no effective depth over the cover.
  for (float espesor : {0.02f, 0.01f, 0.0f}) {
    p = Losas(2);
    p.EspesorLosa[1] = espesor;
    EXPECT_EQ(Calcula(p),
              "Espesor menor o igual al recubrimiento en la Losa No.  1\r\n\r\nCORRIJA LOS DATOS");
  }
  p = Losas(12);
  p.EspesorLosa[12] = 0.1f;
  p.Recubrimiento = 12;
  EXPECT_EQ(Calcula(p),
            "Espesor menor o igual al recubrimiento en la Losa No.  1\r\n\r\nCORRIJA LOS DATOS");
  // Table counts outside 0..99 and a negative strength.
  p = Losas(1);
  p.NumApoyos = 100;
  EXPECT_EQ(Calcula(p), "Numero de losas o de apoyos fuera de rango\r\n\r\nCORRIJA LOS DATOS");
  p = Losas(1);
  p.NumLosas = -1;
  EXPECT_EQ(Calcula(p), "Numero de losas o de apoyos fuera de rango\r\n\r\nCORRIJA LOS DATOS");
  p = Losas(1);
  p.Fy = -2800;
  EXPECT_EQ(Calcula(p), "Resistencia del concreto o del acero no valida\r\n\r\nCORRIJA LOS DATOS");
}

TEST(CalculaLosas, ApoyoQueNombraUnaLosaInexistente) {
  for (float losa : {0.0f, 3.0f, 100.0f, -1.0f, 1e30f, 0.4f,
                     std::numeric_limits<float>::quiet_NaN()}) {
    Proyecto p = Losas(2);
    AgregaApoyo(p, 1, 2);
    AgregaApoyo(p, 2, losa, "Y");
    EXPECT_EQ(Calcula(p), "Losa inexistente en el Apoyo No.  2\r\n\r\nCORRIJA LOS DATOS")
        << losa;
    EXPECT_EQ(p.MomentoX[1], 0.0f);  // refused before anything is computed
  }
  // 2.5 rounds to slab 2 (half to even), which exists.
  Proyecto p = Losas(2);
  AgregaApoyo(p, 1, 2.5f);
  EXPECT_EQ(Calcula(p), "");
  // Supports with no slabs at all.
  p = Losas(0);
  AgregaApoyo(p, 1, 2);
  EXPECT_EQ(Calcula(p), "Losa inexistente en el Apoyo No.  1\r\n\r\nCORRIJA LOS DATOS");
}

TEST(CalculaLosas, MomentoMayorQueLaCapacidadDeLaSeccion) {
  Proyecto p = Losas(3);
  p.CargaMuertaVano[2] = 20.0f;  // far beyond a 0.12 m slab
  p.AreaX[3] = 77.0f;
  EXPECT_EQ(Calcula(p),
            "Capacidad de la seccion excedida en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS");
  EXPECT_EQ(p.AreaX[3], 77.0f);
  // A load that is not a number gives no moment at all: refused the same way.
  p = Losas(1);
  p.CargaVivaVano[1] = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(Calcula(p),
            "Capacidad de la seccion excedida en la Losa No.  1\r\n\r\nCORRIJA LOS DATOS");
  // A cantilever whose edge load overflows: the support cannot be designed.
  p = Losas(2);
  p.Lx[1] = 1.5f;
  p.Ly[1] = 6;
  p.CodigoLosa[1] = 13;
  p.CargaMuertaVuelo[1] = 3e38f;
  AgregaApoyo(p, 1, 2);
  EXPECT_EQ(Calcula(p),
            "Capacidad de la seccion excedida en el Apoyo No.  1\r\n\r\nCORRIJA LOS DATOS");
}

TEST(CalculaLosas, TextoDeLosErrores) {
  EXPECT_EQ(TextoErrorCalculo(kCausaLosa, 12), "Error en la Losa No.  12\r\n\r\nCORRIJA LOS DATOS");
}

}  // namespace placatec
