#include "comandos/ComandosArchivo.h"

#include <gtest/gtest.h>

#include <memory>

#include "Archivos.h"
#include "InterlocutorGuion.h"

namespace placatec {

namespace fs = std::filesystem;

namespace {

constexpr int kOficina = 15;

// A folder of its own for each test, removed at its end.
class Carpeta {
 public:
  Carpeta() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    ruta_ =
        fs::temp_directory_path() / (std::string("placatec-") + info->test_suite_name() + "-" + info->name() +
                                     "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(ruta_);
    fs::create_directories(ruta_);
  }
  ~Carpeta() {
    std::error_code ec;
    fs::remove_all(ruta_, ec);
  }
  std::string operator/(const std::string& nombre) const { return (ruta_ / nombre).string(); }

 private:
  fs::path ruta_;
};

// A storey of offices: two slabs on one support, entered as the engineer would.
std::unique_ptr<Sesion> SesionOficinas() {
  auto s = std::make_unique<Sesion>();
  Proyecto& p = s->proyecto;
  DatosGenerales& g = s->generales;
  g.Abre();
  g.Activa();
  g.EligeUso(kOficina);
  g.PonTexto(Caja::Nombre, "Oficinas, 2\xC2\xBA piso");
  g.PonTexto(Caja::Combo1, "210");
  g.PonTexto(Caja::Combo2, "4200");
  g.OK();
  p.NumLosas = 2;
  p.NumApoyos = 1;
  const char* bordes[] = {"", "EAAA", "AEAA"};
  for (int i = 1; i <= 2; ++i) {
    p.Lx[i] = 4.0f;
    p.Ly[i] = 5.25f;
    p.Bordes[i] = bordes[i];
    p.CodigoLosa[i] = 2;
    p.CargaMuertaVano[i] = p.CargaMuerta;
    p.CargaVivaVano[i] = p.CargaViva;
    p.EspesorLosa[i] = p.EspesorGeneral;
  }
  p.CargaMuertaVuelo[2] = 0.15f;
  p.ApoyoDir[1] = "X";
  p.ApoyoLosa1[1] = 1.0f;
  p.ApoyoLosa2[1] = 2.0f;
  return s;
}

}  // namespace

TEST(ComandosArchivo, SalvarYCargarReproducenElProyectoYSusDialogos) {
  Carpeta dir;
  auto a = SesionOficinas();
  InterlocutorGuion ui;
  const std::string ruta = dir / "oficinas.Los";
  ASSERT_TRUE(SalvaArchivo(*a, ruta, ui));
  EXPECT_EQ(a->estado.NombreArchivo, ruta);
  EXPECT_EQ(Bytes(ruta), TextoProyecto(a->proyecto, "Oficina: cuartos de oficinas"));
  EXPECT_FALSE(fs::exists(ruta + "~"));

  auto b = std::make_unique<Sesion>();
  InterlocutorGuion ui2;
  ASSERT_TRUE(CargaArchivo(*b, ruta, ui2));
  EXPECT_TRUE(ui2.mensajes.empty());
  const Proyecto& p = b->proyecto;
  EXPECT_EQ(b->estado.NombreArchivo, ruta);
  EXPECT_FALSE(b->estado.Cargando || b->estado.CalculoHecho);
  EXPECT_EQ(b->estado.TituloReporte, "Oficinas, 2\xC2\xBA piso");
  EXPECT_EQ(p.CodigoLosa[1], 2);
  EXPECT_EQ(p.NumApoyosReac, 1);
  // The general data as the dialog shows them after its activation.
  const DatosGenerales& g = b->generales;
  EXPECT_TRUE(g.Visible() && !g.ActivacionPendiente());
  EXPECT_EQ(g.Texto(Caja::Combo1), "210");  // the opening writes it without the blank
  EXPECT_EQ(g.TextoUso() + " " + g.Texto(Caja::Cargam), "Oficina: cuartos de oficinas 0.513");
  // The tables hold the cells as texts.
  ASSERT_EQ(b->losas.filas.size(), 2u);
  EXPECT_EQ(b->losas.filas[1],
            (TablaLosas::Fila{"2", "4", "5.25", "A", "E", "A", "A", "0.513", "0.25", "0.15", "0", "0.12"}));
  EXPECT_EQ(b->losas.filaActual, 0);
  ASSERT_EQ(b->apoyos.filas.size(), 1u);
  EXPECT_EQ(b->apoyos.filas[0], (TablaApoyos::Fila{"1", "X", "1", "2", ""}));
}

TEST(ComandosArchivo, UnaCargaFallidaDejaElProyectoIntacto) {
  Carpeta dir;
  auto s = SesionOficinas();
  InterlocutorGuion ui;
  const std::string ruta = dir / "bueno.Los";
  ASSERT_TRUE(SalvaArchivo(*s, ruta, ui));
  ASSERT_TRUE(CargaArchivo(*s, ruta, ui));
  s->estado.CalculoHecho = true;
  const std::string antes = VistaSesion(*s);

  // (Files that are no project: tests/model/corpus_test.cpp, over the refused corpus.)
  // Files that cannot be read at all.
  InterlocutorGuion ui3;
  EXPECT_FALSE(CargaArchivo(*s, dir / "no-existe.Los", ui3));
  EXPECT_EQ(ui3.UltimoTexto(), "Archivo no Encontrado");
  EXPECT_FALSE(CargaArchivo(*s, dir / "", ui3));
  EXPECT_EQ(ui3.UltimoTexto(), "Ilegal Nombre de Archivo");
  const std::string grande = dir / "grande.Los";
  Escribe(grande, Bytes(ruta));
  fs::resize_file(grande, MaxBytesArchivo + 1);
  EXPECT_FALSE(CargaArchivo(*s, grande, ui3));
  EXPECT_EQ(ui3.UltimoTexto(), "Archivo Ilegal");
  EXPECT_EQ(VistaSesion(*s), antes);
  EXPECT_FALSE(s->estado.Cargando);
  EXPECT_TRUE(s->estado.CalculoHecho);
  EXPECT_EQ(s->estado.NombreArchivo, ruta);
  EXPECT_TRUE(ui3.estados.empty() || ui3.estados.back().empty());
}

TEST(ComandosArchivo, UnaSalvadaFallidaDejaElArchivoViejo) {
  Carpeta dir;
  auto s = SesionOficinas();
  const std::string ruta = dir / "obra.Los";
  Escribe(ruta, "contenido viejo\r\n");
  fs::permissions(ruta, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // The file is marked read-only: the save cannot finish.
  fs::permissions(ruta, fs::perms::owner_write, fs::perm_options::remove);

  InterlocutorGuion ui;
  ui.respuestas = {Respuesta::OK, Respuesta::Cancelar};
  EXPECT_FALSE(SalvaArchivo(*s, ruta, ui));
  ASSERT_EQ(ui.mensajes.size(), 2u) << "OK intenta otra vez";
  EXPECT_EQ(ui.mensajes[0].texto, "Permiso Denegado");
  EXPECT_EQ(ui.mensajes[0].botones, Botones::OKCancelar);
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Exclamacion);
  EXPECT_EQ(ui.estados.back(), "");
  EXPECT_EQ(Bytes(ruta), "contenido viejo\r\n");
  EXPECT_EQ(s->estado.NombreArchivo, "");

  // The engineer clears the way and answers OK: the save goes on and completes.
  class Despeja : public InterlocutorGuion {
   public:
    explicit Despeja(std::string estorbo) : estorbo_(std::move(estorbo)) {}
    Respuesta Pregunta(const Mensaje& m) override {
      fs::permissions(estorbo_, fs::perms::owner_write, fs::perm_options::add);
      return InterlocutorGuion::Pregunta(m);
    }

   private:
    std::string estorbo_;
  } ui2(ruta);
  EXPECT_TRUE(SalvaArchivo(*s, ruta, ui2));
  EXPECT_EQ(ui2.mensajes.size(), 1u);
  EXPECT_EQ(Bytes(ruta), TextoProyecto(s->proyecto, s->generales.TextoUso()));
  EXPECT_EQ(s->estado.NombreArchivo, ruta);
  EXPECT_EQ(fs::status(ruta).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // Names that cannot be a file.
  InterlocutorGuion ui3;
  ui3.respuestas = {Respuesta::Cancelar, Respuesta::Cancelar, Respuesta::Cancelar};
  EXPECT_FALSE(SalvaArchivo(*s, dir / "no-hay/obra.Los", ui3));
  EXPECT_FALSE(SalvaArchivo(*s, dir / "", ui3));
  EXPECT_FALSE(SalvaArchivo(*s, "", ui3));
  ASSERT_EQ(ui3.mensajes.size(), 3u);
  for (const Mensaje& m : ui3.mensajes) EXPECT_EQ(m.texto, "Ilegal Nombre de Archivo");
  EXPECT_EQ(s->estado.NombreArchivo, ruta);
}

}  // namespace placatec
