#include "entry/TablaLosas.h"

#include <gtest/gtest.h>

#include "InterlocutorGuion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

using Fila = TablaLosas::Fila;

// A row as typed: Lx, Ly, the four edge letters, span loads, cantilever loads, thickness.
Fila Losa(std::string lx, std::string ly, std::string bordes, std::string muerta = "0.5",
          std::string vuelo = "", std::string espesor = "0.12") {
  Fila f{};
  f[ColLosa::Lx] = lx;
  f[ColLosa::Ly] = ly;
  for (std::size_t c = 0; c < 4 && c < bordes.size(); ++c) f[ColLosa::Borde1 + c] = bordes.substr(c, 1);
  f[ColLosa::MuertaVano] = muerta;
  f[ColLosa::VivaVano] = "0.2";
  f[ColLosa::MuertaVuelo] = vuelo;
  f[ColLosa::Espesor] = espesor;
  return f;
}

struct Mesa {
  Proyecto p;
  TablaLosas t{p};
  InterlocutorGuion ui;
  void Agrega(std::initializer_list<Fila> filas) {
    for (const Fila& f : filas) t.AgregaFila(f);
  }
};

// Every slab of the project says what its grid row says.
void EsperaProyectoComoGrilla(const Proyecto& p, const TablaLosas& t) {
  ASSERT_EQ(p.NumLosas, t.NumFilas());
  for (int r = 0; r < t.NumFilas(); ++r) {
    const auto i = static_cast<std::size_t>(r + 1);
    const Fila& f = t.filas[static_cast<std::size_t>(r)];
    SCOPED_TRACE("losa " + std::to_string(i));
    EXPECT_EQ(f[ColLosa::Num], std::to_string(i));
    EXPECT_EQ(p.Bordes[i], f[3] + f[4] + f[5] + f[6]);
    const Tabla<Single>* tablas[] = {
        &p.Lx,         &p.Ly, &p.CargaMuertaVano, &p.CargaVivaVano, &p.CargaMuertaVuelo, &p.CargaVivaVuelo,
        &p.EspesorLosa};
    const int columnas[] = {1, 2, 7, 8, 9, 10, 11};
    for (int c = 0; c < 7; ++c)
      EXPECT_EQ((*tablas[c])[i], ValorSingle(f[static_cast<std::size_t>(columnas[c])])) << columnas[c];
  }
}

}  // namespace

TEST(TablaLosas, LetrasDeBorde) {
  Mesa m;
  m.Agrega({Losa("4", "5", "AAAA")});
  m.t.ProcesaLosa(m.ui);
  // A lower-case "e" stays while editing; an "X" becomes "A" as the cell is left.
  m.t.EditaCelda(0, ColLosa::Borde1, "e");
  m.t.EditaCelda(0, ColLosa::Borde2, "X");
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde1], "e");
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde2], "X");
  m.t.EditaCelda(0, ColLosa::Borde3, " n ");
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde2], "A");
  // Committed, the row stores upper case.
  m.t.FilaActualizada(m.ui);
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde1], "E");
  EXPECT_EQ(m.p.Bordes[1], "EANA");
  EXPECT_EQ(m.p.CodigoLosa[1], 22);
  // Anything else, an empty cell included, is "A" once processed.
  m.t.filas[0][ColLosa::Borde1] = "Q";
  m.t.filas[0][ColLosa::Borde3] = "";
  m.t.Procesa(m.ui);
  EXPECT_EQ(m.p.Bordes[1], "AAAA");
  EXPECT_EQ(m.p.CodigoLosa[1], 1);
}

TEST(TablaLosas, ClasificacionPorElParDeBordesQueSoportaLaLosa) {
  Mesa m;
  // 8 x 4 (ratio 2): one-way on edges 3 and 4. 4 x 8: on edges 1 and 2. 6 x 4: two-way.
  m.Agrega({Losa("8", "4", "NNEE"), Losa("4", "8", "EENN"), Losa("6", "4", "EEAA", "0.6", "", "0.15")});
  m.t.filas[0][ColLosa::Num] = "7";  // renumbered as processed
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(m.t.filaActual, 0);
  EXPECT_EQ(m.p.CodigoLosa[1], 12);
  EXPECT_EQ(m.p.CodigoLosa[2], 12);
  EXPECT_EQ(m.p.CodigoLosa[3], 4);
  EXPECT_TRUE(m.ui.mensajes.empty());
  EsperaProyectoComoGrilla(m.p, m.t);
  m.t.CargaLinea(0, m.ui);
  EXPECT_EQ(m.p.BordesActual, "EE");
  m.t.CargaLinea(2, m.ui);
  EXPECT_EQ(m.p.BordesActual, "EEAA");
}

TEST(TablaLosas, CombinacionRechazadaMarcaLaLosaHastaQueSeCorrija) {
  Mesa m;
  // Two free edges (message); a one-way slab on N and A (no message).
  m.Agrega({Losa("4", "4", "EEEE"), Losa("5", "5", "NNAA"), Losa("3", "9", "NAEE")});
  m.t.ProcesaLosa(m.ui);
  ASSERT_EQ(m.ui.mensajes.size(), 1u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "Condiciones de Borde No Validas\rLosa No. 2");
  EXPECT_FALSE(m.p.BordesInvalidos[1]);
  EXPECT_TRUE(m.p.BordesInvalidos[2] && m.p.BordesInvalidos[3]);
  EXPECT_EQ(m.p.CodigoLosa[2], 9);  // the last code given, that of slab 1
  EXPECT_EQ(m.p.Bordes[2], "NNAA");

  m.t.EditaCelda(1, ColLosa::Borde1, "A");
  m.t.EditaCelda(2, ColLosa::Borde1, "E");
  m.t.FilaActualizada(m.ui);
  EXPECT_FALSE(m.p.BordesInvalidos[2] || m.p.BordesInvalidos[3]);
  EXPECT_EQ(m.p.CodigoLosa[2], 18);
  EXPECT_EQ(m.p.CodigoLosa[3], 11);
}

TEST(TablaLosas, CeldasCeroNegativasOQueNoSonNumeros) {
  Mesa m;
  m.p.CargaMuerta = 0.45f;
  m.p.EspesorGeneral = 0.15f;
  m.Agrega({Losa("0", "-2", "AAAA", "0", "", "-1"), Losa("4m", "5", "AAAA", "abc", "1e39")});
  m.t.ProcesaLosa(m.ui);
  // Spans: the unit value, with a message each.
  ASSERT_EQ(m.ui.mensajes.size(), 2u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "Lx no puede ser cero o negativo\rvalor unitario asumido");
  EXPECT_EQ(m.ui.mensajes[1].texto, "Ly no puede ser cero o negativo\rvalor unitario asumido");
  EXPECT_EQ(m.t.filas[0][ColLosa::Lx], "1");
  // A dead-load cell of 0 (or no number) and a negative thickness take the general values.
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVano], "0.45");
  EXPECT_EQ(m.p.EspesorLosa[1], 0.15f);
  EXPECT_EQ(m.p.CargaMuertaVano[2], 0.45f);
  // A cell with a number inside text shows the number stored; an empty cantilever load
  // stays empty, one too large for a Single reads 0.
  EXPECT_EQ(m.t.filas[1][ColLosa::Lx], "4");
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVuelo], "");
  EXPECT_EQ(m.t.filas[1][ColLosa::MuertaVuelo], "0");
  EsperaProyectoComoGrilla(m.p, m.t);
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(m.ui.mensajes.size(), 2u);  // nothing more to say

  // ChequeaNumeros puts the row defaults into non-numeric cells, never the cantilever loads.
  m.t.filas[1][ColLosa::Ly] = "??";
  m.t.filas[1][ColLosa::Borde4] = " ";
  m.t.filas[1][ColLosa::VivaVuelo] = "x";
  m.t.ChequeaNumeros(1);
  EXPECT_EQ(m.t.filas[1][ColLosa::Ly], "1");
  EXPECT_EQ(m.t.filas[1][ColLosa::Borde4], "A");
  EXPECT_EQ(m.t.filas[1][ColLosa::VivaVuelo], "x");
}

TEST(TablaLosas, FilasNuevasHastaElMaximoDe99) {
  Mesa m;
  m.p.CargaMuertaDefecto = 0.4f;
  ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
  EXPECT_EQ(m.t.filas[0], (Fila{"1", "1", "1", "A", "A", "A", "A", "0.4", "0.2", "", "", "0.12"}));
  EXPECT_EQ(m.p.CodigoLosa[1], 1);

  while (m.t.NumFilas() < 99) ASSERT_TRUE(m.t.AgregaFila(Losa("4", "4", "AAAA")));
  EXPECT_FALSE(m.t.AgregaFila(Losa("4", "4", "AAAA")));
  EXPECT_FALSE(m.t.AgregaFilaNueva(m.ui));
  EXPECT_EQ(m.ui.UltimoTexto(), "No se pueden definir mas de 99 losas");
  m.t.CopiaLosa(m.ui);  // Yes, but no room
  EXPECT_EQ(m.t.NumFilas(), 99);
  // A grid filled past the limit by other means is processed up to slab 99 only.
  m.t.filas.push_back(Losa("4", "4", "AAAA"));
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(m.p.NumLosas, 99);
}

TEST(TablaLosas, BorrarLaUltimaFilaCompletaLaPrimeraLosa) {
  Mesa m;
  m.Agrega({Losa("4", "5", "AAAA"), Losa("6", "5", "EAAA", "0.5", "-0.3")});
  m.t.FilaActualizada(m.ui);
  m.t.BorraFila(0, m.ui);  // the second slab becomes slab 1
  EXPECT_EQ(m.p.NumLosas, 1);
  EXPECT_EQ(m.p.Bordes[1], "EAAA");
  EXPECT_EQ(m.p.CargaMuertaVuelo[1], -0.3f);
  m.t.BorraFila(0, m.ui);
  EXPECT_EQ(m.p.NumLosas, 0);
  EXPECT_EQ(m.p.CargaMuertaVuelo[1], 0.0f);  // completed
  EXPECT_EQ(m.p.LosaActual, 1);
}

TEST(TablaLosas, ValoresGlobales) {
  Mesa m;
  m.p.EspesorGeneral = 0.14f;
  m.p.CargaMuerta = 0.513f;
  m.Agrega({Losa("4", "5", "AAAA"), Losa("4", "5", "AAAA"), Losa("4", "5", "AAAA")});
  m.t.Procesa(m.ui);

  m.t.PonValorGeneral(TablaLosas::Cantidad::CargaMuerta);
  EXPECT_EQ(m.t.textoValor, "0.513");
  // The value box's key filter: digits, one point, backspace.
  m.t.textoValor = "12";
  for (char c : std::string("09.\b")) EXPECT_TRUE(m.t.AceptaTeclaValor(c, m.ui)) << c;
  m.t.textoValor = "1.5";  // a second point is refused too
  for (char c : std::string(".a- ")) EXPECT_FALSE(m.t.AceptaTeclaValor(c, m.ui)) << c;
  EXPECT_EQ(m.ui.beeps, 4);

  // Empty box: the general thickness into every row and slab.
  m.t.textoValor = "  ";
  m.t.Cambia(TablaLosas::Cantidad::Espesor, m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "OK para modificar el Espesor en todas las losas.");
  EXPECT_EQ(m.ui.mensajes.back().botones, Botones::OKCancelar);
  EXPECT_EQ(m.ui.estados, (std::vector<std::string>{"Modificando Espesor...", ""}));
  EXPECT_EQ(m.t.filas[2][ColLosa::Espesor], "0.14");

  m.ui.respuestas.push_back(Respuesta::Cancelar);
  m.t.Cambia(TablaLosas::Cantidad::CargaViva, m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "OK para modificar la Carga Viva en todas las losas.");
  EXPECT_EQ(m.p.CargaVivaVano[1], 0.2f);
  // A box reading 0 stands for the general value, like a zero cell.
  m.t.filas[0][ColLosa::MuertaVano] = "0.75";
  m.t.textoValor = "0";
  m.t.Cambia(TablaLosas::Cantidad::CargaMuerta, m.ui);
  EXPECT_EQ(m.p.CargaMuertaVano[1], 0.513f);
  EsperaProyectoComoGrilla(m.p, m.t);

  Mesa vacia;  // without rows it stops silently
  vacia.t.Cambia(TablaLosas::Cantidad::Espesor, vacia.ui);
  EXPECT_TRUE(vacia.ui.mensajes.empty());
}

TEST(TablaLosas, CopiaLosa) {
  Mesa m;
  for (int i = 1; i <= 5; ++i) m.t.AgregaFila(Losa(std::to_string(i + 2), "5", i == 3 ? "EAEA" : "AAAA"));
  m.t.Procesa(m.ui);
  m.t.filaActual = 2;
  m.ui.respuestas.push_back(Respuesta::No);
  m.t.CopiaLosa(m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "Desea repetir los valores de esta losa (3)");
  EXPECT_EQ(m.t.NumFilas(), 5);

  m.t.CopiaLosa(m.ui);  // Yes: a sixth row, numbered 6
  ASSERT_EQ(m.t.NumFilas(), 6);
  Fila esperada = m.t.filas[2];
  esperada[ColLosa::Num] = "6";
  EXPECT_EQ(m.t.filas[5], esperada);
  EXPECT_EQ(m.p.CodigoLosa[6], 6);  // 5 x 5 on EAEA, as slab 3
  EXPECT_EQ(m.t.filaActual, 5);
  EsperaProyectoComoGrilla(m.p, m.t);

  m.t.filas[0][ColLosa::Num] = "";
  m.t.filaActual = 0;
  m.ui.respuestas.push_back(Respuesta::No);
  m.t.CopiaLosa(m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "Desea repetir los valores de esta losa");
}

TEST(TablaLosas, TeclaEnterActivacionOKYEscape) {
  Mesa m;
  m.Agrega({Losa("4", "5", "AAAA"), Losa("4", "5", "AAAA")});
  m.t.Escape();  // closes without processing: the rows wait for the next activation
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.NumLosas, 0);
  m.t.Activa(m.ui);
  EXPECT_TRUE(m.t.abierta);
  EXPECT_EQ(m.p.NumLosas, 2);
  EXPECT_EQ(m.t.columnaActual, ColLosa::Lx);

  // Enter commits the row and moves one column right, on the same row.
  m.t.EditaCelda(1, ColLosa::Borde2, "e");
  m.t.TeclaEnter(m.ui);
  EXPECT_EQ(m.t.filaActual, 1);
  EXPECT_EQ(m.t.columnaActual, ColLosa::Borde3);
  EXPECT_EQ(m.p.Bordes[2], "AEAA");
  // From the last column to the next row.
  m.t.EditaCelda(0, ColLosa::Espesor, "0.2");
  m.t.TeclaEnter(m.ui);
  EXPECT_EQ(m.p.EspesorLosa[1], 0.2f);
  EXPECT_EQ(m.t.filaActual, 1);
  EXPECT_EQ(m.t.columnaActual, ColLosa::Lx);

  m.t.EditaCelda(0, ColLosa::Lx, "7");
  m.t.OK(m.ui);
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.Lx[1], 7.0f);
}

TEST(TablaLosas, UnaSesionDeTrabajoDejaElProyectoComoDiceLaGrilla) {
  Mesa m;
  m.t.Activa(m.ui);
  const char* datos[5][6] = {{"4", "5", "e", "a", "A", "a"},
                             {"8", "4", "n", "n", "E", "e"},
                             {"3.5", "3.5", "E", "E", "E", "E"},
                             {"1.5", "4", "E", "N", "A", "x"},
                             {"6", "4", "A", "A", "A", "n"}};
  for (const auto& d : datos) {
    ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
    const int r = m.t.filaActual;
    for (int c = 0; c < 6; ++c) m.t.EditaCelda(r, c + 1, d[c]);
    m.t.FilaActualizada(m.ui);
  }
  m.t.EditaCelda(3, ColLosa::MuertaVuelo, "0.2");
  m.t.FilaActualizada(m.ui);
  m.t.BorraFila(1, m.ui);  // the 8 x 4 slab goes; the rest move up
  m.t.textoValor = "0.3";
  m.t.Cambia(TablaLosas::Cantidad::CargaViva, m.ui);
  m.t.EditaCelda(0, ColLosa::Espesor, "0");
  m.t.Procesa(m.ui);

  EsperaProyectoComoGrilla(m.p, m.t);
  const char* bordes[] = {"EAAA", "EEEE", "ENAA", "AAAN"};
  const Integer codigos[] = {2, 9, 13, 14};
  for (std::size_t i = 1; i <= 4; ++i) {
    EXPECT_EQ(m.p.Bordes[i], bordes[i - 1]);
    EXPECT_EQ(m.p.CodigoLosa[i], codigos[i - 1]);
    EXPECT_FALSE(m.p.BordesInvalidos[i]);
  }
  EXPECT_EQ(m.p.EspesorLosa[1], m.p.EspesorGeneral);
  EXPECT_EQ(m.ui.mensajes.size(), 1u);  // only the question of "Cambia"

  // Reopening and closing changes nothing.
  const auto filas = m.t.filas;
  m.t.Activa(m.ui);
  m.t.OK(m.ui);
  EXPECT_EQ(m.t.filas, filas);
  EXPECT_EQ(m.ui.mensajes.size(), 1u);
  EsperaProyectoComoGrilla(m.p, m.t);
}

}  // namespace placatec
