#include "model/ArchivoLos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

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

TEST(CodigoPagina, CadaByteSobreviveLaIdaYVuelta) {
  std::string todos;
  for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
  const std::string utf8 = Utf8DesdeWindows1252(todos);
  EXPECT_EQ(Windows1252DesdeUtf8(utf8), todos);
  EXPECT_EQ(Utf8DesdeWindows1252("\x80\xF1\x96"), "\xE2\x82\xAC\xC3\xB1\xE2\x80\x93");
  // Invalid UTF-8 and characters outside the code page become "?".
  EXPECT_EQ(Windows1252DesdeUtf8("a\xC3"), "a?");
  EXPECT_EQ(Windows1252DesdeUtf8("\xC0\xAF|\xED\xA0\x80|\xF0\x9F\x98\x80|\xFF"), "??|???|?|?");
  EXPECT_EQ(Windows1252DesdeUtf8("\xE4\xB8\x80"), "?");
}

// Text from outside (a file name in Latin-1, a cut sequence) made valid UTF-8 for the
// JSON output: each byte that starts no well-formed sequence becomes U+FFFD.
TEST(CodigoPagina, Utf8ValidoReemplazaLosBytesSueltos) {
  const std::string r = "\xEF\xBF\xBD";
  EXPECT_EQ(Utf8Valido("losa-\xC3\xB1-\xE2\x82\xAC-\xF0\x9F\x98\x80.Los"),
            "losa-\xC3\xB1-\xE2\x82\xAC-\xF0\x9F\x98\x80.Los");
  EXPECT_EQ(Utf8Valido("a\xF1o.Los"), "a" + r + "o.Los");  // "año" in Latin-1
  EXPECT_EQ(Utf8Valido("\xC3"), r);
  EXPECT_EQ(Utf8Valido("\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xE2\x82"),
            r + r + "|" + r + r + r + "|" + r + r + r + r + "|" + r + r);
  EXPECT_EQ(Utf8Valido(std::string("\0\x7F", 2)), std::string("\0\x7F", 2));
}

}  // namespace placatec
