// A slab entered turned (X and Y exchanged, edges 1, 2, 3, 4 read as 3, 4, 1, 2) is the
// same slab: every edge string the classification accepts, at every span ratio, gives
// the same moments exchanged, and the strings it accepts are exactly those a case exists
// for. A typo in the case table or in a mirrored coefficient breaks one of them.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "engine/CalculaMomentos.h"
#include "engine/Clasificacion.h"

namespace placatec {

namespace {

struct Momentos {
  int codigo = 0;
  float x = 0, y = 0, negX = 0, negY = 0;
};

// The moments of one slab alone, or code 0 when its edges are refused.
Momentos Calcula(float lx, float ly, const std::string& bordes) {
  Proyecto p;
  p.NumLosas = 1;
  p.Lx[1] = lx;
  p.Ly[1] = ly;
  p.Bordes[1] = bordes;
  p.CargaMuertaVano[1] = 0.45f;
  p.CargaVivaVano[1] = 0.3f;
  p.CargaMuertaVuelo[1] = 0.2f;
  p.CargaVivaVuelo[1] = 0.1f;
  p.EspesorLosa[1] = 0.15f;
  const std::optional<Integer> codigo = ClasificaLosa(lx, ly, bordes);
  if (!codigo) return {};
  p.CodigoLosa[1] = *codigo;
  ResultadosCalculo r;
  EXPECT_TRUE(CalculaMomentos(p, r)) << bordes;
  const ResultadosLosa& l = r.losas[1];
  return {p.CodigoLosa[1], l.MomentoX, l.MomentoY, l.MomentoNegX, l.MomentoNegY};
}

// The code of the same case with X and Y exchanged.
constexpr int kCodigoEspejo[26] = {0,  1,  3,  2,  5,  4,  6,  8,  7,  9,  10, 11, 12,
                                   13, 18, 19, 20, 21, 14, 15, 16, 17, 24, 25, 22, 23};

bool Iguales(float a, float b) { return std::fabs(a - b) <= 2e-6f * std::max(1.0f, std::fabs(a)); }

}  // namespace

TEST(Espejo, CadaCombinacionDeBordesGiradaDaLosMomentosIntercambiados) {
  const std::string letras = "AEN";
  // Two-way ratios on both sides of 1, and one-way slabs (2 exactly and beyond).
  const std::pair<float, float> luces[] = {{5, 3.2f}, {4, 5}, {4.5f, 4.5f}, {3, 4.7f},
                                           {6, 3.5f}, {4, 8}, {3, 7.5f}};
  int aceptadasDosDirecciones = 0;
  for (char b1 : letras)
    for (char b2 : letras)
      for (char b3 : letras)
        for (char b4 : letras) {
          const std::string bordes{b1, b2, b3, b4};
          const std::string girada{b3, b4, b1, b2};
          const int libres = (b1 == 'N') + (b2 == 'N') + (b3 == 'N') + (b4 == 'N');
          for (auto [lx, ly] : luces) {
            SCOPED_TRACE(bordes + " " + std::to_string(lx) + " x " + std::to_string(ly));
            const Momentos m = Calcula(lx, ly, bordes);
            const Momentos e = Calcula(ly, lx, girada);
            const bool unaDireccion = EsLosaEnUnaDireccion(lx, ly);
            // Two-way: every string with at most one free edge; one-way: the pair it spans
            // between holds no A-N and no N-N.
            const std::string par = bordes.substr(0, 2);
            const bool aceptable = unaDireccion ? par != "AN" && par != "NA" && par != "NN" : libres <= 1;
            ASSERT_EQ(m.codigo != 0, aceptable);
            if (!aceptable) continue;
            aceptadasDosDirecciones += !unaDireccion && lx == 4 && ly == 5;
            EXPECT_EQ(e.codigo, unaDireccion ? m.codigo : kCodigoEspejo[m.codigo]);
            EXPECT_TRUE(Iguales(m.x, e.y)) << m.x << " " << e.y;
            EXPECT_TRUE(Iguales(m.y, e.x)) << m.y << " " << e.x;
            EXPECT_TRUE(Iguales(m.negX, e.negY)) << m.negX << " " << e.negY;
            EXPECT_TRUE(Iguales(m.negY, e.negX)) << m.negY << " " << e.negX;
          }
        }
  EXPECT_EQ(aceptadasDosDirecciones, 48);
}

}  // namespace placatec
