#pragma once
// The data grid of every table of the program: a thin view over a list of rows of
// texts. The window that owns a grid copies its form model's rows in with PonFilas
// and forwards the grid's notifications to the form model; the grid itself decides
// nothing about the data.
//
// Set-up (once, in the window's constructor):
//   PonTitulo("DESCRIPCION DE LOSAS");           caption bar above the table
//   PonColumnas({{"Num"}, {"Lx (m)", "0.000"}}); captions and display formats;
//                                                emits ColumnasIniciadas
//   PonGrupo(3, 6, "Condiciones de borde");      group header over columns 3..6
//   PonLista(3, {{"A", "Apoyado"}, ...}, {"Tipo", "Condicion de apoyo"});
//                                                drop-down list; its first column
//                                                is the value put into the cell
//   PonBoton(1, true);                           cell button on column 1
//   DefineEstilo("Rojo", Qt::red); PonEstilo(fila, 6, "Rojo");
//   PonEditable(true); PonAgregaFilas(true); PonBorraFilas(true);
//
// Rows are 0-based here. A numeric cell text is shown in its column's display format
// ("0.00", "0.000", "##0.00", ...) while the cell keeps the text it was given; a
// text that is not a number is shown as it stands.
//
// Editing: typing into a cell opens its editor (a line box, or a drop-down box on a
// list column, whose list opens with Alt+Down or F4). Up and Down leave the editor for
// the row above or below, as they move the cursor when no editor is open. When the editor closes, the text is
// stored and CeldaEditada is emitted. The row being edited is "pending" until the current row moves to
// another row or ConfirmaEdicion() is called; then FilaConfirmada is emitted (Agregada for a row that was
// typed into the empty last row, Cambiada otherwise). With PonAgregaFilas(true) an empty row marked "*" stays
// below the last row; typing into it appends a row. With PonBorraFilas(true), Delete on rows selected through
// their row selectors (or "Borrar fila" in the context menu) removes them, after
// the confirmaBorrado hook agrees, and emits FilasBorradas.
//
// Writes through the API (PonFilas, PonTabla) never emit the editing notifications;
// they emit FilaPorMostrar for every row they put on screen, so that its owner can
// set cell styles from the cells' texts.
#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/TablaResultado.h"

class QLabel;
class QTableView;

namespace placatec {

class ModeloRejilla;
class VistaRejilla;

struct ColumnaRejilla {
  ColumnaRejilla(QString t = {}, QString f = {}, int a = 0)
      : titulo(std::move(t)), formato(std::move(f)), ancho(a) {}
  QString titulo;   // column caption
  QString formato;  // display format of numeric cells, empty for none
  int ancho = 0;    // width in pixels; 0 fits the caption and contents
  bool soloLectura = false;
  Qt::Alignment alineacion = {};  // default: numbers right, texts left
};

enum class CambioFila { Agregada, Cambiada };

// What Enter does in the grid.
enum class AccionEnter {
  Ninguna,   // only closes an open editor
  Notifica,  // commits the cell and emits EnterPulsado; the owner commits the row
             // (no FilaConfirmada follows) and moves the cursor
};

class Rejilla : public QWidget {
  Q_OBJECT

 public:
  explicit Rejilla(QWidget* parent = nullptr);
  ~Rejilla() override;

  // ---- Set-up ----
  void PonTitulo(const QString& titulo);
  void PonColumnas(const std::vector<ColumnaRejilla>& columnas);
  int NumColumnas() const;
  void PonAnchoColumna(int columna, int ancho);
  // Every column at least as wide as the widest text it shows.
  void AnchosAlContenido();
  // Group header shown above the captions of columns desde..hasta.
  void PonGrupo(int desde, int hasta, const QString& titulo);
  // Drop-down list of a column: each item a row of one or more texts; the first text
  // is the value. encabezados name the list's columns when it has more than one.
  // An empty list removes the drop-down.
  void PonLista(int columna, const std::vector<QStringList>& items, const QStringList& encabezados = {});
  // Cell button on every cell of a column (BotonPulsado when clicked, or F4).
  void PonBoton(int columna, bool boton);
  void DefineEstilo(const QString& nombre, const QColor& colorTexto);
  void PonEditable(bool editable);
  void PonAgregaFilas(bool agrega);
  void PonBorraFilas(bool borra);
  void PonAccionEnter(AccionEnter accion);

  // Asked before rows selected by the user are removed; false keeps them.
  std::function<bool(int numFilas)> confirmaBorrado;

  // ---- Rows (0-based) ----
  int NumFilas() const;
  // Replaces every row. Keeps the current cell where it still exists.
  void PonFilas(const std::vector<QStringList>& filas);
  template <std::size_t N>
  void PonFilas(const std::vector<std::array<std::string, N>>& filas);
  // Shows a result table: each cell's displayed text.
  void PonTabla(const TablaResultado& tabla);
  QString Texto(int fila, int columna) const;
  // Text as displayed (in the column's format).
  QString TextoMostrado(int fila, int columna) const;
  void PonEstilo(int fila, int columna, const QString& estilo);  // "" = normal

  // ---- Current cell ----
  int FilaActual() const;  // -1 when there is none; NumFilas() on the "*" row
  int ColumnaActual() const;
  void PonCelda(int fila, int columna);
  void PonFilaActual(int fila);
  void PrimeraFila();
  // The row above (paso -1) or below (+1), in the same column; the "*" row included.
  void MueveFila(int paso);

  // Closes an open editor (keeping its text) and commits the pending row.
  void ConfirmaEdicion();

  QTableView* Vista() const;

 signals:
  void ColumnasIniciadas();
  void FilaConfirmada(int fila, placatec::CambioFila cambio);
  // Rows removed by the user (one notification per command, rows as they were).
  void FilasBorradas(const QList<int>& filas);
  void CeldaEditada(int fila, int columna, const QString& texto);
  // The current cell has moved (by the user or by the program), after any open editor
  // was closed and before the row left is committed.
  void CeldaActualCambiada(int fila, int columna);
  // Enter with AccionEnter::Notifica, on the current cell.
  void EnterPulsado(int fila, int columna);
  void BotonPulsado(int fila, int columna);
  void FilaPorMostrar(int fila);

 private:
  friend class VistaRejilla;
  friend class ModeloRejilla;
  // Commits the pending row, if any (emits FilaConfirmada).
  void ConfirmaFila();
  void AlCerrarEditor(bool conEnter);
  void AlCambiarFila(int anterior);
  void HazEnter();
  void BorraSeleccionadas();

  QLabel* titulo_;
  ModeloRejilla* modelo_;
  VistaRejilla* vista_;
  AccionEnter accionEnter_ = AccionEnter::Ninguna;
  bool borra_ = false;
};

template <std::size_t N>
void Rejilla::PonFilas(const std::vector<std::array<std::string, N>>& filas) {
  std::vector<QStringList> f;
  f.reserve(filas.size());
  for (const auto& fila : filas) {
    QStringList l;
    for (const auto& c : fila) l << QString::fromStdString(c);
    f.push_back(l);
  }
  PonFilas(f);
}

// A read-only grid of results: its object name, caption, column titles and display
// formats ("" for none), one format per title.
Rejilla* RejillaDeLectura(QWidget* padre, const char* nombre, std::string_view titulo,
                          std::span<const std::string_view> columnas, std::span<const char* const> formatos);

}  // namespace placatec
