#pragma once
// "Planta": the plan of the storey in a window of its own, which leaves the main window
// usable (like the print preview): zoom, pan and fit; print; export as DXF; and the
// place of the selected slab, typed here as in the slab table ("X0 (m)", "Y0 (m)";
// empty, the supports place it). The problems of the places are listed below the plan.
#include <QWidget>
#include <functional>

#include "comandos/Sesion.h"
#include "model/Interlocutor.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;
class QPrinter;

namespace placatec {

class VistaPlanta;

class PlantaForm : public QWidget {
  Q_OBJECT

 public:
  PlantaForm(Sesion& sesion, Interlocutor& ui, QWidget* parent = nullptr);

  // Shows the window with the plan as the data are now.
  void Muestra();
  // The data changed elsewhere: the plan, the list of problems and the place boxes follow.
  void Actualiza();
  // Selects a slab (from the main window's plan, say), 0 for none.
  void Selecciona(int losa);

  VistaPlanta* Vista() const { return vista_; }
  QLineEdit* CajaX0() const { return x0_; }
  QLineEdit* CajaY0() const { return y0_; }
  QPushButton* Boton(const QString& nombre) const;  // by object name: "Fija", "Automatica", ...
  QLabel* Problemas() const { return problemas_; }

  // The place of a slab changed here: the main window shows the data again.
  std::function<void()> alCambiarDatos;
  // A slab was picked on the plan: the slab table moves to its row.
  std::function<void(int losa)> alElegirLosa;
  // "Exportar DXF...": the main window's command.
  std::function<void()> exportaDxf;

 private:
  void MuestraLosa();
  void Fija(bool automatica);

  Sesion& sesion_;
  Interlocutor& ui_;
  VistaPlanta* vista_;
  QGroupBox* marcoLosa_;
  QLineEdit* x0_;
  QLineEdit* y0_;
  QLabel* problemas_;
};

// Prints the plan on one sheet, fitted, under the project's title, after the printer
// dialog; nothing when it is cancelled.
void ImprimePlanta(QWidget* padre, const Sesion& s);
// The same on a printer already set up (or a PDF file).
void ImprimePlantaEn(QPrinter& impresora, const Sesion& s);

}  // namespace placatec
