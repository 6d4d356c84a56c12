#include "escritorio/vistaprevia/LosPrev.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "escritorio/pdf/PintaReporte.h"
#include "escritorio/vistaprevia/EntornoQt.h"
#include "model/ArchivoDisco.h"
#include "ui_LosPrevIzquierda.h"

namespace placatec {

namespace {

// Prints pages desde..hasta on a printer already set up for the page.
bool ImprimePaginas(QPrinter& impresora, const Maqueta& m, int desde, int hasta, QString& error) {
  if (!RangoValido(m, desde, hasta, error)) return false;
  QPainter p;
  if (!p.begin(&impresora)) {
    error = QStringLiteral("No se pudo imprimir en %1.").arg(impresora.printerName());
    return false;
  }
  EscalaATwips(p, impresora);
  for (int n = desde; n <= hasta; ++n) {
    if (n > desde) impresora.newPage();
    PintaPagina(p, m.paginas[static_cast<std::size_t>(n - 1)]);
  }
  return p.end();
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Message boxes of this window.
class InterlocutorVentana : public Interlocutor {
 public:
  explicit InterlocutorVentana(QWidget* w) : w_(w) {}
  Respuesta Pregunta(const Mensaje& m) override {
    QMessageBox caja(m.icono == Icono::Critico       ? QMessageBox::Critical
                     : m.icono == Icono::Exclamacion ? QMessageBox::Warning
                     : m.icono == Icono::Informacion ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                     Q(m.titulo), Q(m.texto), QMessageBox::Ok, w_);
    caja.exec();
    return Respuesta::OK;
  }

 private:
  QWidget* w_;
};

// A small picture of a sheet in portrait or landscape.
QPixmap DibujoHoja(bool horizontal) {
  QPixmap p(44, 44);
  p.fill(Qt::transparent);
  QPainter g(&p);
  QRectF hoja = horizontal ? QRectF(4, 10, 36, 26) : QRectF(9, 4, 26, 36);
  g.setPen(QPen(Qt::black, 1));
  g.setBrush(Qt::white);
  g.drawRect(hoja);
  g.setPen(QPen(Qt::gray, 1));
  for (double y = hoja.top() + 5; y < hoja.bottom() - 3; y += 4)
    g.drawLine(QPointF(hoja.left() + 4, y), QPointF(hoja.right() - 4, y));
  return p;
}

const int kFilasEstilo[4] = {FilaHeader, FilaFooter, FilaSubTitulos, FilaTexto};
const char* const kNombresEstilo[5] = {"Encabezado", "Pie de pagina", "", "Sub-Titulos", "Texto"};

}  // namespace

LosPrev::LosPrev(Sesion& s, QWidget* padre, std::unique_ptr<EntornoVistaPrevia> entorno,
                 Recalculos recalculos)
    : QWidget(padre, Qt::Window),
      s_(s),
      entorno_(entorno ? std::move(entorno) : std::make_unique<EntornoQt>()) {
  setObjectName("LosPrev");
  setWindowTitle(kTituloVistaPrevia);
  modelo_ = std::make_unique<VistaPrevia>(s_, *entorno_, std::move(recalculos));
  Construye();
  modelo_->Carga();
  Refleja();
  resize(1100, 800);
}

LosPrev::~LosPrev() {
  // Hiding the window while it is destroyed moves the focus out of a field, whose
  // handler must not reach the model any more.
  for (QObject* hijo : findChildren<QObject*>()) disconnect(hijo, nullptr, this, nullptr);
}

void LosPrev::Construye() {
  auto* raiz = new QVBoxLayout(this);
  auto* arriba = new QHBoxLayout;
  arriba->addWidget(ConstruyeIzquierda());
  centro_ = new QStackedWidget;
  vista_ = new QScrollArea;
  vista_->setObjectName("Vp");
  vista_->setBackgroundRole(QPalette::Dark);
  vista_->setAlignment(Qt::AlignCenter);
  hoja_ = new QLabel;
  hoja_->setObjectName("hoja");
  vista_->setWidget(hoja_);
  vista_->installEventFilter(this);
  vista_->viewport()->installEventFilter(this);
  centro_->addWidget(vista_);
  centro_->addWidget(ConstruyePanelFuentes());
  centro_->addWidget(ConstruyePanelEncabezado());
  arriba->addWidget(centro_, 1);
  raiz->addLayout(arriba, 1);
  raiz->addWidget(ConstruyeBarra());
}

QWidget* LosPrev::ConstruyeIzquierda() {
  auto* izq = new QWidget;
  izquierda_ = std::make_unique<Ui::LosPrevIzquierda>();
  Ui::LosPrevIzquierda& f = *izquierda_;
  f.setupUi(izq);
  general_ = f.General;
  papel_ = f.Papel;
  imprimeMarco_ = f.Imprime;
  cmbDevice_ = f.cmbDevice;
  cmbPaperSizes_ = f.cmbPaperSizes;
  cmbBorders_ = f.cmbBorders;
  opOrient_ = {f.opOrient0, f.opOrient1};
  dibujo_ = {f.dibujo0, f.dibujo1};
  txtMargin_ = {f.txtMargin0, f.txtMargin1, f.txtMargin2, f.txtMargin3};
  scrlMargin_ = {f.scrlMargin0, f.scrlMargin1, f.scrlMargin2, f.scrlMargin3};

  connect(cmbDevice_, &QComboBox::activated, this, [this](int i) {
    modelo_->ClickImpresora(i);
    Refleja();
  });
  connect(f.cmdFuentes, &QPushButton::clicked, this, [this] {
    modelo_->AbrePanel(Panel::FuenteColor);
    Refleja();
  });
  connect(f.cmdEncabezado, &QPushButton::clicked, this, [this] {
    modelo_->AbrePanel(Panel::EncabezadoPie);
    Refleja();
  });

  connect(cmbPaperSizes_, &QComboBox::activated, this, [this](int i) {
    modelo_->ClickPapel(i);
    Refleja();
  });
  auto* grupoOrient = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    grupoOrient->addButton(opOrient_[static_cast<std::size_t>(i)], i);
    dibujo_[static_cast<std::size_t>(i)]->setPixmap(DibujoHoja(i == 1));
  }
  connect(grupoOrient, &QButtonGroup::idClicked, this, [this](int i) {
    modelo_->ClickOrientacion(i);
    Refleja();
  });
  for (const char* b : VistaPrevia::kNombresBorde) cmbBorders_->addItem(b);
  connect(cmbBorders_, &QComboBox::activated, this, [this](int i) {
    modelo_->ClickBorde(i);
    Refleja();
  });
  for (int i = 0; i < 4; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    txtMargin_[k]->installEventFilter(this);
    connect(txtMargin_[k], &QLineEdit::textEdited, this,
            [this, i](const QString& t) { modelo_->EditaMargen(i, t.toStdString()); });
    connect(txtMargin_[k], &QLineEdit::editingFinished, this, [this, i] {
      if (reflejando_) return;
      modelo_->EditaMargen(i, txtMargin_[static_cast<std::size_t>(i)]->text().toStdString());
      modelo_->SaleMargen(i);
      Refleja();
    });
    connect(scrlMargin_[k], &QScrollBar::valueChanged, this, [this, i](int v) {
      if (reflejando_) return;
      modelo_->EditaMargen(i, txtMargin_[static_cast<std::size_t>(i)]->text().toStdString());
      modelo_->CambiaBarraMargen(i, v);
      Refleja();
    });
  }
  LlenaImprime(f.LayoutImprime);
  return izq;
}

void LosPrev::LlenaImprime(QGridLayout* im) {
  // One box per section, placed by the section's number (the newer ones below).
  for (const DefinicionSeccion& d : kSecciones) {
    const int k = static_cast<int>(d.seccion);
    auto* c = new QCheckBox(QString::fromUtf8(d.titulo));
    c->setObjectName(d.nombre);
    check_[static_cast<std::size_t>(k)] = c;
    im->addWidget(c, k / 2, k % 2);
    connect(c, &QCheckBox::clicked, this, [this, k](bool v) {
      modelo_->ClickSeccion(static_cast<Seccion>(k), v);
      Refleja();
    });
  }
  const int kFilaRango = (NumSecciones + 1) / 2;  // the page range below the section boxes
  const char* rangos[3] = {"To&do", "Pa&gina actual", "Pagi&nas:"};
  auto* grupoRango = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    option1_[static_cast<std::size_t>(i)] = new QRadioButton(rangos[i]);
    option1_[static_cast<std::size_t>(i)]->setObjectName(QString("Option1_%1").arg(i));
    grupoRango->addButton(option1_[static_cast<std::size_t>(i)], i);
    im->addWidget(option1_[static_cast<std::size_t>(i)], kFilaRango + i, 0, 1, 2);
  }
  connect(grupoRango, &QButtonGroup::idClicked, this, [this](int i) {
    modelo_->ClickRango(i);
    Refleja();
  });
  auto* campos = new QHBoxLayout;
  for (int cual = 0; cual < 2; ++cual) {
    QLineEdit*& campo = cual == 0 ? text1_ : text2_;
    campo = new QLineEdit;
    campo->setObjectName(cual == 0 ? "Text1" : "Text2");
    campo->setMaximumWidth(40);
    campos->addWidget(new QLabel(cual == 0 ? "Desde" : "Hasta"));
    campos->addWidget(campo);
    auto* ud = new QWidget;
    ud->setObjectName(cual == 0 ? "UpDown1" : "UpDown2");
    auto* udl = new QVBoxLayout(ud);
    udl->setContentsMargins(0, 0, 0, 0);
    udl->setSpacing(0);
    for (int paso : {+1, -1}) {
      auto* b = new QToolButton;
      b->setObjectName(paso > 0 ? "arriba" : "abajo");
      b->setArrowType(paso > 0 ? Qt::UpArrow : Qt::DownArrow);
      b->setFixedSize(18, 12);
      udl->addWidget(b);
      connect(b, &QToolButton::clicked, this, [this, cual, paso] {
        modelo_->PulsaSpinner(cual, paso);
        Refleja();
      });
    }
    upDown_[static_cast<std::size_t>(cual)] = ud;
    campos->addWidget(ud);
    connect(campo, &QLineEdit::textEdited, this, [this, cual](const QString& t) {
      if (cual == 0)
        modelo_->EditaDesde(t.toStdString());
      else
        modelo_->EditaHasta(t.toStdString());
    });
  }
  campos->addStretch();
  im->addLayout(campos, kFilaRango + 3, 0, 1, 2);
}

QWidget* LosPrev::ConstruyeBarra() {
  botones_ = new QFrame;
  botones_->setObjectName("botones");
  auto* b = new QHBoxLayout(botones_);
  b->setContentsMargins(0, 0, 0, 0);
  const char* flechas[4] = {"|<", "<", ">", ">|"};
  auto fila = [&](const char* rotulo, QLabel*& valor, std::array<QToolButton*, 4>& botones,
                  const char* nombre, auto accion) {
    b->addWidget(new QLabel(rotulo));
    valor = new QLabel;
    valor->setObjectName(QString(nombre) + "Valor");
    valor->setMinimumWidth(36);
    b->addWidget(valor);
    for (int i = 0; i < 4; ++i) {
      auto* t = new QToolButton;
      t->setText(flechas[i]);
      t->setObjectName(QString("%1%2").arg(nombre).arg(i));
      botones[static_cast<std::size_t>(i)] = t;
      b->addWidget(t);
      connect(t, &QToolButton::clicked, this, [this, i, accion] {
        accion(*modelo_, i);
        Refleja();
      });
    }
    b->addSpacing(16);
  };
  fila("Zoom:", zoom_, cmdZoom_, "cmdZoom", [](VistaPrevia& m, int i) { m.ClickZoom(i); });
  auto* ancho = new QToolButton;
  ancho->setText("Ancho");
  ancho->setObjectName("cmdAncho");
  ancho->setToolTip("Ajusta el zoom al ancho de la hoja (Ctrl + rueda: acerca o aleja)");
  b->insertWidget(b->count() - 1, ancho);  // after the zoom buttons
  connect(ancho, &QToolButton::clicked, this, [this] {
    modelo_->AjustaAlAncho(vista_->viewport()->width(), logicalDpiX());
    Refleja();
  });
  fila("Pagina:", pagina_, cmdPage_, "cmdPage", [](VistaPrevia& m, int i) { m.ClickPagina(i); });
  b->addStretch();
  imprime_ = new QPushButton("&Imprime");
  imprime_->setObjectName("cmdImprime");
  exporta_ = new QPushButton("E&xporta PDF...");
  exporta_->setObjectName("cmdExporta");
  sale_ = new QPushButton("S&ale");
  sale_->setObjectName("cmdSale");
  b->addWidget(imprime_);
  b->addWidget(exporta_);
  b->addWidget(sale_);
  connect(imprime_, &QPushButton::clicked, this, &LosPrev::Imprime);
  connect(exporta_, &QPushButton::clicked, this, &LosPrev::ExportaPdf);
  connect(sale_, &QPushButton::clicked, this, [this] {
    hide();
    if (QWidget* principal = parentWidget()) principal->activateWindow();  // the keys go back there
  });
  return botones_;
}

QWidget* LosPrev::ConstruyePanelFuentes() {
  auto* panel = new QWidget;
  panel->setObjectName("panelFuentes");
  auto* v = new QVBoxLayout(panel);
  auto* g = new QGridLayout;
  g->addWidget(new QLabel("<b>Estilo</b>"), 0, 0);
  g->addWidget(new QLabel("<b>Fuente</b>"), 0, 1);
  g->addWidget(new QLabel(QString::fromUtf8("<b>Tama\xC3\xB1o</b>")), 0, 2);
  g->addWidget(new QLabel("<b>Efecto</b>"), 0, 3);
  g->addWidget(new QLabel("<b>Color</b>"), 0, 4);
  int r = 1;
  for (int fila : kFilasEstilo) {
    const std::size_t k = static_cast<std::size_t>(fila);
    g->addWidget(new QLabel(kNombresEstilo[fila]), r, 0);
    botonFuente_[k] = new QPushButton;
    botonFuente_[k]->setObjectName(QString("fuente%1").arg(fila));
    tamano_[k] = new QLineEdit;
    tamano_[k]->setObjectName(QString("tamano%1").arg(fila));
    efecto_[k] = new QLineEdit;
    efecto_[k]->setObjectName(QString("efecto%1").arg(fila));
    for (QLineEdit* e : {tamano_[k], efecto_[k]}) {
      e->setReadOnly(true);
      e->setMaximumWidth(90);
      e->setCursor(Qt::ArrowCursor);
      e->installEventFilter(this);
    }
    color_[k] = new QPushButton;
    color_[k]->setObjectName(QString("color%1").arg(fila));
    color_[k]->setFixedSize(40, 22);
    g->addWidget(botonFuente_[k], r, 1);
    g->addWidget(tamano_[k], r, 2);
    g->addWidget(efecto_[k], r, 3);
    g->addWidget(color_[k], r, 4);
    connect(botonFuente_[k], &QPushButton::clicked, this, [this, fila] { EligeFuente(fila); });
    connect(color_[k], &QPushButton::clicked, this, [this, fila] { EligeColor(fila); });
    ++r;
  }
  g->setColumnStretch(5, 1);
  v->addLayout(g);
  v->addWidget(BotonCierraPanel("cierraFuentes"), 0, Qt::AlignLeft);
  v->addStretch();
  return panel;
}

QPushButton* LosPrev::BotonCierraPanel(const char* nombre) {
  auto* ok = new QPushButton("OK");
  ok->setObjectName(nombre);
  connect(ok, &QPushButton::clicked, this, [this] {
    modelo_->CierraPanel();
    Refleja();
  });
  return ok;
}

QWidget* LosPrev::ConstruyePanelEncabezado() {
  auto* panel = new QWidget;
  panel->setObjectName("panelEncabezado");
  auto* v = new QVBoxLayout(panel);
  const char* rotulos[2] = {"Encabezado", "Pie de pagina"};
  for (int i = 0; i < 2; ++i) {
    v->addWidget(new QLabel(rotulos[i]));
    text5_[static_cast<std::size_t>(i)] = new QPlainTextEdit;
    text5_[static_cast<std::size_t>(i)]->setObjectName(QString("Text5_%1").arg(i));
    text5_[static_cast<std::size_t>(i)]->setMaximumHeight(80);
    v->addWidget(text5_[static_cast<std::size_t>(i)]);
    connect(text5_[static_cast<std::size_t>(i)], &QPlainTextEdit::textChanged, this, [this, i] {
      if (reflejando_) return;
      const std::string t = text5_[static_cast<std::size_t>(i)]->toPlainText().toStdString();
      if (i == 0)
        modelo_->EditaEncabezado(t);
      else
        modelo_->EditaPie(t);
    });
  }
  ayuda_ = new QTextEdit;
  ayuda_->setObjectName("ayuda");
  ayuda_->setReadOnly(true);
  ayuda_->setMaximumHeight(140);
  v->addWidget(ayuda_);
  v->addWidget(BotonCierraPanel("cierraEncabezado"), 0, Qt::AlignLeft);
  v->addStretch();
  return panel;
}

void LosPrev::Refleja() {
  reflejando_ = true;
  const VistaPrevia& m = *modelo_;
  {
    QSignalBlocker b1(cmbDevice_), b2(cmbPaperSizes_), b3(cmbBorders_);
    if (cmbDevice_->count() != static_cast<int>(m.impresoras.size())) {
      cmbDevice_->clear();
      for (const std::string& n : m.impresoras) cmbDevice_->addItem(Q(n));
    }
    cmbDevice_->setCurrentIndex(m.impresoraSeleccionada);
    cmbPaperSizes_->clear();
    for (const EntradaPapel& e : m.papeles) cmbPaperSizes_->addItem(Q(e.nombre), e.codigo);
    cmbPaperSizes_->setCurrentIndex(m.papelSeleccionado);
    cmbBorders_->setCurrentIndex(m.borde);
  }
  opOrient_[static_cast<std::size_t>(m.orientacion)]->setChecked(true);
  for (std::size_t i = 0; i < 2; ++i) dibujo_[i]->setVisible(m.dibujoOrientacion[i]);
  for (std::size_t i = 0; i < 4; ++i)
    if (txtMargin_[i]->text() != Q(m.txtMargin[i])) txtMargin_[i]->setText(Q(m.txtMargin[i]));
  for (std::size_t k = 0; k < NumSecciones; ++k) {
    check_[k]->setChecked(m.marcada[k]);
    check_[k]->setEnabled(m.habilitada[k]);
  }
  option1_[static_cast<std::size_t>(m.rango)]->setChecked(true);
  if (text1_->text() != Q(m.desde)) text1_->setText(Q(m.desde));
  if (text2_->text() != Q(m.hasta)) text2_->setText(Q(m.hasta));
  for (std::size_t i = 0; i < 2; ++i) upDown_[i]->setVisible(m.spinners[i].visible);
  zoom_->setText(Q(m.textoZoom) + "%");
  pagina_->setText(Q(m.textoPagina));
  for (std::size_t i = 0; i < 4; ++i) {
    cmdZoom_[i]->setEnabled(m.zoomHabilitado[i]);
    cmdPage_[i]->setEnabled(m.paginaHabilitada[i]);
  }
  general_->setVisible(m.generalVisible);
  papel_->setEnabled(m.papelHabilitado);
  imprimeMarco_->setEnabled(m.imprimeHabilitado);
  botones_->setEnabled(m.botonesHabilitados);

  for (int fila : kFilasEstilo) {
    const std::size_t k = static_cast<std::size_t>(fila);
    const Estilo& e = m.estilos[k];
    botonFuente_[k]->setText(Q(e.fuente));
    tamano_[k]->setText(QString::number(e.tamano));
    efecto_[k]->setText(e.negrita ? "Negrita" : "Normal");
    QFont f = efecto_[k]->font();
    f.setBold(e.negrita);
    f.setItalic(e.cursiva);
    f.setUnderline(e.subrayado);
    f.setStrikeOut(e.tachado);
    efecto_[k]->setFont(f);
    const QColor color = QColor::fromRgb(e.color & 0xFFFFFFu);
    QPalette pal = efecto_[k]->palette();
    pal.setColor(QPalette::Text, color);
    efecto_[k]->setPalette(pal);
    color_[k]->setStyleSheet(QString("background-color: %1; border: 1px solid black;").arg(color.name()));
  }
  for (std::size_t i = 0; i < 2; ++i) {
    const QString t = Q(i == 0 ? m.encabezado : m.pie);
    if (text5_[i]->toPlainText() != t) text5_[i]->setPlainText(t);
  }
  if (ayuda_->toPlainText() != Q(m.ayuda)) ayuda_->setPlainText(Q(m.ayuda));

  centro_->setCurrentIndex(m.panel == Panel::FuenteColor ? 1 : m.panel == Panel::EncabezadoPie ? 2 : 0);
  PintaVista();
  reflejando_ = false;
}

void LosPrev::PintaVista() {
  const Pagina* pagina = modelo_->PaginaMostrada();
  const ControlImpresion& c = modelo_->Control();
  if (!pagina || !c.vista) {
    hoja_->clear();
    return;
  }
  const double escala = logicalDpiX() * c.zoom / 100.0 / 1440.0;
  const QSize tamano(std::max(1, static_cast<int>(c.maqueta.hoja.ancho * escala)),
                     std::max(1, static_cast<int>(c.maqueta.hoja.alto * escala)));
  QImage imagen(tamano, QImage::Format_RGB32);
  imagen.fill(Qt::white);
  {
    QPainter p(&imagen);
    p.scale(escala, escala);
    PintaPagina(p, *pagina);
  }
  hoja_->setPixmap(QPixmap::fromImage(imagen));
  hoja_->resize(tamano);
}

bool LosPrev::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::FocusIn) {
    for (QLineEdit* e : txtMargin_)
      if (objeto == e) QTimer::singleShot(0, e, &QLineEdit::selectAll);
  }
  if (evento->type() == QEvent::MouseButtonPress) {
    for (int fila : kFilasEstilo) {
      const std::size_t k = static_cast<std::size_t>(fila);
      if (objeto == tamano_[k] || objeto == efecto_[k]) {
        EligeFuente(fila);
        return true;
      }
    }
  }
  if (vista_ && objeto == vista_->viewport() && evento->type() == QEvent::Wheel &&
      (static_cast<QWheelEvent*>(evento)->modifiers() & Qt::ControlModifier)) {
    // Ctrl + wheel zooms in or out by the zoom step.
    const int giro = static_cast<QWheelEvent*>(evento)->angleDelta().y();
    if (giro != 0) {
      modelo_->ClickZoom(giro > 0 ? 2 : 1);
      Refleja();
    }
    return true;
  }
  if (objeto == vista_ && evento->type() == QEvent::KeyPress) {
    // Page keys in the preview itself.
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_PageDown || tecla == Qt::Key_PageUp) {
      modelo_->CambiaPaginaVista(modelo_->Control().paginaMostrada + (tecla == Qt::Key_PageDown ? 1 : -1));
      Refleja();
      return true;
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

void LosPrev::EligeFuente(int fila) {
  Estilo e = modelo_->estilos[static_cast<std::size_t>(fila)];
  QFont inicial(Q(e.fuente));
  inicial.setPointSizeF(e.tamano);
  inicial.setBold(e.negrita);
  inicial.setItalic(e.cursiva);
  inicial.setUnderline(e.subrayado);
  inicial.setStrikeOut(e.tachado);
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, inicial, this, "Fuente");
  if (!ok) return;
  e.fuente = f.family().toStdString();
  if (f.pointSizeF() > 0) e.tamano = f.pointSizeF();
  e.negrita = f.bold();
  e.cursiva = f.italic();
  e.subrayado = f.underline();
  e.tachado = f.strikeOut();
  modelo_->AplicaEstilo(fila, e);
  Refleja();
}

void LosPrev::EligeColor(int fila) {
  Estilo e = modelo_->estilos[static_cast<std::size_t>(fila)];
  const QColor c = QColorDialog::getColor(QColor::fromRgb(e.color & 0xFFFFFFu), this, "Color");
  if (!c.isValid()) return;
  e.color = static_cast<std::uint32_t>(c.rgb() & 0xFFFFFFu);
  modelo_->AplicaEstilo(fila, e);
  Refleja();
}

bool LosPrev::event(QEvent* evento) {
  if (evento->type() == QEvent::WindowDeactivate) activa_ = false;
  // While a settings panel is open the font and colour dialogs come and go over the
  // window; the panel rebuilds the report when it closes.
  if (evento->type() == QEvent::WindowActivate && !activa_ && modelo_ && modelo_->panel == Panel::Ninguno)
    Activa();
  return QWidget::event(evento);
}

void LosPrev::Activa() {
  activa_ = true;
  modelo_->Activa();
  Refleja();
}

namespace {

// The report never replaces the open project (by any name of its file): the project
// would be lost to it.
bool SobreElProyecto(QWidget* w, const QString& ruta, const std::string& proyecto) {
  if (!MismoArchivo(ruta.toStdString(), proyecto)) return false;
  QMessageBox::warning(w, "Print Preview",
                       "El reporte no puede guardarse sobre el proyecto abierto:\n" + ruta +
                           "\nElija otro nombre para el archivo PDF.");
  return true;
}

}  // namespace

bool LosPrev::EscribePdfEn(const QString& ruta) {
  if (SobreElProyecto(this, ruta, s_.estado.NombreArchivo)) return false;
  QString error;
  const ControlImpresion& c = modelo_->Control();
  if (!EscribePdf(c.maqueta, c.pagina, ruta, error, 0, 0, Q(s_.proyecto.Titulo))) {
    QMessageBox::warning(this, kTituloVistaPrevia, error);
    return false;
  }
  return true;
}

namespace {

QString PideArchivoPdf(QWidget* w, const std::string& proyecto) {
  QString inicial = proyecto.empty() ? QString("Reporte.pdf")
                                     : QFileInfo(Q(proyecto)).path() + "/" +
                                           QFileInfo(Q(proyecto)).completeBaseName() + ".pdf";
  QString ruta = QFileDialog::getSaveFileName(w, "Exporta PDF", inicial, "Archivos PDF (*.pdf)");
  if (!ruta.isEmpty() && QFileInfo(ruta).suffix().isEmpty()) ruta += ".pdf";
  return ruta;
}

}  // namespace

void LosPrev::ExportaPdf() {
  const QString ruta = PideArchivoPdf(this, s_.estado.NombreArchivo);
  if (!ruta.isEmpty()) EscribePdfEn(ruta);
}

void LosPrev::Imprime() {
  InterlocutorVentana u(this);
  const auto rango = modelo_->Imprime(u);
  if (!rango) return;
  const ControlImpresion& c = modelo_->Control();
  QString error;
  bool hecho;
  if (c.impresora == kImpresoraPdf) {
    const QString ruta = PideArchivoPdf(this, s_.estado.NombreArchivo);
    if (ruta.isEmpty() || SobreElProyecto(this, ruta, s_.estado.NombreArchivo)) return;
    hecho = EscribePdf(c.maqueta, c.pagina, ruta, error, rango->first, rango->second, Q(s_.proyecto.Titulo));
  } else {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPrinterName(Q(c.impresora));
    impresora.setFullPage(true);
    impresora.setPageLayout(DisenoPagina(c.pagina));
    impresora.setDocName(Q(s_.proyecto.Titulo));
    hecho = ImprimePaginas(impresora, c.maqueta, rango->first, rango->second, error);
  }
  if (!hecho) QMessageBox::warning(this, kTituloVistaPrevia, error);
}

LosPrev* MuestraVistaPrevia(LosPrev*& ventana, Sesion& s, QWidget* principal) {
  if (!ventana) ventana = new LosPrev(s, principal);
  ventana->show();
  ventana->raise();
  ventana->activateWindow();
  ventana->Activa();
  return ventana;
}

}  // namespace placatec
