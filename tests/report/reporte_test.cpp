#include "report/Reporte.h"

#include <gtest/gtest.h>

#include <cmath>

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
  int reacciones = 0, cantidades = 0;
  Recalculos Hooks() {
    return {[this](Sesion&) { ++reacciones; }, [this](Sesion&) { ++cantidades; }};
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
  EXPECT_EQ(SubTitulos(d),
            (std::vector<std::string>{"Datos generales", "Nomenclatura para las condiciones de borde",
                                      "Numeracion de los bordes", "Descripcion de losas",
                                      "Definicion de apoyos continuos", "Bases de dise\xC3\xB1o",
                                      "An\xC3\xA1lisis de losas", "Refuerzo en vanos",
                                      "Refuerzo en apoyos", "Reacciones de apoyo", "Calculo metrico"}));
  EXPECT_EQ(std::pair(d.encabezado, d.pie), std::pair(std::string("Edificio K1|"), std::string("||Pag %d")));
  EXPECT_EQ(cuenta.reacciones + cuenta.cantidades, 2);

  // Sub-titles in the "Sub-Titulos" style after a blank line; tables at 10 points.
  auto* sub = std::get_if<Parrafo>(&d.bloques[1]);
  auto* blanco = std::get_if<Parrafo>(&d.bloques[0]);
  ASSERT_TRUE(sub && blanco);
  EXPECT_EQ(std::pair(blanco->texto, sub->texto), std::pair(std::string(), std::string("Datos generales")));
  EXPECT_TRUE(sub->estilo.negrita);
  EXPECT_EQ(sub->estilo.tamano, 12.0);
  opciones.estilos[FilaTexto].tamano = 14;
  opciones.estilos[FilaTexto].fuente = "Courier New";
  d = Compone();
  const Estilo& e = Tabla(d, "Datos generales").estilo;
  EXPECT_EQ(e.fuente + " " + std::to_string(e.tamano), "Courier New 10.000000");
}

TEST_F(ReporteTest, DatosGeneralesConSusFormatosYLaCargaMuerta) {
  ejemplo::Llena(s, 3, 0);
  // An office floor, picked in the general data dialog: its layers as shown there.
  ASSERT_TRUE(s.generales.EligeUso(15));
  Documento d = Compone();
  const TablaDoc& t = Tabla(d, "Datos generales");
  EXPECT_EQ(t.columnas,
            (std::vector<ColumnaTabla>{
                {Alineacion::Izquierda, 3000}, {Alineacion::Derecha, 1200}, {Alineacion::Izquierda, 1200}}));
  EXPECT_TRUE(t.encabezado.empty());
  EXPECT_EQ(t.filas, (Filas{{"Numero de losas", "3", " "},
                            {"Numero de apoyos continuos", "", " "},  // "#####" prints nothing for 0
                            {" ", " ", " "},
                            {"Esfuerzo en el concreto (F'c)", "180", "Kg/cm2"},
                            {"Esfuerzo en el acero (Fy)", "2800", "Kg/cm2"},
                            {"Espesor general de losas", "0.120", "m"},
                            {"Recubrimiento", "2.000", "cm"},
                            {" ", " ", " "},
                            {"Carga muerta:", " ", " "},
                            {"    Losa", "0.288", "To/m2"},
                            {"    Mortero", "0.045", "To/m2"},
                            {"    Mosaicos", "0.080", "To/m2"},
                            {"    Panderetas", "0.100", "To/m2"},
                            {"Carga muerta general", "0.513", "To/m2"},
                            {" ", " ", " "},
                            {"Carga viva general", "0.250", "To/m2"},
                            {" ", " ", " "},
                            {"Carga ultima general", "1.143", "To/m2"}}));

  const TablaDoc& n = Tabla(d, "Nomenclatura para las condiciones de borde");
  EXPECT_EQ(n.filas, (Filas{{"A = Apoyado"}, {"E = Empotrado"}, {"N = No Apoyado"}}));

  // A roof shows its two layers only.
  ASSERT_TRUE(s.generales.EligeUso(0));
  d = Compone();
  const Filas& f = Tabla(d, "Datos generales").filas;
  EXPECT_EQ(Filas(f.begin() + 9, f.begin() + 12), (Filas{{"    Losa", "0.240", "To/m2"},
                                                         {"    Fino de mezcla", "0.090", "To/m2"},
                                                         {"Carga muerta general", "0.330", "To/m2"}}));
}

TEST_F(ReporteTest, DescripcionDeLosasYApoyos) {
  ejemplo::Llena(s, 3, 2);
  Proyecto& p = s.proyecto;
  p.Bordes[1] = "AANA";
  p.Bordes[2] = "AAEE";
  p.CargaMuertaVano[3] = 0.0f;  // takes the general load: printed as stored
  Documento d = Compone();
  const TablaDoc& t = Tabla(d, "Descripcion de losas");
  ASSERT_EQ(t.columnas.size(), 12u);
  EXPECT_EQ(t.encabezado.at(8), "CM-vuelo (To/m)");
  ASSERT_EQ(t.filas.size(), 3u);
  EXPECT_EQ(t.filas[0], (std::vector<std::string>{"1", "3.500", "4.500", "0.120", "A", "A", "N", "A", "0.150",
                                                  "0.100", "0.360", "0.200"}));
  EXPECT_EQ(std::pair(t.filas[1][8], t.filas[1][9]), std::pair(std::string(" "), std::string(" ")));
  EXPECT_EQ(t.filas[2][10], "0.000");

  const TablaDoc& a = Tabla(d, "Definicion de apoyos continuos");
  EXPECT_EQ(a.encabezado, (std::vector<std::string>{"Apoyo", "Direccion", "Losa A", "Losa B"}));
  EXPECT_EQ(a.filas, (Filas{{"1", "X", "1", "2"}, {"2", "Y", "2", "3"}}));

  // The figure comes between its sub-title and the slab description.
  const Bloque* fig = TrasSubTitulo(d, "Numeracion de los bordes");
  ASSERT_NE(fig, nullptr);
  ASSERT_TRUE(std::holds_alternative<Figura>(*fig));
  const Figura& f = std::get<Figura>(*fig);
  ASSERT_EQ(f.rectangulos.size(), 1u);
  EXPECT_EQ(f.rectangulos[0].grosor, 25);
  EXPECT_EQ(f.lineas.size(), 2u);
  std::string etiquetas;
  for (const TextoFigura& tx : f.textos) etiquetas += tx.texto + std::to_string(int(tx.estilo.tamano));
  EXPECT_EQ(etiquetas, "116216316416Y10X10");  // edge numbers 16 points, axes 10
}

TEST_F(ReporteTest, SinApoyosLasTablasQuedanConSuEncabezado) {
  ejemplo::Llena(s, 2, 0);
  Documento d = Compone();
  for (const char* t : {"Definicion de apoyos continuos", "Refuerzo en apoyos", "Reacciones de apoyo"}) {
    EXPECT_TRUE(Tabla(d, t).filas.empty()) << t;
    EXPECT_FALSE(Tabla(d, t).encabezado.empty()) << t;
  }
  ejemplo::Llena(s, 0, 0);
  d = Compone();
  EXPECT_TRUE(Tabla(d, "Descripcion de losas").filas.empty());
  // Only the totals row under the quantities.
  EXPECT_EQ(Tabla(d, "Calculo metrico").filas.size(), 1u);
}

TEST_F(ReporteTest, RefuerzoEnVanosConLaBarraDelReporte) {
  ejemplo::Llena(s, 2, 1);
  Proyecto& p = s.proyecto;
  p.AreaX[1] = 7.1f;
  p.AreaY[1] = 15.875f;
  p.AreaX[2] = -5.0f;
  p.SeparX[2] = 0.25f;
  p.AreaY[2] = std::nextafter(7.1f, 0.0f);
  Documento d = Compone();
  const TablaDoc& t = Tabla(d, "Refuerzo en vanos");
  EXPECT_EQ(t.encabezado, (std::vector<std::string>{"Losa", "Direccion", "Momento (To-m)", "Refuerzo (cm2)",
                                                    "Barras", "Tipo"}));
  ASSERT_EQ(t.filas.size(), 4u);
  EXPECT_EQ(t.filas[0], (std::vector<std::string>{"1", "X", "1.01", "3.50",
                                                  "\xC3\xB8"
                                                  " 1/2\" a 0.25",
                                                  "Simple"}));
  EXPECT_EQ(t.filas[1], (std::vector<std::string>{" ", "Y", "-0.51", "2.50",
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

TEST_F(ReporteTest, RefuerzoEnApoyosConSusBarrasAdicionales) {
  ejemplo::Llena(s, 4, 3);
  s.proyecto.ApoyoLosa1[2] = 3.0f;
  s.proyecto.ApoyoLosa2[2] = 4.0f;
  Documento d = Compone();
  const TablaDoc& t = Tabla(d, "Refuerzo en apoyos");
  EXPECT_EQ(t.columnas.back(), (ColumnaTabla{Alineacion::Centro, 1300}));
  ASSERT_EQ(t.filas.size(), 3u);
  EXPECT_EQ(t.filas[0],
            (std::vector<std::string>{"1", "X", "1 - 2", "-1.51", "3.20", "2.84", "\xC3\xB8 3/8\" a 0.30"}));
  EXPECT_EQ(t.filas[1][2], "3 - 4");
  EXPECT_EQ(t.filas[2][6], "---");  // no spacing after "---"
}

TEST_F(ReporteTest, ReaccionesYCalculoMetrico) {
  ejemplo::Llena(s, 2, 2);
  s.reacciones.filas[1][1] = "Viga; eje|B";
  s.reacciones.filas[1][5] = "1.5";
  s.proyecto.NumApoyosReac = 5;  // more than the grid holds: only its rows print
  Documento d = Compone();
  const TablaDoc& r = Tabla(d, "Reacciones de apoyo");
  EXPECT_EQ(r.encabezado.size(), 8u);
  ASSERT_EQ(r.filas.size(), 2u);
  EXPECT_EQ(r.filas[0], (std::vector<std::string>{"1", "Apoyo 1", "X", "1", "2", "0.667", "0.370", "1.563"}));
  EXPECT_EQ(r.filas[1].size(), 8u);  // a description with separators stays one cell
  EXPECT_EQ(r.filas[1][5], "1.500");

  const TablaDoc& m = Tabla(d, "Calculo metrico");
  EXPECT_EQ(m.encabezado, (std::vector<std::string>{"Losa", "Volumen (m3)",
                                                    "\xC3\xB8"
                                                    " 3/8\" (qq)",
                                                    "\xC3\xB8"
                                                    " 1/2\" (qq)",
                                                    "\xC3\xB8"
                                                    " 3/4\" (qq)",
                                                    "Total (qq)", "Cuantia (qq/m3)"}));
  ASSERT_EQ(m.filas.size(), 3u);
  EXPECT_EQ(m.filas[0], (std::vector<std::string>{"1", "1.89", "1.07", "0.50", "0.00", "1.57", "1.23"}));
  EXPECT_EQ(m.filas[2],
            (std::vector<std::string>{"Totales", "24.00", "10.70", "5.00", "0.00", "15.70", "0.65"}));
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

  // Without a calculation the result sections are not offered.
  s.proyecto.CalculoHecho = false;
  opciones.marcadas = {true, true, true, true};
  d = Compone();
  EXPECT_EQ(TrasSubTitulo(d, "Refuerzo en vanos"), nullptr);
  EXPECT_EQ(TrasSubTitulo(d, "Calculo metrico"), nullptr);
  EXPECT_NE(TrasSubTitulo(d, "Reacciones de apoyo"), nullptr);
  EXPECT_EQ(cuenta.cantidades + cuenta.reacciones, 2);
  EXPECT_FALSE(SeccionHabilitada(Seccion::Refuerzo, s.proyecto));
  EXPECT_TRUE(SeccionHabilitada(Seccion::Datos, s.proyecto));
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
  p.Qq1[1] = 1.0f;
  p.Qq2[1] = p.Qq3[1] = 0.0f;
  p.Desperdicio = 7.0f;
  s.reacciones.filas.clear();
  s.medidas.tabla.Vacia();
  Documento d = Reporte().Inicia(s, OpcionesReporte{});
  const TablaDoc& r = Tabla(d, "Reacciones de apoyo");
  ASSERT_EQ(r.filas.size(), 1u);
  EXPECT_EQ(r.filas[0][5], "1.333");  // 4 x 0.5 / 3 from each of the two square slabs
  const TablaDoc& m = Tabla(d, "Calculo metrico");
  ASSERT_EQ(m.filas.size(), 3u);
  EXPECT_EQ(m.filas[0][1], "1.92");  // 4 x 4 x 0.12
  EXPECT_EQ(m.filas[0][2], "1.07");
}

}  // namespace
}  // namespace placatec
