#pragma once
// "Datos de Losas": the slab grid over the TablaLosas form model, the edge-numbering
// drawing, the global changes, row copy, "Procesa" and OK. Every edit, key and
// button goes to the model; the grid then shows the model's rows again.
#include <QWidget>

#include "entry/TablaLosas.h"
#include "model/Interlocutor.h"

class QLineEdit;
class QPushButton;

namespace placatec {

class Rejilla;

class Datoslosas2Form : public QWidget {
  Q_OBJECT

 public:
  Datoslosas2Form(TablaLosas& modelo, Interlocutor& ui, QWidget* parent = nullptr);

  // The dialog has been shown by its command: every row is processed and completed,
  // and the cursor goes to the first row, column 1.
  void Activa();
  // Shows the model's rows; with mueve, also its current cell.
  void Muestra(bool mueve);

  Rejilla* SSDBGrid1() const { return rejilla_; }
  QLineEdit* Text2() const { return valor_; }
  QPushButton* Boton(const QString& nombre) const;  // by object name, e.g. "CambiaMuerta"

 signals:
  void Cerrado();
  // The window shows its data again after an edit, a key or a button: the project
  // may have changed (the main window's title tells whether it is modified).
  void DatosMostrados();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  // The grid's columns, groups and edge lists come from the model; its edits go to it.
  void PreparaRejilla();
  void AlEditarCelda(int fila, int columna, const QString& texto);
  void AlMoverCelda(int fila, int columna);
  void AlConfirmarFila();
  void AlBorrarFilas(const QList<int>& filas);
  void AlPulsarEnter(int fila, int columna);
  void Cambia(TablaLosas::Cantidad c);
  void Procesa();
  void CopiaLosa();
  void OK();
  void Escape();

  TablaLosas& modelo_;
  Interlocutor& ui_;
  Rejilla* rejilla_;
  QLineEdit* valor_;
  QPushButton* ok_;
  bool sincronizando_ = false;
};

// The static picture of the edge numbering ("Posicion Bordes").
class DibujoBordes : public QWidget {
 public:
  using QWidget::QWidget;
  QSize sizeHint() const override { return {170, 130}; }

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace placatec
