#include "entry/DatosGenerales.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>

#include "InterlocutorGuion.h"
#include "comandos/Sesion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

constexpr int kOficina = 15;  // "Oficina: cuartos de oficinas"

struct Dialogo {
  std::unique_ptr<Sesion> s = std::make_unique<Sesion>();
  Proyecto& p = s->proyecto;
  DatosGenerales& g = s->generales;
  InterlocutorGuion ui;

  std::string T(Caja c) const { return g.Texto(c); }

  // Types the keys one by one, as the window forwards them.
  void Teclea(Caja c, std::string_view teclas) {
    for (char k : teclas) {
      std::string texto = g.Texto(c);
      if (!g.AceptaTecla(c, static_cast<unsigned char>(k), texto, ui)) continue;
      if (k == '\b') {
        if (!texto.empty()) texto.pop_back();
      } else {
        texto.push_back(k);
      }
      g.PonTexto(c, texto);
    }
  }
};

}  // namespace

TEST(DatosGenerales, UnaOficinaSumaLosPesosComoSeMuestran) {
  Dialogo d;
  ASSERT_TRUE(d.g.EligeUso(kOficina));
  EXPECT_FLOAT_EQ(d.p.CargaViva, 0.25f);
  EXPECT_EQ(d.p.Uso, "Entrepiso");
  EXPECT_EQ(d.T(Caja::Espesor) + " " + d.T(Text1(0)) + " " + d.T(Text1(1)), "0.120 0.120 ");
  // The worked example: 0.288 + 0.045 + 0.080 + 0.100 = 0.513.
  std::string pesos;
  for (int k = 0; k <= 5; ++k) pesos += d.T(Text3(k)) + "|";
  EXPECT_EQ(pesos, "0.288||0.045|0.080|0.100|0.000|");
  EXPECT_EQ(d.T(Caja::Cargam), "0.513");
  EXPECT_FLOAT_EQ(d.p.CargaMuerta, 0.513f);
  EXPECT_FLOAT_EQ(d.p.CargaUltimaGeneral, ASingle(1.4 * 0.513f + 1.7 * 0.25f));
  EXPECT_DOUBLE_EQ(d.p.Panderetas, 0.1);
  EXPECT_FALSE(d.g.EtiquetaHabilitada(1) || d.g.Habilitado(Text1(1)));
  EXPECT_TRUE(d.g.EtiquetaHabilitada(4) && d.g.Habilitado(Text3(4)));
  EXPECT_FALSE(d.g.SoloLectura(Text3(4)) || d.g.SoloLectura(Text1(2)));
  EXPECT_TRUE(d.g.SoloLectura(Text3(2)));

  // Emptying the unit weight of row 2 empties its weight and lowers the total.
  ASSERT_TRUE(d.g.PonTexto(Text2(2), ""));
  EXPECT_EQ(d.T(Text3(2)) + "|" + d.T(Caja::Cargam), "|0.468");
  EXPECT_FLOAT_EQ(d.p.CargaMuerta, 0.468f);
  // Typed partitions and other loads join the total.
  ASSERT_TRUE(d.g.PonTexto(Text3(4), "0.15"));
  ASSERT_TRUE(d.g.PonTexto(Text3(5), "0.02"));
  EXPECT_DOUBLE_EQ(d.p.Panderetas, 0.15);
  EXPECT_FLOAT_EQ(d.p.OtrasCargas, 0.02f);
  EXPECT_EQ(d.T(Caja::Cargam), "0.538");
  // A thicker slab layer follows the general thickness.
  ASSERT_TRUE(d.g.PonTexto(Caja::Espesor, "0.15"));
  EXPECT_EQ(d.T(Text1(0)) + " " + d.T(Text3(0)) + " " + d.T(Caja::Cargam), "0.150 0.360 0.610");
}

TEST(DatosGenerales, LaActivacionReponeLaCargaVivaYConservaElEspesor) {
  Dialogo d;
  ASSERT_TRUE(d.g.EligeUso(kOficina));
  ASSERT_TRUE(d.g.PonTexto(Caja::Cargav, "0.3"));
  ASSERT_TRUE(d.g.PonTexto(Caja::Espesor, "0.150"));
  EXPECT_FLOAT_EQ(d.p.CargaViva, 0.3f);
  ASSERT_TRUE(d.g.PonTexto(Text3(4), "0.2"));

  d.g.ReglasEnLaActivacion();  // as after a new project
  d.g.Abre();
  EXPECT_TRUE(d.g.Visible());
  EXPECT_TRUE(d.g.ActivacionPendiente());
  d.g.Activa();
  EXPECT_FALSE(d.g.ActivacionPendiente());
  EXPECT_FLOAT_EQ(d.p.CargaViva, 0.25f);
  EXPECT_FLOAT_EQ(d.p.EspesorGeneral, 0.15f);
  // Not loading a file: the floor layers go back to their defaults.
  EXPECT_EQ(d.T(Caja::Cargav) + " " + d.T(Caja::Espesor) + " " + d.T(Text3(0)) + " " + d.T(Text3(4)) + " " +
                d.T(Caja::Cargam),
            "0.250 0.150 0.360 0.100 0.585");

  // A roof's thickness of exactly 0.1 stays 0.100.
  ASSERT_TRUE(d.g.EligeUso(0));
  d.g.ReglasEnLaActivacion();
  d.g.Abre();
  d.g.Activa();
  EXPECT_EQ(d.T(Caja::Espesor), "0.100");
  EXPECT_EQ(d.T(Caja::Cargam), "0.330");
}

TEST(DatosGenerales, FiltroDeTeclasDeLasCajasNumericas) {
  Dialogo d;
  d.g.PonTexto(Caja::Recubrimiento, "");
  d.Teclea(Caja::Recubrimiento, "2.5.1");
  EXPECT_EQ(d.T(Caja::Recubrimiento), "2.51");
  EXPECT_FLOAT_EQ(d.p.Recubrimiento, 2.51f);
  EXPECT_EQ(d.ui.beeps, 1);
  d.Teclea(Caja::Recubrimiento, "a-e \b");
  EXPECT_EQ(d.T(Caja::Recubrimiento), "2.5");
  EXPECT_EQ(d.ui.beeps, 5);
  for (Caja c : {Caja::Espesor, Caja::Cargam, Caja::Cargav, Text1(3), Text2(0), Text3(5)})
    EXPECT_TRUE(d.g.AceptaTecla(c, U',', "", d.ui));  // the decimal comma
  EXPECT_EQ(d.ui.beeps, 5);
  // The title takes any key, the two strength lists digits only.
  d.Teclea(Caja::Nombre, "Losa N\xC2\xBA 1");
  EXPECT_EQ(d.p.Titulo, "Losa N\xC2\xBA 1");
  EXPECT_EQ(d.s->estado.TituloReporte, "Losa N\xC2\xBA 1");
  EXPECT_FALSE(d.g.AceptaTecla(Caja::Combo1, U'x', "", d.ui));
  EXPECT_EQ(d.ui.beeps, 6);
}

TEST(DatosGenerales, ResistenciasRedondeanAlParYRechazanDesbordes) {
  Dialogo d;
  ASSERT_TRUE(d.g.PonTexto(Caja::Combo1, "210"));
  EXPECT_EQ(d.p.Fc, 210);
  // What cannot become a listed value is refused: the box and the project keep theirs.
  EXPECT_FALSE(d.g.PonTexto(Caja::Combo1, "250.5"));
  EXPECT_FALSE(d.g.PonTexto(Caja::Combo1, "99999"));
  EXPECT_EQ(d.T(Caja::Combo1), "210");
  EXPECT_EQ(d.p.Fc, 210);
  // A measure far beyond any storey's is refused too.
  EXPECT_FALSE(d.g.PonTexto(Caja::Espesor, std::string(40, '9')));
  EXPECT_FALSE(d.g.PonTexto(Caja::Cargam, std::string(400, '9')));
  EXPECT_EQ(d.T(Caja::Espesor), "0.100");
  EXPECT_FLOAT_EQ(d.p.EspesorGeneral, 0.1f);
  EXPECT_FLOAT_EQ(d.p.CargaMuerta, 0.33f);
}

// The table of uses the help page transcribes is the program's own, row by row.
TEST(DatosGenerales, LaAyudaTranscribeLaTablaDeUsos) {
  std::ifstream f(PLACATEC_SOURCE_DIR "/src/escritorio/principal/ayuda/datosgenerales.html");
  ASSERT_TRUE(f);
  const std::string html((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  const auto desde = html.find("<table class=\"usos\">");
  ASSERT_NE(desde, std::string::npos);
  const std::string tabla = html.substr(desde, html.find("</table>", desde) - desde);
  const std::regex fila("<tr><td>([^<]*)</td><td>([^<]*)</td></tr>");
  std::vector<std::string> ayuda, programa;
  for (auto m = std::sregex_iterator(tabla.begin(), tabla.end(), fila); m != std::sregex_iterator(); ++m)
    ayuda.push_back((*m)[1].str() + " | " + (*m)[2].str());
  for (const UsoCarga& u : Usos()) programa.push_back(std::string(u.uso) + " | " + std::string(u.cargaViva));
  EXPECT_EQ(ayuda, programa);
}

}  // namespace placatec
