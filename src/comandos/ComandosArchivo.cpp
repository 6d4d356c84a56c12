#include "comandos/ComandosArchivo.h"

#include <filesystem>
#include <memory>

#include "engine/Clasificacion.h"
#include "model/ArchivoDisco.h"
#include "model/ArchivoLos.h"
#include "model/Defectos.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// A person answers every failure box; a scripted caller that always answers OK must
// not keep the program trying for ever.
constexpr int kMaxIntentos = 1000;

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
  if (p.X0[i]) f[ColLosa::X0] = TextoCelda(*p.X0[i]);
  if (p.Y0[i]) f[ColLosa::Y0] = TextoCelda(*p.Y0[i]);
  return f;
}

TablaApoyos::Fila FilaApoyo(const Proyecto& p, int j) {
  TablaApoyos::Fila f;
  f[0] = TextoNumero(j);
  f[1] = p.ApoyoDir[j];
  f[2] = TextoCelda(p.ApoyoLosa1[j]);
  f[3] = TextoCelda(p.ApoyoLosa2[j]);
  f[ColApoyo::Descripcion] = p.ApoyoDescripcion[j];
  return f;
}

// A project as the program starts one. What belongs to the program rather than to a
// project (the slab table's row defaults, the report's footer, the waste allowance of
// the quantities window) is in the session, which a load keeps.
std::unique_ptr<Proyecto> ProyectoNuevo() {
  auto p = std::make_unique<Proyecto>();
  ValoresPorDefecto(*p);
  return p;
}

void Limpia(Interlocutor& ui) {
  ui.Estado("");
  ui.Progreso("");
}

bool CargaLeido(Sesion& s, std::string_view bytes, const std::string& nombre, Interlocutor& ui) {
  Proyecto& p = s.proyecto;
  // The file is read into a new project: the one in memory changes only when the
  // whole file has been read, and nothing of it leaks into what is read.
  auto leido = ProyectoNuevo();
  const ResultadoLectura r = LeeProyecto(bytes, *leido);
  // The slabs read are classified in the file's order: a rejected edge combination
  // is told before a fault further on in the file.
  for (int i = 1; i <= r.losasLeidas; ++i) {
    Proyecto& q = *leido;
    const std::optional<Integer> codigo = ClasificaLosa(q.Lx[i], q.Ly[i], q.Bordes[i]);
    if (!codigo) {
      s.estado.Cargando = false;
      Limpia(ui);
      ui.Avisa(std::string(kTextoBordesNoValidos), "ERROR", Icono::Exclamacion);
      return false;
    }
    q.CodigoLosa[i] = *codigo;
    q.BordesInvalidos[i] = false;
  }
  if (!r.completa) {
    s.estado.Cargando = false;
    Limpia(ui);
    ui.Avisa(r.mensaje.empty() ? "Archivo Ilegal" : r.mensaje, "", Icono::Exclamacion);
    return false;
  }
  p = *leido;
  s.estado.NombreArchivo = nombre;
  s.estado.EnDisco = std::string(bytes);
  s.estado.ErrorCalculo = 0;
  s.resultados = ResultadosCalculo{};  // those of the project the file replaces

  DatosGenerales& g = s.generales;
  g.Reinicia();
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
  s.estado.CalculoHecho = false;

  // The general data opens while Cargando is still true: its activation shows the
  // layers read and recomputes the total dead load from them. The values are those
  // of the file, zeros included.
  g.ReglasEnLaActivacion();
  g.AbreConValores();
  g.Activa();
  // A slab load left at zero means the general load; when the file's general load was
  // zero too, the slab takes the one the dialog has just worked out, so that what is
  // saved reads back the same.
  for (int i = 1; i <= p.NumLosas; ++i) {
    if (!TomaValorGeneral(p.CargaMuertaVano[i]) && !TomaValorGeneral(p.CargaVivaVano[i])) continue;
    p.CargaMuertaVano[i] = ValorOGeneral(p.CargaMuertaVano[i], p.CargaMuerta);
    p.CargaVivaVano[i] = ValorOGeneral(p.CargaVivaVano[i], p.CargaViva);
    s.losas.filas[static_cast<std::size_t>(i - 1)] = FilaLosa(p, i);
  }
  s.estado.Cargando = false;
  s.estado.Modificado = false;
  return true;
}

}  // namespace

bool CargaArchivo(Sesion& s, const std::string& ruta, Interlocutor& ui) {
  s.estado.Cargando = true;
  ui.Estado("Cargando Archivo...");
  const Resultado<std::string> bytes = LeeArchivo(ruta);
  if (!bytes) {
    s.estado.Cargando = false;
    Limpia(ui);
    ui.Avisa(bytes.Mensaje(), "", Icono::Exclamacion);
    return false;
  }
  return CargaLeido(s, *bytes, ruta, ui);
}

bool CargaBytes(Sesion& s, std::string_view bytes, const std::string& nombre, Interlocutor& ui) {
  s.estado.Cargando = true;
  ui.Estado("Cargando Archivo...");
  return CargaLeido(s, bytes, nombre, ui);
}

namespace {

bool MismoArchivo(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec) && !ec;
}

// Saving over the project's own file after another program rewrote it: the engineer
// is told and chooses. True when the save may go on.
bool PuedeReemplazar(const Sesion& s, const std::string& ruta, Interlocutor& ui) {
  const std::string& archivo = s.estado.NombreArchivo;
  if (archivo.empty() || !MismoArchivo(ruta, archivo)) return true;
  const Resultado<std::string> actual = LeeArchivo(ruta);
  // A file gone or unreadable is not overwritten data; the save tells its own failure.
  if (!actual || *actual == s.estado.EnDisco) return true;
  const std::string nombre = std::filesystem::path(ruta).filename().string();
  return ui.Pregunta({"El archivo " + nombre +
                          " fue modificado por otro programa desde que se cargo o se salvo.\r"
                          "¿Reemplazarlo con este proyecto?",
                      "", Icono::Exclamacion, Botones::SiNo}) == Respuesta::Si;
}

}  // namespace

bool SalvaArchivo(Sesion& s, const std::string& ruta, Interlocutor& ui) {
  if (!PuedeReemplazar(s, ruta, ui)) return false;
  ui.Estado("Salvando Archivo...");
  const std::string contenido = TextoProyecto(s.proyecto, s.generales.TextoUso());
  for (int intento = 1;; ++intento) {
    const Resultado<void> guardado = GuardaArchivo(ruta, contenido);
    if (guardado) break;
    ui.Estado("");
    const Respuesta respuesta =
        ui.Pregunta({guardado.Mensaje(), "", Icono::Exclamacion, Botones::OKCancelar});
    if (respuesta != Respuesta::OK || intento >= kMaxIntentos) return false;
    ui.Estado("Salvando Archivo...");
  }
  s.estado.NombreArchivo = ruta;
  s.estado.EnDisco = contenido;
  s.estado.Modificado = false;
  ui.Estado("");
  return true;
}

}  // namespace placatec
