// The file's own section as a later feature uses it: a kind of its own, any text on one
// Windows-1252 line that reads back the same.
#include "model/SeccionPropia.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/CodigoPagina.h"

namespace placatec {

TEST(SeccionPropia, UnTipoNuevoGuardaCualquierTextoEnUnaLinea) {
  const std::vector<TipoItem> tipos = {ItemTexto(
      "Prueba.Nombre", [](auto& p) -> auto& { return p.Titulo; })};
  auto p = std::make_unique<Proyecto>();
  // Signs, line breaks, a backslash, control characters, characters outside the code page.
  const char texto[] = "a=b\r\nC:\\x\\n \0\x01\x7F\t\xE2\x89\xA5\xF0\x9F\x98\x80 \xC3\xB1\xE2\x80\x93";
  p->Titulo.assign(texto, sizeof texto - 1);
  p->ItemsDesconocidos = {"Planta.Escala=1:50 \\q"};
  const auto lineas = LineasSeccion(*p, tipos);
  ASSERT_EQ(lineas.size(), 3u);
  for (const std::string& l : lineas)
    EXPECT_TRUE(l.find_first_of("\r\n") == std::string::npos &&
                Utf8DesdeWindows1252(Windows1252DesdeUtf8(l)) == l)
        << l;
  auto q = std::make_unique<Proyecto>();
  ASSERT_EQ(LeeSeccion("notas\n" + lineas[0] + "\r\n \n" + lineas[1] + "\r" + lineas[2], 10, *q, tipos),
            std::nullopt);
  EXPECT_EQ(q->Titulo, p->Titulo);
  EXPECT_EQ(LineasSeccion(*q, tipos), lineas);
  q->Titulo.clear();
  q->ItemsDesconocidos.clear();
  EXPECT_TRUE(LineasSeccion(*q, tipos).empty()) << "nada que guardar: no hay seccion";
}

}  // namespace placatec
