// The batch calculator's command line and messages, as a user reads them: every usage
// error in Spanish with one exit status, the help and the manual page naming the same
// options and statuses, messages whose lines end in "\n" alone, and JSON that parses
// whatever bytes a file name holds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <string>

#include "Archivos.h"
#include "Orden.h"

namespace {

namespace fs = std::filesystem;
const std::string kFuente = PLACATEC_SOURCE_DIR;

TEST(LineaOrdenes, CadaErrorDeUsoSeDiceEnEspanolYSaleConElEstadoDeUso) {
  std::ifstream casos(kFuente + "/tests/corpus/uso/errores.txt");
  int vistos = 0;
  for (std::string linea; std::getline(casos, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    const auto barra = linea.find(" | ");
    ASSERT_NE(barra, std::string::npos) << linea;
    const std::string argumentos = linea.substr(0, barra), mensaje = linea.substr(barra + 3);
    SCOPED_TRACE(argumentos);
    const placatec::Salida s = placatec::EjecutaOrden(PLACATEC_CALC " " + argumentos + " 2>&1");
    EXPECT_EQ(s.estado, placatec::kEstadoUso);
    EXPECT_EQ(s.texto, "placatec-calc: " + mensaje + "\nVea placatec-calc --help\n");
    ++vistos;
  }
  EXPECT_GE(vistos, 15);
}

// What --help lists, the manual page documents: every option and every exit status.
TEST(LineaOrdenes, LaAyudaYLaPaginaDeManualNombranLasMismasOpcionesYEstados) {
  const placatec::Salida ayuda = placatec::EjecutaOrden(PLACATEC_CALC " --help");
  ASSERT_EQ(ayuda.estado, 0);
  EXPECT_EQ(ayuda.texto.rfind("Uso: placatec-calc [OPCIONES] ARCHIVO.Los...\n", 0), 0u);
  const std::string manual = placatec::Bytes(kFuente + "/data/placatec-calc.1.in");
  const std::string readme = placatec::Bytes(kFuente + "/README.md");
  std::set<std::string> opciones;
  const std::regex opcion("--([a-z][a-z-]*)");
  for (std::sregex_iterator it(ayuda.texto.begin(), ayuda.texto.end(), opcion), fin; it != fin; ++it)
    opciones.insert((*it)[1]);
  EXPECT_GE(opciones.size(), 10u);
  for (const std::string& o : opciones) {
    std::string escrita;  // as groff wants it: \-\-name, every hyphen escaped
    for (char c : "--" + o) escrita += c == '-' ? std::string("\\-") : std::string(1, c);
    EXPECT_NE(manual.find(escrita), std::string::npos) << "--" << o << " falta en la página de manual";
  }
  // The exit statuses, each at the start of a line of the help.
  const std::regex estado("\n  ([0-9]+) ");
  int estados = 0;
  for (std::sregex_iterator it(ayuda.texto.begin(), ayuda.texto.end(), estado), fin; it != fin;
       ++it, ++estados)
    EXPECT_NE(manual.find(".B " + (*it)[1].str() + "\n"), std::string::npos) << "estado " << (*it)[1];
  EXPECT_EQ(estados, 6);
  EXPECT_NE(ayuda.texto.find("\n  " + std::to_string(placatec::kEstadoUso) + " "), std::string::npos);
  EXPECT_NE(readme.find("usage error exits with " + std::to_string(placatec::kEstadoUso)), std::string::npos);
}

TEST(LineaOrdenes, LosMensajesTerminanSusLineasSoloConSaltoYElJsonSiempreSeLee) {
  // A refused calculation: the desktop's message has "\r\n" inside; on the error output
  // its lines end in "\n" alone.
  const placatec::Salida e = placatec::EjecutaOrden(
      PLACATEC_CALC " " + kFuente + "/tests/corpus/calculo/error_espesor.Los 2>&1 >/dev/null");
  EXPECT_EQ(e.estado, 2);
  EXPECT_EQ(e.texto.find('\r'), std::string::npos);
  EXPECT_NE(e.texto.find("en la Losa No.  2\n\nCORRIJA LOS DATOS\n"), std::string::npos) << e.texto;

  // A file name in Latin-1 ("año" with the byte F1): the JSON line is still UTF-8.
  const fs::path dir = fs::temp_directory_path() / ("placatec-latin1-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path latin1 = dir / "a\xF1o.Los";
  fs::copy_file(kFuente + "/examples/techo.Los", latin1);
  const placatec::Salida s = placatec::EjecutaCalculador("--json '" + latin1.string() + "'");
  EXPECT_EQ(s.estado, 0);
  const auto j = nlohmann::json::parse(s.texto, nullptr, false);  // strict about UTF-8
  ASSERT_FALSE(j.is_discarded()) << s.texto.substr(0, 200);
  EXPECT_EQ(j["archivo"], (dir / "a\xEF\xBF\xBDo.Los").string());

  // Titles with quotes, a backslash, or a tab and an "ñ" of the file's code page come
  // back as the same text.
  for (const auto& [enArchivo, enJson] :
       {std::pair<std::string, std::string>{"Techo \"plano\"", "Techo \"plano\""},
        {"uno \\ dos", "uno \\ dos"},
        {"con\ttab y \xF1", "con\ttab y \xC3\xB1"}}) {
    std::string proyecto = placatec::Bytes(latin1);
    proyecto.replace(0, proyecto.find('\r'), enArchivo);
    const fs::path titulo = dir / "titulo.Los";
    placatec::Escribe(titulo, proyecto);
    const placatec::Salida t = placatec::EjecutaCalculador("--json '" + titulo.string() + "'");
    const auto jt = nlohmann::json::parse(t.texto, nullptr, false);
    ASSERT_FALSE(jt.is_discarded()) << t.texto.substr(0, 200);
    EXPECT_EQ(jt["general"]["Titulo"], enJson);
  }
  fs::remove_all(dir);
}

}  // namespace
