#pragma once
// "Datos de Apoyos": the supports grid over the TablaApoyos form model, with the Dir
// cell button, the slab-number lists, "Borra Todo", "Procesa" and OK.
#include <QWidget>

#include "entry/TablaApoyos.h"
#include "model/Interlocutor.h"

class QPushButton;

namespace placatec {

class Rejilla;

class DatosapoyosForm : public QWidget {
  Q_OBJECT

 public:
  DatosapoyosForm(TablaApoyos& modelo, Interlocutor& ui, QWidget* parent = nullptr);

  // The dialog has been shown by its command: the slab lists are refilled, the rows
  // processed, and the grid takes the focus.
  void Activa();
  void Muestra(bool mueve);

  Rejilla* SSDBGrid1() const { return rejilla_; }
  QPushButton* Command1() const { return borraTodo_; }  // "Borra Todo"
  QPushButton* Command2() const { return procesa_; }    // "Procesa"
  QPushButton* OKButton() const { return ok_; }

 signals:
  void Cerrado();
  // The window shows its data again after an edit, a key or a button: the project
  // may have changed (the main window's title tells whether it is modified).
  void DatosMostrados();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void AlEditarCelda(int fila, int columna, const QString& texto);
  void OK();
  void Cierra();

  TablaApoyos& modelo_;
  Interlocutor& ui_;
  Rejilla* rejilla_;
  QPushButton* borraTodo_;
  QPushButton* procesa_;
  QPushButton* ok_;
  bool sincronizando_ = false;
};

}  // namespace placatec
