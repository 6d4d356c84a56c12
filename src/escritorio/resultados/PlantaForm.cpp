#include "escritorio/resultados/PlantaForm.h"

#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "comandos/ComandoPlanta.h"
#include "escritorio/pdf/PintaPlanta.h"
#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/VistaPlanta.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

QString Q(const std::string& t) { return QString::fromStdString(t); }

// Capitals of the printed plan's texts, at least (mm).
constexpr double kAltoMinimoImpreso = 1.3;

}  // namespace

PlantaForm::PlantaForm(Sesion& sesion, Interlocutor& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), sesion_(sesion), ui_(ui) {
  setObjectName(QStringLiteral("PlantaForm"));
  setWindowTitle(QStringLiteral("Planta"));
  setWindowIcon(IconoPrograma());

  vista_ = new VistaPlanta(this);
  vista_->avisaProblemas = false;  // listed below the plan
  vista_->dibuja = [this](double alto) {
    OpcionesPlanta o;
    o.altoTexto = alto;
    o.omiteTextosQueNoCaben = true;
    return DibujoDeSesion(sesion_, o);
  };
  connect(vista_, &VistaPlanta::LosaElegida, this, [this](int losa) {
    MuestraLosa();
    if (alElegirLosa) alElegirLosa(losa);
  });

  auto boton = [this](const char* nombre, const QString& titulo, auto accion) {
    auto* b = new QPushButton(titulo, this);
    b->setObjectName(QString::fromLatin1(nombre));
    connect(b, &QPushButton::clicked, this, accion);
    return b;
  };
  auto* barra = new QHBoxLayout;
  barra->addWidget(boton("Ajusta", QStringLiteral("&Ajustar"), [this] { vista_->Ajusta(); }));
  barra->addWidget(boton("Acerca", QStringLiteral("A&cercar"), [this] { vista_->Acerca(1.5); }));
  barra->addWidget(boton("Aleja", QStringLiteral("A&lejar"), [this] { vista_->Acerca(1 / 1.5); }));
  barra->addStretch();
  barra->addWidget(boton("Imprime", QStringLiteral("&Imprime..."), [this] { ImprimePlanta(this, sesion_); }));
  barra->addWidget(boton("ExportaDxf", QStringLiteral("Exportar &DXF..."), [this] {
    if (exportaDxf) exportaDxf();
  }));
  barra->addWidget(boton("Sale", QStringLiteral("&Sale"), [this] { hide(); }));

  marcoLosa_ = new QGroupBox(QStringLiteral("Posicion de la losa"), this);
  auto* formulario = new QFormLayout(marcoLosa_);
  x0_ = new QLineEdit(marcoLosa_);
  x0_->setObjectName(QStringLiteral("X0"));
  y0_ = new QLineEdit(marcoLosa_);
  y0_->setObjectName(QStringLiteral("Y0"));
  for (QLineEdit* c : {x0_, y0_}) {
    c->setAlignment(Qt::AlignRight);
    c->setMaximumWidth(90);
    connect(c, &QLineEdit::returnPressed, this, [this] { Fija(false); });
  }
  formulario->addRow(QStringLiteral("X0 (m)"), x0_);
  formulario->addRow(QStringLiteral("Y0 (m)"), y0_);
  auto* botones = new QHBoxLayout;
  botones->addWidget(boton("Fija", QStringLiteral("&Fijar"), [this] { Fija(false); }));
  botones->addWidget(boton("Automatica", QStringLiteral("A&utomatica"), [this] { Fija(true); }));
  formulario->addRow(botones);
  auto* nota = new QLabel(
      QStringLiteral("Esquina inferior izquierda de la losa.\nVacio: la colocan los apoyos continuos."),
      marcoLosa_);
  nota->setWordWrap(true);
  formulario->addRow(nota);

  problemas_ = new QLabel(this);
  problemas_->setObjectName(QStringLiteral("Problemas"));
  problemas_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0)"));
  problemas_->setWordWrap(true);
  problemas_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* lado = new QVBoxLayout;
  lado->addWidget(marcoLosa_);
  lado->addStretch();
  auto* centro = new QHBoxLayout;
  centro->addWidget(vista_, 1);
  centro->addLayout(lado);
  auto* todo = new QVBoxLayout(this);
  todo->addLayout(barra);
  todo->addLayout(centro, 1);
  todo->addWidget(problemas_);
  resize(900, 620);
}

QPushButton* PlantaForm::Boton(const QString& nombre) const { return findChild<QPushButton*>(nombre); }

void PlantaForm::Muestra() {
  Actualiza();
  show();
  raise();
  activateWindow();
  vista_->Ajusta();
}

void PlantaForm::Actualiza() {
  vista_->Actualiza();
  QString lista;
  for (const ProblemaPosicion& q : vista_->Dibujo().problemas) lista += Q(q.texto) + QLatin1Char('\n');
  problemas_->setText(lista.trimmed());
  problemas_->setVisible(!lista.isEmpty());
  if (vista_->Seleccionada() > sesion_.proyecto.NumLosas) vista_->Selecciona(0);
  MuestraLosa();
}

void PlantaForm::Selecciona(int losa) {
  vista_->Selecciona(static_cast<Integer>(losa));
  MuestraLosa();
}

void PlantaForm::MuestraLosa() {
  const int losa = vista_->Seleccionada();
  const bool hay = losa >= 1 && losa <= sesion_.losas.NumFilas();
  marcoLosa_->setTitle(hay ? QStringLiteral("Posicion de la losa %1").arg(losa)
                           : QStringLiteral("Posicion de la losa"));
  if (!hay) {
    x0_->clear();
    y0_->clear();
    return;
  }
  const TablaLosas::Fila& f = sesion_.losas.filas[static_cast<std::size_t>(losa - 1)];
  // An empty box shows, greyed, where the supports put the slab.
  const Disposicion d = DisponeLosas(sesion_.proyecto);
  x0_->setText(Q(f[ColLosa::X0]));
  y0_->setText(Q(f[ColLosa::Y0]));
  x0_->setPlaceholderText(Q(Formato(d.X0[static_cast<std::size_t>(losa)], "0.00")));
  y0_->setPlaceholderText(Q(Formato(d.Y0[static_cast<std::size_t>(losa)], "0.00")));
}

void PlantaForm::Fija(bool automatica) {
  const int losa = vista_->Seleccionada();
  if (losa < 1 || losa > sesion_.losas.NumFilas()) {
    ui_.Avisa("Elija primero la losa con un clic sobre ella en la planta.", "Planta", Icono::Informacion);
    return;
  }
  const int fila = losa - 1;
  TablaLosas& t = sesion_.losas;
  const bool tomado =
      t.EditaCelda(fila, ColLosa::X0, automatica ? "" : x0_->text().trimmed().toStdString(), ui_) &&
      t.EditaCelda(fila, ColLosa::Y0, automatica ? "" : y0_->text().trimmed().toStdString(), ui_);
  if (tomado) t.FilaActualizada(ui_);
  if (alCambiarDatos) alCambiarDatos();
  Actualiza();
}

void ImprimePlanta(QWidget* padre, const Sesion& s) {
  QPrinter impresora(QPrinter::HighResolution);
  impresora.setPageOrientation(QPageLayout::Landscape);
  impresora.setDocName(QStringLiteral("Planta"));
  QPrintDialog dialogo(&impresora, padre);
  dialogo.setWindowTitle(QStringLiteral("Imprime planta"));
  if (dialogo.exec() == QDialog::Accepted) ImprimePlantaEn(impresora, s);
}

void ImprimePlantaEn(QPrinter& impresora, const Sesion& s) {
  QPainter p;
  if (!p.begin(&impresora)) return;
  const QRectF pagina(QPointF(0, 0), impresora.pageLayout().paintRectPixels(impresora.resolution()).size());
  const double pxMm = impresora.resolution() / 25.4;
  QFont titulo(QStringLiteral("Liberation Sans"));
  titulo.setPixelSize(static_cast<int>(4 * pxMm));
  titulo.setBold(true);
  p.setFont(titulo);
  p.drawText(pagina, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Planta  ") + Q(s.proyecto.Titulo));
  const QRectF area = pagina.adjusted(0, 8 * pxMm, 0, 0);
  const DibujoPlanta d = DibujoParaPapel(s, area.width() / pxMm, area.height() / pxMm, kAltoMinimoImpreso);
  OpcionesPintura o;
  o.pixelesPorMilimetro = pxMm;
  o.altoMinimoTexto = 0;
  PintaPlanta(p, d, AjustaPlanta(d, area), o);
  p.end();
}

}  // namespace placatec
