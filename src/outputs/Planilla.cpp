#include "outputs/Planilla.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "design/Anclajes.h"
#include "design/NormaAci.h"
#include "engine/Clasificacion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// What every rule reads of the storey.
struct Contexto {
  const Proyecto& p;
  const ResultadosCalculo& r;
  int losas, apoyos;
  double recubrimiento;  // m
};

double Luz(const Proyecto& p, int i, bool dirY) { return dirY ? p.Ly[i] : p.Lx[i]; }
double Transversal(const Proyecto& p, int i, bool dirY) { return dirY ? p.Lx[i] : p.Ly[i]; }

char Letra(const Proyecto& p, int i, int borde) {
  const std::string& b = p.Bordes[i];
  return static_cast<std::size_t>(borde) <= b.size() ? b[static_cast<std::size_t>(borde) - 1] : ' ';
}

// A top bar in a slab thick enough to cast more than 30 cm of concrete below it.
bool BarraAlta(const Contexto& c, double espesor) {
  return (espesor - c.recubrimiento) * 100 > aci::kConcretoBajoBarraSuperior;
}

// A one-way cantilever and the direction it spans in.
bool EsVoladizo(const Contexto& c, int i) { return i >= 1 && c.p.CodigoLosa[i] == 13; }
bool VoladizoEnY(const Contexto& c, int i) { return !UnaDireccionEnX(c.r.losas[i].RelacionLados); }
bool VoladizoEn(const Contexto& c, int i, bool dirY) { return EsVoladizo(c, i) && VoladizoEnY(c, i) == dirY; }

// The slabs of support j as indexes, 0 for a number that names no slab.
std::array<int, 2> LosasDe(const Contexto& c, int j) {
  std::array<int, 2> k{IndiceLosa(c.p.ApoyoLosa1[j]), IndiceLosa(c.p.ApoyoLosa2[j])};
  for (int& i : k)
    if (i < 1 || i > c.losas) i = 0;
  return k;
}

bool ApoyoEnY(const Contexto& c, int j) {
  return c.r.apoyos[j].Dir ? c.r.apoyos[j].Dir == 'Y' : EsDireccionY(c.p.ApoyoDir[j]);
}

const Barra* BarraDeEtiqueta(const std::string& texto) {
  for (const Barra* b : kBarras)
    if (texto == EtiquetaBarra(*b)) return b;
  return nullptr;
}

std::string Texto(const TablaResultado& t, std::size_t fila, std::size_t columna) {
  return fila < t.filas.size() && columna < t.filas[fila].size() ? t.filas[fila][columna].texto
                                                                 : std::string();
}

class Armador {
 public:
  Armador(const Contexto& c, Planilla& planilla) : c_(c), pl_(planilla) {}

  // Bars of a span row: from one end of the slab to the other, 15 cm past the centre
  // line of a supported edge, to the cover at a free edge.
  void Vano(int i, bool dirY, TipoMarca tipo, bool superior, const Barra& b, float separ, float area) {
    const int primero = dirY ? 3 : 1;
    const double inicio = Extremo(i, primero), fin = Extremo(i, primero + 1);
    const double luz = Luz(c_.p, i, dirY);
    MarcaBarra m = Base(tipo, i, dirY, superior, b, separ, area, Transversal(c_.p, i, dirY));
    Linea(m, dirY, -inicio, luz + fin, Transversal(c_.p, i, dirY) / 2);
    Cierra(m, inicio + luz + fin, superior && BarraAlta(c_, c_.p.EspesorLosa[i]));
  }

  // Top bars over a continuous support: past its centre line on each side by 0.30 of
  // the larger span, and by ld at least, but not past the far support of a short slab.
  void Apoyo(int j) {
    const bool dirY = ApoyoEnY(c_, j);
    const auto [a, b] = LosasDe(c_, j);
    const int ref = a ? a : b;
    if (!ref) return;
    const ResultadosApoyo& ra = c_.r.apoyos[j];
    const float area = dirY ? ra.AreaApoyoY : ra.AreaApoyoX;
    if (!(area > 0)) {
      pl_.notas.push_back("Apoyo " + std::to_string(j) + ": no requiere acero superior");
      return;
    }
    const double espesor = std::max(a ? c_.p.EspesorLosa[a] : 0.0f, b ? c_.p.EspesorLosa[b] : 0.0f);
    float separ = 0;
    SeparacionVano(area, static_cast<float>(espesor), separ);
    const Barra& barra = BarraParaArea(area);
    const double luz = std::max(a ? Luz(c_.p, a, dirY) : 0.0, b ? Luz(c_.p, b, dirY) : 0.0);
    const double ancho = std::max(a ? Transversal(c_.p, a, dirY) : 0.0, b ? Transversal(c_.p, b, dirY) : 0.0);
    const bool alta = BarraAlta(c_, espesor);
    const double ext =
        std::max(aci::kFraccionLuzSuperior * luz, LongitudDesarrollo(barra, c_.p.Fc, c_.p.Fy, alta));
    // Into a slab shorter than that, the bars run to its far support.
    const auto hasta = [&](int k) {
      return k ? std::min(ext, Luz(c_.p, k, dirY) + aci::kEmpotramientoInferior) : ext;
    };
    const double antes = hasta(a), despues = hasta(b);
    MarcaBarra m = Base(TipoMarca::Apoyo, 0, dirY, true, barra, separ, area, ancho);
    m.apoyo = static_cast<Integer>(j);
    m.losaReferencia = static_cast<Integer>(ref);
    // "Losa 2" lies to the right of (X) or above (Y) "Losa 1": the support is at the far
    // edge of "Losa 1", or at the near edge of "Losa 2" when only that one is known.
    const double eje = a ? Luz(c_.p, ref, dirY) : 0.0;
    Linea(m, dirY, eje - antes, eje + despues, Transversal(c_.p, ref, dirY) / 2);
    Cierra(m, antes + despues, alta);
  }

  // Top bars at a fixed edge no continuous support covers: 0.30 of the span into the
  // slab (ld at least) and a standard hook developed past the edge's centre line.
  void Borde(const VerificacionBorde& e) {
    const int i = e.losa;
    const bool dirY = e.direccion == 'Y';
    if (i < 1 || i > c_.losas || VoladizoEn(c_, i, dirY)) return;  // the cantilever's own bars
    if (!e.cumple || !e.barra) {
      pl_.notas.push_back("Losa " + std::to_string(i) + ", borde " + TextoBorde(e) +
                          ": el momento excede la seccion; sin barras en la planilla");
      return;
    }
    const bool alta = BarraAlta(c_, c_.p.EspesorLosa[i]);
    const double ext = std::max(aci::kFraccionLuzSuperior * Luz(c_.p, i, dirY),
                                LongitudDesarrollo(*e.barra, c_.p.Fc, c_.p.Fy, alta));
    const double gancho = LongitudGancho(*e.barra, c_.p.Fc, c_.p.Fy);
    MarcaBarra m =
        Base(TipoMarca::Borde, i, dirY, true, *e.barra, e.separ, e.area, Transversal(c_.p, i, dirY));
    m.borde = e.borde;
    m.bordeDibujado = static_cast<Integer>(e.borde > 0 ? e.borde : BordeSinApoyo(i, dirY));
    m.gancho = ASingle(PataGancho(*e.barra));
    const bool alInicio = m.bordeDibujado == (dirY ? 3 : 1);
    const double luz = Luz(c_.p, i, dirY), medio = Transversal(c_.p, i, dirY) / 2;
    if (alInicio)
      Linea(m, dirY, -gancho, ext, medio);
    else
      Linea(m, dirY, luz + gancho, luz - ext, medio);
    Cierra(m, gancho + ext + m.gancho, alta);
  }

  // Top bars of a cantilever: from its free edge to the cover, past its fixed edge
  // into the slab behind (ld, 0.30 of that slab's span and the cantilever's length,
  // whichever is largest) or, with no slab behind, into a standard hook. They give the
  // larger of the row's area and the area of the moment at the fixed edge.
  void Voladizo(int i, const Barra& barraFila, float separFila, float areaFila,
                const std::vector<VerificacionBorde>& bordes) {
    const bool dirY = VoladizoEnY(c_, i);
    const int primero = dirY ? 3 : 1;
    const int fijo = Letra(c_.p, i, primero) == 'N' ? primero + 1 : primero;
    const double luz = Luz(c_.p, i, dirY);
    float area = areaFila;
    int atras = 0, apoyo = 0;  // the slab behind and the support it shares
    double espesor = c_.p.EspesorLosa[i];
    for (int j = 1; j <= c_.apoyos; ++j) {
      if (ApoyoEnY(c_, j) != dirY) continue;
      const auto k = LosasDe(c_, j);
      if (k[0] != i && k[1] != i) continue;
      const ResultadosApoyo& ra = c_.r.apoyos[j];
      area = std::max(area, dirY ? ra.AreaApoyoY : ra.AreaApoyoX);
      const int otra = k[0] == i ? k[1] : k[0];
      if (!atras && otra) {
        atras = otra;
        apoyo = j;
        espesor = std::max<double>(espesor, c_.p.EspesorLosa[otra]);
      }
    }
    if (!atras)
      for (const VerificacionBorde& e : bordes)
        if (e.losa == i && (e.direccion == 'Y') == dirY) {
          if (e.cumple)
            area = std::max(area, e.area);
          else
            pl_.notas.push_back("Losa " + std::to_string(i) +
                                ": el momento del voladizo excede la seccion; sus barras no lo resisten");
        }
    float separ = separFila;
    const Barra* barra = &barraFila;
    if (area > areaFila) {
      SeparacionVano(area, static_cast<float>(espesor), separ);
      barra = &BarraParaArea(area);
    }
    const bool alta = BarraAlta(c_, espesor);
    MarcaBarra m = Base(TipoMarca::Voladizo, i, dirY, true, *barra, separ, area, Transversal(c_.p, i, dirY));
    m.apoyo = static_cast<Integer>(apoyo);
    double anclaje;
    if (atras) {
      const double luzAtras = Luz(c_.p, atras, dirY);
      anclaje = std::max(
          {LongitudDesarrollo(*barra, c_.p.Fc, c_.p.Fy, alta), aci::kFraccionLuzSuperior * luzAtras, luz});
      if (VoladizoEn(c_, atras, dirY)) anclaje = luzAtras - c_.recubrimiento;
      if (anclaje > luzAtras) {
        anclaje = luzAtras;
        pl_.notas.push_back("Losa " + std::to_string(i) + ": el voladizo es mas largo que la losa " +
                            std::to_string(atras) + " que lo sostiene; revise su anclaje");
      }
    } else {
      anclaje = LongitudGancho(*barra, c_.p.Fc, c_.p.Fy);
      m.gancho = ASingle(PataGancho(*barra));
    }
    const double libre = luz - c_.recubrimiento;
    const double medio = Transversal(c_.p, i, dirY) / 2;
    if (fijo == primero)
      Linea(m, dirY, -anclaje, libre, medio);
    else
      Linea(m, dirY, luz + anclaje, luz - libre, medio);
    Cierra(m, anclaje + libre + m.gancho, alta);
  }

 private:
  // How far a span bar runs past the centre line of edge `borde`: into the support,
  // or back to the cover at a free edge.
  double Extremo(int i, int borde) const {
    return Letra(c_.p, i, borde) == 'N' ? -c_.recubrimiento : aci::kEmpotramientoInferior;
  }

  // The uncovered edge of a direction when the checks cannot name it: the one the
  // continuous supports of that direction leave ("Losa 1" meets its support with edge
  // 2 or 4, "Losa 2" with edge 1 or 3).
  int BordeSinApoyo(int i, bool dirY) const {
    const int primero = dirY ? 3 : 1;
    for (int j = 1; j <= c_.apoyos; ++j) {
      if (ApoyoEnY(c_, j) != dirY) continue;
      const auto k = LosasDe(c_, j);
      if (k[0] == i && k[1] != i) return primero;
      if (k[1] == i && k[0] != i) return primero + 1;
    }
    return primero;
  }

  MarcaBarra Base(TipoMarca tipo, int i, bool dirY, bool superior, const Barra& b, float separ, float area,
                  double ancho) const {
    MarcaBarra m;
    m.tipo = tipo;
    m.losa = static_cast<Integer>(i);
    m.losaReferencia = static_cast<Integer>(i);
    m.direccion = dirY ? 'Y' : 'X';
    m.superior = superior;
    m.barra = &b;
    m.separ = separ;
    m.area = area;
    m.ancho = ASingle(ancho);
    return m;
  }

  // The typical bar along the direction from `desde` to `hasta`, at `medio` across it.
  static void Linea(MarcaBarra& m, bool dirY, double desde, double hasta, double medio) {
    m.x0 = ASingle(dirY ? medio : desde);
    m.y0 = ASingle(dirY ? desde : medio);
    m.x1 = ASingle(dirY ? medio : hasta);
    m.y1 = ASingle(dirY ? hasta : medio);
  }

  // Count, cut length, laps and weight; the mark joins the schedule.
  void Cierra(MarcaBarra& m, double largo, bool alta) {
    if (!(m.separ > 0) || !std::isfinite(m.separ) || !(m.ancho > 0)) {
      pl_.notas.push_back(UbicacionMarca(m) + ": sin separacion de barras");
      return;
    }
    const double n = std::ceil(static_cast<double>(m.ancho) / m.separ * (1 - 1e-6)) + 1;
    if (n > 32767) {
      pl_.notas.push_back(UbicacionMarca(m) + ": demasiadas barras");
      return;
    }
    m.cantidad = static_cast<Integer>(n);
    double corte = RedondeaCorte(largo);
    if (corte > obra::kLargoComercial) {
      const double traslape = LongitudTraslape(*m.barra, c_.p.Fc, c_.p.Fy, alta && m.superior);
      const double piezas = std::ceil((corte - traslape) / (obra::kLargoComercial - traslape) * (1 - 1e-9));
      m.empalmes = static_cast<Integer>(piezas - 1);
      m.traslape = ASingle(traslape);
      corte += m.empalmes * traslape;
    }
    m.largo = ASingle(corte);
    m.largoTotal = ASingle(static_cast<double>(m.cantidad) * m.largo);
    m.peso = ASingle(static_cast<double>(m.largoTotal) * m.barra->masaMetro);
    m.marca = static_cast<Integer>(pl_.marcas.size() + 1);
    pl_.marcas.push_back(m);
  }

  const Contexto& c_;
  Planilla& pl_;
};

}  // namespace

Planilla CalculaPlanilla(const Proyecto& p, const ResultadosCalculo& r, const TablaResultado& vanos,
                         const Verificaciones& v) {
  const Contexto c{p, r, std::clamp<int>(p.NumLosas, 0, MaxLosas), std::clamp<int>(p.NumApoyos, 0, MaxApoyos),
                   r.RecubrimientoM};
  Planilla pl;
  Armador a(c, pl);
  // The span rows of every slab, X then Y; the cantilevers after the top bars.
  struct Fila {
    const Barra* barra;
    float separ, area;
  };
  std::vector<std::pair<int, Fila>> voladizos;
  for (int i = 1; i <= c.losas; ++i)
    for (bool dirY : {false, true}) {
      const std::size_t f = 2 * static_cast<std::size_t>(i - 1) + (dirY ? 1 : 0);
      const std::string tipo = Texto(vanos, f, 6);
      const ResultadosLosa& l = r.losas[i];
      const float area = std::fabs(dirY ? l.AreaY : l.AreaX);
      const float separ = dirY ? l.SeparY : l.SeparX;
      const Barra* barra = BarraDeEtiqueta(Texto(vanos, f, 4));
      if (!barra) barra = &BarraParaArea(area);
      if (tipo == "Vuelo") {
        voladizos.push_back({i, {barra, separ, area}});
      } else if (tipo == "Temp") {
        a.Vano(i, dirY, TipoMarca::Temperatura, EsVoladizo(c, i), *barra, separ, area);
      } else {
        a.Vano(i, dirY, TipoMarca::Inferior, false, *barra, separ, area);
        if (tipo == "Doble") a.Vano(i, dirY, TipoMarca::SuperiorDoble, true, *barra, separ, area);
      }
    }
  for (int j = 1; j <= c.apoyos; ++j) {
    const auto k = LosasDe(c, j);
    const bool dirY = ApoyoEnY(c, j);
    // Over a cantilever's support the cantilever's own bars are the top bars.
    if (VoladizoEn(c, k[0], dirY) || VoladizoEn(c, k[1], dirY)) continue;
    a.Apoyo(j);
  }
  for (const VerificacionBorde& e : v.bordes) a.Borde(e);
  for (const auto& [i, f] : voladizos) a.Voladizo(i, *f.barra, f.separ, f.area, v.bordes);

  double total = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    TotalBarra& t = pl.totales[k];
    t.barra = kBarras[k];
    double largo = 0, peso = 0, cantidades = 0;
    for (const MarcaBarra& m : pl.marcas)
      if (m.barra == t.barra) {
        largo += m.largoTotal;
        peso += m.peso;
      }
    for (int i = 1; i <= c.losas; ++i)
      cantidades += k == 0 ? r.losas[i].Qq1 : k == 1 ? r.losas[i].Qq2 : r.losas[i].Qq3;
    t.largo = ASingle(largo);
    t.peso = ASingle(peso);
    t.pesoCantidades = ASingle(cantidades * obra::kKilosPorQuintal);
    total += peso;
  }
  pl.peso = ASingle(total);
  pl.pesoCantidades = ASingle(static_cast<double>(pl.totales[0].pesoCantidades) +
                              pl.totales[1].pesoCantidades + pl.totales[2].pesoCantidades);
  return pl;
}

std::string_view NombreTipoMarca(TipoMarca t) {
  static constexpr std::string_view kNombres[] = {"Inferior", "SuperiorDoble", "Temperatura",
                                                  "Apoyo",    "Borde",         "Voladizo"};
  return kNombres[static_cast<std::size_t>(t)];
}

std::string UbicacionMarca(const MarcaBarra& m) {
  const std::string losa = "Losa " + std::to_string(m.losa);
  const std::string dir(1, m.direccion);
  switch (m.tipo) {
    case TipoMarca::Apoyo:
      return "Apoyo " + std::to_string(m.apoyo) + ", " + dir;
    case TipoMarca::Borde: {
      VerificacionBorde b;
      b.borde = m.borde;
      b.direccion = m.direccion;
      return losa + ", borde " + TextoBorde(b);
    }
    case TipoMarca::Voladizo:
      return losa + ", voladizo " + dir;
    case TipoMarca::Temperatura:
      return losa + ", " + dir + " temperatura";
    default:
      return losa + ", " + dir;
  }
}

std::string FormaMarca(const MarcaBarra& m) {
  std::string f = m.gancho > 0 ? "Gancho " + Formato(m.gancho, "0.00") + " m" : "Recta";
  if (m.empalmes > 0)
    f += ", " + std::to_string(m.empalmes) + (m.empalmes == 1 ? " traslape" : " traslapes") + " de " +
         Formato(m.traslape, "0.00") + " m";
  return f;
}

namespace {

Celda Numero(float v, const char* formato) { return {Formato(v, formato), static_cast<double>(v)}; }
Celda Entero(int v) { return {std::to_string(v), static_cast<double>(v)}; }
Celda Texto(std::string t) { return {std::move(t), std::nullopt}; }

}  // namespace

TablaResultado TablaMarcas(const Planilla& p) {
  TablaResultado t;
  t.filas.reserve(p.marcas.size());
  for (const MarcaBarra& m : p.marcas)
    t.filas.push_back({Entero(m.marca), Texto(UbicacionMarca(m)), Texto(m.superior ? "Superior" : "Inferior"),
                       Texto(EtiquetaBarra(*m.barra)), Numero(m.separ, "0.00"), Texto(FormaMarca(m)),
                       Entero(m.cantidad), Numero(m.largo, "0.00"), Numero(m.largoTotal, "0.00"),
                       Numero(m.peso, "0.00")});
  return t;
}

std::string ReglasPlanilla() {
  return "Largos entre ejes de apoyos, redondeados hacia arriba a " +
         Formato(100 * obra::kModuloCorte, "#0") + " cm; barras de mas de " +
         Formato(obra::kLargoComercial, "#0.##") +
         " m con traslape. Calculo metrico sin desperdicio (1 qq = 100 lb).";
}

TablaResultado TablaTotalesPlanilla(const Planilla& p) {
  TablaResultado t;
  const auto fila = [&t](std::string barra, double largo, float peso, float cantidades) {
    const double diferencia = static_cast<double>(peso) - cantidades;
    t.filas.push_back(
        {Texto(std::move(barra)),
         {Formato(largo, "0.00"), largo},
         Numero(peso, "0.00"),
         Numero(cantidades, "0.00"),
         {Formato(diferencia, "0.00"), diferencia},
         cantidades > 0 ? Celda{Formato(100 * diferencia / cantidades, "0.0"), 100 * diferencia / cantidades}
                        : Texto("---")});
  };
  double largo = 0;
  for (const TotalBarra& b : p.totales) {
    fila(EtiquetaBarra(*b.barra), b.largo, b.peso, b.pesoCantidades);
    largo += b.largo;
  }
  fila("Total", largo, p.peso, p.pesoCantidades);
  return t;
}

namespace {

std::string CampoCsv(const std::string& t) {
  if (t.find_first_of(",\"\n\r") == std::string::npos) return t;
  std::string q = "\"";
  for (char ch : t) q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
  return q + "\"";
}

}  // namespace

std::string CsvPlanilla(const Planilla& p) {
  std::string s =
      "Marca,Ubicacion,Losa,Apoyo,Borde,Dir,Capa,Barra,Separ_m,Area_cm2_m,Forma,Gancho_m,Empalmes,Traslape_m,"
      "Cantidad,Largo_m,LargoTotal_m,Peso_kg,LosaReferencia,X0_m,Y0_m,X1_m,Y1_m\n";
  const auto numero = [](float v, const char* f) { return Formato(v, f); };
  for (const MarcaBarra& m : p.marcas) {
    const std::string campos[] = {std::to_string(m.marca),
                                  UbicacionMarca(m),
                                  m.losa ? std::to_string(m.losa) : "",
                                  m.apoyo ? std::to_string(m.apoyo) : "",
                                  m.tipo == TipoMarca::Borde ? std::to_string(m.bordeDibujado) : "",
                                  std::string(1, m.direccion),
                                  m.superior ? "Superior" : "Inferior",
                                  EtiquetaBarra(*m.barra),
                                  numero(m.separ, "0.00"),
                                  numero(m.area, "0.00"),
                                  FormaMarca(m),
                                  numero(m.gancho, "0.00"),
                                  std::to_string(m.empalmes),
                                  numero(m.traslape, "0.00"),
                                  std::to_string(m.cantidad),
                                  numero(m.largo, "0.00"),
                                  numero(m.largoTotal, "0.00"),
                                  numero(m.peso, "0.00"),
                                  std::to_string(m.losaReferencia),
                                  numero(m.x0, "0.000"),
                                  numero(m.y0, "0.000"),
                                  numero(m.x1, "0.000"),
                                  numero(m.y1, "0.000")};
    bool primero = true;
    for (const std::string& c : campos) {
      if (!primero) s += ',';
      s += CampoCsv(c);
      primero = false;
    }
    s += "\n";
  }
  return s;
}

}  // namespace placatec
