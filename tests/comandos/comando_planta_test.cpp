// "Exportar DXF..." and the message about the slabs' places, as the engineer meets them:
// a project without slabs or the project's own file refused, a project not calculated
// calculated first, one the calculation refuses drawn without steel and told why; the
// places' problems told once, and again only when they change.
#include "comandos/ComandoPlanta.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "InterlocutorGuion.h"
#include "comandos/ComandosArchivo.h"
#include "model/ArchivoDisco.h"

namespace placatec {
namespace {

namespace fs = std::filesystem;
const fs::path kRaiz(PLACATEC_SOURCE_DIR);

std::unique_ptr<Sesion> Carga(const char* archivo, InterlocutorGuion& ui) {
  auto s = std::make_unique<Sesion>();
  EXPECT_TRUE(CargaArchivo(*s, (kRaiz / archivo).string(), ui)) << ui.UltimoTexto();
  ui.mensajes.clear();
  return s;
}

TEST(ComandoPlanta, ExportaDxfCalculaORehusaConSuMotivo) {
  const fs::path dir = fs::temp_directory_path() / ("placatec-planta-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string dxf = (dir / "planta.dxf").string();
  InterlocutorGuion ui;

  Sesion vacia;
  EXPECT_FALSE(ExportaDxf(vacia, dxf, ui));
  EXPECT_EQ(ui.UltimoTexto(), "El proyecto no tiene losas que dibujar.");

  auto s = Carga("examples/entrepiso.Los", ui);
  EXPECT_FALSE(ExportaDxf(*s, s->estado.NombreArchivo, ui));  // the project would be lost
  EXPECT_EQ(ui.mensajes.back().titulo, "Exportar DXF");
  EXPECT_FALSE(fs::exists(dxf));
  ui.mensajes.clear();
  ASSERT_TRUE(ExportaDxf(*s, dxf, ui));
  EXPECT_TRUE(ui.mensajes.empty());
  EXPECT_TRUE(s->estado.CalculoHecho);  // calculated first, so the steel is drawn
  const Resultado<std::string> escrito = LeeArchivo(dxf);
  ASSERT_TRUE(escrito);
  EXPECT_NE(escrito->find("  0\nTEXT\n  8\nACERO_INFERIOR\n"), std::string::npos);

  auto rechazado = Carga("tests/corpus/calculo/error_apoyo_sin_losa.Los", ui);
  ASSERT_TRUE(ExportaDxf(*rechazado, dxf, ui));
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_EQ(ui.mensajes[0].texto.rfind("La planta se guardo sin el refuerzo", 0), 0u) << ui.UltimoTexto();
  fs::remove_all(dir);
}

TEST(ComandoPlanta, LosProblemasDePosicionSeDicenUnaVez) {
  InterlocutorGuion ui;
  auto s = Carga("tests/corpus/planta/contradiccion.Los", ui);
  AvisaDisposicion(*s, ui);
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_EQ(ui.mensajes[0].titulo, "Planta");
  for (const ProblemaPosicion& q : DisponeLosas(s->proyecto).problemas)
    EXPECT_NE(ui.mensajes[0].texto.find(q.texto), std::string::npos) << q.texto;
  AvisaDisposicion(*s, ui);
  EXPECT_EQ(ui.mensajes.size(), 1u);  // nothing new
  s->proyecto.X0[2] = 4.0f;           // slab 5 set away from slab 2: no overlap, a support contradicted
  s->proyecto.X0[5] = 20.0f;
  AvisaDisposicion(*s, ui);
  ASSERT_EQ(ui.mensajes.size(), 2u);
  EXPECT_EQ(ui.mensajes[1].texto.find("se superponen"), std::string::npos);
}

}  // namespace
}  // namespace placatec
