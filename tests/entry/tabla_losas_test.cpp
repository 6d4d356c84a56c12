#include "entry/TablaLosas.h"

#include <gtest/gtest.h>

#include "Casos.h"
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
  EstadoSesion e;
  TablaLosas t{p, e};
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
  // Spans: the unit value, with a message each naming the slab.
  ASSERT_EQ(m.ui.mensajes.size(), 2u);
  EXPECT_EQ(m.ui.mensajes[0].texto, "Lx no puede ser cero o negativo\rvalor unitario asumido\rLosa No. 1");
  EXPECT_EQ(m.ui.mensajes[1].texto, "Ly no puede ser cero o negativo\rvalor unitario asumido\rLosa No. 1");
  EXPECT_EQ(m.t.filas[0][ColLosa::Lx], "1");
  // A dead-load cell of 0 (or no number) takes the general value; a negative thickness
  // (which no key reaches, but a file can) is kept for the calculation to refuse by name.
  EXPECT_EQ(m.t.filas[0][ColLosa::MuertaVano], "0.45");
  EXPECT_EQ(m.p.EspesorLosa[1], -1.0f);
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

// A place cell: empty leaves the slab to the supports, a number sets it, anything else is
// emptied with a message naming the slab; a copied row leaves the place out.
TEST(TablaLosas, PosicionVaciaFijadaOMalEscrita) {
  Mesa m;
  m.Agrega({Losa("4", "5", "AAAA"), Losa("4", "5", "AAAA"), Losa("4", "5", "AAAA"), Losa("4", "5", "AAAA")});
  m.t.filas[1][ColLosa::X0] = "12,5";
  m.t.EditaCelda(1, ColLosa::X0, m.t.filas[1][ColLosa::X0]);  // the comma as typed
  m.t.filas[1][ColLosa::Y0] = "-3";
  m.t.filas[2][ColLosa::X0] = "cerca";
  m.t.filas[3][ColLosa::Y0] = "2e4";
  m.t.ProcesaLosa(m.ui);
  EXPECT_EQ(std::tuple(m.p.X0[1], m.p.X0[2], m.p.Y0[2], m.p.X0[3], m.p.Y0[4]),
            std::tuple(std::nullopt, std::optional(12.5f), std::optional(-3.0f), std::nullopt, std::nullopt));
  ASSERT_EQ(m.ui.mensajes.size(), 2u);
  EXPECT_EQ(m.ui.mensajes[0].texto,
            "X0 debe ser un numero entre -10000 y 10000 m\rposicion automatica asumida\rLosa No. 3");
  EXPECT_EQ(m.ui.mensajes[1].texto,
            "Y0 debe ser un numero entre -10000 y 10000 m\rposicion automatica asumida\rLosa No. 4");
  EXPECT_EQ(m.t.filas[2][ColLosa::X0] + m.t.filas[3][ColLosa::Y0], "");
  m.t.filaActual = 1;
  m.t.CopiaLosa(m.ui);
  EXPECT_EQ(m.t.filas[4][ColLosa::Lx], "4");
  EXPECT_EQ(m.t.filas[4][ColLosa::X0] + m.t.filas[4][ColLosa::Y0], "");
}

// What is typed into the live-load cell, and what an empty or zero cell or a new row
// gives, reaches the slab's live load and no other value.
TEST(TablaLosas, CeldaDeCargaViva) {
  const auto casos = LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/carga_viva_celda.txt");
  ASSERT_EQ(casos.size(), 8u);
  for (const auto& c : casos) {
    SCOPED_TRACE(c[0]);
    Mesa m;
    m.p.CargaViva = 0.25f;
    m.p.CargaMuerta = 0.5f;
    m.e.CargaVivaDefecto = 0.3f;
    m.e.CargaMuertaDefecto = 0.45f;
    if (c[0] == "nueva") {
      ASSERT_TRUE(m.t.AgregaFilaNueva(m.ui));
    } else {
      m.Agrega({Losa("4", "5", "AAAA", "0.6")});
      m.t.EditaCelda(0, ColLosa::VivaVano, c[0]);
      m.t.FilaActualizada(m.ui);
    }
    EXPECT_EQ(m.p.CargaVivaVano[1], ValorSingle(c[1]));
    EXPECT_EQ(m.t.filas[0][ColLosa::VivaVano], c[2]);
    EXPECT_EQ(m.p.CargaMuertaVano[1], c[0] == "nueva" ? 0.45f : 0.6f);
    EXPECT_EQ(m.p.CargaViva, 0.25f);
  }
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

}  // namespace placatec
