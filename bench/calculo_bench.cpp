// The whole calculation command (moments, supports, design, result tables and
// quantities) on a full storey: 99 slabs and 99 supports.
#include <benchmark/benchmark.h>

#include "PisoCompleto.h"

#include "comandos/ComandoCalculo.h"
#include "engine/Clasificacion.h"

namespace placatec {

namespace {

void BM_CalculaRefuerzo(benchmark::State& state) {
  Sesion s;
  PisoCompleto(s.proyecto);
  InterlocutorMudo ui;
  for (auto _ : state) {
    const bool ok = CalculaRefuerzo(s, ui);
    if (!ok) state.SkipWithError("the calculation failed");
    benchmark::DoNotOptimize(s.medidas.tabla.filas.data());
  }
}
BENCHMARK(BM_CalculaRefuerzo)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace placatec
