#pragma once
// Window tests save a picture of each window they show when PLACATEC_SCREENSHOTS
// names a folder, so that the windows can be looked at as a user sees them.
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QWidget>

namespace placatec {

inline void CapturaPantalla(QWidget* w, const QString& nombre) {
  const QString dir = qEnvironmentVariable("PLACATEC_SCREENSHOTS");
  if (dir.isEmpty() || !w) return;
  QDir().mkpath(dir);
  QCoreApplication::processEvents();
  w->grab().save(QDir(dir).filePath(nombre + ".png"));
}

}  // namespace placatec
