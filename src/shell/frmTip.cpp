#include "shell/frmTip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/IconoPrograma.h"

namespace placatec {

QString frmTip::TextoTip() {
  return QStringLiteral(
      "Es posible agregar nuevos apoyos, como vigas, por ejemplo, "
      "a fin de calcular las reacciones de las losas sobre ellas. "
      "Para ello, el usuario debe colocar los datos de estas "
      "al final de la tabla y luego pulsar el botón <Calcula>. "
      "Los apoyos adicionales colocados de esta manera solo se "
      "usarán en el calculo de las reacciones y no se tomarán "
      "en cuenta en el cálculo del refuerzo de las losas. El total "
      "de apoyos definidos, incluyendo los adicionales, no deberá "
      "ser mayor de 99. El usuario podrá definir un apoyo que soporte "
      "una sola losa, colocando un cero en la casilla correspondiente "
      "a la <Losa 1> o a la <Losa 2> y el numero de la losa que apoya "
      "en la otra casilla");
}

frmTip::frmTip(QWidget* parent) : QDialog(parent) {
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
  resize(460, 280);
}

}  // namespace placatec
