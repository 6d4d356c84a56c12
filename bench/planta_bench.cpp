// The plan of a full storey (99 slabs, 99 supports, calculated): laid out and drawn with
// the marks of its bar schedule (target: under 50 ms), and written as a DXF file (target:
// under 50 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "PisoCompleto.h"

#include "comandos/ComandoCalculo.h"
#include "comandos/ComandoPlanta.h"
#include "model/ArchivoDisco.h"
#include "outputs/Dxf.h"

namespace placatec {

namespace {

void Calculado(Sesion& s, benchmark::State& state) {
  PisoCompleto(s.proyecto);
  InterlocutorMudo ui;
  if (!CalculaRefuerzo(s, ui)) state.SkipWithError("the calculation failed");
}

void BM_DibujaPlanta(benchmark::State& state) {
  Sesion s;
  Calculado(s, state);
  for (auto _ : state) {
    const DibujoPlanta d = DibujoDeSesion(s);
    benchmark::DoNotOptimize(d.trazos.data());
  }
}
BENCHMARK(BM_DibujaPlanta)->Unit(benchmark::kMillisecond);

void BM_EscribeDxf(benchmark::State& state) {
  Sesion s;
  Calculado(s, state);
  const std::string ruta =
      (std::filesystem::temp_directory_path() / ("placatec-bench-" + std::to_string(::getpid()) + ".dxf"))
          .string();
  for (auto _ : state) {
    if (!GuardaArchivo(ruta, TextoDxf(DibujoDeSesion(s)))) state.SkipWithError("the DXF was not written");
  }
  std::filesystem::remove(ruta);
}
BENCHMARK(BM_EscribeDxf)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace placatec
