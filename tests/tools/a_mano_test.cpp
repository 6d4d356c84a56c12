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

#include "ComparaJson.h"
#include "Orden.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

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
    placatec::ComparaJson(esperado, obtenido, "", diferencias, [tolerancia](const json& e, const json& o) {
      return std::fabs(o.get<double>() - e.get<double>()) <=
             tolerancia * std::max(1.0, std::fabs(e.get<double>()));
    });
    EXPECT_TRUE(diferencias.empty()) << placatec::ListaDiferencias(diferencias);
  }
}
