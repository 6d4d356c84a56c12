#include "entry/TablaApoyos.h"

#include <gtest/gtest.h>

#include "InterlocutorGuion.h"

namespace placatec {

namespace {

using Fila = TablaApoyos::Fila;

Fila Apoyo(std::string dir, std::string losa1, std::string losa2, std::string descripcion = "") {
  return Fila{"", dir, losa1, losa2, descripcion};
}

struct Mesa {
  Proyecto p;
  TablaApoyos t{p};
  InterlocutorGuion ui;
};

}  // namespace

TEST(TablaApoyos, TablaVaciaNoTieneApoyos) {
  Mesa m;
  m.p.NumApoyos = 4;
  EXPECT_TRUE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.p.NumApoyos, 0);

  // The row that the form load starts with (direction only) is no support either.
  m.t.AgregaFila(Fila{});
  m.t.Carga();
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "X");
  EXPECT_TRUE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.p.NumApoyos, 0);
  EXPECT_EQ(m.t.NumFilas(), 0);
  EXPECT_TRUE(m.ui.mensajes.empty());
}

TEST(TablaApoyos, LasFilasCompletasSeNumeranSinHuecos) {
  Mesa m;
  m.t.AgregaFila(Apoyo("X", "1", "2"));
  m.t.AgregaFila(Apoyo("Y", "2", ""));        // only one slab: not a support
  m.t.AgregaFila(Apoyo("y", "2", "3", "Viga central"));
  m.t.AgregaFila(Apoyo("", "3", "4"));        // no direction
  m.t.AgregaFila(Apoyo("X", "4", "5"));
  m.p.ApoyoDescripcion[2] = "de antes";
  ASSERT_TRUE(m.t.Procesar(m.ui));

  ASSERT_EQ(m.p.NumApoyos, 3);
  ASSERT_EQ(m.t.NumFilas(), 3);
  EXPECT_EQ(m.t.filaActual, 0);
  const char* numeros[] = {"1", "2", "3"};
  for (int r = 0; r < 3; ++r) EXPECT_EQ(m.t.filas[static_cast<std::size_t>(r)][ColApoyo::Num], numeros[r]);
  EXPECT_EQ(m.p.ApoyoDir[1], "X");
  EXPECT_EQ(m.p.ApoyoLosa1[1], 1.0f);
  EXPECT_EQ(m.p.ApoyoLosa2[1], 2.0f);
  EXPECT_EQ(m.p.ApoyoDescripcion[1], "Apoyo 1");
  EXPECT_EQ(m.t.filas[0][ColApoyo::Descripcion], "Apoyo 1");
  EXPECT_EQ(m.p.ApoyoDir[2], "Y");  // typed in lower case
  EXPECT_EQ(m.t.filas[1][ColApoyo::Dir], "Y");
  EXPECT_EQ(m.p.ApoyoLosa1[2], 2.0f);
  EXPECT_EQ(m.p.ApoyoLosa2[2], 3.0f);
  EXPECT_EQ(m.p.ApoyoDescripcion[2], "Viga central");
  EXPECT_EQ(m.p.ApoyoLosa1[3], 4.0f);
  EXPECT_EQ(m.p.ApoyoDescripcion[3], "Apoyo 3");

  // Processing again keeps the same supports.
  ASSERT_TRUE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.p.NumApoyos, 3);
  EXPECT_EQ(m.p.ApoyoLosa1[3], 4.0f);
}

TEST(TablaApoyos, UnaPrimeraFilaAMedioEscribirSeConservaSinContar) {
  Mesa m;
  m.t.AgregaFila(Apoyo("X", "1", ""));
  m.t.AgregaFila(Apoyo("Y", "1", "2"));
  ASSERT_TRUE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.p.NumApoyos, 1);
  ASSERT_EQ(m.t.NumFilas(), 2);
  EXPECT_EQ(m.t.filas[0][ColApoyo::Num], "");
  EXPECT_EQ(m.t.filas[0][ColApoyo::Losa1], "1");
  EXPECT_EQ(m.t.filas[1][ColApoyo::Num], "1");
  EXPECT_EQ(m.p.ApoyoDir[1], "Y");

  m.t.EditaCelda(0, ColApoyo::Losa2, "3");
  m.t.FilaActualizada(m.ui);
  EXPECT_EQ(m.p.NumApoyos, 2);
  EXPECT_EQ(m.p.ApoyoLosa2[1], 3.0f);
  EXPECT_EQ(m.p.ApoyoDir[2], "Y");
}

TEST(TablaApoyos, DireccionDeLasFilasNuevas) {
  Mesa m;
  m.t.Carga();
  EXPECT_EQ(m.t.UltimaDir, "X");
  ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "X");

  m.t.BotonDir(0);
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "Y");
  EXPECT_EQ(m.t.UltimaDir, "Y");
  m.t.EditaCelda(0, ColApoyo::Dir, "?");
  m.t.BotonDir(0);  // anything but "X" becomes "X"
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "X");
  m.t.BotonDir(0);
  EXPECT_EQ(m.t.UltimaDir, "Y");

  // A new row whose direction is left empty takes the direction last chosen.
  m.t.AgregaFila(Apoyo("", "1", "2"));
  m.t.FilaEditada(1);
  EXPECT_EQ(m.t.filas[1][ColApoyo::Dir], "Y");
  m.t.EditaCelda(1, ColApoyo::Dir, "  ");
  m.t.FilaEditada(1);
  EXPECT_EQ(m.t.filas[1][ColApoyo::Dir], "Y");
  m.t.AgregaFilaNueva(m.ui);
  EXPECT_EQ(m.t.filas[2][ColApoyo::Dir], "Y");

  // The form load does not overwrite a direction already there.
  m.t.filaActual = 0;
  m.t.Carga();
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "Y");
  EXPECT_EQ(m.t.UltimaDir, "X");
}

TEST(TablaApoyos, ErroresDetienenElProcesoConservandoLoCopiado) {
  Mesa m;
  m.t.AgregaFila(Apoyo("X", "1", "2"));
  m.t.AgregaFila(Apoyo("Y", "dos", "3"));
  m.t.AgregaFila(Apoyo("X", "3", "4"));
  m.t.Activa(m.ui);
  ASSERT_EQ(m.ui.mensajes.size(), 1u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "Error en los apoyos");
  EXPECT_EQ(m.ui.mensajes[0].icono, Icono::Informacion);
  EXPECT_EQ(m.p.NumApoyos, 1);
  EXPECT_EQ(m.p.ApoyoLosa2[1], 2.0f);
  EXPECT_EQ(m.t.NumFilas(), 3);   // nothing the engineer typed is lost
  EXPECT_EQ(m.t.filaActual, 1);   // on the faulty row

  // OK keeps the dialog open until the table is right.
  m.p.NumApoyosReac = 0;
  m.t.OK(m.ui);
  EXPECT_TRUE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyosReac, 0);
  m.t.EditaCelda(1, ColApoyo::Losa1, "2");
  m.t.EditaCelda(2, ColApoyo::Dir, "Z");  // a direction that is neither X nor Y
  m.t.OK(m.ui);
  EXPECT_TRUE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyos, 2);
  m.t.EditaCelda(2, ColApoyo::Dir, "X");
  m.t.OK(m.ui);
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyos, 3);
  EXPECT_EQ(m.p.NumApoyosReac, 3);
}

TEST(TablaApoyos, NoCabenMasDe99Apoyos) {
  Mesa m;
  for (int i = 0; i < 99; ++i) ASSERT_TRUE(m.t.AgregaFila(Apoyo("X", "1", "2")));
  EXPECT_FALSE(m.t.AgregaFila(Apoyo("X", "1", "2")));
  EXPECT_FALSE(m.t.AgregaFilaNueva(m.ui));
  EXPECT_EQ(m.ui.UltimoTexto(), "No se pueden definir mas de 99 apoyos");
  ASSERT_TRUE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.p.NumApoyos, 99);

  // A grid filled past the limit by other means: the 100th support is an error.
  m.t.filas.push_back(Apoyo("Y", "3", "4"));
  EXPECT_FALSE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.ui.UltimoTexto(), "Error en los apoyos");
  EXPECT_EQ(m.p.NumApoyos, 99);
}

TEST(TablaApoyos, BorraTodoPreguntaAntes) {
  Mesa m;
  m.t.AgregaFila(Apoyo("Y", "1", "2"));
  m.t.AgregaFila(Apoyo("Y", "2", "3"));
  m.t.Procesa(m.ui);

  m.ui.respuestas.push_back(Respuesta::No);
  m.t.BorraTodo(m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "Seguro que quiere borrar todos los apoyos");
  EXPECT_EQ(m.ui.mensajes.back().botones, Botones::SiNo);
  EXPECT_EQ(m.t.NumFilas(), 2);
  EXPECT_EQ(m.p.NumApoyos, 2);
  EXPECT_EQ(m.p.ApoyoLosa1[2], 2.0f);

  m.t.BorraTodo(m.ui);  // Yes
  EXPECT_EQ(m.t.NumFilas(), 0);
  EXPECT_EQ(m.p.NumApoyos, 0);
  for (int j = 1; j <= 2; ++j) {
    const auto k = static_cast<std::size_t>(j);
    EXPECT_EQ(m.p.ApoyoLosa1[k], 0.0f);
    EXPECT_EQ(m.p.ApoyoLosa2[k], 0.0f);
    EXPECT_EQ(m.p.ApoyoDir[k], "X");
  }
}

TEST(TablaApoyos, ActivarOKYEnterEnOK) {
  Mesa m;
  m.p.NumLosas = 3;
  m.t.AgregaFila(Apoyo("X", "1", "2"));
  m.t.Activa(m.ui);
  EXPECT_TRUE(m.t.abierta);
  EXPECT_EQ(m.t.listaLosas, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(m.p.NumApoyos, 1);
  m.p.NumLosas = 1;
  m.t.Activa(m.ui);
  EXPECT_EQ(m.t.listaLosas, (std::vector<std::string>{"1"}));

  m.t.AgregaFila(Apoyo("Y", "2", "3"));
  m.t.FilaActualizada(m.ui);
  EXPECT_EQ(m.p.NumApoyos, 2);
  m.t.EnterEnOK();  // closes without passing the count on
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyosReac, 0);

  m.t.Activa(m.ui);
  m.t.BorraFila(0, m.ui);
  EXPECT_EQ(m.p.NumApoyos, 1);
  EXPECT_EQ(m.p.ApoyoLosa1[1], 2.0f);
  m.t.OK(m.ui);
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyosReac, 1);
}

}  // namespace placatec
