#pragma once
// "Planilla de barras": the bar schedule of the calculated storey, one row per mark,
// and under it the totals per bar size beside the quantity take-off's weights, with
// the notes of what the schedule could not place. It shows the schedule
// CalculaRefuerzo left in the session.
#include <QDialog>
#include <functional>

#include "comandos/Sesion.h"

class QLabel;
class QPushButton;

namespace placatec {

class Rejilla;

class PlanillaForm : public QDialog {
  Q_OBJECT

 public:
  explicit PlanillaForm(Sesion& sesion, QWidget* parent = nullptr);

  void Llena();
  // Llena, then shows the window without waiting and gives OK the focus.
  void Muestra();

  // What OK does after hiding the window: enable and show the main window.
  std::function<void()> alRegresar;

  Rejilla* Marcas;
  Rejilla* Totales;
  QLabel* Notas;  // the rules in one line, then what could not be placed
  QPushButton* OKButton;

  void reject() override;

 private:
  void OKButton_Click();

  Sesion& sesion_;
};

}  // namespace placatec
