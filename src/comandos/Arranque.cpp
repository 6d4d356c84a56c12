#include "comandos/Arranque.h"

#include "model/Defectos.h"

namespace placatec {

void IniciaPrograma(Sesion& s, Interlocutor& ui) {
  ui.Estado("Cargando el programa...");
  // The f'c and fy lists are fixed; the general data form model offers them.
  s.proyecto.Cargando = false;
  ValoresPorDefecto(s.proyecto);
  ui.Estado("");
}

void AceptaDatosGenerales(Sesion& s) {
  if (!s.generales.Visible()) {
    s.generales.Abre();
    s.generales.Activa();
  }
  s.generales.OK();
}

}  // namespace placatec
