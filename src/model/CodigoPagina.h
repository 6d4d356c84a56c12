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

// The text as it is when it is valid UTF-8; otherwise each byte that starts no
// well-formed sequence (a Latin-1 file name, say) becomes U+FFFD, so that what is
// written as UTF-8 always is.
std::string Utf8Valido(std::string_view texto);

}  // namespace placatec
