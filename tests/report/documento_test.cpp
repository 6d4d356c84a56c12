#include "report/Documento.h"

#include <gtest/gtest.h>

namespace placatec {

TEST(EncabezadoYPie, PartesIzquierdaCentroDerechaYNumerosDePagina) {
  EXPECT_EQ(PartesEncabezado("||P\xC3\xA1g. %d de %t", 7, 12),
            (std::array<std::string, 3>{"", "", "P\xC3\xA1g. 7 de 12"}));
  EXPECT_EQ(PartesEncabezado("Edificio K1 | Viga V1| Pag %d", 12, 12),
            (std::array<std::string, 3>{"Edificio K1 ", " Viga V1", " Pag 12"}));
  EXPECT_EQ(PartesEncabezado("Edificio K1|", 1, 1), (std::array<std::string, 3>{"Edificio K1", "", ""}));
  EXPECT_EQ(PartesEncabezado("Solo", 1, 1), (std::array<std::string, 3>{"Solo", "", ""}));
  // Beyond the second bar everything is the right part; every %d and %t is replaced.
  EXPECT_EQ(PartesEncabezado("a|b|c|d %d de %d, %t%t", 3, 40)[2], "c|d 3 de 3, 4040");
  // Several lines stay in their part.
  EXPECT_EQ(PartesEncabezado("Obra\nPiso 2||%d", 2, 5)[0], "Obra\nPiso 2");
}

}  // namespace placatec
