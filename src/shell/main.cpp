#include <QApplication>

#include "model/Sesion.h"
#include "shell/Arranque.h"
#include "shell/PlacatForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Placatec"));
  placatec::InstalaTraduccionQt(app);
  placatec::Sesion sesion;
  placatec::PlacatForm placat(sesion);
  placatec::Main(placat);
  return app.exec();
}
