#include "comandos/CambiosSinGuardar.h"

#include <filesystem>

#include "comandos/ComandosArchivo.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

std::string NombreArchivo(const EstadoSesion& e) {
  return std::filesystem::path(e.NombreArchivo).filename().string();
}

}  // namespace

std::string NombreProyecto(const Sesion& s) {
  if (!Recorta(s.proyecto.Titulo).empty()) return Recorta(s.proyecto.Titulo);
  if (!s.estado.NombreArchivo.empty()) return NombreArchivo(s.estado);
  return "proyecto sin titulo";
}

std::string TituloVentana(const Sesion& s) {
  const std::string asterisco = s.estado.Modificado ? "*" : "";
  if (s.estado.NombreArchivo.empty()) return "Placatec" + asterisco;
  return NombreArchivo(s.estado) + asterisco + " - Placatec";
}

bool PuedeDescartar(Sesion& s, Interlocutor& ui, const std::function<std::string()>& pideRuta) {
  if (!s.estado.Modificado) return true;
  const Mensaje pregunta{"¿Guardar los cambios de " + NombreProyecto(s) + "?", "Placatec", Icono::Pregunta,
                         Botones::GuardarNoGuardarCancelar};
  switch (ui.Pregunta(pregunta)) {
    case Respuesta::NoGuardar:
      return true;
    case Respuesta::Guardar: {
      const std::string ruta = s.estado.NombreArchivo.empty() ? pideRuta() : s.estado.NombreArchivo;
      return !ruta.empty() && SalvaArchivo(s, ruta, ui);
    }
    default:
      return false;
  }
}

}  // namespace placatec
