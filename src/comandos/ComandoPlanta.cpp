#include "comandos/ComandoPlanta.h"

#include <algorithm>
#include <cmath>

#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosPrincipal.h"
#include "model/ArchivoDisco.h"
#include "model/Disposicion.h"
#include "outputs/Dxf.h"

namespace placatec {

namespace {

// A message lists at most this many problems, and how many more there are.
constexpr std::size_t kProblemasEnMensaje = 10;

}  // namespace

DibujoPlanta DibujoDeSesion(const Sesion& s, const OpcionesPlanta& o) {
  const Disposicion d = DisponeLosas(s.proyecto);
  if (!s.estado.CalculoHecho) return DibujaPlanta(s.proyecto, d, nullptr, o);
  const RefuerzoPlanta r{s.resultados, s.vanos, s.verificaciones};
  if (o.marcas) return DibujaPlanta(s.proyecto, d, &r, o);
  // The steel as the site places it: the marks of the bar schedule.
  OpcionesPlanta conMarcas = o;
  conMarcas.marcas = MarcasDePlanilla(s.planilla, s.proyecto, d, s.verificaciones);
  return DibujaPlanta(s.proyecto, d, &r, conMarcas);
}

DibujoPlanta DibujoParaPapel(const Sesion& s, double ancho, double alto, double altoMinimo) {
  OpcionesPlanta o;
  o.omiteTextosQueNoCaben = true;
  const DibujoPlanta primero = DibujoDeSesion(s, o);
  const double escala = std::min(ancho / std::max(primero.maximo.x - primero.minimo.x, 1e-6),
                                 alto / std::max(primero.maximo.y - primero.minimo.y, 1e-6));
  if (!(escala > 0) || !std::isfinite(escala)) return primero;
  o.altoTexto = std::max(o.altoTexto, altoMinimo / escala);
  return DibujoDeSesion(s, o);
}

bool ExportaDxf(Sesion& s, const std::string& ruta, Interlocutor& ui) {
  const std::string titulo = "Exportar DXF";
  if (!HayLosas(s.proyecto)) {
    ui.Avisa("El proyecto no tiene losas que dibujar.", titulo, Icono::Exclamacion);
    return false;
  }
  if (MismoArchivo(ruta, s.estado.NombreArchivo)) {
    ui.Avisa("La planta no puede guardarse sobre el proyecto abierto:\r" + ruta +
                 "\rElija otro nombre para el archivo DXF.",
             titulo, Icono::Exclamacion);
    return false;
  }
  InterlocutorNota negativa;
  if (!s.estado.CalculoHecho && !CalculaRefuerzo(s, negativa) && negativa.primero.empty())
    negativa.primero = "Refuerzo no calculado";
  const Resultado<void> r = GuardaArchivo(ruta, TextoDxf(DibujoDeSesion(s)));
  if (!r) {
    ui.Avisa("No se pudo crear el archivo " + ruta + ":\r" + r.Mensaje(), "ERROR", Icono::Exclamacion);
    return false;
  }
  if (!s.estado.CalculoHecho)
    ui.Avisa("La planta se guardo sin el refuerzo: el calculo no se pudo hacer.\r" + negativa.primero, titulo,
             Icono::Informacion);
  return true;
}

void AvisaDisposicion(Sesion& s, Interlocutor& ui) {
  const Disposicion d = DisponeLosas(s.proyecto);
  std::string lista;
  for (const ProblemaPosicion& q : d.problemas) lista += q.texto + "\r";
  if (lista == s.estado.DisposicionAvisada) return;
  s.estado.DisposicionAvisada = lista;
  if (d.problemas.empty()) return;
  std::string texto = "Las posiciones de las losas en planta no concuerdan:\r";
  for (std::size_t k = 0; k < d.problemas.size() && k < kProblemasEnMensaje; ++k)
    texto += d.problemas[k].texto + "\r";
  if (d.problemas.size() > kProblemasEnMensaje)
    texto += "... y " + std::to_string(d.problemas.size() - kProblemasEnMensaje) + " mas\r";
  texto += "Cada losa queda donde la puso la primera colocacion; revise los apoyos o fije X0 e Y0.";
  ui.Avisa(texto, "Planta", Icono::Exclamacion);
}

}  // namespace placatec
