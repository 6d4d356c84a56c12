#pragma once
// "Pesos de Materiales": the reference table of unit weights. It opens with the 28
// rows as listed; what the user types is forgotten when OK closes it.
#include <QWidget>

#include "outputs/PesosMateriales.h"

class QPushButton;

namespace placatec {

class Rejilla;

class frmPesosMat : public QWidget {
  Q_OBJECT

 public:
  explicit frmPesosMat(QWidget* parent = nullptr);

  // Opening: the listed rows, then the window is shown.
  void Abre();

  Rejilla* SSDBGrid1() const { return rejilla_; }
  QPushButton* Command1() const { return ok_; }

 private:
  void Muestra();
  TablaPesosMateriales modelo_;
  Rejilla* rejilla_;
  QPushButton* ok_;
};

}  // namespace placatec
