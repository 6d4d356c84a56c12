#pragma once
// Form model of the continuous supports table "Datos de Apoyos": the grid's rows as
// cell texts, `Procesar`, which copies the complete rows into the support arrays, and
// the events of the dialog. The window mirrors the texts and forwards what the user does.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/EstadoSesion.h"
#include "model/Interlocutor.h"
#include "model/Proyecto.h"
#include "outputs/Reacciones.h"

namespace placatec {

// Column indexes of the supports grid.
namespace ColApoyo {
constexpr int Num = 0, Dir = 1, Losa1 = 2, Losa2 = 3, Descripcion = 4;
}

inline constexpr std::string_view kTituloTablaApoyos = "Datos de Apoyos";
inline constexpr std::string_view kCaptionGrillaApoyos = "A P O Y O S";
inline constexpr std::array<std::string_view, 5> kColumnasApoyos = {"Apoyo", "Dir", "Losa 1", "Losa 2",
                                                                    "Descripcion"};
// Column names of the grid, as the program addresses them.
inline constexpr std::array<std::string_view, 5> kNombresColumnasApoyos = {"Num", "Dir", "Los1", "Los2",
                                                                           "Descripcion"};
inline constexpr std::string_view kBotonBorraTodo = "Borra Todo";
inline constexpr std::string_view kBotonProcesaApoyos = "Procesa";

inline constexpr std::string_view kMensajeErrorApoyos = "Error en los apoyos";
inline constexpr std::string_view kPreguntaBorraApoyos = "Seguro que quiere borrar todos los apoyos";

class TablaApoyos {
 public:
  static constexpr int NumColumnas = 5;  // Apoyo, Dir, Losa 1, Losa 2, Descripcion
  using Fila = std::array<std::string, NumColumnas>;

  TablaApoyos(Proyecto& p, EstadoSesion& e) : p_(p), e_(e) {}

  std::vector<Fila> filas;
  int filaActual = 0;
  std::string UltimaDir = "X";  // the direction last chosen, for new rows
  // The drop-down lists of "Losa 1" and "Losa 2": "1".."NumLosas".
  std::vector<std::string> listaLosas;
  bool abierta = false;

  void Vacia() {
    filas.clear();
    filaActual = 0;
  }
  // Appends a row and makes it current; false (nothing added) when the grid already
  // holds 99 rows.
  bool AgregaFila(const Fila& f);
  void PrimeraFila() { filaActual = 0; }
  int NumFilas() const { return static_cast<int>(filas.size()); }

  // Copies the complete rows (direction and both slab numbers) into the support
  // arrays as supports 1..NumApoyos, in table order and without gaps; removes the
  // incomplete rows (a first row with one slab number stays, uncounted, so the
  // engineer can finish it). A slab cell that is not a number, a direction other
  // than X or Y, or a 100th support ends it with "Error en los apoyos"; the supports
  // copied before stay and NumApoyos counts them. Returns false on such a failure.
  // The extra supports of the reactions table move to follow the continuous ones
  // (NumApoyosReac counts both); those that no longer fit in 99 rows are dropped with
  // a message.
  bool Procesar(Interlocutor& ui);

  // Form load: "X" into the empty Dir cell of the current row; UltimaDir := "X".
  void Carga();
  // The dialog comes up: fills the slab lists, processes the rows.
  void Activa(Interlocutor& ui);
  // The button of a Dir cell: "X" becomes "Y", anything else "X"; remembered.
  void BotonDir(int fila);
  // The text of a cell while it is being edited.
  void EditaCelda(int fila, int columna, std::string texto);
  // The grid reports an edit of row `fila`: an empty Dir cell takes UltimaDir.
  void FilaEditada(int fila);
  // The grid has committed an edited row: `Procesar` once more.
  void FilaActualizada(Interlocutor& ui) { Procesar(ui); }
  // The user starts a new row: it comes with UltimaDir. Refused at 99 rows.
  bool AgregaFilaNueva(Interlocutor& ui);
  // Removes row `fila` and processes the rest.
  void BorraFila(int fila, Interlocutor& ui);
  // "Procesa".
  void Procesa(Interlocutor& ui) { Procesar(ui); }
  // The slabs were renumbered (nuevoNumero as TablaLosas::alRenumerar gives it): the
  // slab cells of the grid and the support arrays, the extra supports of the reactions
  // included, follow them; a support that named a slab removed goes, and a message
  // lists those. Slab numbers that named no slab before stay as they are.
  void RenumeraLosas(const std::vector<int>& nuevoNumero, Interlocutor& ui);
  // "Borra Todo": after a Yes, empties the grid and the continuous supports (the
  // extra supports of the reactions table stay).
  void BorraTodo(Interlocutor& ui);
  // OK: processes (which passes the supports to the reactions table) and closes;
  // stays open when `Procesar` fails.
  void OK(Interlocutor& ui);
  // Enter on the OK button: closes without the other steps of OK.
  void EnterEnOK() { abierta = false; }

 private:
  bool FilaValida(int fila) const { return fila >= 0 && fila < NumFilas(); }
  void ReponeAdicionales(const std::vector<ApoyoAdicional>& adicionales, Interlocutor& ui);

  Proyecto& p_;
  EstadoSesion& e_;
};

}  // namespace placatec
