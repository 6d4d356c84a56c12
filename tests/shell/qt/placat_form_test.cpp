// The main window as the engineer uses it: the start, the menu tree and its enabling,
// the status labels, new project, save and load, the calculation and the windows
// that the menus open.
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "../../CapturaPantalla.h"
#include "../../InterlocutorGuion.h"
#include "../../UsuarioQt.h"
#include "entry/qt/DatosapoyosForm.h"
#include "entry/qt/DatosgenForm.h"
#include "entry/qt/Datoslosas2Form.h"
#include "model/Sesion.h"
#include "outputs/qt/frmPesosMat.h"
#include "shell/Arranque.h"
#include "shell/Ayuda.h"
#include "shell/PlacatForm.h"
#include "shell/Rejilla.h"
#include "shell/frmAbout.h"

using namespace placatec;

namespace {

struct Item {
  QString nombre, titulo;
};

// What a menu holds, in order; separators by their names with the caption "-".
QList<Item> Contenido(QMenu* m) {
  QList<Item> l;
  for (QAction* a : m->actions()) l.push_back({a->objectName(), a->isSeparator() ? "-" : a->text()});
  return l;
}

bool operator==(const Item& a, const Item& b) { return a.nombre == b.nombre && a.titulo == b.titulo; }

// Opens a menu as the user does, so that its enabling runs, and closes it again.
void AbreMenu(QMenu* m) {
  m->popup(QPoint(10, 10));
  QCoreApplication::processEvents();
  m->hide();
}

}  // namespace

class PlacatFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Sesion> sesion;
  std::unique_ptr<PlacatForm> placat;
  InterlocutorGuion guion;
  QString archivoPedido;
  int terminado = 0;

  // The program as it starts, with the general data dialog closed again by OK.
  void Arranca() {
    Main(*placat);
    QTRY_VERIFY(placat->Datosgen()->isVisible());
    Clic(placat->Datosgen()->OKButtom());
    QVERIFY(placat->isEnabled());
  }

  // Three slabs typed into the slab table: 4 x 5, 6 x 4 and 3 x 3, the last two
  // fixed on edge 1.
  void CargaTresLosas() {
    placat->Accion("LosasItem")->trigger();
    Rejilla* g = placat->Datoslosas2()->SSDBGrid1();
    for (const char* fila : {"4\t5\te", "6\t4\tE", "3\t3\tE"}) {
      g->PonCelda(g->NumFilas(), 1);
      g->setFocus();
      Teclea(QString::fromLatin1(fila).split('\t')[0]);
      Pulsa(Qt::Key_Return);
      Teclea(QString::fromLatin1(fila).split('\t')[1]);
      Pulsa(Qt::Key_Return);
      Teclea(QString::fromLatin1(fila).split('\t')[2]);
      Pulsa(Qt::Key_Return);
    }
    Clic(placat->Datoslosas2()->Boton("OKButton"));
    QCOMPARE(sesion->proyecto.NumLosas, 3);
  }

 private slots:
  void init() {
    sesion = std::make_unique<Sesion>();
    placat = std::make_unique<PlacatForm>(*sesion);
    guion = InterlocutorGuion();
    placat->PonGuion(&guion);
    placat->pideArchivo = [this](PlacatForm::DialogoArchivo) { return archivoPedido; };
    placat->termina = [this] { ++terminado; };
    terminado = 0;
  }
  void cleanup() {
    placat.reset();
    sesion.reset();
  }

  void ElArranqueAbreLosDatosGeneralesUnaVez() {
    Main(*placat);
    // "Cargando el programa..." while the defaults are set, empty afterwards.
    QVERIFY(guion.estados.size() >= 2);
    QCOMPARE(guion.estados[0], std::string("Cargando el programa..."));
    QCOMPARE(guion.estados[1], std::string(""));
    QCOMPARE(placat->Label1()->text(), QString());
    QCOMPARE(sesion->proyecto.Fc, 180);
    QCOMPARE(sesion->proyecto.Uso, std::string("Techo"));
    // Row defaults of the slab table, as the window loads.
    QCOMPARE(sesion->proyecto.CargaMuertaDefecto, 0.36f);
    QCOMPARE(sesion->proyecto.EspesorDefecto, 0.12f);

    QTRY_VERIFY(placat->Datosgen()->isVisible());
    QVERIFY(!placat->isEnabled());
    QVERIFY(!placat->PrimeraVez());
    CapturaPantalla(placat->Datosgen(), "DatosgenForm_arranque");
    Clic(placat->Datosgen()->OKButtom());
    QVERIFY(!placat->Datosgen()->isVisible());
    QVERIFY(placat->isEnabled());

    // Later activations of the main window open nothing.
    placat->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(placat.get()));
    QCoreApplication::processEvents();
    QVERIFY(!placat->Datosgen()->isVisible());
    CapturaPantalla(placat.get(), "PlacatForm");
  }

  void ArbolDeMenus() {
    QStringList menus;
    for (QAction* a : placat->menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"&Archivos", "&Datos", "&Calculo", "&Utilidades", "&Help"}));
    QCOMPARE(Contenido(placat->Menu("ArchivosItem")),
             (QList<Item>{{"NuevoItem", "&Nuevo..."},
                          {"CargaItem", "&Carga archivo..."},
                          {"SalvaItem", "&Salva archivo..."},
                          {"Separador", "-"},
                          {"ImprimeItem", "&Print preview..."},
                          {"Separa", "-"},
                          {"TerminaItem", "&Termina"}}));
    QCOMPARE(Contenido(placat->Menu("DatosItem")),
             (QList<Item>{{"GeneralItem", "Datos &Generales"}, {"LosasItem", "&Losas"}, {"ApoyosItem", "A&poyos"}}));
    QCOMPARE(Contenido(placat->Menu("AnalisisItem")),
             (QList<Item>{{"ReacItem", "Ver reacciones sobre &Apoyos"},
                          {"CalculoItem", "Calcular &Refuerzo"},
                          {"ResultadosItem", "&Ver refuerzo"},
                          {"MedidasItem", "Ver calculo &Metrico"}}));
    QCOMPARE(Contenido(placat->Menu("UtilItem")), (QList<Item>{{"mnuPesos", "&Pesos de materiales"}}));
    QCOMPARE(Contenido(placat->Menu("HelpItem")), (QList<Item>{{"menu21", "&Contenido"},
                                                               {"menu22", "&Búsqueda"},
                                                               {"HelpSepara", "-"},
                                                               {"menu23", "&About Placatec"}}));
    // No shortcut keys anywhere.
    for (QMenu* m : placat->menuBar()->findChildren<QMenu*>())
      for (QAction* a : m->actions()) QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
    // The result commands start disabled.
    for (const char* n : {"CalculoItem", "ResultadosItem", "MedidasItem"}) QVERIFY(!placat->Accion(n)->isEnabled());
  }

  void HabilitacionDeMenusConYSinLosas() {
    Arranca();
    AbreMenu(placat->Menu("ArchivosItem"));
    AbreMenu(placat->Menu("AnalisisItem"));
    QVERIFY(!placat->Accion("ImprimeItem")->isEnabled());
    QVERIFY(!placat->Accion("CalculoItem")->isEnabled());
    QVERIFY(!placat->Accion("ReacItem")->isEnabled());
    // A disabled command does nothing when triggered.
    int reacciones = 0;
    placat->muestraReacciones = [&] { ++reacciones; };
    placat->Accion("ReacItem")->trigger();
    QCOMPARE(reacciones, 0);

    CargaTresLosas();
    AbreMenu(placat->Menu("ArchivosItem"));
    AbreMenu(placat->Menu("AnalisisItem"));
    QVERIFY(placat->Accion("ImprimeItem")->isEnabled());
    QVERIFY(placat->Accion("CalculoItem")->isEnabled());
    QVERIFY(placat->Accion("ReacItem")->isEnabled());
    QVERIFY(!placat->Accion("ResultadosItem")->isEnabled());
    QVERIFY(!placat->Accion("MedidasItem")->isEnabled());
    // The other items are always enabled.
    for (const char* n : {"NuevoItem", "CargaItem", "SalvaItem", "TerminaItem", "GeneralItem", "LosasItem",
                          "ApoyosItem", "mnuPesos", "menu21", "menu22", "menu23"})
      QVERIFY2(placat->Accion(n)->isEnabled(), n);

    // The reactions command disables the main window and hands over to its window.
    placat->Accion("ReacItem")->trigger();
    QCOMPARE(reacciones, 1);
    QVERIFY(!placat->isEnabled());
    placat->RegresaDeDialogo();
    QVERIFY(placat->isEnabled());
  }

  void CalcularRefuerzoHabilitaLasVistas() {
    Arranca();
    CargaTresLosas();
    int resultados = 0, medidas = 0;
    placat->muestraResultados = [&] { ++resultados; };
    placat->muestraMedidas = [&] { ++medidas; };
    AbreMenu(placat->Menu("AnalisisItem"));
    guion.estados.clear();
    placat->Accion("CalculoItem")->trigger();
    QCOMPARE(guion.estados.front(), std::string("Calculando Momentos y Refuerzo..."));
    QCOMPARE(placat->Label1()->text(), QString());
    QVERIFY(sesion->proyecto.CalculoHecho);
    QCOMPARE(sesion->vanos.NumFilas(), std::size_t{6});
    QCOMPARE(resultados, 1);
    QVERIFY(!placat->isEnabled());
    placat->RegresaDeDialogo();
    QVERIFY(placat->Accion("ResultadosItem")->isEnabled());
    QVERIFY(placat->Accion("MedidasItem")->isEnabled());
    placat->Accion("MedidasItem")->trigger();
    QCOMPARE(medidas, 1);
    placat->RegresaDeDialogo();
    placat->Accion("ResultadosItem")->trigger();
    QCOMPARE(resultados, 2);
    placat->RegresaDeDialogo();

    // A new project disables the three result commands again.
    guion.respuestas = {Respuesta::Si};
    placat->Accion("NuevoItem")->trigger();
    QVERIFY(!placat->Accion("ResultadosItem")->isEnabled());
    QVERIFY(!placat->Accion("MedidasItem")->isEnabled());
    QVERIFY(!placat->Accion("CalculoItem")->isEnabled());
  }

  void NuevoProyectoConSiYConNo() {
    Arranca();
    CargaTresLosas();
    placat->Accion("ApoyosItem")->trigger();
    Rejilla* g = placat->Datosapoyos()->SSDBGrid1();
    QCOMPARE(g->NumFilas(), 0);
    g->PonCelda(0, 2);
    g->setFocus();
    Teclea("1");
    Pulsa(Qt::Key_Tab);
    Teclea("2");
    Pulsa(Qt::Key_Return);
    Clic(placat->Datosapoyos()->OKButton());
    QCOMPARE(sesion->proyecto.NumApoyos, 1);
    sesion->generales.PonTexto(Caja::Nombre, "Edificio A");

    // No: nothing changes.
    guion.mensajes.clear();
    guion.respuestas = {Respuesta::No};
    placat->Accion("NuevoItem")->trigger();
    QCOMPARE(guion.mensajes.size(), std::size_t{1});
    QCOMPARE(guion.mensajes[0].texto, std::string("Seguro que quiere comenzar un nuevo set de datos?"));
    QCOMPARE(guion.mensajes[0].botones, Botones::SiNo);
    QCOMPARE(sesion->proyecto.NumLosas, 3);
    QCOMPARE(sesion->proyecto.NumApoyos, 1);
    QCOMPARE(placat->Datoslosas2()->SSDBGrid1()->NumFilas(), 3);
    QVERIFY(!placat->Datosgen()->isVisible());

    // Yes: an empty project, empty tables, and the general data dialog opens.
    guion.respuestas = {Respuesta::Si};
    placat->Accion("NuevoItem")->trigger();
    QCOMPARE(sesion->proyecto.NumLosas, 0);
    QCOMPARE(sesion->proyecto.NumApoyos, 0);
    QCOMPARE(sesion->proyecto.Lx[2], 0.0f);
    QCOMPARE(sesion->proyecto.Bordes[2], std::string("AAAA"));
    QCOMPARE(placat->Datoslosas2()->SSDBGrid1()->NumFilas(), 0);
    QCOMPARE(placat->Datosapoyos()->SSDBGrid1()->NumFilas(), 0);
    QVERIFY(placat->Datosgen()->isVisible());
    QCOMPARE(placat->Datosgen()->Caja(Caja::Nombre)->text(), QString());
    QCOMPARE(placat->Datosgen()->SSDBCombo2()->currentText(), QString("Techo plano"));
    QCOMPARE(placat->Datosgen()->NumLosas()->text(), QString("0"));
    Clic(placat->Datosgen()->OKButtom());
    QVERIFY(placat->isEnabled());
  }

  void SalvaYCargaUnProyecto() {
    Arranca();
    sesion->generales.PonTexto(Caja::Nombre, "Edificio de prueba");
    CargaTresLosas();
    QTemporaryDir dir;
    archivoPedido = dir.filePath("prueba.Los");

    guion.estados.clear();
    placat->Accion("SalvaItem")->trigger();
    QVERIFY(QFile::exists(archivoPedido));
    QCOMPARE(guion.estados.front(), std::string("Salvando Archivo..."));
    QCOMPARE(placat->Label1()->text(), QString());
    QCOMPARE(sesion->proyecto.NombreArchivo, archivoPedido.toStdString());

    // A new project, then the file loads everything back.
    guion.respuestas = {Respuesta::Si};
    placat->Accion("NuevoItem")->trigger();
    Clic(placat->Datosgen()->OKButtom());
    QCOMPARE(sesion->proyecto.NumLosas, 0);
    guion.estados.clear();
    placat->Accion("CargaItem")->trigger();
    QCOMPARE(sesion->proyecto.NumLosas, 3);
    QCOMPARE(sesion->proyecto.Lx[2], 6.0f);
    QCOMPARE(sesion->proyecto.Bordes[1], std::string("EAAA"));
    QCOMPARE(sesion->proyecto.Titulo, std::string("Edificio de prueba"));
    QVERIFY(std::find(guion.estados.begin(), guion.estados.end(), "Cargando Archivo...") != guion.estados.end());
    QCOMPARE(placat->Label1()->text(), QString());
    QCOMPARE(placat->Label2()->text(), QString());
    // The dialogs show what was loaded, and the general data dialog is open.
    QCOMPARE(placat->Datoslosas2()->SSDBGrid1()->NumFilas(), 3);
    QCOMPARE(placat->Datoslosas2()->SSDBGrid1()->TextoMostrado(1, 1), QString("6.000"));
    QVERIFY(placat->Datosgen()->isVisible());
    QVERIFY(!placat->isEnabled());
    QCOMPARE(placat->Datosgen()->Caja(Caja::Nombre)->text(), QString("Edificio de prueba"));
    QCOMPARE(placat->Datosgen()->NumLosas()->text(), QString("3"));
    Clic(placat->Datosgen()->OKButtom());
    // Before any calculation, the views are off and the calculation on.
    AbreMenu(placat->Menu("AnalisisItem"));
    QVERIFY(placat->Accion("CalculoItem")->isEnabled());
    QVERIFY(!placat->Accion("ResultadosItem")->isEnabled());
    QVERIFY(!placat->Accion("MedidasItem")->isEnabled());
    QVERIFY(!sesion->proyecto.CalculoHecho);
  }

  void ArchivosCanceladosEIlegales() {
    Arranca();
    CargaTresLosas();
    // A cancelled dialog changes nothing.
    archivoPedido.clear();
    placat->Accion("CargaItem")->trigger();
    placat->Accion("SalvaItem")->trigger();
    QVERIFY(guion.mensajes.empty());
    QCOMPARE(sesion->proyecto.NumLosas, 3);
    QVERIFY(placat->isEnabled());

    // A file that is no project: "Archivo Ilegal", the project stays.
    QTemporaryDir dir;
    archivoPedido = dir.filePath("malo.Los");
    QFile f(archivoPedido);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Titulo\r\n 0  0  180  2800 \r\n");
    f.close();
    placat->Accion("CargaItem")->trigger();
    QCOMPARE(guion.UltimoTexto(), std::string("Archivo Ilegal"));
    QCOMPARE(sesion->proyecto.NumLosas, 3);
    QCOMPARE(placat->Datoslosas2()->SSDBGrid1()->NumFilas(), 3);
    QVERIFY(placat->isEnabled());
    QVERIFY(!placat->Datosgen()->isVisible());

    // Saving into a folder that does not exist: the message with OK and Cancel; OK
    // tries again, Cancel gives up, and the status line is left empty.
    archivoPedido = dir.filePath("no/existe/proyecto.Los");
    guion.mensajes.clear();
    guion.respuestas = {Respuesta::OK, Respuesta::Cancelar};
    placat->Accion("SalvaItem")->trigger();
    QCOMPARE(guion.mensajes.size(), std::size_t{2});
    QCOMPARE(guion.mensajes[0].texto, std::string("Ilegal Nombre de Archivo"));
    QCOMPARE(guion.mensajes[0].botones, Botones::OKCancelar);
    QVERIFY(!QFile::exists(archivoPedido));
    QCOMPARE(placat->Label1()->text(), QString());
  }

  void VentanasDeAyudaAcercaDeYPesos() {
    Arranca();
    placat->Accion("menu21")->trigger();
    QVERIFY(placat->Ayuda()->isVisible());
    QVERIFY(placat->isEnabled());  // help leaves the main window usable
    placat->Accion("menu22")->trigger();
    QVERIFY(placat->Ayuda()->CajaBusqueda()->hasFocus() || placat->Ayuda()->CajaBusqueda()->isVisible());
    placat->Ayuda()->hide();

    // The about box is modal with the main window disabled; its OK gives it back.
    bool visto = false;
    QTimer::singleShot(0, this, [&] {
      auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
      QVERIFY(about);
      visto = true;
      QVERIFY(!placat->isEnabled());
      QCOMPARE(about->lblVersion->text(), QString("Versión ") + VersionPrograma());
      Clic(about->cmdOK);
    });
    placat->Accion("menu23")->trigger();
    QVERIFY(visto);
    QVERIFY(placat->isEnabled());

    // The material weights open with the main window enabled.
    placat->Accion("mnuPesos")->trigger();
    QVERIFY(placat->PesosMat()->isVisible());
    QVERIFY(placat->isEnabled());
    QCOMPARE(placat->PesosMat()->SSDBGrid1()->NumFilas(), 28);
    Clic(placat->PesosMat()->Command1());
    QVERIFY(!placat->PesosMat()->isVisible());
  }

  void VistaPreviaYTermina() {
    Arranca();
    CargaTresLosas();
    // The preview opens with the main window enabled and the normal cursor after it.
    int previas = 0;
    placat->muestraVistaPrevia = [&] {
      ++previas;
      QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    };
    placat->Accion("ImprimeItem")->trigger();
    QCOMPARE(previas, 1);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(placat->isEnabled());
    // A failure while opening it: "Error", cursor restored.
    placat->muestraVistaPrevia = [] { throw std::runtime_error("impresora"); };
    placat->Accion("ImprimeItem")->trigger();
    QCOMPARE(guion.UltimoTexto(), std::string("Error"));
    QVERIFY(!QApplication::overrideCursor());

    // "&Termina" ends the program at once, without a question.
    guion.mensajes.clear();
    placat->Accion("TerminaItem")->trigger();
    QCOMPARE(terminado, 1);
    QVERIFY(guion.mensajes.empty());
    // Closing the main window ends it too, even with the help window still open.
    placat->Accion("menu21")->trigger();
    placat->close();
    QCOMPARE(terminado, 2);
  }

  void MensajesYLineaDeEstado() {
    // With no scripted user the window shows real message boxes: a modal box with the
    // Spanish buttons of Qt's translation, the window's caption as title when none is
    // given, and the text as plain text with the carriage return as a line break.
    QVERIFY(InstalaTraduccionQt(*qApp));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Sí"));
    placat->PonGuion(nullptr);
    placat->show();
    QString texto, titulo;
    QStringList botones;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      texto = box->text();
      titulo = box->windowTitle();
      for (QAbstractButton* b : box->buttons()) botones << b->text();
      box->button(QMessageBox::No)->click();
    });
    const Respuesta r = placat->Pregunta({"Lx no puede ser cero o negativo\rvalor unitario asumido", "", Icono::Pregunta,
                                          Botones::SiNo});
    QCOMPARE(r, Respuesta::No);
    QCOMPARE(texto, QString("Lx no puede ser cero o negativo\nvalor unitario asumido"));
    QCOMPARE(titulo, QString("Placatec"));
    botones.sort();
    QCOMPARE(botones, (QStringList{"&No", "&Sí"}));
    placat->PonGuion(&guion);

    placat->Estado("Cargando Losa");
    placat->Progreso("12");
    QCOMPARE(placat->Label1()->text(), QString("Cargando Losa"));
    QCOMPARE(placat->Label2()->text(), QString("12"));
    QCOMPARE(guion.estados.back(), std::string("Cargando Losa"));
  }
};

QTEST_MAIN(PlacatFormTest)
#include "placat_form_test.moc"
