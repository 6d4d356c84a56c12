// placatec-calc: loads a project file, calculates it as the desktop program does after
// "Carga archivo" and "Calcular Refuerzo", and prints the results (text or JSON).
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CalculoPorLotes.h"

#ifdef PLACATEC_CON_PDF
#include <QGuiApplication>
#include <memory>
#endif

int main(int argc, char** argv) {
  CLI::App app{"Calcula un proyecto de losas (.Los) sin ventanas."};
  std::string archivo, salva, pdf, papel, margenes;
  bool json = false, apaisado = false;
  app.add_option("archivo", archivo, "Proyecto .Los")->required();
  app.add_flag("--json", json, "Imprime el resultado completo como JSON");
  app.add_option("--save", salva, "Escribe el proyecto cargado en OTRO.Los");
  app.add_option("--pdf", pdf, "Escribe el reporte en un archivo PDF");
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
  if (!pdf.empty()) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    qt = std::make_unique<QGuiApplication>(argc, argv);
  }
#endif
  return placatec::EjecutaCalculoPorLotes({archivo, salva, pdf, json, *pagina}, std::cout, std::cerr);
}
