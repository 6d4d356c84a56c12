#include "CargaPdf.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>

namespace placatec {

namespace {

namespace fs = std::filesystem;

constexpr const char* kModulo = "placatec-pdf.so";

// The folder of the running program, links followed: an install under any prefix finds
// its own module there, and so does a build tree.
fs::path CarpetaPrograma() {
  std::error_code ec;
  const fs::path p = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : p.parent_path();
}

Resultado<const InterfazPdf*> Carga() {
  const fs::path carpeta = CarpetaPrograma();
  for (const fs::path& lugar : {carpeta / PLACATEC_CARPETA_MODULO_PDF / kModulo, carpeta / kModulo}) {
    std::error_code ec;
    if (carpeta.empty() || !fs::is_regular_file(lugar, ec)) continue;
    // Kept loaded until the program ends; its symbols stay its own.
    void* modulo = ::dlopen(lugar.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto funcion =
        modulo ? reinterpret_cast<FuncionModuloPdf>(::dlsym(modulo, kFuncionModuloPdf)) : nullptr;
    if (!funcion)
      return Falla{"no se pudo cargar el módulo de reportes " + lugar.string() +
                   " (¿faltan las bibliotecas de Qt 6?)"};
    const InterfazPdf* pdf = funcion();
    if (std::strcmp(pdf->version, PLACATEC_VERSION) != 0 || pdf->tamanoSesion != sizeof(Sesion) ||
        pdf->tamanoPagina != sizeof(ConfiguracionPagina) || pdf->tamanoMarcas != sizeof(MarcasSecciones))
      return Falla{"el módulo de reportes " + lugar.string() + " es de otra versión de Placatec (" +
                   pdf->version + "); reinstale el programa"};
    std::string error;
    if (!pdf->inicia(error)) return Falla{error};
    return pdf;
  }
  return Falla{"esta instalación no escribe reportes PDF: falta el módulo " + std::string(kModulo)};
}

}  // namespace

Resultado<const InterfazPdf*> CargaModuloPdf() {
  static const Resultado<const InterfazPdf*> modulo = Carga();
  return modulo;
}

}  // namespace placatec
