// placatec-calc: loads project files, calculates each as the desktop program does after
// "Carga archivo" and "Calcular Refuerzo", and prints the results (text or JSON Lines).
#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "CalculoPorLotes.h"
#include "VariosArchivos.h"

#ifdef PLACATEC_CON_PDF
#include <QGuiApplication>
#include <memory>

namespace {
// Qt's own notices (such as the one about XDG_RUNTIME_DIR) are not the calculator's
// output; only a fatal error of Qt gets through.
void CallaQt(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
  if (tipo == QtFatalMsg) std::cerr << "placatec-calc: " << texto.toStdString() << "\n";
}
}  // namespace
#endif

namespace {
// The command-line mistakes an engineer makes, said in Spanish.
std::string MensajeDeUso(const CLI::App*, const CLI::Error& e) {
  const std::string nombre = e.get_name(), texto = e.what();
  const std::string resto = texto.substr(std::min(texto.size(), texto.find(':') + 1));
  std::string mensaje = nombre == "RequiredError"      ? "falta el nombre de un proyecto .Los"
                        : nombre == "ExtrasError"      ? "argumentos desconocidos:" + resto
                        : nombre == "ArgumentMismatch" ? "falta el valor de una opcion:" + resto
                                                       : texto;
  return "placatec-calc: " + mensaje + "\nVea placatec-calc --help\n";
}
}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  CLI::App app{"Calcula proyectos de losas (.Los) sin ventanas."};
  std::vector<std::string> archivos;
  placatec::OpcionesLote op;
  app.add_option("archivos", archivos, "Proyectos .Los")->required();
  app.add_flag("--json", op.json, "Imprime un objeto JSON por proyecto, uno por linea");
  auto* opcionSalva =
      app.add_option("--save", op.salva,
                     "Escribe el proyecto cargado en OTRO.Los; con varios proyectos, en la carpeta dada");
  app.add_option("--pdf", op.pdf,
                 "Escribe el reporte en un archivo PDF; con varios proyectos, en la carpeta dada");
  app.set_version_flag("--version", "placatec-calc " PLACATEC_VERSION);
  app.failure_message(MensajeDeUso);
  std::string papel, margenes;
  bool apaisado = false;
  app.add_option("--papel", papel, "Papel del PDF: A4, Letter o un nombre de la lista de la vista previa");
  app.add_flag("--apaisado", apaisado, "PDF en orientacion horizontal");
  app.add_option("--margenes", margenes, "Margenes del PDF en pulgadas: IZQ,DER,SUP,INF");
  CLI11_PARSE(app, argc, argv);
  const placatec::Resultado<placatec::ConfiguracionPagina> pagina =
      placatec::PaginaDeOpciones(papel, apaisado, margenes);
  if (!pagina) {
    std::cerr << "placatec-calc: " << pagina.Mensaje() << "\n";
    return 3;
  }
#ifdef PLACATEC_CON_PDF
  // The report is laid out with Qt's fonts; without a display the offscreen platform serves.
  std::unique_ptr<QGuiApplication> qt;
  if (!op.pdf.empty()) {
    qInstallMessageHandler(CallaQt);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    qt = std::make_unique<QGuiApplication>(argc, argv);
  }
#endif
  op.pagina = *pagina;
  op.salvar = opcionSalva->count() > 0;
  return placatec::CalculaVariosArchivos(archivos, op, std::cout, std::cerr);
}
