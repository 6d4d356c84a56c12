#include "entry/TablaApoyos.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "InterlocutorGuion.h"
#include "comandos/Sesion.h"
#include "model/Numeros.h"

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

// Deleting slabs renumbers every support, the reactions' own ones too, and removes
// those that named a slab deleted.
TEST(TablaApoyos, SiguenALasLosasBorradas) {
  std::ifstream caso(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/renumera_apoyos.txt");
  ASSERT_TRUE(caso);
  Sesion s;
  Proyecto& p = s.proyecto;
  InterlocutorGuion ui;
  for (int i = 0; i < 4; ++i)
    s.losas.AgregaFila({"", "4", "4", "A", "A", "A", "A", "0.5", "0.2", "", "", "0.12"});
  s.losas.ProcesaLosa(ui);
  std::vector<std::string> despues;
  int continuos = -1, j = 0;
  std::string quitados;
  for (std::string linea; std::getline(caso, linea);) {
    std::istringstream l(linea);
    std::string clave, dir, descripcion;
    float losa1 = 0, losa2 = 0;
    l >> clave;
    if (clave == "antes" || clave == "extra") {
      l >> dir >> losa1 >> losa2 >> descripcion;
      ++j;
      p.ApoyoDir[j] = dir;
      p.ApoyoLosa1[j] = losa1;
      p.ApoyoLosa2[j] = losa2;
      p.ApoyoDescripcion[j] = descripcion.empty() ? "Apoyo " + std::to_string(j) : descripcion;
      if (clave == "antes") s.apoyos.AgregaFila({"", dir, TextoCelda(losa1), TextoCelda(losa2), ""});
    } else if (clave == "despues") {
      despues.push_back(linea.substr(8));
    } else if (clave == "continuos") {
      l >> continuos;
    } else if (clave == "quitados") {
      std::getline(l >> std::ws, quitados);
    }
  }
  ASSERT_TRUE(s.apoyos.Procesar(ui));
  p.NumApoyosReac = static_cast<Integer>(j);

  s.losas.BorraFilas({2, 0}, ui);
  EXPECT_EQ(p.NumLosas, 2);
  EXPECT_EQ(p.NumApoyos, continuos);
  ASSERT_EQ(p.NumApoyosReac, static_cast<Integer>(despues.size()));
  for (int k = 1; k <= p.NumApoyosReac; ++k)
    EXPECT_EQ(p.ApoyoDir[k] + " " + TextoNumero(p.ApoyoLosa1[k]) + " " + TextoNumero(p.ApoyoLosa2[k]),
              despues[static_cast<std::size_t>(k - 1)]);
  EXPECT_EQ(p.ApoyoDir[p.NumApoyosReac + 1], "");  // nothing left behind
  ASSERT_EQ(s.apoyos.NumFilas(), continuos);
  EXPECT_EQ(s.apoyos.filas[0], (Fila{"1", "Y", "1", "2", "Apoyo 3"}));
  for (char& c : quitados)
    if (c == '|') c = '\r';
  EXPECT_EQ(ui.UltimoTexto(), "Se quitaron los apoyos que unian una losa borrada:\r" + quitados);
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
  EXPECT_EQ(m.p.NumApoyosReac, 0);
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
