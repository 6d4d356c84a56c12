#include "comandos/ComandosArchivo.h"
#include "model/ArchivoLos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "InterlocutorGuion.h"
#include "engine/Clasificacion.h"
#include "model/CodigoPagina.h"

namespace placatec {

namespace {

// The file of the worked example: two slabs on one support in X, long form.
const std::string kEjemplo =
    "Edificio de prueba\r\n 2  1  210  4200  .12  2  .513  .25 \r\n"
    " 1 EAAA, 4  5  .513  .25  0  0  .12 \r\n 2 AEAA, 4  5  .513  .25  0  0  .12 \r\n 1 X, 1  2 \r\n"
    "Entrepiso\r\n .12  2.4 \r\n 0  0 \r\n .025  1.8 \r\n .035  2.3 \r\n .1  0 \r\n"
    "Oficina: cuartos de oficinas\r\n";

std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  for (;;) {
    std::size_t fin = texto.find("\r\n", inicio);
    if (fin == std::string::npos) break;
    lineas.push_back(texto.substr(inicio, fin - inicio));
    inicio = fin + 2;
  }
  EXPECT_EQ(inicio, texto.size()) << "el archivo debe terminar en CR LF";
  return lineas;
}

struct Leido {
  std::unique_ptr<Proyecto> p = std::make_unique<Proyecto>();
  ResultadoLectura r;
  InterlocutorGuion ui;
};

std::unique_ptr<Leido> Lee(std::string_view bytes) {
  auto l = std::make_unique<Leido>();
  l->r = LeeProyecto(bytes, *l->p);
  return l;
}

// Agreement to the 7 significant digits that the file holds.
void ComparaSiete(float esperado, float leido, const char* nombre) {
  EXPECT_NEAR(leido, esperado, std::fabs(esperado) * 5e-7) << nombre;
}

}  // namespace

TEST(ArchivoLos, ElEjemploSeLeeYSeEscribeByteAByte) {
  auto l = Lee(kEjemplo);
  ASSERT_EQ(l->r.completa, true);
  const Proyecto& p = *l->p;
  EXPECT_FLOAT_EQ(p.Ly[2], 5.0f);
  EXPECT_EQ(p.Bordes[2], "AEAA");
  EXPECT_FLOAT_EQ(p.ApoyoLosa2[1], 2.0f);
  EXPECT_FLOAT_EQ(p.EspesorCapa[3], 0.035f);
  EXPECT_EQ(Lineas(TextoProyecto(p, l->r.textoUso)).size(), 12u);
  EXPECT_EQ(TextoProyecto(p, l->r.textoUso), kEjemplo);
}

TEST(ArchivoLos, EscribeNegativosExponentesYTextosEnWindows1252) {
  auto e = Lee(kEjemplo);
  Proyecto* p = e->p.get();
  p->Titulo = "Losa de azotea \xE2\x80\x93 a\xC3\xB1o \xE2\x82\xAC \xE4\xB8\x80";  // – año € 一
  p->CargaMuertaVuelo[1] = -0.5f;
  p->CargaVivaVuelo[1] = 0.000015f;
  p->Lx[2] = 12345678.0f;
  p->ApoyoDir[1] = "X,\r\nY";  // would break the line
  const auto l = Lineas(TextoProyecto(*p, "Techo plano"));
  EXPECT_EQ(l[0], "Losa de azotea \x96 a\xF1o \x80 ?");
  EXPECT_EQ(l[2], " 1 EAAA, 4  5  .513  .25 -.5  1.5E-05  .12 ");
  EXPECT_EQ(l[3], " 2 AEAA, 1.234568E+07  5  .513  .25  0  0  .12 ");
  EXPECT_EQ(l[4], " 1 X   Y, 1  2 ");
}

TEST(ArchivoLos, IdaYVueltaReproduceCadaValor) {
  auto p = std::make_unique<Proyecto>();
  p->Titulo = "  Edificaci\xC3\xB3n \"Los \xC3\x81lamos\", bloque B  ";
  p->NumLosas = 99;
  p->NumApoyos = 99;
  p->Fc = -7;
  p->Fy = 32767;
  p->EspesorGeneral = 0.1234567f;
  p->Recubrimiento = 2.5f;
  p->CargaMuerta = 0.5134f;
  p->CargaViva = 1.0e-7f;
  p->Uso = "Uso con blancos  ";
  p->EspesorCapa = {0.1f, 0.05f, 3.0e20f, -0.035f};
  p->PesoUnitCapa = {2.4f, 1.8f, 1.8f, 2.3f};
  p->Panderetas = 0.123456789012345;
  p->OtrasCargas = -0.273f;
  const char* bordes[] = {"AAAA", "EAAA", "EENE", "NAEE", "EAEA"};
  for (int i = 1; i <= 99; ++i) {
    p->Lx[i] = 3.0f + 0.0123457f * static_cast<float>(i);
    p->Ly[i] = 4.5f + 0.111f * static_cast<float>(i % 7);
    p->Bordes[i] = bordes[i % 5];
    p->CargaMuertaVano[i] = 0.3f + 0.001f * static_cast<float>(i);
    p->CargaVivaVano[i] = -0.2f;
    p->CargaMuertaVuelo[i] = 0.15f * static_cast<float>(i % 3);
    p->CargaVivaVuelo[i] = 1.0e-5f * static_cast<float>(i);
    p->EspesorLosa[i] = 0.1f + 0.01f * static_cast<float>(i % 4);
    p->ApoyoDir[i] = i % 2 ? "X" : "Y";
    p->ApoyoLosa1[i] = static_cast<float>(i);
    p->ApoyoLosa2[i] = static_cast<float>(100 - i) + 0.5f;
  }
  auto l = Lee(TextoProyecto(*p, "  Acera "));
  ASSERT_EQ(l->r.completa, true);
  const Proyecto& q = *l->p;
  EXPECT_TRUE(l->r.formaLarga);
  EXPECT_EQ(l->r.textoUso, "Acera");
  EXPECT_EQ(q.Titulo, p->Titulo);
  EXPECT_EQ(q.Uso, p->Uso);
  EXPECT_EQ(q.NumApoyosReac, 99);
  EXPECT_FLOAT_EQ(q.CargaUltimaGeneral, 1.4f * q.CargaMuerta + 1.7f * q.CargaViva);
  // Every number agrees to the 7 significant digits the file holds (the double to 15).
  ComparaSiete(p->EspesorGeneral, q.EspesorGeneral, "EspesorGeneral");
  ComparaSiete(p->EspesorCapa[2], q.EspesorCapa[2], "EspesorCapa");
  EXPECT_NEAR(q.Panderetas, p->Panderetas, 1e-15);
  for (int i = 1; i <= 99; ++i) {
    SCOPED_TRACE(i);
    ComparaSiete(p->Lx[i], q.Lx[i], "Lx");
    ComparaSiete(p->CargaVivaVuelo[i], q.CargaVivaVuelo[i], "CargaVivaVuelo");
    ComparaSiete(p->ApoyoLosa2[i], q.ApoyoLosa2[i], "ApoyoLosa2");
  }
  // Written again, the file is the same: every other value came back as it went.
  EXPECT_EQ(TextoProyecto(q, l->r.textoUso), TextoProyecto(*p, "Acera"));
}

TEST(ArchivoLos, LeeArchivosDeOtroEscritor) {
  // Leading zeros, signs, exponents, commas as separators, tabs, items split over
  // lines, LF line ends, a slab number that does not match its position.
  const std::string texto =
      "Otro programa\n"
      "002,\t1, 2.1E2, +4200\n  0.120, 2.0, 5.13e-1,\n 0.25\n"
      "1, EAAA, 4.0, 5, 0.513, .25, 0, 0, 0.12\n"
      "7 AEAA ,04.00 5.0E+00\n 0 0 -0 0 0\n"
      "1,X,1,2\n"
      "Entrepiso\n"
      ".12 2.4\n0 0\n.025 1.8\n.035 2.3\n"
      "1.0D-1 0\n"
      "Oficina: cuartos de oficinas";
  auto l = Lee(texto);
  ASSERT_EQ(l->r.completa, true);
  const Proyecto& p = *l->p;
  // It is the worked example: the slab numbered 7 is the second slab, and its zero
  // loads and thickness took the general values.
  EXPECT_EQ("Edificio de prueba" + TextoProyecto(p, l->r.textoUso).substr(13), kEjemplo);
  EXPECT_EQ(p.Titulo, "Otro programa");
  EXPECT_TRUE(l->ui.mensajes.empty());
}

TEST(ArchivoLos, EnterosRedondeanAlParYCargasCeroTomanLasGenerales) {
  // 1.5 slabs are 2; 250.5 is 250 and 2799.5 is 2800 (halves to the even neighbour).
  auto l =
      Lee("T\r\n 1.5  0  250.5  2799.5  .1  2  .4  .2 \r\n"
          " 1 AAAA, 3  3  0 -.3  0  0 -.12 \r\n"
          " 2 AAAA, 3  3  .5  0  0  0  0 \r\n");
  ASSERT_EQ(l->r.completa, true);
  const Proyecto& p = *l->p;
  EXPECT_EQ(p.NumLosas, 2);
  EXPECT_EQ(p.Fc, 250);
  EXPECT_EQ(p.Fy, 2800);
  EXPECT_FLOAT_EQ(p.CargaMuertaVano[1], 0.4f);
  EXPECT_FLOAT_EQ(p.CargaVivaVano[1], -0.3f) << "una carga negativa se queda";
  EXPECT_FLOAT_EQ(p.EspesorLosa[1], -0.12f);
  EXPECT_FLOAT_EQ(p.CargaMuertaVano[2], 0.5f);
  EXPECT_FLOAT_EQ(p.CargaVivaVano[2], 0.2f);
  EXPECT_FLOAT_EQ(p.EspesorLosa[2], 0.1f);
  EXPECT_FLOAT_EQ(p.CargaUltimaGeneral, 1.4f * 0.4f + 1.7f * 0.2f);
  // 251.5 is 252.
  auto m = Lee("T\r\n 1  0  251.5  4200  .1  2  .4  .2 \r\n 1 AAAA, 3  3  0  0  0  0  0 \r\n");
  ASSERT_EQ(m->r.completa, true);
  EXPECT_EQ(m->p->Fc, 252);
}

TEST(ArchivoLos, FormaCortaEligeElUsoPorElTitulo) {
  struct Caso {
    const char* titulo;
    const char* uso;
    const char* selector;
  } casos[] = {
      {"Techo del garaje", "Techo", "Techo plano"},
      {"losa de tEcHo", "Techo", "Techo plano"},
      {"Primer entrepiso", "Entrepiso", "Residencia: habitaciones, salas, etc."},
      {"Bodega", "Techo", "Techo plano"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.titulo);
    auto l = Lee(std::string(c.titulo) + "\r\n 1  1  210  4200  .12  2  .5134  .3 \r\n" +
                 " 1 EAAA, 4  5  0  0  0  0  0 \r\n 1 X, 1  1 \r\n\r\n  \r\n");
    ASSERT_EQ(l->r.completa, true);
    EXPECT_FALSE(l->r.formaLarga);
    EXPECT_EQ(l->p->Uso, c.uso);
    EXPECT_EQ(l->r.textoUso, c.selector);
    // One slab layer of 0.1 x 2.4, no other layers; the rest of the load is "other".
    EXPECT_EQ(l->p->EspesorCapa, (std::array<Single, 4>{0.1f, 0, 0, 0}));
    EXPECT_EQ(l->p->PesoUnitCapa, (std::array<Single, 4>{2.4f, 0, 0, 0}));
    EXPECT_EQ(l->p->Panderetas, 0.0);
    EXPECT_NEAR(l->p->OtrasCargas, 0.5134 - 0.24, 1e-6);
  }
}

TEST(ArchivoLos, ArchivosIlegales) {
  const std::string linea2 = " 1  0  210  4200  .12  2  .5  .2 \r\n";
  const std::string losa = " 1 AAAA, 4  5  .5  .2  0  0  .12 \r\n";
  const std::string cola = "Techo\r\n .1  2.4 \r\n .05  1.8 \r\n 0  0 \r\n 0  0 \r\n 0  0 \r\n";
  struct Caso {
    const char* que;
    std::string bytes;
  } casos[] = {
      {"vacio", ""},
      {"solo el titulo", "T\r\n"},
      {"cero losas", "T\r\n 0  0  210  4200  .12  2  .5  .2 \r\n"},
      {"losas negativas", "T\r\n-3  0  210  4200  .12  2  .5  .2 \r\n"},
      {"100 losas", "T\r\n 100  0  210  4200  .12  2  .5  .2 \r\n" + losa},
      {"100 apoyos", "T\r\n 1  100  210  4200  .12  2  .5  .2 \r\n" + losa},
      {"apoyos negativos", "T\r\n 1 -1  210  4200  .12  2  .5  .2 \r\n" + losa},
      {"texto por numero", "T\r\n 1  0  doscientos  4200  .12  2  .5  .2 \r\n" + losa},
      {"numero con letras", "T\r\n 1  0  210  4200  .12m  2  .5  .2 \r\n" + losa},
      {"entero fuera de 16 bits", "T\r\n 1  0  40000  4200  .12  2  .5  .2 \r\n" + losa},
      {"cuenta fuera de 16 bits", "T\r\n 65537  0  210  4200  .12  2  .5  .2 \r\n" + losa},
      {"medida fuera de 32 bits", "T\r\n 1  0  210  4200  1E39  2  .5  .2 \r\n" + losa},
      {"linea 2 corta", "T\r\n 1  0  210  4200  .12  2  .5 \r\n"},
      {"falta la losa", "T\r\n" + linea2},
      {"losa corta", "T\r\n" + linea2 + " 1 AAAA, 4  5  .5  .2  0  0 \r\n"},
      {"luz cero", "T\r\n" + linea2 + " 1 AAAA, 0  5  .5  .2  0  0  .12 \r\n"},
      {"luces cero", "T\r\n" + linea2 + " 1 AAAA, 0  0  .5  .2  0  0  .12 \r\n"},
      {"falta el apoyo", "T\r\n 1  1  210  4200  .12  2  .5  .2 \r\n" + losa},
      {"apoyo sin losa", "T\r\n 1  1  210  4200  .12  2  .5  .2 \r\n" + losa + " 1 X, 1 \r\n"},
      {"forma larga sin ultima linea", "T\r\n" + linea2 + losa + cola},
      {"forma larga sin capas", "T\r\n" + linea2 + losa + "Techo\r\n .1  2.4 \r\n"},
      {"forma larga con texto en capa", "T\r\n" + linea2 + losa + "Techo\r\n .1  dos \r\n"},
      {"bytes sin sentido", std::string("\x00\xff\x13\x80,,,\r\n\x01\x02 7 \x7f", 15)},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    auto l = Lee(c.bytes);
    EXPECT_EQ(l->r.completa, false);
    EXPECT_TRUE(l->ui.mensajes.empty()) << "el lector no muestra Archivo Ilegal: lo hace el comando";
  }
  // The same long form with its last line is legal.
  auto bien = Lee("T\r\n" + linea2 + losa + cola + "Techo plano\r\n");
  EXPECT_EQ(bien->r.completa, true);
  EXPECT_EQ(bien->r.textoUso, "Techo plano");
}

TEST(ArchivoLos, BordesSinCasoDetienenLaCarga) {
  const std::string linea2 = " 2  0  210  4200  .12  2  .5  .2 \r\n";
  const std::string buena = " 1 AAAA, 4  5  .5  .2  0  0  .12 \r\n";
  // A two-way slab on two free edges; a one-way slab (Lx = 3, Ly = 9) on edges 1 and 2
  // = "NA"; lower-case letters: none has a case, and the load says so, even when the
  // file is also cut short after the slab.
  for (const char* losa : {" 2 NNAA, 5  5", " 2 NAEE, 3  9", " 2 eaaa, 4  5"}) {
    for (const char* cola : {"  .5  .2  0  0  .12 \r\n", "  .5  .2  0  0  .12 \r\n 3"}) {
      SCOPED_TRACE(losa);
      Sesion s;
      InterlocutorGuion ui;
      EXPECT_FALSE(CargaBytes(s, "T\r\n" + linea2 + buena + losa + cola, "x.Los", ui));
      ASSERT_EQ(ui.mensajes.size(), 1u);
      EXPECT_EQ(ui.mensajes[0].texto, "Condiciones de Borde No Validas");
      EXPECT_EQ(ui.mensajes[0].titulo, "ERROR");
    }
  }
  // The one-way pairing: Lx = 8, Ly = 4 on edges 3 and 4 ("NE", a cantilever).
  Sesion s;
  InterlocutorGuion ui;
  ASSERT_TRUE(
      CargaBytes(s, "T\r\n" + linea2 + buena + " 2 AANE, 8  4  .5  .2  .1  .1  .12 \r\n", "x.Los", ui));
  EXPECT_EQ(s.proyecto.CodigoLosa[2], 13);
  EXPECT_FALSE(s.proyecto.BordesInvalidos[2]);
}

TEST(ArchivoLos, UnaMarcaUtf8SeLeeComoUtf8) {
  auto l =
      Lee("\xEF\xBB\xBF"
          "Ba\xC3\xB1o\r\n 1  0  210  4200  .12  2  .5  .2 \r\n"
          " 1 AAAA, 4  5  .5  .2  0  0  .12 \r\n");
  ASSERT_EQ(l->r.completa, true);
  EXPECT_EQ(l->p->Titulo, "Ba\xC3\xB1o");
  auto m = Lee("Ba\xF1o\r\n 1  0  210  4200  .12  2  .5  .2 \r\n 1 AAAA, 4  5  .5  .2  0  0  .12 \r\n");
  ASSERT_EQ(m->r.completa, true);
  EXPECT_EQ(m->p->Titulo, "Ba\xC3\xB1o");
}

TEST(CodigoPagina, CadaByteSobreviveLaIdaYVuelta) {
  std::string todos;
  for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
  const std::string utf8 = Utf8DesdeWindows1252(todos);
  EXPECT_EQ(Windows1252DesdeUtf8(utf8), todos);
  EXPECT_EQ(Utf8DesdeWindows1252("\x80\xF1\x96"), "\xE2\x82\xAC\xC3\xB1\xE2\x80\x93");
  // Invalid UTF-8 and characters outside the code page become "?".
  EXPECT_EQ(Windows1252DesdeUtf8("a\xC3"), "a?");
  EXPECT_EQ(Windows1252DesdeUtf8("\xC0\xAF|\xED\xA0\x80|\xF0\x9F\x98\x80|\xFF"), "??|?|?|?");
  EXPECT_EQ(Windows1252DesdeUtf8("\xE4\xB8\x80"), "?");
}

}  // namespace placatec
