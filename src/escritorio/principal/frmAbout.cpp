#include "escritorio/principal/frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "escritorio/widgets/IconoPrograma.h"

namespace placatec {

QString VersionPrograma() {
  return QStringLiteral("%1.%2.%3")
      .arg(PLACATEC_VERSION_MAJOR)
      .arg(PLACATEC_VERSION_MINOR)
      .arg(PLACATEC_VERSION_PATCH);
}

QStringList HerramientasInfoSistema() {
  return {QStringLiteral("hardinfo2"),
          QStringLiteral("hardinfo"),
          QStringLiteral("kinfocenter"),
          QStringLiteral("gnome-system-monitor"),
          QStringLiteral("mate-system-monitor"),
          QStringLiteral("xfce4-taskmanager"),
          QStringLiteral("lshw-gtk")};
}

QString BuscaInfoSistema(const QStringList& carpetas) {
  for (const QString& h : HerramientasInfoSistema()) {
    QString ruta = QStandardPaths::findExecutable(h, carpetas);
    if (!ruta.isEmpty()) return ruta;
  }
  return {};
}

frmAbout::frmAbout(Interlocutor& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setWindowTitle(QStringLiteral("About Placatec"));
  setWindowIcon(IconoPrograma());
  arranca = [](const QString& programa) { return QProcess::startDetached(programa, {}); };

  auto* icono = new QLabel;
  icono->setPixmap(DibujoPrograma(64));
  icono->setAlignment(Qt::AlignTop);
  lblTitle = new QLabel(QStringLiteral("Placatec"));
  QFont f = lblTitle->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.8);
  lblTitle->setFont(f);
  lblVersion = new QLabel;
  auto* descripcion =
      new QLabel(QStringLiteral("Diseño de losas de hormigón armado de un piso: momentos, refuerzo, "
                                "reacciones sobre apoyos y cálculo métrico."));
  descripcion->setWordWrap(true);
  auto* linea = new QFrame;
  linea->setFrameShape(QFrame::HLine);
  linea->setFrameShadow(QFrame::Sunken);

  cmdOK = new QPushButton(QStringLiteral("OK"));
  cmdOK->setDefault(true);
  cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."));
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

  auto* textos = new QVBoxLayout;
  textos->addWidget(lblTitle);
  textos->addWidget(lblVersion);
  textos->addSpacing(8);
  textos->addWidget(descripcion);
  textos->addStretch();
  auto* arriba = new QHBoxLayout;
  arriba->addWidget(icono);
  arriba->addSpacing(10);
  arriba->addLayout(textos, 1);
  auto* botones = new QHBoxLayout;
  botones->addStretch();
  botones->addWidget(cmdOK);
  botones->addWidget(cmdSysInfo);
  auto* l = new QVBoxLayout(this);
  l->addLayout(arriba, 1);
  l->addWidget(linea);
  l->addLayout(botones);
  resize(440, 230);
}

void frmAbout::showEvent(QShowEvent* e) {
  lblTitle->setText(QStringLiteral("Placatec"));
  lblVersion->setText(QStringLiteral("Versión ") + VersionPrograma());
  QDialog::showEvent(e);
}

void frmAbout::StartSysInfo() {
  const QString ruta = BuscaInfoSistema(carpetasInfoSistema);
  if (ruta.isEmpty() || !arranca(ruta)) ui_.Avisa("System Information no ha sido encontrada");
}

}  // namespace placatec
