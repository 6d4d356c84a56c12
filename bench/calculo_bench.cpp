// The whole calculation command (moments, supports, design, result tables and
// quantities) on a full storey: 99 slabs and 99 supports; and its bar schedule alone,
// with its table and CSV (goal: under 10 ms).
#include <benchmark/benchmark.h>

#include "PisoCompleto.h"

#include "comandos/ComandoCalculo.h"
#include "engine/Clasificacion.h"
#include "outputs/Planilla.h"

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

void BM_PlanillaDeBarras(benchmark::State& state) {
  Sesion s;
  PisoCompleto(s.proyecto);
  InterlocutorMudo ui;
  if (!CalculaRefuerzo(s, ui)) state.SkipWithError("the calculation failed");
  for (auto _ : state) {
    const Planilla p = CalculaPlanilla(s.proyecto, s.resultados, s.vanos, s.verificaciones);
    const TablaResultado t = TablaMarcas(p);
    const std::string csv = CsvPlanilla(p);
    benchmark::DoNotOptimize(t.filas.data());
    benchmark::DoNotOptimize(csv.data());
  }
  state.counters["marcas"] = static_cast<double>(s.planilla.marcas.size());
}
BENCHMARK(BM_PlanillaDeBarras)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace placatec
