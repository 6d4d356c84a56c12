#include "report/Reporte.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

#include "Casos.h"
#include "report/ProyectoEjemplo.h"

namespace placatec {
namespace {

using Filas = std::vector<std::vector<std::string>>;

std::vector<std::string> SubTitulos(const Documento& d) {
  std::vector<std::string> t;
  for (const Bloque& b : d.bloques)
    if (auto* p = std::get_if<Parrafo>(&b); p && !p->texto.empty()) t.push_back(p->texto);
  return t;
}

// The block that follows the sub-title s, skipping blank lines.
const Bloque* TrasSubTitulo(const Documento& d, const std::string& s) {
  for (std::size_t i = 0; i < d.bloques.size(); ++i) {
    auto* p = std::get_if<Parrafo>(&d.bloques[i]);
    if (!p || p->texto != s) continue;
    for (std::size_t j = i + 1; j < d.bloques.size(); ++j) {
      auto* q = std::get_if<Parrafo>(&d.bloques[j]);
      if (q && q->texto.empty()) continue;
      return &d.bloques[j];
    }
  }
  return nullptr;
}

const TablaDoc& Tabla(const Documento& d, const std::string& s) {
  const Bloque* b = TrasSubTitulo(d, s);
  static const TablaDoc vacia;
  if (!b || !std::holds_alternative<TablaDoc>(*b)) {
    ADD_FAILURE() << "no table after " << s;
    return vacia;
  }
  return std::get<TablaDoc>(*b);
}

struct Contador {
  int reacciones = 0, cantidades = 0, refuerzo = 0;
  Recalculos Hooks() {
    return {[this](Sesion&) { ++reacciones; }, [this](Sesion&) { ++cantidades; },
            [this](Sesion&) { return ++refuerzo, std::string(); }};
  }
};

class ReporteTest : public ::testing::Test {
 protected:
  Sesion s;
  Contador cuenta;
  OpcionesReporte opciones;
  Documento Compone() { return Reporte().Inicia(s, opciones, cuenta.Hooks()); }
};

TEST_F(ReporteTest, SeccionesEnSuOrdenConTodosLosSubTitulos) {
  ejemplo::Llena(s, 3, 2);
  opciones.encabezado = "Edificio K1|";
  Documento d = Compone();
  std::vector<std::string> subtitulos = SubTitulos(d);
  // The limits of the method, in a paragraph of their own after the design basis.
  const auto limitaciones = std::find(subtitulos.begin(), subtitulos.end(), "Limitaciones del m\xC3\xA9todo");
  ASSERT_NE(limitaciones, subtitulos.end());
  for (const char* limite : {"alternancia de la carga viva", "Poisson", "todo el ancho", "caso 13"})
    EXPECT_NE(limitaciones[1].find(limite), std::string::npos) << limite;
  subtitulos.erase(limitaciones + 1);
  std::vector<std::string> esperados;
  for (const auto& c : LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/paginas/subtitulos.txt"))
    esperados.push_back(c[0]);
  EXPECT_EQ(subtitulos, esperados);
  // The revision of the project block goes where the footer says "%r".
  EXPECT_EQ(std::pair(d.encabezado, d.pie),
            std::pair(std::string("Edificio K1|"), std::string(kPieReporte.substr(2))));
  s.proyecto.Ficha.Revision = "B";
  EXPECT_EQ(Compone().pie, "Revisi\xC3\xB3n B" + std::string(kPieReporte.substr(2)));
  cuenta = {};
  d = Compone();
  // The summary totals the quantities, so they are recomputed for it too.
  EXPECT_EQ(std::pair(cuenta.reacciones, cuenta.cantidades), std::pair(1, 2));
  // The plan: one figure, scaled by the layout to the page, with every slab's number.
  std::vector<std::string> losas;
  for (const Bloque& b : d.bloques)
    if (auto* f = std::get_if<Figura>(&b); f && f->ancho > 0)
      for (const TextoFigura& t : f->textos)
        if (t.texto.starts_with("Losa ")) losas.push_back(t.texto);
  EXPECT_EQ(losas, (std::vector<std::string>{"Losa 1", "Losa 2", "Losa 3"}));

  // Sub-titles in the "Sub-Titulos" style after a blank line; tables at 10 points.
  auto* sub = std::get_if<Parrafo>(&d.bloques[1]);
  auto* blanco = std::get_if<Parrafo>(&d.bloques[0]);
  ASSERT_TRUE(sub && blanco);
  EXPECT_EQ(std::pair(blanco->texto, sub->texto), std::pair(std::string(), std::string("Resumen")));
  EXPECT_TRUE(sub->estilo.negrita);
  EXPECT_EQ(sub->estilo.tamano, 12.0);
  opciones.estilos[FilaTexto].tamano = 14;
  opciones.estilos[FilaTexto].fuente = "Courier New";
  d = Compone();
  const Estilo& e = Tabla(d, "Resumen").estilo;
  EXPECT_EQ(e.fuente + " " + std::to_string(e.tamano), "Courier New 10.000000");
}

TEST_F(ReporteTest, RefuerzoEnVanosConLaBarraDelReporte) {
  ejemplo::Llena(s, 2, 1);
  auto& r = s.resultados.losas;
  r[1].AreaX = 7.1f;
  r[1].AreaY = 15.875f;
  r[2].AreaX = -5.0f;
  r[2].SeparX = 0.25f;
  r[2].AreaY = std::nextafter(7.1f, 0.0f);
  Documento d = Compone();
  const TablaDoc& t = Tabla(d, "Refuerzo en vanos");
  EXPECT_EQ(t.encabezado, (std::vector<std::string>{"Losa", "Direccion", "Momento (To-m/m)",
                                                    "Refuerzo (cm2/m)", "Barras", "Tipo"}));
  ASSERT_EQ(t.filas.size(), 4u);
  EXPECT_EQ(t.filas[0], (std::vector<std::string>{"1", "X", "1.01", "3.50",
                                                  "\xC3\xB8"
                                                  " 1/2\" a 0.25",
                                                  "Simple"}));
  EXPECT_EQ(t.filas[1], (std::vector<std::string>{"", "Y", "-0.51", "2.50",
                                                  "\xC3\xB8"
                                                  " 3/4\" a 0.30",
                                                  "Doble"}));
  EXPECT_EQ(t.filas[2][4],
            "\xC3\xB8"
            " 3/8\" a 0.25");
  EXPECT_EQ(t.filas[3][4],
            "\xC3\xB8"
            " 3/8\" a 0.30");  // just below 7.1 as a Single
  EXPECT_EQ(BarraReporte(15.87f),
            "\xC3\xB8"
            " 1/2\" a ");

  // Grid texts are read as numbers and formatted again.
  s.vanos.filas[0][2] = {"2.5", std::nullopt};
  s.vanos.filas[0][6] = {"  Temp ", std::nullopt};
  d = Compone();
  const auto& fila = Tabla(d, "Refuerzo en vanos").filas[0];
  EXPECT_EQ(std::pair(fila[2], fila[5]), std::pair(std::string("2.50"), std::string("Temp")));
}

TEST_F(ReporteTest, SeccionesDesmarcadasODeshabilitadasNoSeComponenNiRecalculan) {
  ejemplo::Llena(s, 2, 1);
  opciones.marcadas = {false, false, false, false};
  Documento d = Compone();
  EXPECT_TRUE(d.bloques.empty());
  EXPECT_EQ(cuenta.reacciones + cuenta.cantidades, 0);

  opciones.marcadas = {true, true, false, true};
  d = Compone();
  EXPECT_EQ(cuenta.reacciones, 0);
  EXPECT_EQ(cuenta.cantidades, 1);
  EXPECT_EQ(TrasSubTitulo(d, "Reacciones de apoyo"), nullptr);

  // Without a calculation (and none run by the report) the result sections are not printed.
  s.estado.CalculoHecho = false;
  opciones.marcadas = {true, true, true, true};
  d = Compone();
  EXPECT_EQ(TrasSubTitulo(d, "Refuerzo en vanos"), nullptr);
  EXPECT_EQ(TrasSubTitulo(d, "Calculo metrico"), nullptr);
  EXPECT_NE(TrasSubTitulo(d, "Reacciones de apoyo"), nullptr);
  EXPECT_EQ(cuenta.cantidades + cuenta.reacciones, 2);
  EXPECT_TRUE(SeccionHabilitada(Seccion::Refuerzo, s));
  EXPECT_TRUE(SeccionHabilitada(Seccion::Datos, s));

  // A project without slabs has its summary, and nothing is calculated for it.
  ejemplo::Llena(s, 0, 0, false);
  cuenta = {};
  opciones.marcadas = MarcadasPorDefecto();
  d = Compone();
  EXPECT_NE(TrasSubTitulo(d, "Resumen"), nullptr);
  EXPECT_EQ(cuenta.refuerzo, 0);
}

// The program's own recomputations: the reactions and quantities printed are those of
// the current project, not what the grids held before.
TEST(ReporteDelPrograma, RecalculaReaccionesYCantidades) {
  Sesion s;
  ejemplo::Llena(s, 2, 1);
  Proyecto& p = s.proyecto;
  p.Lx[1] = p.Ly[1] = 4.0f;
  p.Lx[2] = p.Ly[2] = 4.0f;
  p.CargaMuertaVano[1] = p.CargaMuertaVano[2] = 0.5f;
  p.CodigoLosa[1] = p.CodigoLosa[2] = 1;
  s.medidas.Desperdicio = 7.0f;
  s.reacciones.filas.clear();
  s.medidas.tabla.Vacia();
  Documento d = Reporte().Inicia(s, OpcionesReporte{});
  const TablaDoc& r = Tabla(d, "Reacciones de apoyo");
  ASSERT_EQ(r.filas.size(), 1u);
  EXPECT_EQ(r.filas[0][5], "1.333");  // 4 x 0.5 / 3 from each of the two square slabs
  const TablaDoc& m = Tabla(d, "Calculo metrico");
  ASSERT_EQ(m.filas.size(), 3u);
  EXPECT_EQ(m.filas[0][1], "1.92");  // 4 x 4 x 0.12
  EXPECT_EQ(m.filas[0][2], "2.30");  // the 3/8 bars of the calculation run first, 7 % waste
}

}  // namespace
}  // namespace placatec
