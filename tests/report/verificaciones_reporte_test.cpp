// The "Verificaciones" section of the report: printed unless the engineer unchecks its
// box, composed only after a calculation, with the summary and a table per check as the
// window shows them.
#include <gtest/gtest.h>

#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"
#include "model/Interlocutor.h"
#include "report/Reporte.h"

namespace placatec {
namespace {

// Each text paragraph and the rows of each table, in order.
std::vector<std::vector<std::string>> Contenido(const Documento& d) {
  std::vector<std::vector<std::string>> c;
  for (const Bloque& b : d.bloques) {
    if (auto* p = std::get_if<Parrafo>(&b); p && !p->texto.empty()) c.push_back({p->texto});
    if (auto* t = std::get_if<TablaDoc>(&b))
      for (const auto& fila : t->filas) c.push_back(fila);
  }
  return c;
}

TEST(ReporteVerificaciones, ResumenYUnaTablaPorComprobacion) {
  Sesion s;
  InterlocutorMudo ui;
  ASSERT_TRUE(CargaArchivo(s, PLACATEC_SOURCE_DIR "/tests/corpus/a_mano/balcon_sobrecargado.Los", ui));
  OpcionesReporte op;
  const auto verificaciones = static_cast<std::size_t>(Seccion::Verificaciones);
  EXPECT_TRUE(op.marcadas[verificaciones]);
  op.marcadas.fill(false);
  op.marcadas[verificaciones] = true;
  EXPECT_TRUE(Contenido(Reporte().Inicia(s, op, {})).empty()) << "sin calculo no hay verificaciones";

  ASSERT_TRUE(CalculaRefuerzo(s, ui));
  const auto c = Contenido(Reporte().Inicia(s, op, {}));
  const TablasVerificaciones& t = s.tablasVerificaciones;
  std::vector<std::vector<std::string>> esperado{{"Verificaciones"}, {"1 losa no cumple"}};
  for (const auto& [titulo, tabla] :
       {std::pair{"Acero superior en bordes empotrados sin apoyo continuo", &t.bordes},
        {"Espesor minimo", &t.espesores},
        {"Cortante en los bordes apoyados", &t.cortantes},
        {"Acero de temperatura", &t.temperatura},
        {"Otras verificaciones del dise\xC3\xB1o", &t.avisos}}) {
    esperado.push_back({titulo});
    for (const auto& fila : tabla->filas) {
      esperado.emplace_back();
      for (const Celda& celda : fila) esperado.back().push_back(celda.texto);
    }
  }
  EXPECT_EQ(c, esperado);
  EXPECT_EQ(t.bordes.filas.at(0).back().texto, "No cumple");
}

}  // namespace
}  // namespace placatec
