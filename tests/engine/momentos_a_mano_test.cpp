// The moments of each family of cases and of the distribution over a support, against
// values worked by hand in momentos_a_mano.json (the working is in momentos_a_mano.md).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "engine/CalculaMomentos.h"
#include "engine/Clasificacion.h"

namespace placatec {

namespace {

using json = nlohmann::json;

const json& Datos() {
  static const json datos = [] {
    std::ifstream f(PLACATEC_SOURCE_DIR "/tests/engine/momentos_a_mano.json");
    return json::parse(f);
  }();
  return datos;
}

// Appends a slab of factored load q (all of it dead load) classified from its edges.
void AgregaLosa(Proyecto& p, const json& losa, double q) {
  const int i = ++p.NumLosas;
  p.Lx[i] = losa["Lx"].get<float>();
  p.Ly[i] = losa["Ly"].get<float>();
  p.Bordes[i] = losa["bordes"].get<std::string>();
  p.CargaMuertaVano[i] = static_cast<float>(q / 1.4);
  p.CargaVivaVano[i] = 0;
  p.CargaMuertaVuelo[i] = losa.value("CMvuelo", 0.0f);
  p.CargaVivaVuelo[i] = losa.value("CVvuelo", 0.0f);
  p.EspesorLosa[i] = 0.2f;
  const std::optional<Integer> codigo = ClasificaLosa(p.Lx[i], p.Ly[i], p.Bordes[i]);
  ASSERT_TRUE(codigo) << p.Bordes[i];
  p.CodigoLosa[i] = *codigo;
}

void Espera(float obtenido, const json& esperado, const std::string& que) {
  if (!esperado.is_number()) return;  // "*": not worked by hand
  const double e = esperado.get<double>();
  EXPECT_NEAR(obtenido, e, Datos()["tolerancia"].get<double>() * std::max(1.0, std::fabs(e))) << que;
}

void Familia(const char* familia) {
  const json& casos = Datos()["losas"][familia];
  ASSERT_FALSE(casos.empty());
  for (const json& c : casos) {
    SCOPED_TRACE(c["bordes"].get<std::string>() + " " + c["Lx"].dump() + " x " + c["Ly"].dump());
    Proyecto p;
    AgregaLosa(p, c, c["q"].get<double>());
    ResultadosCalculo r;
    ASSERT_TRUE(CalculaMomentos(p, r));
    const ResultadosLosa& l = r.losas[1];
    for (const auto& [m, v] : {std::pair{"MomentoX", l.MomentoX},
                               {"MomentoY", l.MomentoY},
                               {"MomentoNegX", l.MomentoNegX},
                               {"MomentoNegY", l.MomentoNegY}})
      if (c.contains(m)) Espera(v, c[m], m);
  }
}

}  // namespace

TEST(MomentosAMano, Franjas) { Familia("franjas"); }
TEST(MomentosAMano, UnaDireccion) { Familia("una_direccion"); }
TEST(MomentosAMano, Ajustados) { Familia("ajustados"); }
TEST(MomentosAMano, Escalados) { Familia("escalados"); }

// Each support calculated with its slabs in both orders: the same moments.
TEST(MomentosAMano, Distribucion) {
  for (const json& c : Datos()["distribucion"]) {
    for (bool invertido : {false, true}) {
      SCOPED_TRACE(c["losas"].dump() + (invertido ? " invertido" : ""));
      Proyecto p;
      for (const json& losa : c["losas"]) AgregaLosa(p, losa, c["q"].get<double>());
      p.NumApoyos = 1;
      // (assign: assigning a literal here trips a false -Wrestrict warning of GCC 12 at -O3.)
      p.ApoyoDir[1].assign(1, 'X');
      p.ApoyoLosa1[1] = invertido ? 2.0f : 1.0f;
      p.ApoyoLosa2[1] = invertido ? 1.0f : 2.0f;
      ResultadosCalculo r;
      ASSERT_TRUE(CalculaMomentos(p, r));
      Espera(r.apoyos[1].MomentoApoyoX, c["MomentoApoyo"], "apoyo");
      Espera(r.losas[1].MomentoX, c["MomentoX"][0], "losa 1");
      Espera(r.losas[2].MomentoX, c["MomentoX"][1], "losa 2");
    }
  }
}

}  // namespace placatec
