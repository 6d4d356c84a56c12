#include "design/CalculaLosas.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "engine/CalculaMomentos.h"

namespace placatec {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

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

// Runs the calculation into r and returns its message ("" when none); the results
// alone give the same message.
std::string Calcula(const Proyecto& p, ResultadosCalculo& r) {
  const std::string mensaje = CalculaLosas(p, r).Mensaje();
  EXPECT_EQ(CalculaLosas(p).Mensaje(), mensaje);
  return mensaje;
}

const std::string kCorrija = "\r\n\r\nCORRIJA LOS DATOS";

}  // namespace

TEST(CalculaLosas, LosaQueNoCorrespondeASuCaso) {
  Proyecto p = Losas(5);
  ResultadosCalculo r;
  for (int i = 1; i <= 5; ++i) r.losas[i].MomentoX = r.losas[i].AreaX = 77.0f;  // an earlier run
  r.apoyos[1].MomentoApoyoX = 77.0f;
  AgregaApoyo(p, 1, 2);
  p.CodigoLosa[3] = 12;  // one-way code on a 4 x 5 slab
  EXPECT_EQ(Calcula(p, r), "Error en la Losa No.  3" + kCorrija);
  EXPECT_EQ(TextoErrorCalculo(kCausaLosa, 12), "Error en la Losa No.  12" + kCorrija);
  EXPECT_NE(r.losas[2].MomentoX, 77.0f);  // slabs before the failing one were computed
  EXPECT_EQ(r.losas[3].CargaUltima, 1.03999996f);
  for (int i : {3, 4, 5}) EXPECT_EQ(r.losas[i].MomentoX, 77.0f) << i;
  EXPECT_EQ(r.apoyos[1].MomentoApoyoX, 77.0f);  // no support moment
  EXPECT_EQ(r.losas[1].AreaX, 77.0f);           // no design
}

// The refusals that no project file reaches (tests/corpus/calculo holds those it does).
TEST(CalculaLosas, DatosQueLasFormulasNoAdmiten) {
  // Slab 1's moment and slab 3's steel from an earlier run: a refusal designs
  // nothing, and a refusal of the data computes nothing at all.
  bool nadaCalculado = false;
  auto Con = [&](int losas, const std::function<void(Proyecto&)>& cambia) {
    Proyecto p = Losas(losas);
    ResultadosCalculo r;
    r.losas[1].MomentoX = r.losas[3].AreaX = 77.0f;
    cambia(p);
    const std::string m = Calcula(p, r);
    if (losas >= 3) {
      EXPECT_EQ(r.losas[3].AreaX, 77.0f) << m;
    }
    nadaCalculado = r.losas[1].MomentoX == 77.0f;
    return m;
  };
  // Spans that are zero, negative, not a number or beyond what a storey can have.
  const auto luces = [](const std::string& m, const char* dato) {
    return m.starts_with(dato) && m.ends_with("fuera del rango (de 0.1 a 30 m) en la Losa No.  2" + kCorrija);
  };
  for (float luz : {0.0f, -1.0f, kNaN, std::numeric_limits<float>::infinity(), 1e-9f})
    EXPECT_TRUE(luces(Con(3, [luz](Proyecto& p) { p.Ly[2] = luz; }), "Ly = ")) << luz;
  EXPECT_TRUE(luces(Con(3, [](Proyecto& p) { p.Lx[2] = 1e-20f; }), "Lx = "));
  EXPECT_TRUE(luces(Con(3, [](Proyecto& p) { p.Lx[2] = 1e-30f, p.Ly[2] = 1e30f; }), "Lx = "));
  // A slab whose edges were rejected is not computed as code 10.
  EXPECT_EQ(Con(3, [](Proyecto& p) { p.BordesInvalidos[3] = true; }),
            "Condiciones de borde no validas en la Losa No.  3" + kCorrija);
  EXPECT_TRUE(nadaCalculado);
  // A thickness that leaves no effective depth over the cover.
  const std::string espesor = "Espesor menor o igual al recubrimiento en la Losa No.  1" + kCorrija;
  for (float e : {0.02f, 0.01f, 0.0f}) EXPECT_EQ(Con(2, [e](Proyecto& p) { p.EspesorLosa[1] = e; }), espesor);
  EXPECT_EQ(Con(12, [](Proyecto& p) { p.EspesorLosa[1] = 0.1f, p.Recubrimiento = 10; }), espesor);
  // Table counts outside 0..99 and a negative strength.
  const std::string cuenta = "Numero de losas o de apoyos fuera de rango" + kCorrija;
  EXPECT_EQ(Con(1, [](Proyecto& p) { p.NumApoyos = 100; }), cuenta);
  EXPECT_EQ(Con(1, [](Proyecto& p) { p.NumLosas = -1; }), cuenta);
  EXPECT_TRUE(nadaCalculado);
  EXPECT_EQ(Con(1, [](Proyecto& p) { p.Fy = -2800; }),
            "Fy = -2800 fuera del rango (de 1400 a 4200 Kg/cm2)" + kCorrija);
  EXPECT_TRUE(nadaCalculado);
  // Moments beyond the section; a load that is not a number is refused.
  const std::string capacidad = "Capacidad de la seccion excedida en la Losa No.  2" + kCorrija;
  EXPECT_EQ(Con(3, [](Proyecto& p) { p.CargaMuertaVano[2] = 20.0f; }), capacidad);
  EXPECT_TRUE(Con(2, [](Proyecto& p) { p.CargaVivaVano[2] = kNaN; }).starts_with("Carga viva = "));
  // A cantilever whose edge load no storey can have.
  EXPECT_EQ(Con(2,
                [](Proyecto& p) {
                  p.Lx[1] = 1.5f, p.Ly[1] = 6, p.CodigoLosa[1] = 13, p.CargaMuertaVuelo[1] = 3e38f;
                  AgregaApoyo(p, 1, 2);
                }),
            "Carga muerta en vuelo = 3E+38 fuera del rango (de 0 a 50 To/m) en la Losa No.  1" + kCorrija);
  // Supports naming a slab that does not exist, also with no slabs at all.
  for (float losa : {-1.0f, 1e30f, 0.4f, kNaN}) {
    EXPECT_EQ(Con(2,
                  [losa](Proyecto& p) {
                    AgregaApoyo(p, 1, 2);
                    AgregaApoyo(p, 2, losa, "Y");
                  }),
              "Losa inexistente en el Apoyo No.  2" + kCorrija)
        << losa;
    EXPECT_TRUE(nadaCalculado);
  }
  EXPECT_EQ(Con(0, [](Proyecto& p) { AgregaApoyo(p, 1, 2); }),
            "Losa inexistente en el Apoyo No.  1" + kCorrija);
}

}  // namespace placatec
