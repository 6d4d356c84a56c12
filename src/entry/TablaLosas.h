#pragma once
// Form model of the slab table "Datos de Losas": the grid's rows as cell texts, the
// procedures that copy them into the project, and every event of the dialog. The
// window mirrors the cell texts and forwards edits, keys and buttons here.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Disposicion.h"
#include "model/EstadoSesion.h"
#include "model/Interlocutor.h"
#include "model/Proyecto.h"

namespace placatec {

// Column indexes of the slab grid.
namespace ColLosa {
constexpr int Num = 0, Lx = 1, Ly = 2, Borde1 = 3, Borde2 = 4, Borde3 = 5, Borde4 = 6, MuertaVano = 7,
              VivaVano = 8, MuertaVuelo = 9, VivaVuelo = 10, Espesor = 11, X0 = 12, Y0 = 13;
}

inline constexpr std::string_view kTituloTablaLosas = "Datos de Losas";
inline constexpr std::string_view kCaptionGrillaLosas = "DESCRIPCION DE LOSAS";
// The last two columns, the slab's place in the storey, are empty for a slab laid out
// from the continuous supports.
inline constexpr std::array<std::string_view, 14> kColumnasLosas = {
    "Num",         "   Lx     (m)", " Ly   (m)",      "1 (Izq)",      "2 (Der)",
    "3 (Abajo)",   "4 (Arriba)",    "Muerta (To/m2)", "Viva (To/m2)", "Muerta (To/m)",
    "Viva (To/m)", "Espes (m)",     "X0 (m)",         "Y0 (m)"};

// A header over several neighbouring columns.
struct GrupoColumnas {
  std::string_view texto;
  int primera, ultima;
};
inline constexpr std::array<GrupoColumnas, 4> kGruposLosas = {
    {{"Condiciones de borde", ColLosa::Borde1, ColLosa::Borde4},
     {"Cargas en vano", ColLosa::MuertaVano, ColLosa::VivaVano},
     {"Cargas en vuelo", ColLosa::MuertaVuelo, ColLosa::VivaVuelo},
     {"Posicion", ColLosa::X0, ColLosa::Y0}}};

// The drop-down list of the edge columns: the letter put into the cell and its meaning.
struct CondicionBorde {
  std::string_view tipo, condicion;
};
inline constexpr std::array<std::string_view, 2> kColumnasListaBordes = {"Tipo", "Condicion de apoyo"};
inline constexpr std::array<CondicionBorde, 3> kListaBordes = {
    {{"A", "Apoyado"}, {"E", "Empotrado"}, {"N", "No apoyado"}}};

// Captions of the other controls.
inline constexpr std::string_view kMarcoPosicionBordes = "Posicion Bordes";
inline constexpr std::string_view kMarcoValoresGlobales = "Valores Globales";
inline constexpr std::string_view kBotonCargaMuerta = "Carga Muerta";
inline constexpr std::string_view kBotonCargaViva = "Carga Viva";
inline constexpr std::string_view kBotonEspesor = "Espesor";
inline constexpr std::string_view kBotonCambia = "Cambia";
inline constexpr std::string_view kBotonCopiaLosa = "Copia losa";
inline constexpr std::string_view kBotonProcesa = "Procesa";

inline constexpr std::string_view kMensajeNumeroGrande = "Numero demasiado grande\rvalor no aceptado";

// The project holds at most 99 slabs; the grid refuses a 100th row with this text.

class TablaLosas {
 public:
  static constexpr int NumColumnas = 14;
  using Fila = std::array<std::string, NumColumnas>;

  // The three quantities of "Valores Globales".
  enum class Cantidad { CargaMuerta, CargaViva, Espesor };

  TablaLosas(Proyecto& p, EstadoSesion& e) : p_(p), e_(e) {}

  std::vector<Fila> filas;
  int filaActual = 0;  // 0-based
  int columnaActual = 1;
  std::string textoValor;  // the "Valores Globales" box (Text2)
  bool abierta = false;    // the dialog is shown

  void Vacia() {
    filas.clear();
    filaActual = 0;
  }
  // Appends a row and makes it current; false (nothing added) when the grid already
  // holds 99 rows.
  bool AgregaFila(const Fila& f);
  void PrimeraFila() { filaActual = 0; }
  int NumFilas() const { return static_cast<int>(filas.size()); }

  // --- Procedures -----------------------------------------------------------------
  // Copies every row into the slab table (NumLosas := rows), renumbering, correcting
  // the edge letters, replacing zero or negative loads and thickness by the general
  // values and classifying each slab. A rejected edge combination marks the slab in
  // BordesInvalidos. A place cell left empty lets the layout place the slab; one that
  // holds no number within kPosicionMaxima is emptied with a message naming the slab.
  // Ends on the first row.
  void ProcesaLosa(Interlocutor& ui);
  // Checks the spans of row `fila` (a zero or negative span becomes 1, with a message
  // naming the slab) and returns the case code of its edges; nothing for a combination
  // without a case (a two-way slab's is told with a message naming the slab).
  std::optional<Integer> CargaLinea(int fila, Interlocutor& ui);
  // Fills empty or non-numeric cells of row `fila` with the row defaults.
  void ChequeaNumeros(int fila);
  void ChequeaNumeros() { ChequeaNumeros(filaActual); }

  // --- Events of the grid and the dialog -----------------------------------------
  // The dialog comes up: process every row, complete the first, first row, column 1.
  void Activa(Interlocutor& ui);
  // The grid has committed an added, changed or deleted row. Keeps the current row.
  void FilaActualizada(Interlocutor& ui);
  // The user starts a new row at the end of the grid: it comes with the row defaults
  // and is processed at once. Refused with a message when 99 rows exist.
  bool AgregaFilaNueva(Interlocutor& ui);
  // Removes row `fila`, or the rows `filas` (as they were numbered before), and
  // processes the rest; the slabs after them move up, and alRenumerar hears it.
  void BorraFila(int fila, Interlocutor& ui) { BorraFilas({fila}, ui); }
  void BorraFilas(std::vector<int> filas, Interlocutor& ui);
  // Told whenever rows are removed or reordered: for each slab number k before the
  // change (index 0 unused) its number after it, 0 for a slab removed. The supports,
  // which name slabs by number, follow through it.
  std::function<void(const std::vector<int>& nuevoNumero, Interlocutor& ui)> alRenumerar;
  // The text of a cell while it is being edited; nothing is processed yet. A cell
  // other than the current one becomes current first (see MueveCelda).
  void EditaCelda(int fila, int columna, std::string texto);
  // The same as the user types: a number too large for a Single is refused with a
  // beep and kMensajeNumeroGrande, and the cell keeps its text. Returns whether the
  // text was taken.
  bool EditaCelda(int fila, int columna, std::string texto, Interlocutor& ui);
  // The current cell moves to (fila, columna): an edited edge cell that does not read
  // A, E or N (in any case) becomes "A".
  void MueveCelda(int fila, int columna);
  // Enter in the grid: commits the row and moves one column right; from the last
  // column to the first data column of the next row.
  void TeclaEnter(Interlocutor& ui);
  // "Procesa".
  void Procesa(Interlocutor& ui);
  // OK: processes and closes the dialog.
  void OK(Interlocutor& ui);
  // Esc anywhere in the dialog, or Enter on the OK button: closes without processing;
  // the rows stay in the grid and are processed at the next activation.
  void Escape() { abierta = false; }

  // --- "Valores Globales" -----------------------------------------------------------
  // Key filter of the value box: digits, one "." and backspace ('\b'); any other key,
  // or a second ".", is refused with a beep. Returns whether the key is taken.
  bool AceptaTeclaValor(char tecla, Interlocutor& ui) const;
  // The box's text after an edit, typed or pasted: what was inserted passes the same
  // filter (a comma becomes the point). Refused with a beep, the box keeping its text.
  bool EditaValor(std::string_view texto, Interlocutor& ui);
  // The buttons "Carga Muerta", "Carga Viva", "Espesor": the general value into the box.
  void PonValorGeneral(Cantidad c);
  // "Cambia": the box's value (or the general value when the box is empty or holds no
  // positive number) into every slab and every row, after a confirmation.
  void Cambia(Cantidad c, Interlocutor& ui);

  // The rows whose cell of quantity c reads `valor` (the general value they took), and
  // the same cells given `nuevo`, in the grid and in the project.
  int LosasConValor(Cantidad c, Single valor) const;
  void CambiaValor(Cantidad c, Single anterior, Single nuevo);

  // "Copia losa": after a Yes, appends a copy of the current row and processes. The copy
  // leaves out the place: two slabs set at one place would overlap.
  void CopiaLosa(Interlocutor& ui);

 private:
  bool FilaValida(int fila) const { return fila >= 0 && fila < NumFilas(); }
  void ProcesaConservandoPosicion(Interlocutor& ui);

  Proyecto& p_;
  EstadoSesion& e_;
};

}  // namespace placatec
