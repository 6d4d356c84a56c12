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
  Interlocutor& Usuario() override { return usuario; }
  InterlocutorGuion usuario;

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

  // A margin or a paper on which the tables would need text below 7 points is refused
  // with a message naming the width they need; the setting in force stays.
  EXPECT_EQ(Margen(1, "40"), 720);
  EXPECT_EQ(w.txtMargin[1], "0.5\"");
  EXPECT_NE(entorno.usuario.UltimoTexto().find("de menos de 7 puntos"), std::string::npos);
  EXPECT_EQ(Margen(3, "2"), 2880);
  const auto a5 =
      std::find_if(w.papeles.begin(), w.papeles.end(), [](const EntradaPapel& e) { return e.codigo == 11; });
  ASSERT_NE(a5, w.papeles.end());
  const std::size_t avisos = entorno.usuario.mensajes.size();
  w.ClickPapel(static_cast<int>(a5 - w.papeles.begin()));
  EXPECT_EQ(w.Control().pagina.papel, PapelCarta);
  EXPECT_EQ(w.papeles.at(static_cast<std::size_t>(w.papelSeleccionado)).codigo, PapelCarta);
  EXPECT_EQ(entorno.usuario.mensajes.size(), avisos + 1);
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

}  // namespace
}  // namespace placatec
