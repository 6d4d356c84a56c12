// The steel of a calculation on the plan, against marks worked by hand
// (tests/corpus/planta/marcas_bordes_por_direccion.txt): where each bar mark lies and how
// DibujaMarca draws it on the steel layers, its label never upside down.
#include "outputs/Planta.h"

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

TEST(Planta, MarcasDeUnCalculoDondeLasPusoLaMano) {
  const std::filesystem::path raiz(PLACATEC_SOURCE_DIR);
  auto s = std::make_unique<Sesion>();
  InterlocutorGuion ui;
  ASSERT_TRUE(CargaArchivo(*s, (raiz / "tests/corpus/a_mano/bordes_por_direccion.Los").string(), ui));
  ASSERT_TRUE(CalculaRefuerzo(*s, ui)) << ui.UltimoTexto();
  const Disposicion d = DisponeLosas(s->proyecto);
  const RefuerzoPlanta r{s->resultados, s->vanos, s->verificaciones};
  const std::vector<BarraPlanta> marcas = MarcasPorMetro(s->proyecto, d, r);

  std::ifstream esperado(raiz / "tests/corpus/planta/marcas_bordes_por_direccion.txt");
  std::size_t k = 0;
  for (std::string linea; std::getline(esperado, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    SCOPED_TRACE(linea);
    ASSERT_LT(k, marcas.size());
    const BarraPlanta& m = marcas[k++];
    std::istringstream l(linea);
    int losa = 0, apoyo = 0, superior = 0;
    char dir = 0;
    PuntoPlanta a, b;
    l >> losa >> apoyo >> dir >> superior >> a.x >> a.y >> b.x >> b.y;
    EXPECT_EQ(std::tuple(m.losa, m.apoyo, m.direccion, m.superior),
              std::tuple(losa, apoyo, dir, superior == 1));
    EXPECT_NEAR(m.inicio.x, a.x, 1e-6);
    EXPECT_NEAR(m.inicio.y, a.y, 1e-6);
    EXPECT_NEAR(m.fin.x, b.x, 1e-6);
    EXPECT_NEAR(m.fin.y, b.y, 1e-6);
    EXPECT_NE(m.etiqueta.find("\xC3\xB8 3/8\" a 0."), std::string::npos);  // the bar and its spacing

    // Drawn: the bar and a tick at each end on its steel layer, the label along it.
    DibujoPlanta dib;
    DibujaMarca(m, {}, dib);
    const CapaPlanta capa = m.superior ? CapaPlanta::AceroSuperior : CapaPlanta::AceroInferior;
    ASSERT_EQ(dib.trazos.size(), 3u);
    ASSERT_EQ(dib.textos.size(), 1u);
    for (const TrazoPlanta& t : dib.trazos) EXPECT_EQ(t.capa, capa);
    EXPECT_EQ(dib.textos[0].texto, m.etiqueta);
    EXPECT_EQ(dib.textos[0].angulo, m.direccion == 'X' ? 0.0 : 90.0);
  }
  EXPECT_EQ(k, marcas.size());
}

}  // namespace
}  // namespace placatec
