// Every project of tests/corpus/calculo is calculated by the batch calculator and its
// JSON compared with the expected NAME.json beside it: numbers within one unit in the
// last place of a float, texts and displayed cells exactly. Fields the program writes
// and the expected file lacks are not compared, so that new sections need no new case.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
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

using placatec::Salida;

// Runs the calculator inside the corpus folder, so that "archivo" is the bare name.
Salida Calcula(const fs::path& carpeta, const std::string& nombre) {
  return placatec::EjecutaOrden("cd '" + carpeta.string() + "' && '" PLACATEC_CALC "' --json '" + nombre +
                                "' 2>/dev/null");
}

// Distance in units in the last place between two values stored as floats.
std::int64_t Ulps(double a, double b) {
  const auto orden = [](float f) {
    const auto i = static_cast<std::int64_t>(std::bit_cast<std::int32_t>(f));
    return i < 0 ? std::int64_t{INT32_MIN} - i : i;
  };
  const std::int64_t d = orden(static_cast<float>(a)) - orden(static_cast<float>(b));
  return d < 0 ? -d : d;
}

// Integers exactly, other numbers within one unit in the last place of a float.
bool MismoNumero(const json& esperado, const json& obtenido) {
  if (esperado.is_number_integer() && obtenido.is_number_integer()) return esperado == obtenido;
  return Ulps(esperado.get<double>(), obtenido.get<double>()) <= 1;
}

}  // namespace

TEST(CorpusCalculo, CadaProyectoDaLaSalidaEsperada) {
  const fs::path carpeta = fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus/calculo";
  std::vector<fs::path> proyectos;
  for (const auto& e : fs::directory_iterator(carpeta))
    if (e.path().extension() == ".Los") proyectos.push_back(e.path());
  std::sort(proyectos.begin(), proyectos.end());
  ASSERT_GE(proyectos.size(), 25u);

  for (const fs::path& proyecto : proyectos) {
    const std::string nombre = proyecto.filename().string();
    SCOPED_TRACE(nombre);
    std::ifstream archivo(fs::path(proyecto).replace_extension(".json"));
    const json esperado = json::parse(archivo, nullptr, false);
    if (esperado.is_discarded()) {
      ADD_FAILURE() << "falta o no se lee el resultado esperado";
      continue;
    }
    const Salida s = Calcula(carpeta, nombre);
    const json obtenido = json::parse(s.texto, nullptr, false);
    if (obtenido.is_discarded()) {
      ADD_FAILURE() << "la salida no es JSON (estado " << s.estado << ")";
      continue;
    }
    EXPECT_EQ(s.estado != 0, !esperado["error"].is_null()) << "estado " << s.estado;
    std::vector<std::string> diferencias;
    placatec::ComparaJson(esperado, obtenido, "", diferencias, MismoNumero);
    EXPECT_TRUE(diferencias.empty()) << placatec::ListaDiferencias(diferencias);
  }
}
