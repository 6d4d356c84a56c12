// The checks beside the design, end to end: every project of tests/corpus/verificaciones
// computed by the batch calculator, its "verificaciones" compared with the values
// worked out by hand in esperado.json.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "Orden.h"

namespace {

using json = nlohmann::json;

const std::string kCarpeta = std::string(PLACATEC_SOURCE_DIR) + "/tests/corpus/verificaciones/";

json CalculaJson(const std::string& archivo) {
  return json::parse(placatec::EjecutaCalculador("--json '" + kCarpeta + archivo + "'").texto, nullptr,
                     false);
}

// Numbers within the tolerance; texts, flags, nulls and the lengths of lists exactly.
void Compara(const json& obtenido, const json& esperado, double tolerancia, const std::string& donde) {
  if (esperado.is_number()) {
    ASSERT_TRUE(obtenido.is_number()) << donde << ": " << obtenido;
    EXPECT_NEAR(obtenido.get<double>(), esperado.get<double>(), tolerancia) << donde;
  } else if (esperado.is_object()) {
    for (const auto& [clave, valor] : esperado.items()) {
      ASSERT_TRUE(obtenido.contains(clave)) << donde << "." << clave;
      Compara(obtenido[clave], valor, tolerancia, donde + "." + clave);
    }
  } else if (esperado.is_array()) {
    ASSERT_EQ(obtenido.size(), esperado.size()) << donde << ": " << obtenido;
    for (std::size_t i = 0; i < esperado.size(); ++i)
      Compara(obtenido[i], esperado[i], tolerancia, donde + "[" + std::to_string(i) + "]");
  } else {
    EXPECT_EQ(obtenido, esperado) << donde;
  }
}

TEST(Verificaciones, CasosTrabajadosAMano) {
  std::ifstream f(kCarpeta + "esperado.json");
  const json datos = json::parse(f);
  ASSERT_FALSE(datos["casos"].empty());
  for (const json& caso : datos["casos"]) {
    const std::string archivo = caso["archivo"];
    const json salida = CalculaJson(archivo);
    ASSERT_TRUE(salida.is_object()) << archivo;
    EXPECT_EQ(salida["error"].is_null(), !caso.value("falla", false)) << archivo << ": " << salida["error"];
    Compara(salida["verificaciones"], caso["verificaciones"], datos["tolerancia"], archivo);
  }
}

}  // namespace
