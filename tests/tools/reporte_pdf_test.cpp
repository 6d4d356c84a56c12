// The PDF of the batch calculator read back as text: headings whole on any paper, the
// checks printed unless told otherwise, the bar schedule when asked, pages too small for
// 7-point tables refused; and --verificar, whose status 4 says that a check failed.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "Orden.h"

namespace {

namespace fs = std::filesystem;

const std::string kCalc = PLACATEC_CALC;
const std::string kFuentes = PLACATEC_SOURCE_DIR;

// Output and error output of a command together; its exit status in estado.
std::string Salida(const std::string& orden, int& estado) {
  const placatec::Salida s = placatec::EjecutaOrden(orden + " 2>&1");
  estado = s.estado;
  return s.texto;
}

TEST(ReportePdf, EncabezadosEnterosVerificacionesSalvoQueSeQuitenYPlanillaSiSePide) {
  int estado = -1;
  Salida("pdftotext -v", estado);
  if (estado != 0) GTEST_SKIP() << "pdftotext is not installed";
  const std::string proyecto = kFuentes + "/tests/corpus/carga/noventa_y_nueve.Los";
  const fs::path pdf = fs::temp_directory_path() / ("placatec-pdf-" + std::to_string(getpid()) + ".pdf");
  for (const char* pagina :
       {"--papel A4 --apaisado", "--papel 'A5 148 x 210 mm' --margenes 0.5,0.5,0.75,0.75",
        "--sin-verificaciones --con-planilla"}) {
    SCOPED_TRACE(pagina);
    Salida(kCalc + " " + proyecto + " --pdf " + pdf.string() + " " + pagina, estado);
    if (estado == 3 && !fs::exists(pdf)) GTEST_SKIP() << "built without the desktop library";
    ASSERT_EQ(estado, 0);
    std::istringstream texto(Salida("pdftotext " + pdf.string() + " -", estado));
    std::string palabras = " ";
    for (std::string w; texto >> w;) palabras += w + " ";  // words whole, blanks single
    // Words of headings as whole words (a cell may set them on two lines), section titles whole.
    for (const char* esperado :
         {" Resumen ", " Espesor ", " CM-vuelo ", " (To/m2) ", " (To-m/m) ", " (cm2/m) ", " Reac-ultima ",
          " Adicionales ", " Bases de diseño ", " Cargas por losa ", " Análisis de losas ",
          " Refuerzo en vanos ", " Pág. 1 de "})
      EXPECT_NE(palabras.find(esperado), std::string::npos) << esperado;
    // The section of the checks, whose tables no other section has, and the bar schedule's.
    const bool otras = std::string(pagina) == "--sin-verificaciones --con-planilla";
    EXPECT_EQ(palabras.find(" Cortante en los bordes apoyados ") == std::string::npos, otras);
    EXPECT_EQ(palabras.find(" Totales por diametro ") != std::string::npos, otras);
    fs::remove(pdf);
  }
  // A page that would need smaller text, or leaves no paper, is refused and nothing is written.
  for (const auto& [pagina, esperado, mensaje] :
       {std::tuple{"--margenes 9,9,1,1", placatec::kEstadoUso, "no dejan una pulgada de papel"},
        {"--margenes 3,3,1,1", 3, "de menos de 7 puntos"},
        {"--papel 'A5 148 x 210 mm'", 3, "de menos de 7 puntos"},
        {"--papel Carta", placatec::kEstadoUso, "Papel desconocido"}}) {
    const std::string error =
        Salida(kCalc + " " + proyecto + " --pdf " + pdf.string() + " " + pagina, estado);
    EXPECT_EQ(estado, esperado) << pagina;
    EXPECT_NE(error.find(mensaje), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(pdf)) << pagina;
  }
}

TEST(ReportePdf, VerificarTerminaConElResumenYElEstadoCuatro) {
  int estado = -1;
  const std::string techo = kFuentes + "/examples/techo.Los",
                    entrepiso = kFuentes + "/examples/entrepiso.Los";
  const std::string texto = Salida(kCalc + " --verificar " + techo, estado);
  EXPECT_EQ(estado, 4);
  EXPECT_TRUE(texto.ends_with("\n3 losas no cumplen\n")) << texto;
  EXPECT_NE(texto.find("Losa 2  Espesor mínimo"), std::string::npos) << texto;
  EXPECT_TRUE(Salida(kCalc + " --verificar " + entrepiso, estado).ends_with("\nTodas las losas cumplen\n"));
  EXPECT_EQ(estado, 0);
  Salida(kCalc + " " + techo, estado);
  EXPECT_EQ(estado, 0) << "sin --verificar";
  // A file that cannot be loaded keeps its status, whatever the checks of the others.
  Salida(kCalc + " --verificar --json " + techo + " " + entrepiso + " /no/existe.Los", estado);
  EXPECT_EQ(estado, 1);
  Salida(kCalc + " --verificar -j 2 " + entrepiso + " " + techo + " " + entrepiso, estado);
  EXPECT_EQ(estado, 4);
}

}  // namespace
