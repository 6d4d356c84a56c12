#pragma once
// The ACI 318-99 provisions behind the design and the checks of the calculated storey,
// in the program's units (Kg/cm2, m, cm2 per metre), all in one place. The load
// factors are kFactorCargaMuerta and kFactorCargaViva (model/Proyecto.h).
namespace placatec::aci {

// 7.12.2.1 (and 10.5.4, which sends slabs to it): shrinkage and temperature steel,
// and the minimum steel of spans, as a ratio of the gross section b h.
inline constexpr double kCuantiaTemperaturaBaja = 0.0020;    // fy below 4200
inline constexpr double kCuantiaTemperatura4200 = 0.0018;    // fy 4200
inline constexpr double kCuantiaTemperaturaMinima = 0.0014;  // above 4200: 0.0018 x 4200 / fy
inline constexpr double kFyTabla = 4200;                     // the fy the tables are written for
// 7.12.2.2: temperature bars at most 5 h apart; 10.5.4: span bars at most 3 h; both at
// most 45 cm.
inline constexpr double kVecesEspesorSeparacion = 5;
inline constexpr double kSeparacionMaximaEspesores = 3.0;
inline constexpr double kSeparacionMaxima = 0.45;  // m

// 9.5(a): minimum thickness of one-way slabs, span divided by these.
inline constexpr double kDivisorApoyada = 20;      // simply supported
inline constexpr double kDivisorUnExtremo = 24;    // one end continuous
inline constexpr double kDivisorDosExtremos = 28;  // both ends continuous
inline constexpr double kDivisorVoladizo = 10;     // cantilever
// ... times (0.4 + fy / 7000) for steel other than fy 4200.
inline constexpr double kBaseFyUnaDireccion = 0.4;
inline constexpr double kEscalaFyUnaDireccion = 7000;

// 9.5.3.3, eq. (9-13): two-way slabs on stiff beams,
// h = ln (0.8 + fy / 14000) / (36 + 9 beta), not less than 9 cm.
inline constexpr double kBaseFyDosDirecciones = 0.8;
inline constexpr double kEscalaFyDosDirecciones = 14000;
inline constexpr double kConstanteDosDirecciones = 36;
inline constexpr double kCoeficienteBeta = 9;
inline constexpr double kEspesorMinimoDosDirecciones = 0.09;  // m
// 9.5.3.3(d): 10 % more in a panel with a discontinuous edge without an edge beam (a
// free edge).
inline constexpr double kAumentoBordeLibre = 1.10;

// 9.3.2.1: strength reduction factor of flexure, behind kFactorSeccion (design/Refuerzo.h).
inline constexpr double kPhiFlexion = 0.9;

// 9.3.2.3 and 11.3.1.1: phi Vc = 0.85 x 0.53 sqrt(f'c) b d, kg.
inline constexpr double kPhiCortante = 0.85;
inline constexpr double kCoeficienteVc = 0.53;
// 8.3.3: shear at the face of the first interior support of an end span, 1.15 wu ln / 2.
inline constexpr double kCortanteExtremoEmpotrado = 1.15;

// 10.3.3 and 10.2.7.3: the ratio of tension steel is at most 0.75 of the balanced ratio
// rho b = 0.85 beta1 (f'c / fy) x 6120 / (6120 + fy), 6120 = 0.003 x Es (Es = 2 040 000
// Kg/cm2); beta1 = 0.85 up to f'c 280, 0.05 less per 70 Kg/cm2 above, not below 0.65.
inline constexpr double kFraccionBalanceada = 0.75;
inline constexpr double kBloqueCompresion = 0.85;
inline constexpr double kDeformacionUltima = 0.003;
inline constexpr double kModuloAcero = 2040000;  // Kg/cm2
inline constexpr double kBeta1 = 0.85;
inline constexpr double kFcBeta1 = 280;
inline constexpr double kPasoBeta1 = 0.05;     // per ...
inline constexpr double kIntervaloBeta1 = 70;  // ... Kg/cm2 above kFcBeta1
inline constexpr double kBeta1Minimo = 0.65;

// 7.6.1: the clear distance between parallel bars is at least db and at least 2.5 cm.
inline constexpr double kSeparacionLibreMinima = 2.5;  // cm

// Bar lengths of the bar schedule, in Kg/cm2, cm and m.
// 12.2.2 (bars of 3/4 inch and smaller, clear spacing and cover at least db):
// ld = fy alpha db / (6.6 sqrt(f'c)), not less than 30 cm (12.2.1); alpha = 1.3 for a
// bar with more than 30 cm of fresh concrete cast below it (12.2.4).
inline constexpr double kDivisorDesarrollo = 6.6;
inline constexpr double kDesarrolloMinimo = 30;           // cm
inline constexpr double kFactorBarraSuperior = 1.3;       // alpha
inline constexpr double kConcretoBajoBarraSuperior = 30;  // cm
// 12.5.2 and 12.5.3.1: a standard hook develops ldh = 0.075 fy db / sqrt(f'c), not less
// than 8 db nor 15 cm (12.5.1).
inline constexpr double kCoeficienteGancho = 0.075;
inline constexpr double kDiametrosGanchoMinimo = 8;
inline constexpr double kGanchoMinimo = 15;  // cm
// 7.1.2 and 7.2.1: a 90-degree standard hook is a bend of inside diameter 6 db and a
// straight extension of 12 db; its leg measures 12 db + 3 db + db out to out.
inline constexpr double kDiametrosPataGancho = 16;
// 12.15.1 and 12.15.2: a class B lap splice, 1.3 ld, not less than 30 cm.
inline constexpr double kFactorTraslape = 1.3;
inline constexpr double kTraslapeMinimo = 30;  // cm
// 12.11.1 and 13.3.8.1: bottom bars run at least 15 cm into the support.
inline constexpr double kEmpotramientoInferior = 0.15;  // m
// 13.3.8.1: top bars run 0.30 ln past the face of the support.
inline constexpr double kFraccionLuzSuperior = 0.30;

}  // namespace placatec::aci

// What the bar schedule takes from site practice rather than from the code.
namespace placatec::obra {

// Bars come in 9 m lengths: a longer bar is spliced.
inline constexpr double kLargoComercial = 9.0;  // m
// Bar lengths are cut to whole multiples of 5 cm, rounded up.
inline constexpr double kModuloCorte = 0.05;  // m
// One quintal is 100 pounds.
inline constexpr double kKilosPorQuintal = 45.359237;

}  // namespace placatec::obra
