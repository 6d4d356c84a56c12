#pragma once
// Steel design of the spans and of the continuous supports: ultimate-strength design
// of a 1 m wide rectangular section, minimum steel, bar size and spacing.
#include <optional>
#include <string>

#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"

namespace placatec {

// A bar size: code in eighths of an inch, area (cm2), weight (qq per metre), label,
// diameter (cm), nominal mass of ASTM A615M (kg per metre) that the bar schedule weighs
// with.
struct Barra {
  Integer codigo;
  double area;
  double pesoMetro;
  const char* etiqueta;
  double diametro;
  double masaMetro;
};

inline constexpr Barra kBarra3_8{3, 0.71, 0.012464, "ø 3/8", 0.9525, 0.560};
inline constexpr Barra kBarra1_2{4, 1.27, 0.021976, "ø 1/2", 1.27, 0.994};
inline constexpr Barra kBarra3_4{6, 2.85, 0.0492, "ø 3/4", 1.905, 2.235};
inline constexpr const Barra* kBarras[] = {&kBarra3_8, &kBarra1_2, &kBarra3_4};

// The bar for a required area per metre, compared in single precision: below 7.1
// takes 3/8 inch, from 7.1 below 15.875 takes 1/2 inch, 15.875 or more 3/4 inch.
const Barra& BarraParaArea(float area);
// The bar of a size code 3, 4 or 6; nullptr for any other code.
const Barra* BarraDeCodigo(int codigo);
// Label followed by the inch mark, as the results table shows it.
std::string EtiquetaBarra(const Barra& b);

// The section design of a 1 m strip: q = Mu / (kFactorSeccion d² f'c),
// omega = kOmegaBase - sqrt(kLimiteRaiz - q), ratio = omega f'c / fy, As = ratio d (cm2/m).
inline constexpr double kFactorSeccion = 5.3;
inline constexpr double kLimiteRaiz = 0.7190001;
inline constexpr double kOmegaBase = 0.8480001;
// Temperature steel: 3/8 inch bars at this spacing (m), or closer when the slab needs more.
inline constexpr float kSeparTemperatura = 0.28f;

// Minimum steel for the steel's yield strength.
struct MinimosRefuerzo {
  double cuantiaMinima;  // minimum steel ratio, of the gross section b h
  float areaMinima;      // absolute minimum area, cm2 per metre
};
MinimosRefuerzo MinimosPara(Integer fy);

// The shrinkage and temperature ratio of the gross section: 0.0020 below fy 4200,
// 0.0018 at 4200, 0.0018 x 4200 / fy above (not below 0.0014). The minimum ratio of
// span steel is the same.
double CuantiaContraccion(Integer fy);
// Temperature steel for a gross thickness (m), cm2 per metre.
float AceroTemperaturaRequerido(float espesor, Integer fy);

// A spacing (m) taken down to the whole centimetre, so that the bars placed give at
// least the area they were chosen for; a part in a million of slack keeps the last
// bit of a Single (3 x 0.11 = 0.3299999) from costing a centimetre.
double CentimetrosAbajo(double separ);
// The largest spacing of span bars: 3 h and not more than 0.45 m, whole centimetres.
float SeparacionMaximaVano(float espesor);
// The spacing of 3/8 inch temperature bars: 0.28 m, or the spacing that gives the
// temperature steel, or 5 h, or 0.45 m, whichever is smallest, whole centimetres.
float SeparacionTemperatura(float espesor, Integer fy);

// The largest ratio of tension steel: 0.75 of the balanced ratio for f'c and fy.
double CuantiaMaxima(Integer fc, Integer fy);
// The smallest centre-to-centre spacing (m) of parallel bars of this size: db plus
// the larger of db and 2.5 cm.
double SeparacionMinimaBarras(const Barra& b);

// The design of a 1 m wide section for a moment M >= 0 (To-m/m) at an effective
// depth d (m): q = M / (d2 5.3 Fc), r = Sqr(0.7190001 - q), omega = 0.8480001 - r,
// ratio = Fc omega / Fy, area = 10000 ratio d (cm2/m), each stored as a Single.
struct DisenoSeccion {
  float raiz, omega, cuantia, area;
};
// Empty when the moment exceeds the capacity of the section (0.7190001 - q below
// zero) or nothing finite comes out.
std::optional<DisenoSeccion> DisenaSeccion(double momento, double d, Integer fc, Integer fy);
// The largest moment (To-m/m) that DisenaSeccion designs at an effective depth d (m).
double MomentoMaximoSeccion(double d, Integer fc);

// The minimum steel of spans applied to an area designed for a span moment: a
// negative moment turns the area negative, at least Asmin in magnitude; otherwise
// the area is at least the minimum ratio times the gross section b h (espesor in m),
// and at least Asmin.
void MinimoVano(float momento, float& area, float espesor, const MinimosRefuerzo& min);
// The spacing of the bars of an area per metre, taken down to the whole centimetre and
// not above SeparacionMaximaVano.
void SeparacionVano(float area, float espesor, float& separ);

// Span steel of slabs 1..NumLosas from the moments in r. Returns 0, or the number of
// the first slab whose span moment exceeds the capacity of its section (its steel is
// then incomplete). Needs Fc, Fy not 0 and an effective depth greater than 0 for every
// slab.
int RefuerzoVanos(const Proyecto& p, ResultadosCalculo& r);

// Steel over supports 1..NumApoyos: required, brought up by the spans, additional,
// with the spacing of the additional bars (whole centimetres down), from the results
// in r. Returns 0, or the number of the first support whose moment exceeds the
// capacity of its section. Needs the span steel and supports that name slabs
// 1..NumLosas.
int RefuerzoApoyos(const Proyecto& p, ResultadosCalculo& r);

}  // namespace placatec
