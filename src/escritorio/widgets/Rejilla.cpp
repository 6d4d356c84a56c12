#include "escritorio/widgets/Rejilla.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "escritorio/widgets/RejillaInterna.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

bool EsTextoNumerico(const QString& t) { return EsNumero(t.toStdString()); }

// A caption broken into lines at its blanks only ("Viva (To/m2)" never splits inside
// "(To/m2)"), each line as long as the width allows.
QStringList PartirTitulo(const QString& titulo, const QFontMetrics& fm, int ancho) {
  QStringList lineas;
  QString actual;
  for (const QString& palabra : titulo.split(' ', Qt::SkipEmptyParts)) {
    const QString prueba = actual.isEmpty() ? palabra : actual + ' ' + palabra;
    if (!actual.isEmpty() && fm.horizontalAdvance(prueba) > ancho) {
      lineas << actual;
      actual = palabra;
    } else {
      actual = prueba;
    }
  }
  if (!actual.isEmpty() || lineas.isEmpty()) lineas << actual;
  return lineas;
}

}  // namespace

// ---------------------------------------------------------------- model

ModeloRejilla::ModeloRejilla(Rejilla* rejilla) : QAbstractTableModel(rejilla) {}

int ModeloRejilla::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return NumFilas() + (agrega_ && editable_ ? 1 : 0);
}

int ModeloRejilla::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columnas.size());
}

QString ModeloRejilla::Texto(int fila, int columna) const {
  if (fila < 0 || fila >= NumFilas() || columna < 0) return {};
  const auto& t = filas_[static_cast<std::size_t>(fila)].textos;
  return columna < t.size() ? t[columna] : QString();
}

QString ModeloRejilla::Mostrado(int fila, int columna) const {
  QString t = Texto(fila, columna);
  if (columna < 0 || columna >= columnCount()) return t;
  const QString& formato = columnas[static_cast<std::size_t>(columna)].def.formato;
  if (formato.isEmpty() || !EsTextoNumerico(t)) return t;
  double v = ValorTexto(t.toStdString());
  if (!std::isfinite(v)) return t;
  return QString::fromStdString(Formato(v, formato.toStdString()));
}

QString ModeloRejilla::Estilo(int fila, int columna) const {
  if (fila < 0 || fila >= NumFilas() || columna < 0) return {};
  const auto& e = filas_[static_cast<std::size_t>(fila)].estilos;
  return columna < e.size() ? e[columna] : QString();
}

QColor ModeloRejilla::Color(int fila, int columna) const {
  QString e = Estilo(fila, columna);
  return e.isEmpty() ? QColor() : estilos.value(e);
}

QVariant ModeloRejilla::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int f = index.row(), c = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return Mostrado(f, c);
    case Qt::EditRole:
      return Texto(f, c);
    case Qt::ForegroundRole: {
      QColor color = Color(f, c);
      return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::TextAlignmentRole: {
      const auto& def = columnas[static_cast<std::size_t>(c)].def;
      if (def.alineacion) return QVariant::fromValue(def.alineacion | Qt::AlignVCenter);
      bool numero = !def.formato.isEmpty() || EsTextoNumerico(Texto(f, c));
      return QVariant::fromValue((numero ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
      return {};
  }
}

bool ModeloRejilla::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const int f = index.row(), c = index.column();
  const QString texto = value.toString();
  if (EsFilaNueva(f)) {
    if (texto.isEmpty()) return false;  // nothing typed: no row is added
    beginInsertRows({}, f + 1, f + 1);  // the "*" row moves down one place
    filas_.push_back(Ajusta({}));
    endInsertRows();
    pendiente = f;
    cambioPendiente = CambioFila::Agregada;
  } else if (f >= NumFilas()) {
    return false;
  } else if (Texto(f, c) == texto) {
    return true;  // nothing changed: no edit to report
  } else if (pendiente != f) {
    pendiente = f;
    cambioPendiente = CambioFila::Cambiada;
  }
  filas_[static_cast<std::size_t>(f)].textos[c] = texto;
  filaEditada = f;
  columnaEditada = c;
  emit dataChanged(index, index);
  emit headerDataChanged(Qt::Vertical, f, f);
  return true;
}

Qt::ItemFlags ModeloRejilla::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (editable_ && !columnas[static_cast<std::size_t>(index.column())].def.soloLectura)
    f |= Qt::ItemIsEditable;
  return f;
}

QVariant ModeloRejilla::headerData(int section, Qt::Orientation o, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (o == Qt::Horizontal) {
    if (section < 0 || section >= columnCount()) return {};
    return columnas[static_cast<std::size_t>(section)].def.titulo;
  }
  if (EsFilaNueva(section)) return QStringLiteral("*");
  if (section == pendiente) return QStringLiteral("\u270E");  // pencil: row being edited
  return QStringLiteral(" ");
}

FilaModelo ModeloRejilla::Ajusta(const QStringList& celdas) const {
  FilaModelo f;
  f.textos = celdas.mid(0, columnCount());
  while (f.textos.size() < columnCount()) f.textos << QString();
  for (int i = 0; i < columnCount(); ++i) f.estilos << QString();
  return f;
}

void ModeloRejilla::PonColumnas(const std::vector<ColumnaRejilla>& defs) {
  beginResetModel();
  columnas.clear();
  grupos.clear();
  for (const auto& d : defs) columnas.push_back({d, {}, {}, false, -1});
  for (auto& f : filas_) f = Ajusta(f.textos);
  pendiente = -1;
  endResetModel();
}

void ModeloRejilla::PonFilas(const std::vector<QStringList>& nuevas) {
  const int antes = NumFilas(), despues = static_cast<int>(nuevas.size());
  if (despues > antes) {
    beginInsertRows({}, antes, despues - 1);
    for (int i = antes; i < despues; ++i) filas_.push_back(Ajusta({}));
    endInsertRows();
  } else if (despues < antes) {
    beginRemoveRows({}, despues, antes - 1);
    filas_.resize(static_cast<std::size_t>(despues));
    endRemoveRows();
  }
  for (int i = 0; i < despues; ++i)
    filas_[static_cast<std::size_t>(i)] = Ajusta(nuevas[static_cast<std::size_t>(i)]);
  if (pendiente >= despues) pendiente = -1;
  if (despues > 0 && columnCount() > 0) emit dataChanged(index(0, 0), index(despues - 1, columnCount() - 1));
  if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void ModeloRejilla::BorraFila(int fila) {
  if (fila < 0 || fila >= NumFilas()) return;
  beginRemoveRows({}, fila, fila);
  filas_.erase(filas_.begin() + fila);
  endRemoveRows();
  if (pendiente == fila)
    pendiente = -1;
  else if (pendiente > fila)
    --pendiente;
}

void ModeloRejilla::PonEstilo(int fila, int columna, const QString& estilo) {
  if (fila < 0 || fila >= NumFilas() || columna < 0 || columna >= columnCount()) return;
  filas_[static_cast<std::size_t>(fila)].estilos[columna] = estilo;
  emit dataChanged(index(fila, columna), index(fila, columna), {Qt::ForegroundRole});
}

void ModeloRejilla::PonEditable(bool e) {
  beginResetModel();
  editable_ = e;
  endResetModel();
}

void ModeloRejilla::PonAgregaFilas(bool a) {
  beginResetModel();
  agrega_ = a;
  endResetModel();
}

// ---------------------------------------------------------------- header

CabeceraRejilla::CabeceraRejilla(ModeloRejilla* modelo, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), modelo_(modelo) {
  setSectionsClickable(false);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignCenter);
  connect(this, &QHeaderView::sectionResized, this, [this] { Recalcula(); });
}

int CabeceraRejilla::AltoLinea() const { return fontMetrics().height() + 6; }

bool CabeceraRejilla::HayGrupos() const { return !modelo_->grupos.empty(); }

void CabeceraRejilla::Recalcula() {
  // Enough caption lines for the longest wrapped caption at the current widths.
  int lineas = 1;
  const QFontMetrics fm = fontMetrics();
  for (int c = 0; c < count(); ++c) {
    const QString t = modelo_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    lineas = std::max(lineas, static_cast<int>(PartirTitulo(t, fm, std::max(sectionSize(c) - 6, 10)).size()));
  }
  lineasTitulo_ = std::min(lineas, 3);
  int alto = lineasTitulo_ * fm.height() + 8 + (HayGrupos() ? AltoLinea() : 0);
  setMinimumHeight(alto);
  setMaximumHeight(alto);
  viewport()->update();
}

QSize CabeceraRejilla::sizeHint() const {
  QSize s = QHeaderView::sizeHint();
  s.setHeight(minimumHeight());
  return s;
}

void CabeceraRejilla::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  QRect r = rect;
  const auto& col = modelo_->columnas;
  bool agrupada = logicalIndex >= 0 && logicalIndex < static_cast<int>(col.size()) &&
                  col[static_cast<std::size_t>(logicalIndex)].grupo >= 0;
  if (agrupada) r.setTop(rect.top() + AltoLinea());
  QStyleOptionHeader opt;
  initStyleOption(&opt);
  opt.rect = r;
  opt.section = logicalIndex;
  opt.text.clear();
  p->save();
  style()->drawControl(QStyle::CE_HeaderSection, &opt, p, this);
  const QString t = modelo_->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString();
  p->setPen(palette().color(QPalette::ButtonText));
  const QRect texto = r.adjusted(3, 2, -3, -2);
  p->drawText(texto, Qt::AlignCenter, PartirTitulo(t, fontMetrics(), texto.width()).join('\n'));
  p->restore();
}

void CabeceraRejilla::paintEvent(QPaintEvent* e) {
  QHeaderView::paintEvent(e);
  if (!HayGrupos()) return;
  QPainter p(viewport());
  for (const auto& g : modelo_->grupos) {
    int x0 = sectionViewportPosition(g.desde);
    int x1 = sectionViewportPosition(g.hasta) + sectionSize(g.hasta);
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = QRect(x0, 0, x1 - x0, AltoLinea());
    opt.text.clear();
    style()->drawControl(QStyle::CE_HeaderSection, &opt, &p, this);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(opt.rect, Qt::AlignCenter, g.titulo);
    p.setFont(font());
  }
}

// ---------------------------------------------------------------- delegate

DelegadoRejilla::DelegadoRejilla(ModeloRejilla* modelo, Rejilla* rejilla)
    : QStyledItemDelegate(rejilla), modelo_(modelo), rejilla_(rejilla) {}

QRect DelegadoRejilla::RectBoton(const QRect& celda) {
  const int ancho = std::min(18, celda.width() / 2);
  return QRect(celda.right() - ancho + 1, celda.top() + 1, ancho - 1, celda.height() - 2);
}

QWidget* DelegadoRejilla::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
  const auto& col = modelo_->columnas[static_cast<std::size_t>(index.column())];
  QWidget* editor = nullptr;
  if (!col.lista.empty()) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);  // keep what the user types exactly as typed
    int numCols = 1;
    for (const auto& item : col.lista) numCols = std::max(numCols, static_cast<int>(item.size()));
    auto* m = new QStandardItemModel(static_cast<int>(col.lista.size()), numCols, combo);
    for (int r = 0; r < static_cast<int>(col.lista.size()); ++r)
      for (int c = 0; c < col.lista[static_cast<std::size_t>(r)].size(); ++c)
        m->setItem(r, c, new QStandardItem(col.lista[static_cast<std::size_t>(r)][c]));
    if (!col.encabezadosLista.isEmpty()) m->setHorizontalHeaderLabels(col.encabezadosLista);
    combo->setModel(m);
    if (numCols > 1) {
      auto* vista = new QTableView(combo);
      vista->setSelectionBehavior(QAbstractItemView::SelectRows);
      vista->verticalHeader()->hide();
      vista->verticalHeader()->setDefaultSectionSize(vista->fontMetrics().height() + 6);
      vista->setShowGrid(false);
      combo->setView(vista);
      vista->resizeColumnsToContents();
      vista->horizontalHeader()->setStretchLastSection(true);
      int ancho = 0;
      for (int c = 0; c < numCols; ++c) ancho += vista->columnWidth(c);
      vista->setMinimumWidth(ancho + 24);
      if (col.encabezadosLista.isEmpty()) vista->horizontalHeader()->hide();
    }
    combo->setModelColumn(0);
    auto* self = const_cast<DelegadoRejilla*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
    editor = combo;
  } else {
    editor = QStyledItemDelegate::createEditor(parent, option, index);
  }
  editor_ = editor;
  return editor;
}

void DelegadoRejilla::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setEditText(index.data(Qt::EditRole).toString());
    combo->lineEdit()->selectAll();  // a key that opens the editor replaces the cell, as in a line box
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void DelegadoRejilla::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, combo->currentText(), Qt::EditRole);
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

void DelegadoRejilla::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const auto& col = modelo_->columnas[static_cast<std::size_t>(index.column())];
  if (col.boton && !modelo_->EsFilaNueva(index.row())) {
    // The text keeps clear of the button.
    QStyleOptionViewItem texto = option;
    texto.rect.setRight(RectBoton(option.rect).left() - 1);
    QStyledItemDelegate::paint(p, texto, index);
  } else {
    QStyledItemDelegate::paint(p, option, index);
  }
  if (col.boton && !modelo_->EsFilaNueva(index.row())) {
    QStyleOptionButton b;
    b.rect = RectBoton(option.rect);
    b.state = QStyle::State_Enabled | QStyle::State_Raised;
    b.text = QStringLiteral("...");
    QApplication::style()->drawControl(QStyle::CE_PushButton, &b, p);
  } else if (!col.lista.empty() && (option.state & QStyle::State_HasFocus)) {
    QStyleOption a;
    a.rect = RectBoton(option.rect).adjusted(3, 3, -3, -3);
    a.state = QStyle::State_Enabled;
    a.palette = option.palette;
    QApplication::style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &a, p);
  }
}

bool DelegadoRejilla::editorEvent(QEvent* e, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) {
  const auto& col = modelo_->columnas[static_cast<std::size_t>(index.column())];
  if (col.boton && !modelo_->EsFilaNueva(index.row())) {
    const auto t = e->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
        t == QEvent::MouseButtonDblClick) {
      auto* me = static_cast<QMouseEvent*>(e);
      if (RectBoton(option.rect).contains(me->position().toPoint())) {
        if (t == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton)
          emit rejilla_->BotonPulsado(index.row(), index.column());
        return true;
      }
    }
  }
  return QStyledItemDelegate::editorEvent(e, model, option, index);
}

bool DelegadoRejilla::eventFilter(QObject* editor, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(e);
    const int k = tecla->key();
    // Enter closes the editor like a move to another row does; remember which it was.
    if (k == Qt::Key_Return || k == Qt::Key_Enter) conEnter = true;
    // Up and Down leave the cell for the row above or below, in every column; a list
    // opens with Alt+Down or F4 and, once open, takes the arrows itself.
    auto* w = qobject_cast<QWidget*>(editor);
    auto* lista = qobject_cast<QComboBox*>(editor);
    if ((k == Qt::Key_Up || k == Qt::Key_Down) && !(tecla->modifiers() & Qt::AltModifier) && w &&
        !(lista && lista->view()->isVisible())) {
      emit commitData(w);
      emit closeEditor(w, QAbstractItemDelegate::NoHint);
      rejilla_->MueveFila(k == Qt::Key_Up ? -1 : 1);
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(editor, e);
}

// ---------------------------------------------------------------- view

VistaRejilla::VistaRejilla(Rejilla* rejilla, ModeloRejilla* modelo)
    : QTableView(rejilla), rejilla_(rejilla), modelo_(modelo) {
  setModel(modelo);
  setHorizontalHeader(new CabeceraRejilla(modelo, this));
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumWidth(18);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  setWordWrap(false);
}

void VistaRejilla::keyPressEvent(QKeyEvent* e) {
  const int k = e->key();
  if ((k == Qt::Key_Return || k == Qt::Key_Enter) && state() != EditingState &&
      rejilla_->accionEnter_ != AccionEnter::Ninguna) {
    rejilla_->HazEnter();
    e->accept();
    return;
  }
  if (k == Qt::Key_Delete && rejilla_->borra_ && !selectionModel()->selectedRows().isEmpty()) {
    rejilla_->BorraSeleccionadas();
    e->accept();
    return;
  }
  const QModelIndex i = currentIndex();
  const bool abreLista = k == Qt::Key_F4 || (k == Qt::Key_Down && (e->modifiers() & Qt::AltModifier));
  if (abreLista && i.isValid()) {
    const ColumnaModelo& col = modelo_->columnas[static_cast<std::size_t>(i.column())];
    if (k == Qt::Key_F4 && col.boton && !modelo_->EsFilaNueva(i.row())) {
      emit rejilla_->BotonPulsado(i.row(), i.column());
      e->accept();
      return;
    }
    if (!col.lista.empty() && modelo_->editable_ && !col.def.soloLectura) {
      // The cell's list, open at once.
      edit(i);
      if (auto* combo =
              qobject_cast<QComboBox*>(static_cast<DelegadoRejilla*>(itemDelegate())->EditorAbierto()))
        combo->showPopup();
      e->accept();
      return;
    }
  }
  QTableView::keyPressEvent(e);
}

void VistaRejilla::currentChanged(const QModelIndex& actual, const QModelIndex& anterior) {
  QTableView::currentChanged(actual, anterior);
  if (actual.isValid()) emit rejilla_->CeldaActualCambiada(actual.row(), actual.column());
  if (anterior.isValid() && actual.row() != anterior.row()) rejilla_->AlCambiarFila(anterior.row());
}

void VistaRejilla::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  auto* delegado = static_cast<DelegadoRejilla*>(itemDelegate());
  const bool conEnter = delegado->conEnter;
  delegado->conEnter = false;
  // The edit is reported before the cursor moves on (Tab, Shift+Tab), so that the
  // owner stores the text before it hears of the move; the editor is closed by then.
  const bool siguiente = hint == QAbstractItemDelegate::EditNextItem;
  const bool mueve = siguiente || hint == QAbstractItemDelegate::EditPreviousItem;
  QTableView::closeEditor(editor, mueve ? QAbstractItemDelegate::NoHint : hint);
  rejilla_->AlCerrarEditor(conEnter);
  if (mueve) {
    const QModelIndex i = moveCursor(siguiente ? MoveNext : MovePrevious, Qt::NoModifier);
    if (i.isValid()) selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  }
}

QModelIndex VistaRejilla::moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) {
  const QModelIndex actual = currentIndex();
  if ((accion != MoveNext && accion != MovePrevious) || !actual.isValid())
    return QTableView::moveCursor(accion, modificadores);
  // Tab and Shift+Tab go cell by cell along the rows, passing over the columns nobody
  // types into, and stop at the ends of the table.
  const int columnas = modelo_->columnCount();
  const int total = modelo_->rowCount() * columnas;
  const int desde = actual.row() * columnas + actual.column();
  for (int k = 1; k < total; ++k) {
    const int pos = accion == MoveNext ? desde + k : desde - k;
    if (pos < 0 || pos >= total) break;
    const int c = pos % columnas;
    if (!isColumnHidden(c) &&
        (!modelo_->editable_ || !modelo_->columnas[static_cast<std::size_t>(c)].def.soloLectura))
      return modelo_->index(pos / columnas, c);
  }
  return actual;
}

void VistaRejilla::contextMenuEvent(QContextMenuEvent* e) {
  if (!rejilla_->borra_ || !modelo_->editable_) return;
  QModelIndex i = indexAt(e->pos());
  if (!i.isValid() || i.row() >= modelo_->NumFilas()) return;
  if (!selectionModel()->isRowSelected(i.row(), {})) selectRow(i.row());
  QMenu menu(this);
  const int n = static_cast<int>(selectionModel()->selectedRows().size());
  QAction* borrar = menu.addAction(n > 1 ? QStringLiteral("Borrar filas") : QStringLiteral("Borrar fila"));
  if (menu.exec(e->globalPos()) == borrar) rejilla_->BorraSeleccionadas();
}

// ---------------------------------------------------------------- grid

Rejilla::Rejilla(QWidget* parent) : QWidget(parent) {
  titulo_ = new QLabel(this);
  titulo_->setAlignment(Qt::AlignCenter);
  titulo_->setAutoFillBackground(true);
  QPalette pal = titulo_->palette();
  pal.setColor(QPalette::Window, QColor(0, 0, 128));
  pal.setColor(QPalette::WindowText, Qt::white);
  titulo_->setPalette(pal);
  QFont f = titulo_->font();
  f.setBold(true);
  titulo_->setFont(f);
  titulo_->setContentsMargins(4, 2, 4, 2);
  titulo_->hide();
  modelo_ = new ModeloRejilla(this);
  vista_ = new VistaRejilla(this, modelo_);
  auto* delegado = new DelegadoRejilla(modelo_, this);
  vista_->setItemDelegate(delegado);
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(0);
  l->addWidget(titulo_);
  l->addWidget(vista_);
  setFocusProxy(vista_);
}

Rejilla::~Rejilla() = default;

void Rejilla::PonTitulo(const QString& titulo) {
  titulo_->setText(titulo);
  titulo_->setVisible(!titulo.isEmpty());
}

void Rejilla::PonColumnas(const std::vector<ColumnaRejilla>& columnas) {
  modelo_->PonColumnas(columnas);
  const QFontMetrics fm = vista_->fontMetrics();
  for (int c = 0; c < static_cast<int>(columnas.size()); ++c) {
    int ancho = columnas[static_cast<std::size_t>(c)].ancho;
    if (ancho <= 0) {
      // Wide enough for the longest word of the caption.
      ancho = 40;
      for (const QString& palabra :
           columnas[static_cast<std::size_t>(c)].titulo.split(' ', Qt::SkipEmptyParts))
        ancho = std::max(ancho, fm.horizontalAdvance(palabra) + 16);
    }
    vista_->setColumnWidth(c, ancho);
  }
  static_cast<CabeceraRejilla*>(vista_->horizontalHeader())->Recalcula();
  emit ColumnasIniciadas();
}

int Rejilla::NumColumnas() const { return modelo_->columnCount(); }

void Rejilla::PonAnchoColumna(int columna, int ancho) { vista_->setColumnWidth(columna, ancho); }

void Rejilla::AnchosAlContenido() {
  const QFontMetrics fm = vista_->fontMetrics();
  for (int c = 0; c < NumColumnas(); ++c) {
    int ancho = vista_->columnWidth(c);
    for (int f = 0; f < NumFilas(); ++f)
      ancho = std::max(ancho, fm.horizontalAdvance(TextoMostrado(f, c)) + 16);
    PonAnchoColumna(c, ancho);
  }
}

Rejilla* RejillaDeLectura(QWidget* padre, const char* nombre, std::string_view titulo,
                          std::span<const std::string_view> columnas, std::span<const char* const> formatos) {
  const auto q = [](std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
  };
  auto* r = new Rejilla(padre);
  r->setObjectName(QString::fromLatin1(nombre));
  r->PonTitulo(q(titulo));
  std::vector<ColumnaRejilla> c;
  for (std::size_t i = 0; i < columnas.size(); ++i) {
    ColumnaRejilla col(q(columnas[i]), QString::fromLatin1(i < formatos.size() ? formatos[i] : ""));
    col.soloLectura = true;
    c.push_back(col);
  }
  r->PonColumnas(c);
  return r;
}

void Rejilla::PonGrupo(int desde, int hasta, const QString& titulo) {
  if (desde < 0 || hasta >= NumColumnas() || desde > hasta) return;
  const int g = static_cast<int>(modelo_->grupos.size());
  modelo_->grupos.push_back({desde, hasta, titulo});
  for (int c = desde; c <= hasta; ++c) modelo_->columnas[static_cast<std::size_t>(c)].grupo = g;
  static_cast<CabeceraRejilla*>(vista_->horizontalHeader())->Recalcula();
}

void Rejilla::PonLista(int columna, const std::vector<QStringList>& items, const QStringList& encabezados) {
  if (columna < 0 || columna >= NumColumnas()) return;
  auto& c = modelo_->columnas[static_cast<std::size_t>(columna)];
  c.lista = items;
  c.encabezadosLista = encabezados;
}

void Rejilla::PonBoton(int columna, bool boton) {
  if (columna < 0 || columna >= NumColumnas()) return;
  modelo_->columnas[static_cast<std::size_t>(columna)].boton = boton;
  vista_->viewport()->update();
}

void Rejilla::DefineEstilo(const QString& nombre, const QColor& colorTexto) {
  modelo_->estilos.insert(nombre, colorTexto);
}

void Rejilla::PonEditable(bool editable) {
  modelo_->PonEditable(editable);
  vista_->setEditTriggers(editable ? (QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                      QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed)
                                   : QAbstractItemView::NoEditTriggers);
}

void Rejilla::PonAgregaFilas(bool agrega) { modelo_->PonAgregaFilas(agrega); }

void Rejilla::PonBorraFilas(bool borra) { borra_ = borra; }

void Rejilla::PonAccionEnter(AccionEnter accion) { accionEnter_ = accion; }

int Rejilla::NumFilas() const { return modelo_->NumFilas(); }

void Rejilla::PonFilas(const std::vector<QStringList>& filas) {
  modelo_->PonFilas(filas);
  for (int i = 0; i < NumFilas(); ++i) emit FilaPorMostrar(i);
}

void Rejilla::PonTabla(const TablaResultado& tabla) {
  std::vector<QStringList> f;
  f.reserve(tabla.filas.size());
  for (const auto& fila : tabla.filas) {
    QStringList l;
    for (const auto& c : fila) l << QString::fromStdString(c.texto);
    f.push_back(l);
  }
  PonFilas(f);
}

QString Rejilla::Texto(int fila, int columna) const { return modelo_->Texto(fila, columna); }

QString Rejilla::TextoMostrado(int fila, int columna) const { return modelo_->Mostrado(fila, columna); }

void Rejilla::PonEstilo(int fila, int columna, const QString& estilo) {
  modelo_->PonEstilo(fila, columna, estilo);
}

int Rejilla::FilaActual() const {
  QModelIndex i = vista_->currentIndex();
  return i.isValid() ? i.row() : -1;
}

int Rejilla::ColumnaActual() const {
  QModelIndex i = vista_->currentIndex();
  return i.isValid() ? i.column() : -1;
}

void Rejilla::PonCelda(int fila, int columna) {
  if (modelo_->rowCount() == 0 || NumColumnas() == 0) return;
  fila = std::clamp(fila, 0, modelo_->rowCount() - 1);
  columna = std::clamp(columna, 0, NumColumnas() - 1);
  QModelIndex i = modelo_->index(fila, columna);
  vista_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  vista_->scrollTo(i);
}

void Rejilla::PonFilaActual(int fila) { PonCelda(fila, std::max(ColumnaActual(), 0)); }

void Rejilla::PrimeraFila() { PonFilaActual(0); }

void Rejilla::MueveFila(int paso) {
  const int fila = FilaActual();
  if (fila < 0) return;
  const int destino = std::clamp(fila + paso, 0, modelo_->rowCount() - 1);
  if (destino != fila) PonCelda(destino, ColumnaActual());
}

void Rejilla::ConfirmaEdicion() {
  auto* delegado = static_cast<DelegadoRejilla*>(vista_->itemDelegate());
  QWidget* editor = delegado->EditorAbierto();
  if (editor && vista_->isAncestorOf(editor)) {
    emit delegado->commitData(editor);
    emit delegado->closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
  ConfirmaFila();
}

void Rejilla::ConfirmaFila() {
  if (modelo_->pendiente < 0) return;
  const int f = modelo_->pendiente;
  const CambioFila cambio = modelo_->cambioPendiente;
  modelo_->pendiente = -1;
  emit modelo_->headerDataChanged(Qt::Vertical, f, f);
  emit FilaConfirmada(f, cambio);
}

QTableView* Rejilla::Vista() const { return vista_; }

void Rejilla::AlCerrarEditor(bool conEnter) {
  if (modelo_->filaEditada >= 0) {
    const int f = modelo_->filaEditada, c = modelo_->columnaEditada;
    modelo_->filaEditada = modelo_->columnaEditada = -1;
    emit CeldaEditada(f, c, Texto(f, c));
  }
  if (conEnter && accionEnter_ != AccionEnter::Ninguna) HazEnter();
}

void Rejilla::AlCambiarFila(int anterior) {
  if (modelo_->pendiente == anterior) ConfirmaFila();
}

void Rejilla::HazEnter() {
  // The owner commits the row itself: the pending mark only goes.
  if (modelo_->pendiente >= 0) {
    const int p = modelo_->pendiente;
    modelo_->pendiente = -1;
    emit modelo_->headerDataChanged(Qt::Vertical, p, p);
  }
  emit EnterPulsado(FilaActual(), ColumnaActual());
}

void Rejilla::BorraSeleccionadas() {
  QList<int> filas;
  for (const QModelIndex& i : vista_->selectionModel()->selectedRows())
    if (i.row() < NumFilas()) filas << i.row();
  if (filas.isEmpty()) return;
  if (confirmaBorrado && !confirmaBorrado(static_cast<int>(filas.size()))) return;
  std::sort(filas.begin(), filas.end(), std::greater<int>());
  for (int f : filas) modelo_->BorraFila(f);
  vista_->clearSelection();
  std::sort(filas.begin(), filas.end());
  emit FilasBorradas(filas);
}

}  // namespace placatec
