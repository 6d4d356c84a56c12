// One value per cell: over the calculation corpus, every number the report prints
// from a results window is the text that window shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "InterlocutorGuion.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"
#include "model/Numeros.h"
#include "report/Reporte.h"

namespace placatec {
namespace {

namespace fs = std::filesystem;

// The table that follows the sub-title s.
const TablaDoc* TablaTras(const Documento& d, const std::string& s) {
  for (std::size_t i = 0; i < d.bloques.size(); ++i) {
    auto* p = std::get_if<Parrafo>(&d.bloques[i]);
    if (!p || p->texto != s) continue;
    for (std::size_t j = i + 1; j < d.bloques.size(); ++j)
      if (auto* t = std::get_if<TablaDoc>(&d.bloques[j])) return t;
  }
  return nullptr;
}

// Report column -> window column of the rows the two have in common.
struct Comparacion {
  const char* subtitulo;
  std::vector<std::pair<std::size_t, std::size_t>> columnas;
};

TEST(CeldasDelReporte, CadaNumeroEsElDeLaVentana) {
  int comparados = 0;
  for (const auto& e : fs::directory_iterator(fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus/calculo")) {
    if (e.path().extension() != ".Los") continue;
    SCOPED_TRACE(e.path().filename().string());
    InterlocutorGuion ui;
    Sesion s;
    if (!CargaArchivo(s, e.path().string(), ui) || !CalculaRefuerzo(s, ui)) continue;
    OpcionesReporte todas;
    todas.marcadas.fill(true);
    const Documento d = Reporte().Inicia(s, todas);
    std::vector<std::vector<std::string>> reacciones;
    for (const auto& f : s.reacciones.filas) reacciones.emplace_back(f.begin(), f.end());
    const auto textos = [](const TablaResultado& t) {
      std::vector<std::vector<std::string>> r;
      for (const auto& f : t.filas) {
        r.emplace_back();
        for (const Celda& c : f) r.back().push_back(c.texto);
      }
      return r;
    };
    auto cantidades = textos(s.medidas.tabla);
    cantidades.emplace_back(1, "Totales");
    for (const std::string& t : s.medidas.totales) cantidades.back().push_back(t);
    const std::vector<std::pair<Comparacion, std::vector<std::vector<std::string>>>> casos{
        {{"Refuerzo en vanos", {{2, 2}, {3, 3}, {5, 6}}}, textos(s.vanos)},
        {{"Refuerzo en apoyos", {{3, 3}, {4, 4}, {5, 5}}}, textos(s.apoyosRefuerzo)},
        {{"Reacciones de apoyo", {{5, 5}, {6, 6}, {7, 7}}}, reacciones},
        {{"Calculo metrico", {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}}, cantidades}};
    for (const auto& [c, ventana] : casos) {
      const TablaDoc* t = TablaTras(d, c.subtitulo);
      ASSERT_NE(t, nullptr) << c.subtitulo;
      ASSERT_EQ(t->filas.size(), ventana.size()) << c.subtitulo;
      for (std::size_t r = 0; r < ventana.size(); ++r)
        for (const auto& [col, colVentana] : c.columnas)
          EXPECT_EQ(t->filas[r].at(col), Recorta(ventana[r].at(colVentana)))
              << c.subtitulo << ", fila " << r + 1 << ", columna " << col + 1;
      ++comparados;
    }
  }
  EXPECT_GE(comparados, 40);
}

}  // namespace
}  // namespace placatec
