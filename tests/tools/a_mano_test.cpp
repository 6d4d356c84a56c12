// The reference worked by hand: every project of tests/corpus/a_mano is calculated by
// the batch calculator and compared with NAME.json, whose values were worked out by
// hand in NAME.md beside it (no script writes them). Numbers agree within the file's
// relative tolerance, texts and flags exactly; "*" in an expected array skips that item.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Orden.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

void Compara(const json& esperado, const json& obtenido, double tolerancia, const std::string& camino,
             std::vector<std::string>& diferencias) {
  const auto difiere = [&] {
    diferencias.push_back(camino + ": esperado " + esperado.dump() + ", obtenido " + obtenido.dump());
  };
  if (esperado == "*") return;
  if (esperado.is_object() && obtenido.is_object()) {
    for (const auto& [clave, valor] : esperado.items()) {
      if (!obtenido.contains(clave))
        diferencias.push_back(camino + "." + clave + ": falta");
      else
        Compara(valor, obtenido[clave], tolerancia, camino + "." + clave, diferencias);
    }
  } else if (esperado.is_array() && obtenido.is_array()) {
    if (esperado.size() != obtenido.size()) return difiere();
    for (std::size_t k = 0; k < esperado.size(); ++k)
      Compara(esperado[k], obtenido[k], tolerancia, camino + "[" + std::to_string(k) + "]", diferencias);
  } else if (esperado.is_number() && obtenido.is_number()) {
    const double e = esperado.get<double>(), o = obtenido.get<double>();
    if (!(std::fabs(o - e) <= tolerancia * std::max(1.0, std::fabs(e)))) difiere();
  } else if (esperado != obtenido) {
    difiere();
  }
}

}  // namespace

TEST(AMano, CadaProyectoDaLoTrabajadoAMano) {
  const fs::path carpeta = fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus/a_mano";
  std::vector<fs::path> esperados;
  for (const auto& e : fs::directory_iterator(carpeta))
    if (e.path().extension() == ".json") esperados.push_back(e.path());
  std::sort(esperados.begin(), esperados.end());
  ASSERT_GE(esperados.size(), 1u);

  for (const fs::path& ruta : esperados) {
    SCOPED_TRACE(ruta.filename().string());
    EXPECT_TRUE(fs::exists(fs::path(ruta).replace_extension(".md"))) << "falta el calculo a mano";
    std::ifstream archivo(ruta);
    json esperado = json::parse(archivo, nullptr, false);
    ASSERT_FALSE(esperado.is_discarded()) << "no se lee el resultado esperado";
    const double tolerancia = esperado.value("tolerancia", 5e-5);
    esperado.erase("tolerancia");
    const std::string proyecto = fs::path(ruta).replace_extension(".Los").filename().string();
    const placatec::Salida s = placatec::EjecutaOrden(
        "cd '" + carpeta.string() + "' && '" PLACATEC_CALC "' --json '" + proyecto + "' 2>/dev/null");
    const json obtenido = json::parse(s.texto, nullptr, false);
    ASSERT_FALSE(obtenido.is_discarded()) << "la salida no es JSON (estado " << s.estado << ")";
    std::vector<std::string> diferencias;
    Compara(esperado, obtenido, tolerancia, "", diferencias);
    std::string lista;
    for (std::size_t k = 0; k < diferencias.size() && k < 12; ++k) lista += "\n  " + diferencias[k];
    EXPECT_TRUE(diferencias.empty()) << diferencias.size() << " diferencias:" << lista;
  }
}
