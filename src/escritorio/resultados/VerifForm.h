#pragma once
// "Verificaciones": the checks of the calculated storey, a table per check with a
// "Cumple"/"No cumple" column painted as the results window paints its "Tipo"
// column, under a one-line summary. It shows the tables CalculaRefuerzo left in the
// session.
#include <QDialog>
#include <functional>

#include "comandos/Sesion.h"

class QLabel;
class QPushButton;

namespace placatec {

class Rejilla;

class VerifForm : public QDialog {
  Q_OBJECT

 public:
  explicit VerifForm(Sesion& sesion, QWidget* parent = nullptr);

  void Llena();
  // Llena, then shows the window without waiting and gives OK the focus.
  void Muestra();

  // What OK does after hiding the window: enable and show the main window.
  std::function<void()> alRegresar;

  QLabel* Resumen;
  Rejilla* Bordes;
  Rejilla* Espesores;
  Rejilla* Cortantes;
  Rejilla* Temperatura;
  Rejilla* Avisos;  // ductility, bar fit, edge loads left out, supports over edges not fixed
  QPushButton* OKButton;

  void reject() override;

 private:
  void OKButton_Click();

  Sesion& sesion_;
};

}  // namespace placatec
