#pragma once
// The tip dialog ("Tip"): explains the extra supports of the reactions table. Shown
// modal by the reactions window's "Tip" button.
#include <QDialog>

class QLabel;
class QPushButton;

namespace placatec {

class frmTip : public QDialog {
  Q_OBJECT

 public:
  explicit frmTip(QWidget* parent = nullptr);

  // The tip, exactly as the dialog shows it.
  static QString TextoTip();

  QLabel* lblTipText;
  QPushButton* cmdOK;
};

}  // namespace placatec
