// The rules behind data entry that a user relies on, without a window: a numeric box's
// edits (decimal comma, pasted text), the question before unsaved changes are dropped,
// and the window title that shows them.
#include "comandos/CambiosSinGuardar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Casos.h"
#include "InterlocutorGuion.h"
#include "model/Numeros.h"

namespace placatec {

TEST(EdicionNumerica, TecleadaOPegadaComoEnElArchivoDeCasos) {
  const auto casos = LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/ediciones.txt");
  ASSERT_EQ(casos.size(), 9u);
  for (const auto& c : casos) EXPECT_EQ(EdicionNumerica(c[0], c[1]).value_or("rechazada"), c[2]) << c[1];
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
