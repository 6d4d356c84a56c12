// The batch calculator end to end: files written to a temporary folder, the program
// run on them, its JSON read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "Orden.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

using placatec::Salida;
constexpr auto Ejecuta = placatec::EjecutaCalculador;

class CalculoPorLotes : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("placatec-lotes-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Escribe(const std::string& nombre, const std::string& contenido) {
    fs::path p = dir / nombre;
    std::ofstream(p, std::ios::binary) << contenido;
    return p.string();
  }
};

// Two slabs 4 x 5 m side by side, fixed on their shared edge, one support in X.
const char* kDosLosas =
    "Entrepiso de prueba\r\n"
    " 2  1  210  4200  .12  2  .513  .25 \r\n"
    " 1 EAAA, 4  5  .513  .25  0  0  .12 \r\n"
    " 2 AEAA, 4  5  .513  .25  0  0  .12 \r\n"
    " 1 X, 1  2 \r\n";

TEST_F(CalculoPorLotes, ElTextoMuestraLasCuatroTablasYSalvaEscribeElProyecto) {
  const std::string original = Escribe("dos.Los", kDosLosas);
  const std::string copia = (dir / "copia.Los").string();
  auto s = Ejecuta(original + " --save " + copia);
  ASSERT_EQ(s.estado, 0);
  for (const char* titulo :
       {"REFUERZO EN VANOS", "REFUERZO EN APOYOS", "R E A C C I O N E S   S O B R E   A P O Y O S",
        "C A N T I D A D E S", "Totales", "1 - 2", "Simple"})
    EXPECT_NE(s.texto.find(titulo), std::string::npos) << titulo;
  auto a = json::parse(Ejecuta("--json " + original).texto);
  auto b = json::parse(Ejecuta("--json " + copia).texto);
  a.erase("archivo");
  b.erase("archivo");
  EXPECT_EQ(a, b);
}

TEST_F(CalculoPorLotes, PdfEscribeElReporte) {
  const std::string pdf = (dir / "reporte.pdf").string();
  auto s = Ejecuta(Escribe("dos.Los", kDosLosas) + " --pdf " + pdf);
  if (s.estado == 3 && !fs::exists(pdf)) GTEST_SKIP() << "built without the desktop library";
  ASSERT_EQ(s.estado, 0);
  std::ifstream f(pdf, std::ios::binary);
  std::string cabecera(5, '\0');
  f.read(cabecera.data(), 5);
  EXPECT_EQ(cabecera, "%PDF-");
  EXPECT_GT(fs::file_size(pdf), 1000u);

  // A PDF that cannot be written says why in the JSON as well as in the exit status.
  const std::string imposible = (dir / "no-existe" / "reporte.pdf").string();
  s = Ejecuta("--json --pdf " + imposible + " " + Escribe("dos.Los", kDosLosas));
  EXPECT_EQ(s.estado, 3);
  const auto j = json::parse(s.texto);
  ASSERT_TRUE(j["error"].is_string()) << s.texto.substr(0, 200);
  EXPECT_FALSE(j["error"].get<std::string>().empty());
}

}  // namespace
