// The batch calculator over several projects in one call: the same result per project
// as one call each, JSON Lines, the highest exit status, one file per project.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
const std::string kFuente = PLACATEC_SOURCE_DIR;
const std::vector<std::string> kArchivos = {kFuente + "/examples/entrepiso.Los",
                                            kFuente + "/tests/corpus/rechazo/cero_losas.Los",
                                            kFuente + "/examples/voladizos.Los"};
const std::string kTodos = " " + kArchivos[0] + " " + kArchivos[1] + " " + kArchivos[2];

struct Salida {
  int estado = -1;
  std::vector<std::string> lineas, errores;
};

// Runs the calculator without XDG_RUNTIME_DIR, which Qt would complain about.
Salida Ejecuta(const std::string& argumentos) {
  const std::string base = fs::temp_directory_path() / ("placatec-varios-" + std::to_string(getpid()));
  const int r = std::system(
      ("env -u XDG_RUNTIME_DIR " PLACATEC_CALC " " + argumentos + " >" + base + ".1 2>" + base + ".2")
          .c_str());
  Salida s{WIFEXITED(r) ? WEXITSTATUS(r) : -1, {}, {}};
  std::ifstream out(base + ".1"), err(base + ".2");
  for (std::string l; std::getline(out, l);) s.lineas.push_back(l);
  for (std::string l; std::getline(err, l);) s.errores.push_back(l);
  return s;
}

TEST(VariosArchivos, UnaLlamadaComoUnaPorArchivoYUnArchivoPorProyecto) {
  const Salida juntos = Ejecuta("--json" + kTodos), texto = Ejecuta(kTodos);
  ASSERT_EQ(juntos.lineas.size(), kArchivos.size());
  int mayor = 0;
  for (std::size_t i = 0; i < kArchivos.size(); ++i) {
    const Salida solo = Ejecuta("--json " + kArchivos[i]);
    EXPECT_EQ(nlohmann::json::parse(juntos.lineas[i]), nlohmann::json::parse(solo.lineas.at(0)))
        << kArchivos[i];
    mayor = std::max(mayor, solo.estado);
  }
  EXPECT_EQ(juntos.estado, mayor);
  // The text blocks, each headed by its file's name, with the four result tables.
  EXPECT_EQ(std::count(texto.lineas.begin(), texto.lineas.end(), "Archivo: " + kArchivos[1]), 1);
  for (const char* titulo : {"REFUERZO EN VANOS", "REFUERZO EN APOYOS",
                             "R E A C C I O N E S   S O B R E   A P O Y O S", "C A N T I D A D E S"})
    EXPECT_EQ(std::count(texto.lineas.begin(), texto.lineas.end(), titulo), 2) << titulo;

  // --pdf and --save with a folder: one file per project. A build without the PDF
  // module refuses --pdf before writing anything.
  const fs::path dir = fs::temp_directory_path() / ("placatec-varios-dir-" + std::to_string(getpid()));
  const bool hayPdf = fs::exists(fs::path(PLACATEC_CALC).parent_path() / "placatec-pdf.so");
  const Salida s = Ejecuta((hayPdf ? "--pdf " + (dir / "pdf/").string() : std::string()) + " --save " +
                           (dir / "los").string() + kTodos);
  // Nothing but the calculator's own messages on the error output (no notices of Qt).
  for (const auto& e : s.errores) EXPECT_EQ(e.rfind("placatec-calc: ", 0), 0u) << e;
  for (const std::string nombre : {"entrepiso", "voladizos"}) {
    EXPECT_EQ(hayPdf, fs::exists(dir / "pdf" / (nombre + ".pdf"))) << nombre;
    EXPECT_EQ(Ejecuta((dir / "los" / (nombre + ".Los")).string()).estado, 0) << nombre;
  }
  EXPECT_FALSE(fs::exists(dir / "los" / "cero_losas.Los"));
  if (!hayPdf) {
    const Salida sinPdf = Ejecuta("--pdf " + (dir / "otros/").string() + kTodos);
    EXPECT_EQ(sinPdf.estado, 3);
    EXPECT_TRUE(sinPdf.lineas.empty() && !fs::exists(dir / "otros"));
  }
  // Two projects of the same name would write the same file: nothing is run.
  const Salida repetidos =
      Ejecuta("--save " + (dir / "otra").string() + " " + kArchivos[0] + " " + kArchivos[0]);
  EXPECT_EQ(repetidos.estado, 3);
  EXPECT_TRUE(repetidos.lineas.empty() && !fs::exists(dir / "otra"));
  fs::remove_all(dir);
}

}  // namespace
