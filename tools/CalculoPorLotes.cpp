#include "CalculoPorLotes.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

#include "comandos/Arranque.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandoPlanta.h"
#include "comandos/ComandosArchivo.h"
#include "comandos/Sesion.h"
#include "design/CalculaLosas.h"
#include "model/ArchivoDisco.h"
#include "model/CodigoPagina.h"
#include "model/Defectos.h"
#include "model/Interlocutor.h"
#include "model/Numeros.h"
#include "outputs/Cantidades.h"
#include "outputs/Dxf.h"
#include "outputs/Planilla.h"
#include "outputs/Reacciones.h"
#include "outputs/Verificaciones.h"
#include "report/Papel.h"

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

// rapidjson's writer, with the texts that need no escape (the keys, most values) and
// the numbers copied into its buffer at once instead of character by character.
class Escritor : public rapidjson::Writer<rapidjson::StringBuffer> {
 public:
  using Writer::Writer;
  // texto as it stands, in quotes when comillas: printable ASCII, no '"' nor '\\'.
  void Copia(rapidjson::Type tipo, std::string_view texto, bool comillas) {
    Prefix(tipo);
    char* p = os_->Push(texto.size() + (comillas ? 2 : 0));
    if (comillas) *p++ = '"';
    std::memcpy(p, texto.data(), texto.size());
    if (comillas) p[texto.size()] = '"';
    EndValue(true);
  }
};

// The contract object is written as it is built: a document tree per project would cost
// more than the calculation itself when a whole folder of projects is checked.
class Json {
 public:
  // Writes into buffer, emptied first: a thread reuses one buffer for all its projects
  // instead of growing a new one each time.
  explicit Json(rapidjson::StringBuffer& buffer) : buffer_(buffer), w_(buffer) { buffer_.Clear(); }
  void Abre() { w_.StartObject(); }
  void Cierra() { w_.EndObject(); }
  void AbreLista(std::string_view clave) {
    Clave(clave);
    w_.StartArray();
  }
  void CierraLista() { w_.EndArray(); }
  template <class T>
  void Campo(std::string_view clave, const T& valor) {
    Clave(clave);
    Valor(valor);
  }
  void Valor(std::nullptr_t) { w_.Null(); }
  void Valor(bool v) { w_.Bool(v); }
  void Valor(int v) { w_.Int(v); }
  void Valor(Integer v) { w_.Int(v); }
  // A Single by its shortest text that reads back to it; a value out of range, never
  // stored, as null.
  void Valor(float v) {
    if (!std::isfinite(v)) return Valor(nullptr);
    char buf[32];
    w_.Copia(rapidjson::kNumberType, {buf, TextoJson(v, buf)}, false);
  }
  void Valor(double v) { std::isfinite(v) ? w_.Double(v) : w_.Null(); }
  // Texts from outside the program (a file name in Latin-1) may not be UTF-8: every
  // line of the output must still parse.
  void Valor(std::string_view t) {
    const auto escapa = [](unsigned char c) { return c < 0x20 || c == '"' || c == '\\' || c >= 0x80; };
    if (std::none_of(t.begin(), t.end(), escapa)) return w_.Copia(rapidjson::kStringType, t, true);
    if (std::all_of(t.begin(), t.end(), [](unsigned char c) { return c < 0x80; })) {
      w_.String(t.data(), static_cast<rapidjson::SizeType>(t.size()));  // ASCII is UTF-8
      return;
    }
    const std::string texto = Utf8Valido(t);
    w_.String(texto.data(), static_cast<rapidjson::SizeType>(texto.size()));
  }
  void Valor(const std::string& t) { Valor(std::string_view(t)); }
  void Valor(const char* t) { Valor(std::string_view(t)); }
  template <class T>
  void Valor(const std::optional<T>& v) {
    v ? Valor(*v) : Valor(nullptr);
  }
  template <class T, std::size_t N>
  void Valor(const std::array<T, N>& lista) {
    w_.StartArray();
    for (const T& v : lista) Valor(v);
    w_.EndArray();
  }
  // Cell texts, row by row.
  void Valor(const TablaResultado& t) {
    w_.StartArray();
    for (const auto& fila : t.filas) {
      w_.StartArray();
      for (const auto& c : fila) Valor(c.texto);
      w_.EndArray();
    }
    w_.EndArray();
  }
  // The keys are the contract's names, plain ASCII.
  void Clave(std::string_view k) { w_.Copia(rapidjson::kStringType, k, true); }
  std::string_view Texto() const { return {buffer_.GetString(), buffer_.GetSize()}; }

 private:
  rapidjson::StringBuffer& buffer_;
  Escritor w_;
};

void General(Json& j, const Proyecto& p) {
  j.Abre();
  j.Campo("Titulo", p.Titulo);
  j.Campo("Uso", p.Uso);
  j.Campo("NumLosas", p.NumLosas);
  j.Campo("NumApoyos", p.NumApoyos);
  j.Campo("Fc", p.Fc);
  j.Campo("Fy", p.Fy);
  j.Campo("EspesorGeneral", p.EspesorGeneral);
  j.Campo("Recubrimiento", p.Recubrimiento);
  j.Campo("CargaMuerta", p.CargaMuerta);
  j.Campo("CargaViva", p.CargaViva);
  j.Campo("CargaUltimaGeneral", p.CargaUltimaGeneral);
  j.Campo("EspesorCapa", p.EspesorCapa);
  j.Campo("PesoUnitCapa", p.PesoUnitCapa);
  j.Campo("Panderetas", p.Panderetas);
  j.Campo("OtrasCargas", p.OtrasCargas);
  j.Cierra();
}

void Losas(Json& j, const Proyecto& p, const ResultadosCalculo& r) {
  j.AbreLista("losas");
  for (int i = 1; i <= p.NumLosas; ++i) {
    auto k = static_cast<std::size_t>(i);
    const ResultadosLosa& l = r.losas[k];
    j.Abre();
    j.Campo("Num", i);
    j.Campo("Lx", p.Lx[k]);
    j.Campo("Ly", p.Ly[k]);
    j.Campo("Bordes", p.Bordes[k]);
    j.Campo("CodigoLosa", p.CodigoLosa[k]);
    j.Campo("CargaMuertaVano", p.CargaMuertaVano[k]);
    j.Campo("CargaVivaVano", p.CargaVivaVano[k]);
    j.Campo("CargaMuertaVuelo", p.CargaMuertaVuelo[k]);
    j.Campo("CargaVivaVuelo", p.CargaVivaVuelo[k]);
    j.Campo("EspesorLosa", p.EspesorLosa[k]);
    j.Campo("CargaUltima", l.CargaUltima);
    j.Campo("RelacionLados", l.RelacionLados);
    j.Campo("MomentoX", l.MomentoX);
    j.Campo("MomentoY", l.MomentoY);
    j.Campo("MomentoNegX", l.MomentoNegX);
    j.Campo("MomentoNegY", l.MomentoNegY);
    j.Campo("AreaX", l.AreaX);
    j.Campo("AreaY", l.AreaY);
    j.Campo("SeparX", l.SeparX);
    j.Campo("SeparY", l.SeparY);
    j.Campo("Qq1", l.Qq1);
    j.Campo("Qq2", l.Qq2);
    j.Campo("Qq3", l.Qq3);
    j.Cierra();
  }
  j.CierraLista();
}

void Apoyos(Json& j, const Proyecto& p, const ResultadosCalculo& r) {
  j.AbreLista("apoyos");
  for (int a = 1; a <= p.NumApoyos; ++a) {
    auto k = static_cast<std::size_t>(a);
    const ResultadosApoyo& ra = r.apoyos[k];
    const bool y = EsDireccionY(p.ApoyoDir[k]);
    j.Abre();
    j.Campo("Num", a);
    j.Campo("ApoyoDir", p.ApoyoDir[k]);
    j.Campo("ApoyoLosa1", p.ApoyoLosa1[k]);
    j.Campo("ApoyoLosa2", p.ApoyoLosa2[k]);
    j.Campo("MomentoApoyo", y ? ra.MomentoApoyoY : ra.MomentoApoyoX);
    j.Campo("AreaApoyo", y ? ra.AreaApoyoY : ra.AreaApoyoX);
    j.Campo("Dispon", ra.Dispon);
    j.Campo("Adicional", ra.Adicional);
    j.Campo("SeparApoyo", ra.SeparApoyo);
    j.Campo("BarraApoyo", ra.BarraApoyo);
    j.Cierra();
  }
  j.CierraLista();
}

// The checks beside the design; null where a check does not apply.
void Verificacion(Json& j, const Verificaciones& v, bool calculado) {
  j.Abre();
  j.Campo("resumen", calculado ? std::optional(ResumenVerificaciones(v)) : std::nullopt);
  j.AbreLista("bordes");
  for (const VerificacionBorde& b : v.bordes) {
    j.Abre();
    j.Campo("Losa", b.losa);
    j.Campo("Borde", b.borde > 0 ? std::optional(b.borde) : std::nullopt);
    j.Campo("Dir", std::string(1, b.direccion));
    j.Campo("Momento", b.momento);
    j.Campo("Area", b.cumple ? std::optional(b.area) : std::nullopt);
    j.Campo("Barras", b.cumple ? std::optional(EtiquetaBarra(*b.barra)) : std::nullopt);
    j.Campo("Separ", b.cumple ? std::optional(b.separ) : std::nullopt);
    j.Campo("Cumple", b.cumple);
    j.Cierra();
  }
  j.CierraLista();
  j.AbreLista("losas");
  for (const VerificacionLosa& l : v.losas) {
    j.Abre();
    j.Campo("Losa", l.losa);
    j.Campo("EspesorMinimo", l.espesorMinimo);
    j.Campo("Espesor", l.espesor);
    j.Campo("EspesorCumple", l.espesorCumple);
    j.Campo("CortanteUltimo", l.cortanteUltimo);
    j.Campo("CortanteResistente", l.cortanteResistente);
    j.Campo("CortanteCumple", l.cortanteCumple);
    j.Campo("AceroTemperaturaRequerido", l.aceroTemperaturaRequerido);
    j.Campo("AceroTemperaturaCumple", l.aceroTemperaturaCumple);
    j.Campo("SeparTemperatura", l.separTemperatura);
    j.Cierra();
  }
  j.CierraLista();
  j.AbreLista("avisos");
  for (const VerificacionAviso& a : v.avisos) {
    const auto numero = [](Integer n) { return n > 0 ? std::optional(n) : std::nullopt; };
    j.Abre();
    j.Campo("Tipo", NombreAviso(a.tipo));
    j.Campo("Losa", numero(a.losa));
    j.Campo("Apoyo", numero(a.apoyo));
    j.Campo("Borde", numero(a.borde));
    j.Campo("Dir", a.direccion ? std::optional(std::string(1, a.direccion)) : std::nullopt);
    j.Campo("Cumple", a.cumple);
    j.Campo("Motivo", a.motivo);
    j.Cierra();
  }
  j.CierraLista();
  j.Cierra();
}

// The bar schedule: its marks, the totals per bar size beside the take-off's and what
// it could not place.
void SeccionPlanilla(Json& j, const Planilla& p, bool calculado) {
  const auto numero = [](Integer n) { return n > 0 ? std::optional(n) : std::nullopt; };
  j.Abre();
  j.AbreLista("marcas");
  for (const MarcaBarra& m : p.marcas) {
    j.Abre();
    j.Campo("Marca", m.marca);
    j.Campo("Tipo", NombreTipoMarca(m.tipo));
    j.Campo("Ubicacion", UbicacionMarca(m));
    j.Campo("Losa", numero(m.losa));
    j.Campo("Apoyo", numero(m.apoyo));
    j.Campo("Borde", m.tipo == TipoMarca::Borde ? std::optional(m.bordeDibujado) : std::nullopt);
    j.Campo("Dir", std::string(1, m.direccion));
    j.Campo("Capa", m.superior ? "Superior" : "Inferior");
    j.Campo("Barras", EtiquetaBarra(*m.barra));
    j.Campo("Separ", m.separ);
    j.Campo("Area", m.area);
    j.Campo("Ancho", m.ancho);
    j.Campo("Cantidad", m.cantidad);
    j.Campo("Forma", FormaMarca(m));
    j.Campo("Gancho", m.gancho);
    j.Campo("Empalmes", m.empalmes);
    j.Campo("Traslape", m.traslape);
    j.Campo("Largo", m.largo);
    j.Campo("LargoTotal", m.largoTotal);
    j.Campo("Peso", m.peso);
    j.Campo("LosaReferencia", m.losaReferencia);
    j.Campo("Linea", std::array<float, 4>{m.x0, m.y0, m.x1, m.y1});
    j.Cierra();
  }
  j.CierraLista();
  j.AbreLista("totales");
  if (calculado)
    for (const TotalBarra& t : p.totales) {
      j.Abre();
      j.Campo("Barras", EtiquetaBarra(*t.barra));
      j.Campo("Largo", t.largo);
      j.Campo("Peso", t.peso);
      j.Campo("PesoCantidades", t.pesoCantidades);
      j.Cierra();
    }
  j.CierraLista();
  j.Campo("Peso", calculado ? std::optional(p.peso) : std::nullopt);
  j.Campo("PesoCantidades", calculado ? std::optional(p.pesoCantidades) : std::nullopt);
  j.AbreLista("notas");
  for (const std::string& n : p.notas) j.Valor(n);
  j.CierraLista();
  j.Cierra();
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

// The checks that fail, one line each, and the summary line last.
void ImprimeVerificaciones(std::ostream& o, const Verificaciones& v) {
  TablaResultado t;
  for (const FallaVerificacion& f : Fallas(v))
    t.filas.push_back({{f.elemento, {}}, {f.comprobacion, {}}, {f.valor, {}}, {f.limite, {}}});
  if (!t.filas.empty()) ImprimeTabla(o, "VERIFICACIONES QUE NO CUMPLEN", kColumnasFallas, t);
  o << "\n" << ResumenVerificaciones(v) << "\n";
}

// The load of "Carga archivo", from the named file or from the bytes of standard input.
bool Carga(Sesion& s, const OpcionesLote& op, InterlocutorLote& ui) {
  if (op.archivo != "-" || !op.entrada) return CargaArchivo(s, op.archivo, ui);
  if (!*op.entrada) {
    Mensaje m;
    m.texto = op.entrada->Mensaje();
    ui.Pregunta(m);
    return false;
  }
  return CargaBytes(s, **op.entrada, op.archivo, ui);
}

}  // namespace

std::string LineasDeMensaje(std::string_view mensaje) {
  std::string s;
  s.reserve(mensaje.size());
  for (std::size_t i = 0; i < mensaje.size(); ++i) {
    if (mensaje[i] != '\r')
      s.push_back(mensaje[i]);
    else if (i + 1 >= mensaje.size() || mensaje[i + 1] != '\n')
      s.push_back('\n');
  }
  return s;
}

int EjecutaCalculoPorLotes(const OpcionesLote& op, std::string& salida, std::ostream& errores) {
  Sesion s;
  InterlocutorLote ui;

  // Start-up, and the general data dialog that opens by itself, closed with OK.
  IniciaPrograma(s, ui);
  AceptaDatosGenerales(s);
  ui.Olvida();

  std::optional<std::string> error;  // the first message the caller must know
  // A refused calculation prints, beside its message, the values worked out before
  // the refusal.
  ResultadosCalculo rechazado;
  auto termina = [&](int estado, const Sesion* hecho, bool calculado) {
    if (!op.json) return estado;
    thread_local rapidjson::StringBuffer buffer;
    Json j(buffer);
    j.Abre();
    j.Campo("archivo", op.archivo);
    j.Campo("error", error);
    j.Clave("general");
    hecho ? General(j, hecho->proyecto) : j.Valor(nullptr);
    static const Proyecto vacio;
    const ResultadosCalculo& resultados = calculado ? hecho->resultados : rechazado;
    Losas(j, hecho ? hecho->proyecto : vacio, resultados);
    Apoyos(j, hecho ? hecho->proyecto : vacio, resultados);
    const TablaResultado ninguna;
    j.Campo("vanos", calculado ? hecho->vanos : ninguna);
    j.Campo("apoyos_tabla", calculado ? hecho->apoyosRefuerzo : ninguna);
    j.Campo("reacciones", hecho ? hecho->reacciones.Tabla() : ninguna);
    j.Campo("cantidades", calculado ? hecho->medidas.tabla : ninguna);
    j.AbreLista("totales");
    if (calculado)
      for (const auto& t : hecho->medidas.totales) j.Valor(t);
    j.CierraLista();
    j.Clave("verificaciones");
    Verificacion(j, calculado ? hecho->verificaciones : Verificaciones{}, calculado);
    j.Clave("planilla");
    SeccionPlanilla(j, calculado ? hecho->planilla : Planilla{}, calculado);
    j.Cierra();
    // One object per line, so that many projects make JSON Lines.
    const std::string_view texto = j.Texto();
    salida.reserve(salida.size() + texto.size() + 1);
    salida.append(texto);
    salida += '\n';
    return estado;
  };

  auto avisa = [&](const std::string& archivo, const std::string& mensaje) {
    errores << "placatec-calc: " << (archivo.empty() ? "\"\"" : archivo) << ": " << LineasDeMensaje(mensaje)
            << "\n";
  };

  if (!Carga(s, op, ui)) {
    error = ui.Primero();
    avisa(op.archivo, ui.Primero().empty() ? "no se pudo cargar el archivo" : ui.Primero());
    return termina(1, nullptr, false);
  }
  AceptaDatosGenerales(s);  // the general data dialog that the load opened
  ui.Olvida();

  int estado = 0;
  if (op.salva && !SalvaArchivo(s, *op.salva, ui)) {
    error = ui.Primero();
    avisa(*op.salva, ui.Primero());
    estado = 3;
    ui.Olvida();
  }

  const bool calculado = CalculaRefuerzo(s, ui);
  if (!calculado) {
    if (op.json) (void)CalculaLosas(s.proyecto, rechazado);
    // A failed save keeps its message and its status: it is what the caller must know first.
    if (!error) error = ui.Primero();
    avisa(op.archivo, ui.Primero());
    if (estado == 0) estado = 2;
  }
  ui.Olvida();

  // Reactions as their window computes them: the continuous supports, then the extra
  // supports that the file keeps.
  s.reacciones.CalculaReacciones(ui);

  if (!op.json) {
    std::ostringstream texto;
    ImprimeDatos(texto, s.proyecto);
    if (calculado) ImprimeResultados(texto, s);
    if (calculado && op.verificar) ImprimeVerificaciones(texto, s.verificaciones);
    salida += std::move(texto).str();
  }

  if (op.pdf) {
    // An empty name is refused as the save refuses it, before any page is drawn.
    std::string mensaje = op.pdf->empty() ? "Ilegal Nombre de Archivo"
                          : !op.modulo    ? "esta instalación no escribe reportes PDF"
                                          : "";
    if (mensaje.empty() && !op.modulo->escribe(s, *op.pdf, op.pagina, op.secciones, mensaje) &&
        mensaje.empty())
      mensaje = "no se pudo escribir el reporte";
    if (!mensaje.empty()) {
      if (!error) error = mensaje;
      avisa(*op.pdf, mensaje);
      estado = estado ? estado : 3;
    }
  }
  if (op.planilla) {
    std::string mensaje;
    if (op.planilla->empty())
      mensaje = "Ilegal Nombre de Archivo";
    else if (!calculado)
      mensaje = "la planilla de barras no se escribe: el refuerzo no se calculo";
    else if (const Resultado<void> escrito = GuardaArchivo(*op.planilla, CsvPlanilla(s.planilla)); !escrito)
      mensaje = escrito.Mensaje();
    if (!mensaje.empty()) {
      if (!error) error = mensaje;
      avisa(*op.planilla, mensaje);
      estado = estado ? estado : 3;
    }
  }
  if (op.dxf) {
    std::string mensaje = op.dxf->empty() ? "Ilegal Nombre de Archivo" : "";
    if (mensaje.empty()) {
      const Resultado<void> escrito = GuardaArchivo(*op.dxf, TextoDxf(DibujoDeSesion(s)));
      if (!escrito) mensaje = escrito.Mensaje();
    }
    if (!mensaje.empty()) {
      if (!error) error = mensaje;
      avisa(*op.dxf, mensaje);
      estado = estado ? estado : 3;
    }
  }
  if (estado == 0 && calculado && op.verificar && !Fallas(s.verificaciones).empty()) estado = 4;
  return termina(estado, &s, calculado);
}

int EstadoMayor(int a, int b) {
  const auto rango = [](int e) { return e == 4 ? 1 : e == 0 ? 0 : e + 1; };
  return rango(a) >= rango(b) ? a : b;
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
  // The margins leave at least an inch of paper each way; whether the report's tables
  // fit between them at a readable size is told when it is laid out.
  const MedidaHoja hoja = Hoja(c);
  const auto [arriba, izquierda, abajo, derecha] = c.margenes;
  if (izquierda + derecha > hoja.ancho - 1440 || arriba + abajo > hoja.alto - 1440)
    return Falla{"Los márgenes (" + margenes + " pulgadas) no dejan una pulgada de papel entre ellos en " +
                 NombrePapel(c.papel) + (apaisado ? " apaisado" : "") + "."};
  return c;
}

}  // namespace placatec
