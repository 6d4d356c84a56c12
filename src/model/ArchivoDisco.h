#pragma once
// Reading and writing whole files on disk, for the project file, the report as PDF
// and anything else the program saves. Failures come back as the Spanish messages
// the program shows.
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

// The text shown for a failed file operation: "El Disco no Esta Listo", "El Disco
// Esta Lleno", "Ilegal Nombre de Archivo", "Permiso Denegado", "Disco Protegido
// contra Escritura", or the system's own description.
std::string TextoErrorArchivo(std::error_code ec);

}  // namespace placatec
