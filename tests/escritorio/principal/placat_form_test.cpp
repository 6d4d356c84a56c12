// The main window as the engineer uses it, through its menus: the start, the enabling
// of the commands, new project, load and save with their failures, the calculation and
// the print preview.
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/entrada/DatosapoyosForm.h"
#include "escritorio/entrada/Datoslosas2Form.h"

using namespace placatec;

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
    QCOMPARE(e->sesion.estado.CargaMuertaDefecto, 0.36f);  // row defaults of the slab table
    QCOMPARE(e->sesion.estado.EspesorDefecto, 0.12f);

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
    QVERIFY(e->sesion.estado.CalculoHecho);
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
    QCOMPARE(P().NumLosas, 0);  // (the whole new project: tests/model/defectos_test.cpp)
    QCOMPARE(e->placat.Datoslosas2()->SSDBGrid1()->NumFilas(), 0);
    QCOMPARE(e->placat.Datosapoyos()->SSDBGrid1()->NumFilas(), 0);
    QVERIFY(e->placat.Datosgen()->isVisible());
    QCOMPARE(e->placat.Datosgen()->Caja(Caja::Nombre)->text(), QString());
    QCOMPARE(e->placat.Datosgen()->SSDBCombo2()->currentText(), QString("Techo plano"));
    QCOMPARE(e->placat.Datosgen()->NumLosas()->text(), QString("0"));
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

    // A file that is no project: the message, and the project and its table stay.
    QTemporaryDir dir;
    e->archivo = dir.filePath("malo.Los");
    QFile f(e->archivo);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("Titulo\r\n 0  0  180  2800 \r\n") > 0);
    f.close();
    A("CargaItem")->trigger();
    QCOMPARE(e->guion.UltimoTexto(), std::string("Archivo Ilegal"));
    QCOMPARE(e->placat.Datoslosas2()->SSDBGrid1()->NumFilas(), 3);
    QVERIFY(e->placat.isEnabled() && !e->placat.Datosgen()->isVisible());
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
};

QTEST_MAIN(PlacatFormTest)
#include "placat_form_test.moc"
