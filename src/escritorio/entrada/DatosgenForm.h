#pragma once
// "Datos Generales": a window over the DatosGenerales form model. It shows the
// model's box texts, enabled states and read-only colours, and forwards what the
// engineer types, the keys of the numeric boxes, the use picked and the OK button.
#include <QWidget>
#include <array>
#include <memory>

#include "entry/DatosGenerales.h"
#include "model/Interlocutor.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace placatec {

namespace Ui {
class DatosgenForm;
}

class DatosgenForm : public QWidget {
  Q_OBJECT

 public:
  DatosgenForm(DatosGenerales& modelo, Interlocutor& ui, QWidget* parent = nullptr);
  ~DatosgenForm() override;

  // Mirrors the model: texts, counts, use, enabled states and colours.
  void Muestra();
  // The dialog has been shown by its command: the activation rules run once per
  // opening, then the title box takes the focus.
  void Activa();

  // The f'c and fy boxes as when they are left: a typed value they do not take is
  // refused with its message. False when one was refused.
  bool ConfirmaListas();

  // The box that shows a model box (the f'c and fy lists' own text fields for Combo1
  // and Combo2).
  QLineEdit* Caja(placatec::Caja c) const { return cajas_[static_cast<std::size_t>(c)]; }
  QComboBox* Combo1() const { return combo1_; }
  QComboBox* Combo2() const { return combo2_; }
  QComboBox* SSDBCombo2() const { return uso_; }
  QLabel* EtiquetaFila(int k) const { return etiquetas_.at(static_cast<std::size_t>(k)); }
  QLabel* NumLosas() const { return numLosas_; }
  QLabel* NumApoyos() const { return numApoyos_; }
  QPushButton* OKButtom() const { return ok_; }

  // Light yellow of the boxes the engineer does not type into.
  static QColor AmarilloClaro() { return QColor(255, 255, 128); }

 signals:
  // The dialog has closed (OK, Enter on OK, or the window's close button).
  void Cerrado();
  // The window shows its data again after an edit, a key or a button: the project
  // may have changed (the main window's title tells whether it is modified).
  void DatosMostrados();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // The use list with its live loads, and the search that types part of a use.
  void PreparaUsos();
  // The "Proyecto" tab: the project block, a box for each text, several lines for the notes.
  void LlenaFicha(QFormLayout* lf);
  void AlEditar(placatec::Caja c, const QString& texto);
  void Cierra();

  DatosGenerales& modelo_;
  Interlocutor& ui_;
  std::unique_ptr<Ui::DatosgenForm> forma_;
  std::array<QLineEdit*, NumCajas> cajas_{};
  std::array<QLabel*, NumFilasCarga> etiquetas_{};
  QComboBox* combo1_;
  QComboBox* combo2_;
  QComboBox* uso_;
  QLabel* numLosas_;
  QLabel* numApoyos_;
  QPushButton* ok_;
  std::array<QLineEdit*, kCamposFicha.size()> ficha_{};
  QPlainTextEdit* notas_ = nullptr;
  std::size_t notasCampo_ = 0;
  bool mostrando_ = false;
};

}  // namespace placatec
