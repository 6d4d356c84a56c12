#include "report/Documento.h"

#include <gtest/gtest.h>

#include "report/Papel.h"
#include "report/VistaPrevia.h"

namespace placatec {

TEST(TablaDelReporte, FormatoDaAlineacionYAnchoDeCadaColumna) {
  auto c = ParseaFormato("<_3000|>_1200|^_700");
  using A = Alineacion;
  EXPECT_EQ(c, (std::vector<ColumnaTabla>{{A::Izquierda, 3000}, {A::Derecha, 1200}, {A::Centro, 700}}));
  // Without sign: left; without a usable width: an inch.
  EXPECT_EQ(ParseaFormato("800|>_|^_abc|<_-5"),
            (std::vector<ColumnaTabla>{
                {A::Izquierda, 800}, {A::Derecha, 1440}, {A::Centro, 1440}, {A::Izquierda, 1440}}));
  EXPECT_TRUE(ParseaFormato("").empty());
}

TEST(TablaDelReporte, EncabezadoYCuerpoSeSeparanEnCeldasYFilas) {
  EXPECT_TRUE(ParseaEncabezado("").empty());
  EXPECT_EQ(ParseaEncabezado("Apoyo|Direccion|Losa A|Losa B"),
            (std::vector<std::string>{"Apoyo", "Direccion", "Losa A", "Losa B"}));

  auto filas = ParseaCuerpo("1|3.000;2|4.500;");
  ASSERT_EQ(filas.size(), 2u);  // the final ';' does not open a row
  EXPECT_EQ(filas[1], (std::vector<std::string>{"2", "4.500"}));

  filas = ParseaCuerpo("Numero de losas|| ; | | ;Carga ultima general|0.632|To/m2");
  EXPECT_EQ(filas,
            (std::vector<std::vector<std::string>>{
                {"Numero de losas", "", " "}, {" ", " ", " "}, {"Carga ultima general", "0.632", "To/m2"}}));
  EXPECT_TRUE(ParseaCuerpo("").empty());
  // Blanks at the start of a cell are kept (the dead-load rows are indented).
  EXPECT_EQ(ParseaCuerpo("    Losa|0.240|To/m2;")[0][0], "    Losa");
}

TEST(TablaDelReporte, TextoLibreNoParteCeldasNiFilas) {
  std::string celda = CeldaSegura("Viga 1|eje A; tramo 2");
  auto filas = ParseaCuerpo("1|" + celda + "|X;");
  ASSERT_EQ(filas.size(), 1u);
  ASSERT_EQ(filas[0].size(), 3u);
  EXPECT_EQ(filas[0][2], "X");
  EXPECT_EQ(CeldaSegura("Apoyo 3"), "Apoyo 3");
}

TEST(EncabezadoYPie, PartesIzquierdaCentroDerechaYNumeroDePagina) {
  EXPECT_EQ(PartesEncabezado("||Pag %d", 7), (std::array<std::string, 3>{"", "", "Pag 7"}));
  EXPECT_EQ(PartesEncabezado("Edificio K1 | Viga V1| Pag %d", 12),
            (std::array<std::string, 3>{"Edificio K1 ", " Viga V1", " Pag 12"}));
  EXPECT_EQ(PartesEncabezado("Edificio K1|", 1), (std::array<std::string, 3>{"Edificio K1", "", ""}));
  EXPECT_EQ(PartesEncabezado("Solo", 1), (std::array<std::string, 3>{"Solo", "", ""}));
  // Beyond the second bar everything is the right part; every %d is replaced.
  EXPECT_EQ(PartesEncabezado("a|b|c|d %d de %d", 3)[2], "c|d 3 de 3");
  // Several lines stay in their part.
  EXPECT_EQ(PartesEncabezado("Obra\nPiso 2||%d", 2)[0], "Obra\nPiso 2");
}

}  // namespace placatec
