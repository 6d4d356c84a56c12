// The windows and the keyboard habits of desktop engineering programs. Every window,
// opened by its command on the office floor of the examples, shows the project (a
// title, rows in its tables), F1 shows its help page, and each of its buttons is
// reached with Tab and has an Alt letter of its own; the menus' shortcuts work; the use
// list is searched by typing. With PLACATEC_SCREENSHOTS naming a folder (make
// screenshots) a picture of each window is saved there, with the three of the
// program's description: the main window with a storey, the results and the preview.
#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "CapturaPantalla.h"
#include "Casos.h"
#include "EscritorioPrueba.h"
#include "escritorio/principal/Ayuda.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/vistaprevia/LosPrev.h"

using namespace placatec;

class VentanasTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  LosPrev* vistaPrevia = nullptr;
  QTemporaryDir dir;
  int dialogos = 0;

  Proyecto& P() { return e->sesion.proyecto; }
  // A key pressed in the main window.
  void Atajo(int tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(&e->placat, static_cast<Qt::Key>(tecla), mod);
    QCoreApplication::processEvents();
  }

  // The window in front shows a title and, when it has tables, rows; its picture is kept.
  static void CompruebaYFotografia(QWidget* w, const char* nombre) {
    QVERIFY2(w && w->isVisible() && !w->windowTitle().isEmpty(), nombre);
    const QList<Rejilla*> t = w->findChildren<Rejilla*>();
    QVERIFY2(t.isEmpty() || std::any_of(t.begin(), t.end(), [](Rejilla* r) { return r->NumFilas() > 0; }),
             nombre);
    CapturaPantalla(w, nombre);
  }
  // Each button reached with Tab, with an Alt letter no other button has.
  static void BotonesConTabYLetra(QWidget* w, const char* nombre) {
    QSet<QWidget*> alcanzados;
    for (int i = 0; i < 400; ++i, Pulsa(Qt::Key_Tab)) alcanzados.insert(ConFoco());
    QSet<QChar> letras;
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
      if (!b->isVisible()) continue;  // on a panel not shown
      const QString t = b->text();
      const QChar letra = t.at(t.indexOf('&') + 1).toLower();
      QVERIFY2(t.contains('&') && !letras.contains(letra) && alcanzados.contains(b), qPrintable(nombre + t));
      letras.insert(letra);
    }
  }
  // A modal window: checked and pictured while it waits, then closed.
  void Modal(const std::function<void()>& abre, const char* nombre) {
    bool visto = false;
    QTimer::singleShot(0, this, [&] {
      CompruebaYFotografia(QApplication::activeModalWidget(), nombre);
      visto = true;
      QApplication::activeModalWidget()->close();
    });
    abre();
    QVERIFY2(visto, nombre);
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    vistaPrevia = nullptr;
    dialogos = 0;
    e->placat.pideArchivo = [this](PlacatForm::DialogoArchivo) {
      ++dialogos;
      return e->archivo;
    };
    e->placat.muestraVistaPrevia = [this] { MuestraVistaPrevia(vistaPrevia, e->sesion, &e->placat); };
    QVERIFY(e->Arranca());
  }
  void cleanup() { e.reset(); }

  void CadaVentanaMuestraElProyecto() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    e->placat.resize(1000, 640);
    CompruebaYFotografia(&e->placat, "PlacatForm");
    QVERIFY(e->Elige("AnalisisItem", "CalculoItem"));
    Clic(QApplication::activeWindow()->findChild<QPushButton*>("OKButton"));

    const auto ventanas = LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/ventanas.txt");
    QCOMPARE(ventanas.size(), std::size_t{12});
    for (const auto& v : ventanas) {
      const char *item = v[1].c_str(), *nombre = v[2].c_str();
      QVERIFY2(e->Elige(v[0].c_str(), item), item);
      QWidget* w = QApplication::activeWindow();
      CompruebaYFotografia(w, nombre);
      if (QString(nombre) == "Datoslosas2Form") {  // the main window with a storey
        QPixmap escritorio = e->placat.grab();
        QPainter p(&escritorio);
        p.drawPixmap(40, 60, w->grab());
        p.drawRect(QRect(QPoint(40, 60), w->size()).adjusted(-1, -1, 0, 0));
        CapturaPantalla(nullptr, "principal", escritorio);
      }
      if (QString(nombre) == "ResuForm") CapturaPantalla(w, "resultados");
      if (QString(nombre) == "LosPrev") CapturaPantalla(w, "vistaprevia");
      if (!v[3].empty()) {
        BotonesConTabYLetra(w, nombre);
        if (auto* procesa = w->findChild<QPushButton*>("Procesa")) {  // a button's letter presses it
          QSignalSpy pulsado(procesa, &QPushButton::clicked);
          QTest::keyClick(w, 'p', Qt::AltModifier);
          QTRY_COMPARE(pulsado.count(), 1);
        }
        Pulsa(Qt::Key_F1);
        QCOMPARE(e->placat.Ayuda()->Navegador()->source().fileName(), QString::fromStdString(v[3]));
        e->placat.Ayuda()->hide();
      }
      if (QString(nombre) == "ReacForm")
        Modal([w] { w->findChild<QPushButton*>("Command3")->click(); }, "frmTip");
      w->close();
      QTRY_VERIFY2(e->placat.isEnabled(), item);
      e->placat.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&e->placat));
    }
    Modal([this] { e->placat.Accion("menu23")->trigger(); }, "frmAbout");
  }

  // Every command of the menus with its shortcut, shown beside it, and used from the
  // keyboard through a working day.
  void AtajosDeLosMenus() {
    const auto atajos = LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/atajos.txt");
    QCOMPARE(atajos.size(), std::size_t{8});
    for (const auto& a : atajos)
      QCOMPARE(QKeySequence::listToString(e->placat.Accion(QString::fromStdString(a[0]))->shortcuts()),
               QString::fromStdString(a[1]));
    e->archivo = dir.filePath("oficinas.Los");
    QVERIFY(QFile::copy(Ejemplo("entrepiso.Los"), e->archivo));
    QFile::setPermissions(e->archivo, QFile::ReadOwner | QFile::WriteOwner);
    Atajo(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialogos, 1);
    QTRY_VERIFY(e->placat.Datosgen()->isVisible());
    Pulsa(Qt::Key_Escape);
    QCOMPARE(P().NumLosas, 6);

    // F1 shows the contents; F5 and Ctrl+R calculate without the menu having been opened.
    Atajo(Qt::Key_F1);
    QCOMPARE(e->placat.Ayuda()->Navegador()->source().fileName(), QString("indice.html"));
    for (auto [tecla, mod] :
         {std::pair{Qt::Key_F5, Qt::NoModifier}, std::pair{Qt::Key_R, Qt::ControlModifier}}) {
      e->sesion.estado.CalculoHecho = false;
      e->placat.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&e->placat));
      Atajo(tecla, mod);
      QVERIFY(e->sesion.estado.CalculoHecho && e->ventanas.Resu().isVisible());
      Clic(e->ventanas.Resu().findChild<QPushButton*>("OKButton"));
    }

    // Ctrl+S saves a project that has a file without asking where; Ctrl+Shift+S asks.
    e->placat.Accion("GeneralItem")->trigger();
    Teclea(" B");
    Pulsa(Qt::Key_Escape);
    Atajo(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogos, 1);
    QFile f(e->archivo);
    QVERIFY(f.open(QIODevice::ReadOnly) && f.readLine().startsWith("Entrepiso de oficinas, nivel 2 B"));
    Atajo(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dialogos, 2);

    Atajo(Qt::Key_P, Qt::ControlModifier);
    QVERIFY(vistaPrevia && vistaPrevia->isVisible());
    Clic(vistaPrevia->findChild<QPushButton*>("cmdSale"));
    QTest::qWait(50);  // the events of the window that went

    // Ctrl+N; a new project has no file, so Ctrl+S asks for one.
    Atajo(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(e->guion.UltimoTexto(), std::string("Seguro que quiere comenzar un nuevo set de datos?"));
    QTRY_VERIFY(e->placat.Datosgen()->isVisible());
    Pulsa(Qt::Key_Escape);
    e->archivo.clear();  // the engineer cancels the dialog
    Atajo(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogos, 3);
  }

  // The 31 uses are found by typing part of a name; Enter or a pick from the list
  // chooses, anything else puts the use back.
  void UsoBuscadoAlEscribir() {
    e->placat.Accion("GeneralItem")->trigger();
    QComboBox* uso = e->placat.Datosgen()->SSDBCombo2();
    uso->setFocus();
    uso->lineEdit()->selectAll();
    Teclea("garaje");
    QVERIFY(QApplication::activePopupWidget());  // the two garages listed
    Pulsa(Qt::Key_Down);
    Pulsa(Qt::Key_Down);
    Pulsa(Qt::Key_Return);
    const QString garaje = "Garaje: vehiculos en general";
    QCOMPARE(uso->currentText(), garaje);
    QCOMPARE(e->sesion.generales.TextoUso(), garaje.toStdString());
    QCOMPARE(e->placat.Datosgen()->Caja(Caja::Cargav)->text(),
             QString::fromUtf8(Usos()[static_cast<std::size_t>(uso->findText(garaje))].cargaViva.data()));
    QCOMPARE(P().Uso, std::string("Entrepiso"));
    // A text that names one use alone, in any case, is that use.
    uso->lineEdit()->selectAll();
    Teclea("ESCUELA: AULAS");
    Pulsa(Qt::Key_Return);
    QCOMPARE(uso->currentText(), QString("Escuela: aulas"));
    QCOMPARE(e->sesion.generales.TextoUso(), std::string("Escuela: aulas"));
    // A text that names none puts the use back when the box is left.
    uso->lineEdit()->selectAll();
    Teclea("zzz");
    Pulsa(Qt::Key_Tab);
    QCOMPARE(uso->currentText(), QString("Escuela: aulas"));
  }
};

QTEST_MAIN(VentanasTest)
#include "ventanas_test.moc"
