// Properties every calculated project keeps, over the calculation corpus and the
// reference worked by hand: the bars placed give at least the area each row states,
// at the spacing it prints; the order of the two slabs of a support changes no
// result; the bar schedule places every row with whole bars that cover its width.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "InterlocutorGuion.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"
#include "design/Refuerzo.h"
#include "model/Numeros.h"
#include "outputs/Planilla.h"

namespace placatec {

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Proyectos() {
  std::vector<fs::path> r;
  for (const char* carpeta : {"tests/corpus/calculo", "tests/corpus/a_mano"})
    for (const auto& e : fs::directory_iterator(fs::path(PLACATEC_SOURCE_DIR) / carpeta))
      if (e.path().extension() == ".Los") r.push_back(e.path());
  return r;
}

const Barra* BarraDeEtiqueta(const std::string& texto) {
  for (const Barra* b : {&kBarra3_8, &kBarra1_2, &kBarra3_4})
    if (texto == EtiquetaBarra(*b)) return b;
  return nullptr;
}

// The spacing printed is the one stored, a whole number of centimetres, and its bars
// give at least the area the design asked for and, to the printed decimals, the
// area printed beside them.
void ComparaBarras(const std::string& donde, const Celda& barras, const Celda& separ, float espaciado,
                   double requerido, const Celda* impreso) {
  SCOPED_TRACE(donde);
  const Barra* b = BarraDeEtiqueta(barras.texto);
  ASSERT_NE(b, nullptr) << barras.texto;
  EXPECT_EQ(separ.texto, Formato(espaciado, "0.00"));
  EXPECT_NEAR(espaciado * 100, std::round(espaciado * 100), 1e-4);
  const double colocado = b->area / espaciado;
  EXPECT_GE(colocado, requerido * (1 - 1e-6)) << barras.texto << " a " << separ.texto;
  if (impreso) {
    EXPECT_GE(colocado + 0.005, ValorTexto(impreso->texto)) << barras.texto << " a " << separ.texto;
  }
}

// Runs f on every project of the corpus that loads and calculates; how many did.
int CadaProyectoCalculado(const std::function<void(const fs::path&, Sesion&)>& f) {
  int calculados = 0;
  for (const fs::path& ruta : Proyectos()) {
    SCOPED_TRACE(ruta.filename().string());
    InterlocutorGuion ui;
    Sesion s;
    if (!CargaArchivo(s, ruta.string(), ui) || !CalculaRefuerzo(s, ui)) continue;
    ++calculados;
    f(ruta, s);
  }
  return calculados;
}

}  // namespace

TEST(PropiedadesCorpus, BarrasQueDanElAreaYApoyosSinOrden) {
  const int calculados = CadaProyectoCalculado([](const fs::path& ruta, Sesion& s) {
    InterlocutorGuion ui;
    const Proyecto& p = s.proyecto;
    const ResultadosCalculo& r = s.resultados;
    for (int i = 1; i <= p.NumLosas; ++i)
      for (int dir = 0; dir < 2; ++dir) {
        const auto& fila = s.vanos.filas.at(static_cast<std::size_t>(2 * (i - 1) + dir));
        const ResultadosLosa& l = r.losas[i];
        ComparaBarras("losa " + std::to_string(i) + (dir ? " Y" : " X"), fila[4], fila[5],
                      dir ? l.SeparY : l.SeparX, std::fabs(dir ? l.AreaY : l.AreaX), &fila[3]);
      }
    for (int j = 1; j <= p.NumApoyos; ++j) {
      const auto& fila = s.apoyosRefuerzo.filas.at(static_cast<std::size_t>(j - 1));
      const ResultadosApoyo& a = r.apoyos[j];
      if (a.Adicional > 0)
        ComparaBarras("apoyo " + std::to_string(j), fila[6], fila[7], a.SeparApoyo, a.Adicional, nullptr);
    }

    // The same project with "Losa 1" and "Losa 2" of every support exchanged.
    Sesion t;
    ASSERT_TRUE(CargaArchivo(t, ruta.string(), ui));
    for (int j = 1; j <= t.proyecto.NumApoyos; ++j)
      std::swap(t.proyecto.ApoyoLosa1[j], t.proyecto.ApoyoLosa2[j]);
    ASSERT_TRUE(CalculaRefuerzo(t, ui));
    const ResultadosCalculo& q = t.resultados;
    for (int i = 1; i <= p.NumLosas; ++i) {
      SCOPED_TRACE("losa " + std::to_string(i));
      const ResultadosLosa &a = r.losas[i], &b = q.losas[i];
      EXPECT_EQ(a.MomentoX, b.MomentoX);
      EXPECT_EQ(a.MomentoY, b.MomentoY);
      EXPECT_EQ(a.AreaX, b.AreaX);
      EXPECT_EQ(a.AreaY, b.AreaY);
      EXPECT_EQ(a.SeparX, b.SeparX);
      EXPECT_EQ(a.SeparY, b.SeparY);
      EXPECT_EQ(a.Qq1 + a.Qq2 + a.Qq3, b.Qq1 + b.Qq2 + b.Qq3);
    }
    for (int j = 1; j <= p.NumApoyos; ++j) {
      SCOPED_TRACE("apoyo " + std::to_string(j));
      const ResultadosApoyo &a = r.apoyos[j], &b = q.apoyos[j];
      EXPECT_EQ(a.MomentoApoyoX + a.MomentoApoyoY, b.MomentoApoyoX + b.MomentoApoyoY);
      EXPECT_EQ(a.AreaApoyoX + a.AreaApoyoY, b.AreaApoyoX + b.AreaApoyoY);
      EXPECT_EQ(a.Dispon, b.Dispon);
      EXPECT_EQ(a.SeparApoyo, b.SeparApoyo);
    }
    EXPECT_EQ(s.verificaciones.bordes.size(), t.verificaciones.bordes.size());
  });
  EXPECT_GE(calculados, 30);
}

}  // namespace placatec

namespace placatec {

// Every span row, support and uncovered edge has its mark, whose bars give at least
// the row's area, cover the width with one bar at each end and no more, and are cut
// to whole 5 cm in pieces of 9 m at most. Without the top bars of the uncovered edges,
// which the take-off does not count, the schedule weighs 0.9 to 1.75 times the
// take-off: whole bars, anchorages and the whole support steel as straight bars add
// weight, bars stopped at a free edge and the nominal bar mass take some off.
TEST(PropiedadesCorpus, PlanillaConBarrasEnterasQueDanElArea) {
  const int calculados = CadaProyectoCalculado([](const fs::path&, Sesion& s) {
    const Proyecto& p = s.proyecto;
    const ResultadosCalculo& r = s.resultados;
    // The area each mark must give, from the row it comes from; and the mark of each edge.
    const auto borde = [&](const MarcaBarra& m) -> const VerificacionBorde* {
      for (const VerificacionBorde& b : s.verificaciones.bordes)
        if (b.losa == m.losa && b.direccion == m.direccion && b.cumple &&
            (m.tipo == TipoMarca::Voladizo || b.borde == m.borde))
          return &b;
      return nullptr;
    };
    const auto requerido = [&](const MarcaBarra& m) {
      const ResultadosLosa& l = r.losas[std::max<int>(m.losa, 1)];
      double area = std::fabs(m.direccion == 'Y' ? l.AreaY : l.AreaX);
      const double apoyo = m.apoyo > 0 ? r.apoyos[m.apoyo].AreaApoyoX + r.apoyos[m.apoyo].AreaApoyoY : 0;
      if (m.tipo == TipoMarca::Apoyo) return apoyo;
      if (m.tipo == TipoMarca::Voladizo) area = std::max(area, apoyo);
      if (const VerificacionBorde* b = borde(m);
          b && (m.tipo == TipoMarca::Borde || m.tipo == TipoMarca::Voladizo))
        area = std::max(area, static_cast<double>(b->area));
      return area;
    };
    std::set<std::pair<int, char>> filas;
    std::set<int> apoyos;
    std::set<const VerificacionBorde*> bordes;
    double sinBordes = 0;
    for (const MarcaBarra& m : s.planilla.marcas) {
      SCOPED_TRACE(UbicacionMarca(m));
      EXPECT_GE(m.barra->area / m.separ, requerido(m) * (1 - 1e-6));
      EXPECT_GE(m.cantidad * m.separ, m.ancho * (1 - 1e-6));
      EXPECT_LT((m.cantidad - 2) * m.separ, m.ancho);
      EXPECT_NEAR(m.largo * 20, std::round(m.largo * 20), 1e-4);
      EXPECT_LE(m.largo + m.empalmes * m.traslape, 9.0 * (m.empalmes + 1) + 1e-4);
      if (m.apoyo > 0) apoyos.insert(m.apoyo);
      if (m.tipo == TipoMarca::Borde || m.tipo == TipoMarca::Voladizo) bordes.insert(borde(m));
      if (m.tipo != TipoMarca::SuperiorDoble && m.tipo != TipoMarca::Apoyo && m.tipo != TipoMarca::Borde)
        filas.insert({m.losa, m.direccion});
      if (m.tipo != TipoMarca::Borde) sinBordes += m.peso;
    }
    EXPECT_EQ(filas.size(), 2u * static_cast<std::size_t>(p.NumLosas));
    for (int j = 1; j <= p.NumApoyos; ++j)
      EXPECT_TRUE(apoyos.count(j) || !(r.apoyos[j].AreaApoyoX + r.apoyos[j].AreaApoyoY > 0)) << "apoyo " << j;
    for (const VerificacionBorde& b : s.verificaciones.bordes)
      EXPECT_TRUE(bordes.count(&b) || !b.cumple) << "losa " << b.losa << " borde " << TextoBorde(b);
    EXPECT_GE(sinBordes, 0.9 * s.planilla.pesoCantidades);
    EXPECT_LE(sinBordes, 1.75 * s.planilla.pesoCantidades);
  });
  EXPECT_GE(calculados, 30);
}

}  // namespace placatec
