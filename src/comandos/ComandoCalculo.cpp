#include "comandos/ComandoCalculo.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "design/CalculaLosas.h"
#include "engine/CalculaMomentos.h"
#include "outputs/Cantidades.h"
#include "outputs/Planilla.h"

namespace placatec {

namespace {

// The project says which direction the calculation took each support in ("y" is Y,
// any other direction X): the reactions, the checks and a save read it so.
void GuardaDireccionesCalculadas(Proyecto& p, const ResultadosCalculo& r) {
  for (int j = 1; j <= std::clamp<int>(p.NumApoyos, 0, MaxApoyos); ++j) {
    const char dir = r.apoyos[j].Dir;
    // (assign: assigning a literal here trips a false -Wrestrict warning of GCC 12.)
    if (dir != 0 && p.ApoyoDir[j] != std::string_view(&dir, 1)) p.ApoyoDir[j].assign(1, dir);
  }
}

}  // namespace

bool CalculaRefuerzo(Sesion& s, Interlocutor& ui) {
  Proyecto& p = s.proyecto;
  ui.Estado(std::string(kEstadoCalculando));
  s.estado.ErrorCalculo = 0;
  // What the calculation completes stays in the project, so that the engineer sees
  // and saves the data that were calculated.
  CompletaDatosGenerales(p);
  ResultadosCalculo r;
  const Resultado<void> calculo = CalculaLosas(p, r);
  GuardaDireccionesCalculadas(p, r);
  // A refusal leaves the results, the tables and CalculoHecho of the last good
  // calculation as they were.
  const auto rechaza = [&](const std::string& mensaje) {
    s.estado.ErrorCalculo = 1;
    ui.Avisa(mensaje, "ERROR", Icono::Exclamacion);
    ui.Estado("");  // nothing is being calculated any more
    return false;
  };
  if (!calculo) return rechaza(calculo.Mensaje());

  TablaResultado vanos, apoyos;
  LlenaTablasRefuerzo(p, r, vanos, apoyos);
  AgregaBarrasDeApoyos(p, r);
  if (const std::string falla = FueraDeRango(r, vanos, apoyos); !falla.empty()) return rechaza(falla);

  s.resultados = std::move(r);
  s.nombreResultados = p.Titulo;
  s.vanos = std::move(vanos);
  s.apoyosRefuerzo = std::move(apoyos);
  s.verificaciones = Verifica(p, s.resultados, s.vanos);
  s.planilla = CalculaPlanilla(p, s.resultados, s.vanos, s.verificaciones);
  MuestraCantidades(p, s.resultados, s.medidas);
  ui.Estado("");
  s.estado.CalculoHecho = true;
  return true;
}

}  // namespace placatec
