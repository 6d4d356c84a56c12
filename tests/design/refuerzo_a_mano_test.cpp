// Section design, minimum steel, bar choice and spacing, against values worked by hand
// in refuerzo_a_mano.json (the working is in refuerzo_a_mano.md).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>

#include "design/Refuerzo.h"

namespace placatec {

namespace {

using json = nlohmann::json;

const json& Datos() {
  static const json datos = [] {
    std::ifstream f(PLACATEC_SOURCE_DIR "/tests/design/refuerzo_a_mano.json");
    return json::parse(f);
  }();
  return datos;
}

void Espera(double obtenido, const json& esperado, const json& caso) {
  const double e = esperado.get<double>();
  EXPECT_NEAR(obtenido, e, Datos()["tolerancia"].get<double>() * std::max(1.0, std::fabs(e))) << caso.dump();
}

Integer Entero(const json& v) { return static_cast<Integer>(v.get<int>()); }

}  // namespace

TEST(RefuerzoAMano, DisenoDeLaSeccion) {
  for (const json& c : Datos()["seccion"]) {
    const auto s = DisenaSeccion(c["M"], c["d"], Entero(c["fc"]), Entero(c["fy"]));
    if (c.value("excede", false)) {
      EXPECT_FALSE(s) << c.dump();
      continue;
    }
    ASSERT_TRUE(s) << c.dump();
    Espera(s->raiz, c["raiz"], c);
    Espera(s->omega, c["omega"], c);
    Espera(s->cuantia, c["cuantia"], c);
    Espera(s->area, c["area"], c);
  }
}

TEST(RefuerzoAMano, AceroMinimo) {
  for (const json& c : Datos()["minimo"]) {
    float area = c["area"];
    MinimoVano(c["momento"], area, c["h"], MinimosPara(Entero(c["fy"])));
    Espera(area, c["esperado"], c);
  }
}

TEST(RefuerzoAMano, EleccionDeBarra) {
  for (const json& c : Datos()["barra"]) EXPECT_EQ(BarraParaArea(c["area"]).codigo, c["codigo"]) << c.dump();
}

TEST(RefuerzoAMano, Separaciones) {
  for (const json& c : Datos()["separacion"]) {
    float separ = 0;
    SeparacionVano(c["area"], c["h"], separ);
    Espera(separ, c["separ"], c);
  }
  for (const json& c : Datos()["temperatura"]) {
    Espera(AceroTemperaturaRequerido(c["h"], Entero(c["fy"])), c["area"], c);
    Espera(SeparacionTemperatura(c["h"], Entero(c["fy"])), c["separ"], c);
  }
  for (const json& c : Datos()["separacion_minima"])
    Espera(SeparacionMinimaBarras(*BarraDeCodigo(c["codigo"])), c["separ"], c);
}

TEST(RefuerzoAMano, CuantiaMaxima) {
  for (const json& c : Datos()["ductilidad"])
    Espera(CuantiaMaxima(Entero(c["fc"]), Entero(c["fy"])), c["cuantia"], c);
}

}  // namespace placatec
