// The "Verificaciones" section of the report: printed unless the engineer unchecks its
// box, composed only after a calculation, with the summary and a table per check as the
// window shows them.
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
  const auto titulos = [](const auto& columnas) {
    return std::vector<std::string>(columnas.begin(), columnas.end());
  };
  for (const auto& [titulo, columnas, tabla] :
       {std::tuple{"Acero superior en bordes empotrados sin apoyo continuo", titulos(kColumnasBordes),
                   &t.bordes},
        {"Espesor minimo", titulos(kColumnasEspesores), &t.espesores},
        {"Cortante en los bordes apoyados", titulos(kColumnasCortantes), &t.cortantes},
        {"Acero de temperatura", titulos(kColumnasTemperatura), &t.temperatura},
        {"Otras verificaciones del dise\xC3\xB1o", titulos(kColumnasAvisos), &t.avisos}}) {
    esperado.push_back({titulo});
    esperado.push_back(columnas);
    for (const auto& fila : tabla->filas) {
      esperado.emplace_back();
      for (const Celda& celda : fila) esperado.back().push_back(celda.texto);
    }
  }
  EXPECT_EQ(c, esperado);
  EXPECT_EQ(t.bordes.filas.at(0).back().texto, "No cumple");
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
  auto esperado = LeeCasos(carpeta + "fallas.txt");
  ASSERT_GE(esperado.size(), 2u);
  const auto inicio =
      std::find(c.begin(), c.end(),
                std::vector<std::string>{"Elemento", "Verificaci\xC3\xB3n", "Valor", "L\xC3\xADmite"});
  ASSERT_NE(inicio, c.end());
  for (std::size_t k = 0; k < esperado.size(); ++k) {
    const auto& fila = *(inicio + 1 + static_cast<std::ptrdiff_t>(k));
    if (k + 1 == esperado.size())
      EXPECT_EQ(fila, esperado[k]);  // the summary line
    else
      EXPECT_TRUE(fila.size() == 4 && fila[0] == esperado[k][0] && fila[1] == esperado[k][1] &&
                  !fila[2].empty() && !fila[3].empty())
          << testing::PrintToString(fila);
  }
  const auto bordes = inicio + static_cast<std::ptrdiff_t>(esperado.size()) + 1;
  ASSERT_GE(c.end() - bordes, 3);
  EXPECT_EQ(bordes[0][0], "Acero superior en bordes empotrados sin apoyo continuo");
  EXPECT_EQ((std::vector<std::string>{bordes[2][0], bordes[2][1], bordes[2][4], bordes[2][5]}),
            (std::vector<std::string>{"2", "2", "\xC3\xB8 3/4\"", "0.17"}));  // cortante_empotrado.md
  EXPECT_EQ(bordes[3].back(), "No cumple");
}

}  // namespace
}  // namespace placatec
