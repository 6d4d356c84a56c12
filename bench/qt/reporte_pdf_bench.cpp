// The report of a 99-slab, 99-support project with the real fonts: composing and
// laying it out (target: under 100 ms), and the whole PDF of the 99-slab storey of the
// load corpus, calculated, with the summary, the checks and the plan, written to a file
// (under 100 ms); and the same with the bar schedule too, every section printed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "../../tests/report/ProyectoEjemplo.h"
#include "comandos/ComandosArchivo.h"
#include "escritorio/pdf/PintaReporte.h"
#include "report/Reporte.h"

namespace {

void BM_ComponeYMaquetaConFuentes(benchmark::State& state) {
  placatec::Sesion s;
  placatec::ejemplo::Llena(s, 99, 99);
  placatec::MedidorQt medidor;
  for (auto _ : state) {
    placatec::Documento d = placatec::Reporte().Inicia(s, placatec::OpcionesReporte{}, {});
    placatec::Maqueta m = placatec::MaquetaDocumento(d, placatec::ConfiguracionPagina{}, medidor);
    benchmark::DoNotOptimize(m.paginas.size());
  }
}
BENCHMARK(BM_ComponeYMaquetaConFuentes)->Unit(benchmark::kMillisecond);

// range(0): 1 prints every section (the bar schedule too), 0 those checked at first.
void BM_ExportaPdf99(benchmark::State& state) {
  placatec::Sesion s;
  placatec::InterlocutorMudo mudo;
  if (!placatec::CargaArchivo(s, PLACATEC_SOURCE_DIR "/tests/corpus/carga/noventa_y_nueve.Los", mudo))
    state.SkipWithError("no se pudo cargar noventa_y_nueve.Los");
  QTemporaryDir dir;
  const std::string ruta = dir.filePath("reporte.pdf").toStdString();
  const placatec::MarcasSecciones marcadas =
      state.range(0) ? placatec::TodasMarcadas() : placatec::MarcadasPorDefecto();
  for (auto _ : state) {
    std::string error;
    if (!placatec::ExportaPdf(s, ruta, error, {}, marcadas)) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_ExportaPdf99)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);  // the windows benchmarks need widgets
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
