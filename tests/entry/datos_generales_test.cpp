#include "entry/DatosGenerales.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "InterlocutorGuion.h"
#include "comandos/Sesion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

constexpr int kTechoInclinado = 1;  // "Techo con inclinacion de 5 a 11 grados"
constexpr int kOficina = 15;        // "Oficina: cuartos de oficinas"

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

TEST(DatosGenerales, LaTablaDeUsos) {
  const auto& usos = Usos();
  ASSERT_EQ(usos.size(), 31u);
  EXPECT_EQ(usos[0].uso, "Techo plano");
  EXPECT_EQ(usos[0].cargaViva, "0.100");
  EXPECT_EQ(usos[30].uso, "Acera");
  EXPECT_EQ(usos[30].cargaViva, "1.250");
  int techos = 0;
  for (const UsoCarga& u : usos) techos += EsTecho(u.uso) ? 1 : 0;
  EXPECT_EQ(techos, 3);
  EXPECT_FALSE(EsTecho("techo"));
}

TEST(DatosGenerales, UnTechoInclinadoDaLasCargasDeUnTecho) {
  Dialogo d;
  // From a floor, so that the roof rules have something to undo.
  ASSERT_TRUE(d.g.EligeUso(kOficina));
  ASSERT_TRUE(d.g.EligeUso(kTechoInclinado));
  EXPECT_EQ(d.g.TextoUso(), "Techo con inclinacion de 5 a 11 grados");
  EXPECT_FLOAT_EQ(d.p.CargaViva, 0.07f);
  EXPECT_EQ(d.p.Uso, "Techo");
  EXPECT_FLOAT_EQ(d.p.EspesorGeneral, 0.1f);
  // The worked example: 0.240 + 0.090 = 0.330, and 1.4 x 0.33 + 1.7 x 0.07 = 0.581.
  std::string pesos;
  for (int k = 0; k <= 5; ++k) pesos += d.T(Text3(k)) + "|";
  EXPECT_EQ(pesos, "0.240|0.090||||0.000|");
  EXPECT_EQ(d.T(Text1(1)) + " " + d.T(Text2(1)), "0.050 1.800");
  EXPECT_EQ(d.T(Caja::Espesor) + " " + d.T(Caja::Cargav) + " " + d.T(Caja::Cargam), "0.100 0.070 0.330");
  EXPECT_FLOAT_EQ(d.p.CargaMuerta, 0.33f);
  EXPECT_FLOAT_EQ(d.p.CargaUltimaGeneral, 0.581f);
  // Picking a roof empties the partitions and the floor layers.
  EXPECT_EQ(d.p.Panderetas, 0.0);
  EXPECT_EQ(d.p.EspesorCapa[2] + d.p.PesoUnitCapa[3], 0.0f);
  // Enabled rows and read-only (yellow) boxes of a roof.
  EXPECT_TRUE(d.g.EtiquetaHabilitada(1));
  for (int k = 2; k <= 4; ++k) EXPECT_FALSE(d.g.EtiquetaHabilitada(k)) << k;
  EXPECT_FALSE(d.g.Habilitado(Text1(2)));
  EXPECT_TRUE(d.g.Habilitado(Text1(1)) && !d.g.SoloLectura(Text1(1)));
  for (Caja c : {Text2(3), Text3(4), Text1(0), Text2(0), Text3(1)}) EXPECT_TRUE(d.g.SoloLectura(c));
  EXPECT_FALSE(d.g.SoloLectura(Text3(5)) || d.g.SoloLectura(Caja::Cargam));
}

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

TEST(DatosGenerales, ElTextoDelUsoSeReconoceSinBlancosNiMayusculas) {
  Dialogo d;
  d.g.PonTextoUso("  oficina: cuartos de OFICINAS ");
  EXPECT_EQ(d.g.FilaUso(), kOficina);
  d.g.Activa();
  EXPECT_FLOAT_EQ(d.p.CargaViva, 0.25f);
  EXPECT_EQ(d.p.Uso, "Entrepiso");
  // A use that is not in the table keeps the live load shown; it is not a roof.
  ASSERT_TRUE(d.g.PonTexto(Caja::Cargav, "0.35"));
  d.g.PonTextoUso("Piscina");
  EXPECT_EQ(d.g.FilaUso(), -1);
  d.g.ReglasEnLaActivacion();
  d.g.Activa();
  EXPECT_EQ(d.T(Caja::Cargav), "0.35");
  EXPECT_EQ(d.p.Uso, "Entrepiso");
  EXPECT_FALSE(d.g.EligeUso(31));
  EXPECT_FALSE(d.g.EligeUso(-1));
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
  EXPECT_EQ(d.p.TituloReporte, "Losa N\xC2\xBA 1");
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

TEST(DatosGenerales, AbrirDaValoresALoQueNoLosTiene) {
  Dialogo d;
  d.p.CargaMuerta = 0;
  d.p.CargaViva = 0;
  d.p.EspesorGeneral = 0;
  d.p.Recubrimiento = 0;
  d.p.Fc = 0;
  d.p.Fy = 0;
  d.p.NumLosas = 3;
  d.p.NumApoyos = 2;
  d.g.Abre();
  std::string cajas;
  for (Caja c : {Caja::Cargam, Caja::Cargav, Caja::Espesor, Caja::Recubrimiento, Caja::Combo1, Caja::Combo2})
    cajas += d.T(c) + "|";
  EXPECT_EQ(cajas, "0.360|0.200|0.100|2|180|2800|");
  EXPECT_FLOAT_EQ(d.p.CargaMuerta, 0.36f);
  EXPECT_FLOAT_EQ(d.p.Recubrimiento, 2.0f);
  EXPECT_EQ(d.p.Fc, 180);
  EXPECT_EQ(d.p.Fy, 2800);
  EXPECT_FLOAT_EQ(d.p.CargaUltimaGeneral, ASingle(1.4 * 0.36f + 1.7 * 0.2f));
  EXPECT_EQ(d.g.TextoNumLosas() + "|" + d.g.TextoNumApoyos(), "3|2");
  // Set values are shown as they are, the strengths without a leading blank.
  d.p.Fc = 210;
  d.p.Recubrimiento = 2.5f;
  d.p.CargaMuerta = 0.5134f;
  d.g.Abre();
  EXPECT_EQ(d.T(Caja::Combo1) + " " + d.T(Caja::Recubrimiento) + " " + d.T(Caja::Cargam), "210 2.5 0.513");
  EXPECT_FLOAT_EQ(d.p.CargaMuerta, 0.513f);
}

TEST(DatosGenerales, OKGuardaLosValoresDeFilaYEnterNo) {
  Dialogo d;
  ASSERT_TRUE(d.g.EligeUso(kOficina));
  d.g.Abre();
  d.g.Activa();
  d.g.EnterEnOK();
  EXPECT_FALSE(d.g.Visible());
  EXPECT_FLOAT_EQ(d.p.CargaMuertaDefecto, 0.36f);
  EXPECT_FLOAT_EQ(d.p.CargaVivaDefecto, 0.2f);
  EXPECT_FLOAT_EQ(d.p.EspesorDefecto, 0.12f);
  d.g.Abre();
  d.g.Activa();
  ASSERT_TRUE(d.g.PonTexto(Caja::Espesor, "0.14"));
  d.g.OK();
  EXPECT_FALSE(d.g.Visible());
  EXPECT_FLOAT_EQ(d.p.CargaMuertaDefecto, 0.561f);
  EXPECT_FLOAT_EQ(d.p.CargaVivaDefecto, 0.25f);
  EXPECT_FLOAT_EQ(d.p.EspesorDefecto, 0.14f);
}

}  // namespace placatec
