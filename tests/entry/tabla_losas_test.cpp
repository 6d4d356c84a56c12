#include "entry/TablaLosas.h"

#include <gtest/gtest.h>

#include "InterlocutorGuion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

using Fila = TablaLosas::Fila;

// A row as the engineer types it: Lx, Ly, the four edges, span loads, cantilever
// loads and thickness (cell 0 left empty).
Fila Losa(std::string lx, std::string ly, std::string bordes, std::string muerta = "0.5",
          std::string viva = "0.2", std::string muertaVuelo = "", std::string vivaVuelo = "",
          std::string espesor = "0.12") {
  Fila f{};
  f[ColLosa::Lx] = lx;
  f[ColLosa::Ly] = ly;
  for (int c = 0; c < 4; ++c)
    f[static_cast<std::size_t>(ColLosa::Borde1 + c)] =
        c < static_cast<int>(bordes.size()) ? bordes.substr(static_cast<std::size_t>(c), 1) : "";
  f[ColLosa::MuertaVano] = muerta;
  f[ColLosa::VivaVano] = viva;
  f[ColLosa::MuertaVuelo] = muertaVuelo;
  f[ColLosa::VivaVuelo] = vivaVuelo;
  f[ColLosa::Espesor] = espesor;
  return f;
}

struct Mesa {
  Proyecto p;
  TablaLosas t{p};
  InterlocutorGuion ui;
};

// Every meaningful slab of the project says what its grid row says.
void EsperaProyectoComoGrilla(const Proyecto& p, const TablaLosas& t) {
  ASSERT_EQ(p.NumLosas, t.NumFilas());
  for (int r = 0; r < t.NumFilas(); ++r) {
    const auto i = static_cast<std::size_t>(r + 1);
    const Fila& f = t.filas[static_cast<std::size_t>(r)];
    SCOPED_TRACE("losa " + std::to_string(i));
    EXPECT_EQ(f[ColLosa::Num], std::to_string(i));
    EXPECT_EQ(p.Bordes[i], f[3] + f[4] + f[5] + f[6]);
    EXPECT_EQ(p.Lx[i], ValorSingle(f[ColLosa::Lx]));
    EXPECT_EQ(p.Ly[i], ValorSingle(f[ColLosa::Ly]));
    EXPECT_EQ(p.CargaMuertaVano[i], ValorSingle(f[ColLosa::MuertaVano]));
    EXPECT_EQ(p.CargaVivaVano[i], ValorSingle(f[ColLosa::VivaVano]));
    EXPECT_EQ(p.CargaMuertaVuelo[i], ValorSingle(f[ColLosa::MuertaVuelo]));
    EXPECT_EQ(p.CargaVivaVuelo[i], ValorSingle(f[ColLosa::VivaVuelo]));
    EXPECT_EQ(p.EspesorLosa[i], ValorSingle(f[ColLosa::Espesor]));
  }
}

}  // namespace

TEST(TablaLosas, ProcesaLosaCopiaLasFilasRenumeradasAlProyecto) {
  Mesa m;
  m.t.AgregaFila(Losa("4", "5", "EAAA", "0.5", "0.25", "", "", "0.12"));
  m.t.AgregaFila(Losa("3.5", "3.5", "EEEE", "0.6", "0.3", "", "", "0.15"));
  m.t.filas[0][ColLosa::Num] = "7";  // any number there is rewritten
  m.t.filaActual = 1;
  m.t.ProcesaLosa(m.ui);

  EXPECT_EQ(m.p.NumLosas, 2);
  EXPECT_EQ(m.t.filaActual, 0);
  EXPECT_EQ(m.t.filas[0][ColLosa::Num], "1");
  EXPECT_EQ(m.t.filas[1][ColLosa::Num], "2");
  EXPECT_EQ(m.p.Lx[1], 4.0f);
  EXPECT_EQ(m.p.Ly[1], 5.0f);
  EXPECT_EQ(m.p.Bordes[1], "EAAA");
  EXPECT_EQ(m.p.CodigoLosa[1], 2);
  EXPECT_EQ(m.p.CargaMuertaVano[1], 0.5f);
  EXPECT_EQ(m.p.CargaVivaVano[1], 0.25f);
  EXPECT_EQ(m.p.EspesorLosa[1], 0.12f);
  EXPECT_EQ(m.p.Bordes[2], "EEEE");
  EXPECT_EQ(m.p.CodigoLosa[2], 9);
  EXPECT_EQ(m.p.EspesorLosa[2], 0.15f);
  EXPECT_FALSE(m.p.BordesInvalidos[1]);
  EXPECT_FALSE(m.p.BordesInvalidos[2]);
  EXPECT_TRUE(m.ui.mensajes.empty());
  EsperaProyectoComoGrilla(m.p, m.t);
}

TEST(TablaLosas, LetrasDeBordeSeCorrigenAlProcesar) {
  Mesa m;
  m.t.AgregaFila(Losa("4", "5", "AAAA"));
  m.t.ProcesaLosa(m.ui);

  // A lower-case "e" stays while the engineer edits...
  m.t.EditaCelda(0, ColLosa::Borde1, "e");
  m.t.MueveCelda(0, ColLosa::Borde2);
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde1], "e");
  // ...an "X" is turned into "A" as soon as the cell is left...
  m.t.EditaCelda(0, ColLosa::Borde2, "X");
  m.t.MueveCelda(0, ColLosa::Borde3);
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde2], "A");
  // ...and the committed row stores "E".
  m.t.EditaCelda(0, ColLosa::Borde3, " n ");
  m.t.FilaActualizada(m.ui);
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde1], "E");
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde3], "N");
  EXPECT_EQ(m.p.Bordes[1], "EANA");
  EXPECT_EQ(m.p.CodigoLosa[1], 22);

  // Anything that is not a letter of the list becomes "A" when processed.
  m.t.EditaCelda(0, ColLosa::Borde1, "Q");
  m.t.EditaCelda(0, ColLosa::Borde3, "");
  m.t.Procesa(m.ui);
  EXPECT_EQ(m.p.Bordes[1], "AAAA");
  EXPECT_EQ(m.p.CodigoLosa[1], 1);
}

TEST(TablaLosas, LosasEnUnaDireccionSeClasificanPorElParQueLasSoporta) {
  Mesa m;
  // Lx = 8, Ly = 4 (ratio 2): one-way on edges 3 and 4; edges 1 and 2 play no part.
  m.t.AgregaFila(Losa("8", "4", "NNEE"));
  // Lx = 4, Ly = 8: one-way on edges 1 and 2.
  m.t.AgregaFila(Losa("4", "8", "EENN"));
  // Lx = 6, Ly = 4 (ratio 1.5): two-way, all four edges.
  m.t.AgregaFila(Losa("6", "4", "EEAA"));
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(m.p.CodigoLosa[1], 12);
  EXPECT_EQ(m.p.CodigoLosa[2], 12);
  EXPECT_EQ(m.p.CodigoLosa[3], 4);
  EXPECT_EQ(m.p.BordesActual, "EEAA");
  EXPECT_TRUE(m.ui.mensajes.empty());

  m.t.CargaLinea(0, m.ui);
  EXPECT_EQ(m.p.BordesActual, "EE");  // edges 3 and 4 of the 8 x 4 slab
  m.t.filas[0][ColLosa::Lx] = "4";
  m.t.filas[0][ColLosa::Ly] = "8";
  m.t.CargaLinea(0, m.ui);
  EXPECT_EQ(m.p.BordesActual, "NN");  // now edges 1 and 2, which carry nothing
  EXPECT_EQ(m.p.ErrorBordes, 1);
}

TEST(TablaLosas, CombinacionRechazadaMarcaLaLosaHastaQueSeCorrija) {
  Mesa m;
  m.t.AgregaFila(Losa("4", "4", "EEEE"));
  m.t.AgregaFila(Losa("5", "5", "NNAA"));       // two free edges: no case
  m.t.AgregaFila(Losa("3", "9", "NAEE"));       // one-way on N and A: no case, no message
  m.t.ProcesaLosa(m.ui);

  ASSERT_EQ(m.ui.mensajes.size(), 1u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "Condiciones de Borde No Validas");
  EXPECT_EQ(m.ui.mensajes[0].titulo, "ERROR");
  EXPECT_FALSE(m.p.BordesInvalidos[1]);
  EXPECT_TRUE(m.p.BordesInvalidos[2]);
  EXPECT_TRUE(m.p.BordesInvalidos[3]);
  // The code stored is the last one the classification gave, that of slab 1.
  EXPECT_EQ(m.p.CodigoLosa[2], 9);
  EXPECT_EQ(m.p.CodigoLosa[3], 9);
  EXPECT_EQ(m.p.Bordes[2], "NNAA");

  m.t.EditaCelda(1, ColLosa::Borde1, "A");
  m.t.EditaCelda(2, ColLosa::Borde1, "E");
  m.t.FilaActualizada(m.ui);
  EXPECT_FALSE(m.p.BordesInvalidos[2]);
  EXPECT_EQ(m.p.CodigoLosa[2], 18);
  EXPECT_FALSE(m.p.BordesInvalidos[3]);
  EXPECT_EQ(m.p.CodigoLosa[3], 11);
}

TEST(TablaLosas, ValoresCeroONegativosTomanValoresGenerales) {
  Mesa m;
  m.p.CargaMuerta = 0.45f;
  m.p.CargaViva = 0.25f;
  m.p.EspesorGeneral = 0.15f;
  m.t.AgregaFila(Losa("0", "-2", "AAAA", "0", "-1", "", "", ""));
  m.t.ProcesaLosa(m.ui);

  // Spans: a message each, and the unit value in the grid and in the project.
  ASSERT_EQ(m.ui.mensajes.size(), 2u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "Lx no puede ser cero o negativo\rvalor unitario asumido");
  EXPECT_EQ(m.ui.mensajes[1].texto, "Ly no puede ser cero o negativo\rvalor unitario asumido");
  EXPECT_EQ(m.ui.mensajes[0].botones, Botones::OK);
  EXPECT_EQ(m.t.filas[0][ColLosa::Lx], "1");
  EXPECT_EQ(m.p.Lx[1], 1.0f);
  EXPECT_EQ(m.p.Ly[1], 1.0f);
  // A dead-load cell of 0 and the other zero or negative cells take the general values.
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVano], "0.45");
  EXPECT_EQ(m.p.CargaMuertaVano[1], 0.45f);
  EXPECT_EQ(m.p.CargaVivaVano[1], 0.25f);
  EXPECT_EQ(m.p.EspesorLosa[1], 0.15f);
  // The cantilever loads have no default: empty means none.
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVuelo], "");
  EXPECT_EQ(m.p.CargaMuertaVuelo[1], 0.0f);

  // A second pass finds nothing more to say.
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(m.ui.mensajes.size(), 2u);
}

TEST(TablaLosas, CeldasQueNoSonNumerosMuestranLoQueSeGuarda) {
  Mesa m;
  m.t.AgregaFila(Losa("4m", "5", "AAAA", "abc", "0.2", "x", "1e39", "0.12"));
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(m.t.filas[0][ColLosa::Lx], "4");
  EXPECT_EQ(m.p.Lx[1], 4.0f);
  EXPECT_EQ(m.p.CargaMuertaVano[1], m.p.CargaMuerta);
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVuelo], "0");
  EXPECT_EQ(m.t.filas[0][ColLosa::VivaVuelo], "0");  // too large for a Single
  EXPECT_EQ(m.p.CargaVivaVuelo[1], 0.0f);
  EsperaProyectoComoGrilla(m.p, m.t);

  // ChequeaNumeros fills the row defaults into non-numeric cells of the current row,
  // never the cantilever loads.
  m.t.filas[0][ColLosa::Ly] = "??";
  m.t.filas[0][ColLosa::VivaVano] = "";
  m.t.filas[0][ColLosa::Borde4] = " ";
  m.t.filas[0][ColLosa::MuertaVuelo] = "";
  m.t.ChequeaNumeros(0);
  EXPECT_EQ(m.t.filas[0][ColLosa::Ly], "1");
  EXPECT_EQ(m.t.filas[0][ColLosa::VivaVano], "0.2");
  EXPECT_EQ(m.t.filas[0][ColLosa::Borde4], "A");
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVuelo], "");
}

TEST(TablaLosas, FilaNuevaLlegaConLosValoresPorDefectoYSeProcesa) {
  Mesa m;
  m.p.CargaMuertaDefecto = 0.4f;
  m.p.CargaVivaDefecto = 0.25f;
  m.p.EspesorDefecto = 0.1f;
  ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
  EXPECT_EQ(m.p.NumLosas, 1);
  const Fila& f = m.t.filas[0];
  EXPECT_EQ(f[ColLosa::Num], "1");
  EXPECT_EQ(f[ColLosa::Lx], "1");
  EXPECT_EQ(f[ColLosa::Borde1], "A");
  EXPECT_EQ(f[ColLosa::MuertaVano], "0.4");
  EXPECT_EQ(f[ColLosa::VivaVano], "0.25");
  EXPECT_EQ(f[ColLosa::Espesor], "0.1");
  EXPECT_EQ(m.p.Bordes[1], "AAAA");
  EXPECT_EQ(m.p.CodigoLosa[1], 1);
  EXPECT_TRUE(m.ui.mensajes.empty());
  EXPECT_EQ(m.t.columnaActual, ColLosa::Lx);
}

TEST(TablaLosas, LaCentesimaFilaSeRechaza) {
  Mesa m;
  for (int i = 0; i < 99; ++i) ASSERT_TRUE(m.t.AgregaFila(Losa("4", "4", "AAAA")));
  EXPECT_FALSE(m.t.AgregaFila(Losa("4", "4", "AAAA")));
  EXPECT_FALSE(m.t.AgregaFilaNueva(m.ui));
  ASSERT_EQ(m.ui.mensajes.size(), 1u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "No se pueden definir mas de 99 losas");
  m.t.CopiaLosa(m.ui);  // Yes, but there is no room
  EXPECT_EQ(m.ui.UltimoTexto(), "No se pueden definir mas de 99 losas");
  EXPECT_EQ(m.t.NumFilas(), 99);

  // A grid filled past the limit by other means is processed up to slab 99 only.
  m.t.filas.push_back(Losa("4", "4", "AAAA"));
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(m.p.NumLosas, 99);
  EXPECT_EQ(m.ui.UltimoTexto(), "No se pueden definir mas de 99 losas");
}

TEST(TablaLosas, BorrarLaUltimaFilaCompletaLaPrimeraLosa) {
  Mesa m;
  m.t.AgregaFila(Losa("4", "5", "AAAA", "0.5", "0.2", "-0.3", "0.1"));
  m.t.AgregaFila(Losa("6", "5", "EAAA"));
  m.t.FilaActualizada(m.ui);
  EXPECT_EQ(m.p.CargaMuertaVuelo[1], -0.3f);

  m.t.BorraFila(0, m.ui);  // the second slab becomes slab 1
  EXPECT_EQ(m.p.NumLosas, 1);
  EXPECT_EQ(m.t.filas[0][ColLosa::Num], "1");
  EXPECT_EQ(m.p.Lx[1], 6.0f);
  EXPECT_EQ(m.p.Bordes[1], "EAAA");

  m.p.CargaMuertaVuelo[1] = -0.3f;
  m.p.LosaActual = 9;
  m.t.BorraFila(0, m.ui);
  EXPECT_EQ(m.p.NumLosas, 0);
  EXPECT_EQ(m.t.NumFilas(), 0);
  EXPECT_EQ(m.p.CargaMuertaVuelo[1], 0.0f);  // completed
  EXPECT_EQ(m.p.LosaActual, 1);
}

TEST(TablaLosas, CambiaAplicaElValorATodasLasLosas) {
  Mesa m;
  m.p.EspesorGeneral = 0.14f;
  for (int i = 0; i < 3; ++i) m.t.AgregaFila(Losa("4", "5", "AAAA", "0.5", "0.2", "", "", "0.12"));
  m.t.Procesa(m.ui);

  // Empty box: the general thickness into every row and slab.
  m.t.textoValor = "  ";
  m.t.Cambia(TablaLosas::Cantidad::Espesor, m.ui);
  ASSERT_EQ(m.ui.mensajes.size(), 1u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "OK para modificar el Espesor en todas las losas.");
  EXPECT_EQ(m.ui.mensajes[0].botones, Botones::OKCancelar);
  EXPECT_EQ(m.ui.mensajes[0].icono, Icono::Pregunta);
  ASSERT_EQ(m.ui.estados.size(), 2u);
  EXPECT_EQ(m.ui.estados[0], "Modificando Espesor...");
  EXPECT_EQ(m.ui.estados[1], "");
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(m.p.EspesorLosa[static_cast<std::size_t>(i)], 0.14f);
  EXPECT_EQ(m.t.filas[2][ColLosa::Espesor], "0.14");

  // A number in the box.
  m.t.textoValor = "0.75";
  m.t.Cambia(TablaLosas::Cantidad::CargaMuerta, m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "OK para modificar la Carga Muerta en todas las losas.");
  EXPECT_EQ(m.ui.estados[2], "Modificando Carga Muerta...");
  EXPECT_EQ(m.p.CargaMuertaVano[3], 0.75f);
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVano], "0.75");
  EsperaProyectoComoGrilla(m.p, m.t);

  // Cancel changes nothing.
  m.ui.respuestas.push_back(Respuesta::Cancelar);
  m.t.textoValor = "0.4";
  m.t.Cambia(TablaLosas::Cantidad::CargaViva, m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "OK para modificar la Carga Viva en todas las losas.");
  EXPECT_EQ(m.p.CargaVivaVano[1], 0.2f);
  EXPECT_EQ(m.t.filas[0][ColLosa::VivaVano], "0.2");

  // A box reading 0 means the general value, like a zero cell.
  m.t.textoValor = "0";
  m.t.Cambia(TablaLosas::Cantidad::CargaViva, m.ui);
  EXPECT_EQ(m.p.CargaVivaVano[2], m.p.CargaViva);

  // Without rows it stops silently.
  Mesa vacia;
  vacia.t.Cambia(TablaLosas::Cantidad::Espesor, vacia.ui);
  EXPECT_TRUE(vacia.ui.mensajes.empty());
  EXPECT_TRUE(vacia.ui.estados.empty());
}

TEST(TablaLosas, CajaDeValoresGlobales) {
  Mesa m;
  m.p.CargaMuerta = 0.513f;
  m.p.CargaViva = 0.25f;
  m.p.EspesorGeneral = 0.12f;
  m.t.PonValorGeneral(TablaLosas::Cantidad::CargaMuerta);
  EXPECT_EQ(m.t.textoValor, "0.513");
  m.t.PonValorGeneral(TablaLosas::Cantidad::CargaViva);
  EXPECT_EQ(m.t.textoValor, "0.25");
  m.t.PonValorGeneral(TablaLosas::Cantidad::Espesor);
  EXPECT_EQ(m.t.textoValor, "0.12");

  m.t.textoValor = "12";
  for (char c : std::string("0123456789.\b")) EXPECT_TRUE(m.t.AceptaTeclaValor(c, m.ui)) << c;
  EXPECT_EQ(m.ui.beeps, 0);
  m.t.textoValor = "1.5";
  EXPECT_FALSE(m.t.AceptaTeclaValor('.', m.ui));  // a second point
  EXPECT_FALSE(m.t.AceptaTeclaValor('a', m.ui));
  EXPECT_FALSE(m.t.AceptaTeclaValor('-', m.ui));
  EXPECT_FALSE(m.t.AceptaTeclaValor(' ', m.ui));
  EXPECT_EQ(m.ui.beeps, 4);
}

TEST(TablaLosas, CopiaLosaAgregaUnaFilaIgualAlFinal) {
  Mesa m;
  for (int i = 1; i <= 5; ++i)
    m.t.AgregaFila(Losa(std::to_string(i + 2), "5", i == 3 ? "EAEA" : "AAAA", "0.5", "0.2",
                        i == 3 ? "0.1" : "", "", "0.12"));
  m.t.Procesa(m.ui);
  m.t.filaActual = 2;

  m.ui.respuestas.push_back(Respuesta::No);
  m.t.CopiaLosa(m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "Desea repetir los valores de esta losa (3)");
  EXPECT_EQ(m.ui.mensajes.back().botones, Botones::SiNo);
  EXPECT_EQ(m.t.NumFilas(), 5);

  m.t.CopiaLosa(m.ui);  // Yes
  ASSERT_EQ(m.t.NumFilas(), 6);
  EXPECT_EQ(m.p.NumLosas, 6);
  EXPECT_EQ(m.t.filas[5][ColLosa::Num], "6");
  for (int c = 1; c < TablaLosas::NumColumnas; ++c)
    EXPECT_EQ(m.t.filas[5][static_cast<std::size_t>(c)], m.t.filas[2][static_cast<std::size_t>(c)]) << c;
  EXPECT_EQ(m.p.Lx[6], m.p.Lx[3]);
  EXPECT_EQ(m.p.Bordes[6], "EAEA");
  EXPECT_EQ(m.p.CodigoLosa[6], m.p.CodigoLosa[3]);
  EXPECT_EQ(m.p.CargaMuertaVuelo[6], 0.1f);
  EXPECT_EQ(m.t.filaActual, 5);
  EXPECT_EQ(m.t.columnaActual, ColLosa::Lx);

  // A row without a number asks without one.
  m.t.filas[0][ColLosa::Num] = "";
  m.t.filaActual = 0;
  m.ui.respuestas.push_back(Respuesta::No);
  m.t.CopiaLosa(m.ui);
  EXPECT_EQ(m.ui.UltimoTexto(), "Desea repetir los valores de esta losa");
}

TEST(TablaLosas, EnterConfirmaYAvanzaUnaColumna) {
  Mesa m;
  m.t.AgregaFila(Losa("4", "5", "AAAA"));
  m.t.AgregaFila(Losa("4", "5", "AAAA"));
  m.t.Procesa(m.ui);

  m.t.EditaCelda(1, ColLosa::Borde2, "e");
  m.t.TeclaEnter(m.ui);
  EXPECT_EQ(m.t.filaActual, 1);  // stays on the row being typed
  EXPECT_EQ(m.t.columnaActual, ColLosa::Borde3);
  EXPECT_EQ(m.t.filas[1][ColLosa::Borde2], "E");
  EXPECT_EQ(m.p.Bordes[2], "AEAA");

  m.t.EditaCelda(0, ColLosa::Espesor, "0.2");
  m.t.TeclaEnter(m.ui);
  EXPECT_EQ(m.p.EspesorLosa[1], 0.2f);
  EXPECT_EQ(m.t.filaActual, 1);  // from the last column to the next row
  EXPECT_EQ(m.t.columnaActual, ColLosa::Lx);

  m.t.EditaCelda(1, ColLosa::Espesor, "0.3");
  m.t.TeclaEnter(m.ui);  // last column of the last row: stays
  EXPECT_EQ(m.t.filaActual, 1);
  EXPECT_EQ(m.t.columnaActual, ColLosa::Espesor);
  EXPECT_EQ(m.p.EspesorLosa[2], 0.3f);
}

TEST(TablaLosas, ActivarOKYEscape) {
  Mesa m;
  m.t.Activa(m.ui);
  EXPECT_TRUE(m.t.abierta);
  EXPECT_EQ(m.p.NumLosas, 0);

  m.t.AgregaFila(Losa("4", "5", "EAAA"));
  m.t.Escape();  // closes without processing
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.NumLosas, 0);
  EXPECT_EQ(m.t.NumFilas(), 1);

  m.t.Activa(m.ui);  // the rows left in the grid are processed now
  EXPECT_EQ(m.p.NumLosas, 1);
  EXPECT_EQ(m.p.CodigoLosa[1], 2);
  EXPECT_EQ(m.t.filaActual, 0);
  EXPECT_EQ(m.t.columnaActual, ColLosa::Lx);

  m.t.EditaCelda(0, ColLosa::Lx, "7");
  m.t.OK(m.ui);
  EXPECT_FALSE(m.t.abierta);
  EXPECT_EQ(m.p.Lx[1], 7.0f);
}

TEST(TablaLosas, UnaSesionDeTrabajoDejaElProyectoComoDiceLaGrilla) {
  Mesa m;
  m.p.CargaMuerta = 0.5f;
  m.p.CargaViva = 0.2f;
  m.p.EspesorGeneral = 0.12f;
  m.t.Activa(m.ui);

  // Five slabs typed cell by cell.
  const char* datos[5][6] = {{"4", "5", "e", "a", "A", "a"},
                             {"8", "4", "n", "n", "E", "e"},
                             {"3.5", "3.5", "E", "E", "E", "E"},
                             {"1.5", "4", "E", "N", "A", "A"},
                             {"6", "4", "A", "A", "A", "n"}};
  for (const auto& d : datos) {
    ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
    const int r = m.t.filaActual;
    m.t.EditaCelda(r, ColLosa::Lx, d[0]);
    m.t.MueveCelda(r, ColLosa::Ly);
    m.t.EditaCelda(r, ColLosa::Ly, d[1]);
    for (int c = 0; c < 4; ++c) {
      m.t.MueveCelda(r, ColLosa::Borde1 + c);
      m.t.EditaCelda(r, ColLosa::Borde1 + c, d[2 + c]);
    }
    m.t.MueveCelda(r, ColLosa::MuertaVano);
    m.t.FilaActualizada(m.ui);
  }
  m.t.EditaCelda(3, ColLosa::MuertaVuelo, "0.2");
  m.t.EditaCelda(3, ColLosa::Borde4, "a");
  m.t.FilaActualizada(m.ui);
  m.t.BorraFila(1, m.ui);  // the 8 x 4 slab goes; the rest move up
  m.t.textoValor = "0.3";
  m.t.Cambia(TablaLosas::Cantidad::CargaViva, m.ui);
  m.t.EditaCelda(0, ColLosa::Espesor, "0");
  m.t.Procesa(m.ui);

  ASSERT_EQ(m.p.NumLosas, 4);
  EsperaProyectoComoGrilla(m.p, m.t);
  EXPECT_EQ(m.p.Bordes[1], "EAAA");
  EXPECT_EQ(m.p.Bordes[2], "EEEE");
  EXPECT_EQ(m.p.Bordes[3], "ENAA");
  EXPECT_EQ(m.p.CodigoLosa[3], 13);  // 1.5 x 4: one-way cantilever on edges 1 and 2
  EXPECT_EQ(m.p.CargaMuertaVuelo[3], 0.2f);
  EXPECT_EQ(m.p.EspesorLosa[1], 0.12f);
  EXPECT_EQ(m.p.CargaVivaVano[4], 0.3f);
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(m.p.BordesInvalidos[static_cast<std::size_t>(i)]);

  // Processing again changes nothing and says nothing.
  const Proyecto antes = m.p;
  const auto filasAntes = m.t.filas;
  const std::size_t mensajes = m.ui.mensajes.size();
  m.t.Activa(m.ui);
  m.t.OK(m.ui);
  EXPECT_EQ(m.t.filas, filasAntes);
  EXPECT_EQ(m.ui.mensajes.size(), mensajes);
  for (int i = 1; i <= 4; ++i) {
    const auto k = static_cast<std::size_t>(i);
    EXPECT_EQ(m.p.CodigoLosa[k], antes.CodigoLosa[k]);
    EXPECT_EQ(m.p.Bordes[k], antes.Bordes[k]);
    EXPECT_EQ(m.p.Lx[k], antes.Lx[k]);
  }
  EsperaProyectoComoGrilla(m.p, m.t);
}

}  // namespace placatec
