#include "escritorio/resultados/frmTip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "escritorio/widgets/IconoPrograma.h"
#include "outputs/Reacciones.h"

namespace placatec {

QString frmTip::TextoTip() {
  return QString::fromUtf8(kTextoTip.data(), static_cast<qsizetype>(kTextoTip.size()));
}

frmTip::frmTip(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmTip"));
  setWindowTitle(QStringLiteral("Tip"));
  setWindowIcon(IconoPrograma());
  auto* icono = new QLabel;
  icono->setPixmap(IconoBombilla());
  icono->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto* titulo = new QLabel(QStringLiteral("Sabia usted que..."));
  QFont f = titulo->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.3);
  titulo->setFont(f);
  lblTipText = new QLabel;
  lblTipText->setTextFormat(Qt::PlainText);  // "<Calcula>" is text, not markup
  lblTipText->setWordWrap(true);
  lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblTipText->setText(TextoTip());
  lblTipText->setFrameShape(QFrame::StyledPanel);
  lblTipText->setMargin(8);
  lblTipText->setAutoFillBackground(true);
  QPalette pal = lblTipText->palette();
  pal.setColor(QPalette::Window, Qt::white);
  lblTipText->setPalette(pal);
  cmdOK = new QPushButton(QStringLiteral("OK"));
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* texto = new QVBoxLayout;
  texto->addWidget(titulo);
  texto->addWidget(lblTipText, 1);
  auto* arriba = new QHBoxLayout;
  arriba->addWidget(icono);
  arriba->addLayout(texto, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch();
  botones->addWidget(cmdOK);
  auto* l = new QVBoxLayout(this);
  l->addLayout(arriba, 1);
  l->addLayout(botones);
  resize(460, 360);
}

}  // namespace placatec
