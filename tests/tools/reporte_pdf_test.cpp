// The PDF of the batch calculator read back as text: headings whole on any paper,
// the design basis and the slab analysis present, bad page options refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "Orden.h"

namespace {

namespace fs = std::filesystem;

// Output and error output of a command together; its exit status in estado.
std::string Salida(const std::string& orden, int& estado) {
  const placatec::Salida s = placatec::EjecutaOrden(orden + " 2>&1");
  estado = s.estado;
  return s.texto;
}

TEST(ReportePdf, EncabezadosEnterosYSeccionesNuevasEnCualquierPapel) {
  int estado = -1;
  Salida("pdftotext -v", estado);
  if (estado != 0) GTEST_SKIP() << "pdftotext is not installed";
  const std::string proyecto = std::string(PLACATEC_SOURCE_DIR) + "/tests/corpus/carga/noventa_y_nueve.Los";
  const fs::path pdf = fs::temp_directory_path() / ("placatec-pdf-" + std::to_string(getpid()) + ".pdf");
  for (const char* pagina : {"--papel A4 --apaisado", "--papel 'A5 148 x 210 mm' --margenes 1.5,1.5,1,1"}) {
    SCOPED_TRACE(pagina);
    Salida(std::string(PLACATEC_CALC) + " " + proyecto + " --pdf " + pdf.string() + " " + pagina, estado);
    if (estado == 3 && !fs::exists(pdf)) GTEST_SKIP() << "built without the desktop library";
    ASSERT_EQ(estado, 0);
    std::istringstream texto(Salida("pdftotext " + pdf.string() + " -", estado));
    std::string palabras = " ";
    for (std::string w; texto >> w;) palabras += w + " ";  // words whole, blanks single
    // Words of headings as whole words (a cell may set them on two lines), section titles whole.
    for (const char* esperado : {" Espesor ", " CM-vuelo ", " (To/m2) ", " Reac-ultima ", " Adicionales ",
                                 " Bases de diseño ", " Análisis de losas ", " Refuerzo en vanos "})
      EXPECT_NE(palabras.find(esperado), std::string::npos) << esperado;
    fs::remove(pdf);
  }
  const std::string error = Salida(
      std::string(PLACATEC_CALC) + " " + proyecto + " --pdf " + pdf.string() + " --papel Carta", estado);
  EXPECT_EQ(estado, placatec::kEstadoUso);
  EXPECT_NE(error.find("Papel desconocido"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
