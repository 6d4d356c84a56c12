#pragma once
// What the file tests share: a file's bytes, a file written, and everything a user sees
// of a session.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "comandos/Sesion.h"
#include "model/ArchivoLos.h"

namespace placatec {

inline std::string Bytes(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

inline void Escribe(const std::filesystem::path& ruta, const std::string& bytes) {
  std::ofstream(ruta, std::ios::binary) << bytes;
}

// The file the session would write, the general data boxes and the two tables' cells.
inline std::string VistaSesion(const Sesion& s) {
  std::string v = TextoProyecto(s.proyecto, s.generales.TextoUso());
  for (int c = 0; c < NumCajas; ++c) v += "|" + s.generales.Texto(static_cast<Caja>(c));
  v += "|" + s.generales.TextoNumLosas() + "|" + s.generales.TextoNumApoyos();
  for (const auto& f : s.losas.filas)
    for (const auto& c : f) v += "|" + c;
  for (const auto& f : s.apoyos.filas)
    for (const auto& c : f) v += "|" + c;
  return v;
}

}  // namespace placatec
