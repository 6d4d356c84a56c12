#include "model/SeccionPropia.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <set>

#include "model/CodigoPagina.h"
#include "model/Disposicion.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

// The numbers of slabs and supports in keys.
constexpr int kMayorNumero = std::max(MaxLosas, MaxApoyos);

bool EsSustituto(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// The value as it is written on its line.
std::string Escapa(std::string_view valor) {
  std::string s;
  s.reserve(valor.size());
  std::size_t i = 0;
  while (i < valor.size()) {
    const std::size_t inicio = i;
    const char32_t c = SiguienteCaracter(valor, i);
    if (c == '\\') {
      s += "\\\\";
    } else if (c == '\n') {
      s += "\\n";
    } else if (c == '\r') {
      s += "\\r";
    } else if (c == kNoEsCaracter || EsSustituto(c)) {
      s += '?';  // not a character: as everywhere else in the file
    } else if ((c < 0x20 && c != '\t') || c == 0x7F || !CabeEnWindows1252(c)) {
      char hex[16];
      std::snprintf(hex, sizeof hex, "\\u{%X}", static_cast<unsigned>(c));
      s += hex;
    } else {
      s.append(valor.substr(inicio, i - inicio));
    }
  }
  return s;
}

// The value that a line holds; nothing when a "\" starts no known sequence.
std::optional<std::string> Desescapa(std::string_view escrito) {
  std::string s;
  s.reserve(escrito.size());
  for (std::size_t i = 0; i < escrito.size(); ++i) {
    if (escrito[i] != '\\') {
      s.push_back(escrito[i]);
      continue;
    }
    if (++i >= escrito.size()) return std::nullopt;
    const char c = escrito[i];
    if (c == '\\') {
      s.push_back('\\');
    } else if (c == 'n') {
      s.push_back('\n');
    } else if (c == 'r') {
      s.push_back('\r');
    } else if (c == 'u' && i + 1 < escrito.size() && escrito[i + 1] == '{') {
      const std::size_t cierre = escrito.find('}', i + 2);
      if (cierre == std::string_view::npos) return std::nullopt;
      const std::string_view hex = escrito.substr(i + 2, cierre - i - 2);
      if (hex.empty() || hex.size() > 6 ||
          hex.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
        return std::nullopt;
      const auto codigo = static_cast<char32_t>(std::stoul(std::string(hex), nullptr, 16));
      if (codigo > 0x10FFFF || EsSustituto(codigo)) return std::nullopt;
      AgregaUtf8(s, codigo);
      i = cierre;
    } else {
      return std::nullopt;
    }
  }
  return s;
}

bool ClaveValida(std::string_view clave) {
  return !clave.empty() && std::all_of(clave.begin(), clave.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
  });
}

// Blanks, tabs and the old end-of-file mark only.
bool LineaVacia(std::string_view linea) {
  return linea.find_first_not_of(" \t\x1A") == std::string_view::npos;
}

// The marker line, blanks and tabs around it allowed.
bool EsMarca(std::string_view linea) {
  const std::size_t inicio = linea.find_first_not_of(" \t");
  if (inicio == std::string_view::npos) return false;
  linea.remove_prefix(inicio);
  return linea.substr(0, linea.find_last_not_of(" \t") + 1) == kMarcaSeccion;
}

bool EsDireccionX(std::string_view dir) { return Mayusculas(Recorta(dir)) == "X"; }

std::vector<std::string> Palabras(std::string_view t) {
  std::vector<std::string> palabras;
  std::size_t i = 0;
  while (i < t.size()) {
    const std::size_t inicio = t.find_first_not_of(" \t", i);
    if (inicio == std::string_view::npos) break;
    const std::size_t fin = std::min(t.find_first_of(" \t", inicio), t.size());
    palabras.emplace_back(t.substr(inicio, fin - inicio));
    i = fin;
  }
  return palabras;
}

// The rows of the reactions table after the continuous supports: "Apoyo.N=DIR LOSA1
// LOSA2", numbered on from the last continuous support, in order. A slab number 0
// means no slab on that side.
TipoItem ItemsApoyosAdicionales() {
  return ItemPorIndice(
      "Apoyo", "",
      [](const Proyecto& p, int n) -> std::optional<std::string> {
        if (n <= p.NumApoyos || n > p.NumApoyosReac) return std::nullopt;
        const auto j = static_cast<std::size_t>(n);
        return std::string(EsDireccionX(p.ApoyoDir[j]) ? "X" : "Y") + " " + ValorNumero(p.ApoyoLosa1[j]) +
               " " + ValorNumero(p.ApoyoLosa2[j]);
      },
      [](Proyecto& p, int n, const std::string& valor) -> std::optional<std::string> {
        if (n <= p.NumApoyos) return "el apoyo " + std::to_string(n) + " es un apoyo continuo";
        const int siguiente = std::max(p.NumApoyos, p.NumApoyosReac) + 1;
        if (n != siguiente) return "se esperaba el apoyo " + std::to_string(siguiente);
        const std::vector<std::string> partes = Palabras(valor);
        if (partes.size() != 3) return std::string("se esperan la direccion y las dos losas");
        if (partes[0] != "X" && partes[0] != "Y") return std::string("la direccion debe ser X o Y");
        const std::optional<float> losa1 = NumeroDeValor(partes[1]), losa2 = NumeroDeValor(partes[2]);
        if (!losa1 || !losa2) return std::string("numero de losa no valido");
        const auto j = static_cast<std::size_t>(n);
        p.ApoyoDir[j] = partes[0];
        p.ApoyoLosa1[j] = *losa1;
        p.ApoyoLosa2[j] = *losa2;
        p.NumApoyosReac = static_cast<Integer>(n);
        return std::nullopt;
      });
}

// The description of every support, continuous or extra, unless it is the "Apoyo N"
// that an empty one becomes.
TipoItem ItemsDescripciones() {
  return ItemPorIndice(
      "Apoyo", "Descripcion",
      [](const Proyecto& p, int n) -> std::optional<std::string> {
        if (n > std::max(p.NumApoyos, p.NumApoyosReac)) return std::nullopt;
        const std::string& d = p.ApoyoDescripcion[static_cast<std::size_t>(n)];
        if (Recorta(d).empty() || d == "Apoyo " + std::to_string(n)) return std::nullopt;
        return d;
      },
      [](Proyecto& p, int n, const std::string& valor) -> std::optional<std::string> {
        if (n > std::max(p.NumApoyos, p.NumApoyosReac)) return "no existe el apoyo " + std::to_string(n);
        p.ApoyoDescripcion[static_cast<std::size_t>(n)] = valor;
        return std::nullopt;
      });
}

// The place of a slab that the engineer set, one coordinate an item: "Losa.3.X0=4.5".
TipoItem ItemsPosicion(const char* campo, Tabla<std::optional<Single>> Proyecto::*coordenada) {
  return ItemPorIndice(
      "Losa", campo,
      [coordenada](const Proyecto& p, int n) -> std::optional<std::string> {
        const std::optional<Single>& v = (p.*coordenada)[static_cast<std::size_t>(n)];
        if (n > p.NumLosas || !v) return std::nullopt;
        return ValorNumero(*v);
      },
      [coordenada](Proyecto& p, int n, const std::string& valor) -> std::optional<std::string> {
        if (n > p.NumLosas) return "no existe la losa " + std::to_string(n);
        const std::optional<float> v = NumeroDeValor(valor);
        if (!v || std::fabs(*v) > kPosicionMaxima)
          return "la posicion debe ser un numero entre -" + TextoNumero(kPosicionMaxima) + " y " +
                 TextoNumero(kPosicionMaxima) + " m";
        (p.*coordenada)[static_cast<std::size_t>(n)] = *v;
        return std::nullopt;
      });
}

// Both coordinates of a slab, written slab by slab: "Losa.3.X0", "Losa.3.Y0", "Losa.4.X0".
TipoItem ItemsPosiciones() {
  const TipoItem x = ItemsPosicion("X0", &Proyecto::X0), y = ItemsPosicion("Y0", &Proyecto::Y0);
  return {[x, y](std::string_view c) { return x.Reconoce(c) || y.Reconoce(c); },
          [x, y](std::string_view c, const std::string& valor, Proyecto& p) {
            return (x.Reconoce(c) ? x : y).Lee(c, valor, p);
          },
          [x, y](const Proyecto& p, std::vector<ItemSeccion>& items) {
            std::vector<ItemSeccion> xs, ys;
            x.Escribe(p, xs);
            y.Escribe(p, ys);
            // Each list is in slab order; "Losa.N." is the same prefix in both.
            auto losa = [](const ItemSeccion& i) { return std::stoi(i.clave.substr(5)); };
            std::merge(xs.begin(), xs.end(), ys.begin(), ys.end(), std::back_inserter(items),
                       [&](const ItemSeccion& a, const ItemSeccion& b) { return losa(a) < losa(b); });
          }};
}

}  // namespace

const std::vector<TipoItem>& TiposDeItem() {
  static const std::vector<TipoItem> tipos = [] {
    std::vector<TipoItem> t = {ItemsApoyosAdicionales(), ItemsDescripciones(), ItemsPosiciones()};
    for (const CampoFicha& c : kCamposFicha)
      t.push_back(ItemTexto(
          "Proyecto." + std::string(c.clave), [m = c.texto](auto& p) -> auto& { return p.Ficha.*m; }));
    return t;
  }();
  return tipos;
}

std::vector<std::string> LineasSeccion(const Proyecto& p, const std::vector<TipoItem>& tipos) {
  std::vector<ItemSeccion> items;
  for (const TipoItem& t : tipos) t.Escribe(p, items);
  if (items.empty() && p.ItemsDesconocidos.empty()) return {};
  std::vector<std::string> lineas{std::string(kMarcaSeccion)};
  for (const ItemSeccion& item : items) lineas.push_back(item.clave + "=" + Escapa(item.valor));
  lineas.insert(lineas.end(), p.ItemsDesconocidos.begin(), p.ItemsDesconocidos.end());
  return lineas;
}

std::optional<std::string> LeeSeccion(std::string_view resto, int primeraLinea, Proyecto& p,
                                      const std::vector<TipoItem>& tipos) {
  bool enSeccion = false;
  std::set<std::string, std::less<>> leidas;  // a known item given twice is a damaged file
  int numero = primeraLinea;
  std::size_t pos = 0;
  while (pos < resto.size()) {
    const std::size_t fin = std::min(resto.find_first_of("\r\n", pos), resto.size());
    const std::string_view linea = resto.substr(pos, fin - pos);
    // A line ends at CR LF, LF or a lone CR, as for the reader of the long form.
    pos = fin;
    if (pos < resto.size() && resto[pos] == '\r') ++pos;
    if (pos < resto.size() && resto[pos] == '\n') ++pos;
    const int esta = numero++;
    if (!enSeccion) {
      enSeccion = EsMarca(linea);
      continue;
    }
    if (LineaVacia(linea)) continue;

    auto falla = [esta](std::string_view clave, std::string_view razon) {
      std::string m = "Archivo Ilegal\rLinea " + std::to_string(esta) + ": ";
      if (!clave.empty()) m += std::string(clave) + ": ";
      return m + std::string(razon);
    };
    const std::size_t igual = linea.find('=');
    if (igual == std::string_view::npos) return falla("", "falta el signo =");
    const std::string_view clave = linea.substr(0, igual);
    if (!ClaveValida(clave)) return falla("", "clave no valida");
    const auto tipo =
        std::find_if(tipos.begin(), tipos.end(), [&](const TipoItem& t) { return t.Reconoce(clave); });
    if (tipo == tipos.end()) {
      p.ItemsDesconocidos.emplace_back(linea);
      continue;
    }
    if (!leidas.emplace(clave).second) return falla(clave, "clave repetida");
    const std::optional<std::string> valor = Desescapa(linea.substr(igual + 1));
    if (!valor) return falla(clave, "secuencia de escape no valida");
    if (std::optional<std::string> razon = tipo->Lee(clave, *valor, p)) return falla(clave, *razon);
  }
  return std::nullopt;
}

TipoItem ItemPorIndice(
    std::string familia, std::string campo,
    std::function<std::optional<std::string>(const Proyecto& p, int n)> escribe,
    std::function<std::optional<std::string>(Proyecto& p, int n, const std::string& valor)> lee) {
  const std::string prefijo = familia + ".";
  const std::string sufijo = campo.empty() ? std::string() : "." + campo;
  // The number's text in a key of this kind, or nothing.
  auto numero = [prefijo, sufijo](std::string_view clave) -> std::optional<std::string_view> {
    if (clave.size() <= prefijo.size() + sufijo.size() || clave.substr(0, prefijo.size()) != prefijo ||
        clave.substr(clave.size() - sufijo.size()) != sufijo)
      return std::nullopt;
    const std::string_view n = clave.substr(prefijo.size(), clave.size() - prefijo.size() - sufijo.size());
    if (n.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    return n;
  };
  return {[numero](std::string_view clave) { return numero(clave).has_value(); },
          [numero, lee](std::string_view clave, const std::string& valor,
                        Proyecto& p) -> std::optional<std::string> {
            const std::string_view n = *numero(clave);
            const int i = n.size() <= 2 && n[0] != '0' ? std::stoi(std::string(n)) : 0;
            if (i < 1 || i > kMayorNumero) return "numero fuera de 1 a " + std::to_string(kMayorNumero);
            return lee(p, i, valor);
          },
          [prefijo, sufijo, escribe](const Proyecto& p, std::vector<ItemSeccion>& items) {
            for (int n = 1; n <= kMayorNumero; ++n)
              if (std::optional<std::string> v = escribe(p, n))
                items.push_back({prefijo + std::to_string(n) + sufijo, std::move(*v)});
          }};
}

std::string ValorNumero(float v) { return std::isfinite(v) ? TextoNumero(v) : std::string("0"); }

std::optional<float> NumeroDeValor(std::string_view valor) {
  if (!EsNumero(valor) || ValorTextoDesborda(valor)) return std::nullopt;
  const float v = ASingle(ValorTexto(valor));
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace placatec
