#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <memory>
#include <optional>

#include "comandos/Sesion.h"
#include "escritorio/principal/Arranque.h"
#include "escritorio/principal/PlacatForm.h"
#include "escritorio/principal/VentanasResultados.h"
#include "escritorio/vistaprevia/LosPrev.h"

namespace {

void Nombra() {
  QCoreApplication::setApplicationName(QStringLiteral("Placatec"));
  QCoreApplication::setOrganizationName(QStringLiteral("Placatec"));
  QCoreApplication::setApplicationVersion(QStringLiteral(PLACATEC_VERSION));
}

// The command line, read before any window exists, so that --help and --version also
// answer without a display. The project named, or empty; std::nullopt to stop.
std::optional<QString> LeeLinea(int& argc, char** argv) {
  QCoreApplication nucleo(argc, argv);
  Nombra();
  placatec::InstalaTraduccionQt(nucleo);
  QCommandLineParser linea;
  linea.setApplicationDescription(QStringLiteral("Diseño de las losas de concreto armado de un piso."));
  linea.addHelpOption();
  linea.addVersionOption();
  linea.addPositionalArgument(QStringLiteral("archivo"),
                              QStringLiteral("Proyecto .Los que se carga al arrancar."),
                              QStringLiteral("[ARCHIVO.Los]"));
  linea.process(nucleo);  // --help, --version and unknown options end here
  const QStringList archivos = linea.positionalArguments();
  if (archivos.size() > 1) {
    std::fprintf(stderr, "placatec: se abre un solo proyecto a la vez\n");
    return std::nullopt;
  }
  return archivos.isEmpty() ? QString() : QFileInfo(archivos.front()).absoluteFilePath();
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<QString> archivo = LeeLinea(argc, argv);
  if (!archivo) return 1;
  QApplication app(argc, argv);
  Nombra();
  QApplication::setDesktopFileName(QStringLiteral("org.placatec.Placatec"));
  placatec::InstalaTraduccionQt(app);

  placatec::Sesion sesion;
  placatec::PlacatForm placat(sesion);
  placatec::VentanasResultados resultados(placat);
  placatec::LosPrev* vistaPrevia = nullptr;  // a window of placat, made on first use
  placat.muestraVistaPrevia = [&] { placatec::MuestraVistaPrevia(vistaPrevia, sesion, &placat); };
  placat.UsaAjustes(std::make_unique<QSettings>());
  if (!archivo->isEmpty()) placat.AbreAlArrancar(*archivo);
  placatec::Main(placat);
  return app.exec();
}
