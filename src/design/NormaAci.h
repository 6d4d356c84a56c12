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

}  // namespace placatec::aci
