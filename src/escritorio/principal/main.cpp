#include <QApplication>

#include "comandos/Sesion.h"
#include "escritorio/principal/Arranque.h"
#include "escritorio/principal/PlacatForm.h"
#include "escritorio/principal/VentanasResultados.h"
#include "escritorio/vistaprevia/LosPrev.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Placatec"));
  placatec::InstalaTraduccionQt(app);
  placatec::Sesion sesion;
  placatec::PlacatForm placat(sesion);
  placatec::VentanasResultados resultados(placat);
  placatec::LosPrev* vistaPrevia = nullptr;  // a window of placat, made on first use
  placat.muestraVistaPrevia = [&] { placatec::MuestraVistaPrevia(vistaPrevia, sesion, &placat); };
  placatec::Main(placat);
  return app.exec();
}
