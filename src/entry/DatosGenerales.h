#pragma once
// Form model of the general data dialog: the texts of its boxes and their rules.
#include "model/Proyecto.h"

namespace placatec {

class DatosGenerales {
 public:
  explicit DatosGenerales(Proyecto& p) : p_(p) {}

 private:
  Proyecto& p_;
};

}  // namespace placatec
