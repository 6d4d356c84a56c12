#include "design/Refuerzo.h"

#include <algorithm>
#include <cmath>

#include "design/NormaAci.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// One step of the section design: the ratio q of the moment to the section.
double CocienteSeccion(double momento, double d, Integer fc) {
  return momento / (d * d * kFactorSeccion * fc);
}

// Steel that slab k brings up over a support from its span steel.
double Aporte(const Proyecto& p, int k, bool dirY) {
  const float acero = dirY ? p.AreaY[k] : p.AreaX[k];
  const int codigo = p.CodigoLosa[k];
  if (codigo < 10) return acero <= 0 ? std::fabs(2.0 * acero) : acero;
  const bool corta = dirY ? p.Ly[k] <= p.Lx[k] : p.Lx[k] <= p.Ly[k];
  return (codigo != 13 && corta) ? std::fabs(static_cast<double>(acero)) : 0.0;
}

}  // namespace

const Barra& BarraParaArea(float area) {
  if (area < 7.1f) return kBarra3_8;
  if (area < 15.875f) return kBarra1_2;
  return kBarra3_4;
}

const Barra* BarraDeCodigo(int codigo) {
  switch (codigo) {
    case 3:
      return &kBarra3_8;
    case 4:
      return &kBarra1_2;
    case 6:
      return &kBarra3_4;
    default:
      return nullptr;
  }
}

std::string EtiquetaBarra(const Barra& b) { return std::string(b.etiqueta) + "\""; }

MinimosRefuerzo MinimosPara(Integer fy) {
  return {CuantiaContraccion(fy), ASingle(fy == aci::kFyTabla ? 2.13 : 2.84)};
}

double CuantiaContraccion(Integer fy) {
  if (fy < aci::kFyTabla) return aci::kCuantiaTemperaturaBaja;
  if (fy == aci::kFyTabla) return aci::kCuantiaTemperatura4200;
  return std::max(aci::kCuantiaTemperatura4200 * aci::kFyTabla / fy, aci::kCuantiaTemperaturaMinima);
}

float AceroTemperaturaRequerido(float espesor, Integer fy) {
  return ASingle(CuantiaContraccion(fy) * 10000 * espesor);  // 100 cm of width times h in cm
}

double CentimetrosAbajo(double separ) { return std::floor(separ * 100 * (1 + 1e-6)) / 100; }

float SeparacionMaximaVano(float espesor) {
  return ASingle(
      std::min(CentimetrosAbajo(aci::kSeparacionMaximaEspesores * espesor), aci::kSeparacionMaxima));
}

float SeparacionTemperatura(float espesor, Integer fy) {
  const double porArea = CentimetrosAbajo(kBarra3_8.area / AceroTemperaturaRequerido(espesor, fy));
  const double porEspesor = CentimetrosAbajo(aci::kVecesEspesorSeparacion * espesor);
  return ASingle(
      std::min({static_cast<double>(kSeparTemperatura), porArea, porEspesor, aci::kSeparacionMaxima}));
}

double CuantiaMaxima(Integer fc, Integer fy) {
  const double beta1 = std::clamp(aci::kBeta1 - aci::kPasoBeta1 * (fc - aci::kFcBeta1) / aci::kIntervaloBeta1,
                                  aci::kBeta1Minimo, aci::kBeta1);
  const double es = aci::kDeformacionUltima * aci::kModuloAcero;
  const double balanceada = aci::kBloqueCompresion * beta1 * fc / fy * es / (es + fy);
  return aci::kFraccionBalanceada * balanceada;
}

double SeparacionMinimaBarras(const Barra& b) {
  return (b.diametro + std::max(b.diametro, aci::kSeparacionLibreMinima)) / 100;
}

std::optional<DisenoSeccion> DisenaSeccion(double momento, double d, Integer fc, Integer fy) {
  const double resto = kLimiteRaiz - CocienteSeccion(momento, d, fc);
  if (!(resto >= 0)) return std::nullopt;  // beyond the capacity of the section (or not a number)
  DisenoSeccion s;
  s.raiz = ASingle(std::sqrt(resto));
  s.omega = ASingle(kOmegaBase - s.raiz);
  s.cuantia = ASingle(static_cast<double>(fc) * s.omega / fy);
  s.area = ASingle(10000 * static_cast<double>(s.cuantia) * d);
  return s;
}

void MinimoVano(float momento, float& area, float espesor, const MinimosRefuerzo& min) {
  if (momento < 0) {
    area = -area;
    if (std::fabs(area) < min.areaMinima) area = -min.areaMinima;
  } else {
    const float porCuantia = ASingle(min.cuantiaMinima * 10000 * espesor);
    if (area < porCuantia) area = porCuantia;
    if (area < min.areaMinima) area = min.areaMinima;
  }
}

void SeparacionVano(float area, float espesor, float& separ) {
  const Barra& b = BarraParaArea(std::fabs(area));
  separ = ASingle(std::min(CentimetrosAbajo(std::fabs(b.area / area)),
                           static_cast<double>(SeparacionMaximaVano(espesor))));
}

int RefuerzoVanos(Proyecto& p) {
  const MinimosRefuerzo min = MinimosPara(p.Fy);
  for (int i = 1; i <= p.NumLosas; ++i) {
    const double d = static_cast<double>(p.EspesorLosa[i]) - p.RecubrimientoM;
    // Both directions: r, omega (kept in CargaLx2/CargaLy2), ratio and area.
    for (bool dirY : {false, true}) {
      const auto s = DisenaSeccion(std::fabs(dirY ? p.MomentoY[i] : p.MomentoX[i]), d, p.Fc, p.Fy);
      if (!s) return i;
      (dirY ? p.RaizY[i] : p.RaizX[i]) = s->raiz;
      (dirY ? p.CargaLy2[i] : p.CargaLx2[i]) = s->omega;
      (dirY ? p.CuantiaY[i] : p.CuantiaX[i]) = s->cuantia;
      (dirY ? p.AreaY[i] : p.AreaX[i]) = s->area;
    }
    MinimoVano(p.MomentoX[i], p.AreaX[i], p.EspesorLosa[i], min);
    MinimoVano(p.MomentoY[i], p.AreaY[i], p.EspesorLosa[i], min);
    SeparacionVano(p.AreaX[i], p.EspesorLosa[i], p.SeparX[i]);
    SeparacionVano(p.AreaY[i], p.EspesorLosa[i], p.SeparY[i]);
  }
  return 0;
}

int RefuerzoApoyos(Proyecto& p) {
  for (int j = 1; j <= p.NumApoyos; ++j) {
    const int l1 = IndiceLosa(p.ApoyoLosa1[j]);
    const int l2 = IndiceLosa(p.ApoyoLosa2[j]);
    const float h = p.EspesorLosa[l1] >= p.EspesorLosa[l2] ? p.EspesorLosa[l1] : p.EspesorLosa[l2];
    const double d = static_cast<double>(h) - p.RecubrimientoM;
    const bool dirY = EsDireccionY(p.ApoyoDir[j]);

    // Past the capacity of the section the root has no real value; taking its
    // magnitude would give less steel for a larger moment.
    const auto s = DisenaSeccion(dirY ? p.MomentoApoyoY[j] : p.MomentoApoyoX[j], d, p.Fc, p.Fy);
    if (!s) return j;
    (dirY ? p.RaizApoyoY[j] : p.RaizApoyoX[j]) = s->raiz;
    (dirY ? p.OmegaApoyoY[j] : p.OmegaApoyoX[j]) = s->omega;
    (dirY ? p.CuantiaApoyoY[j] : p.CuantiaApoyoX[j]) = s->cuantia;
    (dirY ? p.AreaApoyoY[j] : p.AreaApoyoX[j]) = s->area;

    p.Dispon[j] = ASingle((Aporte(p, l1, dirY) + Aporte(p, l2, dirY)) / 2);
    p.Adicional[j] = ASingle(static_cast<double>(s->area) - p.Dispon[j]);
    const Barra& b = BarraParaArea(p.Adicional[j]);
    // A support with no additional steel keeps a negative spacing; exactly zero
    // needs no bars either and gets no spacing.
    p.SeparApoyo[j] = p.Adicional[j] == 0  ? 0.0f
                      : p.Adicional[j] < 0 ? ASingle(b.area / p.Adicional[j])
                                           : ASingle(CentimetrosAbajo(b.area / p.Adicional[j]));
  }
  return 0;
}

}  // namespace placatec
