#pragma once
// A results window that only shows: OK (or closing it) hides it and gives the main
// window back; Muestra fills it afresh and brings it to the front.
#include <QDialog>
#include <QPushButton>
#include <functional>

namespace placatec {

class VentanaResultado : public QDialog {
 public:
  using QDialog::QDialog;

  // Fills the window from the session.
  virtual void Llena() = 0;
  // Llena, then shows the window without waiting and gives OK the focus.
  void Muestra() {
    Llena();
    show();
    raise();
    activateWindow();
    OKButton->setFocus();
  }

  // What OK does after hiding the window: enable and show the main window.
  std::function<void()> alRegresar;

  QPushButton* OKButton = nullptr;

  // Closing by the title bar or Escape does what OK does, so the main window is
  // never left disabled.
  void reject() override { OKButton_Click(); }

 protected:
  void OKButton_Click() {
    hide();
    if (alRegresar) alRegresar();
  }
};

}  // namespace placatec
