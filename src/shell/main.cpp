#include <QApplication>

#include "model/Sesion.h"
#include "shell/Arranque.h"
#include "shell/PlacatForm.h"
#include "shell/VentanasResultados.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Placatec"));
  placatec::InstalaTraduccionQt(app);
  placatec::Sesion sesion;
  placatec::PlacatForm placat(sesion);
  placatec::VentanasResultados resultados(placat);
  placatec::Main(placat);
  return app.exec();
}
