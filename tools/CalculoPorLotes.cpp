#include "CalculoPorLotes.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <span>
#include <string_view>
#include <vector>

#include "comandos/Arranque.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandosArchivo.h"
#include "comandos/Sesion.h"
#include "model/Defectos.h"
#include "model/Interlocutor.h"
#include "model/Numeros.h"
#include "outputs/Cantidades.h"
#include "outputs/Reacciones.h"
#include "outputs/Verificaciones.h"
#include "report/Papel.h"

#ifdef PLACATEC_CON_PDF
#include "escritorio/pdf/ExportaPdf.h"
#endif

namespace placatec {

namespace {

// Takes the place of the message boxes: keeps the first message shown, which is the
// error the batch reports, and every other one for the text output.
class InterlocutorLote : public Interlocutor {
 public:
  std::vector<Mensaje> mensajes;
  Respuesta Pregunta(const Mensaje& m) override {
    mensajes.push_back(m);
    // A save that fails offers OK (try again) and Cancel: give up at once.
    return m.botones == Botones::SiNo         ? Respuesta::Si
           : m.botones == Botones::OKCancelar ? Respuesta::Cancelar
                                              : Respuesta::OK;
  }
  std::string Primero() const { return mensajes.empty() ? std::string() : mensajes.front().texto; }
  void Olvida() { mensajes.clear(); }
};

using json = nlohmann::ordered_json;

json Simple(float v) { return static_cast<double>(v); }

json General(const Proyecto& p) {
  json capas = json::array(), pesos = json::array();
  for (int k = 0; k < 4; ++k) {
    capas.push_back(Simple(p.EspesorCapa[static_cast<std::size_t>(k)]));
    pesos.push_back(Simple(p.PesoUnitCapa[static_cast<std::size_t>(k)]));
  }
  return {{"Titulo", p.Titulo},
          {"Uso", p.Uso},
          {"NumLosas", p.NumLosas},
          {"NumApoyos", p.NumApoyos},
          {"Fc", p.Fc},
          {"Fy", p.Fy},
          {"EspesorGeneral", Simple(p.EspesorGeneral)},
          {"Recubrimiento", Simple(p.Recubrimiento)},
          {"CargaMuerta", Simple(p.CargaMuerta)},
          {"CargaViva", Simple(p.CargaViva)},
          {"CargaUltimaGeneral", Simple(p.CargaUltimaGeneral)},
          {"EspesorCapa", capas},
          {"PesoUnitCapa", pesos},
          {"Panderetas", p.Panderetas},
          {"OtrasCargas", Simple(p.OtrasCargas)}};
}

json Losas(const Proyecto& p) {
  json losas = json::array();
  for (int i = 1; i <= p.NumLosas; ++i) {
    auto k = static_cast<std::size_t>(i);
    losas.push_back({{"Num", i},
                     {"Lx", Simple(p.Lx[k])},
                     {"Ly", Simple(p.Ly[k])},
                     {"Bordes", p.Bordes[k]},
                     {"CodigoLosa", p.CodigoLosa[k]},
                     {"CargaMuertaVano", Simple(p.CargaMuertaVano[k])},
                     {"CargaVivaVano", Simple(p.CargaVivaVano[k])},
                     {"CargaMuertaVuelo", Simple(p.CargaMuertaVuelo[k])},
                     {"CargaVivaVuelo", Simple(p.CargaVivaVuelo[k])},
                     {"EspesorLosa", Simple(p.EspesorLosa[k])},
                     {"CargaUltima", Simple(p.CargaUltima[k])},
                     {"RelacionLados", Simple(p.RelacionLados[k])},
                     {"MomentoX", Simple(p.MomentoX[k])},
                     {"MomentoY", Simple(p.MomentoY[k])},
                     {"MomentoNegX", Simple(p.MomentoNegX[k])},
                     {"MomentoNegY", Simple(p.MomentoNegY[k])},
                     {"AreaX", Simple(p.AreaX[k])},
                     {"AreaY", Simple(p.AreaY[k])},
                     {"SeparX", Simple(p.SeparX[k])},
                     {"SeparY", Simple(p.SeparY[k])},
                     {"Qq1", Simple(p.Qq1[k])},
                     {"Qq2", Simple(p.Qq2[k])},
                     {"Qq3", Simple(p.Qq3[k])}});
  }
  return losas;
}

json Apoyos(const Proyecto& p) {
  json apoyos = json::array();
  for (int j = 1; j <= p.NumApoyos; ++j) {
    auto k = static_cast<std::size_t>(j);
    const bool y = p.ApoyoDir[k] == "Y";
    apoyos.push_back({{"Num", j},
                      {"ApoyoDir", p.ApoyoDir[k]},
                      {"ApoyoLosa1", Simple(p.ApoyoLosa1[k])},
                      {"ApoyoLosa2", Simple(p.ApoyoLosa2[k])},
                      {"MomentoApoyo", Simple(y ? p.MomentoApoyoY[k] : p.MomentoApoyoX[k])},
                      {"AreaApoyo", Simple(y ? p.AreaApoyoY[k] : p.AreaApoyoX[k])},
                      {"Dispon", Simple(p.Dispon[k])},
                      {"Adicional", Simple(p.Adicional[k])},
                      {"SeparApoyo", Simple(p.SeparApoyo[k])},
                      {"BarraApoyo", p.BarraApoyo[k]}});
  }
  return apoyos;
}

// The checks beside the design; null where a check does not apply.
json Verificacion(const Verificaciones& v, bool calculado) {
  json bordes = json::array(), losas = json::array();
  // A Single widened to a double, as Simple writes it.
  const auto opcional = [](const auto& valor) { return valor ? json(*valor) : json(nullptr); };
  for (const VerificacionBorde& b : v.bordes)
    bordes.push_back({{"Losa", b.losa},
                      {"Borde", b.borde},
                      {"Momento", Simple(b.momento)},
                      {"Area", b.cumple ? Simple(b.area) : json(nullptr)},
                      {"Barras", b.cumple ? json(EtiquetaBarra(*b.barra)) : json(nullptr)},
                      {"Separ", b.cumple ? Simple(b.separ) : json(nullptr)},
                      {"Cumple", b.cumple}});
  for (const VerificacionLosa& l : v.losas) {
    losas.push_back({{"Losa", l.losa},
                     {"EspesorMinimo", Simple(l.espesorMinimo)},
                     {"Espesor", Simple(l.espesor)},
                     {"EspesorCumple", l.espesorCumple},
                     {"CortanteUltimo", Simple(l.cortanteUltimo)},
                     {"CortanteResistente", Simple(l.cortanteResistente)},
                     {"CortanteCumple", l.cortanteCumple},
                     {"AceroTemperaturaRequerido", opcional(l.aceroTemperaturaRequerido)},
                     {"AceroTemperaturaCumple", opcional(l.aceroTemperaturaCumple)},
                     {"SeparTemperatura", opcional(l.separTemperatura)}});
  }
  return {{"resumen", calculado ? json(ResumenVerificaciones(v)) : json(nullptr)},
          {"bordes", bordes},
          {"losas", losas}};
}

json Textos(const TablaResultado& t) {
  json filas = json::array();
  for (const auto& fila : t.filas) {
    json celdas = json::array();
    for (const auto& c : fila) celdas.push_back(c.texto);
    filas.push_back(celdas);
  }
  return filas;
}

// Display width of a UTF-8 text: its code points.
std::size_t Ancho(std::string_view t) {
  return static_cast<std::size_t>(std::count_if(
      t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void ImprimeTabla(std::ostream& o, std::string_view titulo, std::span<const std::string_view> columnas,
                  const TablaResultado& t) {
  std::vector<std::string> encabezados;
  for (auto c : columnas) encabezados.push_back(Recorta(c));
  std::vector<std::size_t> anchos;
  for (const auto& e : encabezados) anchos.push_back(Ancho(e));
  for (const auto& fila : t.filas)
    for (std::size_t c = 0; c < fila.size() && c < anchos.size(); ++c)
      anchos[c] = std::max(anchos[c], Ancho(fila[c].texto));
  auto linea = [&](auto&& texto) {
    std::string s;
    for (std::size_t c = 0; c < anchos.size(); ++c) {
      std::string celda = texto(c);
      if (c > 0) s += "  ";
      s += std::string(anchos[c] - std::min(anchos[c], Ancho(celda)), ' ') + celda;
    }
    o << RecortaDerecha(s) << "\n";
  };
  o << "\n" << titulo << "\n";
  linea([&](std::size_t c) { return encabezados[c]; });
  for (const auto& fila : t.filas)
    linea([&](std::size_t c) { return c < fila.size() ? fila[c].texto : std::string(); });
}

TablaResultado TablaDatosLosas(const Proyecto& p) {
  TablaResultado t;
  for (int i = 1; i <= p.NumLosas; ++i) {
    auto k = static_cast<std::size_t>(i);
    t.filas.push_back({{std::to_string(i), {}},
                       {Formato(p.Lx[k], "0.000"), {}},
                       {Formato(p.Ly[k], "0.000"), {}},
                       {p.Bordes[k], {}},
                       {std::to_string(p.CodigoLosa[k]), {}},
                       {Formato(p.CargaMuertaVano[k], "0.000"), {}},
                       {Formato(p.CargaVivaVano[k], "0.000"), {}},
                       {Formato(p.CargaMuertaVuelo[k], "0.000"), {}},
                       {Formato(p.CargaVivaVuelo[k], "0.000"), {}},
                       {Formato(p.EspesorLosa[k], "0.000"), {}}});
  }
  return t;
}

TablaResultado TablaDatosApoyos(const Proyecto& p) {
  TablaResultado t;
  for (int j = 1; j <= p.NumApoyos; ++j) {
    auto k = static_cast<std::size_t>(j);
    t.filas.push_back({{std::to_string(j), {}},
                       {p.ApoyoDir[k], {}},
                       {TextoNumero(p.ApoyoLosa1[k]), {}},
                       {TextoNumero(p.ApoyoLosa2[k]), {}}});
  }
  return t;
}

void ImprimeDatos(std::ostream& o, const Proyecto& p) {
  o << "Proyecto: " << p.Titulo << "\n"
    << "Uso: " << p.Uso << "\n"
    << "F'c: " << p.Fc << " Kg/cm2   Fy: " << p.Fy
    << " Kg/cm2   Recubrimiento: " << Formato(p.Recubrimiento, "0.00")
    << " cm   Espesor general: " << Formato(p.EspesorGeneral, "0.000") << " m\n"
    << "Carga muerta: " << Formato(p.CargaMuerta, "0.000")
    << " To/m2   Carga viva: " << Formato(p.CargaViva, "0.000")
    << " To/m2   Carga ultima: " << Formato(p.CargaUltimaGeneral, "0.000") << " To/m2\n";
  static constexpr std::string_view kLosas[] = {
      "Num",          "Lx (m)",        "Ly (m)",      "Bordes",   "Codigo", "Muerta (To/m2)",
      "Viva (To/m2)", "Muerta (To/m)", "Viva (To/m)", "Espes (m)"};
  static constexpr std::string_view kApoyos[] = {"Apoyo", "Dir", "Losa 1", "Losa 2"};
  ImprimeTabla(o, "DESCRIPCION DE LOSAS", kLosas, TablaDatosLosas(p));
  ImprimeTabla(o, "A P O Y O S", kApoyos, TablaDatosApoyos(p));
}

void ImprimeResultados(std::ostream& o, const Sesion& s) {
  ImprimeTabla(o, kTituloVanos, kColumnasVanos, s.vanos);
  ImprimeTabla(o, kTituloApoyosRefuerzo, kColumnasApoyosRefuerzo, s.apoyosRefuerzo);
  ImprimeTabla(o, kCaptionGrillaReacciones, kColumnasReacciones, s.reacciones.Tabla());
  TablaResultado cantidades = s.medidas.tabla;
  std::vector<Celda> totales{{"Totales", {}}};
  for (const auto& t : s.medidas.totales) totales.push_back({Recorta(t), {}});
  cantidades.filas.push_back(totales);
  ImprimeTabla(o, kTituloCantidades, kColumnasCantidades, cantidades);
}

}  // namespace

int EjecutaCalculoPorLotes(const OpcionesLote& op, std::ostream& salida, std::ostream& errores) {
  Sesion s;
  InterlocutorLote ui;

  // Start-up, and the general data dialog that opens by itself, closed with OK.
  IniciaPrograma(s, ui);
  AceptaDatosGenerales(s);
  ui.Olvida();

  json doc = {{"archivo", op.archivo},
              {"error", nullptr},
              {"general", nullptr},
              {"losas", json::array()},
              {"apoyos", json::array()},
              {"vanos", json::array()},
              {"apoyos_tabla", json::array()},
              {"reacciones", json::array()},
              {"cantidades", json::array()},
              {"totales", json::array()},
              {"verificaciones", Verificacion({}, false)}};
  auto termina = [&](int estado) {
    // One object per line, so that many projects make JSON Lines.
    if (op.json) salida << doc << "\n";
    return estado;
  };

  if (!CargaArchivo(s, op.archivo, ui)) {
    doc["error"] = ui.Primero();
    errores << "placatec-calc: " << op.archivo << ": "
            << (ui.Primero().empty() ? "no se pudo cargar el archivo" : ui.Primero()) << "\n";
    return termina(1);
  }
  AceptaDatosGenerales(s);  // the general data dialog that the load opened
  ui.Olvida();

  int estado = 0;
  if (op.salvar && !SalvaArchivo(s, op.salva, ui)) {
    doc["error"] = ui.Primero();
    errores << "placatec-calc: " << op.salva << ": " << ui.Primero() << "\n";
    estado = 3;
    ui.Olvida();
  }

  const bool calculado = CalculaRefuerzo(s, ui);
  if (!calculado) {
    // A failed save keeps its message and its status: it is what the caller must know first.
    if (doc["error"].is_null()) doc["error"] = ui.Primero();
    errores << "placatec-calc: " << op.archivo << ": " << ui.Primero() << "\n";
    if (estado == 0) estado = 2;
  }
  ui.Olvida();

  // Reactions as their window computes them: the continuous supports only.
  s.proyecto.NumApoyosReac = s.proyecto.NumApoyos;
  s.reacciones.CalculaReacciones(ui);

  doc["general"] = General(s.proyecto);
  doc["losas"] = Losas(s.proyecto);
  doc["apoyos"] = Apoyos(s.proyecto);
  doc["reacciones"] = Textos(s.reacciones.Tabla());
  if (calculado) {
    doc["vanos"] = Textos(s.vanos);
    doc["apoyos_tabla"] = Textos(s.apoyosRefuerzo);
    doc["cantidades"] = Textos(s.medidas.tabla);
    doc["totales"] = s.medidas.totales;
    doc["verificaciones"] = Verificacion(s.verificaciones, true);
  }

  if (!op.json) {
    ImprimeDatos(salida, s.proyecto);
    if (calculado) ImprimeResultados(salida, s);
  }

  if (!op.pdf.empty()) {
#ifdef PLACATEC_CON_PDF
    std::string error;
    if (!ExportaPdf(s, op.pdf, error, op.pagina)) {
      errores << "placatec-calc: " << op.pdf << ": " << error << "\n";
      estado = estado ? estado : 3;
    }
#else
    errores << "placatec-calc: esta version no escribe reportes PDF\n";
    estado = estado ? estado : 3;
#endif
  }
  return termina(estado);
}

Resultado<ConfiguracionPagina> PaginaDeOpciones(const std::string& papel, bool apaisado,
                                                const std::string& margenes) {
  ConfiguracionPagina c;
  if (!papel.empty()) {
    const std::optional<int> codigo = CodigoPapel(papel);
    if (!codigo)
      return Falla{"Papel desconocido: \"" + papel + "\" (por ejemplo A4, Letter o \"" + NombrePapel(5) +
                   "\")."};
    c.papel = *codigo;
  }
  c.orientacion = apaisado ? 1 : 0;
  if (!margenes.empty()) {
    std::vector<std::string> partes{""};
    for (char ch : margenes) {
      if (ch == ',')
        partes.emplace_back();
      else
        partes.back().push_back(ch);
    }
    const char* nombres[4] = {"izquierdo", "derecho", "superior", "inferior"};
    const std::size_t indice[4] = {1, 3, 0, 2};  // left, right, top, bottom into top, left, bottom, right
    if (partes.size() != 4)
      return Falla{"Los margenes se dan como IZQ,DER,SUP,INF en pulgadas (por ejemplo 1,1,0.75,0.75)."};
    for (std::size_t k = 0; k < 4; ++k) {
      const double v = ValorTexto(partes[k]);
      if (!EsNumero(partes[k]) || !(v >= 0) || v > 20)
        return Falla{"Margen " + std::string(nombres[k]) + " no valido: \"" + Recorta(partes[k]) +
                     "\" (pulgadas, de 0 a 20)."};
      c.margenes[indice[k]] = static_cast<int>(std::lround(v * 1440));
    }
  }
  return c;
}

}  // namespace placatec
