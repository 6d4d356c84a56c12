#include "model/CodigoPagina.h"

#include <array>
#include <cstdint>

namespace placatec {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own number.
constexpr std::array<char32_t, 32> kAltos = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodigoDe(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kAltos[b - 0x80];
  return b;
}

// The byte of a code point, or '?' when Windows-1252 has none.
char ByteDe(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kAltos.size(); ++i)
    if (kAltos[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

// U+FFFD, the replacement character, in UTF-8.
constexpr std::string_view kReemplazo = "\xEF\xBF\xBD";

}  // namespace

void AgregaUtf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    s.push_back(static_cast<char>(0xC0 | (c >> 6)));
    s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    s.push_back(static_cast<char>(0xE0 | (c >> 12)));
    s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    s.push_back(static_cast<char>(0xF0 | (c >> 18)));
    s.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string Utf8DesdeWindows1252(std::string_view bytes) {
  std::string s;
  s.reserve(bytes.size() + bytes.size() / 8);
  for (char b : bytes) AgregaUtf8(s, CodigoDe(static_cast<unsigned char>(b)));
  return s;
}

char32_t SiguienteCaracter(std::string_view texto, std::size_t& i) {
  const std::size_t n = texto.size();
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(texto[k]); };
  auto continuacion = [&](std::size_t k) { return k < n && (byte(k) & 0xC0) == 0x80; };
  const unsigned char b = byte(i);
  char32_t c = kNoEsCaracter;
  std::size_t largo = 1;
  if (b < 0x80) {
    c = b;
  } else if ((b & 0xE0) == 0xC0 && b >= 0xC2 && continuacion(i + 1)) {
    c = (static_cast<char32_t>(b & 0x1F) << 6) | (byte(i + 1) & 0x3F);
    largo = 2;
  } else if ((b & 0xF0) == 0xE0 && continuacion(i + 1) && continuacion(i + 2)) {
    const char32_t d = (static_cast<char32_t>(b & 0x0F) << 12) |
                       (static_cast<char32_t>(byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
    if (d >= 0x800 && (d < 0xD800 || d > 0xDFFF)) {  // an encoded surrogate is no character
      c = d;
      largo = 3;
    }
  } else if ((b & 0xF8) == 0xF0 && b <= 0xF4 && continuacion(i + 1) && continuacion(i + 2) &&
             continuacion(i + 3)) {
    const char32_t d = (static_cast<char32_t>(b & 0x07) << 18) |
                       (static_cast<char32_t>(byte(i + 1) & 0x3F) << 12) |
                       (static_cast<char32_t>(byte(i + 2) & 0x3F) << 6) | (byte(i + 3) & 0x3F);
    if (d >= 0x10000 && d <= 0x10FFFF) {
      c = d;
      largo = 4;
    }
  }
  i += largo;
  return c;
}

bool CabeEnWindows1252(char32_t c) { return c < 0x80 || (c != kNoEsCaracter && ByteDe(c) != '?'); }

std::string Windows1252DesdeUtf8(std::string_view texto) {
  std::string s;
  s.reserve(texto.size());
  std::size_t i = 0;
  while (i < texto.size()) {
    const char32_t c = SiguienteCaracter(texto, i);
    s.push_back(c == kNoEsCaracter ? '?' : ByteDe(c));
  }
  return s;
}

std::string Utf8Valido(std::string_view texto) {
  std::string s;
  std::size_t i = 0, hecho = 0;
  while (i < texto.size()) {
    const std::size_t inicio = i;
    if (SiguienteCaracter(texto, i) != kNoEsCaracter) continue;
    if (s.empty()) s.reserve(texto.size() + 8);
    s.append(texto.substr(hecho, inicio - hecho));
    s.append(kReemplazo);
    hecho = i;
  }
  if (hecho == 0) return std::string(texto);
  s.append(texto.substr(hecho));
  return s;
}

}  // namespace placatec
