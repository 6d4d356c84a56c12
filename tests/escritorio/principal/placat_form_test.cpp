// The main window as the engineer uses it: the start, the menu tree and its enabling,
// the status labels, new project, save and load, the calculation and the windows
// that the menus open.
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/entrada/DatosapoyosForm.h"
#include "escritorio/entrada/Datoslosas2Form.h"
#include "escritorio/principal/Ayuda.h"
#include "escritorio/principal/frmAbout.h"
#include "escritorio/resultados/frmPesosMat.h"

using namespace placatec;

namespace {

// What a menu holds, in order, as "name=caption"; separators with the caption "-".
QStringList Contenido(QMenu* m) {
  QStringList l;
  for (QAction* a : m->actions()) l << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
  return l;
}

}  // namespace

class PlacatFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  int terminado = 0;

  Proyecto& P() { return e->sesion.proyecto; }
  QAction* A(const char* n) { return e->placat.Accion(n); }

  // Whether each command is enabled, after its menus were opened as the user does.
  void Habilitados(std::initializer_list<const char*> si, std::initializer_list<const char*> no) {
    e->AbreMenu("ArchivosItem");
    e->AbreMenu("AnalisisItem");
    for (const char* n : si) QVERIFY2(A(n)->isEnabled(), n);
    for (const char* n : no) QVERIFY2(!A(n)->isEnabled(), n);
  }

  // Three slabs typed into the slab table: 4 x 5, 6 x 4 and 3 x 3, the last two
  // fixed on edge 1.
  void CargaTresLosas() {
    A("LosasItem")->trigger();
    Rejilla* g = e->placat.Datoslosas2()->SSDBGrid1();
    for (const char* fila : {"4\t5\te", "6\t4\tE", "3\t3\tE"}) {
      g->PonCelda(g->NumFilas(), 1);
      g->setFocus();
      for (const QString& celda : QString::fromLatin1(fila).split('\t')) {
        Teclea(celda);
        Pulsa(Qt::Key_Return);
      }
    }
    Clic(e->placat.Datoslosas2()->Boton("OKButton"));
    QCOMPARE(P().NumLosas, 3);
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    terminado = 0;
    e->placat.termina = [this] { ++terminado; };
  }
  void cleanup() { e.reset(); }

  void ElArranqueAbreLosDatosGeneralesUnaVez() {
    Main(e->placat);
    // "Cargando el programa..." while the defaults are set, empty afterwards.
    QVERIFY(e->guion.estados.size() >= 2);
    QCOMPARE(e->guion.estados[0], std::string("Cargando el programa..."));
    QCOMPARE(e->guion.estados[1], std::string(""));
    QCOMPARE(e->placat.Label1()->text(), QString());
    QCOMPARE(P().Fc, 180);
    QCOMPARE(P().Uso, std::string("Techo"));
    QCOMPARE(P().CargaMuertaDefecto, 0.36f);  // row defaults of the slab table
    QCOMPARE(P().EspesorDefecto, 0.12f);

    QTRY_VERIFY(e->placat.Datosgen()->isVisible());
    QVERIFY(!e->placat.isEnabled());
    QVERIFY(!e->placat.PrimeraVez());
    CapturaPantalla(e->placat.Datosgen(), "DatosgenForm_arranque");
    Clic(e->placat.Datosgen()->OKButtom());
    QVERIFY(e->placat.isEnabled());

    // Later activations of the main window open nothing.
    e->placat.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e->placat));
    QCoreApplication::processEvents();
    QVERIFY(!e->placat.Datosgen()->isVisible());
    CapturaPantalla(&e->placat, "PlacatForm");
  }

  void ArbolDeMenus() {
    QStringList menus;
    for (QAction* a : e->placat.menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"&Archivos", "&Datos", "&Calculo", "&Utilidades", "&Help"}));
    QCOMPARE(
        Contenido(e->placat.Menu("ArchivosItem")),
        (QStringList{"NuevoItem=&Nuevo...", "CargaItem=&Carga archivo...", "SalvaItem=&Salva archivo...",
                     "Separador=-", "ImprimeItem=&Print preview...", "Separa=-", "TerminaItem=&Termina"}));
    QCOMPARE(Contenido(e->placat.Menu("DatosItem")),
             (QStringList{"GeneralItem=Datos &Generales", "LosasItem=&Losas", "ApoyosItem=A&poyos"}));
    QCOMPARE(Contenido(e->placat.Menu("AnalisisItem")),
             (QStringList{"ReacItem=Ver reacciones sobre &Apoyos", "CalculoItem=Calcular &Refuerzo",
                          "ResultadosItem=&Ver refuerzo", "MedidasItem=Ver calculo &Metrico"}));
    QCOMPARE(Contenido(e->placat.Menu("UtilItem")), (QStringList{"mnuPesos=&Pesos de materiales"}));
    QCOMPARE(Contenido(e->placat.Menu("HelpItem")), (QStringList{"menu21=&Contenido", "menu22=&Búsqueda",
                                                                 "HelpSepara=-", "menu23=&About Placatec"}));
    // No shortcut keys anywhere.
    for (QMenu* m : e->placat.menuBar()->findChildren<QMenu*>())
      for (QAction* a : m->actions()) QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
  }

  void HabilitacionDeMenusYCalculo() {
    QVERIFY(e->Arranca());
    Habilitados({}, {"ImprimeItem", "CalculoItem", "ReacItem", "ResultadosItem", "MedidasItem"});
    // A disabled command does nothing when triggered.
    int reacciones = 0, resultados = 0, medidas = 0;
    e->placat.muestraReacciones = [&] { ++reacciones; };
    e->placat.muestraResultados = [&] { ++resultados; };
    e->placat.muestraMedidas = [&] { ++medidas; };
    A("ReacItem")->trigger();
    QCOMPARE(reacciones, 0);

    CargaTresLosas();
    Habilitados(
        {"ImprimeItem", "CalculoItem", "ReacItem", "NuevoItem", "CargaItem", "SalvaItem", "TerminaItem",
         "GeneralItem", "LosasItem", "ApoyosItem", "mnuPesos", "menu21", "menu22", "menu23"},
        {"ResultadosItem", "MedidasItem"});
    // The reactions command disables the main window and hands over to its window.
    A("ReacItem")->trigger();
    QCOMPARE(reacciones, 1);
    QVERIFY(!e->placat.isEnabled());
    e->placat.RegresaDeDialogo();
    QVERIFY(e->placat.isEnabled());

    // The calculation shows its status, then the results, and enables the views.
    e->guion.estados.clear();
    A("CalculoItem")->trigger();
    QCOMPARE(e->guion.estados.front(), std::string("Calculando Momentos y Refuerzo..."));
    QCOMPARE(e->placat.Label1()->text(), QString());
    QVERIFY(P().CalculoHecho);
    QCOMPARE(e->sesion.vanos.NumFilas(), std::size_t{6});
    QCOMPARE(resultados, 1);
    QVERIFY(!e->placat.isEnabled());
    e->placat.RegresaDeDialogo();
    Habilitados({"ResultadosItem", "MedidasItem"}, {});
    A("MedidasItem")->trigger();
    e->placat.RegresaDeDialogo();
    A("ResultadosItem")->trigger();
    e->placat.RegresaDeDialogo();
    QCOMPARE(medidas, 1);
    QCOMPARE(resultados, 2);

    // A new project disables the three result commands again.
    e->guion.respuestas = {Respuesta::NoGuardar};
    A("NuevoItem")->trigger();
    Habilitados({}, {"ResultadosItem", "MedidasItem", "CalculoItem"});
  }

  void NuevoProyectoConSiYConNo() {
    QVERIFY(e->Arranca());
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    // No: nothing changes.
    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::No};
    A("NuevoItem")->trigger();
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e->guion.mensajes[0].texto, std::string("Seguro que quiere comenzar un nuevo set de datos?"));
    QCOMPARE(e->guion.mensajes[0].botones, Botones::SiNo);
    QCOMPARE(P().NumLosas, 6);
    QCOMPARE(P().NumApoyos, 7);
    QVERIFY(!e->placat.Datosgen()->isVisible());

    // Yes: an empty project, empty tables, and the general data dialog opens.
    e->guion.respuestas = {Respuesta::Si};
    A("NuevoItem")->trigger();
    QCOMPARE(P().NumLosas, 0);
    QCOMPARE(P().NumApoyos, 0);
    QCOMPARE(P().Lx[2], 0.0f);
    QCOMPARE(P().Bordes[2], std::string("AAAA"));
    QCOMPARE(e->placat.Datoslosas2()->SSDBGrid1()->NumFilas(), 0);
    QCOMPARE(e->placat.Datosapoyos()->SSDBGrid1()->NumFilas(), 0);
    QVERIFY(e->placat.Datosgen()->isVisible());
    QCOMPARE(e->placat.Datosgen()->Caja(Caja::Nombre)->text(), QString());
    QCOMPARE(e->placat.Datosgen()->SSDBCombo2()->currentText(), QString("Techo plano"));
    QCOMPARE(e->placat.Datosgen()->NumLosas()->text(), QString("0"));
  }

  void SalvaYCargaUnProyecto() {
    QVERIFY(e->Arranca());
    e->sesion.generales.PonTexto(Caja::Nombre, "Edificio de prueba");
    CargaTresLosas();
    QTemporaryDir dir;
    e->archivo = dir.filePath("prueba.Los");
    e->guion.estados.clear();
    A("SalvaItem")->trigger();
    QVERIFY(QFile::exists(e->archivo));
    QCOMPARE(e->guion.estados.front(), std::string("Salvando Archivo..."));
    QCOMPARE(e->placat.Label1()->text(), QString());
    QCOMPARE(P().NombreArchivo, e->archivo.toStdString());

    // A new project, then the file loads everything back.
    e->guion.respuestas = {Respuesta::Si};
    A("NuevoItem")->trigger();
    Clic(e->placat.Datosgen()->OKButtom());
    e->guion.estados.clear();
    A("CargaItem")->trigger();
    QCOMPARE(P().NumLosas, 3);
    QCOMPARE(P().Lx[2], 6.0f);
    QCOMPARE(P().Bordes[1], std::string("EAAA"));
    QCOMPARE(P().Titulo, std::string("Edificio de prueba"));
    QVERIFY(std::find(e->guion.estados.begin(), e->guion.estados.end(), "Cargando Archivo...") !=
            e->guion.estados.end());
    QCOMPARE(e->placat.Label1()->text(), QString());
    QCOMPARE(e->placat.Label2()->text(), QString());
    // The dialogs show what was loaded, and the general data dialog is open.
    QCOMPARE(e->placat.Datoslosas2()->SSDBGrid1()->TextoMostrado(1, 1), QString("6.000"));
    QVERIFY(e->placat.Datosgen()->isVisible());
    QVERIFY(!e->placat.isEnabled());
    QCOMPARE(e->placat.Datosgen()->Caja(Caja::Nombre)->text(), QString("Edificio de prueba"));
    QCOMPARE(e->placat.Datosgen()->NumLosas()->text(), QString("3"));
    Clic(e->placat.Datosgen()->OKButtom());
    // Before any calculation, the views are off and the calculation on.
    Habilitados({"CalculoItem"}, {"ResultadosItem", "MedidasItem"});
    QVERIFY(!P().CalculoHecho);
  }

  void ArchivosCanceladosEIlegales() {
    QVERIFY(e->Arranca());
    CargaTresLosas();
    // A cancelled dialog changes nothing.
    e->archivo.clear();
    A("CargaItem")->trigger();
    A("SalvaItem")->trigger();
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});  // only the question about the unsaved slabs
    QCOMPARE(P().NumLosas, 3);
    QVERIFY(e->placat.isEnabled());

    // A file that is no project: "Archivo Ilegal", the project stays.
    QTemporaryDir dir;
    e->archivo = dir.filePath("malo.Los");
    QFile f(e->archivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Titulo\r\n 0  0  180  2800 \r\n");
    f.close();
    A("CargaItem")->trigger();
    QCOMPARE(e->guion.UltimoTexto(), std::string("Archivo Ilegal"));
    QCOMPARE(P().NumLosas, 3);
    QCOMPARE(e->placat.Datoslosas2()->SSDBGrid1()->NumFilas(), 3);
    QVERIFY(e->placat.isEnabled());
    QVERIFY(!e->placat.Datosgen()->isVisible());

    // Saving into a folder that does not exist: the message with OK and Cancel; OK
    // tries again, Cancel gives up, and the status line is left empty.
    e->archivo = dir.filePath("no/existe/proyecto.Los");
    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::OK, Respuesta::Cancelar};
    A("SalvaItem")->trigger();
    QCOMPARE(e->guion.mensajes.size(), std::size_t{2});
    QCOMPARE(e->guion.mensajes[0].texto, std::string("Ilegal Nombre de Archivo"));
    QCOMPARE(e->guion.mensajes[0].botones, Botones::OKCancelar);
    QVERIFY(!QFile::exists(e->archivo));
    QCOMPARE(e->placat.Label1()->text(), QString());
  }

  void VentanasDeAyudaAcercaDeYPesos() {
    QVERIFY(e->Arranca());
    A("menu21")->trigger();
    QVERIFY(e->placat.Ayuda()->isVisible());
    QVERIFY(e->placat.isEnabled());  // help leaves the main window usable
    A("menu22")->trigger();
    QVERIFY(e->placat.Ayuda()->CajaBusqueda()->isVisible());
    e->placat.Ayuda()->hide();

    // The about box is modal with the main window disabled; its OK gives it back.
    bool visto = false;
    QTimer::singleShot(0, this, [&] {
      auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
      QVERIFY(about);
      visto = true;
      QVERIFY(!e->placat.isEnabled());
      Clic(about->cmdOK);
    });
    A("menu23")->trigger();
    QVERIFY(visto);
    QVERIFY(e->placat.isEnabled());

    // The material weights open with the main window enabled.
    A("mnuPesos")->trigger();
    QVERIFY(e->placat.PesosMat()->isVisible());
    QVERIFY(e->placat.isEnabled());
    Clic(e->placat.PesosMat()->Command1());
    QVERIFY(!e->placat.PesosMat()->isVisible());
  }

  void VistaPreviaYTermina() {
    QVERIFY(e->Arranca());
    QVERIFY(e->Carga(Ejemplo("techo.Los")));
    // The preview opens with the main window enabled and the normal cursor after it.
    int previas = 0;
    e->AbreMenu("ArchivosItem");
    e->placat.muestraVistaPrevia = [&] {
      ++previas;
      QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    };
    A("ImprimeItem")->trigger();
    QCOMPARE(previas, 1);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(e->placat.isEnabled());
    // A failure while opening it: "Error", cursor restored.
    e->placat.muestraVistaPrevia = [] { throw std::runtime_error("impresora"); };
    A("ImprimeItem")->trigger();
    QCOMPARE(e->guion.UltimoTexto(), std::string("Error"));
    QVERIFY(!QApplication::overrideCursor());

    // "&Termina" ends the program at once, without a question.
    e->guion.mensajes.clear();
    A("TerminaItem")->trigger();
    QCOMPARE(terminado, 1);
    QVERIFY(e->guion.mensajes.empty());
    // Closing the main window ends it too, even with the help window still open.
    A("menu21")->trigger();
    e->placat.close();
    QCOMPARE(terminado, 2);
  }

  void MensajesYLineaDeEstado() {
    // With no scripted user the window shows real message boxes: a modal box with the
    // Spanish buttons of Qt's translation, the window's caption as title when none is
    // given, and the text as plain text with the carriage return as a line break.
    QVERIFY(InstalaTraduccionQt(*qApp));
    e->placat.PonGuion(nullptr);
    e->placat.show();
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
    const Respuesta r = e->placat.Pregunta(
        {"Lx no puede ser cero o negativo\rvalor unitario asumido", "", Icono::Pregunta, Botones::SiNo});
    QCOMPARE(r, Respuesta::No);
    QCOMPARE(texto, QString("Lx no puede ser cero o negativo\nvalor unitario asumido"));
    QCOMPARE(titulo, QString("Placatec"));
    botones.sort();
    QCOMPARE(botones, (QStringList{"&No", "&Sí"}));
    e->placat.PonGuion(&e->guion);

    e->placat.Estado("Cargando Losa");
    e->placat.Progreso("12");
    QCOMPARE(e->placat.Label1()->text(), QString("Cargando Losa"));
    QCOMPARE(e->placat.Label2()->text(), QString("12"));
    QCOMPARE(e->guion.estados.back(), std::string("Cargando Losa"));
  }
};

QTEST_MAIN(PlacatFormTest)
#include "placat_form_test.moc"
