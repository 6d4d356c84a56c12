#pragma once
// "REACCIONES DE LOSAS SOBRE APOYOS": the reactions of the slabs on the continuous
// supports and on the extra supports the engineer appends below them. The grid
// mirrors the session's TablaReacciones; every edit, button and command goes to it.
#include <QDialog>
#include <functional>

#include "comandos/Sesion.h"
#include "model/Interlocutor.h"

class QPushButton;

namespace placatec {

class Rejilla;

class ReacForm : public QDialog {
  Q_OBJECT

 public:
  ReacForm(Sesion& sesion, Interlocutor& ui, QWidget* parent = nullptr);

  // The main window's "Ver reacciones sobre &Apoyos": computes the table and shows
  // the window without waiting.
  void Abre();
  // Copies the table of the session into the grid; the current cell stays.
  void Llena();

  // "Calcula": the extra rows go into the support arrays and the table is
  // recomputed, under the hourglass.
  void Command2_Click();
  // "OK": "Calcula", then closes unless it found an error.
  void Command1_Click();
  // "Tip": the tip dialog, modal, with the explanation of the extra supports.
  void Command3_Click();

  // What OK does after hiding the window: enable and show the main window.
  std::function<void()> alRegresar;

  Rejilla* SSDBGrid1;
  QPushButton* Command1;  // OK
  QPushButton* Command2;  // Calcula
  QPushButton* Command3;  // Tip

  // Closing by the title bar or Escape does what OK does.
  void reject() override;

 private:
  void CeldaEditada(int fila, int columna, const QString& texto);
  void FilaConfirmada(int fila);
  void BotonPulsado(int fila, int columna);
  void FilasBorradas(const QList<int>& filas);
  void EstiloFila(int fila);
  // Puts the grid's current row where the table says (after computing).
  void VaAFilaActual();

  Sesion& sesion_;
  Interlocutor& ui_;
};

}  // namespace placatec
