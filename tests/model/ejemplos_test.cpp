// The sample projects of examples/ are the writer's own output: this test builds each
// one as the engineer would (general data through its dialog, slabs classified) and
// checks that the file in examples/ is exactly what the writer writes for it. With
// PLACATEC_REGENERA_EJEMPLOS=1 in the environment it writes the files instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "InterlocutorGuion.h"
#include "comandos/ComandosArchivo.h"
#include "engine/Clasificacion.h"
#include "model/ArchivoLos.h"

namespace placatec {

namespace {

struct Losa {
  float lx, ly;
  const char* bordes;
  float muertaVuelo = 0, vivaVuelo = 0;
  float viva = 0;  // 0: the general live load
};

struct Apoyo {
  const char* dir;
  int losa1, losa2;
};

struct Ejemplo {
  const char* archivo;
  const char* titulo;
  int uso;
  const char* fc;
  const char* fy;
  const char* recubrimiento;
  std::vector<Losa> losas;
  std::vector<Apoyo> apoyos;
  std::vector<int> codigos;  // the case code each slab must get
};

const std::vector<Ejemplo>& Ejemplos() {
  static const std::vector<Ejemplo> ejemplos = {
      {"techo.Los",
       "Techo de vivienda unifamiliar",
       0,
       "210",
       "4200",
       "2.5",
       {{4.0f, 5.0f, "AEAA"}, {3.5f, 5.0f, "EEAA"}, {4.0f, 5.0f, "EAAA"}},
       {{"X", 1, 2}, {"X", 2, 3}},
       {2, 4, 2}},
      {"entrepiso.Los",
       "Entrepiso de oficinas, nivel 2",
       15,
       "210",
       "4200",
       "2",
       {{4.0f, 5.0f, "AEAE"},
        {4.5f, 5.0f, "EEAE"},
        {4.0f, 5.0f, "EAAE"},
        {4.0f, 4.0f, "AEEA"},
        {4.5f, 4.0f, "EEEA", 0, 0, 0.5f},  // corridor
        {4.0f, 4.0f, "EAEA"}},
       {{"X", 1, 2}, {"X", 2, 3}, {"X", 4, 5}, {"X", 5, 6}, {"Y", 1, 4}, {"Y", 2, 5}, {"Y", 3, 6}},
       {6, 7, 6, 6, 7, 6}},
      {"voladizos.Los",
       "Vivienda con balcones y voladizos",
       3,
       "210",
       "2800",
       "2",
       {{4.0f, 5.0f, "EEAE"},
        {4.0f, 1.2f, "NNEN", 0.15f, 0.1f, 0.4f},  // balcony over slab 1, with its railing
        {3.0f, 5.0f, "ENEA"},
        {3.0f, 2.0f, "ANAE"},
        {1.0f, 5.0f, "NEAA", 0.1f, 0.0f, 0.4f},  // eave on the left of slab 1
        {3.0f, 3.0f, "AAAN", 0.1f, 0.0f}},
       {{"X", 5, 1}, {"Y", 2, 1}, {"X", 1, 3}, {"Y", 4, 3}},
       {7, 13, 25, 24, 13, 14}},
  };
  return ejemplos;
}

std::unique_ptr<Sesion> Construye(const Ejemplo& e) {
  auto s = std::make_unique<Sesion>();
  Proyecto& p = s->proyecto;
  DatosGenerales& g = s->generales;
  InterlocutorGuion ui;
  g.Abre();
  g.Activa();
  EXPECT_TRUE(g.EligeUso(e.uso));
  g.PonTexto(Caja::Nombre, e.titulo);
  g.PonTexto(Caja::Combo1, e.fc);
  g.PonTexto(Caja::Combo2, e.fy);
  g.PonTexto(Caja::Recubrimiento, e.recubrimiento);
  g.OK();
  p.NumLosas = static_cast<Integer>(e.losas.size());
  for (int i = 1; i <= p.NumLosas; ++i) {
    const Losa& l = e.losas[static_cast<std::size_t>(i - 1)];
    p.Lx[i] = l.lx;
    p.Ly[i] = l.ly;
    p.Bordes[i] = l.bordes;
    EXPECT_TRUE(ClasificaLosa(p, l.lx, l.ly, l.bordes)) << e.archivo << " losa " << i;
    p.CodigoLosa[i] = p.CodigoBordes;
    p.CargaMuertaVano[i] = p.CargaMuerta;
    p.CargaVivaVano[i] = l.viva > 0 ? l.viva : p.CargaViva;
    p.CargaMuertaVuelo[i] = l.muertaVuelo;
    p.CargaVivaVuelo[i] = l.vivaVuelo;
    p.EspesorLosa[i] = p.EspesorGeneral;
  }
  p.NumApoyos = static_cast<Integer>(e.apoyos.size());
  for (int j = 1; j <= p.NumApoyos; ++j) {
    const Apoyo& a = e.apoyos[static_cast<std::size_t>(j - 1)];
    p.ApoyoDir[j] = a.dir;
    p.ApoyoLosa1[j] = static_cast<float>(a.losa1);
    p.ApoyoLosa2[j] = static_cast<float>(a.losa2);
  }
  return s;
}

std::string Bytes(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

}  // namespace

TEST(Ejemplos, SonLaSalidaDelEscritorYCarganComoSeEscribieron) {
  const std::filesystem::path carpeta = std::filesystem::path(PLACATEC_SOURCE_DIR) / "examples";
  const char* regenera = std::getenv("PLACATEC_REGENERA_EJEMPLOS");
  for (const Ejemplo& e : Ejemplos()) {
    SCOPED_TRACE(e.archivo);
    auto s = Construye(e);
    const std::string texto = TextoProyecto(s->proyecto, s->generales.TextoUso());
    const auto ruta = carpeta / e.archivo;
    if (regenera && std::string(regenera) == "1") {
      InterlocutorGuion ui;
      ASSERT_TRUE(SalvaArchivo(*s, ruta.string(), ui));
    }
    EXPECT_EQ(Bytes(ruta), texto) << "ejecute la prueba con PLACATEC_REGENERA_EJEMPLOS=1";

    auto cargada = std::make_unique<Sesion>();
    InterlocutorGuion ui;
    ASSERT_TRUE(CargaArchivo(*cargada, ruta.string(), ui));
    const Proyecto& p = cargada->proyecto;
    ASSERT_EQ(p.NumLosas, static_cast<int>(e.codigos.size()));
    for (int i = 1; i <= p.NumLosas; ++i)
      EXPECT_EQ(p.CodigoLosa[i], e.codigos[static_cast<std::size_t>(i - 1)]) << "losa " << i;
    // Loading and opening the general data changes nothing the file holds.
    EXPECT_EQ(TextoProyecto(p, cargada->generales.TextoUso()), texto);
  }
}

}  // namespace placatec
