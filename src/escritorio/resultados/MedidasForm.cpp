#include "escritorio/resultados/MedidasForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/Rejilla.h"
#include "outputs/Cantidades.h"

namespace placatec {

namespace {

QString Q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// The character a key types into the waste box, as the box's key rule sees it; 0
// for keys that type nothing (arrows, Delete, Home...), which the box handles itself.
char TeclaEscrita(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return 0;  // moving the focus, closing the window, the Delete key
    case Qt::Key_Backspace:
      return '\b';
    default:
      break;
  }
  const QString t = e->text();
  if (t.isEmpty()) return 0;
  const char16_t c = t.at(0).unicode();
  return c < 128 ? static_cast<char>(c) : '\x7f';  // any other letter is refused
}

}  // namespace

MedidasForm::MedidasForm(Sesion& sesion, Interlocutor& ui, QWidget* parent)
    : QDialog(parent), sesion_(sesion), ui_(ui) {
  setObjectName(QStringLiteral("MedidasForm"));
  setWindowTitle(Q(kTituloMedidas));
  setModal(false);
  setWindowIcon(IconoPrograma());

  SSDBGrid1 = new Rejilla(this);
  SSDBGrid1->setObjectName(QStringLiteral("SSDBGrid1"));
  SSDBGrid1->PonTitulo(Q(kTituloCantidades));
  const QFontMetrics fm = SSDBGrid1->Vista()->fontMetrics();
  const int ancho = std::max(fm.horizontalAdvance(QStringLiteral("Cuantia")),
                             fm.horizontalAdvance(QStringLiteral("0000.00"))) +
                    24;
  std::vector<ColumnaRejilla> columnas;
  for (std::size_t c = 0; c < kColumnasCantidades.size(); ++c) {
    ColumnaRejilla col(Q(kColumnasCantidades[c]), c == 0 ? QString() : QStringLiteral("0.00"),
                       c == 0 ? fm.horizontalAdvance(QStringLiteral("Losa")) + 24 : ancho);
    col.soloLectura = true;
    columnas.push_back(col);
  }
  SSDBGrid1->PonColumnas(columnas);

  // The totals sit under the columns they add up.
  filaTotales_ = new QWidget(this);
  etiquetaTotales = new QLabel(Q(kEtiquetaTotales), filaTotales_);
  etiquetaTotales->setAlignment(Qt::AlignCenter);
  QFont negrita = etiquetaTotales->font();
  negrita.setBold(true);
  etiquetaTotales->setFont(negrita);
  for (std::size_t k = 0; k < totales.size(); ++k) {
    totales[k] = new QLabel(filaTotales_);
    totales[k]->setObjectName(QStringLiteral("Total%1").arg(k + 1));
    totales[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    totales[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    totales[k]->setContentsMargins(2, 0, 4, 0);
  }
  filaTotales_->setFixedHeight(fm.height() + 10);
  filaTotales_->installEventFilter(this);
  SSDBGrid1->Vista()->viewport()->installEventFilter(this);
  connect(SSDBGrid1->Vista()->horizontalHeader(), &QHeaderView::sectionResized, this,
          &MedidasForm::AlineaTotales);
  connect(SSDBGrid1->Vista()->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          &MedidasForm::AlineaTotales);

  auto* etiquetaDesperdicio = new QLabel(Q(kEtiquetaDesperdicio), this);
  Desperd1 = new QLineEdit(this);
  Desperd1->setObjectName(QStringLiteral("Desperd1"));
  Desperd1->setMaximumWidth(fm.horizontalAdvance(QStringLiteral("00000000")));
  Desperd1->setAlignment(Qt::AlignRight);
  Desperd1->installEventFilter(this);
  connect(Desperd1, &QLineEdit::textChanged, this,
          [this](const QString& t) { CambiaDesperdicio(sesion_.medidas, t.toStdString()); });
  auto* etiquetaRefuerzo = new QLabel(Q(kEtiquetaRefuerzo), this);

  Command1 = new QPushButton(QStringLiteral("&Recalcula"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  OKbutton = new QPushButton(QStringLiteral("&OK"), this);
  OKbutton->setObjectName(QStringLiteral("OKbutton"));
  for (QPushButton* b : {Command1, OKbutton}) {
    b->setAutoDefault(false);  // Enter in the waste box is a refused key, not a click
    b->setMinimumWidth(90);
  }
  connect(Command1, &QPushButton::clicked, this, &MedidasForm::Command1_Click);
  connect(OKbutton, &QPushButton::clicked, this, &MedidasForm::OKbutton_Click);

  auto* abajo = new QHBoxLayout;
  abajo->addWidget(etiquetaDesperdicio);
  abajo->addWidget(Desperd1);
  abajo->addWidget(etiquetaRefuerzo);
  abajo->addStretch(1);
  abajo->addWidget(Command1);
  abajo->addSpacing(12);
  abajo->addWidget(OKbutton);

  auto* l = new QVBoxLayout(this);
  l->addWidget(SSDBGrid1, 1);
  l->addWidget(filaTotales_);
  l->addSpacing(6);
  l->addLayout(abajo);

  int total = SSDBGrid1->Vista()->verticalHeader()->sizeHint().width();
  for (int c = 0; c < SSDBGrid1->NumColumnas(); ++c) total += SSDBGrid1->Vista()->columnWidth(c);
  resize(std::max(total + 60, 560), 440);
  Llena();
}

void MedidasForm::AlineaTotales() {
  QTableView* vista = SSDBGrid1->Vista();
  const QPoint origen = filaTotales_->mapFrom(this, vista->viewport()->mapTo(this, QPoint(0, 0)));
  auto ponEn = [&](QWidget* w, int columna) {
    const int x = origen.x() + vista->columnViewportPosition(columna);
    w->setGeometry(x, 2, vista->columnWidth(columna), filaTotales_->height() - 4);
  };
  ponEn(etiquetaTotales, 0);
  for (int k = 0; k < static_cast<int>(totales.size()); ++k)
    ponEn(totales[static_cast<std::size_t>(k)], k + 1);
}

bool MedidasForm::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == Desperd1 && evento->type() == QEvent::KeyPress) {
    const char tecla = TeclaEscrita(static_cast<QKeyEvent*>(evento));
    if (tecla != 0 && !TeclaDesperdicio(sesion_.medidas, tecla, ui_)) return true;  // refused, beeped
  }
  if ((objeto == filaTotales_ || objeto == SSDBGrid1->Vista()->viewport()) &&
      (evento->type() == QEvent::Resize || evento->type() == QEvent::Show || evento->type() == QEvent::Move))
    AlineaTotales();
  return QDialog::eventFilter(objeto, evento);
}

void MedidasForm::Llena() {
  SSDBGrid1->PonTabla(sesion_.medidas.tabla);
  SSDBGrid1->PrimeraFila();
  for (std::size_t k = 0; k < totales.size(); ++k)
    totales[k]->setText(QString::fromStdString(sesion_.medidas.totales[k]).trimmed());
  if (Desperd1->text().toStdString() != sesion_.medidas.textoDesperdicio) {
    const QSignalBlocker bloqueo(Desperd1);  // the session already holds this text
    Desperd1->setText(QString::fromStdString(sesion_.medidas.textoDesperdicio));
  }
}

void MedidasForm::Abre() {
  MuestraCantidades(sesion_.proyecto, sesion_.resultados, sesion_.medidas);
  Llena();
  show();
  raise();
  activateWindow();
}

void MedidasForm::Command1_Click() {
  MuestraCantidades(sesion_.proyecto, sesion_.resultados, sesion_.medidas);
  Llena();
}

void MedidasForm::OKbutton_Click() {
  hide();
  if (alRegresar) alRegresar();
}

void MedidasForm::reject() { OKbutton_Click(); }

}  // namespace placatec
