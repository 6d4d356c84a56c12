// Composing and laying out the full report of a 99-slab, 99-support project
// (target: under 100 ms). Text is measured with fixed metrics here; the desktop
// benchmark (bench/qt) repeats it with the real fonts and writes the PDF.
#include <benchmark/benchmark.h>

#include "../tests/report/ProyectoEjemplo.h"
#include "report/Maquetacion.h"
#include "report/Reporte.h"

namespace {

void BM_ComponeYMaquetaReporte99(benchmark::State& state) {
  placatec::Sesion s;
  placatec::ejemplo::Llena(s, 99, 99);
  placatec::ejemplo::MedidorFijo medidor;
  for (auto _ : state) {
    placatec::Documento d = placatec::Reporte().Inicia(s, placatec::OpcionesReporte{}, {});
    placatec::Maqueta m = placatec::MaquetaDocumento(d, placatec::ConfiguracionPagina{}, medidor);
    benchmark::DoNotOptimize(m.paginas.size());
  }
}
BENCHMARK(BM_ComponeYMaquetaReporte99)->Unit(benchmark::kMillisecond);

}  // namespace
