#pragma once
// Runs a shell command (usually the batch calculator) and keeps what it prints on
// its standard output and its exit status; the command line says where errors go.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace placatec {

struct Salida {
  int estado = -1;  // -1: the command could not be run or was killed
  std::string texto;
};

inline Salida EjecutaOrden(const std::string& orden) {
  Salida s;
  FILE* f = popen(orden.c_str(), "r");
  if (!f) return s;
  std::array<char, 4096> buf{};
  for (std::size_t n; (n = fread(buf.data(), 1, buf.size(), f)) > 0;) s.texto.append(buf.data(), n);
  const int r = pclose(f);
  s.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  return s;
}

// The exit status of every usage error of the batch calculator, as its help, its
// manual page and the README give it.
constexpr int kEstadoUso = 64;

// The batch calculator with these arguments, its error output discarded.
inline Salida EjecutaCalculador(const std::string& argumentos) {
  return EjecutaOrden(std::string(PLACATEC_CALC) + " " + argumentos + " 2>/dev/null");
}

}  // namespace placatec
