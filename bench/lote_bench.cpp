// The batch calculator over 1,000 generated projects of several sizes (10 to 99
// slabs): one call for all of them, one project at a time (-j 1) and two at a time
// (-j 2; goal under 0.4 s on two cores); 1,000 separate calls, one per project; and one
// call on one 99-slab project, whose wall time (Qt is not loaded without --pdf) should
// stay under 5 ms.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PisoCompleto.h"
#include "model/ArchivoLos.h"

extern char** environ;

namespace placatec {

namespace {

namespace fs = std::filesystem;

// The projects, written once into a temporary folder that goes at exit.
struct Proyectos {
  fs::path carpeta = fs::temp_directory_path() / ("placatec-lote-bench-" + std::to_string(getpid()));
  std::vector<std::string> archivos;
  Proyectos() {
    fs::create_directories(carpeta);
    const int tamanos[] = {10, 25, 50, 75, 99};
    for (int i = 0; i < 1000; ++i) {
      Proyecto p;
      PisoCompleto(p, tamanos[i % 5]);
      archivos.push_back((carpeta / ("piso" + std::to_string(i) + ".Los")).string());
      std::ofstream salida(archivos.back(), std::ios::binary);
      EscribeProyecto(p, "Techo plano", salida);
    }
  }
  ~Proyectos() { fs::remove_all(carpeta); }
};

const Proyectos& Todos() {
  static const Proyectos proyectos;
  return proyectos;
}

// Runs the calculator on these files, its output thrown away; its exit status.
int Calcula(std::vector<std::string>::const_iterator desde, std::vector<std::string>::const_iterator hasta,
            const std::string& trabajos = "-j1") {
  std::vector<std::string> args{PLACATEC_CALC, "--json", trabajos};
  args.insert(args.end(), desde, hasta);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  int estado = -1;
  if (posix_spawn(&pid, argv[0], &acciones, nullptr, argv.data(), environ) == 0) waitpid(pid, &estado, 0);
  posix_spawn_file_actions_destroy(&acciones);
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

// CPU seconds the calculator processes have used so far: on a shared machine the wall
// time also holds the waits for the processor.
double CpuHijos() {
  rusage uso{};
  getrusage(RUSAGE_CHILDREN, &uso);
  return static_cast<double>(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
         static_cast<double>(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) * 1e-6;
}

// state.range(0) projects at a time (-j N).
void BM_MilProyectosEnUnaLlamada(benchmark::State& state) {
  const auto& a = Todos().archivos;
  const double antes = CpuHijos();
  for (auto _ : state)
    if (Calcula(a.begin(), a.end(), "-j" + std::to_string(state.range(0))) != 0)
      state.SkipWithError("placatec-calc failed");
  state.counters["cpu_calc_s"] = benchmark::Counter(CpuHijos() - antes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MilProyectosEnUnaLlamada)
    ->ArgName("j")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// One call on one 99-slab project: the cost of a call from make, find or cron.
void BM_UnProyectoDe99LosasPorLlamada(benchmark::State& state) {
  const auto& a = Todos().archivos;
  const auto noventaYNueve = a.begin() + 4;  // sizes cycle 10, 25, 50, 75, 99
  const double antes = CpuHijos();
  for (auto _ : state)
    if (Calcula(noventaYNueve, noventaYNueve + 1) != 0) state.SkipWithError("placatec-calc failed");
  state.counters["cpu_calc_ms"] =
      benchmark::Counter((CpuHijos() - antes) * 1e3, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_UnProyectoDe99LosasPorLlamada)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

void BM_MilLlamadasSeparadas(benchmark::State& state) {
  const auto& a = Todos().archivos;
  const double antes = CpuHijos();
  for (auto _ : state)
    for (auto it = a.begin(); it != a.end(); ++it)
      if (Calcula(it, it + 1) != 0) state.SkipWithError("placatec-calc failed");
  state.counters["cpu_calc_s"] = benchmark::Counter(CpuHijos() - antes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MilLlamadasSeparadas)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

}  // namespace placatec
