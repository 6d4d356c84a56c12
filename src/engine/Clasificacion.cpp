#include "engine/Clasificacion.h"

#include <string_view>
#include <utility>

#include "model/Numeros.h"

namespace placatec {

namespace {

struct Caso {
  std::string_view bordes;
  Integer codigo;
};

constexpr Caso kDosBordes[] = {{"AA", 10}, {"AE", 11}, {"EA", 11}, {"EE", 12}, {"EN", 13}, {"NE", 13}};

constexpr Caso kCuatroBordes[] = {
    {"AAAA", 1},  {"EAAA", 2},  {"AEAA", 2},  {"AAAE", 3},  {"AAEA", 3},  {"EEAA", 4},  {"AAEE", 5},
    {"AEAE", 6},  {"EAEA", 6},  {"AEEA", 6},  {"EAAE", 6},  {"EEAE", 7},  {"EEEA", 7},  {"EAEE", 8},
    {"AEEE", 8},  {"EEEE", 9},  {"AAAN", 14}, {"AANA", 14}, {"AAEN", 15}, {"AANE", 15}, {"EEAN", 16},
    {"EENA", 16}, {"EEEN", 17}, {"EENE", 17}, {"ANAA", 18}, {"NAAA", 18}, {"ENAA", 19}, {"NEAA", 19},
    {"ANEE", 20}, {"NAEE", 20}, {"ENEE", 21}, {"NEEE", 21}, {"EAAN", 22}, {"EANA", 22}, {"AEAN", 22},
    {"AENA", 22}, {"EAEN", 23}, {"EANE", 23}, {"AEEN", 23}, {"AENE", 23}, {"ANAE", 24}, {"ANEA", 24},
    {"NAAE", 24}, {"NAEA", 24}, {"ENEA", 25}, {"ENAE", 25}, {"NEEA", 25}, {"NEAE", 25}};

template <std::size_t N>
bool Busca(const Caso (&tabla)[N], const std::string& bordes, Integer& codigo) {
  if (bordes.empty()) return false;
  for (const Caso& c : tabla) {
    if (c.bordes == bordes) {
      codigo = c.codigo;
      return true;
    }
  }
  return false;
}

}  // namespace

bool EsLosaEnUnaDireccion(float lx, float ly) {
  return ASingle(static_cast<double>(lx) / ly) >= 2.0f || ASingle(static_cast<double>(ly) / lx) >= 2.0f;
}

void ClasificaDosBordes(Proyecto& p) {
  p.ErrorBordes = 0;
  if (!Busca(kDosBordes, p.BordesActual, p.CodigoBordes)) p.ErrorBordes = 1;
}

bool ClasificaCuatroBordes(Proyecto& p) {
  p.ErrorBordes = 0;
  if (!Busca(kCuatroBordes, p.BordesActual, p.CodigoBordes)) p.ErrorBordes = 1;
  return p.ErrorBordes == 0;
}

bool ClasificaLosa(Proyecto& p, float lx, float ly, const std::string& bordes) {
  if (EsLosaEnUnaDireccion(lx, ly)) {
    std::string letras = bordes.size() >= 4 ? bordes : bordes + std::string(4 - bordes.size(), ' ');
    p.BordesActual = lx > ly ? letras.substr(2, 2) : letras.substr(0, 2);
    ClasificaDosBordes(p);
  } else {
    p.BordesActual = bordes;
    ClasificaCuatroBordes(p);
  }
  return p.ErrorBordes == 0;
}

}  // namespace placatec
