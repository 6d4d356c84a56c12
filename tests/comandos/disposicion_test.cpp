// The slabs' places in the storey against places drawn by hand (tests/corpus/planta, with
// their working in its README): the same places every time a file is laid out, and each
// contradicted support or overlap reported by the layout and among the checks.
#include "model/Disposicion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "InterlocutorGuion.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"

namespace placatec {
namespace {

namespace fs = std::filesystem;

TEST(Disposicion, CoincideConLoDibujadoAMano) {
  int casos = 0;
  for (const auto& e : fs::directory_iterator(fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus/planta")) {
    if (e.path().extension() != ".posiciones") continue;
    ++casos;
    std::ifstream esperado(e.path());
    std::string linea;
    std::getline(esperado, linea);
    const std::string proyecto = linea.substr(2);
    SCOPED_TRACE(proyecto);
    auto s = std::make_unique<Sesion>();
    InterlocutorGuion ui;
    ASSERT_TRUE(CargaArchivo(*s, (fs::path(PLACATEC_SOURCE_DIR) / proyecto).string(), ui))
        << ui.UltimoTexto();
    const Disposicion d = DisponeLosas(s->proyecto);
    std::vector<std::string> problemas;
    int losas = 0;
    while (std::getline(esperado, linea)) {
      if (linea.rfind("! ", 0) == 0) {
        problemas.push_back(linea.substr(2));
      } else if (!linea.empty() && linea[0] != '#') {
        std::istringstream l(linea);
        int i = 0;
        double x = 0, y = 0;
        l >> i >> x >> y;
        ++losas;
        EXPECT_NEAR(d.X0[i], x, kToleranciaPosicion) << "losa " << i;
        EXPECT_NEAR(d.Y0[i], y, kToleranciaPosicion) << "losa " << i;
      }
    }
    EXPECT_EQ(losas, s->proyecto.NumLosas);
    std::vector<std::string> dichos;
    for (const ProblemaPosicion& q : d.problemas) dichos.push_back(q.texto);
    EXPECT_EQ(dichos, problemas);

    // A second layout of the same data gives the same places.
    const Disposicion otra = DisponeLosas(s->proyecto);
    EXPECT_EQ(otra.X0, d.X0);
    EXPECT_EQ(otra.Y0, d.Y0);

    // The checks list each problem, as a failed entry that names the slabs.
    ASSERT_TRUE(CalculaRefuerzo(*s, ui)) << ui.UltimoTexto();
    std::vector<std::string> avisos;
    for (const VerificacionAviso& a : s->verificaciones.avisos)
      if (a.tipo == TipoAviso::PosicionContradictoria || a.tipo == TipoAviso::LosasSuperpuestas) {
        avisos.push_back(a.motivo);
        EXPECT_FALSE(a.cumple);
        EXPECT_GT(a.losasDelApoyo[0], 0);
      }
    EXPECT_EQ(avisos, problemas);
  }
  EXPECT_GE(casos, 5);
}

}  // namespace
}  // namespace placatec
