#include "design/Refuerzo.h"

#include <cmath>

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
  if (fy == 4200) return {0.0018, ASingle(2.13)};
  return {0.002, ASingle(2.84)};
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

void MinimoVano(float momento, float& area, double d, const MinimosRefuerzo& min) {
  if (momento < 0) {
    area = -area;
    if (std::fabs(area) < min.areaMinima) area = -min.areaMinima;
  } else {
    const float porCuantia = ASingle(min.cuantiaMinima * 10000 * d);
    if (area < porCuantia) area = porCuantia;
    if (area < min.areaMinima) area = min.areaMinima;
  }
}

void SeparacionVano(float area, float espesor, float& separ) {
  const Barra& b = BarraParaArea(std::fabs(area));
  separ = ASingle(std::fabs(b.area / area));
  const float maxima = ASingle(3.0 * espesor);
  if (maxima < separ) separ = maxima;
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
    MinimoVano(l.MomentoX, l.AreaX, d, min);
    MinimoVano(l.MomentoY, l.AreaY, d, min);
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
    const bool dirY = p.ApoyoDir[j] == "Y";

    const double q = CocienteSeccion(dirY ? apoyo.MomentoApoyoY : apoyo.MomentoApoyoX, d, p.Fc);
    // Past the capacity of the section the root has no real value; taking its
    // magnitude would give less steel for a larger moment.
    const double resto = kLimiteRaiz - q;
    if (!(resto >= 0)) return j;
    float& raiz = dirY ? apoyo.RaizApoyoY : apoyo.RaizApoyoX;
    float& omega = dirY ? apoyo.OmegaApoyoY : apoyo.OmegaApoyoX;
    float& cuantia = dirY ? apoyo.CuantiaApoyoY : apoyo.CuantiaApoyoX;
    float& area = dirY ? apoyo.AreaApoyoY : apoyo.AreaApoyoX;
    raiz = ASingle(std::sqrt(resto));
    omega = ASingle(kOmegaBase - raiz);
    cuantia = ASingle(static_cast<double>(p.Fc) * omega / p.Fy);
    area = ASingle(d * 10000 * cuantia);

    apoyo.Dispon = ASingle((Aporte(p, r, l1, dirY) + Aporte(p, r, l2, dirY)) / 2);
    apoyo.Adicional = ASingle(static_cast<double>(area) - apoyo.Dispon);
    const Barra& b = BarraParaArea(apoyo.Adicional);
    // A support with no additional steel keeps a negative spacing; exactly zero
    // needs no bars either and gets no spacing.
    apoyo.SeparApoyo = apoyo.Adicional == 0 ? 0.0f : ASingle(b.area / apoyo.Adicional);
  }
  return 0;
}

}  // namespace placatec
