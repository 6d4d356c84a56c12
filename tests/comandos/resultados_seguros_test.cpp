// Results that never belong to other data, never come from data a storey cannot have,
// and say so when they could not be computed. The expected values are the files of
// tests/corpus/resultados/ (its README.md gives the hand working).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>
#include <variant>

#include "InterlocutorGuion.h"
#include "Orden.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"
#include "comandos/ComandosPrincipal.h"
#include "report/Reporte.h"

namespace placatec {
namespace {

namespace fs = std::filesystem;
const fs::path kCorpus = fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus/resultados";

nlohmann::json CalculaPorLotes(const fs::path& archivo) {
  return nlohmann::json::parse(EjecutaCalculador("--json '" + archivo.string() + "'").texto, nullptr, false);
}

// The paragraphs and table rows of a report, one per line, cells ended by "|".
std::string TextoDe(const Documento& d) {
  std::string t;
  for (const Bloque& b : d.bloques) {
    if (const auto* p = std::get_if<Parrafo>(&b)) t += p->texto + "\n";
    if (const auto* tabla = std::get_if<TablaDoc>(&b))
      for (const auto& fila : tabla->filas) {
        for (const auto& celda : fila) t += celda + "|";
        t += "\n";
      }
  }
  return t;
}

// Each project of the corpus through the batch calculator: every part of its JSON
// named in the project's .json file reads as written there.
TEST(ResultadosSeguros, CorpusDelCalculadorPorLotes) {
  int casos = 0;
  for (const auto& e : fs::directory_iterator(kCorpus)) {
    if (e.path().extension() != ".Los") continue;
    std::ifstream f(fs::path(e.path()).replace_extension(".json"));
    const nlohmann::json esperado = nlohmann::json::parse(f);
    const nlohmann::json salida = CalculaPorLotes(e.path());
    for (const auto& [clave, valor] : esperado.items())
      EXPECT_EQ(salida[clave], valor) << e.path().filename() << ": " << clave;
    ++casos;
  }
  EXPECT_EQ(casos, 8);
}

// The worked examples of the reactions: an "X" support lies on edges 1 and 2.
TEST(ResultadosSeguros, ReaccionesDeLosEjemplos) {
  std::ifstream f(kCorpus / "reacciones_ejemplos.txt");
  Proyecto p;
  p.NumLosas = 1;
  int filas = 0;
  for (std::string linea; std::getline(f, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    std::istringstream l(linea);
    std::string dir;
    double esperado = -1;
    l >> p.Lx[1] >> p.Ly[1] >> p.CodigoLosa[1] >> p.CargaMuertaVano[1] >> p.CargaMuertaVuelo[1] >> dir >>
        esperado;
    EXPECT_NEAR(ReaccionLosa(p, 1, dir).muerta, esperado, 5e-4) << linea;
    ++filas;
  }
  EXPECT_EQ(filas, 6);
}

// The report calculates from the data as they are now: a refused calculation is
// said where the reinforcement would stand, a "Temp" row prints its temperature
// bars, and data changed after a calculation never print beside the old results.
TEST(ResultadosSeguros, ElReporteCalculaConLosDatosDeAhora) {
  InterlocutorGuion ui;
  Sesion s;
  ASSERT_TRUE(CargaArchivo(s, (kCorpus / "capacidad_apoyo.Los").string(), ui));
  std::string t = TextoDe(Reporte().Inicia(s, OpcionesReporte{}));
  EXPECT_NE(t.find("Capacidad de la seccion excedida en el Apoyo No.  1\n\nCORRIJA LOS DATOS\n"
                   "Refuerzo no calculado\n"),
            std::string::npos)
      << t;
  EXPECT_EQ(t.find("Refuerzo en vanos"), std::string::npos);

  Sesion g;
  ASSERT_TRUE(CargaArchivo(g, (kCorpus / "temperatura_gruesa.Los").string(), ui));
  ASSERT_TRUE(CalculaRefuerzo(g, ui));
  g.losas.EditaCelda(0, ColLosa::Lx, "3.2");
  g.losas.FilaActualizada(ui);
  t = TextoDe(Reporte().Inicia(g, OpcionesReporte{}));
  EXPECT_NE(t.find("\n1|X|1.44|8.10|\xC3\xB8"
                   " 1/2\" a 0.15|Simple|\n|Y|0.00|8.10|\xC3\xB8"
                   " 3/8\" a 0.08|Temp|\n"),
            std::string::npos)
      << t;
}

// Any change of the data withdraws the last calculation and marks the project
// modified; opening and closing the data windows without a change keeps both. Numbers no Single holds are
// refused where they are typed.
TEST(ResultadosSeguros, UnCambioDeDatosRetiraElCalculo) {
  InterlocutorGuion ui;
  Sesion s;
  ASSERT_TRUE(CargaArchivo(s, (kCorpus / "reacciones_continuas.Los").string(), ui));
  s.generales.OK();
  // The first opening after a short-form file fills in the layers of a floor.
  s.generales.Abre(), s.generales.Activa();
  const std::pair<std::string, std::function<void()>> pasos[] = {
      {"sin cambios",
       [&] {
         s.generales.Abre(), s.generales.Activa(), s.generales.OK();
         s.losas.Activa(ui), s.losas.OK(ui), s.apoyos.Activa(ui), s.apoyos.OK(ui);
       }},
      // (Each column and box changed: tests/entry/datos_modificados_test.cpp.)
      {"Lx", [&] { s.losas.EditaCelda(1, ColLosa::Lx, "4.2"), s.losas.FilaActualizada(ui); }},
      {"nuevo", [&] { NuevosDatos(s); }}};
  for (const auto& [nombre, paso] : pasos) {
    ASSERT_TRUE(CalculaRefuerzo(s, ui)) << nombre << ": " << ui.UltimoTexto();
    s.estado.Modificado = false;
    paso();
    EXPECT_EQ(s.estado.CalculoHecho, nombre == "sin cambios") << nombre;
    // The same hook marks the project modified; a new project starts unmodified.
    EXPECT_EQ(s.estado.Modificado, nombre != "sin cambios" && nombre != "nuevo") << nombre;
  }

  ASSERT_TRUE(CargaArchivo(s, (kCorpus / "reacciones_continuas.Los").string(), ui));
  EXPECT_FALSE(s.losas.EditaCelda(0, ColLosa::MuertaVano, "1E+39", ui));
  EXPECT_EQ(s.losas.filas[0][ColLosa::MuertaVano], "0.45");
  const std::string peso = s.generales.Texto(Text2(2));
  EXPECT_TRUE(s.generales.PonTexto(Text1(2), "100000000000000000000"));
  EXPECT_FALSE(s.generales.PonTexto(Text2(2), "100000000000000000000"));
  EXPECT_EQ(s.generales.Texto(Text2(2)), peso);
}

}  // namespace
}  // namespace placatec
