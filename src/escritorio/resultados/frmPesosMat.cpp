#include "escritorio/resultados/frmPesosMat.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "escritorio/widgets/Rejilla.h"

namespace placatec {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

frmPesosMat::frmPesosMat(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmPesosMat"));
  setWindowTitle(Q(kTituloPesosMateriales));
  rejilla_ = new Rejilla;
  rejilla_->setObjectName(QStringLiteral("SSDBGrid1"));
  ColumnaRejilla material(Q(kColumnasPesosMateriales[0]), {}, 340);
  ColumnaRejilla peso(Q(kColumnasPesosMateriales[1]), Q(kFormatoPeso), 100);
  rejilla_->PonColumnas({material, peso});
  rejilla_->PonEditable(true);
  connect(rejilla_, &Rejilla::CeldaEditada, this, [this](int fila, int columna, const QString& texto) {
    modelo_.EditaCelda(fila, columna, texto.toStdString());
  });
  ok_ = new QPushButton(QStringLiteral("&OK"));
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setMinimumWidth(90);
  connect(ok_, &QPushButton::clicked, this, [this] {
    modelo_.OK();
    hide();
  });
  auto* botones = new QHBoxLayout;
  botones->addStretch();
  botones->addWidget(ok_);
  auto* l = new QVBoxLayout(this);
  l->addWidget(rejilla_, 1);
  l->addLayout(botones);
  const int alto = rejilla_->Vista()->verticalHeader()->defaultSectionSize();
  resize(340 + 100 + 60, alto * 28 + 110);
}

void frmPesosMat::Muestra() { rejilla_->PonFilas(modelo_.filas); }

void frmPesosMat::Abre() {
  modelo_.Abre();
  Muestra();
  rejilla_->PrimeraFila();
  show();
  raise();
  activateWindow();
}

}  // namespace placatec
