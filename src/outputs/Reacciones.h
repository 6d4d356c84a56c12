#pragma once
// Form model of the reactions window: the continuous supports and the extra supports
// the engineer appends, with the dead, live and factored line loads (To/m) that the
// slabs on either side put on them.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/EstadoSesion.h"
#include "model/Interlocutor.h"
#include "model/Proyecto.h"
#include "model/TablaResultado.h"

namespace placatec {

// Column indexes of the reactions grid.
namespace ColReac {
constexpr int Num = 0, Descripcion = 1, Dir = 2, Losa1 = 3, Losa2 = 4, Muerta = 5, Viva = 6, Ultima = 7;
}

inline constexpr std::string_view kTituloReacciones = "REACCIONES DE LOSAS SOBRE APOYOS";
inline constexpr std::string_view kCaptionGrillaReacciones = "R E A C C I O N E S   S O B R E   A P O Y O S";
inline constexpr std::array<std::string_view, 8> kColumnasReacciones = {"Apoyo",
                                                                        "Descripcion",
                                                                        "Dir",
                                                                        "Losa 1",
                                                                        "Losa 2",
                                                                        "Carga muerta (To/m)",
                                                                        "Carga viva (To/m)",
                                                                        "Carga ultima (To/m)"};
inline constexpr std::string_view kBotonOKReacciones = "OK";
inline constexpr std::string_view kBotonCalcula = "Calcula";
inline constexpr std::string_view kBotonTip = "Tip";

inline constexpr std::string_view kMensajeErroresDatos = "Hay errores en los datos";

// The explanation of extra supports shown by the "Tip" button.
inline constexpr std::string_view kTextoTip =
    "Es posible agregar nuevos apoyos, como vigas, por ejemplo, "
    "a fin de calcular las reacciones de las losas sobre ellas. "
    "Para ello, el usuario debe colocar los datos de estas "
    "al final de la tabla y luego pulsar el botón <Calcula>. "
    "Los apoyos adicionales colocados de esta manera solo se "
    "usarán en el calculo de las reacciones y no se tomarán "
    "en cuenta en el cálculo del refuerzo de las losas. El total "
    "de apoyos definidos, incluyendo los adicionales, no deberá "
    "ser mayor de 99. El usuario podrá definir un apoyo que soporte "
    "una sola losa, colocando un cero en la casilla correspondiente "
    "a la <Losa 1> o a la <Losa 2> y el numero de la losa que apoya "
    "en la otra casilla. "
    "La direccion de un apoyo es la de los momentos que lo cruzan: un apoyo X es una viga "
    "paralela al eje Y, sobre los bordes 1 (izquierdo) y 2 (derecho) de sus losas; un "
    "apoyo Y es paralelo al eje X, sobre los bordes 3 (abajo) y 4 (arriba). Cada losa "
    "entrega a su apoyo la carga del borde sobre el que este se encuentra.";

// A dead and a live line load (To/m). Reactions are only shown, never stored, so
// they stay in double precision from the slab's data to the displayed text.
struct Reaccion {
  double muerta = 0.0;
  double viva = 0.0;
};

// The line loads of slab `losa` (1..99, spans greater than 0) on a support of
// direction `dir` ("X", lying on edges 1 and 2, or anything else for "Y", on edges 3
// and 4): on a short edge a third of the short span times
// the load on a short edge, (3 - m^2)/2 times that on a long edge; the whole span's
// load (plus the edge load) on the fixed edge of a one-way cantilever; the whole
// span's load on the one direction that carries a slab with a free edge.
Reaccion ReaccionLosa(const Proyecto& p, int losa, std::string_view dir);

// An extra support of the reactions table. The extra supports are the rows
// NumApoyos+1..NumApoyosReac of the support arrays, after the continuous supports.
struct ApoyoAdicional {
  std::string dir, descripcion;
  Single losa1 = 0.0f, losa2 = 0.0f;
  bool operator==(const ApoyoAdicional&) const = default;
};

// The extra supports of p, apart from the arrays they share with the continuous ones;
// a description that is only the "Apoyo N" of its row number comes empty.
std::vector<ApoyoAdicional> ApoyosAdicionales(const Proyecto& p);

// Puts the extra supports back after the NumApoyos continuous supports, as many as
// fit in 99 rows, and sets NumApoyosReac. Returns how many did not fit.
int ColocaApoyosAdicionales(Proyecto& p, const std::vector<ApoyoAdicional>& adicionales);

class TablaReacciones {
 public:
  static constexpr int NumColumnas = 8;
  using Fila = std::array<std::string, NumColumnas>;

  // An edit of the extra supports marks the project modified (e.Modificado).
  TablaReacciones(Proyecto& p, EstadoSesion& e) : p_(p), e_(e) {}

  std::vector<Fila> filas;
  int filaActual = 0;
  bool error = false;         // the window's error flag: "OK" does not close while set
  bool cursorEspera = false;  // the hourglass, shown while "Calcula" works
  bool abierta = false;

  int NumFilas() const { return static_cast<int>(filas.size()); }

  // Rebuilds the grid from the support arrays: rows 1..NumApoyosReac (never fewer than
  // the NumApoyos continuous supports; NumApoyosReac then counts the rows shown), an
  // empty description becoming "Apoyo j", the loads of both sides summed and factored
  // (1.4 dead + 1.7 live) as "0.000" texts.
  // A row whose slab number is negative, above 99 or above NumLosas, or names a slab
  // without valid data, gets empty load cells; the user then hears a beep and reads
  // "Hay errores en los datos". Returns false in that case.
  bool CalculaReacciones(Interlocutor& ui);

  // The main window's command opens the window: computes the table.
  void Abre(Interlocutor& ui);

  // The extra rows are kept in the project file: "Calcula" when it changes them, and
  // every edit of an extra row, mark the project modified.
  //
  // "Calcula": reads the extra rows (those after the NumApoyos continuous supports)
  // into the support arrays and recomputes. An extra row without any slab, with a slab
  // cell that is not a number or names no slab of the project, or with a direction
  // other than X or Y, stops it: beep, error flag, "Hay errores en los datos". The rows
  // read before stay and NumApoyosReac counts only them; the grid keeps its texts.
  bool Calcula(Interlocutor& ui);

  // "OK": "Calcula", then closes unless it found an error.
  void OK(Interlocutor& ui);

  // The continuous supports are edited in the supports table only.
  bool EsFilaContinua(int fila) const { return fila >= 0 && fila < p_.NumApoyos; }

  // The button of a Dir cell of an extra row: "X" becomes "Y", anything else "X".
  void BotonDir(int fila);
  // An edit of columns 1..4 of an extra row. A "Losa 1" or "Losa 2" above NumLosas is
  // refused with a message and the cell emptied. Returns whether the text was taken.
  bool EditaCelda(int fila, int columna, std::string texto, Interlocutor& ui);
  // The grid reports a row edit: an empty Dir cell receives "X".
  void FilaEditada(int fila);
  // Appends an extra row (direction "X"); refused with a message at 99 rows.
  bool AgregaFilaNueva(Interlocutor& ui);
  // Removes an extra row; the continuous supports cannot be removed here.
  bool BorraFila(int fila);

  // The table as displayed, with the value behind each numeric cell, for the report
  // and the batch calculator.
  TablaResultado Tabla() const;

 private:
  bool FilaExtra(int fila) const { return fila >= p_.NumApoyos && fila < NumFilas(); }
  bool FallaCalcula(int filasLeidas, Interlocutor& ui);
  bool LeeFilasAdicionales(Interlocutor& ui);

  Proyecto& p_;
  EstadoSesion& e_;
};

}  // namespace placatec
