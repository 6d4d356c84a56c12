#include "outputs/Verificaciones.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "design/NormaAci.h"
#include "engine/Clasificacion.h"
#include "model/Disposicion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// The slab numbers of support j, as table indexes.
std::array<int, 2> LosasDe(const Proyecto& p, int j) {
  return {IndiceLosa(p.ApoyoLosa1[j]), IndiceLosa(p.ApoyoLosa2[j])};
}

int Apoyos(const Proyecto& p) { return std::clamp<int>(p.NumApoyos, 0, MaxApoyos); }

// The letter of edge b (1..4) of slab i; ' ' when the string is short.
char Letra(const Proyecto& p, int i, int b) {
  const std::string& letras = p.Bordes[i];
  return static_cast<std::size_t>(b) <= letras.size() ? letras[static_cast<std::size_t>(b) - 1] : ' ';
}

// The sides of the continuous supports of one direction that name slab i (a support
// that names it twice counts twice).
int LadosEnDireccion(const Proyecto& p, int i, bool dirY) {
  int lados = 0;
  for (int j = 1; j <= Apoyos(p); ++j)
    if (EsDireccionY(p.ApoyoDir[j]) == dirY)
      for (int k : LosasDe(p, j)) lados += k == i;
  return lados;
}

VerificacionBorde Borde(const Proyecto& p, const ResultadosCalculo& r, int i, bool dirY, int borde) {
  VerificacionBorde v;
  v.losa = static_cast<Integer>(i);
  v.borde = static_cast<Integer>(borde);
  v.direccion = dirY ? 'Y' : 'X';
  v.momento = dirY ? r.losas[i].MomentoNegY : r.losas[i].MomentoNegX;
  const double d = static_cast<double>(p.EspesorLosa[i]) - r.RecubrimientoM;
  v.capacidad = ASingle(MomentoMaximoSeccion(d, p.Fc));
  const std::optional<DisenoSeccion> s = DisenaSeccion(std::fabs(v.momento), d, p.Fc, p.Fy);
  if (!s) return v;
  v.area = s->area;
  MinimoVano(std::fabs(v.momento), v.area, p.EspesorLosa[i], MinimosPara(p.Fy));
  SeparacionVano(v.area, p.EspesorLosa[i], v.separ);
  v.barra = &BarraParaArea(v.area);
  v.cumple = true;
  return v;
}

// The fixed edges of each direction less the continuous supports of that direction
// that name the slab are uncovered. The edge moment is one per direction, so the steel
// is the same for either edge; the edge is named when it is known: when no support of
// the direction covers any of its fixed edges.
void BordesSinApoyo(const Proyecto& p, const ResultadosCalculo& r, int i,
                    std::vector<VerificacionBorde>& bordes) {
  for (bool dirY : {false, true}) {
    const int primero = dirY ? 3 : 1;
    std::vector<int> fijos;
    for (int b = primero; b <= primero + 1; ++b)
      if (Letra(p, i, b) == 'E') fijos.push_back(b);
    const int sinCubrir = static_cast<int>(fijos.size()) - LadosEnDireccion(p, i, dirY);
    if (sinCubrir <= 0) continue;
    if (sinCubrir == static_cast<int>(fijos.size()))
      for (int b : fijos) bordes.push_back(Borde(p, r, i, dirY, b));
    else
      bordes.push_back(Borde(p, r, i, dirY, 0));
  }
}

// The case the calculation used: a code outside 1..25 is computed as code 10.
int CodigoCalculado(const Proyecto& p, int i) {
  const int codigo = p.CodigoLosa[i];
  return codigo >= 1 && codigo <= 25 ? codigo : 10;
}

bool TieneBordeLibre(int codigo) { return codigo >= 14 && codigo <= 25; }

// The span a one-way slab works in, as the moments take it.
double LuzUnaDireccion(const Proyecto& p, const ResultadosCalculo& r, int i) {
  return UnaDireccionEnX(r.losas[i].RelacionLados) ? p.Lx[i] : p.Ly[i];
}

// Table 9.5(a) for one-way slabs (the span they work in), eq. (9-13) for the others,
// 10 % more for a panel with a free edge.
void EspesorMinimo(const Proyecto& p, const ResultadosCalculo& r, int i, VerificacionLosa& v) {
  const int codigo = v.codigo;
  const double fy = p.Fy;
  const double lx = p.Lx[i], ly = p.Ly[i];
  double h;
  if (EsCasoUnaDireccion(codigo)) {
    const double luz = LuzUnaDireccion(p, r, i);
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
    if (TieneBordeLibre(codigo)) h *= aci::kAumentoBordeLibre;
    h = std::max(h, aci::kEspesorMinimoDosDirecciones);
    v.luz = ASingle(larga);
  }
  v.espesorMinimo = ASingle(h);
  v.espesor = p.EspesorLosa[i];
  v.espesorCumple = v.espesor >= v.espesorMinimo;
}

// The largest edge load of the slab under the factored load, To/m: a third of the
// short span on a short edge, (3 - m2)/2 times that on a long edge; 1.15 wu l / 2 at
// the fixed end of a one-way slab fixed at one end only; the whole span and the edge
// load at the root of a cantilever; the whole span for a free edge.
double CortanteUltimo(const Proyecto& p, const ResultadosCalculo& r, int i) {
  const double wu = r.losas[i].CargaUltima;
  const double lx = p.Lx[i], ly = p.Ly[i];
  const double a = std::min(lx, ly);
  const int codigo = CodigoCalculado(p, i);
  if (codigo == 13)
    return wu * a + kFactorCargaMuerta * p.CargaMuertaVuelo[i] + kFactorCargaViva * p.CargaVivaVuelo[i];
  if (codigo == 11) return aci::kCortanteExtremoEmpotrado * wu * LuzUnaDireccion(p, r, i) / 2;
  if (TieneBordeLibre(codigo)) return wu * a;
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

void Temperatura(const Proyecto& p, int i, VerificacionLosa& v) {
  const float requerido = AceroTemperaturaRequerido(p.EspesorLosa[i], p.Fy);
  const float separ = SeparacionTemperatura(p.EspesorLosa[i], p.Fy);
  const double maxima = std::min(aci::kVecesEspesorSeparacion * p.EspesorLosa[i], aci::kSeparacionMaxima);
  v.aceroTemperaturaRequerido = requerido;
  v.aceroTemperaturaCumple = kBarra3_8.area / separ >= requerido * (1 - 1e-6) && separ <= maxima;
  v.separTemperatura = separ;
}

// Rows of the span table (two per slab, X then Y) that carry temperature steel.
std::set<std::size_t> FilasDeTemperatura(const TablaResultado& vanos) {
  std::set<std::size_t> filas;
  for (std::size_t r = 0; r < vanos.filas.size(); ++r)
    if (vanos.filas[r].size() > 6 && vanos.filas[r][6].texto == "Temp") filas.insert(r);
  return filas;
}

std::string Numero(double v, const char* formato) { return Formato(v, formato); }

// Steel placed in a section: ductility and the room between its bars.
struct Seccion {
  Integer losa = 0, apoyo = 0, borde = 0;
  char direccion = 0;
  std::array<Integer, 2> losasDelApoyo{};
};

void ChequeaAcero(const Proyecto& p, const Seccion& s, double colocado, double d, const Barra* barra,
                  float separ, std::vector<VerificacionAviso>& avisos) {
  // The reason says the value, the relation and the limit in one line.
  const auto aviso = [&](TipoAviso tipo, std::string valor, const char* relacion, std::string limite) {
    avisos.push_back({tipo, s.losa, s.apoyo, s.borde, s.direccion, valor + relacion + limite, false,
                      s.losasDelApoyo, valor, limite});
  };
  const double cuantia = colocado / (10000 * d);
  const double maxima = CuantiaMaxima(p.Fc, p.Fy);
  if (cuantia > maxima)
    aviso(TipoAviso::Ductilidad, "cuantia \xCF\x81 = " + Numero(cuantia, "0.0000"), " mayor que ",
          Numero(aci::kFraccionBalanceada, "0.00") + " \xCF\x81" + "b = " + Numero(maxima, "0.0000"));
  if (barra && separ > 0 && separ < SeparacionMinimaBarras(*barra) * (1 - 1e-6))
    aviso(TipoAviso::BarrasNoCaben, EtiquetaBarra(*barra) + " a " + Formato(separ, "0.00") + " m",
          ": menos de ", Numero(SeparacionMinimaBarras(*barra), "0.000") + " m entre centros");
}

void AvisosDeLosa(const Proyecto& p, const ResultadosCalculo& r, int i,
                  const std::set<std::size_t>& temperatura, const std::vector<VerificacionBorde>& bordes,
                  std::vector<VerificacionAviso>& avisos) {
  const double d = static_cast<double>(p.EspesorLosa[i]) - r.RecubrimientoM;
  const ResultadosLosa& l = r.losas[i];
  for (bool dirY : {false, true}) {
    const float area = std::fabs(dirY ? l.AreaY : l.AreaX);
    const float separ = dirY ? l.SeparY : l.SeparX;
    const bool temp = temperatura.count(2 * static_cast<std::size_t>(i - 1) + (dirY ? 1 : 0)) > 0;
    const Barra& barra = temp ? kBarra3_8 : BarraParaArea(area);
    if (separ > 0)
      ChequeaAcero(p, {static_cast<Integer>(i), 0, 0, dirY ? 'Y' : 'X', {}}, barra.area / separ, d, &barra,
                   separ, avisos);
  }
  for (const VerificacionBorde& b : bordes)
    if (b.losa == i && b.cumple && b.separ > 0)
      ChequeaAcero(p, {b.losa, 0, b.borde, b.direccion, {}}, b.barra->area / b.separ, d, b.barra, b.separ,
                   avisos);
  const float muerta = p.CargaMuertaVuelo[i], viva = p.CargaVivaVuelo[i];
  if (CodigoCalculado(p, i) != 13 && (muerta != 0 || viva != 0)) {
    const std::string carga = "CM " + Formato(muerta, "0.000") + ", CV " + Formato(viva, "0.000") + " To/m";
    const std::string caso = "caso " + std::to_string(CodigoCalculado(p, i));
    avisos.push_back({TipoAviso::CargaBordeLibre,
                      static_cast<Integer>(i),
                      0,
                      0,
                      0,
                      "la carga lineal de vuelo (" + carga + ") no se incluye en el calculo (" + caso + ")",
                      false,
                      {},
                      carga,
                      "el " + caso + " no la toma"});
  }
}

// A support of direction X meets its "Losa 1" with edge 2 and its "Losa 2" with edge
// 1; a support of direction Y, edges 4 and 3 (the slabs laid out left to right and
// bottom to top).
void AvisosDeApoyo(const Proyecto& p, const ResultadosCalculo& r, int j,
                   std::vector<VerificacionAviso>& avisos) {
  const bool dirY = EsDireccionY(p.ApoyoDir[j]);
  const char dir = dirY ? 'Y' : 'X';
  const auto [l1, l2] = LosasDe(p, j);
  const std::array<Integer, 2> losas{static_cast<Integer>(l1), static_cast<Integer>(l2)};
  const float h = std::max(p.EspesorLosa[l1], p.EspesorLosa[l2]);
  const double d = static_cast<double>(h) - r.RecubrimientoM;
  const ResultadosApoyo& apoyo = r.apoyos[j];
  const Barra* barra = BarraDeCodigo(apoyo.BarraApoyo);
  const bool adicionales = barra && apoyo.Adicional > 0 && apoyo.SeparApoyo > 0;
  const double colocado = apoyo.Dispon + (adicionales ? barra->area / apoyo.SeparApoyo : 0.0);
  ChequeaAcero(p, {0, static_cast<Integer>(j), 0, dir, losas}, colocado, d, adicionales ? barra : nullptr,
               apoyo.SeparApoyo, avisos);
  const int encuentro[2] = {dirY ? 4 : 2, dirY ? 3 : 1};
  for (int lado = 0; lado < 2; ++lado) {
    const int i = lado == 0 ? l1 : l2;
    const char letra = Letra(p, i, encuentro[lado]);
    if (letra == 'E') continue;
    const std::string borde = "borde " + std::to_string(encuentro[lado]);
    avisos.push_back({TipoAviso::ApoyoSobreBordeNoEmpotrado,
                      static_cast<Integer>(i),
                      static_cast<Integer>(j),
                      0,
                      dir,
                      "el apoyo continuo llega al " + borde + ", que es " + std::string(1, letra) + " y no E",
                      false,
                      {},
                      borde + " = " + std::string(1, letra),
                      borde + " = E"});
  }
}

}  // namespace

std::string TextoBorde(const VerificacionBorde& b) {
  if (b.borde > 0) return std::to_string(b.borde);
  return b.direccion == 'Y' ? "3 \xC3\xB3 4" : "1 \xC3\xB3 2";
}

namespace {

// Each kind of entry: its name in the batch calculator's output and its words on screen.
struct DescripcionAviso {
  TipoAviso tipo;
  std::string_view nombre, texto;
};
constexpr DescripcionAviso kAvisos[] = {
    {TipoAviso::Ductilidad, "Ductilidad", "Ductilidad"},
    {TipoAviso::BarrasNoCaben, "BarrasNoCaben", "Separacion de barras"},
    {TipoAviso::CargaBordeLibre, "CargaBordeLibre", "Carga lineal de vuelo"},
    {TipoAviso::ApoyoSobreBordeNoEmpotrado, "ApoyoSobreBordeNoEmpotrado", "Apoyo sobre borde no empotrado"},
    {TipoAviso::PosicionContradictoria, "PosicionContradictoria", "Posicion en planta"},
    {TipoAviso::LosasSuperpuestas, "LosasSuperpuestas", "Losas superpuestas"},
};

const DescripcionAviso& Descripcion(TipoAviso t) {
  for (const DescripcionAviso& d : kAvisos)
    if (d.tipo == t) return d;
  return kAvisos[0];
}

// A problem of the plan as a check entry: the slab out of place (or the first of two
// that overlap), with where it lies against where the support puts it, or how much the
// two slabs share.
VerificacionAviso AvisoDePosicion(const Proyecto& p, const Disposicion& d, const ProblemaPosicion& q) {
  const auto a = static_cast<std::size_t>(q.losa1), b = static_cast<std::size_t>(q.losa2);
  const auto lugar = [](double x, double y) {
    return "X0 = " + Formato(x, "0.00") + ", Y0 = " + Formato(y, "0.00") + " m";
  };
  if (q.tipo == TipoProblemaPosicion::Superposicion) {
    const double ancho = std::min(d.X0[a] + p.Lx[a], d.X0[b] + p.Lx[b]) - std::max(d.X0[a], d.X0[b]);
    const double alto = std::min(d.Y0[a] + p.Ly[a], d.Y0[b] + p.Ly[b]) - std::max(d.Y0[a], d.Y0[b]);
    return {TipoAviso::LosasSuperpuestas,
            q.losa1,
            0,
            0,
            0,
            q.texto,
            false,
            {q.losa1, q.losa2},
            "con la losa " + std::to_string(q.losa2) + ": " + Formato(ancho, "0.00") + " x " +
                Formato(alto, "0.00") + " m",
            "sin superposici\xC3\xB3n"};
  }
  const bool dirY = EsDireccionY(p.ApoyoDir[q.apoyo]);
  std::string valor = "une la losa " + std::to_string(q.losa1) + " consigo misma", limite = "dos losas";
  if (a != b) {
    valor = lugar(d.X0[b], d.Y0[b]);
    limite = lugar(d.X0[a] + (dirY ? 0.0 : p.Lx[a]), d.Y0[a] + (dirY ? p.Ly[a] : 0.0)) +
             (dirY ? ", encima de la losa " : ", a la derecha de la losa ") + std::to_string(q.losa1);
  }
  return {TipoAviso::PosicionContradictoria,
          q.losa2,
          q.apoyo,
          0,
          dirY ? 'Y' : 'X',
          q.texto,
          false,
          {q.losa1, q.losa2},
          std::move(valor),
          std::move(limite)};
}

}  // namespace

std::string_view NombreAviso(TipoAviso t) { return Descripcion(t).nombre; }

std::string_view TextoAviso(TipoAviso t) { return Descripcion(t).texto; }

Verificaciones Verifica(const Proyecto& p, const ResultadosCalculo& resultados, const TablaResultado& vanos) {
  Verificaciones r;
  const std::set<std::size_t> temperatura = FilasDeTemperatura(vanos);
  const int losas = std::clamp<int>(p.NumLosas, 0, MaxLosas);
  for (int i = 1; i <= losas; ++i) {
    BordesSinApoyo(p, resultados, i, r.bordes);
    VerificacionLosa v;
    v.losa = static_cast<Integer>(i);
    v.codigo = static_cast<Integer>(CodigoCalculado(p, i));
    EspesorMinimo(p, resultados, i, v);
    Cortante(p, resultados, i, v);
    if (temperatura.count(2 * static_cast<std::size_t>(i - 1)) ||
        temperatura.count(2 * static_cast<std::size_t>(i - 1) + 1))
      Temperatura(p, i, v);
    r.losas.push_back(v);
    AvisosDeLosa(p, resultados, i, temperatura, r.bordes, r.avisos);
  }
  for (int j = 1; j <= Apoyos(p); ++j) AvisosDeApoyo(p, resultados, j, r.avisos);
  // The plan: a support the places contradict, two slabs on the same ground.
  const Disposicion d = DisponeLosas(p);
  for (const ProblemaPosicion& q : d.problemas) r.avisos.push_back(AvisoDePosicion(p, d, q));
  return r;
}

int Verificaciones::LosasQueNoCumplen() const {
  std::set<int> fallan;
  for (const VerificacionLosa& v : losas)
    if (!v.Cumple()) fallan.insert(v.losa);
  for (const VerificacionBorde& b : bordes)
    if (!b.cumple) fallan.insert(b.losa);
  for (const VerificacionAviso& a : avisos) {
    if (a.cumple) continue;
    if (a.losa > 0) fallan.insert(a.losa);
    for (Integer k : a.losasDelApoyo)
      if (k > 0) fallan.insert(k);
  }
  return static_cast<int>(fallan.size());
}

std::string ResumenVerificaciones(const Verificaciones& v) {
  const int n = v.LosasQueNoCumplen();
  if (n == 0) return "Todas las losas cumplen";
  return std::to_string(n) + (n == 1 ? " losa no cumple" : " losas no cumplen");
}

std::vector<FallaVerificacion> Fallas(const Verificaciones& v) {
  std::vector<FallaVerificacion> f;
  const auto losa = [](int i) { return "Losa " + std::to_string(i); };
  const auto avisos = [&](auto&& de) {
    for (const VerificacionAviso& a : v.avisos) {
      if (a.cumple || !de(a)) continue;
      std::string que(TextoAviso(a.tipo));
      if (a.direccion) que += std::string(" ") + a.direccion;
      if (a.borde > 0) que += ", borde " + std::to_string(a.borde);
      std::string elemento = a.apoyo > 0 ? "Apoyo " + std::to_string(a.apoyo) : losa(a.losa);
      if (a.apoyo > 0 && a.losa > 0) elemento += " (" + losa(a.losa) + ")";
      if (a.apoyo > 0 && a.losa == 0)
        elemento += " (losas " + std::to_string(a.losasDelApoyo[0]) + " y " +
                    std::to_string(a.losasDelApoyo[1]) + ")";
      f.push_back({elemento, que, a.valor, a.limite});
    }
  };
  for (const VerificacionLosa& l : v.losas) {
    for (const VerificacionBorde& b : v.bordes)
      if (b.losa == l.losa && !b.cumple)
        f.push_back({losa(l.losa), "Momento del borde " + TextoBorde(b) + " empotrado sin apoyo continuo",
                     "M = " + Formato(b.momento, "0.00") + " To-m/m",
                     "capacidad de la secci\xC3\xB3n " + Formato(b.capacidad, "0.00") + " To-m/m"});
    if (!l.espesorCumple)
      f.push_back({losa(l.losa), "Espesor m\xC3\xADnimo", "h = " + Formato(l.espesor, "0.000") + " m",
                   Formato(l.espesorMinimo, "0.000") + " m (luz " + Formato(l.luz, "0.00") + " m)"});
    if (!l.cortanteCumple)
      f.push_back({losa(l.losa), "Cortante", "Vu = " + Formato(l.cortanteUltimo, "0.00") + " To/m",
                   "\xC3\xB8 Vc = " + Formato(l.cortanteResistente, "0.00") + " To/m"});
    if (l.aceroTemperaturaCumple && !*l.aceroTemperaturaCumple)
      f.push_back({losa(l.losa), "Acero de temperatura",
                   EtiquetaBarra(kBarra3_8) + " a " + Formato(*l.separTemperatura, "0.00") + " m",
                   Formato(*l.aceroTemperaturaRequerido, "0.00") + " cm2/m"});
    avisos([&](const VerificacionAviso& a) { return a.apoyo == 0 && a.losa == l.losa; });
  }
  avisos([](const VerificacionAviso& a) { return a.apoyo > 0; });
  return f;
}

namespace {

Celda Numero(float v, const char* formato) { return {Formato(v, formato), static_cast<double>(v)}; }
Celda Entero(int v) { return {std::to_string(v), static_cast<double>(v)}; }
Celda Texto(std::string_view t) { return {std::string(t), std::nullopt}; }
Celda Veredicto(bool cumple) { return Texto(cumple ? kCumple : kNoCumple); }
Celda EnteroOVacio(int v) { return v > 0 ? Entero(v) : Texto(""); }

}  // namespace

TablasVerificaciones TablasDe(const Verificaciones& v) {
  TablasVerificaciones t;
  t.resumen = ResumenVerificaciones(v);
  for (const VerificacionBorde& b : v.bordes) {
    const Celda borde = b.borde > 0 ? Entero(b.borde) : Texto(TextoBorde(b));
    if (b.cumple)
      t.bordes.filas.push_back({Entero(b.losa), borde, Numero(b.momento, "0.00"), Numero(b.area, "0.00"),
                                Texto(EtiquetaBarra(*b.barra)), Numero(b.separ, "0.00"), Veredicto(true)});
    else
      t.bordes.filas.push_back({Entero(b.losa), borde, Numero(b.momento, "0.00"), Texto("---"),
                                Texto("Excede la seccion"), Texto(""), Veredicto(false)});
  }
  for (const VerificacionLosa& l : v.losas) {
    t.espesores.filas.push_back({Entero(l.losa),
                                 Texto(l.codigo == 13                 ? "Voladizo"
                                       : EsCasoUnaDireccion(l.codigo) ? "Una direccion"
                                                                      : "Dos direcciones"),
                                 Numero(l.luz, "0.00"), Numero(l.espesorMinimo, "0.000"),
                                 Numero(l.espesor, "0.000"), Veredicto(l.espesorCumple)});
    t.cortantes.filas.push_back({Entero(l.losa), Numero(l.cortanteUltimo, "0.00"),
                                 Numero(l.cortanteResistente, "0.00"), Veredicto(l.cortanteCumple)});
    if (l.aceroTemperaturaRequerido)
      t.temperatura.filas.push_back(
          {Entero(l.losa), Numero(l.espesor, "0.000"), Numero(*l.aceroTemperaturaRequerido, "0.00"),
           Numero(ASingle(kBarra3_8.area / *l.separTemperatura), "0.00"), Numero(*l.separTemperatura, "0.00"),
           Veredicto(*l.aceroTemperaturaCumple)});
  }
  for (const VerificacionAviso& a : v.avisos) {
    std::string dir = a.direccion ? std::string(1, a.direccion) : std::string();
    if (a.borde > 0) dir += ", borde " + std::to_string(a.borde);
    t.avisos.filas.push_back({EnteroOVacio(a.losa), EnteroOVacio(a.apoyo), Texto(dir),
                              Texto(TextoAviso(a.tipo)), Texto(a.motivo), Veredicto(a.cumple)});
  }
  return t;
}

}  // namespace placatec
