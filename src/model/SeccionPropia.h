#pragma once
// The program's own section at the end of the project file. The long form ends with
// the use selector's line, where a reader of the old format stops; after it come a
// marker line and one item a line, "clave=valor":
//
//   [Placatec]
//   Apoyo.3=Y 1 0
//   Apoyo.1.Descripcion=Viga eje A
//
// A key is made of ASCII letters, digits, "." and "_". The value is everything after
// the first "=", blanks and further "=" included; in it "\\" stands for a backslash,
// "\n" and "\r" for line breaks and "\u{HEX}" for a control character or a character
// that Windows-1252 cannot hold, so that any text fits on one line of the file. Blank
// lines are skipped. A file with nothing to keep there is written without the section,
// exactly as before. Items the program does not know are kept and written back
// unchanged, after its own.
//
// Every kind of item is one TipoItem of the list in TiposDeItem() (SeccionPropia.cpp),
// written in that list's order. ItemTexto and ItemPorIndice build the usual kinds:
//
//   ItemTexto("Proyecto.Nombre", [](auto& p) -> auto& { return p.NombreProyecto; }),
//   ItemPorIndice("Losa", "X0", EscribeX0, LeeX0),   // Losa.1.X0=2.5
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Proyecto.h"

namespace placatec {

inline constexpr std::string_view kMarcaSeccion = "[Placatec]";

// One item as the program means it: the key and the value (not yet escaped).
struct ItemSeccion {
  std::string clave;
  std::string valor;
};

// How one kind of item is read and written.
struct TipoItem {
  // Whether a key is one of this kind's.
  std::function<bool(std::string_view clave)> Reconoce;
  // Takes the value of one of its items into p; returns what is wrong with it
  // ("la direccion debe ser X o Y"), or nothing when it was taken.
  std::function<std::optional<std::string>(std::string_view clave, const std::string& valor, Proyecto& p)>
      Lee;
  // Appends the items it keeps for p, in the order they are written.
  std::function<void(const Proyecto& p, std::vector<ItemSeccion>& items)> Escribe;
};

// The kinds of item the program keeps, in the order they are written.
const std::vector<TipoItem>& TiposDeItem();

// The section's lines for p, without their line ends: the marker, then the items of
// every kind, then p.ItemsDesconocidos. None when there is nothing to keep.
std::vector<std::string> LineasSeccion(const Proyecto& p, const std::vector<TipoItem>& tipos = TiposDeItem());

// Reads the section from what follows the long form in the file (`resto`, in UTF-8,
// its first line being line `primeraLinea` of the file). Lines before the marker are
// skipped, as the old reader skips them; without a marker there is no section. Items
// of no kind go to p.ItemsDesconocidos. Returns nothing when it was read, else the
// message that refuses the file and names the damaged line:
// "Archivo Ilegal\rLinea 15: Apoyo.3: la direccion debe ser X o Y".
std::optional<std::string> LeeSeccion(std::string_view resto, int primeraLinea, Proyecto& p,
                                      const std::vector<TipoItem>& tipos = TiposDeItem());

// A kind with one text item, written when the text is not empty. `campo` gives the
// text's place in a project, const or not: [](auto& p) -> auto& { return p.Campo; }.
template <class Campo>
TipoItem ItemTexto(std::string clave, Campo campo) {
  return {[clave](std::string_view c) { return c == clave; },
          [campo](std::string_view, const std::string& valor, Proyecto& p) -> std::optional<std::string> {
            campo(p) = valor;
            return std::nullopt;
          },
          [clave, campo](const Proyecto& p, std::vector<ItemSeccion>& items) {
            if (!campo(p).empty()) items.push_back({clave, campo(p)});
          }};
}

// A kind with one item per slab or support number, "Familia.N.campo" (or "Familia.N"
// when campo is empty), N from 1 to 99. `escribe` gives the value of number N, or
// nothing when that number has no item; it is asked for N = 1..99 in order. `lee`
// takes the value of number N into p, or says what is wrong with it.
TipoItem ItemPorIndice(
    std::string familia, std::string campo,
    std::function<std::optional<std::string>(const Proyecto& p, int n)> escribe,
    std::function<std::optional<std::string>(Proyecto& p, int n, const std::string& valor)> lee);

// A stored Single as an item's value ("2.5", ".12", "-4"), and back: nothing when the
// text is not a number or does not fit in a Single.
std::string ValorNumero(float v);
std::optional<float> NumeroDeValor(std::string_view valor);

}  // namespace placatec
