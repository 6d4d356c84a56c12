#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <memory>

#include "comandos/Sesion.h"
#include "escritorio/principal/Arranque.h"
#include "escritorio/principal/PlacatForm.h"
#include "escritorio/principal/VentanasResultados.h"
#include "escritorio/vistaprevia/LosPrev.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Placatec"));
  QApplication::setOrganizationName(QStringLiteral("Placatec"));
  QApplication::setApplicationVersion(QStringLiteral(PLACATEC_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.placatec.Placatec"));
  placatec::InstalaTraduccionQt(app);

  QCommandLineParser linea;
  linea.setApplicationDescription(QStringLiteral("Diseño de las losas de concreto armado de un piso."));
  linea.addHelpOption();
  linea.addVersionOption();
  linea.addPositionalArgument(QStringLiteral("archivo"),
                              QStringLiteral("Proyecto .Los que se carga al arrancar."),
                              QStringLiteral("[ARCHIVO.Los]"));
  linea.process(app);
  const QStringList archivos = linea.positionalArguments();
  if (archivos.size() > 1) {
    std::fprintf(stderr, "placatec: se abre un solo proyecto a la vez\n");
    return 1;
  }

  placatec::Sesion sesion;
  placatec::PlacatForm placat(sesion);
  placatec::VentanasResultados resultados(placat);
  placatec::LosPrev* vistaPrevia = nullptr;  // a window of placat, made on first use
  placat.muestraVistaPrevia = [&] { placatec::MuestraVistaPrevia(vistaPrevia, sesion, &placat); };
  placat.UsaAjustes(std::make_unique<QSettings>());
  if (!archivos.isEmpty()) placat.AbreAlArrancar(QFileInfo(archivos.front()).absoluteFilePath());
  placatec::Main(placat);
  return app.exec();
}
