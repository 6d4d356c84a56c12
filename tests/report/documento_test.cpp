#include "report/Documento.h"

#include <gtest/gtest.h>

#include "report/Papel.h"
#include "report/VistaPrevia.h"

namespace placatec {

TEST(TablaDelReporte, FormatoDaAlineacionYAnchoDeCadaColumna) {
  auto c = ParseaFormato("<_3000|>_1200|^_700");
  ASSERT_EQ(c.size(), 3u);
  EXPECT_EQ(c[0], (ColumnaTabla{Alineacion::Izquierda, 3000}));
  EXPECT_EQ(c[1], (ColumnaTabla{Alineacion::Derecha, 1200}));
  EXPECT_EQ(c[2], (ColumnaTabla{Alineacion::Centro, 700}));
  // Without sign: left; without a usable width: an inch.
  c = ParseaFormato("800|>_|^_abc|<_-5");
  ASSERT_EQ(c.size(), 4u);
  EXPECT_EQ(c[0], (ColumnaTabla{Alineacion::Izquierda, 800}));
  EXPECT_EQ(c[1], (ColumnaTabla{Alineacion::Derecha, 1440}));
  EXPECT_EQ(c[2], (ColumnaTabla{Alineacion::Centro, 1440}));
  EXPECT_EQ(c[3].ancho, 1440);
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
  ASSERT_EQ(filas.size(), 3u);
  EXPECT_EQ(filas[0], (std::vector<std::string>{"Numero de losas", "", " "}));
  EXPECT_EQ(filas[1], (std::vector<std::string>{" ", " ", " "}));
  EXPECT_EQ(filas[2][2], "To/m2");
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

TEST(Papel, NombresPorCodigoYMedidas) {
  EXPECT_EQ(NombrePapel(1), "Letter 8 1/2 x 11 in");
  EXPECT_EQ(NombrePapel(9), "A4 210 x 297 mm");
  EXPECT_EQ(NombrePapel(22), "Envelope #12 4 \\276 x 11");
  EXPECT_EQ(NombrePapel(56), "Letter Extra Transverse 9\\275 x 12 in");
  EXPECT_EQ(NombrePapel(68), "A3 Extra Transverse 322 x 445 mm");
  EXPECT_EQ(NombrePapel(256), "Custom");
  for (int c : {0, 48, 49, 69, -1}) EXPECT_EQ(NombrePapel(c), "") << c;
  int listados = 0;
  for (int c = 1; c <= UltimoCodigoPapel; ++c) listados += !NombrePapel(c).empty();
  EXPECT_EQ(listados, 66);

  EXPECT_EQ(MedidasPapel(1).ancho, 12240);
  EXPECT_EQ(MedidasPapel(1).alto, 15840);
  EXPECT_EQ(MedidasPapel(9).ancho, 11906);
  EXPECT_EQ(MedidasPapel(9).alto, 16838);
  EXPECT_GT(MedidasPapel(4).ancho, MedidasPapel(4).alto);  // Ledger lies on its side
}

TEST(Papel, ToInchesPulgadasConDosDecimales) {
  EXPECT_EQ(ToInches(1440), "1\"");
  EXPECT_EQ(ToInches(1800), "1.25\"");
  EXPECT_EQ(ToInches(1000), "0.69\"");
  EXPECT_EQ(ToInches(720), "0.5\"");
  EXPECT_EQ(ToInches(0), "0\"");
  EXPECT_EQ(ToInches(1872), "1.3\"");
}

}  // namespace placatec
