#include "entry/ComandosArchivo.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "model/ArchivoLos.h"
#include "model/Numeros.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#define PLACATEC_FSYNC 1
#endif

namespace placatec {

namespace fs = std::filesystem;

namespace {

// A person answers every failure box; a scripted caller that always answers OK must
// not keep the program trying for ever.
constexpr int kMaxIntentos = 1000;

std::error_code UltimoError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

// Reads a whole file, refusing anything larger than a project file can be.
std::error_code LeeBytes(const std::string& ruta, std::string& bytes, bool& demasiado) {
  demasiado = false;
  errno = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(ruta.c_str(), "rb"), &std::fclose);
  if (!f) return UltimoError();
  char bloque[65536];
  for (;;) {
    errno = 0;
    const std::size_t n = std::fread(bloque, 1, sizeof bloque, f.get());
    bytes.append(bloque, n);
    if (bytes.size() > MaxBytesArchivo) {
      demasiado = true;
      return {};
    }
    if (n < sizeof bloque) {
      if (std::ferror(f.get())) return UltimoError();
      return {};
    }
  }
}

// Writes the file under a name beside the target and puts it in the target's place
// when it is complete.
std::error_code EscribeSeguro(const std::string& ruta, const std::string& contenido) {
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

TablaLosas::Fila FilaLosa(const Proyecto& p, int i) {
  TablaLosas::Fila f;
  f[0] = TextoNumero(i);
  f[1] = TextoCelda(p.Lx[i]);
  f[2] = TextoCelda(p.Ly[i]);
  for (std::size_t k = 0; k < 4; ++k)
    if (k < p.Bordes[i].size()) f[3 + k] = p.Bordes[i].substr(k, 1);
  f[7] = TextoCelda(p.CargaMuertaVano[i]);
  f[8] = TextoCelda(p.CargaVivaVano[i]);
  f[9] = TextoCelda(p.CargaMuertaVuelo[i]);
  f[10] = TextoCelda(p.CargaVivaVuelo[i]);
  f[11] = TextoCelda(p.EspesorLosa[i]);
  return f;
}

TablaApoyos::Fila FilaApoyo(const Proyecto& p, int j) {
  TablaApoyos::Fila f;
  f[0] = TextoNumero(j);
  f[1] = p.ApoyoDir[j];
  f[2] = TextoCelda(p.ApoyoLosa1[j]);
  f[3] = TextoCelda(p.ApoyoLosa2[j]);
  return f;
}

void Limpia(Interlocutor& ui) {
  ui.Estado("");
  ui.Progreso("");
}

bool CargaLeido(Sesion& s, std::string_view bytes, const std::string& nombre, Interlocutor& ui) {
  Proyecto& p = s.proyecto;
  // The file is read into a copy: the project in memory changes only when the whole
  // file has been read.
  auto leido = std::make_unique<Proyecto>(p);
  const ResultadoLectura r = LeeProyecto(bytes, *leido, ui);
  if (r.estado != Lectura::Completa) {
    p.Cargando = false;
    Limpia(ui);
    if (r.estado == Lectura::Ilegal) ui.Avisa("Archivo Ilegal", "", Icono::Exclamacion);
    return false;
  }
  leido->NombreArchivo = nombre;
  p = *leido;

  DatosGenerales& g = s.generales;
  g.PonTextoUso(r.textoUso);
  g.EscribeCaja(Caja::Nombre, p.Titulo);
  g.EscribeCaja(Caja::Cargam, Formato(p.CargaMuerta, "0.000"));
  g.EscribeCaja(Caja::Cargav, Formato(p.CargaViva, "0.000"));
  g.EscribeCaja(Caja::Espesor, Formato(p.EspesorGeneral, "0.000"));
  g.EscribeCaja(Caja::Recubrimiento, Str(p.Recubrimiento));
  g.EscribeCaja(Caja::Combo1, Str(static_cast<int>(p.Fc)));
  g.EscribeCaja(Caja::Combo2, Str(static_cast<int>(p.Fy)));

  s.losas.Vacia();
  ui.Estado("Cargando Losa");
  for (int i = 1; i <= p.NumLosas; ++i) {
    ui.Progreso(TextoNumero(i));
    s.losas.AgregaFila(FilaLosa(p, i));
  }
  s.losas.PrimeraFila();

  s.apoyos.Vacia();
  ui.Estado("Cargando Apoyo");
  for (int j = 1; j <= p.NumApoyos; ++j) {
    ui.Progreso(TextoNumero(j));
    s.apoyos.AgregaFila(FilaApoyo(p, j));
  }
  s.apoyos.PrimeraFila();

  Limpia(ui);
  p.CalculoHecho = false;

  // The general data opens while Cargando is still true: its activation shows the
  // layers read and recomputes the total dead load from them.
  g.Abre();
  g.Activa();
  p.Cargando = false;
  return true;
}

}  // namespace

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

bool CargaArchivo(Sesion& s, const std::string& ruta, Interlocutor& ui) {
  s.proyecto.Cargando = true;
  ui.Estado("Cargando Archivo...");
  std::string bytes;
  bool demasiado = false;
  const std::error_code ec = LeeBytes(ruta, bytes, demasiado);
  if (ec || demasiado) {
    s.proyecto.Cargando = false;
    Limpia(ui);
    if (demasiado) ui.Avisa("Archivo Ilegal", "", Icono::Exclamacion);
    else if (ec == std::errc::no_such_file_or_directory) ui.Avisa("Archivo no Encontrado", "", Icono::Exclamacion);
    else ui.Avisa(TextoErrorArchivo(ec), "", Icono::Exclamacion);
    return false;
  }
  return CargaLeido(s, bytes, ruta, ui);
}

bool CargaBytes(Sesion& s, std::string_view bytes, const std::string& nombre, Interlocutor& ui) {
  s.proyecto.Cargando = true;
  ui.Estado("Cargando Archivo...");
  return CargaLeido(s, bytes, nombre, ui);
}

bool SalvaArchivo(Sesion& s, const std::string& ruta, Interlocutor& ui) {
  ui.Estado("Salvando Archivo...");
  const std::string contenido = TextoProyecto(s.proyecto, s.generales.TextoUso());
  for (int intento = 1;; ++intento) {
    const std::error_code ec = EscribeSeguro(ruta, contenido);
    if (!ec) break;
    ui.Estado("");
    const Respuesta respuesta =
        ui.Pregunta({TextoErrorArchivo(ec), "", Icono::Exclamacion, Botones::OKCancelar});
    if (respuesta != Respuesta::OK || intento >= kMaxIntentos) return false;
    ui.Estado("Salvando Archivo...");
  }
  s.proyecto.NombreArchivo = ruta;
  ui.Estado("");
  return true;
}

}  // namespace placatec
