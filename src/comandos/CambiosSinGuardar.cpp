#include "comandos/CambiosSinGuardar.h"

#include <filesystem>

#include "comandos/ComandosArchivo.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

std::string NombreArchivo(const Proyecto& p) {
  return std::filesystem::path(p.NombreArchivo).filename().string();
}

}  // namespace

std::string NombreProyecto(const Proyecto& p) {
  if (!Recorta(p.Titulo).empty()) return Recorta(p.Titulo);
  if (!p.NombreArchivo.empty()) return NombreArchivo(p);
  return "proyecto sin titulo";
}

std::string TituloVentana(const Proyecto& p) {
  const std::string asterisco = p.Modificado ? "*" : "";
  if (p.NombreArchivo.empty()) return "Placatec" + asterisco;
  return NombreArchivo(p) + asterisco + " - Placatec";
}

bool PuedeDescartar(Sesion& s, Interlocutor& ui, const std::function<std::string()>& pideRuta) {
  if (!s.proyecto.Modificado) return true;
  const Mensaje pregunta{"¿Guardar los cambios de " + NombreProyecto(s.proyecto) + "?", "Placatec",
                         Icono::Pregunta, Botones::GuardarNoGuardarCancelar};
  switch (ui.Pregunta(pregunta)) {
    case Respuesta::NoGuardar:
      return true;
    case Respuesta::Guardar: {
      const std::string ruta = s.proyecto.NombreArchivo.empty() ? pideRuta() : s.proyecto.NombreArchivo;
      return !ruta.empty() && SalvaArchivo(s, ruta, ui);
    }
    default:
      return false;
  }
}

}  // namespace placatec
