#pragma once
// Compares the fields an expected JSON names with those obtained: objects by the keys
// expected (a key the program adds is not compared), lists item by item with the same
// length, numbers with the comparison given, everything else exactly; "*" skips an item.
// Each difference is listed with its path.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace placatec {

template <class MismoNumero>
void ComparaJson(const nlohmann::json& esperado, const nlohmann::json& obtenido, const std::string& camino,
                 std::vector<std::string>& diferencias, const MismoNumero& mismoNumero) {
  const auto difiere = [&] {
    diferencias.push_back(camino + ": esperado " + esperado.dump() + ", obtenido " + obtenido.dump());
  };
  if (esperado == "*") return;
  if (esperado.is_object() && obtenido.is_object()) {
    for (const auto& [clave, valor] : esperado.items()) {
      if (!obtenido.contains(clave))
        diferencias.push_back(camino + "." + clave + ": falta");
      else
        ComparaJson(valor, obtenido[clave], camino + "." + clave, diferencias, mismoNumero);
    }
  } else if (esperado.is_array() && obtenido.is_array()) {
    if (esperado.size() != obtenido.size()) return difiere();
    for (std::size_t k = 0; k < esperado.size(); ++k)
      ComparaJson(esperado[k], obtenido[k], camino + "[" + std::to_string(k) + "]", diferencias, mismoNumero);
  } else if (esperado.is_number() && obtenido.is_number()) {
    if (!mismoNumero(esperado, obtenido)) difiere();
  } else if (esperado != obtenido) {
    difiere();
  }
}

// The first differences, one a line, for a failure message.
inline std::string ListaDiferencias(const std::vector<std::string>& diferencias) {
  std::string lista = std::to_string(diferencias.size()) + " diferencias:";
  for (std::size_t k = 0; k < diferencias.size() && k < 12; ++k) lista += "\n  " + diferencias[k];
  return lista;
}

}  // namespace placatec
