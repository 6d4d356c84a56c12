// The checks on paper: page 1 lists every one that fails (the tables of the
// "Verificaciones" and "Planilla de barras" sections are compared with the windows' in
// celdas_reporte_test).
#include <gtest/gtest.h>

#include "Casos.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"
#include "model/Interlocutor.h"
#include "report/Reporte.h"

namespace placatec {
namespace {

// Each text paragraph and the title row and rows of each table, in order.
std::vector<std::vector<std::string>> Contenido(const Documento& d) {
  std::vector<std::vector<std::string>> c;
  for (const Bloque& b : d.bloques) {
    if (auto* p = std::get_if<Parrafo>(&b); p && !p->texto.empty()) c.push_back({p->texto});
    if (auto* t = std::get_if<TablaDoc>(&b)) {
      if (!t->encabezado.empty()) c.push_back(t->encabezado);
      for (const auto& fila : t->filas) c.push_back(fila);
    }
  }
  return c;
}

// Page 1 lists every check that fails, one line each with its value and limit, then the
// summary line, and the top steel of the uncovered fixed edges with its bars.
TEST(ReporteVerificaciones, ElResumenListaCadaVerificacionQueFalla) {
  Sesion s;
  InterlocutorMudo ui;
  const std::string carpeta = PLACATEC_SOURCE_DIR "/tests/corpus/verificaciones/";
  ASSERT_TRUE(CargaArchivo(s, carpeta + "todas_fallan.Los", ui));
  OpcionesReporte op;
  op.marcadas.fill(false);
  op.marcadas[static_cast<std::size_t>(Seccion::Resumen)] = true;
  const auto c = Contenido(Reporte().Inicia(s, op));
  auto fila =
      std::find(c.begin(), c.end(),
                std::vector<std::string>{"Elemento", "Verificaci\xC3\xB3n", "Valor", "L\xC3\xADmite"});
  for (const auto& esperada : LeeCasos(carpeta + "fallas.txt")) {
    ASSERT_LT(++fila - c.end(), 0);
    auto vista = *fila;  // element and check; a value and a limit beside them
    if (esperada.size() == 2 && vista.size() == 4 && !vista[2].empty() && !vista[3].empty()) vista.resize(2);
    EXPECT_EQ(vista, esperada);  // the last is the summary line
  }
  ASSERT_GE(c.end() - fila, 5);
  EXPECT_EQ(fila[1][0], "Acero superior en bordes empotrados sin apoyo continuo");
  EXPECT_EQ((std::vector<std::string>{fila[3][0], fila[3][1], fila[3][4], fila[3][5]}),
            (std::vector<std::string>{"2", "2", "\xC3\xB8 3/4\"", "0.17"}));  // cortante_empotrado.md
  EXPECT_EQ(fila[4].back(), "No cumple");
}

}  // namespace
}  // namespace placatec
