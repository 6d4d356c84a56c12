// The batch calculator as a Unix tool: several projects at a time with the same bytes
// as one at a time, a project read from standard input, --quiet, no Qt loaded unless a
// report is asked for, no display needed for one, and a progress line on a terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Orden.h"

namespace {

namespace fs = std::filesystem;
const std::string kFuente = PLACATEC_SOURCE_DIR;
const std::string kCalc = PLACATEC_CALC;

// The PDF module sits beside the calculator in the build tree; without it (a build
// without Qt) there are no reports to try.
bool HayPdf() { return fs::exists(fs::path(kCalc).parent_path() / "placatec-pdf.so"); }

TEST(Unix, VariosProyectosALaVezDanLosMismosBytesQueUnoTrasOtro) {
  const fs::path corpus = fs::path(kFuente) / "tests/corpus/calculo";
  std::vector<std::string> nombres;
  for (const auto& e : fs::directory_iterator(corpus))
    if (e.path().extension() == ".Los") nombres.push_back(e.path().filename().string());
  std::sort(nombres.begin(), nombres.end());
  ASSERT_GE(nombres.size(), 25u);
  std::string todos;
  for (const auto& n : nombres) todos += " " + n;
  for (const char* modo : {"--json", ""}) {
    SCOPED_TRACE(modo);
    // Output and messages together, as a terminal shows them.
    auto corre = [&](const std::string& trabajos) {
      return placatec::EjecutaOrden("cd '" + corpus.string() + "' && '" + kCalc + "' " + trabajos + " " +
                                    modo + todos + " 2>&1");
    };
    const placatec::Salida uno = corre("-j 1"), dos = corre("-j 2"), muchos = corre("--jobs=7"),
                           omision = corre("");
    EXPECT_EQ(uno.estado, 2);  // the corpus holds refused calculations
    EXPECT_GT(uno.texto.size(), 20000u);
    for (const placatec::Salida* otra : {&dos, &muchos, &omision}) {
      EXPECT_EQ(otra->estado, uno.estado);
      EXPECT_TRUE(otra->texto == uno.texto);  // the bytes, not printed: they are megabytes
    }
  }
}

TEST(Unix, GuionLeeLaEntradaEstandarYQuietCalla) {
  const std::string p = kFuente + "/examples/voladizos.Los",
                    mal = kFuente + "/tests/corpus/rechazo/cero_losas.Los";
  auto archivo = nlohmann::json::parse(placatec::EjecutaCalculador("--json " + p).texto);
  auto redirigido = nlohmann::json::parse(placatec::EjecutaCalculador("--json - < " + p).texto);
  auto tuberia =
      nlohmann::json::parse(placatec::EjecutaOrden("cat " + p + " | " + kCalc + " --json -").texto);
  EXPECT_EQ(redirigido["archivo"], "-");
  EXPECT_EQ(tuberia["archivo"], "-");
  EXPECT_TRUE(archivo["error"].is_null());
  archivo.erase("archivo");
  redirigido.erase("archivo");
  tuberia.erase("archivo");
  EXPECT_EQ(redirigido, archivo);
  EXPECT_EQ(tuberia, archivo);
  EXPECT_EQ(placatec::EjecutaCalculador("- < " + p).texto, placatec::EjecutaCalculador(p).texto);
  const placatec::Salida vacia = placatec::EjecutaOrden(kCalc + " - < /dev/null 2>&1");
  EXPECT_EQ(vacia.estado, 1);
  EXPECT_EQ(vacia.texto, "placatec-calc: -: Archivo Ilegal\n");

  // --quiet: nothing but the errors, the same exit status.
  const placatec::Salida callado = placatec::EjecutaOrden(kCalc + " -q " + p + " " + mal + " 2>&1");
  EXPECT_EQ(callado.estado, placatec::EjecutaCalculador(p + " " + mal).estado);
  EXPECT_EQ(callado.texto, "placatec-calc: " + mal + ": Archivo Ilegal\n");
}

TEST(Unix, QtSoloSeCargaParaElPdfYNoNecesitaPantalla) {
  const std::string p = kFuente + "/examples/entrepiso.Los";
  auto bibliotecas = [&](const std::string& argumentos) {
    return placatec::EjecutaOrden("LD_DEBUG=libs " + kCalc + " " + argumentos + " 2>&1 >/dev/null").texto;
  };
  EXPECT_EQ(bibliotecas("--json " + p).find("libQt6"), std::string::npos);
  EXPECT_EQ(bibliotecas(p + " --save /dev/null/x.Los").find("libQt6"), std::string::npos);
  if (!HayPdf()) GTEST_SKIP() << "built without the PDF module";
  const fs::path pdf =
      fs::temp_directory_path() / ("placatec-pantalla-" + std::to_string(::getpid()) + ".pdf");
  EXPECT_NE(bibliotecas(p + " --pdf " + pdf.string()).find("libQt6Gui"), std::string::npos);

  // A DISPLAY that names no live server (a stale variable of tmux, cron or ssh), even
  // with the X platform asked for by name: the report is written all the same.
  for (const char* entorno : {"DISPLAY=:99", "DISPLAY=unix:4321 QT_QPA_PLATFORM=xcb"}) {
    SCOPED_TRACE(entorno);
    fs::remove(pdf);
    const placatec::Salida s = placatec::EjecutaOrden(std::string(entorno) + " " + kCalc + " " + p +
                                                      " --pdf " + pdf.string() + " 2>&1 >/dev/null");
    EXPECT_EQ(s.estado, 0);
    EXPECT_EQ(s.texto, "");
    std::ifstream f(pdf, std::ios::binary);
    std::string cabecera(5, '\0');
    f.read(cabecera.data(), 5);
    EXPECT_EQ(cabecera, "%PDF-");
  }
  fs::remove(pdf);
}

TEST(Unix, MuchosPdfMuestranSuAvanceEnUnaTerminal) {
  if (!HayPdf()) GTEST_SKIP() << "built without the PDF module";
  if (placatec::EjecutaOrden("script -V >/dev/null 2>&1").estado != 0) GTEST_SKIP() << "no script(1)";
  const fs::path dir = fs::temp_directory_path() / ("placatec-avance-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string archivos;
  for (int i = 1; i <= 11; ++i) {
    const fs::path copia = dir / ("techo" + std::to_string(i) + ".Los");
    fs::copy_file(kFuente + "/examples/techo.Los", copia);
    archivos += ' ';
    archivos += copia.string();
  }
  // script(1) gives the calculator a terminal; its standard output goes to a file.
  auto enTerminal = [&](const std::string& opciones) {
    return placatec::EjecutaOrden("script -qec \"" + kCalc + " " + opciones + " --pdf " +
                                  (dir / "pdf/").string() + archivos + " >/dev/null\" /dev/null")
        .texto;
  };
  const std::string avance = enTerminal("");
  EXPECT_NE(avance.find("placatec-calc: reportes PDF 1 de 11"), std::string::npos) << avance;
  EXPECT_NE(avance.find("placatec-calc: reportes PDF 11 de 11"), std::string::npos) << avance;
  EXPECT_TRUE(fs::exists(dir / "pdf" / "techo11.pdf"));
  EXPECT_EQ(enTerminal("--quiet"), "");
  // Not a terminal: no progress line.
  EXPECT_EQ(
      placatec::EjecutaOrden(kCalc + " --pdf " + (dir / "pdf/").string() + archivos + " 2>&1 >/dev/null")
          .texto,
      "");
  fs::remove_all(dir);
}

}  // namespace
