#include "report/Reporte.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "comandos/ComandoCalculo.h"
#include "comandos/ComandoPlanta.h"
#include "design/Anclajes.h"
#include "design/NormaAci.h"
#include "design/Refuerzo.h"
#include "engine/Clasificacion.h"
#include "model/Interlocutor.h"
#include "model/Numeros.h"
#include "outputs/Cantidades.h"
#include "outputs/Planilla.h"
#include "outputs/Verificaciones.h"

namespace placatec {

bool SeccionHabilitada(Seccion seccion, const Sesion& s) {
  for (const DefinicionSeccion& d : kSecciones)
    if (d.seccion == seccion) return !d.necesitaCalculo || s.proyecto.NumLosas >= 1 || s.estado.CalculoHecho;
  return false;
}

std::string BarraReporte(float area) { return EtiquetaBarra(BarraParaArea(std::fabs(area))) + " a "; }

namespace {

// A grid cell as a number formatted for the report; an empty cell stays empty.
std::string NumeroCelda(const TablaResultado& t, std::size_t fila, std::size_t columna, const char* formato) {
  if (fila >= t.filas.size() || columna >= t.filas[fila].size()) return {};
  const Celda& c = t.filas[fila][columna];
  // The stored value through the same display rule as the window (a tiny negative
  // moment is "-0.00" in both); a cell without one is read from its text.
  if (c.valor) return Formato(ASingle(*c.valor), formato);
  const std::string texto = Recorta(c.texto);
  return texto.empty() ? std::string() : Formato(ValorTexto(texto), formato);
}

std::string TextoDeCelda(const TablaResultado& t, std::size_t fila, std::size_t columna) {
  if (fila >= t.filas.size() || columna >= t.filas[fila].size()) return {};
  return CeldaSegura(Recorta(t.filas[fila][columna].texto));
}

// The bars printed for a span row: a "Temp" row carries the 3/8 inch temperature
// bars whatever its design area.
std::string BarraDeFila(float area, const std::string& tipo) {
  return tipo == "Temp" ? BarraReporte(0.0f) : BarraReporte(area);
}

// Today's date as dd/mm/aaaa.
std::string FechaDeHoy() {
  const std::chrono::year_month_day d{
      std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  auto dos = [](unsigned v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return dos(static_cast<unsigned>(d.day())) + "/" + dos(static_cast<unsigned>(d.month())) + "/" +
         std::to_string(static_cast<int>(d.year()));
}

std::string NumeroTexto(const std::string& texto, const char* formato) {
  const std::string t = Recorta(texto);
  return t.empty() ? std::string() : Formato(ValorTexto(t), formato);
}

}  // namespace

std::string EncabezadoReporte(const Sesion& s) {
  return !s.estado.TituloReporte.empty() ? s.estado.TituloReporte : s.proyecto.Titulo + "|";
}

std::string PieReporte(const Sesion& s) {
  return !s.estado.PieReporte.empty() ? s.estado.PieReporte : std::string(kPieReporte);
}

std::array<FilaCargaMuerta, 6> FilasCargaMuerta(const Sesion& s) {
  std::array<FilaCargaMuerta, 6> filas;
  for (int k = 0; k < NumFilasCarga; ++k)
    filas[static_cast<std::size_t>(k)] = {std::string(EtiquetaFila(k)), s.generales.Texto(Text3(k))};
  return filas;
}

Recalculos RecalculosDelPrograma() {
  Recalculos r;
  // A row the reactions cannot be computed for prints with empty load cells; the
  // reactions window itself tells the user why when it is opened.
  r.reacciones = [](Sesion& s) {
    InterlocutorMudo mudo;
    s.reacciones.CalculaReacciones(mudo);
  };
  r.cantidades = [](Sesion& s) { MuestraCantidades(s.proyecto, s.resultados, s.medidas); };
  // The message of a refused calculation goes into the report, not into a box.
  r.refuerzo = [](Sesion& s) {
    InterlocutorNota nota;
    return CalculaRefuerzo(s, nota) ? std::string() : nota.primero;
  };
  return r;
}

void Reporte::MuestraTablaResultado(const std::string& fo, std::span<const std::string_view> columnas,
                                    const TablaResultado& filas) {
  std::string he, bo;
  for (std::string_view c : columnas) he += (he.empty() ? "" : "|") + CeldaSegura(c);
  for (const auto& fila : filas.filas) {
    for (std::size_t c = 0; c < fila.size(); ++c) bo += (c ? "|" : "") + CeldaSegura(fila[c].texto);
    bo += ";";
  }
  if (!bo.empty()) bo.pop_back();
  MuestraTabla(fo, he, bo);
}

void Reporte::SetNormal() {
  fuente_ = estilos_[FilaTexto];
  espacios_ = {300, 0, 200, 100};
}

void Reporte::Parrafo(const std::string& texto, bool juntoConSiguiente) {
  placatec::Parrafo p;
  p.texto = texto;
  p.estilo = fuente_;
  // A blank paragraph is a blank line and no more; a text paragraph takes the
  // spacing in force around it.
  if (!texto.empty()) {
    p.antes = espacios_[0];
    p.despues = espacios_[2];
  }
  p.juntoConSiguiente = juntoConSiguiente;
  doc_.bloques.emplace_back(std::move(p));
}

void Reporte::SetSubTitle(const std::string& s) {
  espacios_[0] = 0;
  Parrafo("", true);
  fuente_ = estilos_[FilaSubTitulos];
  Parrafo(s, true);
  SetNormal();
}

void Reporte::MuestraTabla(const std::string& fo, const std::string& he, const std::string& bo, int juntas) {
  Parrafo("", true);
  espacios_[0] = 50;
  espacios_[2] = 50;
  fuente_.tamano = 10.0;
  TablaDoc t;
  t.columnas = ParseaFormato(fo);
  t.encabezado = ParseaEncabezado(he);
  t.filas = ParseaCuerpo(bo);
  t.filasJuntas = juntas;
  t.estilo = fuente_;
  t.antes = espacios_[0];
  t.despues = espacios_[2];
  doc_.bloques.emplace_back(std::move(t));
}

void Reporte::FiguraBordes() {
  Figura f;
  f.rectangulos.push_back({4500, 500, 6500, 2000, 25});
  Estilo numero = fuente_;
  numero.tamano = 16.0;
  numero.negrita = true;
  f.textos.push_back({"1", 4450, 1200, Alineacion::Derecha, true, numero});
  f.textos.push_back({"2", 6550, 1200, Alineacion::Izquierda, true, numero});
  f.textos.push_back({"3", 5500, 2025, Alineacion::Centro, false, numero});
  f.textos.push_back({"4", 5500, 150, Alineacion::Centro, false, numero});
  f.lineas.push_back({5100, 800, 5100, 1600, 2});
  f.lineas.push_back({5100, 1600, 6000, 1600, 2});
  SetNormal();
  f.textos.push_back({"Y", 4940, 775, Alineacion::Izquierda, false, fuente_});
  f.textos.push_back({"X", 5875, 1610, Alineacion::Izquierda, false, fuente_});
  // The "3" below the rectangle ends at about 2025 + its 16-point line.
  f.alto = 2025 + 16 * 20 * 1.25;
  doc_.bloques.emplace_back(std::move(f));
}

void Reporte::SeccionDatos(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  SetSubTitle("Datos generales");
  std::string bo;
  bo += "Numero de losas|" + Formato(static_cast<int>(p.NumLosas), "#####") + "| ;";
  bo += "Numero de apoyos continuos|" + Formato(static_cast<int>(p.NumApoyos), "#####") + "| ;";
  bo += " | | ;";
  bo += "Esfuerzo en el concreto (F'c)|" + Formato(static_cast<int>(p.Fc), "#####") + "|Kg/cm2;";
  bo += "Esfuerzo en el acero (Fy)|" + Formato(static_cast<int>(p.Fy), "#####") + "|Kg/cm2;";
  bo += "Espesor general de losas|" + Formato(p.EspesorGeneral, "0.000") + "|m;";
  bo += "Recubrimiento|" + Formato(p.Recubrimiento, "0.000") + "|cm;";
  bo += " | | ;";
  bo += "Carga muerta:| | ;";
  for (const FilaCargaMuerta& f : FilasCargaMuerta(s))
    if (ValorTexto(f.peso) > 0) bo += "    " + CeldaSegura(f.rotulo) + "|" + CeldaSegura(f.peso) + "|To/m2;";
  bo += "Carga muerta general|" + Formato(p.CargaMuerta, "0.000") + "|To/m2;";
  bo += " | | ;";
  bo += "Carga viva general|" + Formato(p.CargaViva, "0.000") + "|To/m2;";
  bo += " | | ;";
  bo += "Carga ultima general|" + Formato(p.CargaUltimaGeneral, "0.000") + "|To/m2";
  MuestraTabla("<_3000|>_1200|<_1200", "", bo);

  SetSubTitle("Nomenclatura para las condiciones de borde");
  MuestraTabla("<_3000", "", "A = Apoyado;E = Empotrado;N = No Apoyado");

  SetSubTitle("Numeracion de los bordes");
  FiguraBordes();

  SetSubTitle("Descripcion de losas");
  bo.clear();
  const int losas = std::clamp(static_cast<int>(p.NumLosas), 0, MaxLosas);
  for (int i = 1; i <= losas; ++i) {
    const std::string& b = p.Bordes[static_cast<std::size_t>(i)];
    auto letra = [&](std::size_t k) { return k < b.size() ? CeldaSegura(b.substr(k, 1)) : std::string(); };
    const bool vuelo = b.find('N') != std::string::npos;
    bo += Formato(i, "##") + "|" + Formato(p.Lx[i], "0.000") + "|" + Formato(p.Ly[i], "0.000") + "|" +
          Formato(p.EspesorLosa[i], "0.000") + "|" + letra(0) + "|" + letra(1) + "|" + letra(2) + "|" +
          letra(3) + "|" + (vuelo ? Formato(p.CargaMuertaVuelo[i], "0.000") : " ") + "|" +
          (vuelo ? Formato(p.CargaVivaVuelo[i], "0.000") : " ") + "|" +
          Formato(p.CargaMuertaVano[i], "0.000") + "|" + Formato(p.CargaVivaVano[i], "0.000") + ";";
  }
  MuestraTabla("^_700|>_800|>_800|>_1000|^_700|^_700|^_700|^_700|>_1000|>_1000|>_1000|>_1000",
               "Losa|Lx (m)|Ly (m)|Espesor (m)|Borde 1|Borde 2|Borde 3|Borde 4|CM-vuelo (To/m)|"
               "CV-vuelo (To/m)|CM-vano (To/m2)|CV-vano (To/m2)",
               bo);

  SetSubTitle("Definicion de apoyos continuos");
  bo.clear();
  const int apoyos = std::clamp(static_cast<int>(p.NumApoyos), 0, MaxApoyos);
  for (int j = 1; j <= apoyos; ++j)
    bo += Formato(j, "##") + "|" + CeldaSegura(Recorta(p.ApoyoDir[j])) + "|" +
          Formato(p.ApoyoLosa1[j], "##") + "|" + Formato(p.ApoyoLosa2[j], "##") + ";";
  MuestraTabla("^_1000|^_1200|^_1200|^_1200", "Apoyo|Direccion|Losa A|Losa B", bo);
}

void Reporte::SeccionRefuerzo(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  SetSubTitle("Refuerzo en vanos");
  std::string bo;
  const int losas = std::clamp(static_cast<int>(p.NumLosas), 0, MaxLosas);
  std::size_t fila = 0;
  for (int i = 1; i <= losas; ++i) {
    const ResultadosLosa& l = s.resultados.losas[static_cast<std::size_t>(i)];
    const std::string tipoX = TextoDeCelda(s.vanos, fila, 6);
    bo += Formato(i, "##") + "|X|" + NumeroCelda(s.vanos, fila, 2, "0.00") + "|" +
          NumeroCelda(s.vanos, fila, 3, "0.00") + "|" + BarraDeFila(l.AreaX, tipoX) +
          Formato(l.SeparX, "0.00") + "|" + tipoX + ";";
    ++fila;
    const std::string tipoY = TextoDeCelda(s.vanos, fila, 6);
    bo += " |Y|" + NumeroCelda(s.vanos, fila, 2, "0.00") + "|" + NumeroCelda(s.vanos, fila, 3, "0.00") + "|" +
          BarraDeFila(l.AreaY, tipoY) + Formato(l.SeparY, "0.00") + "|" + tipoY + ";";
    ++fila;
  }
  MuestraTabla("^_800|^_1200|>_1200|>_1200|^_1200|^_1200",
               "Losa|Direccion|Momento (To-m)|Refuerzo (cm2)|Barras|Tipo", bo, 2);
  Leyenda(
      "Simple|acero inferior del vano, en una capa;"
      "Doble|momento negativo en el vano: acero en las dos caras (su peso se cuenta dos veces);"
      "Vuelo|losa en voladizo (caso 13): acero de la direccion del voladizo;"
      "Temp|acero de temperatura en la direccion que no trabaja: el area de " +
      Formato(CuantiaContraccion(p.Fy), "#0.####") + " b h con " + EtiquetaBarra(kBarra3_8) + " a " +
      Formato(kSeparTemperatura, "0.00") + " m o menos");

  SetSubTitle("Refuerzo en apoyos");
  bo.clear();
  const int apoyos = std::clamp(static_cast<int>(p.NumApoyos), 0, MaxApoyos);
  for (int j = 1; j <= apoyos; ++j) {
    const std::size_t r = static_cast<std::size_t>(j - 1);
    const std::string barras = TextoDeCelda(s.apoyosRefuerzo, r, 6);
    bo += Formato(j, "##") + "|" + CeldaSegura(Recorta(p.ApoyoDir[j])) + "|" + TextoNumero(p.ApoyoLosa1[j]) +
          " - " + TextoNumero(p.ApoyoLosa2[j]) + "|" + NumeroCelda(s.apoyosRefuerzo, r, 3, "0.00") + "|" +
          NumeroCelda(s.apoyosRefuerzo, r, 4, "0.00") + "|" + NumeroCelda(s.apoyosRefuerzo, r, 5, "0.00") +
          "|" + (barras == "---" ? barras : barras + " a " + NumeroCelda(s.apoyosRefuerzo, r, 7, "0.00")) +
          ";";
  }
  MuestraTabla("^_800|^_1200|^_1200|>_1200|>_1200|>_1000|^_1300",
               "Apoyo|Direccion|Losas|Momento (To-m)|Refuerzo (cm2)|Suben (cm2)|Adicionales", bo);
  Leyenda(
      "Refuerzo|acero que el momento del apoyo requiere;"
      "Suben|acero de los vanos de las dos losas que pasa sobre el apoyo (la media de sus aportes), "
      "descontado del requerido;"
      "Adicionales|barras que se agregan sobre el apoyo para completar el acero requerido, con su "
      "separacion; --- cuando no hacen falta");
}

void Reporte::SeccionReacciones(Sesion& s, const Recalculos& r) {
  if (r.reacciones) r.reacciones(s);
  SetSubTitle("Reacciones de apoyo");
  std::string bo;
  const std::size_t filas = std::min<std::size_t>(
      static_cast<std::size_t>(std::max<int>(0, s.proyecto.NumApoyosReac)), s.reacciones.filas.size());
  for (std::size_t k = 0; k < filas; ++k) {
    const TablaReacciones::Fila& f = s.reacciones.filas[k];
    for (std::size_t c = 0; c < 5; ++c) bo += CeldaSegura(f[c]) + "|";
    bo += NumeroTexto(f[5], "0.000") + "|" + NumeroTexto(f[6], "0.000") + "|" + NumeroTexto(f[7], "0.000") +
          ";";
  }
  MuestraTabla("^_800|<_1500|^_1000|^_1000|^_900|>_1100|>_1100|>_1200",
               "Apoyo|Descripcion|Direccion|Losa 1|Losa 2|Reac-cm (To/m)|Reac-cv (To/m)|Reac-ultima (To/m)",
               bo);
}

void Reporte::SeccionCalculoMetrico(Sesion& s, const Recalculos& r) {
  if (r.cantidades) r.cantidades(s);
  SetSubTitle("Calculo metrico");
  std::string bo;
  const int losas = std::clamp(static_cast<int>(s.proyecto.NumLosas), 0, MaxLosas);
  for (int i = 1; i <= losas; ++i) {
    bo += Formato(i, "##");
    for (std::size_t c = 1; c <= 6; ++c)
      bo += "|" + NumeroCelda(s.medidas.tabla, static_cast<std::size_t>(i - 1), c, "0.00");
    bo += ";";
  }
  bo += "Totales";
  for (const std::string& t : s.medidas.totales) bo += "|" + CeldaSegura(Recorta(t));
  // The bar labels as the results window writes them.
  std::string he = "Losa|Volumen (m3)";
  for (const Barra* b : {&kBarra3_8, &kBarra1_2, &kBarra3_4}) he += "|" + EtiquetaBarra(*b) + " (qq)";
  he += "|Total (qq)|Cuantia (qq/m3)";
  MuestraTabla("^_800|>_1000|>_800|>_800|>_800|>_900|>_900", he, bo);
}

void Reporte::SeccionVerificaciones(Sesion& s, const Recalculos&) {
  const TablasVerificaciones& t = s.tablasVerificaciones;
  SetSubTitle(std::string(kTituloVerificaciones));
  Parrafo(t.resumen, false);
  const auto tabla = [this](const char* subtitulo, const char* fo, const auto& columnas,
                            const TablaResultado& filas) {
    SetSubTitle(subtitulo);
    MuestraTablaResultado(fo, columnas, filas);
  };
  tabla("Acero superior en bordes empotrados sin apoyo continuo",
        "^_700|^_700|>_1100|>_1100|^_1200|>_1000|^_1700", kColumnasBordes, t.bordes);
  tabla("Espesor minimo", "^_700|^_1500|>_900|>_1400|>_1200|^_1300", kColumnasEspesores, t.espesores);
  tabla("Cortante en los bordes apoyados", "^_700|>_1200|>_1200|^_1300", kColumnasCortantes, t.cortantes);
  tabla("Acero de temperatura", "^_700|>_1100|>_1400|>_1300|>_1500|^_1300", kColumnasTemperatura,
        t.temperatura);
  tabla("Otras verificaciones del dise\xC3\xB1o", "^_600|^_600|^_1100|<_1800|<_4000|^_1100", kColumnasAvisos,
        t.avisos);
}

void Reporte::SeccionPlanilla(Sesion& s, const Recalculos&) {
  SetSubTitle(std::string(kTituloPlanilla));
  MuestraTablaResultado("^_500|<_1800|^_750|^_700|>_550|<_2250|>_450|>_600|>_800|>_700", kColumnasPlanilla,
                        TablaMarcas(s.planilla));
  SetSubTitle("Totales por diametro");
  MuestraTablaResultado("^_900|>_1100|>_1200|>_1600|>_1300|>_1200", kColumnasTotalesPlanilla,
                        TablaTotalesPlanilla(s.planilla));
  std::string notas =
      "Largos entre ejes de apoyos, redondeados hacia arriba a 5 cm; las reglas de anclaje estan en las "
      "bases de diseno. Calculo metrico sin desperdicio, 1 qq = 100 lb = 45.36 kg.";
  for (const std::string& n : s.planilla.notas) notas += "|" + CeldaSegura(n);
  Leyenda(
      "Marca|numero de la marca, el que el plano lleva junto a la barra;"
      "Apoyo|barras superiores rectas que dan todo el acero del apoyo (las que en el diseno suben de los "
      "vanos y las adicionales);"
      "Forma|recta, o con un gancho estandar de 90 grados y el largo de su pata, y sus traslapes;"
      "Cant.|ancho que cubren entre la separacion, hacia arriba, mas una;"
      "Diferencia|planilla menos calculo metrico: barras enteras, anclajes, ganchos, traslapes y el acero de "
      "los bordes empotrados que el calculo metrico no cuenta");
  SetSubTitle("Notas");
  for (std::size_t k = 0, i = 0; k <= notas.size(); ++k)
    if (k == notas.size() || notas[k] == '|') {
      Parrafo(notas.substr(i, k - i), false);
      i = k + 1;
    }
}

namespace {

// The room for the plan on the page the report is usually read on (6.5 inches of Letter
// or A4 with inch margins, less its header and sub-title below), in twips: its texts
// are chosen for it. The layout scales the
// figure to the real page.
constexpr double kAnchoPlanta = 9360, kAltoPlanta = 12000;
// The smallest text of the plan on that page: 5 points (its capitals 1/1.4 of it).
constexpr double kAltoMinimoTexto = 100;

// The plan as a figure drawn kAnchoPlanta twips wide, Y downwards.
Figura FiguraDePlanta(const DibujoPlanta& d, const Estilo& texto) {
  Figura f;
  const double ancho = std::max(d.maximo.x - d.minimo.x, 1e-6);
  const double k = kAnchoPlanta / ancho;
  auto x = [&](double v) { return (v - d.minimo.x) * k; };
  auto y = [&](double v) { return (d.maximo.y - v) * k; };
  // A slab that fails a check is outlined in red; the others by their edges alone.
  for (const ContornoPlanta& c : d.contornos)
    for (std::size_t e = 0; c.falla && e < c.esquinas.size(); ++e) {
      const PuntoPlanta a = c.esquinas[e], b = c.esquinas[(e + 1) % c.esquinas.size()];
      f.lineas.push_back({x(a.x), y(a.y), x(b.x), y(b.y),
                          GrosorCapa(CapaPlanta::AceroInferior, false) * 1440 / 25.4, kColorFalla});
    }
  for (const TrazoPlanta& t : d.trazos) {
    const double grosor = GrosorCapa(t.capa, t.auxiliar) * 1440 / 25.4;
    if (grosor <= 0) continue;
    f.lineas.push_back({x(t.a.x), y(t.a.y), x(t.b.x), y(t.b.y), grosor,
                        t.falla ? kColorFalla : ColorCapa(t.capa), t.capa == CapaPlanta::BordesLibres});
  }
  for (const TextoPlanta& t : d.textos) {
    Estilo e = texto;
    // A font's size is about 1.4 times the height of its capitals, which the plan gives.
    e.tamano = t.alto * k * 1.4 / 20;
    e.color = t.falla ? kColorFalla : ColorCapa(t.capa);
    const Alineacion a = t.ancla == AnclaTexto::Izquierda ? Alineacion::Izquierda
                         : t.ancla == AnclaTexto::Centro  ? Alineacion::Centro
                                                          : Alineacion::Derecha;
    f.textos.push_back({t.texto, x(t.en.x), y(t.en.y), a, true, e, t.angulo});
  }
  f.ancho = kAnchoPlanta;
  f.alto = (d.maximo.y - d.minimo.y) * k;
  return f;
}

}  // namespace

void Reporte::SeccionPlanta(Sesion& s, const Recalculos&) {
  SetSubTitle("Planta");
  if (s.proyecto.NumLosas < 1) {
    Parrafo("El proyecto no tiene losas.", false);
    return;
  }
  const DibujoPlanta d = DibujoParaPapel(s, kAnchoPlanta, kAltoPlanta, kAltoMinimoTexto / 1.4);
  Parrafo("", true);
  doc_.bloques.emplace_back(FiguraDePlanta(d, fuente_));
  std::string bo =
      "E|borde empotrado (rayado hacia la losa);A|borde apoyado;N|borde libre (discontinuo);"
      "Apoyos|vigas o muros continuos (azul) y apoyos adicionales de las reacciones";
  if (s.estado.CalculoHecho)
    bo +=
        ";Acero|inferior por losa y direccion (verde), superior sobre apoyos y bordes empotrados sin apoyo "
        "(morado): barra y separacion;Rojo|losa o apoyo que no cumple una verificacion";
  for (const ProblemaPosicion& q : d.problemas) bo += ";Posicion|" + CeldaSegura(q.texto);
  // The key of the lines stays in one piece (a long list of problems may go on).
  MuestraTabla("<_1300|<_7700", "", bo, s.estado.CalculoHecho ? 6 : 4);
}

void Reporte::RefuerzoNoCalculado(const std::string& subtitulo, const std::string& mensaje) {
  SetSubTitle(subtitulo);
  std::string texto = mensaje;
  for (std::size_t k; (k = texto.find('\r')) != std::string::npos;) texto.erase(k, 1);
  if (!texto.empty()) Parrafo(texto, true);
  Parrafo("Refuerzo no calculado", false);
}

void Reporte::Leyenda(const std::string& filas) { MuestraTabla("<_1300|<_7700", "", filas); }

void Reporte::SeccionBasesDiseno(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  const MinimosRefuerzo min = MinimosPara(p.Fy);
  auto n = [](double v) { return Formato(v, "#0.####"); };
  SetSubTitle("Bases de dise\xC3\xB1o");
  std::string bo;
  bo += "Programa|Placatec " + std::to_string(PLACATEC_VERSION_MAJOR) + "." +
        std::to_string(PLACATEC_VERSION_MINOR) + "." + std::to_string(PLACATEC_VERSION_PATCH) + ";";
  bo += "Fecha|" + CeldaSegura(fecha_) + ";";
  const std::string& archivo = s.estado.NombreArchivo;
  bo += "Archivo|" + (archivo.empty() ? std::string("(sin guardar)") : CeldaSegura(archivo)) + ";";
  bo += "Uso|" + CeldaSegura(Recorta(p.Uso)) + ", carga viva " + Formato(p.CargaViva, "0.000") + " To/m2;";
  const std::string fy = Formato(static_cast<int>(p.Fy), "#####");
  const std::string temperatura = n(CuantiaContraccion(p.Fy));
  bo += "Carga ultima|" + n(kFactorCargaMuerta) + " CM + " + n(kFactorCargaViva) + " CV (ACI 318-99 9.2.1);";
  bo += "Diseno de la seccion|Franja de 1 m: q = Mu / (" + n(kFactorSeccion) +
        " f'c d2), w = " + n(kOmegaBase) + " - raiz(" + n(kLimiteRaiz) +
        " - q), cuantia = w f'c / Fy, As = cuantia b d: resistencia ultima con phi = 0.9 (ACI 318-99 "
        "9.3.2.1, 10.2). Un momento que pasa la capacidad de la seccion detiene el calculo;";
  bo += "Recubrimiento|" + Formato(p.Recubrimiento, "0.00") +
        " cm, peralte efectivo d = espesor - recubrimiento;";
  bo += "Acero minimo|Cuantia " + n(min.cuantiaMinima) + " de la seccion bruta b h y no menos de " +
        Formato(min.areaMinima, "0.00") + " cm2/m para Fy = " + fy +
        " Kg/cm2 (ACI 318-99 10.5.4 y 7.12.2.1). Con momento negativo en el vano, solo el area minima;";
  bo += "Separacion maxima|Barras de vano: " + n(aci::kSeparacionMaximaEspesores) + " h y no mas de " +
        Formato(aci::kSeparacionMaxima, "0.00") +
        " m (ACI 318-99 10.5.4). Acero de temperatura: " + n(aci::kVecesEspesorSeparacion) +
        " h y no mas de " + Formato(aci::kSeparacionMaxima, "0.00") + " m (7.12.2.2);";
  bo +=
      "Separacion de las barras|Toda separacion, de vanos y de apoyos, se toma hacia abajo al centimetro "
      "entero: las barras colocadas dan al menos el area indicada. El acero adicional de un apoyo no pasa "
      "de 1.00 m;";
  bo += "Acero de temperatura|Direccion en que no trabaja una losa en una direccion: cuantia " + temperatura +
        " de b h (ACI 318-99 7.12.2.1), barras " + EtiquetaBarra(kBarra3_8) + " a la menor de " +
        Formato(kSeparTemperatura, "0.00") + " m, la separacion que da esa area, " +
        n(aci::kVecesEspesorSeparacion) + " h y " + Formato(aci::kSeparacionMaxima, "0.00") + " m;";
  bo +=
      "Ductilidad|Cuantia colocada no mayor que 0.75 rho b, rho b = 0.85 beta1 (f'c / fy) 6120 / (6120 + "
      "fy), "
      "beta1 = 0.85 hasta f'c 280 Kg/cm2 (ACI 318-99 10.3.3, 10.2.7.3): " +
      Formato(CuantiaMaxima(p.Fc, p.Fy), "0.0000") +
      " para este f'c y Fy. Vanos, apoyos y bordes que la "
      "pasan se listan en las verificaciones;";
  bo += "Separacion minima|Entre centros, db + max(db, 2.5 cm) (ACI 318-99 7.6.1): " +
        Formato(SeparacionMinimaBarras(kBarra3_4), "0.000") +
        " m con 3/4\". Las barras mas juntas se listan en las verificaciones;";
  bo +=
      "Momentos|Losas apoyadas en sus cuatro bordes (casos 1 a 9): metodo de franjas con los coeficientes "
      "del programa. Losas en una direccion (casos 10 a 13), cuando una luz es al menos el doble de la "
      "otra: formulas de viga sobre la luz corta (con relacion exactamente 2, trabajan en X). Losas con un "
      "borde libre (casos 14 a 25): coeficientes ajustados, con el termino de carga de su caso base, de "
      "modo "
      "que una losa y su imagen girada dan los mismos momentos;";
  bo +=
      "Apoyos continuos|Un ciclo de distribucion de momentos (rigidez 1/L o 0.75/L). Un voladizo, o una "
      "losa "
      "sin rigidez en esa direccion, impone su momento sea Losa 1 o Losa 2, y la otra losa toma toda la "
      "mitad del desbalance en su vano. El resultado no depende del orden de las losas;";
  bo +=
      "Verificaciones|Espesor minimo (ACI 318-99 9.5.2, 9.5.3, 10 % mas con un borde libre), cortante "
      "(11.3.1.1, con 1.15 wu l / 2 en el extremo empotrado de una losa empotrada en un solo extremo, "
      "8.3.3), "
      "acero de temperatura, bordes empotrados sin apoyo continuo, ductilidad, separacion minima, cargas "
      "de "
      "vuelo que el caso no toma y apoyos continuos sobre un borde que no es E;";
  bo +=
      "Planilla: medidas|El programa no conoce el ancho de los apoyos: luces entre ejes y anclajes medidos "
      "desde el eje de cada apoyo (del lado seguro en el vano, y en un apoyo de borde angosto el extremo "
      "se "
      "ajusta al apoyo real). Largos redondeados hacia arriba a " +
      Formato(obra::kModuloCorte * 100, "#0.##") + " cm;";
  bo += "Planilla: barras inferiores|Luz mas " + Formato(aci::kEmpotramientoInferior, "0.00") +
        " m dentro de cada apoyo (ACI 318-99 12.11.1, 13.3.8), hasta el recubrimiento en un borde libre. Las "
        "de "
        "temperatura, la losa entera;";
  bo += "Planilla: barras superiores|Sobre un apoyo continuo, " + n(aci::kFraccionLuzSuperior) +
        " ln a cada lado con ln la luz mayor (13.3.8), no menos que ld y hasta el apoyo opuesto de una losa "
        "mas corta, rectas y con todo el acero del apoyo. "
        "Borde empotrado sin apoyo continuo: lo mismo dentro de la losa y un gancho estandar de 90 grados "
        "dentro del apoyo (7.1.2, 7.2.1, 12.5). Voladizo: hasta el borde libre y, detras del apoyo, la mayor "
        "de ld, " +
        n(aci::kFraccionLuzSuperior) + " ln y el largo del voladizo (12.12), o un gancho sin losa detras;";
  bo += "Planilla: anclajes|ld = fy db / (" + n(aci::kDivisorDesarrollo) + " raiz(f'c)), no menos de " +
        n(aci::kDesarrolloMinimo) + " cm, x " + n(aci::kFactorBarraSuperior) +
        " con mas de 30 cm de concreto debajo (12.2.2, 12.2.4): " +
        Formato(LongitudDesarrollo(kBarra3_8, p.Fc, p.Fy, false), "0.00") +
        " m con 3/8\". ldh = " + n(aci::kCoeficienteGancho) +
        " fy db / raiz(f'c), no menos de 8 db ni 15 cm " + "(12.5), pata del gancho 16 db;";
  bo += "Planilla: empalmes|Barras de mas de " + Formato(obra::kLargoComercial, "#0.##") +
        " m (largo comercial) con traslapes clase B de " + n(aci::kFactorTraslape) +
        " ld, no menos de 30 cm (12.15);";
  bo += "Calculo metrico|Desperdicio " + Formato(s.medidas.Desperdicio, "#0.##") + " %";
  MuestraTabla("<_2400|<_6800", "", bo);

  SetSubTitle("Limitaciones del m\xC3\xA9todo");
  Parrafo(
      "El metodo de coeficientes no considera la alternancia de la carga viva (toda la carga actua en "
      "todas "
      "las losas a la vez), desprecia el modulo de Poisson, da momentos por metro de ancho que se aplican "
      "a "
      "todo el ancho de la losa (sin franjas de columna ni de borde), y solo el voladizo en una direccion "
      "(caso 13) toma las cargas lineales del borde libre.",
      false);
}

void Reporte::SeccionAnalisisLosas(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  const ResultadosCalculo& r = s.resultados;
  SetSubTitle("An\xC3\xA1lisis de losas");
  std::string bo;
  const int losas = std::clamp(static_cast<int>(p.NumLosas), 0, MaxLosas);
  for (int i = 1; i <= losas; ++i) {
    const ResultadosLosa& l = r.losas[i];
    bo += Formato(i, "##") + "|" + Formato(static_cast<int>(p.CodigoLosa[i]), "##") + "|" +
          CeldaSegura(DescripcionCaso(p.CodigoLosa[i])) + "|" + Formato(l.RelacionLados, "0.000") + "|" +
          Formato(l.CargaUltima, "0.000") + "|" + Formato(l.MomentoCasoX, "0.00") + "|" +
          Formato(l.MomentoCasoY, "0.00") + "|" + Formato(l.MomentoCasoNegX, "0.00") + "|" +
          Formato(l.MomentoCasoNegY, "0.00") + ";";
  }
  MuestraTabla("^_600|^_600|<_2800|>_900|>_1100|>_900|>_900|>_900|>_900",
               "Losa|Caso|Condiciones de borde|m = Ly/Lx|Carga ultima (To/m2)|Mx vano (To-m)|My vano (To-m)|"
               "Mx borde (To-m)|My borde (To-m)",
               bo);
  Leyenda(
      "Momentos|los del caso de cada losa, antes de la distribucion sobre los apoyos continuos; el "
      "refuerzo "
      "se disena con los momentos ya distribuidos");
}

Documento Reporte::Inicia(Sesion& s, const OpcionesReporte& opciones, const Recalculos& recalculos) {
  doc_ = Documento{};
  estilos_ = opciones.estilos;
  SetNormal();
  doc_.encabezado = opciones.encabezado;
  doc_.pie = opciones.pie;
  doc_.estiloEncabezado = estilos_[FilaHeader];
  doc_.estiloPie = estilos_[FilaFooter];

  fecha_ = opciones.fecha.empty() ? FechaDeHoy() : opciones.fecha;
  auto marcada = [&](Seccion sec) {
    return opciones.marcadas[static_cast<std::size_t>(sec)] && SeccionHabilitada(sec, s);
  };
  // Sections of results run the calculation first, so that they belong to the data as
  // they are now; a refused calculation is said where the reinforcement would stand.
  bool necesitaCalculo = false;
  // The plan shows the steel too when the project can be calculated.
  for (const DefinicionSeccion& d : kSecciones)
    necesitaCalculo |= (d.necesitaCalculo || d.seccion == Seccion::Planta) && marcada(d.seccion);
  std::string negativa;  // the message of a refused calculation
  if (necesitaCalculo && recalculos.refuerzo) negativa = recalculos.refuerzo(s);

  using Procedimiento = void (Reporte::*)(Sesion&, const Recalculos&);
  static const std::array<std::pair<Seccion, Procedimiento>, NumSecciones> kProcedimientos{{
      {Seccion::Datos, &Reporte::SeccionDatos},
      {Seccion::BasesDiseno, &Reporte::SeccionBasesDiseno},
      {Seccion::AnalisisLosas, &Reporte::SeccionAnalisisLosas},
      {Seccion::Refuerzo, &Reporte::SeccionRefuerzo},
      {Seccion::Reacciones, &Reporte::SeccionReacciones},
      {Seccion::CalculoMetrico, &Reporte::SeccionCalculoMetrico},
      {Seccion::Verificaciones, &Reporte::SeccionVerificaciones},
      {Seccion::Planilla, &Reporte::SeccionPlanilla},
      {Seccion::Planta, &Reporte::SeccionPlanta},
  }};
  for (const DefinicionSeccion& d : kSecciones) {
    if (!marcada(d.seccion)) continue;
    if (d.necesitaCalculo && (!negativa.empty() || !s.estado.CalculoHecho)) {
      if (!negativa.empty() && d.seccion == Seccion::Refuerzo) RefuerzoNoCalculado("Refuerzo", negativa);
      if (!negativa.empty() && d.seccion == Seccion::CalculoMetrico)
        RefuerzoNoCalculado("Calculo metrico", "");
      continue;
    }
    for (const auto& [seccion, procedimiento] : kProcedimientos)
      if (seccion == d.seccion) (this->*procedimiento)(s, recalculos);
  }
  return std::move(doc_);
}

}  // namespace placatec
