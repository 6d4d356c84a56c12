#include "model/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// A decimal text: significant digits d1 d2 ... and the exponent of d1. Kept on the
// stack: every table cell and JSON number of a calculation goes through one.
struct Decimal {
  bool negativo = false;
  int n = 0;          // significant digits; none for zero
  int exponente = 0;  // value = 0.d1d2... x 10^(exponente+1)
  char digitos[24];   // no leading or trailing zeros; a double's shortest text has 17
};

// Trailing zeros dropped, then leading ones, each of these lowering the exponent.
void Normaliza(Decimal& d) {
  while (d.n > 0 && d.digitos[d.n - 1] == '0') --d.n;
  int z = 0;
  while (z < d.n && d.digitos[z] == '0') ++z;
  if (z > 0) {
    std::copy(d.digitos + z, d.digitos + d.n, d.digitos);
    d.n -= z;
    d.exponente -= z;
  }
}

// texto: [-]d[.ddd]e[+-]xx, as to_chars writes the scientific form.
Decimal DesdeCientifico(const char* p, const char* fin) {
  Decimal d;
  if (p < fin && *p == '-') {
    d.negativo = true;
    ++p;
  }
  for (; p < fin && *p != 'e' && *p != 'E'; ++p)
    if (EsDigito(*p) && d.n < static_cast<int>(sizeof d.digitos)) d.digitos[d.n++] = *p;
  if (p < fin) {
    ++p;
    const bool menos = p < fin && *p == '-';
    if (p < fin && (*p == '-' || *p == '+')) ++p;
    int e = 0;
    for (; p < fin && EsDigito(*p); ++p) e = e * 10 + (*p - '0');
    d.exponente = menos ? -e : e;
  }
  Normaliza(d);
  return d;
}

Decimal DecimalDe(double v, int significativos) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significativos - 1);
  return DesdeCientifico(buf, r.ptr);
}

// The digits of a whole number n x 10^potencia.
Decimal DecimalEntero(long long n, int potencia) {
  Decimal d;
  d.negativo = n < 0;
  const unsigned long long a =
      d.negativo ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  d.n = static_cast<int>(std::to_chars(d.digitos, d.digitos + sizeof d.digitos, a).ptr - d.digitos);
  d.exponente = d.n - 1 + potencia;
  if (a == 0) d.n = 0;
  Normaliza(d);
  return d;
}

// Most stored values have at most three decimals and six digits (4.05, 0.513): the
// thousandths of such a value, when the Single is the one nearest to them. Their
// decimal is then the only one of six digits that reads back to v, so the shortest,
// and also its 7 significant digits (checked against the general search over every
// such value).
std::optional<long> Milesimas(float v) {
  const double m = std::nearbyint(static_cast<double>(v) * 1000.0);
  if (v != 0 && std::fabs(m) < 1e6 && static_cast<float>(m / 1000.0) == v) return static_cast<long>(m);
  return std::nullopt;
}

Decimal DecimalDe(float v) {
  if (const std::optional<long> m = Milesimas(v)) return DecimalEntero(*m, -3);
  return DecimalDe(static_cast<double>(v), 7);
}

Decimal DecimalExacto(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  return DesdeCientifico(buf, r.ptr);
}

// Str-like text: sign position, no leading zero, exponent form outside plain range.
std::string TextoStr(const Decimal& d, int maxDigitos) {
  char buf[64];
  char* p = buf;
  *p++ = d.negativo && d.n > 0 ? '-' : ' ';
  const char* digitos = d.digitos;
  const int e = d.exponente;
  const int n = d.n;
  if (n == 0) {
    *p++ = '0';
  } else if (e >= maxDigitos || e < -4) {
    *p++ = digitos[0];
    if (n > 1) {
      *p++ = '.';
      p = std::copy(digitos + 1, digitos + n, p);
    }
    *p++ = 'E';
    *p++ = e < 0 ? '-' : '+';
    const int a = std::abs(e);
    if (a < 10) *p++ = '0';
    p = std::to_chars(p, buf + sizeof buf, a).ptr;
  } else if (e >= 0) {
    if (n <= e + 1) {
      p = std::copy(digitos, digitos + n, p);
      p = std::fill_n(p, e + 1 - n, '0');
    } else {
      p = std::copy(digitos, digitos + e + 1, p);
      *p++ = '.';
      p = std::copy(digitos + e + 1, digitos + n, p);
    }
  } else {
    *p++ = '.';
    p = std::fill_n(p, -e - 1, '0');
    p = std::copy(digitos, digitos + n, p);
  }
  return std::string(buf, p);
}

// The value of d rounded half away from zero to k decimals, as the whole number
// N = value x 10^k written into n in decimal digits (none for zero); its length.
std::size_t Redondeado(const Decimal& d, long k, char* n) {
  if (d.n == 0) return 0;
  const long conservar = d.exponente + 1L + k;  // digits left of the cut
  if (conservar < 0) return 0;
  const auto c = static_cast<std::size_t>(conservar);
  const auto digitos = static_cast<std::size_t>(d.n);
  if (digitos <= c) {
    std::copy(d.digitos, d.digitos + digitos, n);
    std::fill(n + digitos, n + c, '0');
    return c;
  }
  std::copy(d.digitos, d.digitos + c, n);
  if (d.digitos[c] < '5') {
    // No leading zeros: the first digit of d is never 0.
    return c;
  }
  std::size_t i = c;
  while (i > 0 && n[i - 1] == '9') n[--i] = '0';
  if (i > 0) {
    ++n[i - 1];
    return c;
  }
  // All nines (or nothing kept): one more digit in front, 1000... without leading zeros.
  std::fill(n + 1, n + c + 1, '0');
  n[0] = '1';
  return c + 1;
}

std::string AplicaFormato(const Decimal& d, std::string_view formato) {
  std::string_view entera = formato, fraccion;
  const auto punto = formato.find('.');
  if (punto != std::string_view::npos) {
    entera = formato.substr(0, punto);
    fraccion = formato.substr(punto + 1);
  }
  const auto minEntera = static_cast<std::size_t>(std::count(entera.begin(), entera.end(), '0'));
  const auto fijos = static_cast<std::size_t>(std::count(fraccion.begin(), fraccion.end(), '0'));
  const std::size_t k = fijos + static_cast<std::size_t>(std::count(fraccion.begin(), fraccion.end(), '#'));

  // N, with zeros in front up to k digits; a double's largest value needs some 310.
  const std::size_t capacidad = static_cast<std::size_t>(std::max(0L, d.exponente + 1L)) + 2 * k + 2;
  char local[512];
  std::string grande;
  char* n = local;
  if (capacidad > sizeof local) {
    grande.resize(capacidad);
    n = grande.data();
  }
  std::size_t largo = Redondeado(d, static_cast<long>(k), n);
  if (largo < k) {
    std::copy_backward(n, n + largo, n + k);
    std::fill(n, n + (k - largo), '0');
    largo = k;
  }
  const std::size_t largoEntera = largo - k;
  std::size_t largoFraccion = k;
  while (largoFraccion > fijos && n[largoEntera + largoFraccion - 1] == '0') --largoFraccion;
  const std::size_t ceros = minEntera > largoEntera ? minEntera - largoEntera : 0;
  if (ceros + largoEntera + largoFraccion == 0) return std::string();

  std::string texto;
  texto.reserve(1 + ceros + largoEntera + 1 + largoFraccion);
  if (d.negativo && d.n > 0) texto += '-';
  texto.append(ceros, '0');
  texto.append(n, largoEntera);
  if (largoFraccion > 0) {
    texto += '.';
    texto.append(n + largoEntera, largoFraccion);
  }
  return texto;
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
  // Thousandths read back to the Single they came from.
  if (Milesimas(v) || ASingle(ValorTexto(t)) == v) return t;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}
std::string TextoNumero(int v) { return std::to_string(v); }

std::size_t TextoJson(float v, char* buf) {
  if (const std::optional<long> m = Milesimas(v)) {
    char* p = buf;
    long n = *m;
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
std::string Formato(int v, std::string_view formato) { return AplicaFormato(DecimalEntero(v, 0), formato); }

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
