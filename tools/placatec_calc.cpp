// placatec-calc: loads project files, calculates each as the desktop program does after
// "Carga archivo" and "Calcular Refuerzo", and prints the results (text or JSON Lines).
#include <fcntl.h>
#include <malloc.h>
#include <sched.h>
#include <unistd.h>

#include <string>
#include <system_error>
#include <thread>

#include "OpcionesCalc.h"
#include "VariosArchivos.h"
#include "model/ArchivoDisco.h"

namespace {

// Standard input, output and error that the caller closed are opened on /dev/null, so
// that no file the program opens later takes their number (and the results meant for
// the output go into a project). True when the output was closed: the results would
// be lost. It is reopened read-only, so that a write to it still fails.
bool ReservaDescriptores() {
  bool salidaCerrada = false;
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1) continue;
    salidaCerrada = salidaCerrada || fd == STDOUT_FILENO;
    const int nuevo = ::open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
    if (nuevo >= 0 && nuevo != fd) {
      ::dup2(nuevo, fd);
      ::close(nuevo);
    }
  }
  return salidaCerrada;
}

// The processors this process may run on (a CPU set given by taskset or a container
// counts, not the machine's).
int Procesadores() {
  cpu_set_t cpus;
  if (::sched_getaffinity(0, sizeof cpus, &cpus) == 0) return std::max(1, CPU_COUNT(&cpus));
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// Writes to standard output; 3 with the message when it cannot.
int Imprime(const std::string& texto) {
  if (const int e = placatec::EscribeDescriptor(STDOUT_FILENO, texto)) {
    (void)placatec::EscribeDescriptor(
        STDERR_FILENO, "placatec-calc: no se pudo escribir la salida: " +
                           placatec::TextoErrorArchivo(std::error_code(e, std::generic_category())) + "\n");
    return 3;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Each project builds and frees some hundred kilobytes of output: kept by the
  // allocator instead of handed back to the system, they are not faulted in anew for
  // every project (a tenth of a batch's time otherwise).
  (void)::mallopt(M_TRIM_THRESHOLD, 256 << 20);
  (void)::mallopt(M_MMAP_THRESHOLD, 32 << 20);
  const bool salidaCerrada = ReservaDescriptores();
  const int procesadores = Procesadores();
  placatec::LineaOrdenes l = placatec::LeeLineaOrdenes(argc, argv, procesadores);
  switch (l.accion) {
    case placatec::LineaOrdenes::Accion::Ayuda:
      return Imprime(placatec::TextoAyuda(procesadores));
    case placatec::LineaOrdenes::Accion::Version:
      return Imprime("placatec-calc " PLACATEC_VERSION "\n");
    case placatec::LineaOrdenes::Accion::Error:
      (void)placatec::EscribeDescriptor(STDERR_FILENO,
                                        "placatec-calc: " + l.error + "\nVea placatec-calc --help\n");
      return placatec::kEstadoUso;
    case placatec::LineaOrdenes::Accion::Calcula:
      break;
  }
  if (salidaCerrada && !l.ejecucion.silencio) {
    (void)placatec::EscribeDescriptor(
        STDERR_FILENO, "placatec-calc: la salida estándar está cerrada; los resultados se perderían\n");
    return 3;
  }
  // A closed pipe is then an error of the write, said and turned into status 3, as a full
  // disk is, when the caller has SIGPIPE ignored; otherwise the signal ends the program
  // quietly, as it ends any filter whose reader has gone.
  l.ejecucion.progreso = ::isatty(STDERR_FILENO) == 1;
  return placatec::CalculaVariosArchivos(l.archivos, l.comunes, l.ejecucion);
}
