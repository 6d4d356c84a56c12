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
std::optional<Integer> Busca(const Caso (&tabla)[N], std::string_view bordes) {
  if (bordes.empty()) return std::nullopt;
  for (const Caso& c : tabla)
    if (c.bordes == bordes) return c.codigo;
  return std::nullopt;
}

}  // namespace

bool EsLosaEnUnaDireccion(float lx, float ly) {
  return ASingle(static_cast<double>(lx) / ly) >= 2.0f || ASingle(static_cast<double>(ly) / lx) >= 2.0f;
}

bool EsCasoUnaDireccion(int codigo) { return codigo >= 10 && codigo <= 13; }

bool UnaDireccionEnX(float relacionLados) { return relacionLados > 0.5f; }

std::optional<Integer> ClasificaDosBordes(std::string_view bordes) { return Busca(kDosBordes, bordes); }

std::optional<Integer> ClasificaCuatroBordes(std::string_view bordes) { return Busca(kCuatroBordes, bordes); }

std::string BordesDelCaso(float lx, float ly, const std::string& bordes) {
  if (!EsLosaEnUnaDireccion(lx, ly)) return bordes;
  const std::string letras = bordes.size() >= 4 ? bordes : bordes + std::string(4 - bordes.size(), ' ');
  return lx > ly ? letras.substr(2, 2) : letras.substr(0, 2);
}

std::optional<Integer> ClasificaLosa(float lx, float ly, const std::string& bordes) {
  const std::string letras = BordesDelCaso(lx, ly, bordes);
  return EsLosaEnUnaDireccion(lx, ly) ? ClasificaDosBordes(letras) : ClasificaCuatroBordes(letras);
}

std::string DescripcionCaso(int codigo) {
  // How the two edges of one direction are held.
  enum Par { AA, EA, EE, AN, EN };
  static constexpr const char* kPares[] = {"apoyados", "uno empotrado y otro apoyado", "empotrados",
                                           "uno apoyado y otro libre", "uno empotrado y otro libre"};
  // X pair (edges 1 and 2) and Y pair (edges 3 and 4) of the two-way codes.
  static constexpr Par kDosDirecciones[26][2] = {
      {AA, AA}, {AA, AA}, {EA, AA}, {AA, EA}, {EE, AA}, {AA, EE}, {EA, EA}, {EE, EA}, {EA, EE},
      {EE, EE}, {AA, AA}, {AA, AA}, {AA, AA}, {AA, AA}, {AA, AN}, {AA, EN}, {EE, AN}, {EE, EN},
      {AN, AA}, {EN, AA}, {AN, EE}, {EN, EE}, {EA, AN}, {EA, EN}, {AN, EA}, {EN, EA}};
  if (codigo >= 10 && codigo <= 12)
    return std::string("Una direccion, extremos ") + kPares[codigo == 10 ? AA : codigo == 11 ? EA : EE];
  if (codigo == 13) return "Voladizo en una direccion, un extremo empotrado y otro libre";
  if (codigo < 1 || codigo > 25) return {};
  const Par* par = kDosDirecciones[codigo];
  return std::string(codigo <= 9 ? "Dos direcciones" : "Dos direcciones con un borde libre") +
         ", bordes 1-2 " + kPares[par[0]] + ", bordes 3-4 " + kPares[par[1]];
}

}  // namespace placatec
