#pragma once
// Every change of the project's data made through a form goes through one hook,
// VigilaDatos: the project is then marked modified (the title shows "*" and closing
// offers to save it) and, when the change reaches what a calculation is made from,
// the last calculation is withdrawn (the results and quantities views are disabled
// again and the report calculates afresh). Loads and saves clear Modificado.
#include <optional>
#include <string>

#include "model/EstadoSesion.h"
#include "model/Proyecto.h"

namespace placatec {

// The data a calculation is made from changed: the project is modified and the last
// calculation no longer describes it.
void DatosModificados(EstadoSesion& e);

// The data a calculation is made from: the whole project, with what no calculation
// reads set aside as a new project has it (the title, the use's name, the dead-load
// build-up, whose total CargaMuerta the calculation reads, CargaUltimaGeneral, which
// follows from the general loads, the slabs' places in the storey, the support descriptions, the extra
// supports of the reactions table after the NumApoyos continuous ones with their row count, the project block
// that heads the report, and the items of the file's own section this program does not know). Whatever else
// the project holds counts as data of the calculation.
Proyecto DatosDe(const Proyecto& p);

// Watches one procedure of a form: when it ends having changed the data a
// calculation is made from, it calls DatosModificados; a change told with Cambio()
// only marks the project modified.
class VigilaDatos {
 public:
  // A load clears Modificado and CalculoHecho when it ends, whatever its forms did on the
  // way: nothing is watched while it runs.
  VigilaDatos(const Proyecto& p, EstadoSesion& e) : p_(p), e_(e) {
    if (e.Cargando) return;
    antes_ = DatosDe(p);
    x0_ = p.X0;
    y0_ = p.Y0;
  }
  ~VigilaDatos();
  VigilaDatos(const VigilaDatos&) = delete;
  VigilaDatos& operator=(const VigilaDatos&) = delete;

  // A change no calculation reads (the title, a description) or that the project does
  // not hold yet (a cell's text before its row is processed).
  void Cambio() { cambio_ = true; }

 private:
  const Proyecto& p_;
  EstadoSesion& e_;
  std::optional<Proyecto> antes_;
  // The places of the slabs, which DatosDe sets aside: a change marks the project
  // modified without withdrawing the calculation.
  Tabla<std::optional<Single>> x0_, y0_;
  bool cambio_ = false;
};

}  // namespace placatec
