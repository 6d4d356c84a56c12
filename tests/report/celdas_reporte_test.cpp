// One value per cell: over the calculation corpus, every number the report prints
// from a results, checks or bar schedule window is the text that window shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "InterlocutorGuion.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"
#include "model/Numeros.h"
#include "outputs/Planilla.h"
#include "report/Reporte.h"

namespace placatec {
namespace {

// The rows of the first table after the sub-title s.
std::vector<FilaTabla> FilasTras(const Documento& d, const std::string& s) {
  bool visto = false;
  for (const Bloque& b : d.bloques) {
    if (auto* p = std::get_if<Parrafo>(&b)) visto |= p->texto == s;
    if (auto* t = std::get_if<TablaDoc>(&b); t && visto) return t->filas;
  }
  return {};
}

TEST(CeldasDelReporte, CadaNumeroEsElDeLaVentana) {
  int comparadas = 0;
  for (const auto& e : std::filesystem::directory_iterator(PLACATEC_SOURCE_DIR "/tests/corpus/calculo")) {
    InterlocutorGuion ui;
    Sesion s;
    if (e.path().extension() != ".Los" || !CargaArchivo(s, e.path().string(), ui) || !CalculaRefuerzo(s, ui))
      continue;
    OpcionesReporte todas;
    todas.marcadas = TodasMarcadas();
    const Documento d = Reporte().Inicia(s, todas);
    TablaResultado reacciones = s.reacciones.Tabla(), cantidades = s.medidas.tabla;
    cantidades.filas.emplace_back(1, Celda{"Totales", {}});
    for (const std::string& t : s.medidas.totales) cantidades.filas.back().push_back({t, {}});
    const TablasVerificaciones v = TablasDe(s.verificaciones);
    const TablaResultado marcas = TablaMarcas(s.planilla), totales = TablaTotalesPlanilla(s.planilla);
    // Sub-title, window table and the columns both have at the same place (none: all).
    for (const auto& [subtitulo, ventana, columnas] :
         {std::tuple{"Refuerzo en vanos", static_cast<const TablaResultado*>(&s.vanos),
                     std::vector<std::size_t>{2, 3}},
          {"Refuerzo en apoyos", &s.apoyosRefuerzo, {3, 4, 5}},
          {"Reacciones de apoyo", &reacciones, {5, 6, 7}},
          {"Calculo metrico", &cantidades, {1, 2, 3, 4, 5, 6}},
          {"Acero superior en bordes empotrados sin apoyo continuo", &v.bordes, {}},
          {"Espesor minimo", &v.espesores, {}},
          {"Cortante en los bordes apoyados", &v.cortantes, {}},
          {"Acero de temperatura", &v.temperatura, {}},
          {"Otras verificaciones del dise\xC3\xB1o", &v.avisos, {}},
          {"Planilla de barras", &marcas, {}},
          {"Totales por diametro", &totales, {}}}) {
      const std::vector<FilaTabla> filas = FilasTras(d, subtitulo);
      ASSERT_EQ(filas.size(), ventana->filas.size()) << e.path() << " " << subtitulo;
      for (std::size_t r = 0; r < filas.size(); ++r)
        for (std::size_t c = 0; c < ventana->filas[r].size(); ++c) {
          if (!columnas.empty() && !std::count(columnas.begin(), columnas.end(), c)) continue;
          EXPECT_EQ(filas[r].at(c), Recorta(ventana->filas[r].at(c).texto))
              << e.path().filename() << " " << subtitulo << ", fila " << r + 1 << ", columna " << c + 1;
        }
      ++comparadas;
    }
  }
  EXPECT_GE(comparadas, 90);
}

}  // namespace
}  // namespace placatec
