#include "report/Reporte.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "comandos/ComandoCalculo.h"
#include "comandos/ComandoPlanta.h"
#include "design/Anclajes.h"
#include "design/NormaAci.h"
#include "design/Refuerzo.h"
#include "design/TablasRefuerzo.h"
#include "engine/Casos.h"
#include "engine/Clasificacion.h"
#include "engine/MomentosApoyo.h"
#include "model/Interlocutor.h"
#include "model/Numeros.h"
#include "outputs/Cantidades.h"
#include "outputs/Planilla.h"
#include "outputs/Verificaciones.h"

namespace placatec {

MarcasSecciones MarcadasPorDefecto() {
  MarcasSecciones a{};
  for (const DefinicionSeccion& d : kSecciones) a[static_cast<std::size_t>(d.seccion)] = d.marcadaPorDefecto;
  return a;
}

bool SeccionHabilitada(Seccion seccion, const Sesion& s) {
  for (const DefinicionSeccion& d : kSecciones)
    if (d.seccion == seccion) return !d.necesitaCalculo || s.proyecto.NumLosas >= 1 || s.estado.CalculoHecho;
  return false;
}

std::string BarraReporte(float area) { return EtiquetaBarra(BarraParaArea(std::fabs(area))) + " a "; }

namespace {

// A window's cell as the report prints it: its text as the window shows it. A text
// in another form than the column's (a number written by hand) is formatted again.
std::string CeldaVentana(const TablaResultado& t, std::size_t fila, std::size_t columna,
                         const char* formato) {
  if (fila >= t.filas.size() || columna >= t.filas[fila].size()) return {};
  const std::string texto = Recorta(t.filas[fila][columna].texto);
  if (texto.empty()) return texto;
  const std::string_view f(formato);
  const std::size_t puntoF = f.find('.'), punto = texto.find('.');
  const std::size_t decimales = punto == std::string::npos ? 0 : texto.size() - punto - 1;
  const std::size_t decimalesF = puntoF == std::string_view::npos ? 0 : f.size() - puntoF - 1;
  if (EsNumero(texto) && decimales == decimalesF) return texto;
  return Formato(ValorTexto(texto), formato);
}

std::string TextoDeCelda(const TablaResultado& t, std::size_t fila, std::size_t columna) {
  if (fila >= t.filas.size() || columna >= t.filas[fila].size()) return {};
  return Recorta(t.filas[fila][columna].texto);
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

// The rows of a window's table, cell texts as shown.
std::vector<FilaTabla> FilasDe(const TablaResultado& t) {
  std::vector<FilaTabla> filas;
  for (const auto& fila : t.filas) {
    filas.emplace_back();
    for (const Celda& c : fila) filas.back().push_back(c.texto);
  }
  return filas;
}

template <std::size_t N>
FilaTabla Titulos(const std::array<std::string_view, N>& columnas) {
  return FilaTabla(columnas.begin(), columnas.end());
}

int Losas(const Proyecto& p) { return std::clamp(static_cast<int>(p.NumLosas), 0, MaxLosas); }
int Apoyos(const Proyecto& p) { return std::clamp(static_cast<int>(p.NumApoyos), 0, MaxApoyos); }

// "%r" of a header or footer: the project's revision, or nothing.
std::string ConRevision(std::string texto, const FichaProyecto& f) {
  const std::string revision = Recorta(f.Revision).empty() ? "" : "Revisi\xC3\xB3n " + Recorta(f.Revision);
  for (std::size_t i = texto.find("%r"); i != std::string::npos; i = texto.find("%r", i + revision.size()))
    texto.replace(i, 2, revision);
  return texto;
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

void Reporte::MuestraTabla(std::vector<ColumnaTabla> columnas, FilaTabla encabezado,
                           std::vector<FilaTabla> filas, int juntas) {
  Parrafo("", true);
  espacios_[0] = 50;
  espacios_[2] = 50;
  fuente_.tamano = 10.0;
  TablaDoc t;
  t.columnas = std::move(columnas);
  t.encabezado = std::move(encabezado);
  t.filas = std::move(filas);
  t.filasJuntas = juntas;
  t.estilo = fuente_;
  t.antes = espacios_[0];
  t.despues = espacios_[2];
  doc_.bloques.emplace_back(std::move(t));
}

void Reporte::Leyenda(std::vector<FilaTabla> filas) {
  MuestraTabla({Izq(1300), Izq(7700)}, {}, std::move(filas));
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

void Reporte::SeccionResumen(Sesion& s, const Recalculos& r) {
  const Proyecto& p = s.proyecto;
  SetSubTitle("Resumen");
  std::vector<FilaTabla> ficha;
  for (const CampoFicha& c : kCamposFicha) ficha.push_back({std::string(c.rotulo), p.Ficha.*c.texto});
  MuestraTabla({Izq(2400), Izq(6800)}, {}, std::move(ficha));

  // The storey in numbers.
  const bool calculado = negativa_.empty() && s.estado.CalculoHecho;
  std::vector<FilaTabla> piso{{"Losas", Formato(static_cast<int>(p.NumLosas), "0")},
                              {"Apoyos continuos", Formato(static_cast<int>(p.NumApoyos), "0")},
                              {"Hormig\xC3\xB3n, F'c", Formato(static_cast<int>(p.Fc), "0") + " Kg/cm2"},
                              {"Acero, Fy", Formato(static_cast<int>(p.Fy), "0") + " Kg/cm2"}};
  if (Losas(p) > 0) {
    const auto [menor, mayor] =
        std::minmax_element(p.EspesorLosa.begin() + 1, p.EspesorLosa.begin() + 1 + Losas(p));
    piso.push_back(
        {"Espesor de las losas",
         Formato(*menor, "0.000") + (*mayor > *menor ? " a " + Formato(*mayor, "0.000") : "") + " m"});
  }
  if (calculado) {
    if (r.cantidades) r.cantidades(s);
    const auto& t = s.medidas.totales;
    piso.push_back({"Volumen de hormig\xC3\xB3n", Recorta(t[0]) + " m3"});
    piso.push_back({"Acero de refuerzo", Recorta(t[4]) + " qq, con " +
                                             Formato(s.medidas.Desperdicio, "#0.##") + " % de desperdicio"});
  }
  MuestraTabla({Izq(2400), Izq(6800)}, {}, std::move(piso));

  SetSubTitle("Verificaciones del dise\xC3\xB1o");
  if (!negativa_.empty())
    RefuerzoNoCalculado("", negativa_);
  else if (!calculado)
    Parrafo(Losas(p) < 1 ? "Sin losas que calcular: no hay verificaciones" : "Refuerzo no calculado", false);
  else
    FallasDelResumen(s);
  // The summary is a sheet of its own.
  doc_.bloques.emplace_back(SaltoPagina{});
}

// Every check that fails, one line each, and the top steel of the fixed edges that no
// continuous support covers.
void Reporte::FallasDelResumen(const Sesion& s) {
  std::vector<FilaTabla> fallas;
  for (FallaVerificacion& f : Fallas(s.verificaciones))
    fallas.push_back(
        {std::move(f.elemento), std::move(f.comprobacion), std::move(f.valor), std::move(f.limite)});
  if (!fallas.empty())
    MuestraTabla({Izq(2000), Izq(3400), Izq(1800), Izq(1800)}, Titulos(kColumnasFallas), std::move(fallas));
  const TablasVerificaciones t = TablasDe(s.verificaciones);
  Parrafo(t.resumen, false);
  // Steel to be placed that no other table of the report gives with its bars.
  if (!t.bordes.filas.empty()) {
    SetSubTitle("Acero superior en bordes empotrados sin apoyo continuo");
    MuestraTabla({Cen(700), Cen(700), Der(1300), Der(1300), Cen(1200), Der(1000), Cen(1700)},
                 Titulos(kColumnasBordes), FilasDe(t.bordes));
  }
}

void Reporte::SeccionDatos(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  SetSubTitle("Datos generales");
  std::vector<FilaTabla> filas{
      {"Numero de losas", Formato(static_cast<int>(p.NumLosas), "#####"), ""},
      {"Numero de apoyos continuos", Formato(static_cast<int>(p.NumApoyos), "#####"), ""},
      {"", "", ""},
      {"Esfuerzo en el concreto (F'c)", Formato(static_cast<int>(p.Fc), "#####"), "Kg/cm2"},
      {"Esfuerzo en el acero (Fy)", Formato(static_cast<int>(p.Fy), "#####"), "Kg/cm2"},
      {"Espesor general de losas", Formato(p.EspesorGeneral, "0.000"), "m"},
      {"Recubrimiento (al centro de la barra)", Formato(p.Recubrimiento, "0.000"), "cm"},
      {"", "", ""},
      {"Carga muerta:", "", ""}};
  for (const FilaCargaMuerta& f : FilasCargaMuerta(s))
    if (ValorTexto(f.peso) > 0) filas.push_back({"    " + f.rotulo, f.peso, "To/m2"});
  filas.push_back({"Carga muerta general", Formato(p.CargaMuerta, "0.000"), "To/m2"});
  filas.push_back({"", "", ""});
  filas.push_back({"Carga viva general", Formato(p.CargaViva, "0.000"), "To/m2"});
  filas.push_back({"", "", ""});
  filas.push_back({"Carga ultima general", Formato(p.CargaUltimaGeneral, "0.000"), "To/m2"});
  MuestraTabla({Izq(3600), Der(1200), Izq(1200)}, {}, std::move(filas));

  SetSubTitle("Nomenclatura para las condiciones de borde");
  MuestraTabla({Izq(3000)}, {}, {{"A = Apoyado"}, {"E = Empotrado"}, {"N = No Apoyado"}});

  SetSubTitle("Numeracion de los bordes");
  FiguraBordes();

  SetSubTitle("Descripcion de losas");
  filas.clear();
  for (int i = 1; i <= Losas(p); ++i) {
    const std::string& b = p.Bordes[static_cast<std::size_t>(i)];
    auto letra = [&](std::size_t k) { return k < b.size() ? b.substr(k, 1) : std::string(); };
    const bool vuelo = b.find('N') != std::string::npos;
    filas.push_back({Formato(i, "##"), Formato(p.Lx[i], "0.000"), Formato(p.Ly[i], "0.000"),
                     Formato(p.EspesorLosa[i], "0.000"), letra(0), letra(1), letra(2), letra(3),
                     vuelo ? Formato(p.CargaMuertaVuelo[i], "0.000") : "",
                     vuelo ? Formato(p.CargaVivaVuelo[i], "0.000") : "",
                     Formato(p.CargaMuertaVano[i], "0.000"), Formato(p.CargaVivaVano[i], "0.000")});
  }
  MuestraTabla({Cen(700), Der(800), Der(800), Der(1000), Cen(700), Cen(700), Cen(700), Cen(700), Der(1000),
                Der(1000), Der(1000), Der(1000)},
               {"Losa", "Lx (m)", "Ly (m)", "Espesor (m)", "Borde 1", "Borde 2", "Borde 3", "Borde 4",
                "CM-vuelo (To/m)", "CV-vuelo (To/m)", "CM-vano (To/m2)", "CV-vano (To/m2)"},
               std::move(filas));

  CargasPorLosa(s);

  SetSubTitle("Definicion de apoyos continuos");
  filas.clear();
  for (int j = 1; j <= Apoyos(p); ++j)
    filas.push_back({Formato(j, "##"), Recorta(p.ApoyoDir[j]), Formato(p.ApoyoLosa1[j], "##"),
                     Formato(p.ApoyoLosa2[j], "##")});
  MuestraTabla({Cen(1000), Cen(1200), Cen(1200), Cen(1200)}, {"Apoyo", "Direccion", "Losa A", "Losa B"},
               std::move(filas));
}

// The loads of each slab and where they come from: the dead load built from the
// layers of the general data or given for the slab, the live load of the building's
// use or given for the slab, the line loads of a free edge and the factored load.
void Reporte::CargasPorLosa(const Sesion& s) {
  const Proyecto& p = s.proyecto;
  SetSubTitle("Cargas por losa");
  const int uso = s.generales.FilaUso();
  const bool vivaDelUso =
      uso >= 0 && Formato(p.CargaViva, "0.000") == Usos()[static_cast<std::size_t>(uso)].cargaViva;
  const std::string general = vivaDelUso ? "uso: " + s.generales.TextoUso() : std::string("general");
  std::vector<FilaTabla> filas;
  for (int i = 1; i <= Losas(p); ++i) {
    std::string muerta = "propia de la losa";
    if (p.CargaMuertaVano[i] == p.CargaMuerta) {
      muerta = "general (capas)";
      // The layers weigh the general thickness: say it where the slab is another.
      if (p.EspesorLosa[i] != p.EspesorCapa[0])
        muerta += ", losa de " + Formato(p.EspesorCapa[0], "0.000") + " m";
    }
    const bool vuelo = p.Bordes[i].find('N') != std::string::npos;
    filas.push_back({Formato(i, "##"), Formato(p.CargaMuertaVano[i], "0.000"), muerta,
                     Formato(p.CargaVivaVano[i], "0.000"),
                     p.CargaVivaVano[i] == p.CargaViva ? general : "propia de la losa",
                     vuelo ? Formato(p.CargaMuertaVuelo[i], "0.000") : "",
                     vuelo ? Formato(p.CargaVivaVuelo[i], "0.000") : "",
                     Formato(CargaUltimaLosa(p, i), "0.000")});
  }
  MuestraTabla({Cen(600), Der(900), Izq(2100), Der(900), Izq(2000), Der(900), Der(900), Der(900)},
               {"Losa", "CM (To/m2)", "Carga muerta", "CV (To/m2)", "Carga viva", "CM-vuelo (To/m)",
                "CV-vuelo (To/m)", "wu (To/m2)"},
               std::move(filas));
  Leyenda({{"wu", "carga ultima de la losa, " + Formato(kFactorCargaMuerta, "0.0") + " CM + " +
                      Formato(kFactorCargaViva, "0.0") +
                      " CV; las cargas de vuelo se mayoran igual en el voladizo "
                      "en una direccion (caso 13)"}});
}

void Reporte::SeccionRefuerzo(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  SetSubTitle("Refuerzo en vanos");
  std::vector<FilaTabla> filas;
  std::size_t fila = 0;
  for (int i = 1; i <= Losas(p); ++i) {
    const ResultadosLosa& l = s.resultados.losas[static_cast<std::size_t>(i)];
    for (bool dirY : {false, true}) {
      const std::string tipo = TextoDeCelda(s.vanos, fila, 6);
      filas.push_back({dirY ? "" : Formato(i, "##"), dirY ? "Y" : "X", CeldaVentana(s.vanos, fila, 2, "0.00"),
                       CeldaVentana(s.vanos, fila, 3, "0.00"),
                       BarraDeFila(dirY ? l.AreaY : l.AreaX, tipo) + CeldaVentana(s.vanos, fila, 5, "0.00"),
                       tipo});
      ++fila;
    }
  }
  MuestraTabla({Cen(800), Cen(1200), Der(1300), Der(1300), Cen(1300), Cen(1200)},
               {"Losa", "Direccion", "Momento (To-m/m)", "Refuerzo (cm2/m)", "Barras", "Tipo"},
               std::move(filas), 2);
  Leyenda(
      {{"Simple", "acero inferior del vano, en una capa"},
       {"Doble", "momento negativo en el vano: acero en las dos caras (su peso se cuenta dos veces)"},
       {"Vuelo", "losa en voladizo (caso 13): acero de la direccion del voladizo"},
       {"Temp", "acero de temperatura en la direccion que no trabaja: el area de " +
                    Formato(CuantiaContraccion(p.Fy), "#0.####") + " b h con " + EtiquetaBarra(kBarra3_8) +
                    " a " + Formato(kSeparTemperatura, "0.00") + " m o menos"}});

  SetSubTitle("Refuerzo en apoyos");
  filas.clear();
  for (int j = 1; j <= Apoyos(p); ++j) {
    const std::size_t r = static_cast<std::size_t>(j - 1);
    const std::string barras = TextoDeCelda(s.apoyosRefuerzo, r, 6);
    filas.push_back(
        {Formato(j, "##"), Recorta(p.ApoyoDir[j]),
         TextoNumero(p.ApoyoLosa1[j]) + " - " + TextoNumero(p.ApoyoLosa2[j]),
         CeldaVentana(s.apoyosRefuerzo, r, 3, "0.00"), CeldaVentana(s.apoyosRefuerzo, r, 4, "0.00"),
         CeldaVentana(s.apoyosRefuerzo, r, 5, "0.00"),
         barras == "---" ? barras : barras + " a " + CeldaVentana(s.apoyosRefuerzo, r, 7, "0.00")});
  }
  MuestraTabla(
      {Cen(800), Cen(1100), Cen(1100), Der(1300), Der(1300), Der(1200), Cen(1300)},
      {"Apoyo", "Direccion", "Losas", "Momento (To-m/m)", "Refuerzo (cm2/m)", "Suben (cm2/m)", "Adicionales"},
      std::move(filas));
  Leyenda({{"Refuerzo", "acero que el momento del apoyo requiere"},
           {"Suben",
            "acero de los vanos de las dos losas que pasa sobre el apoyo (la media de sus aportes); "
            "se descuenta del requerido"},
           {"Adicionales",
            "barras que se agregan sobre el apoyo para completar el acero requerido, con su "
            "separacion (no mas de " +
                Formato(kSeparMaximaApoyo, "0.00") + " m); --- cuando no hacen falta"}});
}

void Reporte::SeccionReacciones(Sesion& s, const Recalculos& r) {
  if (r.reacciones) r.reacciones(s);
  SetSubTitle("Reacciones de apoyo");
  std::vector<FilaTabla> filas;
  const std::size_t n = std::min<std::size_t>(
      static_cast<std::size_t>(std::max<int>(0, s.proyecto.NumApoyosReac)), s.reacciones.filas.size());
  for (std::size_t k = 0; k < n; ++k) {
    const TablaReacciones::Fila& f = s.reacciones.filas[k];
    filas.push_back({f[0], f[1], f[2], f[3], f[4], NumeroTexto(f[5], "0.000"), NumeroTexto(f[6], "0.000"),
                     NumeroTexto(f[7], "0.000")});
  }
  MuestraTabla({Cen(800), Izq(1500), Cen(1000), Cen(1000), Cen(900), Der(1100), Der(1100), Der(1200)},
               {"Apoyo", "Descripcion", "Direccion", "Losa 1", "Losa 2", "Reac-cm (To/m)", "Reac-cv (To/m)",
                "Reac-ultima (To/m)"},
               std::move(filas));
}

void Reporte::SeccionCalculoMetrico(Sesion& s, const Recalculos& r) {
  if (r.cantidades) r.cantidades(s);
  SetSubTitle("Calculo metrico");
  std::vector<FilaTabla> filas;
  for (int i = 1; i <= Losas(s.proyecto); ++i) {
    filas.push_back({Formato(i, "##")});
    for (std::size_t c = 1; c <= 6; ++c)
      filas.back().push_back(CeldaVentana(s.medidas.tabla, static_cast<std::size_t>(i - 1), c, "0.00"));
  }
  filas.push_back({"Totales"});
  for (const std::string& t : s.medidas.totales) filas.back().push_back(Recorta(t));
  // The bar labels as the results window writes them.
  FilaTabla titulos{"Losa", "Volumen (m3)"};
  for (const Barra* b : {&kBarra3_8, &kBarra1_2, &kBarra3_4}) titulos.push_back(EtiquetaBarra(*b) + " (qq)");
  titulos.push_back("Total (qq)");
  titulos.push_back("Cuantia (qq/m3)");
  MuestraTabla({Cen(800), Der(1000), Der(800), Der(800), Der(800), Der(900), Der(900)}, std::move(titulos),
               std::move(filas));
}

void Reporte::SeccionVerificaciones(Sesion& s, const Recalculos&) {
  const TablasVerificaciones t = TablasDe(s.verificaciones);
  SetSubTitle(std::string(kTituloVerificaciones));
  Parrafo(t.resumen, false);
  SetSubTitle("Acero superior en bordes empotrados sin apoyo continuo");
  MuestraTabla({Cen(700), Cen(700), Der(1300), Der(1300), Cen(1200), Der(1000), Cen(1700)},
               Titulos(kColumnasBordes), FilasDe(t.bordes));
  SetSubTitle("Espesor minimo");
  MuestraTabla({Cen(700), Cen(1500), Der(900), Der(1400), Der(1200), Cen(1300)}, Titulos(kColumnasEspesores),
               FilasDe(t.espesores));
  SetSubTitle("Cortante en los bordes apoyados");
  MuestraTabla({Cen(700), Der(1200), Der(1200), Cen(1300)}, Titulos(kColumnasCortantes),
               FilasDe(t.cortantes));
  SetSubTitle("Acero de temperatura");
  MuestraTabla({Cen(700), Der(1100), Der(1500), Der(1400), Der(1500), Cen(1300)},
               Titulos(kColumnasTemperatura), FilasDe(t.temperatura));
  SetSubTitle("Otras verificaciones del dise\xC3\xB1o");
  MuestraTabla({Cen(600), Cen(600), Cen(1100), Izq(1800), Izq(4000), Cen(1100)}, Titulos(kColumnasAvisos),
               FilasDe(t.avisos));
}

void Reporte::SeccionPlanilla(Sesion& s, const Recalculos&) {
  SetSubTitle(std::string(kTituloPlanilla));
  // The place of an edge mark on one line; a shape with its laps may take two.
  MuestraTabla(
      {Cen(500), Izq(2100), Cen(750), Cen(700), Der(600), Izq(1900), Der(450), Der(600), Der(800), Der(700)},
      Titulos(kColumnasPlanilla), FilasDe(TablaMarcas(s.planilla)));
  SetSubTitle("Totales por diametro");
  MuestraTabla({Cen(900), Der(1100), Der(1200), Der(1600), Der(1300), Der(1200)},
               Titulos(kColumnasTotalesPlanilla), FilasDe(TablaTotalesPlanilla(s.planilla)));
  Leyenda({{"Marca", "numero de la marca, el que el plano lleva junto a la barra"},
           {"Apoyo",
            "barras superiores rectas que dan todo el acero del apoyo (las que en el diseno suben de los "
            "vanos y las adicionales)"},
           {"Forma", "recta, o con un gancho estandar de 90 grados y el largo de su pata, y sus traslapes"},
           {"Cant.", "ancho que cubren entre la separacion, hacia arriba, mas una"},
           {"Diferencia",
            "planilla menos calculo metrico: barras enteras, anclajes, ganchos, traslapes y el acero de "
            "los bordes empotrados que el calculo metrico no cuenta"}});
  SetSubTitle("Notas");
  Parrafo(
      "Largos entre ejes de apoyos, redondeados hacia arriba a 5 cm; las reglas de anclaje estan en las "
      "bases de diseno. Calculo metrico sin desperdicio, 1 qq = 100 lb = 45.36 kg.",
      false);
  for (const std::string& n : s.planilla.notas) Parrafo(n, false);
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
  std::vector<FilaTabla> clave{
      {"E", "borde empotrado (rayado hacia la losa)"},
      {"A", "borde apoyado"},
      {"N", "borde libre (discontinuo)"},
      {"Apoyos", "vigas o muros continuos (azul) y apoyos adicionales de las reacciones"}};
  if (s.estado.CalculoHecho) {
    clave.push_back({"Acero",
                     "inferior por losa y direccion (verde), superior sobre apoyos y bordes empotrados sin "
                     "apoyo (morado): barra y separacion"});
    clave.push_back({"Rojo", "losa o apoyo que no cumple una verificacion"});
  }
  const int juntas = static_cast<int>(clave.size());
  for (const ProblemaPosicion& q : d.problemas) clave.push_back({"Posicion", q.texto});
  // The key of the lines stays in one piece (a long list of problems may go on).
  MuestraTabla({Izq(1300), Izq(7700)}, {}, std::move(clave), juntas);
}

void Reporte::RefuerzoNoCalculado(const std::string& subtitulo, const std::string& mensaje) {
  if (!subtitulo.empty()) SetSubTitle(subtitulo);
  std::string texto = mensaje;
  for (std::size_t k; (k = texto.find('\r')) != std::string::npos;) texto.erase(k, 1);
  if (!texto.empty()) Parrafo(texto, true);
  Parrafo("Refuerzo no calculado", false);
}

void Reporte::SeccionBasesDiseno(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  const MinimosRefuerzo min = MinimosPara(p.Fy);
  auto n = [](double v) { return Formato(v, "#0.####"); };
  const std::string fc = Formato(static_cast<int>(p.Fc), "0"), fy = Formato(static_cast<int>(p.Fy), "0");
  const std::string maxima = Formato(aci::kSeparacionMaxima, "0.00");
  const std::string& archivo = s.estado.NombreArchivo;
  const double es = aci::kDeformacionUltima * aci::kModuloAcero;
  SetSubTitle("Bases de dise\xC3\xB1o");
  std::vector<FilaTabla> filas{
      {"Programa", "Placatec " + std::to_string(PLACATEC_VERSION_MAJOR) + "." +
                       std::to_string(PLACATEC_VERSION_MINOR) + "." + std::to_string(PLACATEC_VERSION_PATCH)},
      {"Fecha", fecha_},
      {"Archivo", archivo.empty() ? std::string("(sin guardar)") : archivo},
      {"Norma",
       "ACI 318-99, dise\xC3\xB1o por resistencia ultima; unidades: To, m, cm2 y Kg/cm2. Momentos, "
       "areas y cargas de vano son por metro de ancho (To-m/m, cm2/m, To/m2)"},
      {"Materiales", "f'c = " + fc + " Kg/cm2, Fy = " + fy + " Kg/cm2"},
      {"Uso", Recorta(p.Uso) + ", carga viva " + Formato(p.CargaViva, "0.000") + " To/m2"},
      {"Carga ultima", n(kFactorCargaMuerta) + " CM + " + n(kFactorCargaViva) + " CV (ACI 318-99 9.2.1)"},
      {"Diseno de la seccion",
       "Franja de 1 m de ancho: q = Mu / (" + n(kFactorSeccion) + " f'c d2), w = " + n(kOmegaBase) +
           " - raiz(" + n(kLimiteRaiz) +
           " - q), cuantia = w f'c / Fy, As = cuantia b d, con phi = " + n(aci::kPhiFlexion) +
           " (ACI 318-99 9.3.2.1, 10.2). Un momento que pasa la capacidad de la seccion detiene el calculo; "
           "en un borde empotrado sin apoyo continuo se lista como verificacion que no cumple"},
      {"Recubrimiento",
       Formato(p.Recubrimiento, "0.00") +
           " cm, medido desde la cara de la losa hasta el centro de la barra: peralte efectivo "
           "d = espesor - recubrimiento"},
      {"Signos",
       "Momento de vano positivo: traccion abajo, acero inferior; negativo (Doble): acero en las dos "
       "caras. Los momentos de bordes empotrados, apoyos continuos y voladizos se dan en valor "
       "absoluto y llevan acero superior"},
      {"Acero minimo", "Cuantia " + n(min.cuantiaMinima) + " de la seccion bruta b h y no menos de " +
                           Formato(min.areaMinima, "0.00") + " cm2/m para Fy = " + fy +
                           " Kg/cm2 (ACI 318-99 10.5.4 y 7.12.2.1). Con momento negativo en el vano, solo el "
                           "area minima"},
      {"Separacion maxima",
       "Barras de vano: " + n(aci::kSeparacionMaximaEspesores) + " h y no mas de " + maxima +
           " m (ACI 318-99 10.5.4). Acero de temperatura: " + n(aci::kVecesEspesorSeparacion) +
           " h y no mas de " + maxima + " m (7.12.2.2)"},
      {"Separacion de las barras",
       "Toda separacion, de vanos y de apoyos, se toma hacia abajo al centimetro entero: las barras "
       "colocadas "
       "dan al menos el area indicada. El acero adicional de un apoyo no pasa de " +
           Formato(kSeparMaximaApoyo, "0.00") + " m"},
      {"Acero de temperatura",
       "Direccion en que no trabaja una losa en una direccion: cuantia " + n(CuantiaContraccion(p.Fy)) +
           " de b h (ACI 318-99 7.12.2.1), barras " + EtiquetaBarra(kBarra3_8) + " a la menor de " +
           Formato(kSeparTemperatura, "0.00") + " m, la separacion que da esa area, " +
           n(aci::kVecesEspesorSeparacion) + " h y " + maxima + " m"},
      {"Ductilidad",
       "Cuantia colocada no mayor que " + n(aci::kFraccionBalanceada) +
           " rho b, rho b = " + n(aci::kBloqueCompresion) + " beta1 (f'c / fy) " + n(es) + " / (" + n(es) +
           " + fy), beta1 = " + n(aci::kBeta1) + " hasta f'c " + n(aci::kFcBeta1) +
           " Kg/cm2 (ACI 318-99 10.3.3, 10.2.7.3): " + Formato(CuantiaMaxima(p.Fc, p.Fy), "0.0000") +
           " para este f'c y Fy. Vanos, apoyos y bordes que la pasan se listan en las verificaciones"},
      {"Separacion minima",
       "Entre centros, db + max(db, " + n(aci::kSeparacionLibreMinima) +
           " cm) (ACI 318-99 7.6.1): " + Formato(SeparacionMinimaBarras(kBarra3_4), "0.000") +
           " m con 3/4\". Las barras mas juntas se listan en las verificaciones"},
      {"Momentos",
       "Losas apoyadas en sus cuatro bordes (casos 1 a 9): metodo de franjas con los coeficientes del "
       "programa. "
       "Losas en una direccion (casos 10 a 13), cuando una luz es al menos el doble de la otra: formulas de "
       "viga "
       "sobre la luz corta (con relacion exactamente 2, trabajan en X). Losas con un borde libre (casos 14 a "
       "25): coeficientes ajustados, con el termino de carga de su caso base, de modo que una losa y su "
       "imagen "
       "girada dan los mismos momentos"},
      {"Apoyos continuos", "Un ciclo de distribucion de momentos (rigidez " + n(kRigidezExtremoEmpotrado) +
                               "/L con el otro extremo "
                               "empotrado, " +
                               n(kRigidezExtremoArticulado) +
                               "/L si no). Un voladizo, o una losa sin rigidez en "
                               "esa "
                               "direccion, impone su momento sea Losa 1 o Losa 2, y la otra losa toma toda "
                               "la mitad del desbalance "
                               "en "
                               "su vano. El resultado no depende del orden de las losas"},
      {"Verificaciones",
       "Espesor minimo (ACI 318-99 9.5.2, 9.5.3, " + n((aci::kAumentoBordeLibre - 1) * 100) +
           " % mas con un borde libre), cortante (11.3.1.1, phi = " + n(aci::kPhiCortante) + ", con " +
           n(aci::kCortanteExtremoEmpotrado) +
           " wu l / 2 en el extremo empotrado de una losa empotrada en un solo extremo, 8.3.3), acero de "
           "temperatura, bordes empotrados sin apoyo continuo, ductilidad, separacion minima, cargas de "
           "vuelo que "
           "el caso no toma y apoyos continuos sobre un borde que no es E"},
      {"Planilla: medidas",
       "El programa no conoce el ancho de los apoyos: luces entre ejes y anclajes medidos desde el eje de "
       "cada apoyo (del lado seguro en el vano, y en un apoyo de borde angosto el extremo se ajusta al apoyo "
       "real). Largos redondeados hacia arriba a " +
           Formato(obra::kModuloCorte * 100, "#0.##") + " cm"},
      {"Planilla: barras inferiores",
       "Luz mas " + Formato(aci::kEmpotramientoInferior, "0.00") +
           " m dentro de cada apoyo (ACI 318-99 12.11.1, 13.3.8), hasta el recubrimiento en un borde libre. "
           "Las de temperatura, la losa entera"},
      {"Planilla: barras superiores",
       "Sobre un apoyo continuo, " + n(aci::kFraccionLuzSuperior) +
           " ln a cada lado con ln la luz mayor (13.3.8), no menos que ld y hasta el apoyo opuesto de una "
           "losa mas corta, rectas y con todo el acero del apoyo. Borde empotrado sin apoyo continuo: lo "
           "mismo dentro de la losa y un gancho estandar de 90 grados dentro del apoyo (7.1.2, 7.2.1, 12.5). "
           "Voladizo: hasta el borde libre y, detras del apoyo, la mayor de ld, " +
           n(aci::kFraccionLuzSuperior) + " ln y el largo del voladizo (12.12), o un gancho sin losa detras"},
      {"Planilla: anclajes", "ld = fy db / (" + n(aci::kDivisorDesarrollo) + " raiz(f'c)), no menos de " +
                                 n(aci::kDesarrolloMinimo) + " cm, x " + n(aci::kFactorBarraSuperior) +
                                 " con mas de 30 cm de concreto debajo (12.2.2, 12.2.4): " +
                                 Formato(LongitudDesarrollo(kBarra3_8, p.Fc, p.Fy, false), "0.00") +
                                 " m con 3/8\". ldh = " + n(aci::kCoeficienteGancho) +
                                 " fy db / raiz(f'c), no menos de 8 db ni 15 cm (12.5), pata del "
                                 "gancho 16 db"},
      {"Planilla: empalmes", "Barras de mas de " + Formato(obra::kLargoComercial, "#0.##") +
                                 " m (largo comercial) con traslapes clase B de " + n(aci::kFactorTraslape) +
                                 " ld, no menos de 30 cm (12.15)"},
      {"Calculo metrico", "Desperdicio " + Formato(s.medidas.Desperdicio, "#0.##") + " %"}};
  MuestraTabla({Izq(2400), Izq(6800)}, {}, std::move(filas));

  SetSubTitle("Limitaciones del m\xC3\xA9todo");
  Parrafo(
      "El metodo de coeficientes no considera la alternancia de la carga viva (toda la carga actua en "
      "todas "
      "las losas a la vez), desprecia el modulo de Poisson, da momentos por metro de ancho que se aplican "
      "a "
      "todo el ancho de la losa (sin franjas de columna ni de borde), y solo el voladizo en una direccion "
      "(caso 13) toma las cargas lineales del borde libre. La carga muerta general lleva el peso propio del "
      "espesor general; una losa de otro espesor lleva la carga muerta que se le da en la tabla de losas.",
      false);
}

void Reporte::SeccionAnalisisLosas(Sesion& s, const Recalculos&) {
  const Proyecto& p = s.proyecto;
  const ResultadosCalculo& r = s.resultados;
  SetSubTitle("An\xC3\xA1lisis de losas");
  std::vector<FilaTabla> filas;
  for (int i = 1; i <= Losas(p); ++i) {
    const ResultadosLosa& l = r.losas[i];
    filas.push_back({Formato(i, "##"), Formato(static_cast<int>(p.CodigoLosa[i]), "##"),
                     DescripcionCaso(p.CodigoLosa[i]), Formato(l.RelacionLados, "0.000"),
                     Formato(l.CargaUltima, "0.000"), Formato(l.MomentoCasoX, "0.00"),
                     Formato(l.MomentoCasoY, "0.00"), Formato(l.MomentoCasoNegX, "0.00"),
                     Formato(l.MomentoCasoNegY, "0.00")});
  }
  MuestraTabla({Cen(600), Cen(600), Izq(2800), Der(900), Der(1100), Der(900), Der(900), Der(900), Der(900)},
               {"Losa", "Caso", "Condiciones de borde", "m = Ly/Lx", "Carga ultima (To/m2)",
                "Mx vano (To-m/m)", "My vano (To-m/m)", "Mx borde (To-m/m)", "My borde (To-m/m)"},
               std::move(filas));
  Leyenda({{"Momentos",
            "los del caso de cada losa, antes de la distribucion sobre los apoyos continuos; el "
            "refuerzo se disena con los momentos ya distribuidos"}});
}

Documento Reporte::Inicia(Sesion& s, const OpcionesReporte& opciones, const Recalculos& recalculos) {
  doc_ = Documento{};
  estilos_ = opciones.estilos;
  SetNormal();
  doc_.encabezado = ConRevision(opciones.encabezado, s.proyecto.Ficha);
  doc_.pie = ConRevision(opciones.pie, s.proyecto.Ficha);
  doc_.estiloEncabezado = estilos_[FilaHeader];
  doc_.estiloPie = estilos_[FilaFooter];

  fecha_ = opciones.fecha.empty() ? FechaDeHoy() : opciones.fecha;
  auto marcada = [&](Seccion sec) {
    return opciones.marcadas[static_cast<std::size_t>(sec)] && SeccionHabilitada(sec, s);
  };
  // Sections of results run the calculation first, so that they belong to the data as
  // they are now; a refused calculation is said where the reinforcement would stand.
  bool calcula = false;
  for (const DefinicionSeccion& d : kSecciones) calcula |= d.usaCalculo && marcada(d.seccion);
  negativa_.clear();
  if (calcula && recalculos.refuerzo && s.proyecto.NumLosas >= 1) negativa_ = recalculos.refuerzo(s);

  for (const DefinicionSeccion& d : kSecciones) {
    if (!marcada(d.seccion)) continue;
    if (d.necesitaCalculo && (!negativa_.empty() || !s.estado.CalculoHecho)) {
      if (!negativa_.empty() && d.seccion == Seccion::Refuerzo) RefuerzoNoCalculado("Refuerzo", negativa_);
      if (!negativa_.empty() && d.seccion == Seccion::CalculoMetrico)
        RefuerzoNoCalculado("Calculo metrico", "");
      continue;
    }
    (this->*d.compone)(s, recalculos);
  }
  return std::move(doc_);
}

}  // namespace placatec
