#pragma once
// The about box: the program's title and version, and a button that starts the
// system information tool the desktop offers.
#include <QDialog>
#include <functional>

#include "model/Interlocutor.h"

class QLabel;
class QPushButton;

namespace placatec {

// "1.0.0": major, minor and revision of the program as built.
QString VersionPrograma();

// The system information tools looked for, in order of preference.
QStringList HerramientasInfoSistema();

// The path of the first system information tool found in the folders given (the
// PATH when none are given), or empty.
QString BuscaInfoSistema(const QStringList& carpetas = {});

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(Interlocutor& ui, QWidget* parent = nullptr);

  // "&System Info...": starts the tool, or says "System Information no ha sido
  // encontrada" when there is none (or it cannot be started).
  void StartSysInfo();

  // Where StartSysInfo looks (empty: the PATH) and how it starts a program;
  // tests replace both.
  QStringList carpetasInfoSistema;
  std::function<bool(const QString& programa)> arranca;

  QLabel* lblTitle;
  QLabel* lblVersion;
  QPushButton* cmdOK;
  QPushButton* cmdSysInfo;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Interlocutor& ui_;
};

}  // namespace placatec
