#include <QApplication>

#include "model/Sesion.h"
#include "report/qt/LosPrev.h"
#include "shell/Arranque.h"
#include "shell/PlacatForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Placatec"));
  placatec::InstalaTraduccionQt(app);
  placatec::Sesion sesion;
  placatec::PlacatForm placat(sesion);
  placatec::LosPrev* vistaPrevia = nullptr;  // a window of placat, made on first use
  placat.muestraVistaPrevia = [&] { placatec::MuestraVistaPrevia(vistaPrevia, sesion, &placat); };
  placatec::Main(placat);
  return app.exec();
}
