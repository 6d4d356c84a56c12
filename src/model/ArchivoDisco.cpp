#include "model/ArchivoDisco.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define PLACATEC_FSYNC 1
#endif

namespace placatec {

namespace fs = std::filesystem;

namespace {

std::error_code UltimoError() { return std::error_code(errno != 0 ? errno : EIO, std::generic_category()); }

// Writes the file under a name beside the target and puts it in the target's place
// when it is complete.
std::error_code EscribeSeguro(const std::string& ruta, std::string_view contenido) {
  if (ruta.empty()) return std::make_error_code(std::errc::invalid_argument);
  std::error_code ec;
  fs::path destino(ruta);
  if (fs::is_symlink(destino, ec)) {
    fs::path real = fs::canonical(destino, ec);
    if (!ec) destino = real;
    ec.clear();
  }
  const fs::file_status estado = fs::status(destino, ec);
  const bool existe = fs::exists(estado);
  if (existe && !fs::is_regular_file(estado)) return std::make_error_code(std::errc::is_a_directory);
  if (!destino.has_filename()) return std::make_error_code(std::errc::invalid_argument);

  fs::path temporal = destino;
  temporal += "~";
  errno = 0;
  std::FILE* f = std::fopen(temporal.c_str(), "wb");
  if (!f) return UltimoError();
  auto falla = [&](std::error_code e) {
    std::fclose(f);
    std::error_code ignorado;
    fs::remove(temporal, ignorado);
    return e;
  };
  errno = 0;
  if (std::fwrite(contenido.data(), 1, contenido.size(), f) != contenido.size()) return falla(UltimoError());
  errno = 0;
  if (std::fflush(f) != 0) return falla(UltimoError());
#ifdef PLACATEC_FSYNC
  if (::fsync(::fileno(f)) != 0 && errno != EINVAL && errno != EROFS) return falla(UltimoError());
#endif
  errno = 0;
  if (std::fclose(f) != 0) {
    const std::error_code e = UltimoError();
    fs::remove(temporal, ec);
    return e;
  }
  if (existe) fs::permissions(temporal, estado.permissions(), fs::perm_options::replace, ec);
  ec.clear();
  fs::rename(temporal, destino, ec);
  if (ec) {
    std::error_code ignorado;
    fs::remove(temporal, ignorado);
  }
  return ec;
}

}  // namespace

Resultado<std::string> LeeArchivo(const std::string& ruta, std::size_t maximo) {
  errno = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(ruta.c_str(), "rb"), &std::fclose);
  if (!f) {
    const std::error_code ec = UltimoError();
    if (ec == std::errc::no_such_file_or_directory) return Falla{"Archivo no Encontrado"};
    return Falla{TextoErrorArchivo(ec)};
  }
  std::string bytes;
  char bloque[65536];
  for (;;) {
    errno = 0;
    const std::size_t n = std::fread(bloque, 1, sizeof bloque, f.get());
    bytes.append(bloque, n);
    if (bytes.size() > maximo) return Falla{"Archivo Ilegal"};
    if (n < sizeof bloque) {
      if (std::ferror(f.get())) return Falla{TextoErrorArchivo(UltimoError())};
      return bytes;
    }
  }
}

Resultado<void> GuardaArchivo(const std::string& ruta, std::string_view contenido) {
  if (const std::error_code ec = EscribeSeguro(ruta, contenido)) return Falla{TextoErrorArchivo(ec)};
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
  return ec.message();
}

}  // namespace placatec
