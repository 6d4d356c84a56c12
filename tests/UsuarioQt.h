#pragma once
// A user at the keyboard and mouse, for the window tests: keys go to whatever has the
// focus, and pending events run after each, as they do in the event loop.
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace placatec {

// An open popup (a drop-down list) takes the keys, as it does for a user.
inline QWidget* ConFoco() {
  if (QWidget* popup = QApplication::activePopupWidget())
    return popup->focusWidget() ? popup->focusWidget() : popup;
  return QApplication::focusWidget();
}

inline void Teclea(const QString& texto) {
  for (QChar ch : texto) {
    QWidget* w = ConFoco();
    if (!w) return;
    QTest::keyClick(w, ch.toLatin1());
  }
  QCoreApplication::processEvents();
}

inline void Pulsa(Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
  QWidget* w = ConFoco();
  if (!w) return;
  QTest::keyClick(w, tecla, mod);
  QCoreApplication::processEvents();
}

inline void Clic(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton);
  QCoreApplication::processEvents();
}

}  // namespace placatec
