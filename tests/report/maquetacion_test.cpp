#include "report/Maquetacion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "report/ProyectoEjemplo.h"
#include "report/Reporte.h"

namespace placatec {
namespace {

using ejemplo::MedidorFijo;

struct Caja {
  double x1, y1, x2, y2;
};
bool SeSolapan(const Caja& a, const Caja& b) {
  const double e = 0.5;
  return a.x1 < b.x2 - e && b.x1 < a.x2 - e && a.y1 < b.y2 - e && b.y1 < a.y2 - e;
}
// The box of a text on the sheet; a turned text's, turned about its point.
Caja DeTexto(const TextoPagina& t) {
  if (t.angulo == 0) return {t.x, t.y, t.x + t.ancho, t.y + t.alto};
  const double a = t.angulo * std::numbers::pi / 180;
  Caja c{1e300, 1e300, -1e300, -1e300};
  for (double dx : {t.x - t.giroX, t.x + t.ancho - t.giroX})
    for (double dy : {t.y - t.giroY, t.y + t.alto - t.giroY}) {
      const double x = t.giroX + dx * std::cos(a) + dy * std::sin(a);
      const double y = t.giroY - dx * std::sin(a) + dy * std::cos(a);
      c = {std::min(c.x1, x), std::min(c.y1, y), std::max(c.x2, x), std::max(c.y2, y)};
    }
  return c;
}

const TextoPagina* Busca(const Pagina& p, const std::string& texto) {
  for (const TextoPagina& t : p.textos)
    if (t.texto == texto) return &t;
  return nullptr;
}

Maqueta Reporte20(int orientacion, int losas = 20, int apoyos = 19) {
  static Sesion s;
  ejemplo::Llena(s, losas, apoyos);
  OpcionesReporte o;
  o.encabezado = "Edificio K1|Planta 2|";
  Documento d = Reporte().Inicia(s, o, {});
  ConfiguracionPagina c;
  c.orientacion = orientacion;
  return MaquetaDocumento(d, c, MedidorFijo());
}

TEST(Maquetacion, NadaSeSolapaYTodoQuedaDentroDeLaHoja) {
  for (int orientacion : {0, 1}) {
    SCOPED_TRACE(orientacion);
    Maqueta m = Reporte20(orientacion);
    ASSERT_GE(m.paginas.size(), 2u);
    EXPECT_EQ(m.hoja.ancho, orientacion ? 15840 : 12240);
    for (const Pagina& p : m.paginas) {
      // (Texts inside the sheet: tests/report/paginas_test.cpp, on every paper.)
      for (std::size_t i = 0; i < p.textos.size(); ++i) {
        const Caja a = DeTexto(p.textos[i]);
        for (std::size_t j = i + 1; j < p.textos.size(); ++j)
          EXPECT_FALSE(SeSolapan(a, DeTexto(p.textos[j])))
              << "page " << p.numero << ": '" << p.textos[i].texto << "' and '" << p.textos[j].texto << "'";
      }
      // The plan, scaled to the page, and the tables keep to the margins.
      for (const LineaPagina& l : p.lineas) {
        EXPECT_GE(std::min(l.x1, l.x2), 1440 - 0.5);
        EXPECT_LE(std::max(l.x1, l.x2), m.hoja.ancho - 1440 + 0.5);
      }
      // Tables keep to the margins even when their columns add up to more.
      for (const RectanguloPagina& r : p.rectangulos) {
        if (r.grosor == 25) continue;  // the figure
        EXPECT_GE(r.x1, 1440 - 0.5);
        EXPECT_LE(r.x2, m.hoja.ancho - 1440 + 0.5);
        EXPECT_GE(r.y1, 1440 - 0.5);
        EXPECT_LE(r.y2, m.hoja.alto - 1440 + 0.5);
      }
    }
  }
}

TEST(Maquetacion, EncabezadoYPieEnCadaPagina) {
  Maqueta m = Reporte20(0);
  for (const Pagina& p : m.paginas) {
    const TextoPagina* titulo = Busca(p, "Edificio K1");
    const TextoPagina* centro = Busca(p, "Planta 2");
    const TextoPagina* numero =
        Busca(p, "P\xC3\xA1g. " + std::to_string(p.numero) + " de " + std::to_string(m.paginas.size()));
    ASSERT_TRUE(titulo && centro && numero) << p.numero;
    EXPECT_DOUBLE_EQ(titulo->x, 1440);                      // at the left margin
    EXPECT_NEAR(centro->x + centro->ancho / 2, 6120, 0.5);  // centred
    EXPECT_NEAR(numero->x + numero->ancho, 12240 - 1440, 0.5);
    EXPECT_LT(titulo->y + titulo->alto, 1440);  // above the body
    EXPECT_GT(numero->y, 15840 - 1440);         // below it
    EXPECT_EQ(titulo->estilo.tamano, 12.0);
    EXPECT_EQ(numero->estilo.tamano, 10.0);
  }
}

TEST(Maquetacion, ElEncabezadoDeUnaTablaSeRepite) {
  Maqueta m = Reporte20(0, 99, 99);
  ASSERT_GT(m.paginas.size(), 5u);
  int paginasConLosas = 0, paginasConVanos = 0;
  for (const Pagina& p : m.paginas) {
    // A page that carries rows of a table shows the table's titles above them (the
    // slabs' dead load is in their description and in their loads).
    if (Busca(p, "0.360")) {
      ++paginasConLosas;
      EXPECT_TRUE(Busca(p, "Lx (m)") || Busca(p, "Carga muerta")) << p.numero;
    }
    if (Busca(p, "Simple")) {
      ++paginasConVanos;
      EXPECT_NE(Busca(p, "Tipo"), nullptr) << p.numero;
    }
  }
  EXPECT_GE(paginasConVanos, 2);
  EXPECT_GE(paginasConLosas, 2);
}

TEST(Maquetacion, LaFiguraQuedaSobreLaDescripcionDeLosas) {
  for (int orientacion : {0, 1}) {
    Maqueta m = Reporte20(orientacion);
    bool vista = false;
    for (std::size_t n = 0; n < m.paginas.size(); ++n) {
      const Pagina& p = m.paginas[n];
      const RectanguloPagina* fig = nullptr;
      for (const RectanguloPagina& r : p.rectangulos)
        if (r.grosor == 25) fig = &r;
      if (!fig) continue;
      vista = true;
      const TextoPagina* tres = Busca(p, "3");
      ASSERT_NE(tres, nullptr);
      EXPECT_GT(tres->y, fig->y2);
      const TextoPagina* sub = Busca(p, "Descripcion de losas");
      const TextoPagina* numeracion = Busca(p, "Numeracion de los bordes");
      ASSERT_NE(numeracion, nullptr);  // the sub-title stays with its figure
      EXPECT_LT(numeracion->y + numeracion->alto, fig->y1);
      if (sub)
        EXPECT_GT(sub->y, tres->y + tres->alto);
      else
        EXPECT_NE(Busca(m.paginas.at(n + 1), "Descripcion de losas"), nullptr);
    }
    EXPECT_TRUE(vista);
  }
}

TEST(Maquetacion, UnaFilaMasAltaQueLaPaginaNoDetieneNada) {
  Documento d;
  TablaDoc t;
  t.columnas = {Izq(1000)};
  std::string largo;
  for (int i = 0; i < 400; ++i) largo += "palabra ";
  t.filas = {{"corta"}, {largo}, {"otra"}};
  d.bloques.emplace_back(t);
  Maqueta m = MaquetaDocumento(d, ConfiguracionPagina{}, MedidorFijo());
  EXPECT_EQ(m.paginas.size(), 3u);
}

}  // namespace
}  // namespace placatec
