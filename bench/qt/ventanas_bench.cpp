// The results windows on a full storey of 99 slabs and 99 supports: "Calcular
// &Refuerzo" from the main window up to the results window shown and painted
// (target: under 100 ms), and the opening of the reactions and quantities windows.
// The main window from its creation to its plan of the storey painted (target: under
// 150 ms), and the plan painted again (a pan or a zoom).
#include <benchmark/benchmark.h>

#include "../PisoCompleto.h"

#include <QApplication>
#include <memory>

#include "engine/Clasificacion.h"
#include "escritorio/principal/PlacatForm.h"
#include "escritorio/principal/VentanasResultados.h"
#include "escritorio/resultados/MedidasForm.h"
#include "escritorio/resultados/ReacForm.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/widgets/VistaPlanta.h"

namespace placatec {

namespace {

struct Escritorio {
  Sesion sesion;
  PlacatForm placat{sesion};
  VentanasResultados ventanas{placat};
  InterlocutorMudo mudo;
  Escritorio() {
    placat.PonGuion(&mudo);
    PisoCompleto(sesion.proyecto);
  }
  // The window back to hidden, the main window enabled, without showing it.
  void Cierra(QWidget& w) {
    w.hide();
    placat.setEnabled(true);
  }
};

void BM_CalculaYMuestraResultados(benchmark::State& state) {
  Escritorio e;
  for (auto _ : state) {
    e.placat.CalculoItem();
    QCoreApplication::processEvents();  // laid out and painted
    state.PauseTiming();
    if (!e.ventanas.Resu().isVisible()) state.SkipWithError("the results window is not shown");
    e.Cierra(e.ventanas.Resu());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CalculaYMuestraResultados)->Unit(benchmark::kMillisecond);

// The first calculation of a session: the results window is shown for the first time.
void BM_PrimerCalculoYResultados(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto e = std::make_unique<Escritorio>();
    state.ResumeTiming();
    e->placat.CalculoItem();
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (!e->ventanas.Resu().isVisible()) state.SkipWithError("the results window is not shown");
    e.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PrimerCalculoYResultados)->Unit(benchmark::kMillisecond);

void BM_AbreReacciones(benchmark::State& state) {
  Escritorio e;
  for (auto _ : state) {
    e.placat.ReacItem();
    QCoreApplication::processEvents();
    state.PauseTiming();
    e.Cierra(e.ventanas.Reac());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AbreReacciones)->Unit(benchmark::kMillisecond);

void BM_AbreCantidades(benchmark::State& state) {
  Escritorio e;
  e.placat.CalculoItem();
  e.Cierra(e.ventanas.Resu());
  for (auto _ : state) {
    e.placat.MedidasItem();
    QCoreApplication::processEvents();
    state.PauseTiming();
    e.Cierra(e.ventanas.Medidas());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AbreCantidades)->Unit(benchmark::kMillisecond);

void BM_VentanaPrincipalConPlanta(benchmark::State& state) {
  for (auto _ : state) {
    auto e = std::make_unique<Escritorio>();
    e->placat.resize(1024, 720);
    e->placat.ActualizaTitulo();  // as after the load: the plan follows the data
    e->placat.show();
    const QPixmap pintada = e->placat.grab();
    state.PauseTiming();
    if (pintada.isNull() || e->placat.Planta()->Dibujo().contornos.size() != MaxLosas)
      state.SkipWithError("the plan is not painted");
    e.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_VentanaPrincipalConPlanta)->Unit(benchmark::kMillisecond);

void BM_RepintaPlanta(benchmark::State& state) {
  Escritorio e;
  e.placat.CalculoItem();
  e.Cierra(e.ventanas.Resu());
  e.placat.resize(1024, 720);
  e.placat.show();
  for (auto _ : state) benchmark::DoNotOptimize(e.placat.Planta()->grab());
}
BENCHMARK(BM_RepintaPlanta)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace placatec
