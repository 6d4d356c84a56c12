#include "VariosArchivos.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#include "model/ArchivoDisco.h"

namespace placatec {

namespace {

namespace fs = std::filesystem;

// An option of one destination per project: the option as given, or a folder that
// receives NOMBRE + extension for each project.
struct Destino {
  const char* opcion;  // "--save", "--pdf"
  std::string valor;
  const char* extension;
  bool carpeta = false;

  std::string Para(const std::string& archivo) const {
    if (valor.empty() || !carpeta) return valor;
    return (fs::path(valor) / fs::path(archivo).stem()).string() + extension;
  }
};

// A folder when there are several projects, or when the option names one.
void DecideCarpeta(Destino& d, bool varios) {
  std::error_code ec;
  d.carpeta = !d.valor.empty() && (varios || d.valor.back() == '/' || fs::is_directory(d.valor, ec));
}

// Makes the folder when it is missing; the message when it cannot serve.
std::optional<std::string> CreaCarpeta(const Destino& d) {
  std::error_code ec;
  if (!d.carpeta || fs::is_directory(d.valor, ec)) return std::nullopt;
  if (fs::exists(d.valor, ec))
    return std::string(d.opcion) + " " + d.valor +
           ": con varios proyectos hace falta una carpeta, y este es un archivo";
  if (!fs::create_directories(d.valor, ec) && ec)
    return std::string(d.opcion) + " " + d.valor + ": " + TextoErrorArchivo(ec);
  return std::nullopt;
}

// Two projects with the same name would write the same file: the second would
// silently replace the first.
std::optional<std::string> BuscaRepetidos(const Destino& d, const std::vector<std::string>& archivos) {
  if (!d.carpeta) return std::nullopt;
  std::map<std::string, std::string> vistos;
  for (const auto& a : archivos) {
    const std::string destino = fs::path(d.Para(a)).lexically_normal().string();
    auto [it, nuevo] = vistos.emplace(destino, a);
    if (!nuevo)
      return std::string(d.opcion) + ": " + it->second + " y " + a + " se escribirían en el mismo archivo " +
             destino;
  }
  return std::nullopt;
}

}  // namespace

int CalculaVariosArchivos(const std::vector<std::string>& archivos, const OpcionesLote& comunes,
                          std::ostream& salida, std::ostream& errores) {
  const bool varios = archivos.size() > 1;
  Destino salva{"--save", comunes.salva, ".Los"}, pdf{"--pdf", comunes.pdf, ".pdf"};
  for (Destino* d : {&salva, &pdf}) {
    DecideCarpeta(*d, varios);
    auto falla = BuscaRepetidos(*d, archivos);
    if (!falla) falla = CreaCarpeta(*d);
    if (falla) {
      errores << "placatec-calc: " << *falla << "\n";
      return 3;
    }
  }

  int estado = 0;
  for (std::size_t i = 0; i < archivos.size(); ++i) {
    OpcionesLote op = comunes;
    op.archivo = archivos[i];
    op.salva = salva.Para(archivos[i]);
    op.pdf = pdf.Para(archivos[i]);
    if (varios && !op.json) salida << (i > 0 ? "\n" : "") << "Archivo: " << op.archivo << "\n";
    estado = std::max(estado, EjecutaCalculoPorLotes(op, salida, errores));
  }
  return estado;
}

}  // namespace placatec
