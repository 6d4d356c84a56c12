#pragma once
// "Planilla de barras": the bar schedule of the calculated storey, one row per mark,
// and under it the totals per bar size beside the quantity take-off's weights, with
// the notes of what the schedule could not place. It shows the schedule
// CalculaRefuerzo left in the session.
#include "comandos/Sesion.h"
#include "escritorio/resultados/VentanaResultado.h"

class QLabel;

namespace placatec {

class Rejilla;

class PlanillaForm : public VentanaResultado {
  Q_OBJECT

 public:
  explicit PlanillaForm(Sesion& sesion, QWidget* parent = nullptr);

  void Llena() override;

  Rejilla* Marcas;
  Rejilla* Totales;
  QLabel* Notas;  // the rules in one line, then what could not be placed

 private:
  Sesion& sesion_;
};

}  // namespace placatec
