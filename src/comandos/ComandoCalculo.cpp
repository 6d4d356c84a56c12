#include "comandos/ComandoCalculo.h"

#include <string>
#include <utility>

#include "design/CalculaLosas.h"
#include "outputs/Cantidades.h"

namespace placatec {

bool CalculaRefuerzo(Sesion& s, Interlocutor& ui) {
  Proyecto& p = s.proyecto;
  ui.Estado(std::string(kEstadoCalculando));
  p.ErrorCalculo = 0;
  if (const Resultado<void> calculo = CalculaLosas(p); !calculo) {
    ui.Avisa(calculo.Mensaje(), "ERROR", Icono::Exclamacion);
    ui.Estado("");  // nothing is being calculated any more
    return false;
  }

  // What a refused result must leave as it was.
  const Tabla<Single> qq1 = p.Qq1, qq2 = p.Qq2, qq3 = p.Qq3, separApoyo = p.SeparApoyo;
  const Tabla<Integer> barraApoyo = p.BarraApoyo;

  TablaResultado vanos, apoyos;
  LlenaTablasRefuerzo(p, vanos, apoyos);
  AgregaBarrasDeApoyos(p);

  if (const std::string falla = FueraDeRango(p, vanos, apoyos); !falla.empty()) {
    p.Qq1 = qq1;
    p.Qq2 = qq2;
    p.Qq3 = qq3;
    p.SeparApoyo = separApoyo;
    p.BarraApoyo = barraApoyo;
    ui.Avisa(falla, "ERROR", Icono::Exclamacion);
    ui.Estado("");
    p.ErrorCalculo = 1;
    return false;
  }

  s.nombreResultados = p.Titulo;
  s.vanos = std::move(vanos);
  s.apoyosRefuerzo = std::move(apoyos);
  s.verificaciones = Verifica(p, s.vanos);
  s.tablasVerificaciones = TablasDe(s.verificaciones);
  MuestraCantidades(p, s.medidas);
  ui.Estado("");
  p.CalculoHecho = true;
  return true;
}

}  // namespace placatec
