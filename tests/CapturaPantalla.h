#pragma once
// Window tests save a picture of each window they show when PLACATEC_SCREENSHOTS
// names a folder, so that the windows can be looked at as a user sees them.
#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace placatec {

// The picture of w, or the one given (several windows put together).
inline void CapturaPantalla(QWidget* w, const QString& nombre, const QPixmap& foto = {}) {
  const QString dir = qEnvironmentVariable("PLACATEC_SCREENSHOTS");
  if (dir.isEmpty() || (!w && foto.isNull())) return;
  QDir().mkpath(dir);
  QCoreApplication::processEvents();
  (w ? w->grab() : foto).save(QDir(dir).filePath(nombre + ".png"));
}

}  // namespace placatec
