// The line loads of the reactions window are shown, never stored: they are worked out
// in double and rounded once, by the "0.000" format.
#include <gtest/gtest.h>

#include "InterlocutorGuion.h"
#include "model/Numeros.h"
#include "outputs/Reacciones.h"

namespace placatec {

TEST(ReaccionesPrecision, LasCargasSeRedondeanUnaSolaVez) {
  Proyecto p;
  p.NumLosas = p.NumApoyos = p.NumApoyosReac = 1;
  p.Lx[1] = 2.64f;
  p.Ly[1] = 2.85f;
  p.CodigoLosa[1] = 1;
  p.CargaMuertaVano[1] = 1.451f;
  p.ApoyoDir[1] = "X";
  p.ApoyoLosa1[1] = 1;

  // Long edge: (3 - m^2) / 2 x a x w / 3 with m = 2.64 / 2.85, a = 2.64, w = 1.451
  // is 1.36749957..., which shows 1.367. Rounding the ratio, the short-edge load and
  // the long-edge load to Singles on the way lifts it to 1.3675 and shows 1.368.
  EXPECT_EQ(Formato(ReaccionLosa(p, 1, "X").muerta, "0.000"), "1.367");

  TablaReacciones t{p};
  InterlocutorGuion ui;
  ASSERT_TRUE(t.CalculaReacciones(ui));
  ASSERT_EQ(t.NumFilas(), 1);
  // The factored load: 1.4 x 1.36749957 = 1.91449940, shown 1.914.
  EXPECT_EQ((std::vector<std::string>(t.filas[0].begin() + ColReac::Muerta, t.filas[0].end())),
            (std::vector<std::string>{"1.367", "0.000", "1.914"}));
}

}  // namespace placatec
