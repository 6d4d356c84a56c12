#include "model/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace placatec {

double RedondeaPar(double v) { return std::nearbyint(v); }  // default mode: ties to even

std::optional<std::int16_t> AEntero(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  double r = RedondeaPar(v);
  if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(r);
}

int IndiceLosa(float v) {
  if (!std::isfinite(v) || v < -1000.0f || v > 1000.0f) return -1;
  return static_cast<int>(RedondeaPar(v));
}

namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of t (0 when there is none).
std::size_t LargoNumero(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digitos = 0;
  while (i < t.size() && EsDigito(t[i])) {
    ++i;
    ++digitos;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && EsDigito(t[i])) {
      ++i;
      ++digitos;
    }
  }
  if (digitos == 0) return 0;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    std::size_t k = j;
    while (k < t.size() && EsDigito(t[k])) ++k;
    if (k > j) i = k;
  }
  return i;
}

double Convierte(std::string_view t) {
  // A plain number ("2.5", "-0.513", "1E-05") in one correctly rounded step; a leading
  // '+', a 'D' exponent or a value out of range as before, through strtod.
  double v;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (r.ec == std::errc{} && r.ptr == t.data() + t.size()) return v;
  std::string s(t);
  for (char& c : s)
    if (c == 'D' || c == 'd') c = 'E';
  return std::strtod(s.c_str(), nullptr);
}

}  // namespace

double ValorTexto(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && EsBlanco(t[i])) ++i;
  t.remove_prefix(i);
  std::size_t n = LargoNumero(t);
  if (n == 0) return 0.0;
  double v = Convierte(t.substr(0, n));
  return std::isfinite(v) ? v : 0.0;
}

bool EsNumero(std::string_view t) {
  std::string r = Recorta(t);
  if (r.empty()) return false;
  std::size_t n = LargoNumero(r);
  return n == r.size() && std::isfinite(Convierte(r));
}

bool ValorTextoDesborda(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && EsBlanco(t[i])) ++i;
  t.remove_prefix(i);
  std::size_t n = LargoNumero(t);
  return n > 0 && !std::isfinite(Convierte(t.substr(0, n)));
}

std::string Recorta(std::string_view t) {
  std::size_t a = 0, b = t.size();
  while (a < b && t[a] == ' ') ++a;
  while (b > a && t[b - 1] == ' ') --b;
  return std::string(t.substr(a, b - a));
}

std::string RecortaDerecha(std::string_view t) {
  std::size_t b = t.size();
  while (b > 0 && t[b - 1] == ' ') --b;
  return std::string(t.substr(0, b));
}

std::string Mayusculas(std::string_view t) {
  std::string s(t);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool EsDireccionY(std::string_view dir) {
  while (!dir.empty() && dir.front() == ' ') dir.remove_prefix(1);
  while (!dir.empty() && dir.back() == ' ') dir.remove_suffix(1);
  return dir == "Y" || dir == "y";
}

namespace {

// A decimal text: significant digits d1 d2 ... and the exponent of d1.
struct Decimal {
  bool negativo = false;
  std::string digitos;  // no leading zeros; empty for zero
  int exponente = 0;    // value = 0.d1d2... x 10^(exponente+1)
};

Decimal DesdeCientifico(const char* texto) {
  // texto: [-]d[.ddd]e[+-]xx
  Decimal d;
  const char* p = texto;
  if (*p == '-') {
    d.negativo = true;
    ++p;
  }
  while (*p && *p != 'e' && *p != 'E') {
    if (EsDigito(*p)) d.digitos.push_back(*p);
    ++p;
  }
  if (*p) d.exponente = std::atoi(p + 1);
  while (!d.digitos.empty() && d.digitos.back() == '0') d.digitos.pop_back();
  std::size_t z = 0;
  while (z < d.digitos.size() && d.digitos[z] == '0') {
    ++z;
    --d.exponente;
  }
  d.digitos.erase(0, z);
  return d;
}

Decimal DecimalDe(double v, int significativos) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific, significativos - 1);
  *r.ptr = '\0';
  return DesdeCientifico(buf);
}

Decimal DecimalDe(float v) { return DecimalDe(static_cast<double>(v), 7); }

Decimal DecimalExacto(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf - 1, v, std::chars_format::scientific);
  *r.ptr = '\0';
  return DesdeCientifico(buf);
}

// Str-like text: sign position, no leading zero, exponent form outside plain range.
std::string TextoStr(const Decimal& d, int maxDigitos) {
  std::string signo = d.negativo && !d.digitos.empty() ? "-" : " ";
  if (d.digitos.empty()) return signo + "0";
  const int e = d.exponente;
  const int n = static_cast<int>(d.digitos.size());
  std::string cuerpo;
  if (e >= maxDigitos || e < -4) {
    cuerpo = d.digitos.substr(0, 1);
    if (n > 1) cuerpo += "." + d.digitos.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
    cuerpo += exp;
  } else if (e >= 0) {
    if (n <= e + 1) {
      cuerpo = d.digitos + std::string(static_cast<std::size_t>(e + 1 - n), '0');
    } else {
      cuerpo = d.digitos.substr(0, static_cast<std::size_t>(e + 1)) + "." +
               d.digitos.substr(static_cast<std::size_t>(e + 1));
    }
  } else {
    cuerpo = "." + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digitos;
  }
  return signo + cuerpo;
}

// The value of d rounded half away from zero to k decimals, as the whole number
// N = value x 10^k in decimal digits ("" for zero).
std::string Redondeado(const Decimal& d, int k) {
  if (d.digitos.empty()) return "";
  const long conservar = static_cast<long>(d.exponente) + 1 + k;  // digits left of the cut
  if (conservar < 0) return "";
  std::string n = d.digitos;
  if (static_cast<long>(n.size()) <= conservar) {
    n.append(static_cast<std::size_t>(conservar) - n.size(), '0');
    return n;
  }
  bool sube = n[static_cast<std::size_t>(conservar)] >= '5';
  n.resize(static_cast<std::size_t>(conservar));
  if (sube) {
    int i = static_cast<int>(n.size()) - 1;
    while (i >= 0 && n[static_cast<std::size_t>(i)] == '9') {
      n[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0)
      n.insert(n.begin(), '1');
    else
      ++n[static_cast<std::size_t>(i)];
  }
  std::size_t z = 0;
  while (z < n.size() && n[z] == '0') ++z;
  return n.substr(z);
}

std::string AplicaFormato(const Decimal& d, std::string_view formato) {
  std::string_view entera = formato, fraccion;
  auto punto = formato.find('.');
  if (punto != std::string_view::npos) {
    entera = formato.substr(0, punto);
    fraccion = formato.substr(punto + 1);
  }
  int minEntera = 0;
  for (char c : entera)
    if (c == '0') ++minEntera;
  int fijos = 0, opcionales = 0;
  for (char c : fraccion) {
    if (c == '0')
      ++fijos;
    else if (c == '#')
      ++opcionales;
  }
  const int k = fijos + opcionales;
  std::string n = Redondeado(d, k);
  if (static_cast<int>(n.size()) < k) n.insert(0, static_cast<std::size_t>(k) - n.size(), '0');
  std::string parteEntera = n.substr(0, n.size() - static_cast<std::size_t>(k));
  std::string parteFraccion = n.substr(n.size() - static_cast<std::size_t>(k));
  while (static_cast<int>(parteFraccion.size()) > fijos && parteFraccion.back() == '0')
    parteFraccion.pop_back();
  if (static_cast<int>(parteEntera.size()) < minEntera)
    parteEntera.insert(0, static_cast<std::size_t>(minEntera) - parteEntera.size(), '0');
  std::string texto = parteEntera;
  if (!parteFraccion.empty()) texto += "." + parteFraccion;
  if (texto.empty()) return texto;
  return (d.negativo && !d.digitos.empty() ? "-" : "") + texto;
}

}  // namespace

std::string Str(float v) { return TextoStr(DecimalDe(v), 7); }
std::string Str(double v) { return TextoStr(DecimalDe(v, 15), 15); }
std::string Str(int v) { return (v < 0 ? "" : " ") + std::to_string(v); }

std::string TextoNumero(float v) { return Recorta(Str(v)); }

bool SeEscribeEnArchivo(double v) { return std::isfinite(v) && !ValorTextoDesborda(Str(v)); }

std::string TextoCelda(float v) {
  if (!std::isfinite(v)) return "0";
  std::string t = Formato(v, "0.##########");
  if (ASingle(ValorTexto(t)) == v) return t;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}
std::string TextoNumero(int v) { return std::to_string(v); }

std::size_t TextoJson(float v, char* buf) {
  // Most stored values have at most three decimals and six digits (4.05, 0.513): such a
  // decimal is the only one of six digits that reads back to v, so it is the shortest,
  // written here without the general search (checked against it over every float below
  // 1000).
  const double milesimas = std::nearbyint(static_cast<double>(v) * 1000.0);
  if (v != 0 && std::fabs(milesimas) < 1e6 && static_cast<float>(milesimas / 1000.0) == v) {
    char* p = buf;
    long n = static_cast<long>(milesimas);
    if (n < 0) {
      *p++ = '-';
      n = -n;
    }
    p = std::to_chars(p, p + 8, n / 1000).ptr;
    *p++ = '.';
    int decimales = static_cast<int>(n % 1000);
    if (decimales == 0) *p++ = '0';
    for (int divisor = 100; decimales > 0; divisor /= 10) {
      *p++ = static_cast<char>('0' + decimales / divisor);
      decimales %= divisor;
    }
    return static_cast<std::size_t>(p - buf);
  }
  char* fin = std::to_chars(buf, buf + 29, v).ptr;
  if (std::find_if(buf, fin, [](char c) { return c == '.' || c == 'e'; }) == fin) {
    *fin++ = '.';
    *fin++ = '0';
  }
  return static_cast<std::size_t>(fin - buf);
}

std::string Formato(float v, std::string_view formato) {
  if (!std::isfinite(v)) return "0";
  return AplicaFormato(DecimalDe(v), formato);
}
std::string Formato(double v, std::string_view formato) {
  if (!std::isfinite(v)) return "0";
  return AplicaFormato(DecimalExacto(v), formato);
}
std::string Formato(int v, std::string_view formato) {
  return AplicaFormato(DecimalExacto(static_cast<double>(v)), formato);
}

float ValorSingle(std::string_view t) {
  const float v = ASingle(ValorTexto(t));
  return std::isfinite(v) ? v : 0.0f;
}

std::string ComaDecimal(std::string_view t) {
  std::string r(t);
  for (char& c : r)
    if (c == ',') c = '.';
  return r;
}

bool AceptaTeclaNumerica(char32_t tecla, std::string_view textoActual) {
  if ((tecla >= U'0' && tecla <= U'9') || tecla == 8) return true;
  const bool tienePunto = textoActual.find_first_of(".,") != std::string_view::npos;
  return (tecla == U'.' || tecla == U',') && !tienePunto;
}

std::optional<std::string> EdicionNumerica(std::string_view anterior, std::string_view nuevo) {
  std::size_t inicio = 0;
  while (inicio < anterior.size() && inicio < nuevo.size() && anterior[inicio] == nuevo[inicio]) ++inicio;
  std::size_t fin = 0;
  while (fin < anterior.size() - inicio && fin < nuevo.size() - inicio &&
         anterior[anterior.size() - 1 - fin] == nuevo[nuevo.size() - 1 - fin])
    ++fin;
  const std::string_view insertado = nuevo.substr(inicio, nuevo.size() - inicio - fin);
  std::string antes(anterior.substr(0, inicio));
  const std::string despues(anterior.substr(anterior.size() - fin));
  for (const char c : insertado) {
    if (!AceptaTeclaNumerica(static_cast<unsigned char>(c), antes + despues)) return std::nullopt;
    antes += c == ',' ? '.' : c;
  }
  return antes + despues;
}

}  // namespace placatec
