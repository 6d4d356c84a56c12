#pragma once
// "Calculo Metrico": the quantity take-off of the storey, slab by slab, with the
// totals under the grid and the waste percentage of the reinforcement.
#include <QDialog>
#include <array>
#include <functional>

#include "comandos/Sesion.h"
#include "model/Interlocutor.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace placatec {

class Rejilla;

class MedidasForm : public QDialog {
  Q_OBJECT

 public:
  MedidasForm(Sesion& sesion, Interlocutor& ui, QWidget* parent = nullptr);

  // The main window's "Ver calculo &Metrico": rebuilds the table with the current
  // waste and shows the window without waiting.
  void Abre();
  // Copies the table, its totals and the waste text of the session into the window.
  void Llena();

  // "Recalcula".
  void Command1_Click();
  // OK.
  void OKbutton_Click();

  // What OK does after hiding the window: enable and show the main window.
  std::function<void()> alRegresar;

  Rejilla* SSDBGrid1;
  QLineEdit* Desperd1;
  std::array<QLabel*, 6> totales;  // volume, 3/8, 1/2, 3/4, total, ratio
  QLabel* etiquetaTotales;
  QPushButton* Command1;  // Recalcula
  QPushButton* OKbutton;

  // Closing by the title bar or Escape does what OK does.
  void reject() override;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void AlineaTotales();

  Sesion& sesion_;
  Interlocutor& ui_;
  QWidget* filaTotales_;
};

}  // namespace placatec
