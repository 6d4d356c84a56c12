#include "model/ArchivoDisco.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace placatec {

namespace {

std::error_code Error(int e) { return std::error_code(e != 0 ? e : EIO, std::generic_category()); }
Falla FallaSistema(int e) { return Falla{TextoErrorArchivo(Error(e))}; }

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int fd() const { return fd_; }
  int Cierra() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }

 private:
  int fd_;
};

// The temporary files of a save are ".NAME.placatec-PID-XXXXXX" beside the target,
// so that a later save recognises those of a save that did not finish.
constexpr std::string_view kMarcaTemporal = ".placatec-";
constexpr std::size_t kLargoAzar = 6;

std::string PrefijoTemporal(const std::string& nombre) {
  // Long names are cut so that the temporary name fits in a folder entry.
  return "." + nombre.substr(0, 200) + std::string(kMarcaTemporal);
}

std::string Carpeta(const std::string& ruta) {
  const auto barra = ruta.find_last_of('/');
  if (barra == std::string::npos) return ".";
  return barra == 0 ? "/" : ruta.substr(0, barra);
}

std::string Nombre(const std::string& ruta) {
  const auto barra = ruta.find_last_of('/');
  return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

bool EnMiGrupo(gid_t grupo) {
  if (grupo == ::getegid()) return true;
  const int n = ::getgroups(0, nullptr);
  if (n <= 0) return false;
  std::vector<gid_t> grupos(static_cast<std::size_t>(n));
  const int m = ::getgroups(n, grupos.data());
  for (int i = 0; i < m; ++i)
    if (grupos[static_cast<std::size_t>(i)] == grupo) return true;
  return false;
}

// Whether the file's own permission bits let this user write it. Decided from the
// mode, so that a file marked read-only (no write bit at all) stays so even for the
// administrator, who may otherwise write wherever any write bit allows, whoever owns
// the file, as the system lets him.
bool PermiteEscribir(const struct stat& st) {
  if (::geteuid() == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) != 0;
  if (EnMiGrupo(st.st_gid)) return (st.st_mode & S_IWGRP) != 0;
  return (st.st_mode & S_IWOTH) != 0;
}

// The file a save writes: the path itself, or the file its links lead to, so that
// the link stays a link. A link that leads nowhere or round in a circle is refused.
Resultado<std::string> ArchivoDestino(const std::string& ruta) {
  struct stat st {};
  if (::lstat(ruta.c_str(), &st) != 0) {
    if (errno == ENOENT) return ruta;  // a new file
    return FallaSistema(errno);
  }
  if (!S_ISLNK(st.st_mode)) return ruta;
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(ruta.c_str(), nullptr), &std::free);
  if (!real) {
    if (errno == ELOOP) return Falla{"Enlace Circular"};
    if (errno == ENOENT) return Falla{"Enlace Roto"};
    return FallaSistema(errno);
  }
  return std::string(real.get());
}

// Removes the temporaries that a killed save of the same target left behind: those
// named by the program's pattern whose process has ended (or is this one, which
// saves one file at a time). Those of a save still running elsewhere are kept.
void QuitaTemporalesViejos(const std::string& carpeta, const std::string& nombre) {
  struct CierraCarpeta {
    void operator()(DIR* d) const { ::closedir(d); }
  };
  std::unique_ptr<DIR, CierraCarpeta> d(::opendir(carpeta.c_str()));
  if (!d) return;
  const std::string prefijo = PrefijoTemporal(nombre);
  while (const dirent* e = ::readdir(d.get())) {
    const std::string n = e->d_name;
    if (n.compare(0, prefijo.size(), prefijo) != 0) continue;
    const std::string resto = n.substr(prefijo.size());
    const auto guion = resto.find('-');
    if (guion == 0 || guion == std::string::npos || resto.size() != guion + 1 + kLargoAzar) continue;
    if (resto.find_first_not_of("0123456789") != guion) continue;
    const long pid = std::strtol(resto.c_str(), nullptr, 10);
    if (pid <= 0) continue;
    const bool terminado = pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
    const std::string ruta = carpeta + "/" + n;
    struct stat st {};
    if (terminado && ::lstat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(ruta.c_str());
  }
}

// Creates a new temporary file beside the target: a fresh name, created exclusively,
// so that nothing planted there (a link, another program's file) is written through.
int CreaTemporal(const std::string& carpeta, const std::string& nombre, std::string& ruta) {
  static constexpr char kLetras[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device azar;
  std::uniform_int_distribution<std::size_t> letra(0, sizeof kLetras - 2);
  for (int intento = 0; intento < 100; ++intento) {
    std::string sufijo;
    for (std::size_t i = 0; i < kLargoAzar; ++i) sufijo += kLetras[letra(azar)];
    ruta = carpeta + "/" + PrefijoTemporal(nombre) + std::to_string(::getpid()) + "-" + sufijo;
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

int EscribeDescriptor(int fd, std::string_view datos) {
  while (!datos.empty()) {
    const ssize_t n = ::write(fd, datos.data(), datos.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno != 0 ? errno : EIO;
    if (n == 0) return EIO;
    datos.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

Resultado<std::string> LeeArchivo(const std::string& ruta, std::size_t maximo) {
  // Opened without waiting: a named pipe or a device given as a project must not
  // hold the program; only a regular file is read.
  Descriptor f(::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (f.fd() < 0) {
    if (errno == ENOENT) return Falla{"Archivo no Encontrado"};
    return FallaSistema(errno);
  }
  struct stat st {};
  if (::fstat(f.fd(), &st) != 0) return FallaSistema(errno);
  if (S_ISDIR(st.st_mode)) return Falla{"Ilegal Nombre de Archivo"};  // a folder names no file
  if (!S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > maximo) return Falla{"Archivo Ilegal"};
  std::string bytes;
  char bloque[65536];
  for (;;) {
    const ssize_t n = ::read(f.fd(), bloque, sizeof bloque);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FallaSistema(errno);
    if (n == 0) return bytes;
    bytes.append(bloque, static_cast<std::size_t>(n));
    if (bytes.size() > maximo) return Falla{"Archivo Ilegal"};
  }
}

Resultado<void> GuardaArchivo(const std::string& ruta, std::string_view contenido) {
  if (ruta.empty() || ruta.back() == '/') return Falla{"Ilegal Nombre de Archivo"};
  const Resultado<std::string> destino = ArchivoDestino(ruta);
  if (!destino) return Falla{destino.Mensaje()};
  struct stat st {};
  const bool existe = ::stat(destino->c_str(), &st) == 0;
  if (!existe && errno != ENOENT) return FallaSistema(errno);
  if (existe && !S_ISREG(st.st_mode)) return Falla{"Ilegal Nombre de Archivo"};
  if (existe && !PermiteEscribir(st)) return Falla{"Permiso Denegado"};

  const std::string carpeta = Carpeta(*destino), nombre = Nombre(*destino);
  QuitaTemporalesViejos(carpeta, nombre);
  std::string temporal;
  Descriptor f(CreaTemporal(carpeta, nombre, temporal));
  if (f.fd() < 0) return FallaSistema(errno);
  auto falla = [&](int e) {
    ::unlink(temporal.c_str());
    return FallaSistema(e);
  };
  if (const int e = EscribeDescriptor(f.fd(), contenido)) return falla(e);
  if (::fsync(f.fd()) != 0 && errno != EINVAL && errno != EROFS) return falla(errno);
  if (existe) {
    // The saved file keeps the mode and, as far as this user may, the owner.
    (void)::fchmod(f.fd(), st.st_mode & 07777);
    // A user who may not give the file away saves it as their own.
    if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
        ::fchown(f.fd(), st.st_uid, st.st_gid) != 0) {
    }
  }
  if (::rename(temporal.c_str(), destino->c_str()) != 0) return falla(errno);
  if (f.Cierra() != 0) return FallaSistema(errno);
  // The new name is made lasting too.
  Descriptor d(::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (d.fd() >= 0) (void)::fsync(d.fd());
  return {};
}

std::string TextoErrorArchivo(std::error_code ec) {
  using std::errc;
  if (ec == errc::io_error || ec == errc::no_such_device_or_address || ec == errc::no_such_device ||
      ec == errc::device_or_resource_busy)
    return "El Disco no Esta Listo";
#ifdef ENOMEDIUM
  if (ec == std::error_code(ENOMEDIUM, std::generic_category())) return "El Disco no Esta Listo";
#endif
  if (ec == errc::no_space_on_device || ec == errc::file_too_large) return "El Disco Esta Lleno";
#ifdef EDQUOT
  if (ec == std::error_code(EDQUOT, std::generic_category())) return "El Disco Esta Lleno";
#endif
  if (ec == errc::no_such_file_or_directory || ec == errc::not_a_directory || ec == errc::filename_too_long ||
      ec == errc::invalid_argument || ec == errc::is_a_directory || ec == errc::illegal_byte_sequence)
    return "Ilegal Nombre de Archivo";
  if (ec == errc::permission_denied || ec == errc::operation_not_permitted) return "Permiso Denegado";
  if (ec == errc::read_only_file_system) return "Disco Protegido contra Escritura";
  if (ec == errc::too_many_symbolic_link_levels) return "Enlace Circular";
  // The rarer errors in the same words and form, never in the system's English.
  static const std::pair<errc, const char*> kOtros[] = {
      {errc::file_exists, "El Archivo ya Existe"},
      {errc::resource_unavailable_try_again, "Recurso no Disponible por el Momento"},
      {errc::too_many_files_open, "Demasiados Archivos Abiertos"},
      {errc::too_many_files_open_in_system, "Demasiados Archivos Abiertos"},
      {errc::not_enough_memory, "Memoria Insuficiente"},
      {errc::text_file_busy, "Archivo en Uso"},
      {errc::broken_pipe, "Tuberia Cerrada"},
      {errc::bad_file_descriptor, "Archivo Cerrado"},
      {errc::cross_device_link, "Archivo en Otro Disco"},
      {errc::directory_not_empty, "Carpeta no Vacia"},
      {errc::interrupted, "Operacion Interrumpida"},
      {errc::timed_out, "Tiempo de Espera Agotado"},
      {errc::operation_not_supported, "Operacion no Admitida"},
      {errc::function_not_supported, "Operacion no Admitida"},
      {errc::too_many_links, "Demasiados Enlaces"},
      {errc::value_too_large, "Archivo Demasiado Grande"},
      {errc::connection_reset, "Conexion Interrumpida"},
      {errc::connection_aborted, "Conexion Interrumpida"},
      {errc::not_connected, "Conexion Interrumpida"},
      {errc::host_unreachable, "Conexion Interrumpida"},
      {errc::network_unreachable, "Conexion Interrumpida"},
  };
  for (const auto& [e, texto] : kOtros)
    if (ec == e) return texto;
#ifdef ESTALE
  if (ec == std::error_code(ESTALE, std::generic_category())) return "Archivo de Red no Disponible";
#endif
  return "Error del Sistema No. " + std::to_string(ec.value());
}

IdentidadArchivo IdentidadDe(const std::string& ruta) {
  IdentidadArchivo id;
  struct stat st {};
  if (!ruta.empty() && ::stat(ruta.c_str(), &st) == 0) {
    id.existe = true;
    id.dispositivo = static_cast<unsigned long long>(st.st_dev);
    id.nodo = static_cast<unsigned long long>(st.st_ino);
    return id;
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path p = fs::absolute(ruta, ec);
  if (!ec) p = fs::weakly_canonical(p, ec);
  id.ruta = ec ? fs::path(ruta).lexically_normal().string() : p.string();
  return id;
}

bool MismoArchivo(const std::string& a, const std::string& b) {
  return !a.empty() && !b.empty() && IdentidadDe(a) == IdentidadDe(b);
}

}  // namespace placatec
