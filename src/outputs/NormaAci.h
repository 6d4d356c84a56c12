#pragma once
// The ACI 318-99 provisions behind the checks of the calculated storey, in the
// program's units (kg/cm2, m, cm2 per metre), all in one place.
namespace placatec::aci {

// 9.2.1: load factors of dead and live load.
inline constexpr double kFactorMuerta = 1.4;
inline constexpr double kFactorViva = 1.7;

// 9.5(a): minimum thickness of one-way slabs, span divided by these.
inline constexpr double kDivisorApoyada = 20;      // simply supported
inline constexpr double kDivisorUnExtremo = 24;    // one end continuous
inline constexpr double kDivisorDosExtremos = 28;  // both ends continuous
inline constexpr double kDivisorVoladizo = 10;     // cantilever
// ... times (0.4 + fy / 7000) for steel other than fy 4200.
inline constexpr double kFyTabla = 4200;
inline constexpr double kBaseFyUnaDireccion = 0.4;
inline constexpr double kEscalaFyUnaDireccion = 7000;

// 9.5.3.3, eq. (9-13): two-way slabs on stiff beams,
// h = ln (0.8 + fy / 14000) / (36 + 9 beta), not less than 9 cm.
inline constexpr double kBaseFyDosDirecciones = 0.8;
inline constexpr double kEscalaFyDosDirecciones = 14000;
inline constexpr double kConstanteDosDirecciones = 36;
inline constexpr double kCoeficienteBeta = 9;
inline constexpr double kEspesorMinimoDosDirecciones = 0.09;  // m

// 9.3.2.3 and 11.3.1.1: phi Vc = 0.85 x 0.53 sqrt(f'c) b d, kg.
inline constexpr double kPhiCortante = 0.85;
inline constexpr double kCoeficienteVc = 0.53;

// 7.12.2: shrinkage and temperature steel, ratio of the gross section.
inline constexpr double kCuantiaTemperaturaBaja = 0.0020;     // fy 2800 and below
inline constexpr double kCuantiaTemperatura4200 = 0.0018;     // fy 4200
inline constexpr double kCuantiaTemperaturaMinima = 0.0014;   // above 4200: 0.0018 x 4200 / fy
inline constexpr double kVecesEspesorSeparacion = 5;          // spacing at most 5 h ...
inline constexpr double kSeparacionTemperaturaMaxima = 0.45;  // ... and 45 cm

}  // namespace placatec::aci
