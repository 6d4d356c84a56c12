#pragma once
// "Verificaciones": the checks of the calculated storey, a table per check with a
// "Cumple"/"No cumple" column painted as the results window paints its "Tipo"
// column, under a one-line summary. It shows the tables CalculaRefuerzo left in the
// session.
#include "comandos/Sesion.h"
#include "escritorio/resultados/VentanaResultado.h"

class QLabel;

namespace placatec {

class Rejilla;

class VerifForm : public VentanaResultado {
  Q_OBJECT

 public:
  explicit VerifForm(Sesion& sesion, QWidget* parent = nullptr);

  void Llena() override;

  QLabel* Resumen;
  Rejilla* Bordes;
  Rejilla* Espesores;
  Rejilla* Cortantes;
  Rejilla* Temperatura;
  Rejilla* Avisos;  // ductility, bar fit, edge loads left out, supports over edges not fixed

 private:
  Sesion& sesion_;
};

}  // namespace placatec
