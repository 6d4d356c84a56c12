#include "model/Numeros.h"

#include <gtest/gtest.h>

namespace placatec {

TEST(Numeros, ValorDeUnTextoTomaElNumeroInicial) {
  EXPECT_DOUBLE_EQ(ValorTexto("2.51"), 2.51);
  EXPECT_DOUBLE_EQ(ValorTexto("  .5abc"), 0.5);
  EXPECT_DOUBLE_EQ(ValorTexto("1.5E-2"), 0.015);
  EXPECT_DOUBLE_EQ(ValorTexto("12e"), 12.0);
  EXPECT_DOUBLE_EQ(ValorTexto("abc"), 0.0);
  EXPECT_DOUBLE_EQ(ValorTexto("."), 0.0);
  EXPECT_TRUE(EsNumero(" 0.120 "));
  EXPECT_TRUE(EsNumero("-1e3"));
  EXPECT_FALSE(EsNumero(""));
  EXPECT_FALSE(EsNumero("4m"));
  EXPECT_FALSE(EsNumero("."));
}

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

TEST(Numeros, TextosDelArchivo) {
  EXPECT_EQ(ItemArchivo(2), " 2 ");
  EXPECT_EQ(ItemArchivo(-7), "-7 ");
  EXPECT_EQ(ItemArchivo(0.12f), " .12 ");
  EXPECT_EQ(ItemArchivo(0.0f), " 0 ");
  EXPECT_EQ(ItemArchivo(1234567.0f), " 1234567 ");
  // Larger numbers and small ones in exponent form are checked in the file's lines.
  EXPECT_EQ(ItemArchivo(0.1), " .1 ");
  EXPECT_EQ(ItemArchivo(0.1234567890123456), " .123456789012346 ");
  EXPECT_EQ(Str(3), " 3");
  EXPECT_EQ(TextoNumero(3.0f), "3");
  EXPECT_EQ(TextoNumero(2.5f), "2.5");
}

TEST(Numeros, FormatosDePantalla) {
  EXPECT_EQ(Formato(2.845f, "0.00"), "2.85");  // 7 digits of the float: 2.845000
  EXPECT_EQ(Formato(-1.5f, "0.00"), "-1.50");
  EXPECT_EQ(Formato(0.3f, "0.000"), "0.300");
  EXPECT_EQ(Formato(123.456f, "##0.00"), "123.46");
  EXPECT_EQ(Formato(0.004f, "##0.00"), "0.00");
  EXPECT_EQ(Formato(0, "#####"), "");
  EXPECT_EQ(Formato(210, "#####"), "210");
  EXPECT_EQ(Formato(2.5, "#0.##"), "2.5");
  EXPECT_EQ(Formato(9.999f, "0.00"), "10.00");
  // A weight box shows the product of two stored Singles multiplied in double.
  EXPECT_EQ(Formato(static_cast<double>(0.035f) * static_cast<double>(2.3f), "0.000"), "0.080");
  EXPECT_EQ(Formato(static_cast<double>(0.025f) * static_cast<double>(1.8f), "0.000"), "0.045");
  EXPECT_EQ(Formato(0.0805, "0.000"), "0.081");
  EXPECT_EQ(Formato(0.0804999, "0.000"), "0.080");
}

// The cell's text and the JSON's: both read back to the same Single; the JSON's always
// reads as a real number.
TEST(Numeros, TextoDeCeldaYDeJsonVuelvenAlMismoValor) {
  const auto json = [](float v) {
    char buf[32];
    return std::string(buf, TextoJson(v, buf));
  };
  EXPECT_EQ(json(0.12f), "0.12");
  EXPECT_EQ(json(4.0f), "4.0");
  EXPECT_EQ(json(3.0e20f), "3e+20");
  EXPECT_EQ(TextoCelda(0.12f), "0.12");
  EXPECT_EQ(TextoCelda(-0.5f), "-0.5");
  EXPECT_EQ(TextoCelda(0.0f), "0");
  for (float v : {0.1f, 0.513f, 5.25f, 1.0e-5f, 3.0e20f, 0.1234567f, 123456.79f, -2.3f}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(ASingle(ValorTexto(TextoCelda(v))), v);
    EXPECT_TRUE(EsNumero(TextoCelda(v)));
    EXPECT_EQ(ASingle(ValorTexto(json(v))), v);
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
