#pragma once
// The project file is 8-bit text in the Windows-1252 code page; the program keeps
// its texts in UTF-8. These two conversions are the only crossing between them.
// Outside texts (file names) that may not be UTF-8 are made valid by Utf8Valido.
#include <string>
#include <string_view>

namespace placatec {

// Every byte has a character: the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number,
// as Windows itself reads them, so that any file's text survives a round trip.
std::string Utf8DesdeWindows1252(std::string_view bytes);

// Characters that Windows-1252 cannot hold, and bytes that are not valid UTF-8,
// are written as "?".
std::string Windows1252DesdeUtf8(std::string_view texto);

// What SiguienteCaracter gives for a byte that starts no UTF-8 character.
inline constexpr char32_t kNoEsCaracter = 0x110000;

// The character of a UTF-8 text that starts at byte i, and i moved past it; a byte
// that starts no character (a lone continuation byte, an overlong or cut sequence, an
// encoded surrogate) gives kNoEsCaracter and moves i by one.
char32_t SiguienteCaracter(std::string_view texto, std::size_t& i);

// Whether Windows-1252 has a byte for the character.
bool CabeEnWindows1252(char32_t c);

// The character in UTF-8.
void AgregaUtf8(std::string& s, char32_t c);

// The text as it is when it is valid UTF-8; otherwise each byte that starts no
// well-formed sequence (a Latin-1 file name, say) becomes U+FFFD, so that what is
// written as UTF-8 always is.
std::string Utf8Valido(std::string_view texto);

}  // namespace placatec
