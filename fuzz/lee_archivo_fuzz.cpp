// Any bytes given to the project load give a project or a refusal with a message:
// never a crash, a hang or an index outside the tables.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "comandos/ComandosArchivo.h"
#include "comandos/Sesion.h"
#include "model/ArchivoLos.h"

namespace {

// Counts the messages so that every refusal can be checked to have told the user.
class Contador : public placatec::Interlocutor {
 public:
  int mensajes = 0;
  placatec::Respuesta Pregunta(const placatec::Mensaje&) override {
    ++mensajes;
    return placatec::Respuesta::OK;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  using namespace placatec;
  const std::string_view bytes(reinterpret_cast<const char*>(datos), largo);
  auto s = std::make_unique<Sesion>();
  Contador ui;
  const bool cargado = CargaBytes(*s, bytes, "fuzz.Los", ui);
  const Proyecto& p = s->proyecto;
  if (p.Cargando) std::abort();
  if (!cargado) {
    if (ui.mensajes != 1) std::abort();
    return 0;
  }
  if (p.NumLosas < 1 || p.NumLosas > MaxLosas || p.NumApoyos < 0 || p.NumApoyos > MaxApoyos) std::abort();
  for (int i = 1; i <= p.NumLosas; ++i)
    if (p.CodigoLosa[i] < 1 || p.CodigoLosa[i] > 25) std::abort();
  // What was loaded can be written, and the writing can be read back.
  const std::string texto = TextoProyecto(p, s->generales.TextoUso());
  Proyecto otro;
  Contador ui2;
  (void)LeeProyecto(texto, otro, ui2);
  return 0;
}
