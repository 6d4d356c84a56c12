#include "escritorio/entrada/DatosgenForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include "model/Defectos.h"
#include "ui_DatosgenForm.h"

namespace placatec {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A box's text is put back only when it differs, so that the cursor of the box being
// typed into stays where it is.
void PonTextoSiCambia(QLineEdit* caja, const QString& texto) {
  if (caja->text() == texto) return;
  const int cursor = caja->cursorPosition();
  caja->setText(texto);
  if (caja->hasFocus()) caja->setCursorPosition(cursor);
}

}  // namespace

DatosgenForm::DatosgenForm(DatosGenerales& modelo, Interlocutor& ui, QWidget* parent)
    : QWidget(parent, Qt::Dialog), modelo_(modelo), ui_(ui), forma_(std::make_unique<Ui::DatosgenForm>()) {
  forma_->setupUi(this);
  Ui::DatosgenForm& f = *forma_;
  combo1_ = f.Combo1;
  combo2_ = f.Combo2;
  uso_ = f.SSDBCombo2;
  numLosas_ = f.NumLosas;
  numApoyos_ = f.NumApoyos;
  ok_ = f.OKButtom;
  // The boxes in the order of the model's Caja; f'c and fy are the lists' own text fields.
  cajas_ = {
      f.Nombre,  f.Espesor, combo1_->lineEdit(), combo2_->lineEdit(), f.Recubrimiento, f.Cargav,  f.Cargam,
      f.Text1_0, f.Text1_1, f.Text1_2,           f.Text1_3,           f.Text2_0,       f.Text2_1, f.Text2_2,
      f.Text2_3, f.Text3_0, f.Text3_1,           f.Text3_2,           f.Text3_3,       f.Text3_4, f.Text3_5};
  etiquetas_ = {f.EtiquetaFila0, f.EtiquetaFila1, f.EtiquetaFila2,
                f.EtiquetaFila3, f.EtiquetaFila4, f.EtiquetaFila5};
  for (int k = 0; k < NumFilasCarga; ++k)
    etiquetas_[static_cast<std::size_t>(k)]->setText(Q(placatec::EtiquetaFila(k)));
  for (int i = 0; i < NumCajas; ++i) {
    const auto c = static_cast<placatec::Caja>(i);
    Caja(c)->installEventFilter(this);
    connect(Caja(c), &QLineEdit::textEdited, this, [this, c](const QString& t) { AlEditar(c, t); });
  }

  // "Otros datos": the f'c and fy lists take only their own values.
  for (std::string_view v : ListaFc()) combo1_->addItem(Q(v));
  for (std::string_view v : ListaFy()) combo2_->addItem(Q(v));
  for (const auto& par :
       {std::pair{combo1_, placatec::Caja::Combo1}, std::pair{combo2_, placatec::Caja::Combo2}}) {
    QComboBox* combo = par.first;
    const placatec::Caja caja = par.second;
    combo->setCompleter(nullptr);
    combo->installEventFilter(this);  // the list itself hears the focus leave
    connect(combo, &QComboBox::activated, this,
            [this, combo, caja](int) { AlEditar(caja, combo->currentText()); });
  }

  PreparaUsos();
  connect(uso_, &QComboBox::activated, this, [this](int fila) {
    if (mostrando_) return;
    modelo_.EligeUso(fila);
    Muestra();
  });
  // Enter on a text that names one use alone picks it; leaving the box with a text
  // that names none puts the use back.
  connect(uso_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    const QString t = uso_->lineEdit()->text().trimmed();
    if (t == QString::fromStdString(modelo_.TextoUso())) return;
    int fila = -1, encontradas = 0;
    for (int r = 0; r < NumUsos; ++r) {
      const QString u = Q(Usos()[static_cast<std::size_t>(r)].uso);
      if (u.compare(t, Qt::CaseInsensitive) == 0) {
        fila = r;
        encontradas = 1;
        break;
      }
      if (u.contains(t, Qt::CaseInsensitive)) {
        fila = r;
        ++encontradas;
      }
    }
    if (encontradas == 1 && !t.isEmpty()) modelo_.EligeUso(fila);
    Muestra();
  });
  connect(uso_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
    if (!mostrando_) Muestra();
  });

  ok_->installEventFilter(this);
  connect(ok_, &QPushButton::clicked, this, [this] { Cierra(); });
  LlenaFicha(f.LayoutFicha);
  Muestra();
}

DatosgenForm::~DatosgenForm() = default;

void DatosgenForm::PreparaUsos() {
  // "Carga Viva": the use list shows two columns, uses and live loads.
  auto* usos = new QStandardItemModel(NumUsos, 2, uso_);
  usos->setHorizontalHeaderLabels({QStringLiteral("Uso"), QStringLiteral("Carga viva")});
  for (int r = 0; r < NumUsos; ++r) {
    usos->setItem(r, 0, new QStandardItem(Q(Usos()[static_cast<std::size_t>(r)].uso)));
    auto* carga = new QStandardItem(Q(Usos()[static_cast<std::size_t>(r)].cargaViva));
    carga->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    usos->setItem(r, 1, carga);
  }
  uso_->setModel(usos);
  auto* vistaUsos = new QTableView(uso_);
  vistaUsos->setSelectionBehavior(QAbstractItemView::SelectRows);
  vistaUsos->verticalHeader()->hide();
  vistaUsos->verticalHeader()->setDefaultSectionSize(vistaUsos->fontMetrics().height() + 6);
  vistaUsos->setShowGrid(false);
  vistaUsos->setWordWrap(false);
  uso_->setView(vistaUsos);
  vistaUsos->resizeColumnsToContents();
  vistaUsos->setMinimumWidth(vistaUsos->columnWidth(0) + vistaUsos->columnWidth(1) + 30);
  uso_->setModelColumn(0);
  // Typing part of a use lists the uses that contain it, with their live loads.
  auto* busca = new QCompleter(usos, uso_);
  busca->setCompletionColumn(0);
  busca->setFilterMode(Qt::MatchContains);
  busca->setCaseSensitivity(Qt::CaseInsensitive);
  busca->setCompletionMode(QCompleter::PopupCompletion);
  busca->setMaxVisibleItems(12);
  auto* vistaBusca = new QTableView;
  vistaBusca->setSelectionBehavior(QAbstractItemView::SelectRows);
  vistaBusca->verticalHeader()->hide();
  vistaBusca->horizontalHeader()->hide();
  vistaBusca->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);  // as tall as measured
  vistaBusca->setShowGrid(false);
  vistaBusca->setWordWrap(false);
  busca->setPopup(vistaBusca);
  // The load stays in sight; a long use is cut short rather than scrolled to.
  vistaBusca->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vistaBusca->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  vistaBusca->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  vistaBusca->setMinimumWidth(vistaUsos->minimumWidth());
  uso_->setCompleter(busca);
}

void DatosgenForm::LlenaFicha(QFormLayout* lf) {
  for (std::size_t k = 0; k < kCamposFicha.size(); ++k) {
    const CampoFicha& c = kCamposFicha[k];
    const QString nombre = QStringLiteral("Ficha_") + Q(c.clave);
    if (c.texto == &FichaProyecto::Notas) {
      notas_ = new QPlainTextEdit;
      notasCampo_ = k;
      notas_->setObjectName(nombre);
      notas_->setTabChangesFocus(true);
      connect(notas_, &QPlainTextEdit::textChanged, this, [this, k] {
        if (mostrando_) return;
        modelo_.PonFicha(k, notas_->toPlainText().toStdString());
        emit DatosMostrados();
      });
      lf->addRow(Q(c.rotulo), notas_);
      continue;
    }
    auto* caja = new QLineEdit;
    caja->setObjectName(nombre);
    caja->setMinimumWidth(360);
    connect(caja, &QLineEdit::textEdited, this, [this, k](const QString& t) {
      modelo_.PonFicha(k, t.toStdString());
      emit DatosMostrados();
    });
    ficha_[k] = caja;
    lf->addRow(Q(c.rotulo), caja);
  }
  lf->addRow(
      new QLabel(QStringLiteral("Encabezan la primera p\u00e1gina del reporte; la revisi\u00f3n va en "
                                "el pie de cada p\u00e1gina.")));
  setTabOrder(notas_, ok_);  // the fields are made after the OK button; Tab still ends on it
}

void DatosgenForm::AlEditar(placatec::Caja c, const QString& texto) {
  if (mostrando_) return;
  if (!modelo_.PonTexto(c, texto.toStdString())) ui_.Beep();  // a value no box can hold
  Muestra();
}

void DatosgenForm::Muestra() {
  mostrando_ = true;
  for (int i = 0; i < NumCajas; ++i) {
    const auto c = static_cast<placatec::Caja>(i);
    QLineEdit* caja = Caja(c);
    PonTextoSiCambia(caja, QString::fromStdString(modelo_.Texto(c)));
    QWidget* control = caja;
    if (c == placatec::Caja::Combo1) control = combo1_;
    if (c == placatec::Caja::Combo2) control = combo2_;
    control->setEnabled(modelo_.Habilitado(c));
    const bool soloLectura = modelo_.SoloLectura(c);
    caja->setReadOnly(soloLectura);
    caja->setFocusPolicy(soloLectura ? Qt::NoFocus : Qt::StrongFocus);
    QPalette pal = caja->palette();
    const QColor fondo = soloLectura ? AmarilloClaro() : palette().color(QPalette::Active, QPalette::Base);
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      pal.setColor(grupo, QPalette::Base, fondo);
    caja->setPalette(pal);
  }
  // A list box shows the text of its box; the list's current row follows it, so that
  // the arrow keys move on from the value shown.
  for (QComboBox* combo : {combo1_, combo2_}) {
    const int i = combo->findText(combo->lineEdit()->text(), Qt::MatchExactly);
    if (i >= 0 && combo->currentIndex() != i) {
      const QString texto = combo->lineEdit()->text();
      combo->setCurrentIndex(i);
      combo->setEditText(texto);
    }
  }
  for (int k = 0; k < NumFilasCarga; ++k)
    etiquetas_[static_cast<std::size_t>(k)]->setEnabled(modelo_.EtiquetaHabilitada(k));
  for (std::size_t k = 0; k < ficha_.size(); ++k)
    if (ficha_[k]) PonTextoSiCambia(ficha_[k], QString::fromStdString(modelo_.Ficha(k)));
  const QString notas = QString::fromStdString(modelo_.Ficha(notasCampo_));
  if (notas_->toPlainText() != notas) notas_->setPlainText(notas);
  numLosas_->setText(QString::fromStdString(modelo_.TextoNumLosas()));
  numApoyos_->setText(QString::fromStdString(modelo_.TextoNumApoyos()));
  const int fila = modelo_.FilaUso();
  if (fila >= 0 && uso_->currentIndex() != fila) uso_->setCurrentIndex(fila);
  uso_->setEditText(QString::fromStdString(modelo_.TextoUso()));
  uso_->lineEdit()->setCursorPosition(0);
  mostrando_ = false;
  emit DatosMostrados();
}

void DatosgenForm::Activa() {
  if (modelo_.ActivacionPendiente()) modelo_.Activa();
  Muestra();
  Caja(placatec::Caja::Nombre)->setFocus();
}

bool DatosgenForm::eventFilter(QObject* o, QEvent* e) {
  // Leaving the f'c or fy box: a value typed there that is not in the list is refused.
  if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason &&
      !mostrando_) {
    for (auto c : {placatec::Caja::Combo1, placatec::Caja::Combo2}) {
      QWidget* lista = c == placatec::Caja::Combo1 ? static_cast<QWidget*>(combo1_) : combo2_;
      if ((o == Caja(c) || o == lista) && !modelo_.ConfirmaLista(c, ui_)) Muestra();
    }
  }
  if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(o, e);
  auto* k = static_cast<QKeyEvent*>(e);
  if (o == ok_) {
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      Cierra();  // as the click: the slab table's row defaults follow the dialog
      return true;
    }
    return false;
  }
  for (int i = 0; i < NumCajas; ++i) {
    if (cajas_[static_cast<std::size_t>(i)] != o) continue;
    const auto c = static_cast<placatec::Caja>(i);
    char32_t tecla = 0;
    if (k->key() == Qt::Key_Backspace)
      tecla = 8;
    else if (!k->text().isEmpty() && k->text().at(0).isPrint() && !(k->modifiers() & Qt::ControlModifier))
      tecla = k->text().toUcs4().value(0);
    if (tecla == 0) return false;  // movement and editing keys pass
    const QString actual = cajas_[static_cast<std::size_t>(i)]->text();
    return !modelo_.AceptaTecla(c, tecla, actual.toStdString(), ui_);
  }
  return QWidget::eventFilter(o, e);
}

bool DatosgenForm::ConfirmaListas() {
  for (auto c : {placatec::Caja::Combo1, placatec::Caja::Combo2}) {
    if (!modelo_.ConfirmaLista(c, ui_)) {
      Muestra();
      Caja(c)->setFocus();
      return false;
    }
  }
  return true;
}

void DatosgenForm::Cierra() {
  // A value typed into f'c or fy that the box does not take keeps the dialog open.
  if (!ConfirmaListas()) return;
  modelo_.OK();
  hide();
  emit Cerrado();
}

void DatosgenForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    Cierra();
    return;
  }
  QWidget::keyPressEvent(e);
}

void DatosgenForm::closeEvent(QCloseEvent* e) {
  // The window's close button closes as OK does, row defaults included.
  if (isVisible()) {
    e->ignore();
    Cierra();
    return;
  }
  QWidget::closeEvent(e);
}

}  // namespace placatec
