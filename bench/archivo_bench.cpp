// Loading and saving a full project (99 slabs, 99 supports): each must take well
// under 5 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "comandos/ComandosArchivo.h"
#include "comandos/Sesion.h"
#include "engine/Clasificacion.h"
#include "model/ArchivoLos.h"

namespace {

using namespace placatec;

std::unique_ptr<Sesion> SesionLlena() {
  auto s = std::make_unique<Sesion>();
  Proyecto& p = s->proyecto;
  InterlocutorMudo ui;
  s->generales.Abre();
  s->generales.Activa();
  s->generales.EligeUso(15);
  s->generales.PonTexto(Caja::Nombre, "Edificio de noventa y nueve losas");
  p.NumLosas = MaxLosas;
  p.NumApoyos = MaxApoyos;
  const char* bordes[] = {"EEEE", "EAAA", "AAEE", "EEAE", "AEEE", "ENEA"};
  for (int i = 1; i <= MaxLosas; ++i) {
    p.Lx[i] = 3.5f + 0.0125f * static_cast<float>(i % 40);
    p.Ly[i] = 4.25f + 0.0375f * static_cast<float>(i % 13);
    p.Bordes[i] = bordes[i % 6];
    p.CodigoLosa[i] = ClasificaLosa(p.Lx[i], p.Ly[i], p.Bordes[i]).value_or(0);
    p.CargaMuertaVano[i] = p.CargaMuerta;
    p.CargaVivaVano[i] = p.CargaViva;
    p.CargaMuertaVuelo[i] = i % 6 == 5 ? 0.15f : 0.0f;
    p.EspesorLosa[i] = p.EspesorGeneral;
    p.ApoyoDir[i] = i % 2 ? "X" : "Y";
    p.ApoyoLosa1[i] = static_cast<float>(i);
    p.ApoyoLosa2[i] = static_cast<float>(i % MaxLosas + 1);
  }
  return s;
}

void BM_LeeProyecto(benchmark::State& state) {
  auto s = SesionLlena();
  const std::string texto = TextoProyecto(s->proyecto, s->generales.TextoUso());
  auto p = std::make_unique<Proyecto>();
  InterlocutorMudo ui;
  for (auto _ : state) {
    auto r = LeeProyecto(texto, *p);
    if (!r.completa) state.SkipWithError("el archivo no se pudo leer");
    benchmark::DoNotOptimize(p->CodigoLosa[MaxLosas]);
  }
}
BENCHMARK(BM_LeeProyecto)->Unit(benchmark::kMicrosecond);

// The whole load command: reading, the general data, both tables, the dialog's opening.
void BM_CargaArchivo(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "placatec-bench-carga";
  std::filesystem::create_directories(dir);
  const std::string ruta = (dir / "noventa_y_nueve.Los").string();
  InterlocutorMudo ui;
  auto origen = SesionLlena();
  SalvaArchivo(*origen, ruta, ui);
  auto s = std::make_unique<Sesion>();
  for (auto _ : state) {
    if (!CargaArchivo(*s, ruta, ui)) state.SkipWithError("el archivo no se pudo cargar");
    benchmark::DoNotOptimize(s->losas.filas.size());
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_CargaArchivo)->Unit(benchmark::kMicrosecond);

void BM_EscribeProyecto(benchmark::State& state) {
  auto s = SesionLlena();
  for (auto _ : state) {
    std::string texto = TextoProyecto(s->proyecto, s->generales.TextoUso());
    benchmark::DoNotOptimize(texto.data());
  }
}
BENCHMARK(BM_EscribeProyecto)->Unit(benchmark::kMicrosecond);

// The whole save command, written to disk beside the old file and put in its place.
// Its wall time is mostly the disk flush (fsync) that makes the new file durable
// before it replaces the old one; the CPU column is the program's own work.
void BM_SalvaArchivo(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "placatec-bench-salva";
  std::filesystem::create_directories(dir);
  const std::string ruta = (dir / "noventa_y_nueve.Los").string();
  auto s = SesionLlena();
  InterlocutorMudo ui;
  for (auto _ : state)
    if (!SalvaArchivo(*s, ruta, ui)) state.SkipWithError("el archivo no se pudo salvar");
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SalvaArchivo)->Unit(benchmark::kMicrosecond);

}  // namespace
