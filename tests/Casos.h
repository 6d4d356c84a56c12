#pragma once
// Cases kept in the text files of tests/corpus: one case a line, its fields between
// "|"; blank lines and lines starting with "#" (the working beside the values) are
// skipped. An empty result when the file cannot be read.
#include <fstream>
#include <string>
#include <vector>

namespace placatec {

inline std::vector<std::vector<std::string>> LeeCasos(const std::string& archivo) {
  std::vector<std::vector<std::string>> casos;
  std::ifstream f(archivo);
  for (std::string linea; std::getline(f, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    std::vector<std::string> campos;
    for (std::size_t desde = 0;;) {
      const std::size_t barra = linea.find('|', desde);
      campos.push_back(linea.substr(desde, barra - desde));
      if (barra == std::string::npos) break;
      desde = barra + 1;
    }
    casos.push_back(campos);
  }
  return casos;
}

}  // namespace placatec
