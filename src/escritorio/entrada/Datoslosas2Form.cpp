#include "escritorio/entrada/Datoslosas2Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "escritorio/widgets/Rejilla.h"
#include "ui_Datoslosas2Form.h"

namespace placatec {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

Datoslosas2Form::Datoslosas2Form(TablaLosas& modelo, Interlocutor& ui, QWidget* parent)
    : QWidget(parent, Qt::Dialog), modelo_(modelo), ui_(ui) {
  Ui::Datoslosas2Form f;
  f.setupUi(this);
  rejilla_ = f.SSDBGrid1;
  valor_ = f.Text2;
  ok_ = f.OKButton;
  // The captions are the model's own texts, kept in one place.
  setWindowTitle(Q(kTituloTablaLosas));
  f.PosicionBordes->setTitle(Q(kMarcoPosicionBordes));
  f.ValoresGlobales->setTitle(Q(kMarcoValoresGlobales));
  f.CopiaLosa->setText("&" + Q(kBotonCopiaLosa));
  f.Procesa->setText("&" + Q(kBotonProcesa));
  PreparaRejilla();

  valor_->installEventFilter(this);
  // Typed or pasted, the text passes the box's filter; a refusal puts the text back.
  connect(valor_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (sincronizando_) return;
    const int cursor = valor_->cursorPosition();
    modelo_.EditaValor(t.toStdString(), ui_);  // refused, the model keeps its text
    const QString texto = QString::fromStdString(modelo_.textoValor);
    if (texto == t) return;
    sincronizando_ = true;  // shows the refusal, or the comma as the point
    valor_->setText(texto);
    valor_->setCursorPosition(cursor);
    sincronizando_ = false;
  });
  // Each button has a letter of its own for Alt: the "&" goes before it.
  struct Fila {
    QPushButton* pone;
    std::string_view titulo;
    int letra;
    TablaLosas::Cantidad cantidad;
    QPushButton* cambia;
    int letraCambia;
  };
  const Fila filas[] = {
      {f.CargaMuerta, kBotonCargaMuerta, 6, TablaLosas::Cantidad::CargaMuerta, f.CambiaMuerta, 1},
      {f.CargaViva, kBotonCargaViva, 6, TablaLosas::Cantidad::CargaViva, f.CambiaViva, 3},
      {f.Espesor, kBotonEspesor, 0, TablaLosas::Cantidad::Espesor, f.CambiaEspesor, 4}};
  for (const Fila& fila : filas) {
    fila.pone->setText(Q(fila.titulo).insert(fila.letra, '&'));
    fila.cambia->setText(Q(kBotonCambia).insert(fila.letraCambia, '&'));
    const auto cantidad = fila.cantidad;
    connect(fila.pone, &QPushButton::clicked, this, [this, cantidad] {
      modelo_.PonValorGeneral(cantidad);
      valor_->setText(QString::fromStdString(modelo_.textoValor));
    });
    connect(fila.cambia, &QPushButton::clicked, this, [this, cantidad] { Cambia(cantidad); });
  }

  ok_->installEventFilter(this);
  connect(f.CopiaLosa, &QPushButton::clicked, this, &Datoslosas2Form::CopiaLosa);
  connect(f.Procesa, &QPushButton::clicked, this, &Datoslosas2Form::Procesa);
  connect(ok_, &QPushButton::clicked, this, &Datoslosas2Form::OK);

  int ancho = 0;
  for (int c = 0; c < TablaLosas::NumColumnas; ++c) ancho += rejilla_->Vista()->columnWidth(c);
  resize(ancho + 70, 520);
}

void Datoslosas2Form::PreparaRejilla() {
  rejilla_->PonTitulo(Q(kCaptionGrillaLosas));
  std::vector<ColumnaRejilla> columnas;
  for (int c = 0; c < TablaLosas::NumColumnas; ++c) {
    ColumnaRejilla col(Q(kColumnasLosas[static_cast<std::size_t>(c)]));
    if (c == ColLosa::Num) {
      col.ancho = 40;
      col.soloLectura = true;  // ProcesaLosa numbers the rows
      col.alineacion = Qt::AlignRight;
    } else if (c >= ColLosa::Borde1 && c <= ColLosa::Borde4) {
      col.ancho = 64;
      col.alineacion = Qt::AlignHCenter;
    } else if (c >= ColLosa::X0) {
      col.formato = QStringLiteral("0.00");  // empty: placed by the supports
      col.ancho = 62;
    } else {
      col.formato = QStringLiteral("0.000");
      col.ancho = c <= ColLosa::Ly || c == ColLosa::Espesor ? 58 : 68;
    }
    columnas.push_back(col);
  }
  // The edge list is attached as soon as the grid has its columns.
  connect(rejilla_, &Rejilla::ColumnasIniciadas, this, [this] {
    std::vector<QStringList> lista;
    for (const auto& b : kListaBordes) lista.push_back({Q(b.tipo), Q(b.condicion)});
    const QStringList encabezados{Q(kColumnasListaBordes[0]), Q(kColumnasListaBordes[1])};
    for (int c = ColLosa::Borde1; c <= ColLosa::Borde4; ++c) rejilla_->PonLista(c, lista, encabezados);
  });
  rejilla_->PonColumnas(columnas);
  for (const auto& g : kGruposLosas) rejilla_->PonGrupo(g.primera, g.ultima, Q(g.texto));
  rejilla_->PonEditable(true);
  rejilla_->PonAgregaFilas(true);
  rejilla_->PonBorraFilas(true);
  rejilla_->PonAccionEnter(AccionEnter::Notifica);
  rejilla_->confirmaBorrado = [this](int n) {
    const char* texto = n == 1 ? "Seguro que quiere borrar la losa seleccionada?"
                               : "Seguro que quiere borrar las losas seleccionadas?";
    return ui_.Pregunta({texto, "", Icono::Pregunta, Botones::SiNo}) == Respuesta::Si;
  };
  connect(rejilla_, &Rejilla::CeldaEditada, this, &Datoslosas2Form::AlEditarCelda);
  connect(rejilla_, &Rejilla::CeldaActualCambiada, this, &Datoslosas2Form::AlMoverCelda);
  connect(rejilla_, &Rejilla::FilaConfirmada, this, [this] { AlConfirmarFila(); });
  connect(rejilla_, &Rejilla::FilasBorradas, this, &Datoslosas2Form::AlBorrarFilas);
  connect(rejilla_, &Rejilla::EnterPulsado, this, &Datoslosas2Form::AlPulsarEnter);
}

QPushButton* Datoslosas2Form::Boton(const QString& nombre) const { return findChild<QPushButton*>(nombre); }

void Datoslosas2Form::Muestra(bool mueve) {
  sincronizando_ = true;
  rejilla_->PonFilas(modelo_.filas);
  // Without slabs the cursor waits in Lx of the row for a new slab.
  if (mueve)
    rejilla_->PonCelda(modelo_.NumFilas() > 0 ? modelo_.filaActual : 0,
                       modelo_.NumFilas() > 0 ? modelo_.columnaActual : ColLosa::Lx);
  const QString valor = QString::fromStdString(modelo_.textoValor);
  if (valor_->text() != valor) valor_->setText(valor);
  sincronizando_ = false;
  emit DatosMostrados();
}

void Datoslosas2Form::Activa() {
  modelo_.Activa(ui_);
  Muestra(true);
  rejilla_->setFocus();
}

void Datoslosas2Form::AlEditarCelda(int fila, int columna, const QString& texto) {
  if (sincronizando_) return;
  if (fila >= modelo_.NumFilas()) {
    // Typing into the "*" row starts a new slab, with the row defaults.
    if (!modelo_.AgregaFilaNueva(ui_)) {
      Muestra(false);
      return;
    }
    fila = modelo_.NumFilas() - 1;
  }
  modelo_.EditaCelda(fila, columna, texto.toStdString(), ui_);
  Muestra(false);
}

void Datoslosas2Form::AlMoverCelda(int fila, int columna) {
  if (sincronizando_) return;
  modelo_.MueveCelda(fila, columna);
  Muestra(false);
}

void Datoslosas2Form::AlConfirmarFila() {
  if (sincronizando_) return;
  modelo_.FilaActualizada(ui_);
  Muestra(false);
}

void Datoslosas2Form::AlBorrarFilas(const QList<int>& filas) {
  modelo_.BorraFilas(std::vector<int>(filas.begin(), filas.end()), ui_);
  Muestra(false);
}

void Datoslosas2Form::AlPulsarEnter(int fila, int columna) {
  if (fila >= modelo_.NumFilas()) {
    // On the "*" row nothing is committed; the cursor only moves on.
    rejilla_->PonCelda(fila, std::min(columna + 1, TablaLosas::NumColumnas - 1));
    return;
  }
  modelo_.filaActual = fila;
  modelo_.columnaActual = columna;
  modelo_.TeclaEnter(ui_);
  if (fila == modelo_.NumFilas() - 1 && columna == TablaLosas::NumColumnas - 1) {
    // Enter at the end of the last row goes on to the row for a new slab.
    Muestra(false);
    sincronizando_ = true;
    rejilla_->PonCelda(modelo_.NumFilas(), ColLosa::Lx);
    sincronizando_ = false;
    return;
  }
  Muestra(true);
}

void Datoslosas2Form::Cambia(TablaLosas::Cantidad c) {
  rejilla_->ConfirmaEdicion();
  modelo_.Cambia(c, ui_);
  Muestra(true);
  rejilla_->setFocus();
}

void Datoslosas2Form::Procesa() {
  rejilla_->ConfirmaEdicion();
  modelo_.Procesa(ui_);
  Muestra(true);
  rejilla_->setFocus();
}

void Datoslosas2Form::CopiaLosa() {
  rejilla_->ConfirmaEdicion();
  modelo_.CopiaLosa(ui_);
  QCoreApplication::processEvents();
  Muestra(true);
  rejilla_->setFocus();
}

void Datoslosas2Form::OK() {
  rejilla_->ConfirmaEdicion();
  modelo_.OK(ui_);
  Muestra(false);
  hide();
  emit Cerrado();
}

void Datoslosas2Form::Escape() {
  // Every way of closing keeps what was typed: the rows are processed as by OK, so
  // that a calculation before the next opening uses them.
  OK();
}

void Datoslosas2Form::keyPressEvent(QKeyEvent* e) {
  // Esc that no box or grid editor has taken closes the dialog.
  if (e->key() == Qt::Key_Escape) {
    Escape();
    return;
  }
  QWidget::keyPressEvent(e);
}

bool Datoslosas2Form::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (o == ok_ && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
      Escape();
      return true;
    }
    if (o == valor_) {
      char tecla = 0;
      if (k->key() == Qt::Key_Backspace)
        tecla = '\b';
      else if (!k->text().isEmpty() && k->text().at(0).isPrint() && !(k->modifiers() & Qt::ControlModifier))
        tecla = k->text().at(0).unicode() < 128 ? static_cast<char>(k->text().at(0).unicode()) : '?';
      if (tecla == 0) return false;
      modelo_.textoValor = valor_->text().toStdString();
      return !modelo_.AceptaTeclaValor(tecla, ui_);
    }
  }
  return QWidget::eventFilter(o, e);
}

void Datoslosas2Form::closeEvent(QCloseEvent* e) {
  // The window's close button closes as OK does, the cell being typed committed first.
  if (isVisible()) {
    e->ignore();
    OK();
    return;
  }
  QWidget::closeEvent(e);
}

void DibujoBordes::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics fm = fontMetrics();
  const int margen = fm.height() + 6;
  QRect r(margen + 14, margen, width() - 2 * margen - 20, height() - 2 * margen - 10);
  p.setPen(QPen(palette().color(QPalette::WindowText), 2));
  p.setBrush(QColor(225, 225, 225));
  p.drawRect(r);
  p.setBrush(Qt::NoBrush);
  auto numero = [&](const QPoint& centro, const QString& t) {
    QRect caja(0, 0, fm.horizontalAdvance(t) + 6, fm.height());
    caja.moveCenter(centro);
    p.drawText(caja, Qt::AlignCenter, t);
  };
  p.setPen(palette().color(QPalette::WindowText));
  numero(QPoint(r.left() - 9, r.center().y()), QStringLiteral("1"));
  numero(QPoint(r.right() + 9, r.center().y()), QStringLiteral("2"));
  numero(QPoint(r.center().x(), r.bottom() + fm.height() / 2 + 3), QStringLiteral("3"));
  numero(QPoint(r.center().x(), r.top() - fm.height() / 2 - 3), QStringLiteral("4"));
  // Axes from the lower left corner of the slab.
  p.setPen(QPen(QColor(0, 0, 160), 1.5));
  const QPointF o(r.left() + 10, r.bottom() - 10);
  const double largo = std::min(r.width(), r.height()) * 0.45;
  auto flecha = [&](QPointF fin, QPointF a, QPointF b) {
    p.drawLine(o, fin);
    QPainterPath punta;
    punta.moveTo(fin);
    punta.lineTo(fin + a);
    punta.lineTo(fin + b);
    punta.closeSubpath();
    p.fillPath(punta, QColor(0, 0, 160));
  };
  flecha(o + QPointF(largo, 0), QPointF(-7, -3.5), QPointF(-7, 3.5));
  flecha(o + QPointF(0, -largo), QPointF(-3.5, 7), QPointF(3.5, 7));
  numero((o + QPointF(largo + 2, 10)).toPoint(), QStringLiteral("x"));
  numero((o + QPointF(10, -largo)).toPoint(), QStringLiteral("y"));
}

}  // namespace placatec
