#pragma once
// Results belong to the data they were computed from. Every change of the project's
// data made through a form goes through DatosModificados, which withdraws the last
// calculation: the results and quantities views are disabled again and the report
// calculates afresh.
#include <string>

#include "model/Proyecto.h"

namespace placatec {

// The project's data changed: the last calculation no longer describes them.
void DatosModificados(Proyecto& p);

// The data a calculation and its report are made from (the title and the texts of
// the report aside).
struct DatosDeCalculo {
  Integer NumLosas, NumApoyos, Fc, Fy;
  Single EspesorGeneral, Recubrimiento, CargaMuerta, CargaViva;
  Tabla<Single> Lx, Ly, CargaMuertaVano, CargaVivaVano, CargaMuertaVuelo, CargaVivaVuelo, EspesorLosa;
  Tabla<std::string> Bordes;
  Tabla<Integer> CodigoLosa;
  Tabla<bool> BordesInvalidos;
  Tabla<std::string> ApoyoDir;
  Tabla<Single> ApoyoLosa1, ApoyoLosa2;
  bool operator==(const DatosDeCalculo&) const = default;
};
DatosDeCalculo DatosDe(const Proyecto& p);

// Watches one procedure of a form: when it ends having changed the data, it calls
// DatosModificados.
class VigilaDatos {
 public:
  explicit VigilaDatos(Proyecto& p) : p_(p), antes_(DatosDe(p)) {}
  ~VigilaDatos();
  VigilaDatos(const VigilaDatos&) = delete;
  VigilaDatos& operator=(const VigilaDatos&) = delete;

 private:
  Proyecto& p_;
  DatosDeCalculo antes_;
};

}  // namespace placatec
