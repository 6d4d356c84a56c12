// The PDF module of the batch calculator: the report renderer and Qt, loaded at run
// time only when a report is asked for.
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <mutex>

#include "InterfazPdf.h"
#include "escritorio/pdf/ExportaPdf.h"

namespace placatec {

namespace {

// Qt's own notices (such as the one about XDG_RUNTIME_DIR) are not the calculator's
// output; only a fatal error of Qt gets through.
void CallaQt(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
  if (tipo == QtFatalMsg) std::fprintf(stderr, "placatec-calc: %s\n", texto.toLocal8Bit().constData());
}

std::unique_ptr<QGuiApplication> aplicacion;
// One report at a time, whichever thread asks: the fonts and the Qt state are shared.
std::mutex pintor;

bool Inicia(std::string& error) {
  std::lock_guard<std::mutex> turno(pintor);
  if (aplicacion) return true;
  qInstallMessageHandler(CallaQt);
  // The report needs fonts, never a screen: the offscreen platform whatever DISPLAY and
  // QT_QPA_PLATFORM say (a stale DISPLAY would stop the program), with no desktop theme
  // plugin and no X connection for OpenGL, which could reach for one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
  qunsetenv("QT_QPA_PLATFORMTHEME");
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  static int argc = 1;
  static char nombre[] = "placatec-calc";
  static char* argv[] = {nombre, nullptr};
  aplicacion = std::make_unique<QGuiApplication>(argc, argv);
  if (!qGuiApp) {
    error = "no se pudo iniciar el dibujo de reportes";
    return false;
  }
  return true;
}

bool Escribe(Sesion& s, const std::string& ruta, const ConfiguracionPagina& pagina,
             const MarcasSecciones& marcadas, std::string& error) {
  std::lock_guard<std::mutex> turno(pintor);
  return ExportaPdf(s, ruta, error, pagina, marcadas);
}

void Termina() {
  std::lock_guard<std::mutex> turno(pintor);
  aplicacion.reset();
}

}  // namespace

}  // namespace placatec

extern "C" __attribute__((visibility("default"))) const placatec::InterfazPdf* placatec_interfaz_pdf() {
  static const placatec::InterfazPdf interfaz{PLACATEC_VERSION,
                                              sizeof(placatec::Sesion),
                                              sizeof(placatec::ConfiguracionPagina),
                                              sizeof(placatec::MarcasSecciones),
                                              &placatec::Inicia,
                                              &placatec::Escribe,
                                              &placatec::Termina};
  return &interfaz;
}
