#include "comandos/Arranque.h"

#include "model/Defectos.h"
#include "outputs/Cantidades.h"

namespace placatec {

void IniciaPrograma(Sesion& s, Interlocutor& ui) {
  ui.Estado("Cargando el programa...");
  // The f'c and fy lists are fixed; the general data form model offers them.
  s.estado.Cargando = false;
  ValoresPorDefecto(s.proyecto);
  s.medidas.Desperdicio = kDesperdicioInicial;
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
