#include "escritorio/principal/PlacatForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QStackedWidget>
#include <QStatusBar>

#include "comandos/CambiosSinGuardar.h"
#include "comandos/ComandoCalculo.h"
#include "comandos/ComandoPlanta.h"
#include "comandos/ComandosArchivo.h"
#include "comandos/ComandosPrincipal.h"
#include "comandos/GeneralesALosas.h"
#include "escritorio/entrada/DatosapoyosForm.h"
#include "escritorio/entrada/DatosgenForm.h"
#include "escritorio/entrada/Datoslosas2Form.h"
#include "escritorio/principal/Ayuda.h"
#include "escritorio/principal/Recuerdos.h"
#include "escritorio/principal/frmAbout.h"
#include "escritorio/resultados/PlantaForm.h"
#include "escritorio/resultados/frmPesosMat.h"
#include "escritorio/widgets/IconoPrograma.h"
#include "escritorio/widgets/Rejilla.h"
#include "escritorio/widgets/VistaPlanta.h"
#include "model/Defectos.h"

namespace placatec {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The window's face: it shows no project data, only the program's picture and name.
class Portada : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(232, 236, 244));
    g.setColorAt(1, QColor(196, 206, 226));
    p.fillRect(rect(), g);
    const int lado = std::min(128, std::max(32, height() / 3));
    QPixmap dibujo = DibujoPrograma(lado);
    const int y = height() / 2 - lado / 2 - 20;
    p.drawPixmap((width() - lado) / 2, y, dibujo);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 2.2);
    p.setFont(f);
    p.setPen(QColor(0, 0, 110));
    p.drawText(QRect(0, y + lado + 8, width(), QFontMetrics(f).height() + 4), Qt::AlignCenter,
               QStringLiteral("Placatec"));
  }
};

}  // namespace

PlacatForm::PlacatForm(Sesion& sesion, QWidget* parent) : QMainWindow(parent), sesion_(sesion) {
  setObjectName(QStringLiteral("PlacatForm"));
  setWindowTitle(QStringLiteral("Placatec"));
  setWindowIcon(IconoPrograma());
  // The picture while there is no slab, then the plan of the storey.
  centro_ = new QStackedWidget(this);
  centro_->addWidget(new Portada(centro_));
  planta_ = new VistaPlanta(centro_);
  planta_->dibuja = [this](double alto) {
    OpcionesPlanta o;
    o.altoTexto = alto;
    o.omiteTextosQueNoCaben = true;
    return DibujoDeSesion(sesion_, o);
  };
  centro_->addWidget(planta_);
  setCentralWidget(centro_);
  connect(planta_, &VistaPlanta::LosaElegida, this, [this](int losa) {
    SeleccionaLosa(losa);
    if (seleccionaEnPlanta) seleccionaEnPlanta(losa);
  });
  // A double click opens the slab table at that slab.
  connect(planta_, &VistaPlanta::LosaActivada, this, [this](int losa) {
    LosasItem();
    SeleccionaLosa(losa);
  });
  planta_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto accionPlanta = [this](const QString& titulo, auto orden) {
    auto* a = new QAction(titulo, planta_);
    connect(a, &QAction::triggered, this, orden);
    planta_->addAction(a);
  };
  accionPlanta(QStringLiteral("Ajustar a la ventana"), [this] { planta_->Ajusta(); });
  accionPlanta(QStringLiteral("Abrir en la ventana Planta"), [this] { PlantaItem(); });
  accionPlanta(QStringLiteral("Imprime planta..."), [this] { ImprimePlanta(this, sesion_); });
  accionPlanta(QStringLiteral("Exportar DXF..."), [this] { ExportaDxfItem(); });

  label1_ = new QLabel(this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label2_ = new QLabel(this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setMinimumWidth(60);
  label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  statusBar()->addWidget(label1_, 1);
  statusBar()->addPermanentWidget(label2_);
  statusBar()->setSizeGripEnabled(false);

  CreaMenus();
  resize(640, 440);

  datosgen_ = std::make_unique<DatosgenForm>(sesion_.generales, *this);
  losas_ = std::make_unique<Datoslosas2Form>(sesion_.losas, *this);
  apoyos_ = std::make_unique<DatosapoyosForm>(sesion_.apoyos, *this);
  for (QWidget* w : {static_cast<QWidget*>(datosgen_.get()), static_cast<QWidget*>(losas_.get()),
                     static_cast<QWidget*>(apoyos_.get())})
    w->setWindowIcon(windowIcon());
  connect(datosgen_.get(), &DatosgenForm::Cerrado, this, [this] {
    // A general value changed: the slabs that held the old one may take it.
    OfreceValoresGenerales(sesion_, *this);
    losas_->Muestra(false);
    RegresaDeDialogo();
  });
  connect(losas_.get(), &Datoslosas2Form::Cerrado, this, &PlacatForm::RegresaDeDialogo);
  connect(apoyos_.get(), &DatosapoyosForm::Cerrado, this, &PlacatForm::RegresaDeDialogo);
  // The title's "*" follows each change while a data window is open.
  connect(datosgen_.get(), &DatosgenForm::DatosMostrados, this, &PlacatForm::ActualizaTitulo);
  connect(losas_.get(), &Datoslosas2Form::DatosMostrados, this, &PlacatForm::ActualizaTitulo);
  connect(apoyos_.get(), &DatosapoyosForm::DatosMostrados, this, &PlacatForm::ActualizaTitulo);

  pideArchivo = [this](DialogoArchivo d) {
    const QString filtro = QStringLiteral("Archivos de losas (*.Los)");
    // The dialog starts at the current project, else in the last folder used.
    QString inicio = Q(sesion_.estado.NombreArchivo);
    if (inicio.isEmpty() && recuerdos_) inicio = recuerdos_->UltimaCarpeta();
    QString elegido;
    if (d == DialogoArchivo::Dxf) {
      // Beside the project, with its name.
      QString inicioDxf =
          inicio.isEmpty() ? inicio
                           : QFileInfo(inicio).path() + "/" + QFileInfo(inicio).completeBaseName() + ".dxf";
      QFileDialog dialogo(this, QStringLiteral("Exportar DXF"), inicioDxf,
                          QStringLiteral("Dibujos DXF (*.dxf)"));
      dialogo.setAcceptMode(QFileDialog::AcceptSave);
      dialogo.setDefaultSuffix(QStringLiteral("dxf"));
      if (dialogo.exec() == QDialog::Accepted) elegido = dialogo.selectedFiles().value(0);
      return elegido;
    }
    if (d == DialogoArchivo::Abrir) {
      elegido = QFileDialog::getOpenFileName(this, QStringLiteral("Carga archivo"), inicio, filtro);
    } else {
      QFileDialog dialogo(this, QStringLiteral("Salva archivo"), inicio, filtro);
      dialogo.setAcceptMode(QFileDialog::AcceptSave);
      dialogo.setDefaultSuffix(QStringLiteral("Los"));
      if (dialogo.exec() == QDialog::Accepted) elegido = dialogo.selectedFiles().value(0);
    }
    if (!elegido.isEmpty() && recuerdos_) recuerdos_->PonUltimaCarpeta(QFileInfo(elegido).absolutePath());
    return elegido;
  };
  termina = [] { QCoreApplication::exit(0); };
  qApp->installEventFilter(this);
}

PlacatForm::~PlacatForm() = default;

frmPesosMat* PlacatForm::PesosMat() {
  if (!pesos_) {
    pesos_ = std::make_unique<frmPesosMat>();
    pesos_->setWindowIcon(windowIcon());
  }
  return pesos_.get();
}

void PlacatForm::MuestraDatos() {
  datosgen_->Muestra();
  losas_->Muestra(true);
  apoyos_->Muestra(true);
}

void PlacatForm::CreaMenus() {
  struct Item {
    const char* nombre;
    const char* titulo;  // nullptr: separator
    void (PlacatForm::*orden)();
    const char* atajos = nullptr;  // shortcut keys, "; " between two
  };
  auto menu = [this](const char* nombre, const char* titulo, std::initializer_list<Item> items) {
    QMenu* m = menuBar()->addMenu(QString::fromUtf8(titulo));
    m->setObjectName(QString::fromUtf8(nombre));
    for (const Item& i : items) {
      QAction* a = i.titulo ? m->addAction(QString::fromUtf8(i.titulo)) : m->addSeparator();
      a->setObjectName(QString::fromUtf8(i.nombre));
      if (i.atajos) a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(i.atajos)));
      if (i.orden) connect(a, &QAction::triggered, this, i.orden);
    }
    return m;
  };
  QMenu* archivos = menu("ArchivosItem", "&Archivos",
                         {{"NuevoItem", "&Nuevo...", &PlacatForm::NuevoItem, "Ctrl+N"},
                          {"CargaItem", "&Carga archivo...", &PlacatForm::CargaItem, "Ctrl+O"},
                          {"GuardaItem", "&Guardar", &PlacatForm::GuardaItem, "Ctrl+S"},
                          {"SalvaItem", "&Salva archivo...", &PlacatForm::SalvaItem, "Ctrl+Shift+S"},
                          {"Separador", nullptr, nullptr},
                          {"ImprimeItem", "&Print preview...", &PlacatForm::ImprimeItem, "Ctrl+P"},
                          {"ExportaDxfItem", "&Exportar DXF...", &PlacatForm::ExportaDxfItem},
                          {"Separa", nullptr, nullptr},
                          {"TerminaItem", "&Termina", &PlacatForm::TerminaItem, "Ctrl+Q"}});
  menu("DatosItem", "&Datos",
       {{"GeneralItem", "Datos &Generales", &PlacatForm::GeneralItem},
        {"LosasItem", "&Losas", &PlacatForm::LosasItem},
        {"ApoyosItem", "A&poyos", &PlacatForm::ApoyosItem},
        {"PlantaSepara", nullptr, nullptr},
        {"PlantaItem", "P&lanta", &PlacatForm::PlantaItem}});
  QMenu* calculo = menu("AnalisisItem", "&Calculo",
                        {{"ReacItem", "Ver reacciones sobre &Apoyos", &PlacatForm::ReacItem},
                         {"CalculoItem", "Calcular &Refuerzo", &PlacatForm::CalculoItem, "F5; Ctrl+R"},
                         {"ResultadosItem", "&Ver refuerzo", &PlacatForm::ResultadosItem},
                         {"MedidasItem", "Ver calculo &Metrico", &PlacatForm::MedidasItem},
                         {"VerificacionesSepara", nullptr, nullptr},
                         {"VerificacionesItem", "Verificacio&nes", &PlacatForm::VerificacionesItem},
                         {"PlanillaItem", "&Planilla de barras", &PlacatForm::PlanillaItem}});
  menu("UtilItem", "&Utilidades", {{"mnuPesos", "&Pesos de materiales", &PlacatForm::mnuPesos}});
  menu("HelpItem", "&Help",
       {{"menu21", "&Contenido", &PlacatForm::menu21, "F1"},
        {"menu22", "&Búsqueda", &PlacatForm::menu22},
        {"HelpSepara", nullptr, nullptr},
        {"menu23", "&About Placatec", &PlacatForm::menu23}});
  connect(archivos, &QMenu::aboutToShow, this, &PlacatForm::AlAbrirArchivos);
  connect(calculo, &QMenu::aboutToShow, this, &PlacatForm::AlAbrirCalculo);
  Accion("CalculoItem")->setEnabled(false);
  Accion("ResultadosItem")->setEnabled(false);
  Accion("MedidasItem")->setEnabled(false);
  Accion("VerificacionesItem")->setEnabled(false);
  Accion("PlanillaItem")->setEnabled(false);
}

QAction* PlacatForm::Accion(const QString& nombre) const {
  for (QMenu* m : menuBar()->findChildren<QMenu*>())
    for (QAction* a : m->actions())
      if (a->objectName() == nombre) return a;
  return nullptr;
}

QMenu* PlacatForm::Menu(const QString& nombre) const { return menuBar()->findChild<QMenu*>(nombre); }

// ---------------------------------------------------------------- talking to the user

QWidget* PlacatForm::PadreMensajes() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  QWidget* activa = QApplication::activeWindow();
  return activa && activa->isEnabled() ? activa : nullptr;
}

Respuesta PlacatForm::Pregunta(const Mensaje& m) {
  if (guion_) return guion_->Pregunta(m);
  QMessageBox box(PadreMensajes());
  box.setWindowTitle(m.titulo.empty() ? windowTitle() : Q(m.titulo));
  box.setTextFormat(Qt::PlainText);
  QString texto = Q(m.texto);
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  box.setText(texto);
  switch (m.icono) {
    case Icono::Informacion:
      box.setIcon(QMessageBox::Information);
      break;
    case Icono::Exclamacion:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icono::Pregunta:
      box.setIcon(QMessageBox::Question);
      break;
    case Icono::Critico:
      box.setIcon(QMessageBox::Critical);
      break;
    case Icono::Ninguno:
      break;
  }
  switch (m.botones) {
    case Botones::OK:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case Botones::OKCancelar:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Botones::SiNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Botones::GuardarNoGuardarCancelar:
      box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
      box.button(QMessageBox::Save)->setText(QStringLiteral("Guardar"));
      box.button(QMessageBox::Discard)->setText(QStringLiteral("No guardar"));
      box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
      box.setDefaultButton(QMessageBox::Save);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Cancel:
      return Respuesta::Cancelar;
    case QMessageBox::Yes:
      return Respuesta::Si;
    case QMessageBox::No:
      return Respuesta::No;
    case QMessageBox::Save:
      return Respuesta::Guardar;
    case QMessageBox::Discard:
      return Respuesta::NoGuardar;
    default:
      return Respuesta::OK;
  }
}

void PlacatForm::Beep() {
  if (guion_)
    guion_->Beep();
  else
    QApplication::beep();
}

void PlacatForm::Estado(const std::string& texto) {
  label1_->setText(Q(texto));
  label1_->repaint();
  if (guion_) guion_->Estado(texto);
}

void PlacatForm::Progreso(const std::string& texto) {
  label2_->setText(Q(texto));
  label2_->repaint();
  if (guion_) guion_->Progreso(texto);
}

// ---------------------------------------------------------------- windows

void PlacatForm::AbreDialogo(QWidget* dialogo) {
  setEnabled(false);
  dialogo->show();
  dialogo->raise();
  dialogo->activateWindow();
  QCoreApplication::processEvents();
}

void PlacatForm::RegresaDeDialogo() {
  ActualizaTitulo();
  AvisaDisposicion(sesion_, *this);
  setEnabled(true);
  show();
  raise();
  activateWindow();
}

VentanaAyuda* PlacatForm::Ayuda() {
  if (!ayuda_) {
    ayuda_ = std::make_unique<VentanaAyuda>();
    ayuda_->setWindowIcon(windowIcon());
  }
  return ayuda_.get();
}

bool PlacatForm::eventFilter(QObject* o, QEvent* e) {
  // F1 on any other window of the program shows that window's help page; on this
  // window the "&Contenido" item takes it.
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1 && o->isWidgetType()) {
    QWidget* ventana = static_cast<QWidget*>(o)->window();
    // A message box or another modal window waits for its answer first.
    if (ventana != this && ventana != ayuda_.get() && ventana->isActiveWindow() &&
        !QApplication::activeModalWidget()) {
      if (!HayAyuda()) return false;
      Ayuda()->MuestraPagina(PaginaAyudaDe(ventana->objectName()));
      return true;
    }
  }
  return QMainWindow::eventFilter(o, e);
}

bool PlacatForm::event(QEvent* e) {
  const bool r = QMainWindow::event(e);
  if (e->type() == QEvent::WindowActivate) {
    PrimeraActivacion();
  } else if (e->type() == QEvent::Show && primeraVez_) {
    // A desktop without a window manager never activates the window; once the
    // event loop runs, the start goes on as if it had.
    QMetaObject::invokeMethod(this, &PlacatForm::PrimeraActivacion, Qt::QueuedConnection);
  }
  return r;
}

void PlacatForm::PrimeraActivacion() {
  if (!primeraVez_) return;
  // At the first activation the general data dialog opens by itself, once; a project
  // named at start-up is loaded instead, and the load opens the general data.
  primeraVez_ = false;
  QCoreApplication::processEvents();
  if (archivoInicial_.isEmpty() || !CargaDesde(archivoInicial_)) GeneralItem();
}

// ---------------------------------------------------------------- memory between runs

void PlacatForm::UsaAjustes(std::unique_ptr<QSettings> ajustes) {
  recuerdos_ = std::make_unique<Recuerdos>(std::move(ajustes));
  const QByteArray geometria = recuerdos_->Geometria();
  if (!geometria.isEmpty()) restoreGeometry(geometria);
  MuestraRecientes();
}

void PlacatForm::MuestraRecientes() {
  QMenu* archivos = Menu(QStringLiteral("ArchivosItem"));
  for (QAction* a : accionesRecientes_) {
    archivos->removeAction(a);
    a->deleteLater();
  }
  accionesRecientes_.clear();
  if (!recuerdos_) return;
  QAction* itemTermina = Accion(QStringLiteral("TerminaItem"));
  const QStringList recientes = recuerdos_->Recientes();
  for (int i = 0; i < recientes.size(); ++i) {
    const QString ruta = recientes[i];
    // An "&" of the name is shown, not taken as the item's key.
    const QString nombre = QFileInfo(ruta).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(nombre), archivos);
    a->setObjectName(QStringLiteral("Reciente%1").arg(i + 1));
    a->setToolTip(ruta);
    a->setStatusTip(ruta);
    connect(a, &QAction::triggered, this, [this, ruta] {
      const bool puede = PuedeDescartarCambios();
      ActualizaTitulo();
      if (!puede) return;
      // A project that is no longer there leaves the list after its message.
      if (!CargaDesde(ruta) && !QFileInfo::exists(ruta)) {
        recuerdos_->Olvida(ruta);
        MuestraRecientes();
      }
    });
    accionesRecientes_.append(a);
  }
  if (!recientes.isEmpty()) {
    auto* separa = new QAction(archivos);
    separa->setSeparator(true);
    separa->setObjectName(QStringLiteral("SeparaRecientes"));
    accionesRecientes_.append(separa);
  }
  archivos->insertActions(itemTermina, accionesRecientes_);
}

// ---------------------------------------------------------------- menu enabling

void PlacatForm::AlAbrirArchivos() {
  Accion("ImprimeItem")->setEnabled(HayLosas(sesion_.proyecto));
  Accion("ExportaDxfItem")->setEnabled(HayLosas(sesion_.proyecto));
}

void PlacatForm::AlAbrirCalculo() {
  const bool hay = HayLosas(sesion_.proyecto);
  Accion("CalculoItem")->setEnabled(hay);
  // The views show the last calculation only while it describes the data.
  Accion("ResultadosItem")->setEnabled(sesion_.estado.CalculoHecho);
  Accion("MedidasItem")->setEnabled(sesion_.estado.CalculoHecho);
  Accion("ReacItem")->setEnabled(hay);
  // The checks read the last calculation: a load or a new project clears it.
  Accion("VerificacionesItem")->setEnabled(sesion_.estado.CalculoHecho);
  Accion("PlanillaItem")->setEnabled(sesion_.estado.CalculoHecho);
}

// ---------------------------------------------------------------- commands

void PlacatForm::ConfirmaEdiciones() {
  // A cell or box being typed counts before the program asks about the changes.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible()) continue;
    for (Rejilla* r : w->findChildren<Rejilla*>()) r->ConfirmaEdicion();
  }
  if (datosgen_->isVisible()) datosgen_->ConfirmaListas();
}

bool PlacatForm::PuedeDescartarCambios() {
  ConfirmaEdiciones();
  return PuedeDescartar(sesion_, *this, [this] { return pideArchivo(DialogoArchivo::Salvar).toStdString(); });
}

void PlacatForm::ActualizaTitulo() {
  setWindowTitle(QString::fromStdString(TituloVentana(sesion_)));
  // The shortcuts reach the items without their menu being opened: they follow the
  // data as the menus do when opened.
  AlAbrirArchivos();
  AlAbrirCalculo();
  centro_->setCurrentWidget(HayLosas(sesion_.proyecto) ? static_cast<QWidget*>(planta_) : centro_->widget(0));
  if (planta_->Seleccionada() > sesion_.proyecto.NumLosas) planta_->Selecciona(0);
  planta_->Actualiza();
  if (actualizaPlanta) actualizaPlanta();
}

void PlacatForm::SeleccionaLosa(int losa) {
  if (losa < 1 || losa > sesion_.losas.NumFilas()) return;
  planta_->Selecciona(static_cast<Integer>(losa));
  sesion_.losas.filaActual = losa - 1;
  losas_->Muestra(true);
}

void PlacatForm::PlantaItem() {
  if (muestraPlanta) muestraPlanta();
}

void PlacatForm::ExportaDxfItem() {
  ConfirmaEdiciones();
  const QString archivo = pideArchivo(DialogoArchivo::Dxf);
  if (archivo.isEmpty()) return;
  ExportaDxf(sesion_, archivo.toStdString(), *this);
  ActualizaTitulo();
}

void PlacatForm::NuevoItem() {
  // With unsaved changes the question about them is the confirmation.
  if (sesion_.estado.Modificado) {
    if (!PuedeDescartarCambios()) return ActualizaTitulo();
  } else if (Pregunta({"Seguro que quiere comenzar un nuevo set de datos?", "", Icono::Pregunta,
                       Botones::SiNo}) != Respuesta::Si) {
    return;
  }
  NuevosDatos(sesion_);
  sesion_.estado.NombreArchivo.clear();  // the new project is not the file
  sesion_.estado.EnDisco.clear();
  ActualizaTitulo();
  for (const char* item :
       {"CalculoItem", "ResultadosItem", "MedidasItem", "VerificacionesItem", "PlanillaItem"})
    Accion(item)->setEnabled(false);
  MuestraDatos();
  QCoreApplication::processEvents();
  GeneralItem();
}

void PlacatForm::CargaItem() {
  const bool puede = PuedeDescartarCambios();
  ActualizaTitulo();
  if (!puede) return;
  Accion("CalculoItem")->setEnabled(HayLosas(sesion_.proyecto));
  const QString archivo = pideArchivo(DialogoArchivo::Abrir);
  if (archivo.isEmpty()) return;
  CargaDesde(archivo);
}

bool PlacatForm::CargaDesde(const QString& archivo) {
  Accion("CalculoItem")->setEnabled(HayLosas(sesion_.proyecto));
  const bool cargado = CargaArchivo(sesion_, archivo.toStdString(), *this);
  MuestraDatos();
  ActualizaTitulo();
  if (!cargado) return false;
  if (recuerdos_) {
    recuerdos_->Anota(archivo);
    MuestraRecientes();
  }
  Accion("ResultadosItem")->setEnabled(false);
  Accion("MedidasItem")->setEnabled(false);
  Accion("VerificacionesItem")->setEnabled(false);
  Accion("PlanillaItem")->setEnabled(false);
  // The places of the file's slabs are told once, whatever was told of another project.
  sesion_.estado.DisposicionAvisada.clear();
  AvisaDisposicion(sesion_, *this);
  planta_->Ajusta();
  // The general data has been opened and activated by the load itself.
  AbreDialogo(datosgen_.get());
  datosgen_->Activa();
  return true;
}

void PlacatForm::SalvaItem() {
  const QString archivo = pideArchivo(DialogoArchivo::Salvar);
  if (!archivo.isEmpty()) Salva(archivo);
}

void PlacatForm::GuardaItem() {
  // A project with a file is saved there without asking where.
  if (sesion_.estado.NombreArchivo.empty()) return SalvaItem();
  Salva(Q(sesion_.estado.NombreArchivo));
}

void PlacatForm::Salva(const QString& archivo) {
  if (SalvaArchivo(sesion_, archivo.toStdString(), *this) && recuerdos_) {
    recuerdos_->Anota(archivo);
    MuestraRecientes();
  }
  ActualizaTitulo();
}

void PlacatForm::GeneralItem() {
  sesion_.generales.Abre();
  datosgen_->Muestra();
  AbreDialogo(datosgen_.get());
  datosgen_->Activa();
}

void PlacatForm::LosasItem() {
  CompletaPrimeraLosa(sesion_.proyecto);
  AbreDialogo(losas_.get());
  losas_->Activa();
}

void PlacatForm::ApoyosItem() {
  PreparaApoyos(sesion_.proyecto);
  AbreDialogo(apoyos_.get());
  apoyos_->Activa();
}

void PlacatForm::CalculoItem() {
  const bool calculado = CalculaRefuerzo(sesion_, *this);
  ActualizaTitulo();  // the plan shows the steel, or loses that of other data
  if (!calculado) return;
  Accion("ResultadosItem")->setEnabled(true);
  Accion("MedidasItem")->setEnabled(true);
  Accion("VerificacionesItem")->setEnabled(true);
  Accion("PlanillaItem")->setEnabled(true);
  ResultadosItem();
}

void PlacatForm::mnuPesos() { PesosMat()->Abre(); }

void PlacatForm::ImprimeItem() {
  if (!muestraVistaPrevia) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QCoreApplication::processEvents();
  try {
    muestraVistaPrevia();
  } catch (...) {
    QApplication::restoreOverrideCursor();
    Avisa("Error");
    return;
  }
  QApplication::restoreOverrideCursor();
  QCoreApplication::processEvents();
}

void PlacatForm::closeEvent(QCloseEvent* e) {
  if (!PuedeDescartarCambios()) {
    ActualizaTitulo();
    e->ignore();
    return;
  }
  if (recuerdos_) recuerdos_->PonGeometria(saveGeometry());
  e->accept();
  if (termina) termina();
}

void PlacatForm::TerminaItem() {
  if (!PuedeDescartarCambios()) return ActualizaTitulo();
  if (recuerdos_) recuerdos_->PonGeometria(saveGeometry());
  if (termina) termina();
}

void PlacatForm::ReacItem() {
  if (!muestraReacciones) return;
  setEnabled(false);
  muestraReacciones();
}

void PlacatForm::ResultadosItem() {
  if (!muestraResultados || !sesion_.estado.CalculoHecho) return;
  setEnabled(false);
  muestraResultados();
}

void PlacatForm::MedidasItem() {
  if (!muestraMedidas || !sesion_.estado.CalculoHecho) return;
  setEnabled(false);
  muestraMedidas();
}

void PlacatForm::VerificacionesItem() {
  if (!muestraVerificaciones || !sesion_.estado.CalculoHecho) return;
  setEnabled(false);
  muestraVerificaciones();
}

void PlacatForm::PlanillaItem() {
  if (!muestraPlanilla || !sesion_.estado.CalculoHecho) return;
  setEnabled(false);
  muestraPlanilla();
}

void PlacatForm::menu21() {
  if (!HayAyuda()) {
    Avisa("Archivo Help no encontrado.", windowTitle().toStdString(), Icono::Informacion);
    return;
  }
  Ayuda()->MuestraContenido();
}

void PlacatForm::menu22() {
  if (!HayAyuda()) {
    Avisa("Archivo Help no encontrado.", windowTitle().toStdString(), Icono::Informacion);
    return;
  }
  Ayuda()->MuestraBusqueda();
}

void PlacatForm::menu23() {
  setEnabled(false);
  frmAbout about(*this);
  about.setWindowModality(Qt::ApplicationModal);
  about.exec();
  setEnabled(true);
  raise();
  activateWindow();
}

}  // namespace placatec
