#pragma once
// What a calculation gives for a project: the values of the engine and of the design,
// one record per slab and one per support, numbered 1..99 as the engineer counts them
// (entry 0 is never used). None of it is kept in the project file; the project holds
// only what the engineer entered.
#include "model/Proyecto.h"

namespace placatec {

struct ResultadosLosa {
  // The engine: factored load, span ratio m = Ly / Lx and n = 1 / m.
  Single CargaUltima = 0, RelacionLados = 0, RelacionInversa = 0;
  // The working coefficients of the slab's case.
  Single FactorX = 0, FactorY = 0, CorreccionX = 0, CorreccionY = 0;
  Single CoefMomentoX = 0, CoefMomentoY = 0;
  // The factored load times Lx² and times Ly².
  Single CargaLx2 = 0, CargaLy2 = 0;
  // The four moments as the slab's case gives them, before the distribution over the
  // continuous supports corrects the span moments.
  Single MomentoCasoX = 0, MomentoCasoY = 0, MomentoCasoNegX = 0, MomentoCasoNegY = 0;
  // Span moments after that distribution, and the edge moments (To-m/m).
  Single MomentoX = 0, MomentoY = 0, MomentoNegX = 0, MomentoNegY = 0;

  // The design of the spans: the root, omega and steel ratio of the section design,
  // the area (cm2/m, negative for steel in both faces) and the bar spacing (m). The
  // results table sets the spacing of a direction that takes temperature steel.
  Single RaizX = 0, RaizY = 0, OmegaX = 0, OmegaY = 0, CuantiaX = 0, CuantiaY = 0;
  Single AreaX = 0, AreaY = 0, SeparX = 0, SeparY = 0;

  // Steel weights (qq) of the 3/8, 1/2 and 3/4 inch bars of the slab: the span bars
  // as the results table places them, to which the quantity take-off adds the bars
  // over its supports.
  Single Qq1 = 0, Qq2 = 0, Qq3 = 0;
};

struct ResultadosApoyo {
  // The direction the support's moments were worked in, 'X' or 'Y' ("y" is taken as Y,
  // any other direction as X); 0 until the support moments are reached.
  char Dir = 0;
  // One step of moment distribution between its two slabs.
  Single RigidezA = 0, RigidezB = 0, FactorDistA = 0, FactorDistB = 0;
  Single MomentoApoyoX = 0, MomentoApoyoY = 0, DesbalanceApoyo = 0;

  // The design over the support: the section design of its moment, the steel the
  // spans bring up (Dispon) and the additional steel with its bar and spacing (m; the
  // results table caps it at 1 m and chooses the bar).
  Single RaizApoyoX = 0, RaizApoyoY = 0, OmegaApoyoX = 0, OmegaApoyoY = 0;
  Single CuantiaApoyoX = 0, CuantiaApoyoY = 0, AreaApoyoX = 0, AreaApoyoY = 0;
  Single Dispon = 0, Adicional = 0, SeparApoyo = 0;
  Integer BarraApoyo = 0;  // bar size code (3, 4 or 6), 0 for no additional bars
};

struct ResultadosCalculo {
  Tabla<ResultadosLosa> losas{};
  Tabla<ResultadosApoyo> apoyos{};
  // The cover the design used, in metres.
  Single RecubrimientoM = 0.0f;
};

}  // namespace placatec
