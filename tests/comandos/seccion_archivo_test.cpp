// What the engineer adds beyond the old file format (the extra supports of the
// reactions table, the supports' descriptions) is saved and comes back, through the
// commands and the windows' logic as the engineer uses them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "InterlocutorGuion.h"
#include "comandos/ComandosArchivo.h"
#include "comandos/ComandosPrincipal.h"
#include "model/ArchivoLos.h"

namespace placatec {

namespace {

std::unique_ptr<Sesion> Carga(const char* archivo) {
  auto s = std::make_unique<Sesion>();
  InterlocutorGuion ui;
  EXPECT_TRUE(CargaArchivo(*s, std::string(PLACATEC_SOURCE_DIR "/") + archivo, ui)) << ui.UltimoTexto();
  return s;
}

std::string Guardado(const Sesion& s) { return TextoProyecto(s.proyecto, s.generales.TextoUso()); }

// The reactions table as its window shows it, opened afresh.
std::vector<TablaReacciones::Fila> Reacciones(Sesion& s) {
  InterlocutorGuion ui;
  s.reacciones.Abre(ui);
  return s.reacciones.filas;
}

}  // namespace

TEST(SeccionArchivo, LoQueElIngenieroAgregaSeGuardaYVuelveIgual) {
  auto s = Carga("examples/techo.Los");
  InterlocutorGuion ui;
  s->apoyos.Activa(ui);
  s->apoyos.EditaCelda(1, ColApoyo::Descripcion, "Viga eje 2 = V-102\nver detalle \xE2\x89\xA5 3");
  s->apoyos.OK(ui);
  // Two beams under single slabs in the reactions window, one described.
  TablaReacciones& reac = s->reacciones;
  reac.Abre(ui);
  s->estado.Modificado = false;
  ASSERT_TRUE(reac.AgregaFilaNueva(ui) && reac.AgregaFilaNueva(ui));
  reac.EditaCelda(2, ColReac::Losa1, "1", ui);
  reac.EditaCelda(2, ColReac::Descripcion, "Viga de borde", ui);
  reac.EditaCelda(3, ColReac::Losa2, "3", ui);
  reac.BotonDir(3);
  reac.OK(ui);
  ASSERT_FALSE(reac.abierta) << ui.UltimoTexto();
  EXPECT_TRUE(s->estado.Modificado) << "cerrar sin guardar debe preguntar";

  // Loaded by a program that never saw them, with an item of a later version after
  // them: the same table and description, the same file. The waste allowance stays
  // the quantities window's own, whatever a file says.
  const std::string texto = Guardado(*s) + "Desperdicio=3\r\n";
  auto otra = std::make_unique<Sesion>();
  otra->medidas.Desperdicio = 12.5f;
  ASSERT_TRUE(CargaBytes(*otra, texto, "otra.Los", ui)) << ui.UltimoTexto();
  EXPECT_EQ(Reacciones(*otra), Reacciones(*s));
  EXPECT_EQ(otra->apoyos.filas.at(1)[ColApoyo::Descripcion], s->proyecto.ApoyoDescripcion[2]);
  EXPECT_EQ(Guardado(*otra), texto);
  EXPECT_EQ(otra->medidas.Desperdicio, 12.5f);
  // Up to the section the file holds what the old format holds, line for line.
  auto viejo = std::make_unique<Proyecto>(s->proyecto);
  viejo->NumApoyosReac = viejo->NumApoyos;
  viejo->ApoyoDescripcion.fill("");
  const std::string largo = TextoProyecto(*viejo, s->generales.TextoUso());
  EXPECT_EQ(texto.substr(0, largo.size() + 12), largo + "[Placatec]\r\n");
}

TEST(SeccionArchivo, LosApoyosAdicionalesSiguenALosContinuos) {
  auto s = Carga("tests/corpus/ida_y_vuelta/apoyos_adicionales.Los");
  Proyecto& p = s->proyecto;
  p.ApoyoDescripcion[4].clear();
  const auto adicionales = ApoyosAdicionales(p);
  ASSERT_EQ(adicionales.size(), 2u);
  // A third continuous support, then every one removed.
  InterlocutorGuion ui;
  s->apoyos.Activa(ui);
  ASSERT_TRUE(s->apoyos.AgregaFilaNueva(ui));
  s->apoyos.EditaCelda(2, ColApoyo::Losa1, "1");
  s->apoyos.EditaCelda(2, ColApoyo::Losa2, "3");
  s->apoyos.OK(ui);
  EXPECT_EQ((std::pair<int, int>(p.NumApoyos, p.NumApoyosReac)), (std::pair(3, 5)));
  EXPECT_EQ(ApoyosAdicionales(p), adicionales);
  EXPECT_EQ(Reacciones(*s).at(4)[ColReac::Descripcion], "Apoyo 5") << "sin descripcion: su nuevo numero";
  s->apoyos.BorraTodo(ui);
  EXPECT_EQ((std::pair<int, int>(p.NumApoyos, p.NumApoyosReac)), (std::pair(0, 2)));
  EXPECT_EQ(ApoyosAdicionales(p), adicionales);
  // A new project starts without them, and without the items of another version.
  NuevosDatos(*s);
  EXPECT_EQ(Guardado(*s).find("[Placatec]"), std::string::npos);
}

// The project block comes back from the file in its fields; an old file leaves it empty,
// and the engineer's edit marks the project modified without withdrawing a calculation.
TEST(SeccionArchivo, LaFichaDelProyectoVuelveYUnArchivoViejoLaDejaVacia) {
  auto s = Carga("tests/corpus/ida_y_vuelta/ficha_proyecto.Los");
  const FichaProyecto& f = s->proyecto.Ficha;
  EXPECT_EQ(f.Nombre, "Vivienda unifamiliar Los \xC3\x81lamos");
  EXPECT_EQ(f.Revision, "B");
  EXPECT_EQ(f.Notas, "Losa de techo sin acceso.\nCargas segun uso \xE2\x89\xA5 techo plano");
  EXPECT_TRUE(s->proyecto.ItemsDesconocidos.empty());
  auto viejo = Carga("examples/techo.Los");
  EXPECT_EQ(viejo->proyecto.Ficha, FichaProyecto{});
  viejo->generales.PonFicha(6, "C");
  EXPECT_EQ(viejo->proyecto.Ficha.Revision, "C");
  EXPECT_TRUE(viejo->estado.Modificado);
  EXPECT_NE(Guardado(*viejo).find("\r\n[Placatec]\r\nProyecto.Revision=C\r\n"), std::string::npos);
}

}  // namespace placatec
