#pragma once
// What the batch calculator asks of its PDF module (placatec-pdf.so). The module holds
// the renderer and Qt; the calculator loads it only when a report is asked for, so
// that a call without --pdf starts without loading Qt at all.
#include <cstddef>
#include <string>

#include "comandos/Sesion.h"
#include "report/Maquetacion.h"
#include "report/Reporte.h"

namespace placatec {

struct InterfazPdf {
  // The module and the calculator must come from one build: they share the session.
  const char* version;
  std::size_t tamanoSesion;
  std::size_t tamanoPagina;
  std::size_t tamanoMarcas;
  // Starts the renderer without any display connection; false with the message.
  bool (*inicia)(std::string& error);
  // The report of the session, with the sections marked, as a PDF file at ruta; false
  // with the message.
  bool (*escribe)(Sesion& s, const std::string& ruta, const ConfiguracionPagina& pagina,
                  const MarcasSecciones& marcadas, std::string& error);
  // Closes the renderer before the program ends.
  void (*termina)();
};

// The name of the module's one exported function, which returns its InterfazPdf.
inline constexpr const char* kFuncionModuloPdf = "placatec_interfaz_pdf";
using FuncionModuloPdf = const InterfazPdf* (*)();

}  // namespace placatec
