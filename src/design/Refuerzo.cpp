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
double Aporte(const Proyecto& p, const ResultadosCalculo& r, int k, bool dirY) {
  const float acero = dirY ? r.losas[k].AreaY : r.losas[k].AreaX;
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

double MomentoMaximoSeccion(double d, Integer fc) { return kLimiteRaiz * d * d * kFactorSeccion * fc; }

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

int RefuerzoVanos(const Proyecto& p, ResultadosCalculo& r) {
  const MinimosRefuerzo min = MinimosPara(p.Fy);
  for (int i = 1; i <= p.NumLosas; ++i) {
    ResultadosLosa& l = r.losas[i];
    const double d = static_cast<double>(p.EspesorLosa[i]) - r.RecubrimientoM;
    // Both directions: r, omega, ratio and area.
    for (bool dirY : {false, true}) {
      const auto s = DisenaSeccion(std::fabs(dirY ? l.MomentoY : l.MomentoX), d, p.Fc, p.Fy);
      if (!s) return i;
      (dirY ? l.RaizY : l.RaizX) = s->raiz;
      (dirY ? l.OmegaY : l.OmegaX) = s->omega;
      (dirY ? l.CuantiaY : l.CuantiaX) = s->cuantia;
      (dirY ? l.AreaY : l.AreaX) = s->area;
    }
    MinimoVano(l.MomentoX, l.AreaX, p.EspesorLosa[i], min);
    MinimoVano(l.MomentoY, l.AreaY, p.EspesorLosa[i], min);
    SeparacionVano(l.AreaX, p.EspesorLosa[i], l.SeparX);
    SeparacionVano(l.AreaY, p.EspesorLosa[i], l.SeparY);
  }
  return 0;
}

int RefuerzoApoyos(const Proyecto& p, ResultadosCalculo& r) {
  for (int j = 1; j <= p.NumApoyos; ++j) {
    ResultadosApoyo& apoyo = r.apoyos[j];
    const int l1 = IndiceLosa(p.ApoyoLosa1[j]);
    const int l2 = IndiceLosa(p.ApoyoLosa2[j]);
    const float h = p.EspesorLosa[l1] >= p.EspesorLosa[l2] ? p.EspesorLosa[l1] : p.EspesorLosa[l2];
    const double d = static_cast<double>(h) - r.RecubrimientoM;
    const bool dirY = apoyo.Dir == 'Y';

    // Past the capacity of the section the root has no real value; taking its
    // magnitude would give less steel for a larger moment.
    const auto s = DisenaSeccion(dirY ? apoyo.MomentoApoyoY : apoyo.MomentoApoyoX, d, p.Fc, p.Fy);
    if (!s) return j;
    (dirY ? apoyo.RaizApoyoY : apoyo.RaizApoyoX) = s->raiz;
    (dirY ? apoyo.OmegaApoyoY : apoyo.OmegaApoyoX) = s->omega;
    (dirY ? apoyo.CuantiaApoyoY : apoyo.CuantiaApoyoX) = s->cuantia;
    (dirY ? apoyo.AreaApoyoY : apoyo.AreaApoyoX) = s->area;

    apoyo.Dispon = ASingle((Aporte(p, r, l1, dirY) + Aporte(p, r, l2, dirY)) / 2);
    apoyo.Adicional = ASingle(static_cast<double>(s->area) - apoyo.Dispon);
    const Barra& b = BarraParaArea(apoyo.Adicional);
    // A support with no additional steel keeps a negative spacing; exactly zero
    // needs no bars either and gets no spacing.
    apoyo.SeparApoyo = apoyo.Adicional == 0  ? 0.0f
                       : apoyo.Adicional < 0 ? ASingle(b.area / apoyo.Adicional)
                                             : ASingle(CentimetrosAbajo(b.area / apoyo.Adicional));
  }
  return 0;
}

}  // namespace placatec
