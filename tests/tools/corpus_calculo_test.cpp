// The batch calculator against two folders of expected JSON, NAME.json beside each
// NAME.Los. tests/corpus/calculo: numbers within one unit in the last place of a float,
// texts and displayed cells exactly; the files are regenerated from the program's output
// (regenera.sh) when a change of numbers is meant. tests/corpus/a_mano: values worked out
// by hand in NAME.md (no script writes them), numbers within the file's relative
// tolerance. Fields the program writes and the expected file lacks are not compared;
// "*" in an expected array skips that item.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ComparaJson.h"
#include "Orden.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using Comparador = std::function<bool(const json&, const json&)>;

// Distance in units in the last place between two values stored as floats.
std::int64_t Ulps(double a, double b) {
  const auto orden = [](float f) {
    const auto i = static_cast<std::int64_t>(std::bit_cast<std::int32_t>(f));
    return i < 0 ? std::int64_t{INT32_MIN} - i : i;
  };
  const std::int64_t d = orden(static_cast<float>(a)) - orden(static_cast<float>(b));
  return d < 0 ? -d : d;
}

// Each project of the folder, run inside it (so that "archivo" is the bare name), against
// its expected JSON; comparador gives the rule for the numbers of that file.
void ComparaCarpeta(const char* nombre, std::size_t minimo,
                    const std::function<Comparador(const fs::path& proyecto, json& esperado)>& comparador) {
  const fs::path carpeta = fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus" / nombre;
  std::vector<fs::path> proyectos;
  for (const auto& e : fs::directory_iterator(carpeta))
    if (e.path().extension() == ".Los") proyectos.push_back(e.path());
  std::sort(proyectos.begin(), proyectos.end());
  ASSERT_GE(proyectos.size(), minimo);
  for (const fs::path& proyecto : proyectos) {
    SCOPED_TRACE(proyecto.filename().string());
    std::ifstream archivo(fs::path(proyecto).replace_extension(".json"));
    json esperado = json::parse(archivo, nullptr, false);
    if (esperado.is_discarded()) {
      ADD_FAILURE() << "falta o no se lee el resultado esperado";
      continue;
    }
    const Comparador mismoNumero = comparador(proyecto, esperado);
    const placatec::Salida s =
        placatec::EjecutaOrden("cd '" + carpeta.string() + "' && '" PLACATEC_CALC "' --json '" +
                               proyecto.filename().string() + "' 2>/dev/null");
    const json obtenido = json::parse(s.texto, nullptr, false);
    if (obtenido.is_discarded()) {
      ADD_FAILURE() << "la salida no es JSON (estado " << s.estado << ")";
      continue;
    }
    if (esperado.contains("error")) {
      EXPECT_EQ(s.estado != 0, !esperado["error"].is_null()) << s.estado;
    }
    std::vector<std::string> diferencias;
    placatec::ComparaJson(esperado, obtenido, "", diferencias, mismoNumero);
    EXPECT_TRUE(diferencias.empty()) << placatec::ListaDiferencias(diferencias);
  }
}

}  // namespace

TEST(CorpusCalculo, CadaProyectoDaLaSalidaEsperada) {
  ComparaCarpeta("calculo", 25, [](const fs::path&, json&) -> Comparador {
    // Integers exactly, other numbers within one unit in the last place of a float.
    return [](const json& e, const json& o) {
      if (e.is_number_integer() && o.is_number_integer()) return e == o;
      return Ulps(e.get<double>(), o.get<double>()) <= 1;
    };
  });
}

TEST(AMano, CadaProyectoDaLoTrabajadoAMano) {
  ComparaCarpeta("a_mano", 19, [](const fs::path& proyecto, json& esperado) -> Comparador {
    EXPECT_TRUE(fs::exists(fs::path(proyecto).replace_extension(".md"))) << "falta el calculo a mano";
    const double tolerancia = esperado.value("tolerancia", 5e-5);
    esperado.erase("tolerancia");
    return [tolerancia](const json& e, const json& o) {
      return std::fabs(o.get<double>() - e.get<double>()) <=
             tolerancia * std::max(1.0, std::fabs(e.get<double>()));
    };
  });
}
