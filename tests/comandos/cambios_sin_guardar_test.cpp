// The rules behind data entry that a user relies on, without a window: a numeric box's
// edits (decimal comma, pasted text), the question before unsaved changes are dropped,
// and the window title that shows them.
#include "comandos/CambiosSinGuardar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "InterlocutorGuion.h"
#include "model/Numeros.h"

namespace placatec {

TEST(EdicionNumerica, TecleadaOPegadaComoEnElArchivoDeCasos) {
  std::ifstream casos(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/ediciones.txt");
  ASSERT_TRUE(casos);
  int leidos = 0;
  for (std::string linea; std::getline(casos, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    const auto a = linea.find('|'), b = linea.find('|', a + 1);
    const auto r = EdicionNumerica(linea.substr(0, a), linea.substr(a + 1, b - a - 1));
    EXPECT_EQ(r.value_or("rechazada"), linea.substr(b + 1)) << linea;
    ++leidos;
  }
  EXPECT_EQ(leidos, 9);
}

TEST(CambiosSinGuardar, PreguntaYSoloCancelarDetiene) {
  Sesion s;
  InterlocutorGuion ui;
  EXPECT_TRUE(PuedeDescartar(s, ui, [] { return std::string(); }));  // nothing modified
  EXPECT_TRUE(ui.mensajes.empty());
  s.generales.PonTexto(Caja::Nombre, "Casa");
  EXPECT_EQ(TituloVentana(s), "Placatec*");
  ui.respuestas = {Respuesta::Cancelar, Respuesta::Guardar, Respuesta::NoGuardar};
  EXPECT_FALSE(PuedeDescartar(s, ui, [] { return std::string(); }));
  EXPECT_EQ(ui.UltimoTexto(), "¿Guardar los cambios de Casa?");
  EXPECT_FALSE(PuedeDescartar(s, ui, [] { return std::string(); }));  // no file name given
  EXPECT_TRUE(PuedeDescartar(s, ui, [] { return std::string(); }));
  EXPECT_TRUE(s.estado.Modificado);

  const auto ruta = std::filesystem::temp_directory_path() / "placatec-cambios-sin-guardar.Los";
  ui.respuestas = {Respuesta::Guardar};
  EXPECT_TRUE(PuedeDescartar(s, ui, [&] { return ruta.string(); }));
  EXPECT_TRUE(std::filesystem::exists(ruta));
  EXPECT_EQ(TituloVentana(s), "placatec-cambios-sin-guardar.Los - Placatec");
  std::filesystem::remove(ruta);
}

}  // namespace placatec
