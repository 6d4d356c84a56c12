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
  EstadoSesion e;
  TablaApoyos t{p, e};
  InterlocutorGuion ui;
  void Agrega(std::initializer_list<Fila> filas) {
    for (const Fila& f : filas) t.AgregaFila(f);
  }
};

}  // namespace

TEST(TablaApoyos, ProcesarNumeraLasFilasCompletasSinHuecos) {
  Mesa m;
  m.p.NumApoyos = 4;
  EXPECT_TRUE(m.t.Procesar(m.ui));  // an empty table has no supports
  EXPECT_EQ(m.p.NumApoyos, 0);

  m.Agrega({Apoyo("X", "1", "2"), Apoyo("Y", "2", ""), Apoyo("y", "2", "3", "Viga central"),
            Apoyo("", "3", "4"), Apoyo("X", "4", "5")});
  ASSERT_TRUE(m.t.Procesar(m.ui));
  ASSERT_EQ(m.p.NumApoyos, 3);
  EXPECT_EQ(m.t.filas, (std::vector<Fila>{{"1", "X", "1", "2", "Apoyo 1"},
                                          {"2", "Y", "2", "3", "Viga central"},
                                          {"3", "X", "4", "5", "Apoyo 3"}}));
  EXPECT_EQ(m.p.ApoyoDir[2] + m.p.ApoyoDescripcion[3], "YApoyo 3");
  EXPECT_EQ(m.p.ApoyoLosa1[2], 2.0f);
  EXPECT_EQ(m.p.ApoyoLosa2[3], 5.0f);
  EXPECT_TRUE(m.ui.mensajes.empty());
}

TEST(TablaApoyos, DireccionDeLasFilasNuevas) {
  Mesa m;
  m.t.Carga();
  ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "X");
  m.t.BotonDir(0);
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "Y");
  EXPECT_EQ(m.t.UltimaDir, "Y");
  m.t.EditaCelda(0, ColApoyo::Dir, "?");
  m.t.BotonDir(0);  // anything but "X" becomes "X"
  EXPECT_EQ(m.t.UltimaDir, "X");
  m.t.BotonDir(0);

  // A row whose direction is left empty takes the one last chosen.
  m.t.AgregaFila(Apoyo(" ", "1", "2"));
  m.t.FilaEditada(1);
  EXPECT_EQ(m.t.filas[1][ColApoyo::Dir], "Y");
  m.t.AgregaFilaNueva(m.ui);
  EXPECT_EQ(m.t.filas[2][ColApoyo::Dir], "Y");
  // The form load leaves a direction already there alone.
  m.t.filaActual = 0;
  m.t.Carga();
  EXPECT_EQ(m.t.filas[0][ColApoyo::Dir], "Y");
  EXPECT_EQ(m.t.UltimaDir, "X");
}

TEST(TablaApoyos, ErroresDetienenElProcesoYOKNoCierra) {
  Mesa m;
  m.Agrega({Apoyo("X", "1", "2"), Apoyo("Y", "dos", "3"), Apoyo("X", "3", "4")});
  m.t.Activa(m.ui);
  ASSERT_EQ(m.ui.mensajes.size(), 1u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "Error en los apoyos\rFila 2");
  EXPECT_EQ(m.ui.mensajes[0].icono, Icono::Informacion);
  EXPECT_EQ(m.p.NumApoyos, 1);  // the support copied before stays
  EXPECT_EQ(m.t.NumFilas(), 3);
  EXPECT_EQ(m.t.filaActual, 1);

  m.t.OK(m.ui);
  EXPECT_TRUE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyosReac, 1);  // the reactions table rows: the support copied
  m.t.EditaCelda(1, ColApoyo::Losa1, "2");
  m.t.EditaCelda(2, ColApoyo::Dir, "Z");  // neither X nor Y
  m.t.OK(m.ui);
  EXPECT_TRUE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyos, 2);
  m.t.EditaCelda(2, ColApoyo::Dir, "X");
  m.t.OK(m.ui);
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.NumApoyosReac, 3);
}

TEST(TablaApoyos, NoCabenMasDe99Apoyos) {
  Mesa m;
  while (m.t.NumFilas() < 99) ASSERT_TRUE(m.t.AgregaFila(Apoyo("X", "1", "2")));
  EXPECT_FALSE(m.t.AgregaFilaNueva(m.ui));
  EXPECT_EQ(m.ui.UltimoTexto(), "No se pueden definir mas de 99 apoyos");
  ASSERT_TRUE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.p.NumApoyos, 99);
  m.t.filas.push_back(Apoyo("Y", "3", "4"));  // past the limit by other means
  EXPECT_FALSE(m.t.Procesar(m.ui));
  EXPECT_EQ(m.ui.UltimoTexto(), "Error en los apoyos\rFila 100");
  EXPECT_EQ(m.p.NumApoyos, 99);
}

}  // namespace placatec
