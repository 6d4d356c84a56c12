// Pages an engineer can sign: every word and number whole, header parts inside the
// sheet, a slab's rows together, no table row left alone, the border clear of tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "report/Maquetacion.h"
#include "report/ProyectoEjemplo.h"
#include "report/Reporte.h"

namespace placatec {
namespace {

std::vector<std::vector<int>> Datos(const std::string& archivo) {
  std::ifstream f(std::string(PLACATEC_SOURCE_DIR) + "/tests/corpus/paginas/" + archivo);
  std::vector<std::vector<int>> filas;
  for (std::string l; std::getline(f, l);) {
    std::istringstream in(l);
    if (!l.empty() && l[0] != '#')
      filas.emplace_back(std::istream_iterator<int>(in), std::istream_iterator<int>());
  }
  EXPECT_FALSE(filas.empty()) << archivo;
  return filas;
}

std::vector<std::string> Palabras(const std::string& t) {
  std::istringstream in(t);
  return {std::istream_iterator<std::string>(in), {}};
}

long Cuenta(const Pagina& p, const std::string& texto) {
  return std::count_if(p.textos.begin(), p.textos.end(),
                       [&](const TextoPagina& t) { return t.texto == texto; });
}

TEST(Paginas, TodoEnteroDentroDeLaHojaYLasFilasDeUnaLosaJuntas) {
  Sesion s;
  ejemplo::Llena(s, 99, 99);
  OpcionesReporte o;
  o.encabezado =
      "Edificio de oficinas Los Alamos, bloque B, planta tipica del segundo piso|Revision 3 "
      "del proyecto estructural de losas|Memoria de calculo, pagina %d";
  o.estilos[FilaHeader].cursiva = o.estilos[FilaFooter].cursiva = true;  // told apart from the body
  s.vanos.filas[1][2] = {Formato(-0.001f, "0.00"), -0.001f};             // "-0.00" in the window
  const Documento d = Reporte().Inicia(s, o, {});
  for (const Bloque& b : d.bloques) {  // the span rows as the results window writes them
    auto* t = std::get_if<TablaDoc>(&b);
    EXPECT_TRUE(!t || t->filasJuntas != 2 ||
                (t->filas[1][2] == s.vanos.filas[1][2].texto &&
                 t->filas[0][4].starts_with(s.vanos.filas[0][4].texto)));
  }
  for (const std::vector<int>& h : Datos("hojas.txt")) {
    SCOPED_TRACE(testing::PrintToString(h));
    const ConfiguracionPagina c{h[0], h[1], h[2], {h[3], h[4], h[5], h[6]}};
    const Maqueta m = MaquetaDocumento(d, c, ejemplo::MedidorFijo());
    // A page too narrow for 7-point tables is refused, with the width it would need.
    const std::string angosta = PaginaDemasiadoAngosta(m);
    EXPECT_EQ(!angosta.empty(), h[7] == 1) << m.anchoNecesario << " " << m.anchoCuerpo;
    if (!angosta.empty()) continue;
    std::set<std::string> vistas;
    for (const Pagina& p : m.paginas) {
      const TextoPagina* ultimo = nullptr;
      for (const TextoPagina& t : p.textos) {
        EXPECT_TRUE(t.x >= 0 && t.y >= 0 && t.x + t.ancho <= m.hoja.ancho && t.y + t.alto <= m.hoja.alto)
            << t.texto;
        for (const std::string& w : Palabras(t.texto)) vistas.insert(w);
        if (t.estilo != o.estilos[FilaHeader] && t.estilo != o.estilos[FilaFooter] &&
            (!ultimo || t.y > ultimo->y))
          ultimo = &t;
      }
      ASSERT_NE(ultimo, nullptr);
      EXPECT_NE(ultimo->estilo, o.estilos[FilaSubTitulos])
          << "page " << p.numero << " ends with " << ultimo->texto;
      EXPECT_EQ(Cuenta(p, "Simple"), Cuenta(p, "Doble")) << "page " << p.numero;  // X and Y of each slab
      for (const RectanguloPagina& b : p.rectangulos) {
        if (b.grosor != 15) continue;  // the page border: inside the sheet, clear of the table frames
        EXPECT_TRUE(b.x1 > 0 && b.y1 > 0 && b.x2 < m.hoja.ancho && b.y2 < m.hoja.alto);
        for (const RectanguloPagina& r : p.rectangulos) {
          EXPECT_TRUE(r.grosor != 10 || (r.x1 - b.x1 >= 100 && b.x2 - r.x2 >= 100 && r.y1 - b.y1 >= 100));
        }
      }
    }
    for (const Bloque& b : d.bloques)
      if (auto* t = std::get_if<TablaDoc>(&b)) {
        auto filas = t->filas;
        filas.push_back(t->encabezado);
        for (const auto& fila : filas)
          for (const std::string& celda : fila)
            for (const std::string& w : Palabras(celda)) EXPECT_TRUE(vistas.count(w)) << w;
      }
  }
}

TEST(Paginas, UnaTablaNoDejaUnaFilaSolaNiSeparaSusGrupos) {
  for (const std::vector<int>& caso : Datos("cortes.txt")) {
    SCOPED_TRACE(testing::PrintToString(caso));
    Documento d;
    Parrafo relleno;
    for (int i = 0; i < caso[0]; ++i) relleno.texto += i ? "\nx" : "x";
    d.bloques.emplace_back(relleno);
    TablaDoc t;
    t.columnas = {Izq(2000)};
    t.encabezado = {"Titulo"};
    for (int i = 1; i <= caso[1]; ++i) t.filas.push_back({"f" + std::to_string(i)});
    t.filasJuntas = caso[2];
    d.bloques.emplace_back(t);
    const Maqueta m = MaquetaDocumento(d, ConfiguracionPagina{}, ejemplo::MedidorFijo());
    std::vector<int> porPagina;
    for (const Pagina& p : m.paginas)
      porPagina.push_back(static_cast<int>(std::count_if(
          p.textos.begin(), p.textos.end(), [](const TextoPagina& x) { return x.texto[0] == 'f'; })));
    EXPECT_EQ(porPagina, std::vector<int>(caso.begin() + 3, caso.end()));
  }
  // A report with nothing in it has no page to print.
  EXPECT_TRUE(MaquetaDocumento(Documento{}, ConfiguracionPagina{}, ejemplo::MedidorFijo()).paginas.empty());
}

}  // namespace
}  // namespace placatec
