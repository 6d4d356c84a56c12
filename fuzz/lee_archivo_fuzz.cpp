// Any bytes given to the project load, its own trailing section included, give a
// project or a refusal with a message: never a crash, a hang or an index outside the
// tables. A refused file leaves the session that was open as it was; a loaded project
// saves, reloads and saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "comandos/ComandoPlanta.h"
#include "comandos/ComandosArchivo.h"
#include "comandos/Sesion.h"
#include "model/ArchivoLos.h"
#include "outputs/Dxf.h"

namespace {

using namespace placatec;

// Counts the messages so that every refusal can be checked to have told the user.
class Contador : public Interlocutor {
 public:
  int mensajes = 0;
  Respuesta Pregunta(const Mensaje&) override {
    ++mensajes;
    return Respuesta::OK;
  }
};

// The project open before each input: an office floor of two slabs.
constexpr std::string_view kAnterior =
    "Oficinas\r\n 2  1  210  4200  .12  2  .513  .25 \r\n"
    " 1 EAAA, 4  5  .513  .25  0  0  .12 \r\n 2 AEAA, 4  5  .6  .3  0  0  .15 \r\n"
    " 1 X, 1  2 \r\nEntrepiso\r\n .12  2.4 \r\n 0  0 \r\n .025  1.8 \r\n .035  2.3 \r\n"
    " .1  0 \r\nOficina: cuartos de oficinas\r\n";

// What the user sees of a session: the file it would write, the boxes and the tables.
std::string Vista(const Sesion& s) {
  std::string v = TextoProyecto(s.proyecto, s.generales.TextoUso());
  for (int c = 0; c < NumCajas; ++c) v += "|" + s.generales.Texto(static_cast<Caja>(c));
  for (const auto& f : s.losas.filas)
    for (const auto& c : f) v += "|" + c;
  for (const auto& f : s.apoyos.filas)
    for (const auto& c : f) v += "|" + c;
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  const std::string_view bytes(reinterpret_cast<const char*>(datos), largo);
  auto s = std::make_unique<Sesion>();
  Contador ui;
  if (!CargaBytes(*s, kAnterior, "antes.Los", ui)) std::abort();
  const std::string antes = Vista(*s);
  ui.mensajes = 0;
  const bool cargado = CargaBytes(*s, bytes, "fuzz.Los", ui);
  const Proyecto& p = s->proyecto;
  if (s->estado.Cargando) std::abort();
  if (!cargado) {
    if (ui.mensajes != 1 || Vista(*s) != antes) std::abort();
    return 0;
  }
  if (p.NumLosas < 1 || p.NumLosas > MaxLosas || p.NumApoyos < 0 || p.NumApoyos > MaxApoyos) std::abort();
  // The extra supports of the file's own section follow the continuous ones, within the table.
  if (p.NumApoyosReac < p.NumApoyos || p.NumApoyosReac > MaxApoyos) std::abort();
  for (int i = 1; i <= p.NumLosas; ++i)
    if (p.CodigoLosa[i] < 1 || p.CodigoLosa[i] > 25) std::abort();
  // Whatever the places, the plan is drawn and written as a DXF.
  if (TextoDxf(DibujoDeSesion(*s)).find("EOF") == std::string::npos) std::abort();
  // What was loaded is saved, and the saved file loads and saves to the same bytes.
  const std::string texto = TextoProyecto(p, s->generales.TextoUso());
  auto otra = std::make_unique<Sesion>();
  Contador ui2;
  if (!CargaBytes(*otra, texto, "otra.Los", ui2)) std::abort();
  if (TextoProyecto(otra->proyecto, otra->generales.TextoUso()) != texto) std::abort();
  return 0;
}
