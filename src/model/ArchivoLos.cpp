#include "model/ArchivoLos.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

#include "model/CodigoPagina.h"
#include "model/Numeros.h"
#include "model/SeccionPropia.h"

namespace placatec {

namespace {

constexpr std::string_view kFinDeLinea = "\r\n";
constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

int Acotado(Integer n, int maximo) { return std::clamp(static_cast<int>(n), 0, maximo); }

std::string LineaArchivo(std::string_view texto) {
  std::string s = Windows1252DesdeUtf8(texto);
  std::replace_if(
      s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return s;
}

std::string TextoItem(std::string_view texto) {
  std::string s = LineaArchivo(texto);
  std::replace(s.begin(), s.end(), ',', ' ');
  return s;
}

// Walks through the text of a file item by item.
class Lector {
 public:
  explicit Lector(std::string_view texto) : t_(texto) {}

  // Everything up to the line end; empty when the file has ended.
  std::optional<std::string> LineaEntera() {
    if (pos_ >= t_.size()) return std::nullopt;
    const std::size_t inicio = pos_;
    while (pos_ < t_.size() && !EsFinDeLinea(t_[pos_])) ++pos_;
    std::string linea(t_.substr(inicio, pos_ - inicio));
    ConsumeFinDeLinea();
    return linea;
  }

  std::optional<std::string_view> Numero() {
    if (!BuscaItem()) return std::nullopt;
    const std::size_t inicio = pos_;
    while (pos_ < t_.size() && !EsBlanco(t_[pos_]) && t_[pos_] != ',' && !EsFinDeLinea(t_[pos_])) ++pos_;
    std::string_view item = t_.substr(inicio, pos_ - inicio);
    ConsumeDelimitador();
    return item;
  }

  std::optional<std::string> Texto() {
    if (!BuscaItem()) return std::nullopt;
    const std::size_t inicio = pos_;
    while (pos_ < t_.size() && t_[pos_] != ',' && !EsFinDeLinea(t_[pos_])) ++pos_;
    std::string_view item = t_.substr(inicio, pos_ - inicio);
    while (!item.empty() && EsBlanco(item.back())) item.remove_suffix(1);
    ConsumeDelimitador();
    return std::string(item);
  }

  // What is left of the text, and the number (from 1) of the line it starts on.
  std::string_view Resto() const { return t_.substr(pos_); }
  int Linea() const {
    int n = 1;
    for (std::size_t i = 0; i < pos_; ++i)
      if (t_[i] == '\n' || (t_[i] == '\r' && (i + 1 >= t_.size() || t_[i + 1] != '\n'))) ++n;
    return n;
  }

  // Whether nothing but blanks, line ends (and an old end-of-file mark) is left.
  bool Termino() const {
    for (std::size_t i = pos_; i < t_.size(); ++i)
      if (!EsBlanco(t_[i]) && !EsFinDeLinea(t_[i]) && t_[i] != '\x1A') return false;
    return true;
  }

 private:
  static bool EsBlanco(char c) { return c == ' ' || c == '\t'; }
  static bool EsFinDeLinea(char c) { return c == '\r' || c == '\n'; }

  void ConsumeFinDeLinea() {
    if (pos_ < t_.size() && t_[pos_] == '\r') ++pos_;
    if (pos_ < t_.size() && t_[pos_] == '\n') ++pos_;
  }

  // The first non-blank character of the next item, on this line or a later one.
  bool BuscaItem() {
    while (pos_ < t_.size() && (EsBlanco(t_[pos_]) || EsFinDeLinea(t_[pos_]))) ++pos_;
    return pos_ < t_.size();
  }

  // Consumes the item's delimiter; when only blanks follow it on its line, the line
  // end too, so that a whole-line item after it starts on the next line.
  void ConsumeDelimitador() {
    if (pos_ >= t_.size()) return;
    if (EsFinDeLinea(t_[pos_])) {
      ConsumeFinDeLinea();
      return;
    }
    ++pos_;
    std::size_t i = pos_;
    while (i < t_.size() && EsBlanco(t_[i])) ++i;
    if (i >= t_.size() || EsFinDeLinea(t_[i])) {
      pos_ = i;
      ConsumeFinDeLinea();
    }
  }

  std::string_view t_;
  std::size_t pos_ = 0;
};

std::optional<double> Valor(std::optional<std::string_view> item) {
  if (!item || !EsNumero(*item)) return std::nullopt;
  return ValorTexto(*item);
}

bool LeeEntero(Lector& l, Integer& destino) {
  auto v = Valor(l.Numero());
  if (!v) return false;
  auto e = AEntero(*v);
  if (!e) return false;
  destino = *e;
  return true;
}

bool LeeSimple(Lector& l, Single& destino) {
  auto v = Valor(l.Numero());
  if (!v) return false;
  const float f = ASingle(*v);
  if (!std::isfinite(f)) return false;
  destino = f;
  return true;
}

// The general data build the dead load from the layers (the slab layer as thick as
// the general thickness), the partitions and the other loads, and factor it by 1.4:
// both must fit in a Single, or the project would show and save an infinite load.
// Returns the field whose part of that load is largest when they do not.
std::optional<std::string_view> CampoQueDesborda(const Proyecto& p) {
  struct Parte {
    std::string_view campo;
    double carga;
  };
  std::vector<Parte> partes;
  for (std::size_t k = 0; k < 4; ++k)
    partes.push_back({kFilasCargaMuerta[k], std::fabs(static_cast<double>(p.EspesorCapa[k]) *
                                                      static_cast<double>(p.PesoUnitCapa[k]))});
  // The slab layer is shown as thick as the general thickness.
  const double losa =
      std::fabs(static_cast<double>(p.EspesorGeneral) * static_cast<double>(p.PesoUnitCapa[0]));
  if (losa > partes[0].carga)
    partes[0] = {std::fabs(p.EspesorGeneral) >= std::fabs(p.PesoUnitCapa[0]) ? "Espesor general de losas (m)"
                                                                             : kFilasCargaMuerta[0],
                 losa};
  partes.push_back({kFilasCargaMuerta[4], std::fabs(p.Panderetas)});
  partes.push_back({kFilasCargaMuerta[5], std::fabs(static_cast<double>(p.OtrasCargas))});
  double suma = 0.0;
  for (const Parte& parte : partes) suma += parte.carga;
  if (kFactorCargaMuerta * suma <= std::numeric_limits<float>::max()) return std::nullopt;
  return std::max_element(partes.begin(), partes.end(),
                          [](const Parte& a, const Parte& b) { return a.carga < b.carga; })
      ->campo;
}

bool LeeDoble(Lector& l, double& destino) {
  auto v = Valor(l.Numero());
  if (!v) return false;
  destino = *v;
  return true;
}

bool LeeTexto(Lector& l, std::string& destino) {
  auto t = l.Texto();
  if (!t) return false;
  destino = std::move(*t);
  return true;
}

// The file's text in UTF-8: Windows-1252, or UTF-8 after a byte order mark (its
// characters kept as far as the program's files can hold them).
std::string TextoDelArchivo(std::string_view bytes) {
  if (bytes.substr(0, kMarcaUtf8.size()) == kMarcaUtf8)
    return Utf8DesdeWindows1252(Windows1252DesdeUtf8(bytes.substr(kMarcaUtf8.size())));
  return Utf8DesdeWindows1252(bytes);
}

}  // namespace

void EscribeProyecto(const Proyecto& p, const std::string& textoUsoSelector, std::ostream& o) {
  const int losas = Acotado(p.NumLosas, MaxLosas);
  const int apoyos = Acotado(p.NumApoyos, MaxApoyos);
  o << LineaArchivo(p.Titulo) << kFinDeLinea;
  o << ItemArchivo(losas) << ItemArchivo(apoyos) << ItemArchivo(static_cast<int>(p.Fc))
    << ItemArchivo(static_cast<int>(p.Fy)) << ItemArchivo(p.EspesorGeneral) << ItemArchivo(p.Recubrimiento)
    << ItemArchivo(p.CargaMuerta) << ItemArchivo(p.CargaViva) << kFinDeLinea;
  for (int i = 1; i <= losas; ++i) {
    o << ItemArchivo(i) << TextoItem(p.Bordes[i]) << "," << ItemArchivo(p.Lx[i]) << ItemArchivo(p.Ly[i])
      << ItemArchivo(p.CargaMuertaVano[i]) << ItemArchivo(p.CargaVivaVano[i])
      << ItemArchivo(p.CargaMuertaVuelo[i]) << ItemArchivo(p.CargaVivaVuelo[i])
      << ItemArchivo(p.EspesorLosa[i]) << kFinDeLinea;
  }
  for (int j = 1; j <= apoyos; ++j) {
    o << ItemArchivo(j) << TextoItem(p.ApoyoDir[j]) << "," << ItemArchivo(p.ApoyoLosa1[j])
      << ItemArchivo(p.ApoyoLosa2[j]) << kFinDeLinea;
  }
  o << LineaArchivo(p.Uso) << kFinDeLinea;
  for (std::size_t k = 0; k < 4; ++k)
    o << ItemArchivo(p.EspesorCapa[k]) << ItemArchivo(p.PesoUnitCapa[k]) << kFinDeLinea;
  o << ItemArchivo(p.Panderetas) << ItemArchivo(p.OtrasCargas) << kFinDeLinea;
  o << LineaArchivo(textoUsoSelector) << kFinDeLinea;
  for (const std::string& linea : LineasSeccion(p)) o << LineaArchivo(linea) << kFinDeLinea;
}

std::string TextoProyecto(const Proyecto& p, const std::string& textoUsoSelector) {
  std::ostringstream o;
  EscribeProyecto(p, textoUsoSelector, o);
  return std::move(o).str();
}

ResultadoLectura LeeProyecto(std::string_view bytes, Proyecto& p) {
  ResultadoLectura r;
  const std::string texto = TextoDelArchivo(bytes);
  Lector l(texto);

  auto titulo = l.LineaEntera();
  if (!titulo) return r;
  p.Titulo = std::move(*titulo);
  if (!LeeEntero(l, p.NumLosas) || !LeeEntero(l, p.NumApoyos) || !LeeEntero(l, p.Fc) || !LeeEntero(l, p.Fy) ||
      !LeeSimple(l, p.EspesorGeneral) || !LeeSimple(l, p.Recubrimiento) || !LeeSimple(l, p.CargaMuerta) ||
      !LeeSimple(l, p.CargaViva))
    return r;
  if (p.NumLosas <= 0 || p.NumLosas > MaxLosas || p.NumApoyos < 0 || p.NumApoyos > MaxApoyos) return r;
  p.CargaUltimaGeneral = ASingle(kFactorCargaMuerta * static_cast<double>(p.CargaMuerta) +
                                 kFactorCargaViva * static_cast<double>(p.CargaViva));

  for (int i = 1; i <= p.NumLosas; ++i) {
    double numero = 0;  // the slab takes the number of its position
    if (!LeeDoble(l, numero) || !LeeTexto(l, p.Bordes[i]) || !LeeSimple(l, p.Lx[i]) ||
        !LeeSimple(l, p.Ly[i]) || !LeeSimple(l, p.CargaMuertaVano[i]) || !LeeSimple(l, p.CargaVivaVano[i]) ||
        !LeeSimple(l, p.CargaMuertaVuelo[i]) || !LeeSimple(l, p.CargaVivaVuelo[i]) ||
        !LeeSimple(l, p.EspesorLosa[i]))
      return r;
    if (p.Lx[i] == 0 || p.Ly[i] == 0) return r;  // the span ratio cannot be formed
    p.CargaMuertaVano[i] = ValorOGeneral(p.CargaMuertaVano[i], p.CargaMuerta);
    p.CargaVivaVano[i] = ValorOGeneral(p.CargaVivaVano[i], p.CargaViva);
    p.EspesorLosa[i] = ValorOGeneral(p.EspesorLosa[i], p.EspesorGeneral);
    r.losasLeidas = i;
  }

  for (int j = 1; j <= p.NumApoyos; ++j) {
    double numero = 0;
    if (!LeeDoble(l, numero) || !LeeTexto(l, p.ApoyoDir[j]) || !LeeSimple(l, p.ApoyoLosa1[j]) ||
        !LeeSimple(l, p.ApoyoLosa2[j]))
      return r;
  }

  p.Uso.clear();
  if (!l.Termino()) {
    auto uso = l.LineaEntera();
    if (!uso) return r;
    p.Uso = std::move(*uso);
    for (std::size_t k = 0; k < 4; ++k)
      if (!LeeSimple(l, p.EspesorCapa[k]) || !LeeSimple(l, p.PesoUnitCapa[k])) return r;
    // A value whose written text would not read back is refused here, never written.
    if (!LeeDoble(l, p.Panderetas) || !SeEscribeEnArchivo(p.Panderetas) || !LeeSimple(l, p.OtrasCargas))
      return r;
    auto selector = l.LineaEntera();
    if (!selector) return r;
    r.textoUso = Recorta(*selector);
    r.formaLarga = true;
  } else {
    const std::string mayusculas = Mayusculas(p.Titulo);
    if (mayusculas.find("TECHO") != std::string::npos) {
      p.Uso = "Techo";
      r.textoUso = "Techo plano";
    } else if (mayusculas.find("ENTREPISO") != std::string::npos) {
      p.Uso = "Entrepiso";
      r.textoUso = "Residencia: habitaciones, salas, etc.";
    } else {
      p.Uso = "Techo";
      r.textoUso = "Techo plano";
    }
    p.EspesorCapa = {0.1f, 0.0f, 0.0f, 0.0f};
    p.PesoUnitCapa = {2.4f, 0.0f, 0.0f, 0.0f};
    p.Panderetas = 0.0;
    p.OtrasCargas = ASingle(static_cast<double>(p.CargaMuerta) -
                            static_cast<double>(p.EspesorCapa[0]) * static_cast<double>(p.PesoUnitCapa[0]));
  }
  if (const auto campo = CampoQueDesborda(p)) {
    r.mensaje = "Archivo Ilegal\r" + std::string(*campo) + ": valor demasiado grande";
    return r;
  }
  p.NumApoyosReac = p.NumApoyos;
  if (r.formaLarga) {
    if (auto mensaje = LeeSeccion(l.Resto(), l.Linea(), p)) {
      r.mensaje = std::move(*mensaje);
      return r;
    }
  }
  r.completa = true;
  return r;
}

}  // namespace placatec
