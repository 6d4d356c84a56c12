#include "comandos/ComandoCalculo.h"

#include <gtest/gtest.h>

#include <vector>

#include "InterlocutorGuion.h"
#include "engine/Clasificacion.h"

namespace placatec {

namespace {

using Textos = std::vector<std::vector<std::string>>;

struct DatosLosa {
  float lx, ly;
  const char* bordes;
  float muerta, viva, espesor;
  float muertaVuelo = 0, vivaVuelo = 0;
};

// Slabs entered as the slab table stores them: the case code from the edges.
void AgregaLosa(Proyecto& p, const DatosLosa& d) {
  const int i = ++p.NumLosas;
  p.Lx[i] = d.lx;
  p.Ly[i] = d.ly;
  p.Bordes[i] = d.bordes;
  p.CargaMuertaVano[i] = d.muerta;
  p.CargaVivaVano[i] = d.viva;
  p.EspesorLosa[i] = d.espesor;
  p.CargaMuertaVuelo[i] = d.muertaVuelo;
  p.CargaVivaVuelo[i] = d.vivaVuelo;
  const std::optional<Integer> codigo = ClasificaLosa(d.lx, d.ly, d.bordes);
  ASSERT_TRUE(codigo) << d.bordes;
  p.CodigoLosa[i] = *codigo;
}

void AgregaApoyo(Proyecto& p, const std::string& dir, float a, float b) {
  const int j = ++p.NumApoyos;
  p.ApoyoDir[j] = dir;
  p.ApoyoLosa1[j] = a;
  p.ApoyoLosa2[j] = b;
}

Textos TextosDe(const TablaResultado& t) {
  Textos r;
  for (const auto& fila : t.filas) {
    r.emplace_back();
    for (const Celda& c : fila) r.back().push_back(c.texto);
  }
  return r;
}

}  // namespace

// The numbers of a calculation are checked by the corpus (tests/corpus/calculo); here,
// what a refused calculation leaves behind.
TEST(ComandoCalculo, ErrorDelMotorDejaTodoComoEstaba) {
  Sesion s;
  Proyecto& p = s.proyecto;
  AgregaLosa(p, {4, 5, "EEEE", 0.5f, 0.2f, 0.12f});
  AgregaLosa(p, {4, 5, "EEEE", 0.5f, 0.2f, 0.12f});
  AgregaApoyo(p, "X", 1, 2);
  InterlocutorGuion ui;
  ASSERT_TRUE(CalculaRefuerzo(s, ui));
  const Textos vanos = TextosDe(s.vanos), apoyos = TextosDe(s.apoyosRefuerzo);
  const Textos cantidades = TextosDe(s.medidas.tabla);
  const float qq = s.resultados.losas[1].Qq1;
  // Every refusal leaves the tables and weights of the last good calculation.
  auto Rechaza = [&](const std::string& mensaje) {
    EXPECT_FALSE(CalculaRefuerzo(s, ui));
    EXPECT_EQ(ui.UltimoTexto(), mensaje);
    EXPECT_EQ(ui.mensajes.back().titulo, "ERROR");
    EXPECT_EQ(s.estado.ErrorCalculo, 1);
    EXPECT_FALSE(s.estado.CalculoHecho);
    EXPECT_EQ(TextosDe(s.vanos), vanos);
    EXPECT_EQ(TextosDe(s.apoyosRefuerzo), apoyos);
    EXPECT_EQ(TextosDe(s.medidas.tabla), cantidades);
    EXPECT_EQ(s.resultados.losas[1].Qq1, qq);
  };

  // The second slab's spans no longer match its code.
  p.CodigoLosa[2] = 12;
  s.estado.CalculoHecho = false;
  ui.estados.clear();
  Rechaza("Error en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS");
  // The status is cleared after the engine's message: nothing is being calculated.
  EXPECT_EQ(ui.estados, (std::vector<std::string>{"Calculando Momentos y Refuerzo...", ""}));

  // A thickness no storey can have (its minimum steel would overflow a Single).
  p.CodigoLosa[2] = 9;
  p.EspesorLosa[2] = 1e38f;
  Rechaza("Espesor = 1E+38 fuera del rango (hasta 1.5 m) en la Losa No.  2\r\n\r\nCORRIJA LOS DATOS");

  // A successful calculation clears the flag of the failed one.
  p.EspesorLosa[2] = 0.12f;
  EXPECT_TRUE(CalculaRefuerzo(s, ui));
  EXPECT_EQ(s.estado.ErrorCalculo, 0);
  EXPECT_TRUE(s.estado.CalculoHecho);
}

}  // namespace placatec
