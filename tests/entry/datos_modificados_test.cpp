// The stale-results hook: every change of what a calculation is made from withdraws the
// last calculation, and a change of anything else (the extra supports of the reactions
// table, which are recomputed whenever shown, or the items of another version's file)
// does not. The cases are the lines of tests/corpus/resultados/cambios_de_datos.txt,
// each made once through the form models.
#include "entry/DatosModificados.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "InterlocutorGuion.h"
#include "comandos/Arranque.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"

namespace placatec {
namespace {

namespace fs = std::filesystem;
const fs::path kCorpus = fs::path(PLACATEC_SOURCE_DIR) / "tests/corpus";

// The columns of the slab grid by their ColLosa names; those of the supports grid are
// kNombresColumnasApoyos.
constexpr std::array<std::string_view, TablaLosas::NumColumnas> kNombresColumnasLosas = {
    "Num",        "Lx",       "Ly",          "Borde1",    "Borde2",  "Borde3", "Borde4",
    "MuertaVano", "VivaVano", "MuertaVuelo", "VivaVuelo", "Espesor", "X0",     "Y0"};

// The columns of the reactions grid that the engineer edits, by their ColReac names.
constexpr std::array<std::string_view, 5> kNombresColumnasReacciones = {"Num", "Descripcion", "Dir", "Losa1",
                                                                        "Losa2"};

// The boxes of the general data, in the order of Caja.
constexpr std::array<std::string_view, NumCajas> kNombresCajas = {
    "Nombre",  "Espesor", "Combo1",  "Combo2",  "Recubrimiento", "Cargav",  "Cargam",
    "Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text2_0",       "Text2_1", "Text2_2",
    "Text2_3", "Text3_0", "Text3_1", "Text3_2", "Text3_3",       "Text3_4", "Text3_5"};

template <std::size_t N>
int Indice(const std::array<std::string_view, N>& nombres, const std::string& nombre) {
  const auto k = std::find(nombres.begin(), nombres.end(), nombre);
  return k == nombres.end() ? -1 : static_cast<int>(k - nombres.begin());
}

std::vector<std::string> Campos(const std::string& linea) {
  std::vector<std::string> campos;
  std::istringstream l(linea);
  for (std::string c; std::getline(l, c, '\t');) campos.push_back(c);
  return campos;
}

std::unique_ptr<Sesion> Calculada(InterlocutorGuion& ui) {
  auto s = std::make_unique<Sesion>();
  EXPECT_TRUE(CargaArchivo(*s, (kCorpus / "calculo/ejemplo_voladizos.Los").string(), ui));
  AceptaDatosGenerales(*s);
  EXPECT_TRUE(CalculaRefuerzo(*s, ui)) << (ui.mensajes.empty() ? "" : ui.mensajes.back().texto);
  return s;
}

// The change of one line: ventana, dato, fila (1 for the first), texto.
void Cambia(Sesion& s, const std::vector<std::string>& c, InterlocutorGuion& ui) {
  const int fila = c[2] == "-" ? 0 : std::stoi(c[2]) - 1;
  if (c[0] == "losas") {
    const int columna = Indice(kNombresColumnasLosas, c[1]);
    ASSERT_GE(columna, 0);
    s.losas.EditaCelda(fila, columna, c[3]);
    s.losas.FilaActualizada(ui);
  } else if (c[0] == "apoyos") {
    const int columna = Indice(kNombresColumnasApoyos, c[1]);
    ASSERT_GE(columna, 0);
    s.apoyos.EditaCelda(fila, columna, c[3]);
    s.apoyos.FilaActualizada(ui);
  } else if (c[0] == "general") {
    const int caja = Indice(kNombresCajas, c[1]);
    ASSERT_GE(caja, 0);
    EXPECT_TRUE(s.generales.PonTexto(static_cast<Caja>(caja), c[3]));
  } else if (c[0] == "ficha") {
    const auto k = std::find_if(kCamposFicha.begin(), kCamposFicha.end(),
                                [&](const CampoFicha& f) { return f.clave == c[1]; });
    ASSERT_NE(k, kCamposFicha.end());
    s.generales.PonFicha(static_cast<std::size_t>(k - kCamposFicha.begin()), c[3]);
  } else if (c[0] == "uso") {
    EXPECT_TRUE(s.generales.EligeUso(std::stoi(c[1])));
  } else if (c[0] == "reacciones") {
    // An extra support of the reactions table, added under slab 1 when the row is new.
    const int columna = Indice(kNombresColumnasReacciones, c[1]);
    ASSERT_GE(columna, 0);
    TablaReacciones& t = s.reacciones;
    t.Abre(ui);
    while (t.NumFilas() <= fila) {
      ASSERT_TRUE(t.AgregaFilaNueva(ui));
      t.EditaCelda(t.NumFilas() - 1, ColReac::Losa1, "1", ui);
    }
    if (columna == ColReac::Dir)
      t.BotonDir(fila);
    else
      EXPECT_TRUE(t.EditaCelda(fila, columna, c[3], ui));
    t.OK(ui);
    EXPECT_FALSE(t.abierta) << ui.UltimoTexto();
  } else if (c[0] == "proyecto") {
    Proyecto& p = s.proyecto;
    VigilaDatos vigila(p, s.estado);
    vigila.Cambio();
    if (c[1] == "ItemsDesconocidos") {
      p.ItemsDesconocidos.push_back(c[3]);
    } else if (c[1] == "ApoyoAdicional") {
      const auto j = static_cast<std::size_t>(fila + 1);
      p.NumApoyosReac = static_cast<Integer>(j);
      p.ApoyoDir[j] = c[3];
      p.ApoyoLosa1[j] = 1.0f;
    } else {
      ADD_FAILURE() << "dato desconocido";
    }
  } else {
    ADD_FAILURE() << "ventana desconocida";
  }
}

}  // namespace

TEST(DatosModificados, CadaDatoDelCalculoRetiraElCalculo) {
  std::ifstream archivo(kCorpus / "resultados/cambios_de_datos.txt");
  std::set<std::string> cubiertos;
  for (std::string linea; std::getline(archivo, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    SCOPED_TRACE(linea);
    const std::vector<std::string> c = Campos(linea);
    ASSERT_EQ(c.size(), 5u);
    InterlocutorGuion ui;
    auto s = Calculada(ui);
    ASSERT_TRUE(s->estado.CalculoHecho);
    s->estado.Modificado = false;
    Cambia(*s, c, ui);
    EXPECT_EQ(s->estado.CalculoHecho, c[4] == "no");
    EXPECT_TRUE(s->estado.Modificado);  // every change marks the project modified
    cubiertos.insert(c[0] + " " + c[1]);
  }

  // Every column of both tables and every box the engineer types into is changed once.
  for (std::string_view n : kNombresColumnasLosas)
    EXPECT_TRUE(cubiertos.count("losas " + std::string(n))) << n;
  for (std::string_view n : kNombresColumnasApoyos)
    EXPECT_TRUE(cubiertos.count("apoyos " + std::string(n))) << n;
  for (std::string_view n : kNombresColumnasReacciones)
    EXPECT_TRUE(n == "Num" || cubiertos.count("reacciones " + std::string(n))) << n;
  InterlocutorGuion ui;
  const auto s = Calculada(ui);
  for (int k = 0; k < NumCajas; ++k) {
    const std::string nombre(kNombresCajas[static_cast<std::size_t>(k)]);
    if (!s->generales.SoloLectura(static_cast<Caja>(k))) {
      EXPECT_TRUE(cubiertos.count("general " + nombre)) << nombre;
    }
  }
  EXPECT_TRUE(std::any_of(cubiertos.begin(), cubiertos.end(), [](const std::string& c) {
    return c.starts_with("uso ");
  }));  // and a use is picked
}

}  // namespace placatec
