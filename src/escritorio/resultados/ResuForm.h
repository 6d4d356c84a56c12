#pragma once
// "RESULTADOS": the results window of the calculation. It shows the tables that
// CalculaRefuerzo left in the session: the reinforcement of the spans and of the
// continuous supports, under the locked project title.
#include "comandos/Sesion.h"
#include "escritorio/resultados/VentanaResultado.h"

class QLineEdit;

namespace placatec {

class Rejilla;

class ResuForm : public VentanaResultado {
  Q_OBJECT

 public:
  explicit ResuForm(Sesion& sesion, QWidget* parent = nullptr);

  // Fills the title and both grids from the session, each grid on its first row.
  void Llena() override;

  QLineEdit* Nombre;
  Rejilla* SSDBGrid1;  // REFUERZO EN VANOS
  Rejilla* SSDBGrid2;  // REFUERZO EN APOYOS

 private:
  void EstiloFila(int fila);

  Sesion& sesion_;
};

}  // namespace placatec
