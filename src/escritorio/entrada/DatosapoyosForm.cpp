#include "escritorio/entrada/DatosapoyosForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "escritorio/widgets/Rejilla.h"

namespace placatec {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

DatosapoyosForm::DatosapoyosForm(TablaApoyos& modelo, Interlocutor& ui, QWidget* parent)
    : QWidget(parent, Qt::Dialog), modelo_(modelo), ui_(ui) {
  setObjectName(QStringLiteral("DatosapoyosForm"));
  setWindowTitle(Q(kTituloTablaApoyos));

  rejilla_ = new Rejilla;
  rejilla_->setObjectName(QStringLiteral("SSDBGrid1"));
  rejilla_->PonTitulo(Q(kCaptionGrillaApoyos));
  std::vector<ColumnaRejilla> columnas;
  const int anchos[] = {55, 55, 65, 65, 240};
  for (int c = 0; c < TablaApoyos::NumColumnas; ++c) {
    ColumnaRejilla col(Q(kColumnasApoyos[static_cast<std::size_t>(c)]), {}, anchos[c]);
    if (c == ColApoyo::Num) {
      col.soloLectura = true;  // Procesar numbers the supports
      col.alineacion = Qt::AlignRight;
    }
    if (c == ColApoyo::Dir) col.alineacion = Qt::AlignHCenter;
    if (c == ColApoyo::Losa1 || c == ColApoyo::Losa2) col.alineacion = Qt::AlignRight;
    columnas.push_back(col);
  }
  rejilla_->PonColumnas(columnas);
  rejilla_->PonBoton(ColApoyo::Dir, true);
  rejilla_->PonEditable(true);
  rejilla_->PonAgregaFilas(true);
  rejilla_->PonBorraFilas(true);
  rejilla_->confirmaBorrado = [this](int n) {
    const char* texto = n == 1 ? "Seguro que quiere borrar el apoyo seleccionado?"
                               : "Seguro que quiere borrar los apoyos seleccionados?";
    return ui_.Pregunta({texto, "", Icono::Pregunta, Botones::SiNo}) == Respuesta::Si;
  };
  connect(rejilla_, &Rejilla::CeldaEditada, this, &DatosapoyosForm::AlEditarCelda);
  connect(rejilla_, &Rejilla::BotonPulsado, this, [this](int fila, int columna) {
    if (columna != ColApoyo::Dir || fila >= modelo_.NumFilas()) return;
    modelo_.BotonDir(fila);
    Muestra(false);
  });
  connect(rejilla_, &Rejilla::FilaConfirmada, this, [this] {
    if (sincronizando_) return;
    modelo_.FilaActualizada(ui_);
    Muestra(false);
  });
  connect(rejilla_, &Rejilla::FilasBorradas, this, [this](const QList<int>& filas) {
    QList<int> orden = filas;
    std::sort(orden.begin(), orden.end(), std::greater<int>());
    for (int f : orden) modelo_.BorraFila(f, ui_);
    Muestra(false);
  });

  borraTodo_ = new QPushButton("&" + Q(kBotonBorraTodo));
  borraTodo_->setObjectName(QStringLiteral("Command1"));
  procesa_ = new QPushButton("&" + Q(kBotonProcesaApoyos));
  procesa_->setObjectName(QStringLiteral("Command2"));
  ok_ = new QPushButton(QStringLiteral("&OK"));
  ok_->setObjectName(QStringLiteral("OKButton"));
  ok_->installEventFilter(this);
  connect(borraTodo_, &QPushButton::clicked, this, [this] {
    rejilla_->ConfirmaEdicion();
    modelo_.BorraTodo(ui_);
    Muestra(true);
  });
  connect(procesa_, &QPushButton::clicked, this, [this] {
    rejilla_->ConfirmaEdicion();
    modelo_.Procesa(ui_);
    Muestra(true);
    rejilla_->setFocus();
  });
  connect(ok_, &QPushButton::clicked, this, &DatosapoyosForm::OK);

  auto* botones = new QHBoxLayout;
  botones->addWidget(borraTodo_);
  botones->addStretch();
  botones->addWidget(procesa_);
  botones->addWidget(ok_);
  for (QPushButton* b : {borraTodo_, procesa_, ok_}) b->setMinimumWidth(90);
  auto* l = new QVBoxLayout(this);
  l->addWidget(rejilla_, 1);
  l->addLayout(botones);
  int ancho = 0;
  for (int a : anchos) ancho += a;
  resize(ancho + 70, 420);

  // Form load: the first row's direction and the direction for new rows.
  modelo_.Carga();
  Muestra(true);
}

void DatosapoyosForm::Muestra(bool mueve) {
  sincronizando_ = true;
  std::vector<QStringList> lista;
  for (const auto& n : modelo_.listaLosas) lista.push_back({QString::fromStdString(n)});
  rejilla_->PonLista(ColApoyo::Losa1, lista);
  rejilla_->PonLista(ColApoyo::Losa2, lista);
  rejilla_->PonFilas(modelo_.filas);
  if (mueve && modelo_.NumFilas() > 0) rejilla_->PonCelda(modelo_.filaActual, ColApoyo::Dir);
  sincronizando_ = false;
  emit DatosMostrados();
}

void DatosapoyosForm::Activa() {
  modelo_.Activa(ui_);
  Muestra(true);
  rejilla_->setFocus();
}

void DatosapoyosForm::AlEditarCelda(int fila, int columna, const QString& texto) {
  if (sincronizando_) return;
  if (fila >= modelo_.NumFilas()) {
    // Typing into the "*" row starts a new support, with the last direction.
    if (!modelo_.AgregaFilaNueva(ui_)) {
      Muestra(false);
      return;
    }
    fila = modelo_.NumFilas() - 1;
  }
  modelo_.EditaCelda(fila, columna, texto.toStdString());
  modelo_.FilaEditada(fila);
  Muestra(false);
}

void DatosapoyosForm::OK() {
  rejilla_->ConfirmaEdicion();
  modelo_.OK(ui_);
  Muestra(false);
  if (!modelo_.abierta) Cierra();
}

void DatosapoyosForm::Cierra() {
  hide();
  emit Cerrado();
}

bool DatosapoyosForm::eventFilter(QObject* o, QEvent* e) {
  if (o == ok_ && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      OK();  // as the click: a support typed last is processed too
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

void DatosapoyosForm::keyPressEvent(QKeyEvent* e) {
  // Esc that no grid editor has taken closes the dialog as OK does.
  if (e->key() == Qt::Key_Escape) {
    OK();
    return;
  }
  QWidget::keyPressEvent(e);
}

void DatosapoyosForm::closeEvent(QCloseEvent* e) {
  // The window's close button closes as OK does, the cell being typed committed first;
  // rows that "Procesar" refuses keep the dialog open.
  if (isVisible()) {
    e->ignore();
    OK();
    return;
  }
  QWidget::closeEvent(e);
}

}  // namespace placatec
