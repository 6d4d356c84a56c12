#pragma once
// Reading and writing whole files on disk, for the project file, the report as PDF
// and anything else the program saves. Failures come back as the Spanish messages
// the program shows.
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

#include "model/Resultado.h"

namespace placatec {

// Files larger than this are no project files; the load refuses them unread.
constexpr std::size_t MaxBytesArchivo = 16u << 20;

// The whole file: "Archivo no Encontrado", "Archivo Ilegal" (larger than maximo) or
// the text of TextoErrorArchivo when it cannot be read.
Resultado<std::string> LeeArchivo(const std::string& ruta, std::size_t maximo = MaxBytesArchivo);

// Saves contenido in ruta safely: the bytes are written beside the target under
// another name, flushed to disk and put in the target's place only when complete, so
// the file that was there stays whole when anything fails. The failure is the text
// of TextoErrorArchivo.
Resultado<void> GuardaArchivo(const std::string& ruta, std::string_view contenido);

// Writes all the bytes to an open descriptor, again after an interruption or a short
// write; 0, or the errno of the write that failed.
int EscribeDescriptor(int fd, std::string_view datos);

// The text shown for a failed file operation: "El Disco no Esta Listo", "El Disco
// Esta Lleno", "Ilegal Nombre de Archivo", "Permiso Denegado", "Disco Protegido
// contra Escritura", or another Spanish text of the same form for the rarer system
// errors ("Error del Sistema No. N" for one without a text of its own).
std::string TextoErrorArchivo(std::error_code ec);

// The file a name leads to, whatever its spelling: the device and inode of an existing
// file (links followed), or, for a name not yet on disk, its absolute path with ".",
// ".." and the links of its folders resolved. Two names with the same identity read
// and write the same file.
struct IdentidadArchivo {
  bool existe = false;
  unsigned long long dispositivo = 0, nodo = 0;
  std::string ruta;  // only when !existe
  auto operator<=>(const IdentidadArchivo&) const = default;
};
IdentidadArchivo IdentidadDe(const std::string& ruta);

// Whether the two names lead to the same file (an empty name leads to none).
bool MismoArchivo(const std::string& a, const std::string& b);

}  // namespace placatec
