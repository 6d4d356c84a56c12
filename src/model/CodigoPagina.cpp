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

void AgregaUtf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    s.push_back(static_cast<char>(0xC0 | (c >> 6)));
    s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    s.push_back(static_cast<char>(0xE0 | (c >> 12)));
    s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
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

// The length of the well-formed UTF-8 sequence at texto[i] and its code point in c;
// 0 when the byte there starts none (a stray continuation byte, a sequence cut short,
// an overlong form, a surrogate or a code point beyond U+10FFFF).
std::size_t LeeUtf8(std::string_view texto, std::size_t i, char32_t& c) {
  const auto byte = [&](std::size_t k) {
    return k < texto.size() ? static_cast<unsigned char>(texto[k]) : 0u;
  };
  const unsigned b = byte(i);
  std::size_t largo = 0;
  char32_t minimo = 0;
  if (b < 0x80) {
    c = b;
    return 1;
  } else if (b >= 0xC2 && b <= 0xDF) {
    largo = 2, c = b & 0x1F, minimo = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    largo = 3, c = b & 0x0F, minimo = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    largo = 4, c = b & 0x07, minimo = 0x10000;
  } else {
    return 0;
  }
  for (std::size_t k = 1; k < largo; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return largo;
}

}  // namespace

std::string Utf8DesdeWindows1252(std::string_view bytes) {
  std::string s;
  s.reserve(bytes.size() + bytes.size() / 8);
  for (char b : bytes) AgregaUtf8(s, CodigoDe(static_cast<unsigned char>(b)));
  return s;
}

std::string Windows1252DesdeUtf8(std::string_view texto) {
  std::string s;
  s.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size();) {
    char32_t c = 0;
    const std::size_t largo = LeeUtf8(texto, i, c);
    s.push_back(largo == 0 ? '?' : ByteDe(c));
    i += largo == 0 ? 1 : largo;
  }
  return s;
}

std::string Utf8Valido(std::string_view texto) {
  std::string s;
  std::size_t i = 0, hecho = 0;
  while (i < texto.size()) {
    char32_t c = 0;
    const std::size_t largo = LeeUtf8(texto, i, c);
    if (largo > 0) {
      i += largo;
      continue;
    }
    if (s.empty()) s.reserve(texto.size() + 8);
    s.append(texto.substr(hecho, i - hecho));
    s.append(kReemplazo);
    hecho = ++i;
  }
  if (hecho == 0) return std::string(texto);
  s.append(texto.substr(hecho));
  return s;
}

}  // namespace placatec
