#include "escritorio/resultados/ReacForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "escritorio/resultados/frmTip.h"
#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/Rejilla.h"
#include "outputs/Reacciones.h"

namespace placatec {

namespace {

QString Q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// Speaks for the window while "Calcula" runs: the hourglass stays on while the table
// works, is gone once the table says so (before its error message), and never
// covers a message box.
class InterlocutorCursor : public Interlocutor {
 public:
  InterlocutorCursor(Interlocutor& ui, const TablaReacciones& tabla) : ui_(ui), tabla_(tabla) {}
  ~InterlocutorCursor() override { Quita(); }

  void Pon() {
    if (!puesto_) QApplication::setOverrideCursor(Qt::WaitCursor);
    puesto_ = true;
  }
  void Quita() {
    if (puesto_) QApplication::restoreOverrideCursor();
    puesto_ = false;
  }

  Respuesta Pregunta(const Mensaje& m) override {
    Quita();
    const Respuesta r = ui_.Pregunta(m);
    if (tabla_.cursorEspera) Pon();
    return r;
  }
  void Beep() override {
    ui_.Beep();
    if (!tabla_.cursorEspera) Quita();
  }
  void Estado(const std::string& t) override { ui_.Estado(t); }
  void Progreso(const std::string& t) override { ui_.Progreso(t); }

 private:
  Interlocutor& ui_;
  const TablaReacciones& tabla_;
  bool puesto_ = false;
};

}  // namespace

ReacForm::ReacForm(Sesion& sesion, Interlocutor& ui, QWidget* parent)
    : QDialog(parent), sesion_(sesion), ui_(ui) {
  setObjectName(QStringLiteral("ReacForm"));
  setWindowTitle(Q(kTituloReacciones));
  setModal(false);
  setWindowIcon(IconoPrograma());

  SSDBGrid1 = new Rejilla(this);
  SSDBGrid1->setObjectName(QStringLiteral("SSDBGrid1"));
  SSDBGrid1->PonTitulo(Q(kCaptionGrillaReacciones));
  const QFontMetrics fm = SSDBGrid1->Vista()->fontMetrics();
  const int numero = fm.horizontalAdvance(QStringLiteral("Losa 1")) + 20;
  // Load captions on one line: a unit broken at its "/" would not read.
  int carga = 0;
  for (int c = ColReac::Muerta; c <= ColReac::Ultima; ++c)
    carga = std::max(carga, fm.horizontalAdvance(Q(kColumnasReacciones[static_cast<std::size_t>(c)])) + 16);
  std::vector<ColumnaRejilla> columnas = {
      {Q(kColumnasReacciones[0]), {}, fm.horizontalAdvance(QStringLiteral("Apoyo")) + 20},
      {Q(kColumnasReacciones[1]), {}, fm.horizontalAdvance(QStringLiteral("Viga del eje B entre 2 y 3"))},
      {Q(kColumnasReacciones[2]), {}, fm.horizontalAdvance(QStringLiteral("Dir")) + 40},
      {Q(kColumnasReacciones[3]), {}, numero},
      {Q(kColumnasReacciones[4]), {}, numero},
      {Q(kColumnasReacciones[5]), QStringLiteral("0.000"), carga},
      {Q(kColumnasReacciones[6]), QStringLiteral("0.000"), carga},
      {Q(kColumnasReacciones[7]), QStringLiteral("0.000"), carga}};
  for (int c : {ColReac::Num, ColReac::Muerta, ColReac::Viva, ColReac::Ultima})
    columnas[static_cast<std::size_t>(c)].soloLectura = true;
  columnas[ColReac::Dir].alineacion = Qt::AlignHCenter;
  SSDBGrid1->PonColumnas(columnas);
  SSDBGrid1->PonBoton(ColReac::Dir, true);
  SSDBGrid1->PonEditable(true);
  SSDBGrid1->PonAgregaFilas(true);
  SSDBGrid1->PonBorraFilas(true);
  // The continuous supports are shown as the supports table left them: grey.
  SSDBGrid1->DefineEstilo(QStringLiteral("Continuo"), QColor(96, 96, 96));
  connect(SSDBGrid1, &Rejilla::CeldaEditada, this, &ReacForm::CeldaEditada);
  connect(SSDBGrid1, &Rejilla::FilaConfirmada, this, [this](int fila, CambioFila) { FilaConfirmada(fila); });
  connect(SSDBGrid1, &Rejilla::BotonPulsado, this, &ReacForm::BotonPulsado);
  connect(SSDBGrid1, &Rejilla::FilasBorradas, this, &ReacForm::FilasBorradas);
  connect(SSDBGrid1, &Rejilla::FilaPorMostrar, this, &ReacForm::EstiloFila);

  Command1 = new QPushButton("&" + Q(kBotonOKReacciones), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2 = new QPushButton("&" + Q(kBotonCalcula), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command3 = new QPushButton("&" + Q(kBotonTip), this);
  Command3->setObjectName(QStringLiteral("Command3"));
  auto* botones = new QHBoxLayout;
  botones->addStretch(1);
  for (QPushButton* b : {Command1, Command2, Command3}) {
    // Enter belongs to the grid's editor; a button is pressed by a click or Space.
    b->setAutoDefault(false);
    b->setMinimumWidth(90);
    botones->addWidget(b);
    botones->addSpacing(12);
  }
  botones->addStretch(1);
  connect(Command1, &QPushButton::clicked, this, &ReacForm::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &ReacForm::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &ReacForm::Command3_Click);

  auto* l = new QVBoxLayout(this);
  l->addWidget(SSDBGrid1, 1);
  l->addLayout(botones);

  int ancho = SSDBGrid1->Vista()->verticalHeader()->sizeHint().width();
  for (int c = 0; c < SSDBGrid1->NumColumnas(); ++c) ancho += SSDBGrid1->Vista()->columnWidth(c);
  resize(ancho + 60, 420);
}

void ReacForm::Llena() { SSDBGrid1->PonFilas(sesion_.reacciones.filas); }

void ReacForm::VaAFilaActual() {
  const TablaReacciones& t = sesion_.reacciones;
  if (t.NumFilas() > 0) SSDBGrid1->PonFilaActual(std::clamp(t.filaActual, 0, t.NumFilas() - 1));
}

void ReacForm::EstiloFila(int fila) {
  const QString estilo = sesion_.reacciones.EsFilaContinua(fila) ? QStringLiteral("Continuo") : QString();
  for (int c = ColReac::Descripcion; c <= ColReac::Losa2; ++c) SSDBGrid1->PonEstilo(fila, c, estilo);
}

void ReacForm::Abre() {
  sesion_.reacciones.Abre(ui_);
  Llena();
  VaAFilaActual();
  show();
  raise();
  activateWindow();
  SSDBGrid1->setFocus();
}

void ReacForm::CeldaEditada(int fila, int columna, const QString& texto) {
  TablaReacciones& t = sesion_.reacciones;
  // A text typed into the empty row below the table appends an extra support.
  if (fila >= t.NumFilas() && !t.AgregaFilaNueva(ui_)) {
    Llena();
    return;
  }
  t.EditaCelda(fila, columna, texto.toStdString(), ui_);
  Llena();
}

void ReacForm::FilaConfirmada(int fila) {
  sesion_.reacciones.FilaEditada(fila);
  Llena();
}

void ReacForm::BotonPulsado(int fila, int columna) {
  if (columna != ColReac::Dir) return;
  sesion_.reacciones.BotonDir(fila);
  Llena();
}

void ReacForm::FilasBorradas(const QList<int>& filas) {
  QList<int> orden = filas;
  std::sort(orden.begin(), orden.end(), std::greater<int>());
  for (int f : orden) sesion_.reacciones.BorraFila(f);
  Llena();
}

void ReacForm::Command2_Click() {
  SSDBGrid1->ConfirmaEdicion();  // a cell still being typed counts
  TablaReacciones& t = sesion_.reacciones;
  {
    InterlocutorCursor ui(ui_, t);
    ui.Pon();
    t.Calcula(ui);
  }
  Llena();
  VaAFilaActual();
}

void ReacForm::Command1_Click() {
  SSDBGrid1->ConfirmaEdicion();
  TablaReacciones& t = sesion_.reacciones;
  {
    InterlocutorCursor ui(ui_, t);
    ui.Pon();
    t.OK(ui);  // "Calcula", then closes unless it found an error
  }
  Llena();
  VaAFilaActual();
  if (t.error) return;
  hide();
  if (alRegresar) alRegresar();
}

void ReacForm::Command3_Click() {
  frmTip tip(this);
  tip.setWindowModality(Qt::ApplicationModal);
  tip.exec();
}

void ReacForm::reject() { Command1_Click(); }

}  // namespace placatec
