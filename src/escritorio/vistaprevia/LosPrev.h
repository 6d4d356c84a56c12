#pragma once
// "Vista preliminar": shows the report page by page and sets up the page (printer,
// paper, orientation, margins, border, header and footer, text styles), the
// sections and the pages to print. The window mirrors its form model
// (`VistaPrevia`) and forwards every click and edit to it.
#include <QWidget>
#include <array>
#include <memory>

#include "comandos/Sesion.h"
#include "report/VistaPrevia.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QStackedWidget;
class QTextEdit;
class QToolButton;

namespace placatec {

namespace Ui {
class LosPrevIzquierda;
}

class LosPrev : public QWidget {
  Q_OBJECT

 public:
  explicit LosPrev(Sesion& s, QWidget* padre = nullptr, std::unique_ptr<EntornoVistaPrevia> entorno = nullptr,
                   Recalculos recalculos = RecalculosDelPrograma());
  ~LosPrev() override;

  VistaPrevia& Modelo() { return *modelo_; }
  // The window comes to the front: the result sections follow the calculation,
  // the header and footer the project, and the report is rebuilt.
  void Activa();
  // Writes the report as shown to a PDF file; false after telling the user why.
  bool EscribePdfEn(const QString& ruta);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  // Coming to the front rebuilds the report, so that it never shows data edited in
  // the main window meanwhile.
  bool event(QEvent* evento) override;

 private:
  void Construye();
  // The left column: printer, paper and what to print.
  QWidget* ConstruyeIzquierda();
  // The section boxes (one per report section) and the page range.
  void LlenaImprime(QGridLayout* im);
  QWidget* ConstruyeBarra();
  QWidget* ConstruyePanelFuentes();
  QWidget* ConstruyePanelEncabezado();
  // The OK that closes the fonts or the header panel.
  QPushButton* BotonCierraPanel(const char* nombre);
  void Refleja();
  void PintaVista();
  void EligeFuente(int fila);
  void EligeColor(int fila);
  void Imprime();
  void ExportaPdf();

  Sesion& s_;
  std::unique_ptr<EntornoVistaPrevia> entorno_;
  std::unique_ptr<VistaPrevia> modelo_;
  std::unique_ptr<Ui::LosPrevIzquierda> izquierda_;

  QGroupBox* general_ = nullptr;
  QGroupBox* papel_ = nullptr;
  QGroupBox* imprimeMarco_ = nullptr;
  QFrame* botones_ = nullptr;
  QComboBox* cmbDevice_ = nullptr;
  QComboBox* cmbPaperSizes_ = nullptr;
  QComboBox* cmbBorders_ = nullptr;
  std::array<QRadioButton*, 2> opOrient_{};
  std::array<QLabel*, 2> dibujo_{};
  std::array<QLineEdit*, 4> txtMargin_{};
  std::array<QScrollBar*, 4> scrlMargin_{};
  std::array<QCheckBox*, NumSecciones> check_{};
  std::array<QRadioButton*, 3> option1_{};
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  std::array<QWidget*, 2> upDown_{};
  QLabel* zoom_ = nullptr;
  QLabel* pagina_ = nullptr;
  std::array<QToolButton*, 4> cmdZoom_{};
  std::array<QToolButton*, 4> cmdPage_{};
  QPushButton* imprime_ = nullptr;
  QPushButton* exporta_ = nullptr;
  QPushButton* sale_ = nullptr;
  QStackedWidget* centro_ = nullptr;
  QScrollArea* vista_ = nullptr;
  QLabel* hoja_ = nullptr;
  std::array<QPushButton*, 5> botonFuente_{};
  std::array<QLineEdit*, 5> tamano_{};
  std::array<QLineEdit*, 5> efecto_{};
  std::array<QPushButton*, 5> color_{};
  std::array<QPlainTextEdit*, 2> text5_{};
  QTextEdit* ayuda_ = nullptr;
  bool reflejando_ = false;
  bool activa_ = false;  // rebuilt for the activation in course
};

// "&Print preview..." of the main window: shows the preview, made the first time as
// a window of `principal` and kept afterwards, and rebuilds the report. The main
// window sets the busy cursor around it and reports a failure.
LosPrev* MuestraVistaPrevia(LosPrev*& ventana, Sesion& s, QWidget* principal);

}  // namespace placatec
