#pragma once
// "RESULTADOS": the results window of the calculation. It shows the tables that
// CalculaRefuerzo left in the session: the reinforcement of the spans and of the
// continuous supports, under the locked project title.
#include <QDialog>
#include <functional>

#include "comandos/Sesion.h"

class QLineEdit;
class QPushButton;

namespace placatec {

class Rejilla;

class ResuForm : public QDialog {
  Q_OBJECT

 public:
  explicit ResuForm(Sesion& sesion, QWidget* parent = nullptr);

  // Fills the title and both grids from the session, each grid on its first row.
  void Llena();
  // Llena, then shows the window without waiting and gives OK the focus.
  void Muestra();

  // What OK does after hiding the window: enable and show the main window.
  std::function<void()> alRegresar;

  QLineEdit* Nombre;
  Rejilla* SSDBGrid1;  // REFUERZO EN VANOS
  Rejilla* SSDBGrid2;  // REFUERZO EN APOYOS
  QPushButton* OKButton;

  // Closing by the title bar or Escape does what OK does, so the main window is
  // never left disabled.
  void reject() override;

 private:
  void OKButton_Click();
  void EstiloFila(int fila);

  Sesion& sesion_;
};

}  // namespace placatec
