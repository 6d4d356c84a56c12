#include "outputs/Verificaciones.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "model/Numeros.h"
#include "outputs/NormaAci.h"

namespace placatec {

namespace {

// The edges of slab i that a continuous support covers: an "X" support edges 1 and
// 2, a "Y" support edges 3 and 4. Which edge of the direction meets the neighbour is
// not recorded, so both count as covered.
std::array<bool, 4> BordesCubiertos(const Proyecto& p, int i) {
  std::array<bool, 4> cubierto{};
  for (int j = 1; j <= std::clamp<int>(p.NumApoyos, 0, MaxApoyos); ++j) {
    if (IndiceLosa(p.ApoyoLosa1[j]) != i && IndiceLosa(p.ApoyoLosa2[j]) != i) continue;
    const std::size_t primero = p.ApoyoDir[j] == "Y" ? 2 : 0;
    cubierto[primero] = cubierto[primero + 1] = true;
  }
  return cubierto;
}

VerificacionBorde Borde(const Proyecto& p, const ResultadosCalculo& r, int i, int borde) {
  VerificacionBorde v;
  v.losa = static_cast<Integer>(i);
  v.borde = static_cast<Integer>(borde);
  v.momento = borde <= 2 ? r.losas[i].MomentoNegX : r.losas[i].MomentoNegY;
  const double d = static_cast<double>(p.EspesorLosa[i]) - r.RecubrimientoM;
  const std::optional<DisenoSeccion> s = DisenaSeccion(std::fabs(v.momento), d, p.Fc, p.Fy);
  if (!s) return v;
  v.area = s->area;
  MinimoVano(std::fabs(v.momento), v.area, d, MinimosPara(p.Fy));
  SeparacionVano(v.area, p.EspesorLosa[i], v.separ);
  v.barra = &BarraParaArea(v.area);
  v.cumple = true;
  return v;
}

bool EsUnaDireccion(int codigo) { return codigo >= 10 && codigo <= 13; }

// The case the calculation used: a code outside 1..25 is computed as code 10.
int CodigoCalculado(const Proyecto& p, int i) {
  const int codigo = p.CodigoLosa[i];
  return codigo >= 1 && codigo <= 25 ? codigo : 10;
}

// Table 9.5(a) for one-way slabs (the span they work in), eq. (9-13) for the others.
void EspesorMinimo(const Proyecto& p, const ResultadosCalculo& r, int i, VerificacionLosa& v) {
  const int codigo = v.codigo;
  const double fy = p.Fy;
  const double lx = p.Lx[i], ly = p.Ly[i];
  double h;
  if (EsUnaDireccion(codigo)) {
    const double luz = r.losas[i].RelacionLados > 0.5f ? lx : ly;  // as the moments take it
    const double divisor = codigo == 10   ? aci::kDivisorApoyada
                           : codigo == 11 ? aci::kDivisorUnExtremo
                           : codigo == 12 ? aci::kDivisorDosExtremos
                                          : aci::kDivisorVoladizo;
    h = luz / divisor;
    if (fy != aci::kFyTabla) h *= aci::kBaseFyUnaDireccion + fy / aci::kEscalaFyUnaDireccion;
    v.luz = ASingle(luz);
  } else {
    const double larga = std::max(lx, ly), corta = std::min(lx, ly);
    const double beta = larga / corta;
    h = larga * (aci::kBaseFyDosDirecciones + fy / aci::kEscalaFyDosDirecciones) /
        (aci::kConstanteDosDirecciones + aci::kCoeficienteBeta * beta);
    h = std::max(h, aci::kEspesorMinimoDosDirecciones);
    v.luz = ASingle(larga);
  }
  v.espesorMinimo = ASingle(h);
  v.espesor = p.EspesorLosa[i];
  v.espesorCumple = v.espesor >= v.espesorMinimo;
}

// The largest edge load of the slab under the factored load, To/m: a third of the
// short span on a short edge, (3 - m2)/2 times that on a long edge; the whole span
// and the edge load at the root of a cantilever; the whole span for a free edge.
double CortanteUltimo(const Proyecto& p, const ResultadosCalculo& r, int i) {
  const double wu = r.losas[i].CargaUltima;
  const double lx = p.Lx[i], ly = p.Ly[i];
  const double a = std::min(lx, ly);
  const int codigo = CodigoCalculado(p, i);
  if (codigo == 13)
    return wu * a + aci::kFactorMuerta * p.CargaMuertaVuelo[i] + aci::kFactorViva * p.CargaVivaVuelo[i];
  if (codigo >= 14 && codigo <= 25) return wu * a;
  const double m = a / std::max(lx, ly);
  return (3 - m * m) / 2 * (wu * a / 3);
}

void Cortante(const Proyecto& p, const ResultadosCalculo& r, int i, VerificacionLosa& v) {
  const double dcm = (static_cast<double>(p.EspesorLosa[i]) - r.RecubrimientoM) * 100;
  const double kg =
      aci::kPhiCortante * aci::kCoeficienteVc * std::sqrt(static_cast<double>(p.Fc)) * 100 * dcm;
  v.cortanteUltimo = ASingle(CortanteUltimo(p, r, i));
  v.cortanteResistente = ASingle(kg / 1000);
  v.cortanteCumple = v.cortanteUltimo <= v.cortanteResistente;
}

// A spacing in whole centimetres, not above s. A micrometre of slack, so that the
// last bit of a Single thickness (5 x 0.08 = 0.3999999) does not cost a centimetre.
double CentimetrosAbajo(double s) { return std::floor(s * 100 + 1e-4) / 100; }

void Temperatura(const Proyecto& p, int i, VerificacionLosa& v) {
  const float requerido = AceroTemperaturaRequerido(p.EspesorLosa[i], p.Fy);
  const double maxima =
      std::min(aci::kVecesEspesorSeparacion * p.EspesorLosa[i], aci::kSeparacionTemperaturaMaxima);
  const double colocado = kBarra3_8.area / kSeparTemperatura;
  v.aceroTemperaturaRequerido = requerido;
  v.aceroTemperaturaCumple = colocado >= requerido && kSeparTemperatura <= maxima;
  v.separTemperatura = ASingle(CentimetrosAbajo(std::min(kBarra3_8.area / requerido, maxima)));
}

// Slabs with a "Temp" row in the span table (two rows per slab, X then Y).
std::set<int> LosasConTemperatura(const TablaResultado& vanos) {
  std::set<int> losas;
  for (std::size_t r = 0; r < vanos.filas.size(); ++r)
    if (vanos.filas[r].size() > 6 && vanos.filas[r][6].texto == "Temp")
      losas.insert(static_cast<int>(r / 2) + 1);
  return losas;
}

}  // namespace

float AceroTemperaturaRequerido(float espesor, Integer fy) {
  double cuantia = aci::kCuantiaTemperaturaBaja;
  if (fy == aci::kFyTabla)
    cuantia = aci::kCuantiaTemperatura4200;
  else if (fy > aci::kFyTabla)
    cuantia = std::max(aci::kCuantiaTemperatura4200 * aci::kFyTabla / fy, aci::kCuantiaTemperaturaMinima);
  return ASingle(cuantia * 10000 * espesor);  // 100 cm of width times h in cm
}

Verificaciones Verifica(const Proyecto& p, const ResultadosCalculo& resultados, const TablaResultado& vanos) {
  Verificaciones r;
  const std::set<int> conTemperatura = LosasConTemperatura(vanos);
  const int losas = std::clamp<int>(p.NumLosas, 0, MaxLosas);
  for (int i = 1; i <= losas; ++i) {
    const std::array<bool, 4> cubierto = BordesCubiertos(p, i);
    const std::string& letras = p.Bordes[i];
    for (int b = 1; b <= 4; ++b)
      if (static_cast<std::size_t>(b) <= letras.size() && letras[b - 1] == 'E' && !cubierto[b - 1])
        r.bordes.push_back(Borde(p, resultados, i, b));

    VerificacionLosa v;
    v.losa = static_cast<Integer>(i);
    v.codigo = static_cast<Integer>(CodigoCalculado(p, i));
    EspesorMinimo(p, resultados, i, v);
    Cortante(p, resultados, i, v);
    if (conTemperatura.count(i)) Temperatura(p, i, v);
    r.losas.push_back(v);
  }
  return r;
}

int Verificaciones::LosasQueNoCumplen() const {
  std::set<int> fallan;
  for (const VerificacionLosa& v : losas)
    if (!v.Cumple()) fallan.insert(v.losa);
  for (const VerificacionBorde& b : bordes)
    if (!b.cumple) fallan.insert(b.losa);
  return static_cast<int>(fallan.size());
}

std::string ResumenVerificaciones(const Verificaciones& v) {
  const int n = v.LosasQueNoCumplen();
  if (n == 0) return "Todas las losas cumplen";
  return std::to_string(n) + (n == 1 ? " losa no cumple" : " losas no cumplen");
}

namespace {

Celda Numero(float v, const char* formato) { return {Formato(v, formato), static_cast<double>(v)}; }
Celda Entero(int v) { return {std::to_string(v), static_cast<double>(v)}; }
Celda Texto(std::string_view t) { return {std::string(t), std::nullopt}; }
Celda Veredicto(bool cumple) { return Texto(cumple ? kCumple : kNoCumple); }

}  // namespace

TablasVerificaciones TablasDe(const Verificaciones& v) {
  TablasVerificaciones t;
  t.resumen = ResumenVerificaciones(v);
  for (const VerificacionBorde& b : v.bordes) {
    if (b.cumple)
      t.bordes.filas.push_back({Entero(b.losa), Entero(b.borde), Numero(b.momento, "0.00"),
                                Numero(b.area, "0.00"), Texto(EtiquetaBarra(*b.barra)),
                                Numero(b.separ, "0.00"), Veredicto(true)});
    else
      t.bordes.filas.push_back({Entero(b.losa), Entero(b.borde), Numero(b.momento, "0.00"), Texto("---"),
                                Texto("Excede la seccion"), Texto(""), Veredicto(false)});
  }
  for (const VerificacionLosa& l : v.losas) {
    t.espesores.filas.push_back({Entero(l.losa),
                                 Texto(l.codigo == 13             ? "Voladizo"
                                       : EsUnaDireccion(l.codigo) ? "Una direccion"
                                                                  : "Dos direcciones"),
                                 Numero(l.luz, "0.00"), Numero(l.espesorMinimo, "0.000"),
                                 Numero(l.espesor, "0.000"), Veredicto(l.espesorCumple)});
    t.cortantes.filas.push_back({Entero(l.losa), Numero(l.cortanteUltimo, "0.00"),
                                 Numero(l.cortanteResistente, "0.00"), Veredicto(l.cortanteCumple)});
    if (l.aceroTemperaturaRequerido)
      t.temperatura.filas.push_back(
          {Entero(l.losa), Numero(l.espesor, "0.000"), Numero(*l.aceroTemperaturaRequerido, "0.00"),
           Numero(ASingle(kBarra3_8.area / kSeparTemperatura), "0.00"), Numero(*l.separTemperatura, "0.00"),
           Veredicto(*l.aceroTemperaturaCumple)});
  }
  return t;
}

}  // namespace placatec
