// "Exportar DXF..." and the message about the slabs' places, as the engineer meets them:
// a project without slabs or the project's own file refused, a project not calculated
// calculated first, one the calculation refuses drawn without steel and told why; the
// places' problems told once, and again only when they change; after a calculation,
// every mark of the bar schedule on the plan, where its bars go, with its label.
#include "comandos/ComandoPlanta.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "InterlocutorGuion.h"
#include "comandos/ComandoCalculo.h"
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

TEST(ComandoPlanta, CadaMarcaDeLaPlanillaEnLaPlanta) {
  for (const char* archivo : {"examples/entrepiso.Los", "examples/voladizos.Los", "examples/techo.Los",
                              "tests/corpus/a_mano/planilla.Los", "tests/corpus/carga/noventa_y_nueve.Los"}) {
    SCOPED_TRACE(archivo);
    InterlocutorGuion ui;
    auto s = Carga(archivo, ui);
    ASSERT_TRUE(CalculaRefuerzo(*s, ui)) << ui.UltimoTexto();
    const Disposicion d = DisponeLosas(s->proyecto);
    const DibujoPlanta dib = DibujoDeSesion(*s);  // every text kept, as in the DXF
    std::vector<const TextoPlanta*> etiquetas;
    for (const TextoPlanta& t : dib.textos)
      if (t.capa == CapaPlanta::AceroInferior || t.capa == CapaPlanta::AceroSuperior) etiquetas.push_back(&t);
    ASSERT_FALSE(s->planilla.marcas.empty());
    EXPECT_EQ(etiquetas.size(), s->planilla.marcas.size());
    for (const MarcaBarra& m : s->planilla.marcas) {
      SCOPED_TRACE(EtiquetaMarca(m));
      const CapaPlanta capa = m.superior ? CapaPlanta::AceroSuperior : CapaPlanta::AceroInferior;
      // Its label, in full or, where that would cover another text, its mark alone.
      EXPECT_EQ(std::count_if(etiquetas.begin(), etiquetas.end(),
                              [&](const TextoPlanta* t) {
                                return t->capa == capa && (t->texto == EtiquetaMarca(m) ||
                                                           t->texto == "M" + std::to_string(m.marca));
                              }),
                1);
      // Its bar from end to end where the schedule measures it, moved from its slab's
      // corner into the storey; only the place across the bars is the plan's, within
      // that slab.
      const auto k = static_cast<std::size_t>(m.losaReferencia);
      const bool dirY = m.direccion == 'Y';
      const double lado = dirY ? d.X0[k] : d.Y0[k], ancho = dirY ? s->proyecto.Lx[k] : s->proyecto.Ly[k];
      const double desde = (dirY ? d.Y0[k] + m.y0 : d.X0[k] + m.x0),
                   hasta = (dirY ? d.Y0[k] + m.y1 : d.X0[k] + m.x1);
      EXPECT_TRUE(std::any_of(dib.trazos.begin(), dib.trazos.end(), [&](const TrazoPlanta& t) {
        const double a = dirY ? t.a.y : t.a.x, b = dirY ? t.b.y : t.b.x;
        return t.capa == capa && !t.auxiliar && std::fabs(a - desde) < 1e-4 && std::fabs(b - hasta) < 1e-4 &&
               (dirY ? t.a.x : t.a.y) == (dirY ? t.b.x : t.b.y) && (dirY ? t.a.x : t.a.y) > lado &&
               (dirY ? t.a.x : t.a.y) < lado + ancho;
      }));
    }
    // No label covers another.
    for (std::size_t i = 0; i < etiquetas.size(); ++i)
      for (std::size_t j = i + 1; j < etiquetas.size(); ++j) {
        const auto a = ExtensionTexto(*etiquetas[i]), b = ExtensionTexto(*etiquetas[j]);
        EXPECT_FALSE(a[0].x < b[1].x && b[0].x < a[1].x && a[0].y < b[1].y && b[0].y < a[1].y)
            << etiquetas[i]->texto << " / " << etiquetas[j]->texto;
      }
  }
}

}  // namespace
}  // namespace placatec
