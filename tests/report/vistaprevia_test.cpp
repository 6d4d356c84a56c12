#include "report/VistaPrevia.h"

#include <gtest/gtest.h>

#include <set>

#include "InterlocutorGuion.h"
#include "report/Papel.h"
#include "report/ProyectoEjemplo.h"

namespace placatec {
namespace {

class EntornoPrueba : public EntornoVistaPrevia {
 public:
  std::vector<std::string> impresoras{"Laser", "Solo A4"};
  std::set<int> papelesSoloA4{PapelA4, PapelCustom};
  int ocupado = 0;

  std::vector<std::string> Impresoras() const override { return impresoras; }
  std::string ImpresoraPredeterminada() const override { return impresoras.front(); }
  bool AdmitePapel(const std::string& impresora, int codigo) const override {
    if (impresora == "Solo A4") return papelesSoloA4.count(codigo) > 0;
    return codigo >= 1 && codigo <= 20;
  }
  int PapelPredeterminado(const std::string& impresora) const override {
    return impresora == "Solo A4" ? PapelA4 : PapelCarta;
  }
  const MedidorTexto& Medidor() const override { return medidor_; }
  void Ocupado(bool si) override { ocupado += si ? 1 : -1; }

 private:
  ejemplo::MedidorFijo medidor_;
};

class VistaPreviaTest : public ::testing::Test {
 protected:
  void SetUp() override { ejemplo::Llena(s, 20, 19); }
  VistaPrevia& Abre() {
    v = std::make_unique<VistaPrevia>(s, entorno, Recalculos{});
    v->Carga();
    v->Activa();
    return *v;
  }
  Sesion s;
  EntornoPrueba entorno;
  std::unique_ptr<VistaPrevia> v;
};

TEST_F(VistaPreviaTest, CargaYActivacionPreparanLaVentana) {
  s.proyecto.TituloReporte.clear();
  VistaPrevia& w = Abre();
  EXPECT_EQ(w.impresoras, entorno.impresoras);
  EXPECT_EQ(w.impresoraSeleccionada, 0);
  EXPECT_EQ(w.papeles.size(), 20u);
  EXPECT_EQ(w.papeles[w.papelSeleccionado].codigo, PapelCarta);
  EXPECT_EQ(w.txtMargin, (std::array<std::string, 4>{"1\"", "1\"", "1\"", "1\""}));
  EXPECT_EQ(w.encabezado, "Edificio K1|");
  EXPECT_EQ(w.pie, "||Pag %d");
  EXPECT_NE(w.ayuda.find("    Edificio K1 | Viga V1| Pag %d\n\nEl texto puede tener varias lineas."),
            std::string::npos);
  EXPECT_GE(w.Control().NumPaginas(), 3);
  EXPECT_EQ(w.desde, "1");
  EXPECT_EQ(w.hasta, std::to_string(w.Control().NumPaginas()));
  EXPECT_EQ(entorno.ocupado, 0);  // the busy cursor is always given back

  // A header typed earlier is kept.
  s.proyecto.TituloReporte = "Obra|Piso 2|";
  w.Activa();
  EXPECT_EQ(w.encabezado, "Obra|Piso 2|");
}

TEST_F(VistaPreviaTest, SinCalculoRefuerzoYMetricoDeshabilitadosPeroMarcados) {
  s.proyecto.CalculoHecho = false;
  VistaPrevia& w = Abre();
  EXPECT_EQ(w.habilitada, (std::array<bool, 6>{true, false, true, false, true, false}));
  EXPECT_EQ(w.marcada, (std::array<bool, 6>{true, true, true, true, true, true}));
  const int sinResultados = w.Control().NumPaginas();
  s.proyecto.CalculoHecho = true;
  w.Activa();
  EXPECT_TRUE(w.habilitada[1]);
  EXPECT_GT(w.Control().NumPaginas(), sinResultados);
}

TEST_F(VistaPreviaTest, MargenesEscritosYConBarra) {
  VistaPrevia& w = Abre();
  auto Margen = [&w](int i, const char* texto) {
    w.EditaMargen(i, texto);
    w.SaleMargen(i);
    return w.Control().pagina.margenes[static_cast<std::size_t>(i)];
  };
  int antes = w.reconstrucciones;
  EXPECT_EQ(Margen(1, "0.5"), 720);
  EXPECT_EQ(w.txtMargin[1], "0.5\"");
  // The same value again does nothing.
  EXPECT_EQ(Margen(1, "0.50"), 720);
  EXPECT_EQ(w.reconstrucciones, antes + 1);

  // Three steps towards the top from an inch: 1.3 inches.
  w.CambiaBarraMargen(0, -1);
  w.CambiaBarraMargen(0, -2);
  w.CambiaBarraMargen(0, -3);
  EXPECT_EQ(w.Control().pagina.margenes[0], 1872);
  EXPECT_EQ(w.txtMargin[0], "1.3\"");

  // One step down from 0.05 inch: 0.
  EXPECT_EQ(Margen(2, "0.05"), 72);
  w.CambiaBarraMargen(2, 1);
  EXPECT_EQ(w.Control().pagina.margenes[2], 0);
  EXPECT_EQ(w.txtMargin[2], "0\"");

  // Text that is not a number, and negative values, give 0.
  EXPECT_EQ(Margen(3, "abc"), 0);
  EXPECT_EQ(Margen(3, "-2"), 0);
  EXPECT_EQ(w.txtMargin[3], "0\"");

  // A margin that would leave no page is cut to leave an inch.
  EXPECT_EQ(Margen(1, "40"), 12240 - 0 - 1440);
  EXPECT_EQ(w.txtMargin[1], "7.5\"");
}

TEST_F(VistaPreviaTest, PasosDeZoomYLimites) {
  VistaPrevia& w = Abre();
  const ControlImpresion& c = w.Control();
  for (auto [zoom, paso] : {std::pair{100, 20}, {99, 10}, {49, 5}}) {
    w.CambiaZoomVista(zoom);
    EXPECT_EQ(c.zoomPaso, paso) << zoom;
  }
  w.ClickZoom(2);
  EXPECT_EQ(c.zoom, 54);
  EXPECT_EQ(w.textoZoom, "54");
  w.ClickZoom(0);
  w.ClickZoom(1);
  EXPECT_EQ(c.zoom, c.zoomMin);  // clipped
  EXPECT_EQ(w.zoomHabilitado, (std::array<bool, 4>{false, false, true, true}));
  w.ClickZoom(3);
  w.ClickZoom(2);
  EXPECT_EQ(c.zoom, c.zoomMax);
  EXPECT_FALSE(w.zoomHabilitado[3]);
}

TEST_F(VistaPreviaTest, BotonesDePaginaYPaginaActual) {
  VistaPrevia& w = Abre();
  const int n = w.Control().NumPaginas();
  ASSERT_GE(n, 3);
  EXPECT_EQ(w.paginaHabilitada, (std::array<bool, 4>{false, false, true, true}));
  w.ClickRango(1);
  w.ClickPagina(2);
  EXPECT_EQ(w.textoPagina, "2 de " + std::to_string(n));
  EXPECT_EQ(std::pair(w.desde, w.hasta), std::pair(std::string("2"), std::string("2")));
  InterlocutorGuion u;
  EXPECT_EQ(w.Imprime(u), std::make_pair(2, 2));
  w.ClickPagina(3);
  EXPECT_EQ(w.Control().paginaMostrada, n);
  EXPECT_EQ(w.paginaHabilitada, (std::array<bool, 4>{true, true, false, false}));
  w.ClickPagina(0);
  EXPECT_EQ(w.Control().paginaMostrada, 1);
}

TEST_F(VistaPreviaTest, RangoDePaginasTrasQuitarUnaSeccion) {
  VistaPrevia& w = Abre();
  const int todas = w.Control().NumPaginas();
  w.ClickSeccion(Seccion::Datos, false);
  const int menos = w.Control().NumPaginas();
  EXPECT_LT(menos, todas);
  EXPECT_EQ(w.hasta, std::to_string(menos));

  w.ClickRango(2);
  EXPECT_TRUE(w.spinners[0].visible);
  EXPECT_EQ(w.spinners[1].maximo, menos);
  w.EditaDesde("2");
  EXPECT_EQ(w.spinners[1].minimo, 2);
  w.EditaHasta("");
  w.ClickRango(2);
  EXPECT_EQ(w.hasta, std::to_string(menos));
  w.PulsaSpinner(1, +1);
  EXPECT_EQ(w.hasta, std::to_string(menos));  // kept under the page count
  w.PulsaSpinner(1, -10);
  EXPECT_EQ(w.hasta, "2");  // and over "Desde"

  InterlocutorGuion u;
  w.EditaDesde("3");
  w.EditaHasta("2");
  EXPECT_FALSE(w.Imprime(u).has_value());
  EXPECT_NE(u.UltimoTexto().find("Desde"), std::string::npos);
  w.EditaHasta("99");
  EXPECT_FALSE(w.Imprime(u).has_value());
  EXPECT_EQ(u.UltimoTexto(), "Las paginas a imprimir deben estar entre 1 y " + std::to_string(menos) + ".");
  w.EditaHasta("x");
  EXPECT_FALSE(w.Imprime(u).has_value());
}

TEST_F(VistaPreviaTest, CambiarALaMismaOrientacionOBordeNoHaceNada) {
  VistaPrevia& w = Abre();
  const int antes = w.reconstrucciones;
  w.ClickOrientacion(0);
  w.ClickBorde(0);
  EXPECT_EQ(w.reconstrucciones, antes);
  w.ClickOrientacion(1);
  EXPECT_EQ(w.reconstrucciones, antes + 1);
  EXPECT_EQ(w.dibujoOrientacion, (std::array<bool, 2>{false, true}));
  EXPECT_EQ(w.Control().maqueta.hoja.ancho, 15840);
  w.ClickBorde(4);
  EXPECT_EQ(w.reconstrucciones, antes + 2);
  EXPECT_EQ(w.Control().pagina.borde, 4);
}

TEST_F(VistaPreviaTest, PapelesQueAdmiteLaImpresora) {
  VistaPrevia& w = Abre();
  w.ClickPapel(4);  // Legal
  EXPECT_EQ(w.Control().pagina.papel, 5);
  w.ClickImpresora(1);
  ASSERT_EQ(w.papeles.size(), 2u);
  EXPECT_EQ(w.papeles[0].nombre + ", " + w.papeles[1].nombre, "A4 210 x 297 mm, Custom");
  EXPECT_EQ(w.papeles[1].codigo, 256);
  // Legal is not taken by this printer: its own paper is used.
  EXPECT_EQ(w.papelSeleccionado, 0);
  EXPECT_EQ(w.Control().maqueta.hoja.ancho, 11906);
  const int antes = w.reconstrucciones;
  w.ClickPapel(0);
  EXPECT_EQ(w.reconstrucciones, antes);
}

TEST_F(VistaPreviaTest, PanelesGuardanPaginaYEncabezado) {
  VistaPrevia& w = Abre();
  w.ClickPagina(2);
  w.AbrePanel(Panel::EncabezadoPie);
  EXPECT_FALSE(w.generalVisible || w.papelHabilitado || w.botonesHabilitados || w.Control().vista);
  w.EditaEncabezado("Obra|Piso 2|Hoja %d");
  w.EditaPie("Ing. Perez");
  w.CierraPanel();
  EXPECT_EQ(s.proyecto.TituloReporte, "Obra|Piso 2|Hoja %d");
  EXPECT_EQ(s.proyecto.PieReporte, "Ing. Perez");
  EXPECT_EQ(w.Control().paginaMostrada, 2);
  EXPECT_TRUE(w.Control().vista && w.botonesHabilitados);
  EXPECT_EQ(w.Control().documento.pie, "Ing. Perez");

  w.AbrePanel(Panel::FuenteColor);
  Estilo e = w.estilos[FilaSubTitulos];
  e.fuente = "Times New Roman";
  e.tamano = 14;
  e.color = 0x0000FF;
  w.AplicaEstilo(FilaSubTitulos, e);
  // Coming back to the window closes the panel and gives the preview back.
  w.Activa();
  EXPECT_EQ(w.panel, Panel::Ninguno);
  EXPECT_TRUE(w.Control().vista && w.botonesHabilitados);
  bool visto = false;
  for (const Bloque& b : w.Control().documento.bloques)
    if (auto* p = std::get_if<Parrafo>(&b); p && p->texto == "Datos generales") {
      EXPECT_EQ(p->estilo, e);
      visto = true;
    }
  EXPECT_TRUE(visto);
}

}  // namespace
}  // namespace placatec
