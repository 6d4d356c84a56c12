#include "VariosArchivos.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <system_error>
#include <thread>

#include "CargaPdf.h"
#include "model/ArchivoDisco.h"

namespace placatec {

namespace {

namespace fs = std::filesystem;

// One output option: the name as given, or a folder that receives NOMBRE + extension
// for each project.
struct Destino {
  const TipoSalida& tipo;
  std::optional<std::string> valor;
  bool carpeta = false;

  std::string Opcion() const { return std::string("--") + tipo.opcion; }
  std::optional<std::string> Para(const std::string& archivo) const {
    if (!valor || valor->empty() || !carpeta) return valor;
    return (fs::path(*valor) / fs::path(archivo).stem()).string() + tipo.extension;
  }
};

// A folder when there are several projects, or when the option names one.
void DecideCarpeta(Destino& d, bool varios) {
  std::error_code ec;
  d.carpeta =
      d.valor && !d.valor->empty() && (varios || d.valor->back() == '/' || fs::is_directory(*d.valor, ec));
}

// Makes the folder when it is missing; the message when it cannot serve.
std::optional<std::string> CreaCarpeta(const Destino& d) {
  std::error_code ec;
  if (!d.carpeta || fs::is_directory(*d.valor, ec)) return std::nullopt;
  if (fs::exists(*d.valor, ec))
    return d.Opcion() + " " + *d.valor +
           ": con varios proyectos hace falta una carpeta, y este es un archivo";
  if (!fs::create_directories(*d.valor, ec) && ec)
    return d.Opcion() + " " + *d.valor + ": " + TextoErrorArchivo(ec);
  return std::nullopt;
}

// An output never replaces a file that the call reads (through another spelling, a
// link or a hard link too), nor another output of the call: the project would be lost
// to its own report, or one project's file to the next one's.
std::optional<std::string> BuscaChoques(const std::vector<std::string>& archivos,
                                        const std::vector<Destino>& destinos,
                                        const std::optional<IdentidadArchivo>& entradaEstandar) {
  std::map<IdentidadArchivo, std::string> leidos, escritos;
  for (const std::string& a : archivos)
    if (a != "-") leidos.emplace(IdentidadDe(a), "el proyecto " + a);
  if (entradaEstandar) leidos.emplace(*entradaEstandar, "la entrada estándar");
  for (const std::string& a : archivos) {
    for (const Destino& d : destinos) {
      const std::optional<std::string> ruta = d.Para(a);
      if (!ruta || ruta->empty()) continue;
      const std::string quien = d.Opcion() + " " + *ruta;
      const IdentidadArchivo id = IdentidadDe(*ruta);
      if (auto it = leidos.find(id); it != leidos.end())
        return quien + ": reemplazaría a " + it->second +
               ", que se lee en esta llamada; un resultado nunca se escribe sobre un archivo leído";
      if (auto [it, nuevo] = escritos.emplace(id, quien + " (de " + a + ")"); !nuevo)
        return quien + " (de " + a + ") y " + it->second + " se escribirían en el mismo archivo";
    }
  }
  return std::nullopt;
}

// The bytes of standard input, read to the end ("Archivo Ilegal" past the size of a
// project file). A descriptor left non-blocking by the caller is waited on.
Resultado<std::string> LeeEntradaEstandar() {
  std::string bytes;
  char bloque[65536];
  for (;;) {
    const ssize_t n = ::read(STDIN_FILENO, bloque, sizeof bloque);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd espera{STDIN_FILENO, POLLIN, 0};
      (void)::poll(&espera, 1, -1);
      continue;
    }
    if (n < 0) return Falla{TextoErrorArchivo(std::error_code(errno, std::generic_category()))};
    if (n == 0) return bytes;
    bytes.append(bloque, static_cast<std::size_t>(n));
    if (bytes.size() > MaxBytesArchivo) return Falla{"Archivo Ilegal"};
  }
}

// Standard input as a file on disk, when it is one: an output must not replace it either.
std::optional<IdentidadArchivo> IdentidadEntradaEstandar() {
  struct stat st {};
  if (::fstat(STDIN_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  IdentidadArchivo id;
  id.existe = true;
  id.dispositivo = static_cast<unsigned long long>(st.st_dev);
  id.nodo = static_cast<unsigned long long>(st.st_ino);
  return id;
}

// What one project printed, kept until the projects before it have been written.
struct Hecho {
  std::string salida, errores;
  int estado = 0;
  bool listo = false;
};

// The projects of one call, calculated by several threads and written by the main one
// in the order of the arguments. The threads run at most a few projects ahead of the
// output, so that a long batch does not pile up in memory.
class Lote {
 public:
  Lote(const std::vector<std::string>& archivos, const OpcionesLote& comunes,
       const std::vector<Destino>& destinos, const Resultado<std::string>* entrada,
       const OpcionesEjecucion& ejecucion)
      : archivos_(archivos),
        comunes_(comunes),
        destinos_(destinos),
        entrada_(entrada),
        ejecucion_(ejecucion),
        hechos_(archivos.size()) {}

  int Ejecuta() {
    const std::size_t hilos =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(1, ejecucion_.trabajos)), archivos_.size());
    ventana_ = 4 * hilos;
    std::vector<std::thread> trabajadores;
    if (hilos > 1)
      for (std::size_t k = 0; k < hilos; ++k) trabajadores.emplace_back([this] { Trabaja(); });
    int estado = 0;
    for (std::size_t i = 0; i < archivos_.size(); ++i) {
      Hecho h = hilos > 1 ? Espera(i) : Calcula(i);
      estado = EstadoMayor(estado, h.estado);
      if (!Escribe(i, h)) {
        estado = 3;
        break;
      }
    }
    {
      std::lock_guard<std::mutex> l(m_);
      terminado_ = true;
    }
    cambio_.notify_all();
    for (auto& t : trabajadores) t.join();
    Progreso(archivos_.size(), true);
    return estado;
  }

 private:
  Hecho Calcula(std::size_t i) const {
    OpcionesLote op = comunes_;
    op.archivo = archivos_[i];
    op.entrada = entrada_;
    for (const Destino& d : destinos_) op.*(d.tipo.destino) = d.Para(archivos_[i]);
    std::ostringstream errores;
    Hecho h;
    if (archivos_.size() > 1 && !op.json)
      h.salida = (i > 0 ? "\nArchivo: " : "Archivo: ") + op.archivo + "\n";
    h.estado = EjecutaCalculoPorLotes(op, h.salida, errores);
    h.errores = std::move(errores).str();
    return h;
  }

  void Trabaja() {
    for (;;) {
      std::size_t i;
      {
        std::unique_lock<std::mutex> l(m_);
        cambio_.wait(l, [&] {
          return terminado_ || siguiente_ >= archivos_.size() || siguiente_ < escritos_ + ventana_;
        });
        if (terminado_ || siguiente_ >= archivos_.size()) return;
        i = siguiente_++;
      }
      Hecho h = Calcula(i);
      h.listo = true;
      {
        std::lock_guard<std::mutex> l(m_);
        hechos_[i] = std::move(h);
      }
      cambio_.notify_all();
    }
  }

  Hecho Espera(std::size_t i) {
    std::unique_lock<std::mutex> l(m_);
    cambio_.wait(l, [&] { return hechos_[i].listo; });
    Hecho h = std::move(hechos_[i]);
    hechos_[i] = Hecho{};
    escritos_ = i + 1;
    l.unlock();
    cambio_.notify_all();
    return h;
  }

  // Writes one project's output and messages; false when the output could not be
  // written, after saying so.
  bool Escribe(std::size_t i, const Hecho& h) {
    // The progress line goes first: the output may share its terminal.
    if (!h.errores.empty() || (!ejecucion_.silencio && !h.salida.empty())) Progreso(i, true);
    if (!ejecucion_.silencio && !h.salida.empty()) {
      if (const int e = EscribeDescriptor(STDOUT_FILENO, h.salida)) {
        (void)EscribeDescriptor(STDERR_FILENO,
                                "placatec-calc: no se pudo escribir la salida: " +
                                    TextoErrorArchivo(std::error_code(e, std::generic_category())) + "\n");
        return false;
      }
    }
    if (!h.errores.empty()) (void)EscribeDescriptor(STDERR_FILENO, h.errores);
    Progreso(i + 1, false);
    return true;
  }

  // "placatec-calc: reportes PDF 37 de 100" on a terminal, rewritten in place; borrar
  // clears it before another message, or at the end.
  void Progreso(std::size_t hechos, bool borrar) const {
    if (!ejecucion_.progreso) return;
    const std::string linea = borrar ? "\r\033[K"
                                     : "\rplacatec-calc: reportes PDF " + std::to_string(hechos) + " de " +
                                           std::to_string(archivos_.size()) + "\033[K";
    (void)EscribeDescriptor(STDERR_FILENO, linea);
  }

  const std::vector<std::string>& archivos_;
  const OpcionesLote& comunes_;
  const std::vector<Destino>& destinos_;
  const Resultado<std::string>* entrada_;
  const OpcionesEjecucion& ejecucion_;

  std::mutex m_;
  std::condition_variable cambio_;
  std::vector<Hecho> hechos_;
  std::size_t siguiente_ = 0, escritos_ = 0, ventana_ = 1;
  bool terminado_ = false;
};

}  // namespace

int CalculaVariosArchivos(const std::vector<std::string>& archivos, const OpcionesLote& comunes,
                          const OpcionesEjecucion& ejecucion) {
  auto refusa = [](const std::string& mensaje) {
    (void)EscribeDescriptor(STDERR_FILENO, "placatec-calc: " + mensaje + "\n");
    return 3;
  };
  const bool varios = archivos.size() > 1;
  const bool entradaEstandar = std::find(archivos.begin(), archivos.end(), "-") != archivos.end();
  std::vector<Destino> destinos;
  for (const TipoSalida& tipo : kSalidas) {
    Destino d{tipo, comunes.*(tipo.destino)};
    DecideCarpeta(d, varios);
    if (d.carpeta && entradaEstandar)
      return refusa(d.Opcion() + " " + *d.valor +
                    ": el proyecto de la entrada estándar (-) no tiene nombre para su archivo en la carpeta");
    destinos.push_back(std::move(d));
  }
  if (auto choque =
          BuscaChoques(archivos, destinos, entradaEstandar ? IdentidadEntradaEstandar() : std::nullopt))
    return refusa(*choque);
  OpcionesLote op = comunes;
  OpcionesEjecucion ej = ejecucion;
  ej.progreso = false;
  if (op.pdf && !op.pdf->empty()) {
    const Resultado<const InterfazPdf*> modulo = CargaModuloPdf();
    if (!modulo) return refusa("--pdf: " + modulo.Mensaje());
    op.modulo = *modulo;
    // A few reports take a moment; many take seconds that should not pass in silence.
    ej.progreso = ejecucion.progreso && !ejecucion.silencio && archivos.size() > 10;
  }
  for (const Destino& d : destinos)
    if (auto falla = CreaCarpeta(d)) return refusa(*falla);
  const Resultado<std::string> entrada =
      entradaEstandar ? LeeEntradaEstandar() : Resultado<std::string>(std::string());
  const int estado = Lote(archivos, op, destinos, &entrada, ej).Ejecuta();
  if (op.modulo) op.modulo->termina();
  return estado;
}

}  // namespace placatec
