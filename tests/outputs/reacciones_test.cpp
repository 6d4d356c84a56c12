#include "outputs/Reacciones.h"

#include <gtest/gtest.h>

#include <tuple>

#include "InterlocutorGuion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

void PonLosa(Proyecto& p, int i, float lx, float ly, Integer codigo, float muerta, float viva,
             float muertaVuelo = 0.0f, float vivaVuelo = 0.0f) {
  const auto k = static_cast<std::size_t>(i);
  p.Lx[k] = lx;
  p.Ly[k] = ly;
  p.CodigoLosa[k] = codigo;
  p.CargaMuertaVano[k] = muerta;
  p.CargaVivaVano[k] = viva;
  p.CargaMuertaVuelo[k] = muertaVuelo;
  p.CargaVivaVuelo[k] = vivaVuelo;
  if (i > p.NumLosas) p.NumLosas = static_cast<Integer>(i);
}

void PonApoyo(Proyecto& p, int j, const std::string& dir, float losa1, float losa2) {
  const auto k = static_cast<std::size_t>(j);
  p.ApoyoDir[k] = dir;
  p.ApoyoLosa1[k] = losa1;
  p.ApoyoLosa2[k] = losa2;
  if (j > p.NumApoyos) p.NumApoyos = static_cast<Integer>(j);
  p.NumApoyosReac = p.NumApoyos;
}

// A project of four slabs: 1 square 4 x 4, 2 a one-way 3 x 6, 3 a one-way 6 x 3,
// 4 a cantilever 1.5 x 4; one continuous support between slabs 1 and 2.
struct Mesa {
  Proyecto p;
  EstadoSesion e;
  TablaReacciones t{p, e};
  InterlocutorGuion ui;
  Mesa() {
    PonLosa(p, 1, 4, 4, 1, 0.5f, 0.25f);
    PonLosa(p, 2, 3, 6, 10, 0.6f, 0.3f);
    PonLosa(p, 3, 6, 3, 10, 0.6f, 0.3f);
    PonLosa(p, 4, 1.5f, 4, 13, 0.4f, 0.2f, 0.2f, 0.1f);
    PonApoyo(p, 1, "X", 1, 2);
  }
};

}  // namespace

TEST(Reacciones, NumerosDeLosaFueraDelProyectoNoDanNumerosFalsos) {
  for (float losa : {7.0f, 150.0f, -1.0f, 1e30f}) {
    Mesa m;
    PonApoyo(m.p, 2, "Y", 1, losa);
    EXPECT_FALSE(m.t.CalculaReacciones(m.ui)) << losa;
    ASSERT_EQ(m.t.NumFilas(), 2);
    EXPECT_EQ(m.t.filas[0][ColReac::Muerta], "1.492");  // the good row is shown
    EXPECT_EQ(m.t.filas[1][ColReac::Muerta] + m.t.filas[1][ColReac::Ultima], "");
    EXPECT_EQ(m.ui.UltimoTexto(), "Hay errores en los datos");
    EXPECT_EQ(m.ui.beeps, 1);
  }
  // A slab whose edges have no case carries a code of another slab.
  Mesa m;
  m.p.BordesInvalidos[2] = true;
  EXPECT_FALSE(m.t.CalculaReacciones(m.ui));
  EXPECT_EQ(m.t.filas[0][ColReac::Viva], "");
}

TEST(Reacciones, ApoyosAdicionales) {
  Mesa m;
  m.t.Abre(m.ui);
  ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
  ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
  // Only "Losa 2", or "Losa 1" = 0: the reaction of that slab alone.
  EXPECT_TRUE(m.t.EditaCelda(1, ColReac::Losa2, "1", m.ui));
  EXPECT_TRUE(m.t.EditaCelda(2, ColReac::Losa1, "0", m.ui));
  EXPECT_TRUE(m.t.EditaCelda(2, ColReac::Losa2, "3", m.ui));
  EXPECT_TRUE(m.t.EditaCelda(2, ColReac::Descripcion, "Viga de borde", m.ui));
  m.t.BotonDir(2);
  EXPECT_TRUE(m.t.Calcula(m.ui));
  EXPECT_EQ(m.p.NumApoyosReac, 3);
  EXPECT_EQ(m.p.NumApoyos, 1);  // never part of the analysis
  EXPECT_EQ(m.t.filas[1], (TablaReacciones::Fila{"2", "Apoyo 2", "X", "0", "1", "0.667", "0.333", "1.500"}));
  EXPECT_EQ(m.t.filas[2][ColReac::Muerta], "0.825");
  EXPECT_EQ(m.p.ApoyoDir[3], "Y");
  EXPECT_TRUE(m.ui.mensajes.empty());

  // Removing one renumbers those behind it; OK keeps the rest for the report.
  EXPECT_TRUE(m.t.BorraFila(1));
  EXPECT_EQ(m.t.filas[1][ColReac::Num], "2");
  m.t.OK(m.ui);
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyosReac, 2);
  EXPECT_EQ(m.p.ApoyoDescripcion[2], "Viga de borde");
  m.t.Abre(m.ui);
  EXPECT_EQ(m.t.NumFilas(), 2);
}

TEST(Reacciones, LasFilasLeidasAntesDelErrorSeConservan) {
  Mesa m;
  m.t.Abre(m.ui);
  for (int i = 0; i < 3; ++i) m.t.AgregaFilaNueva(m.ui);
  m.t.EditaCelda(1, ColReac::Losa1, "1", m.ui);
  m.t.EditaCelda(2, ColReac::Losa1, "uno", m.ui);  // not a number
  m.t.EditaCelda(3, ColReac::Losa1, "2", m.ui);
  EXPECT_FALSE(m.t.Calcula(m.ui));
  EXPECT_EQ(m.ui.UltimoTexto(), "Hay errores en los datos\rFila 3");
  EXPECT_EQ(m.p.ApoyoLosa1[2], 1.0f);
  // The report sees only the rows read; the grid keeps everything typed.
  EXPECT_EQ(m.p.NumApoyosReac, 2);
  ASSERT_EQ(m.t.NumFilas(), 4);
  EXPECT_EQ(std::pair(m.t.filas[2][ColReac::Losa1], m.t.filas[3][ColReac::Losa1]),
            std::pair(std::string("uno"), std::string("2")));
  EXPECT_EQ(m.t.filaActual, 2);

  // Other faults of an extra row: a slab number negative, above 99 or above NumLosas
  // (typed past the grid's check), a direction that is neither X nor Y.
  for (const char* losa : {"-1", "150", "5"}) {
    m.t.filas[2][ColReac::Losa1] = losa;
    EXPECT_FALSE(m.t.Calcula(m.ui)) << losa;
  }
  m.t.filas[2][ColReac::Losa1] = "3";
  m.t.filas[2][ColReac::Dir] = "Z";
  EXPECT_FALSE(m.t.Calcula(m.ui));
  m.t.filas[2][ColReac::Dir] = "";  // an empty direction is X
  EXPECT_TRUE(m.t.Calcula(m.ui));
  EXPECT_EQ(m.t.filas[2][ColReac::Muerta], "0.600");
}

TEST(Reacciones, EdicionDeLaGrilla) {
  Mesa m;
  m.p.NumLosas = 12;
  m.t.Abre(m.ui);
  m.t.AgregaFilaNueva(m.ui);

  // A slab number above the number of slabs is refused and the cell emptied.
  m.t.filas[1][ColReac::Losa1] = "3";
  EXPECT_FALSE(m.t.EditaCelda(1, ColReac::Losa1, "13", m.ui));
  ASSERT_EQ(m.ui.mensajes.size(), 1u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "El numero de la losa \rno puede ser mayor que 12");
  EXPECT_EQ(m.t.filas[1][ColReac::Losa1], "");
  EXPECT_TRUE(m.t.EditaCelda(1, ColReac::Losa2, "12", m.ui));
  EXPECT_EQ(m.ui.mensajes.size(), 1u);

  // Dir: the cell button toggles, an empty cell receives "X".
  m.t.BotonDir(1);
  EXPECT_EQ(m.t.filas[1][ColReac::Dir], "Y");
  m.t.EditaCelda(1, ColReac::Dir, "", m.ui);
  m.t.FilaEditada(1);
  EXPECT_EQ(m.t.filas[1][ColReac::Dir], "X");

  // The continuous supports, the row numbers and the loads are not edited here.
  EXPECT_TRUE(m.t.EsFilaContinua(0));
  EXPECT_FALSE(m.t.EditaCelda(0, ColReac::Losa1, "3", m.ui));
  EXPECT_FALSE(m.t.BorraFila(0));
  m.t.BotonDir(0);
  EXPECT_EQ(m.t.filas[0][ColReac::Dir], "X");
  for (int col : {ColReac::Muerta, ColReac::Num}) EXPECT_FALSE(m.t.EditaCelda(1, col, "9", m.ui)) << col;
}

TEST(Reacciones, LosApoyosContinuosSiempreSeMuestran) {
  // The supports table was closed with Enter on OK: the count of the reactions table
  // is behind, yet every continuous support appears.
  Mesa m;
  PonApoyo(m.p, 2, "Y", 1, 3);
  m.p.NumApoyosReac = 0;
  m.t.Abre(m.ui);
  ASSERT_EQ(m.t.NumFilas(), 2);
  EXPECT_EQ(m.t.filas[1][ColReac::Muerta], "1.492");
  EXPECT_EQ(m.p.NumApoyosReac, 2);  // the report reads as many rows
}

}  // namespace placatec
