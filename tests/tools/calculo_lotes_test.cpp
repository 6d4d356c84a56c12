// The batch calculator end to end: files written to a temporary folder, the program
// run on them, its JSON read back.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

struct Salida {
  int estado = -1;
  std::string texto;
};

Salida Ejecuta(const std::string& argumentos) {
  std::string orden = std::string(PLACATEC_CALC) + " " + argumentos + " 2>/dev/null";
  Salida s;
  FILE* f = popen(orden.c_str(), "r");
  if (!f) return s;
  std::array<char, 4096> buf{};
  std::size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), f)) > 0) s.texto.append(buf.data(), n);
  int r = pclose(f);
  s.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  return s;
}

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

TEST_F(CalculoPorLotes, ElJsonTieneTodasLasPartesEnSuOrden) {
  auto s = Ejecuta("--json " + Escribe("dos.Los", kDosLosas));
  ASSERT_EQ(s.estado, 0) << s.texto;
  json d = json::parse(s.texto);
  std::vector<std::string> claves;
  for (auto it = d.begin(); it != d.end(); ++it) claves.push_back(it.key());
  EXPECT_EQ(claves, (std::vector<std::string>{"archivo", "error", "general", "losas", "apoyos", "vanos",
                                              "apoyos_tabla", "reacciones", "cantidades", "totales",
                                              "verificaciones"}));
  EXPECT_TRUE(d["error"].is_null());
  EXPECT_EQ(d["general"]["Fc"], 210);
  // Stored measures come out as the float widened to double.
  EXPECT_EQ(d["general"]["EspesorGeneral"].get<double>(), static_cast<double>(0.12f));
  ASSERT_EQ(d["losas"].size(), 2u);
  EXPECT_EQ(d["losas"][1]["CodigoLosa"], 2);
  ASSERT_EQ(d["apoyos"].size(), 1u);
  // Two rows per slab, one per support; the displayed texts agree with the values.
  ASSERT_EQ(d["vanos"].size(), 4u);
  EXPECT_EQ(d["vanos"][1][0], "");
  EXPECT_EQ(d["vanos"][1][1], "Y");
  ASSERT_EQ(d["apoyos_tabla"].size(), 1u);
  EXPECT_EQ(d["apoyos_tabla"][0][2], "1 - 2");
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.2f", d["apoyos"][0]["MomentoApoyo"].get<double>());
  EXPECT_EQ(d["apoyos_tabla"][0][3], texto);
  EXPECT_EQ(d["reacciones"][0][1], "Apoyo 1");
  ASSERT_EQ(d["totales"].size(), 6u);
  EXPECT_EQ(d["totales"][0], "4.80");  // two slabs of 4 x 5 x 0.12 m
}

TEST_F(CalculoPorLotes, LosErroresDeCargaYCalculoSeInformanConEstadoNoNulo) {
  // A file that declares no slab.
  auto s = Ejecuta("--json " + Escribe("cero.Los", "Techo\r\n 0  0  210  4200  .1  2  .33  .1 \r\n"));
  EXPECT_EQ(s.estado, 1);
  json d = json::parse(s.texto);
  EXPECT_EQ(d["error"], "Archivo Ilegal");
  EXPECT_TRUE(d["general"].is_null() && d["losas"].empty() && d["vanos"].empty());

  // A file that is not there.
  s = Ejecuta("--json " + (dir / "no-existe.Los").string());
  EXPECT_NE(s.estado, 0);
  EXPECT_FALSE(json::parse(s.texto)["error"].is_null());

  // A one-way slab whose edge pair has no case stops the load, and says why.
  s = Ejecuta("--json " + Escribe("na.Los",
                                  "Techo\r\n 1  0  210  4200  .1  2  .33  .1 \r\n"
                                  " 1 NAEE, 3  9  .33  .1  0  0  .1 \r\n"));
  EXPECT_EQ(s.estado, 1);
  EXPECT_EQ(json::parse(s.texto)["error"], "Condiciones de Borde No Validas");

  // A support that names a slab the project does not have: the calculation is refused,
  // the data are shown, no result table is.
  s = Ejecuta("--json " + Escribe("apoyo.Los",
                                  "Techo\r\n 1  1  210  4200  .1  2  .33  .1 \r\n"
                                  " 1 AAAA, 4  5  .33  .1  0  0  .1 \r\n"
                                  " 1 X, 1  7 \r\n"));
  EXPECT_EQ(s.estado, 2);
  d = json::parse(s.texto);
  EXPECT_NE(d["error"].get<std::string>().find("1"), std::string::npos);
  EXPECT_EQ(d["losas"].size(), 1u);
  EXPECT_TRUE(d["vanos"].empty() && d["cantidades"].empty());
}

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
}

}  // namespace
