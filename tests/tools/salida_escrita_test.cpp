// Results that cannot be written are an error: a full disk, a closed output, a reader
// that went away while SIGPIPE is ignored (as some shells and services leave it) end
// with status 3 and a Spanish message on the error output, never with status 0.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "Orden.h"

namespace {

TEST(SalidaEscrita, UnaSalidaQueNoSeEscribeTerminaConTresYLoDice) {
  const std::string calc = PLACATEC_CALC;
  const std::string grande = std::string(PLACATEC_SOURCE_DIR) + "/tests/corpus/carga/noventa_y_nueve.Los";
  const std::string lleno = "placatec-calc: no se pudo escribir la salida: El Disco Esta Lleno\n";
  const std::string cerrada = "placatec-calc: la salida estándar está cerrada; los resultados se perderían\n";
  // Only the calculator's output is redirected: its messages reach the test.
  const std::pair<std::string, std::string> casos[] = {
      {" --json " + grande + " 2>&1 >/dev/full", lleno},
      {" " + grande + " 2>&1 >/dev/full", lleno},
      {" --help 2>&1 >/dev/full", lleno},
      {" --version 2>&1 >/dev/full", lleno},
      {" " + grande + " 2>&1 >&-", cerrada},
  };
  for (const auto& [argumentos, mensaje] : casos) {
    SCOPED_TRACE(argumentos);
    const placatec::Salida s = placatec::EjecutaOrden(calc + argumentos);
    EXPECT_EQ(s.estado, 3);
    EXPECT_EQ(s.texto, mensaje);
  }
  // With nothing to write, a closed output loses nothing.
  const placatec::Salida callado = placatec::EjecutaOrden(calc + " --quiet " + grande + " 2>&1 >&-");
  EXPECT_EQ(callado.estado, 0);
  EXPECT_EQ(callado.texto, "");

  // The reader takes one byte and goes, long before the 130 kB of each project.
  const std::string estado = testing::TempDir() + "placatec-tuberia-" + std::to_string(::getpid());
  const placatec::Salida s =
      placatec::EjecutaOrden("exec 3>&1; trap '' PIPE; { " + calc + " --json " + grande + " " + grande +
                             " 2>&3; echo $? >" + estado + "; } | head -c 1 >/dev/null");
  EXPECT_EQ(s.texto, "placatec-calc: no se pudo escribir la salida: Tuberia Cerrada\n");
  EXPECT_EQ(placatec::EjecutaOrden("cat " + estado + "; rm -f " + estado).texto, "3\n");
}

}  // namespace
