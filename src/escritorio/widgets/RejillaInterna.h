#pragma once
// The pieces of the data grid: its table model, view, two-level header and cell
// delegate. Only Rejilla.cpp uses them.
#include <QAbstractTableModel>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <vector>

#include "escritorio/widgets/Rejilla.h"

namespace placatec {

struct ColumnaModelo {
  ColumnaRejilla def;
  std::vector<QStringList> lista;
  QStringList encabezadosLista;
  bool boton = false;
  int grupo = -1;  // index into the model's groups
};

struct GrupoRejilla {
  int desde = 0, hasta = 0;
  QString titulo;
};

struct FilaModelo {
  QStringList textos;
  QStringList estilos;
};

class ModeloRejilla : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ModeloRejilla(Rejilla* rejilla);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

  void PonColumnas(const std::vector<ColumnaRejilla>& columnas);
  void PonFilas(const std::vector<QStringList>& filas);
  void BorraFila(int fila);
  void PonEstilo(int fila, int columna, const QString& estilo);
  void PonEditable(bool e);
  void PonAgregaFilas(bool a);

  QString Texto(int fila, int columna) const;
  QString Mostrado(int fila, int columna) const;
  QString Estilo(int fila, int columna) const;
  QColor Color(int fila, int columna) const;
  int NumFilas() const { return static_cast<int>(filas_.size()); }
  bool EsFilaNueva(int fila) const { return agrega_ && editable_ && fila == NumFilas(); }

  std::vector<ColumnaModelo> columnas;
  std::vector<GrupoRejilla> grupos;
  QHash<QString, QColor> estilos;
  bool editable_ = false;
  bool agrega_ = false;

  // The row with edits not yet committed, and how it came to be.
  int pendiente = -1;
  CambioFila cambioPendiente = CambioFila::Cambiada;
  // The cell last written by an editor, for the notification when the editor closes.
  int filaEditada = -1, columnaEditada = -1;

 private:
  FilaModelo Ajusta(const QStringList& celdas) const;
  std::vector<FilaModelo> filas_;
};

// Column captions under an optional row of group headers.
class CabeceraRejilla : public QHeaderView {
  Q_OBJECT

 public:
  CabeceraRejilla(ModeloRejilla* modelo, QWidget* parent);
  QSize sizeHint() const override;
  void Recalcula();

 protected:
  void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override;
  void paintEvent(QPaintEvent* e) override;

 private:
  int AltoLinea() const;
  bool HayGrupos() const;
  ModeloRejilla* modelo_;
  int lineasTitulo_ = 1;
};

class DelegadoRejilla : public QStyledItemDelegate {
  Q_OBJECT

 public:
  DelegadoRejilla(ModeloRejilla* modelo, Rejilla* rejilla);
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  bool editorEvent(QEvent* e, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
  static QRect RectBoton(const QRect& celda);
  QWidget* EditorAbierto() const { return editor_; }

  bool conEnter = false;  // Enter closed the editor (not a move to another cell)

 protected:
  bool eventFilter(QObject* editor, QEvent* e) override;

 private:
  ModeloRejilla* modelo_;
  Rejilla* rejilla_;
  mutable QPointer<QWidget> editor_;
};

class VistaRejilla : public QTableView {
  Q_OBJECT

 public:
  VistaRejilla(Rejilla* rejilla, ModeloRejilla* modelo);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void currentChanged(const QModelIndex& actual, const QModelIndex& anterior) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  Rejilla* rejilla_;
  ModeloRejilla* modelo_;
};

}  // namespace placatec
