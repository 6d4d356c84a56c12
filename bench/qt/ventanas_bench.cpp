// The results windows on a full storey of 99 slabs and 99 supports: "Calcular
// &Refuerzo" from the main window up to the results window shown and painted
// (target: under 100 ms), and the opening of the reactions and quantities windows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "design/qt/ResuForm.h"
#include "engine/Clasificacion.h"
#include "outputs/qt/MedidasForm.h"
#include "outputs/qt/ReacForm.h"
#include "shell/PlacatForm.h"
#include "shell/VentanasResultados.h"

namespace placatec {

namespace {

// 99 slabs in rows of 9 with varied spans and edges (cantilevers among them); 99
// supports between neighbours, alternating X and Y.
void PisoCompleto(Proyecto& p) {
  InterlocutorMudo ui;
  const char* bordes[] = {"EEEE", "AEAE", "EAAA", "AAEA", "EEAA", "AAEE", "EEAE", "AEEE", "AAAA", "EENA", "NEEE"};
  p.Titulo = "Edificio de 99 losas";
  p.Fc = 210;
  p.Fy = 4200;
  for (int i = 1; i <= MaxLosas; ++i) {
    p.NumLosas = static_cast<Integer>(i);
    p.Lx[i] = 3.0f + 0.25f * static_cast<float>(i % 7);
    p.Ly[i] = 3.5f + 0.2f * static_cast<float>(i % 5);
    p.Bordes[i] = bordes[i % 11];
    p.CargaMuertaVano[i] = 0.513f;
    p.CargaVivaVano[i] = 0.25f;
    p.EspesorLosa[i] = 0.15f;
    ClasificaLosa(p, p.Lx[i], p.Ly[i], p.Bordes[i], ui);
    p.CodigoLosa[i] = p.CodigoBordes;
  }
  for (int j = 1; j <= MaxApoyos; ++j) {
    p.NumApoyos = static_cast<Integer>(j);
    const bool enX = j % 2 == 1;
    p.ApoyoDir[j] = enX ? "X" : "Y";
    const int a = 1 + (j - 1) % 90;
    p.ApoyoLosa1[j] = static_cast<float>(a);
    p.ApoyoLosa2[j] = static_cast<float>(enX ? a + 1 : a + 9);
  }
  p.NumApoyosReac = p.NumApoyos;
}

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

}  // namespace

}  // namespace placatec
