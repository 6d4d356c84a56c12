// The batch calculator over several projects in one call: the same result per project
// as one call each, JSON Lines, the highest exit status, one file per project.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
const fs::path kFuente = PLACATEC_SOURCE_DIR;
const std::vector<std::string> kArchivos = {(kFuente / "examples/entrepiso.Los").string(),
                                            (kFuente / "tests/corpus/rechazo/cero_losas.Los").string(),
                                            (kFuente / "examples/voladizos.Los").string()};

struct Salida {
  int estado = -1;
  std::vector<std::string> lineas, errores;
};

std::vector<std::string> Lineas(std::istream&& in) {
  std::vector<std::string> l;
  for (std::string s; std::getline(in, s);) l.push_back(s);
  return l;
}

// Runs the calculator without XDG_RUNTIME_DIR, which Qt would complain about.
Salida Ejecuta(const std::string& argumentos) {
  const fs::path err = fs::temp_directory_path() / ("placatec-varios-" + std::to_string(getpid()));
  const std::string orden =
      "env -u XDG_RUNTIME_DIR " + std::string(PLACATEC_CALC) + " " + argumentos + " 2>" + err.string();
  Salida s;
  FILE* f = popen(orden.c_str(), "r");
  std::string texto;
  for (int c; (c = fgetc(f)) != EOF;) texto += static_cast<char>(c);
  const int r = pclose(f);
  s.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  s.lineas = Lineas(std::istringstream(texto));
  s.errores = Lineas(std::ifstream(err));
  fs::remove(err);
  return s;
}

std::string Todos() {
  std::string a;
  for (const auto& f : kArchivos) a += " " + f;
  return a;
}

TEST(VariosArchivos, UnaLlamadaDaLoMismoQueUnaPorArchivo) {
  const Salida juntos = Ejecuta("--json" + Todos());
  ASSERT_EQ(juntos.lineas.size(), kArchivos.size());
  int mayor = 0;
  for (std::size_t i = 0; i < kArchivos.size(); ++i) {
    const Salida solo = Ejecuta("--json " + kArchivos[i]);
    ASSERT_EQ(solo.lineas.size(), 1u);
    EXPECT_EQ(nlohmann::json::parse(juntos.lineas[i]), nlohmann::json::parse(solo.lineas[0])) << kArchivos[i];
    mayor = std::max(mayor, solo.estado);
  }
  EXPECT_GT(mayor, 0);
  EXPECT_EQ(juntos.estado, mayor);

  const Salida texto = Ejecuta(Todos());
  std::vector<std::string> encabezados;
  for (const auto& l : texto.lineas)
    if (l.rfind("Archivo: ", 0) == 0) encabezados.push_back(l.substr(9));
  EXPECT_EQ(encabezados, kArchivos);
}

TEST(VariosArchivos, UnArchivoPorProyectoEnLaCarpeta) {
  const fs::path dir = fs::temp_directory_path() / ("placatec-varios-dir-" + std::to_string(getpid()));
  fs::remove_all(dir);
  const Salida s =
      Ejecuta("--pdf " + (dir / "pdf/").string() + " --save " + (dir / "los").string() + Todos());
  // Nothing but the calculator's own messages on the error output (no notices of Qt).
  bool sinPdf = false;
  for (const auto& e : s.errores) {
    EXPECT_EQ(e.rfind("placatec-calc: ", 0), 0u) << e;
    sinPdf = sinPdf || e.find("no escribe reportes PDF") != std::string::npos;
  }
  for (const char* nombre : {"entrepiso", "voladizos"}) {
    EXPECT_TRUE(sinPdf || fs::exists(dir / "pdf" / (std::string(nombre) + ".pdf"))) << nombre;
    EXPECT_TRUE(fs::exists(dir / "los" / (std::string(nombre) + ".Los"))) << nombre;
    EXPECT_EQ(Ejecuta((dir / "los" / (std::string(nombre) + ".Los")).string()).estado, 0) << nombre;
  }
  EXPECT_FALSE(fs::exists(dir / "los" / "cero_losas.Los"));
  // Two projects of the same name would write the same file: nothing is run.
  const Salida repetidos =
      Ejecuta("--save " + (dir / "otra").string() + " " + kArchivos[0] + " " + kArchivos[0]);
  EXPECT_EQ(repetidos.estado, 3);
  EXPECT_TRUE(repetidos.lineas.empty());
  EXPECT_FALSE(fs::exists(dir / "otra" / "entrepiso.Los"));
  fs::remove_all(dir);
}

}  // namespace
