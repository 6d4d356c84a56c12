#include "model/Numeros.h"

#include <gtest/gtest.h>

#include "Casos.h"

namespace placatec {

namespace {
// A Single as the JSON output writes it.
std::string Json(float v) {
  char buf[32];
  return std::string(buf, TextoJson(v, buf));
}
}  // namespace

TEST(Numeros, EnterosRedondeanAlParYAvisanDesborde) {
  EXPECT_EQ(*AEntero(250.5), 250);
  EXPECT_EQ(*AEntero(251.5), 252);
  EXPECT_EQ(*AEntero(-2.5), -2);
  EXPECT_FALSE(AEntero(32767.5).has_value());
  EXPECT_FALSE(AEntero(-40000).has_value());
  EXPECT_FALSE(AEntero(1e300 * 1e300).has_value());
  EXPECT_EQ(IndiceLosa(2.5f), 2);
  EXPECT_EQ(IndiceLosa(3.5f), 4);
}

// Each case of the file is one call: a text read, or a number written in one of the
// program's pictures.
TEST(Numeros, TextosYValoresDelArchivoDeCasos) {
  const auto casos = LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/numeros/textos.txt");
  ASSERT_GE(casos.size(), 35u);
  for (const auto& c : casos) {
    SCOPED_TRACE(c[0] + "(" + c[1] + ")");
    ASSERT_EQ(c.size(), 4u);
    const char tipo = c[0].back();
    const std::string funcion = c[0].substr(0, c[0].find(' '));
    const float f = std::stof(tipo == 'f' ? c[1] : "0");
    const double d = std::stod(tipo == 'd' ? c[1] : "0");
    const int i = std::stoi(tipo == 'i' ? c[1] : "0");
    std::string texto;
    if (funcion == "ValorTexto") {
      EXPECT_DOUBLE_EQ(ValorTexto(c[1]), std::stod(c[3]));
      continue;
    }
    if (funcion == "EsNumero") texto = EsNumero(c[1]) ? "1" : "0";
    if (funcion == "Formato")
      texto = tipo == 'f' ? Formato(f, c[2]) : tipo == 'd' ? Formato(d, c[2]) : Formato(i, c[2]);
    if (funcion == "ItemArchivo")
      texto = tipo == 'f' ? ItemArchivo(f) : tipo == 'd' ? ItemArchivo(d) : ItemArchivo(i);
    if (funcion == "Str") texto = Str(i);
    if (funcion == "TextoNumero") texto = TextoNumero(f);
    if (funcion == "TextoCelda") texto = TextoCelda(f);
    if (funcion == "TextoJson") texto = Json(f);
    EXPECT_EQ(texto, c[3]);
  }
  // A weight box shows the product of two stored Singles multiplied in double.
  EXPECT_EQ(Formato(static_cast<double>(0.035f) * static_cast<double>(2.3f), "0.000"), "0.080");
  EXPECT_EQ(Formato(static_cast<double>(0.025f) * static_cast<double>(1.8f), "0.000"), "0.045");
}

TEST(Numeros, TextoDeCeldaYDeJsonVuelvenAlMismoValor) {
  for (float v : {0.1f, 0.513f, 5.25f, 1.0e-5f, 3.0e20f, 0.1234567f, 123456.79f, -2.3f}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(ASingle(ValorTexto(TextoCelda(v))), v);
    EXPECT_TRUE(EsNumero(TextoCelda(v)));
    EXPECT_EQ(ASingle(ValorTexto(Json(v))), v);
  }
}

TEST(Numeros, DesbordeDelValorDeUnTexto) {
  EXPECT_TRUE(ValorTextoDesborda("1e400"));
  EXPECT_TRUE(ValorTextoDesborda(" " + std::string(400, '9') + "abc"));
  EXPECT_EQ(ValorTexto(std::string(400, '9')), 0.0);
  EXPECT_FALSE(ValorTextoDesborda("1e300"));
  EXPECT_FALSE(ValorTextoDesborda("abc"));
  EXPECT_FALSE(ValorTextoDesborda(""));
}

}  // namespace placatec
