// The keyboard habits of desktop engineering programs: the menus' shortcuts, F1 on
// every window, Tab and a mnemonic for every button of the table windows, the use list
// searched by typing, and a print preview that keeps its page and zoom.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextStream>
#include <QToolButton>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/entrada/DatosapoyosForm.h"
#include "escritorio/entrada/Datoslosas2Form.h"
#include "escritorio/principal/Ayuda.h"
#include "escritorio/resultados/ReacForm.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/vistaprevia/LosPrev.h"

using namespace placatec;

class AtajosTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  QTemporaryDir dir;
  LosPrev* vistaPrevia = nullptr;
  int dialogos = 0;

  Proyecto& P() { return e->sesion.proyecto; }
  // A key pressed in the main window.
  void Atajo(int tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(&e->placat, static_cast<Qt::Key>(tecla), mod);
    QCoreApplication::processEvents();
  }
  QString PaginaDeAyuda() { return e->placat.Ayuda()->Navegador()->source().fileName(); }

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

  // Every command of the menus with its shortcut, shown beside it, and used from the
  // keyboard through a working day.
  void AtajosDeLosMenus() {
    QFile lista(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/atajos.txt");
    QVERIFY(lista.open(QIODevice::ReadOnly | QIODevice::Text));
    int vistos = 0;
    for (QTextStream in(&lista); !in.atEnd();) {
      const QString linea = in.readLine();
      if (linea.isEmpty() || linea.startsWith('#')) continue;
      const QString item = linea.section(' ', 0, 0), teclas = linea.section(' ', 1);
      QAction* a = e->placat.Accion(item);
      QVERIFY2(a, qPrintable(item));
      QCOMPARE(QKeySequence::listToString(a->shortcuts()), teclas);
      ++vistos;
    }
    QCOMPARE(vistos, 8);
    e->archivo = dir.filePath("oficinas.Los");
    QVERIFY(QFile::copy(Ejemplo("entrepiso.Los"), e->archivo));
    QFile::setPermissions(e->archivo, QFile::ReadOwner | QFile::WriteOwner);
    Atajo(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialogos, 1);
    QTRY_VERIFY(e->placat.Datosgen()->isVisible());
    Pulsa(Qt::Key_Escape);
    QCOMPARE(P().NumLosas, 6);

    // The menus open, as the engineer sees them with a storey loaded.
    QMenu* archivos = e->placat.Menu("ArchivosItem");
    QMenu* calculo = e->placat.Menu("AnalisisItem");
    const int x = e->placat.menuBar()->actionGeometry(archivos->menuAction()).left();
    const int y = e->placat.menuBar()->geometry().bottom();
    const int x2 = x + archivos->sizeHint().width() + 8;
    QImage foto(std::max(e->placat.width(), x2 + calculo->sizeHint().width() + 4), e->placat.height(),
                QImage::Format_RGB32);
    foto.fill(Qt::white);
    {
      QPainter p(&foto);
      p.drawPixmap(0, 0, e->placat.grab());
      p.drawPixmap(x, y, archivos->grab());
      p.drawPixmap(x2, y, calculo->grab());
    }
    if (!qEnvironmentVariableIsEmpty("PLACATEC_SCREENSHOTS"))
      foto.save(QDir(qEnvironmentVariable("PLACATEC_SCREENSHOTS")).filePath("PlacatForm_menus.png"));

    // F5 and Ctrl+R calculate without the menu having been opened.
    Atajo(Qt::Key_F5);
    QVERIFY(P().CalculoHecho);
    QVERIFY(e->ventanas.Resu().isVisible());
    Clic(e->ventanas.Resu().findChild<QPushButton*>("OKButton"));
    QVERIFY(e->placat.isEnabled());
    P().CalculoHecho = false;
    Atajo(Qt::Key_R, Qt::ControlModifier);
    QVERIFY(P().CalculoHecho);
    Clic(e->ventanas.Resu().findChild<QPushButton*>("OKButton"));

    // Ctrl+S saves a project that has a file without asking where; Ctrl+Shift+S asks.
    e->placat.Accion("GeneralItem")->trigger();
    Teclea(" B");
    Pulsa(Qt::Key_Escape);
    Atajo(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogos, 1);
    QVERIFY(!P().Modificado);
    QFile f(e->archivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readLine().startsWith("Entrepiso de oficinas, nivel 2 B"));
    f.close();
    Atajo(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dialogos, 2);

    Atajo(Qt::Key_P, Qt::ControlModifier);
    QVERIFY(vistaPrevia && vistaPrevia->isVisible());
    Clic(vistaPrevia->findChild<QPushButton*>("cmdSale"));
    e->placat.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e->placat));

    // Ctrl+N; a new project has no file, so Ctrl+S asks for one.
    QTest::qWait(50);  // the events of the window that went
    Atajo(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(e->guion.UltimoTexto(), std::string("Seguro que quiere comenzar un nuevo set de datos?"));
    QTRY_VERIFY(e->placat.Datosgen()->isVisible());
    Pulsa(Qt::Key_Escape);
    QCOMPARE(P().NumLosas, 0);
    e->archivo.clear();  // the engineer cancels the dialog
    Atajo(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogos, 3);
  }

  // F1 shows the help page of the window in front; in the main window, the contents.
  void F1MuestraLaAyudaDeLaVentana() {
    Atajo(Qt::Key_F1);
    QVERIFY(e->placat.Ayuda()->isVisible());
    QCOMPARE(PaginaDeAyuda(), QString("indice.html"));
    const std::pair<const char*, const char*> ventanas[] = {
        {"GeneralItem", "datosgenerales.html"}, {"LosasItem", "losas.html"}, {"ApoyosItem", "apoyos.html"}};
    for (const auto& [item, pagina] : ventanas) {
      e->placat.Accion(item)->trigger();
      QTRY_VERIFY(ConFoco() != nullptr);
      QWidget* ventana = ConFoco()->window();
      Pulsa(Qt::Key_F1);
      QCOMPARE(PaginaDeAyuda(), QString(pagina));
      ventana->close();
      QVERIFY(e->placat.isEnabled());
    }
  }

  // Every button of the table windows is reached with Tab and has a letter of its own
  // for Alt; the letter presses it.
  void BotonesDeLasTablasConTabYLetra() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    Atajo(Qt::Key_F5);
    Clic(e->ventanas.Resu().findChild<QPushButton*>("OKButton"));
    // Menu, item, and the button its letter is tried on (one that leaves the window open).
    struct Ventana {
      const char *menu, *item, *probado;
    };
    const Ventana ventanas[] = {{"DatosItem", "LosasItem", "Procesa"},
                                {"DatosItem", "ApoyosItem", "Command2"},
                                {"AnalisisItem", "ReacItem", "Command2"},
                                {"AnalisisItem", "ResultadosItem", nullptr},
                                {"AnalisisItem", "MedidasItem", "Command1"},
                                {"AnalisisItem", "VerificacionesItem", nullptr},
                                {"UtilItem", "mnuPesos", nullptr}};
    for (const auto& [menu, item, probado] : ventanas) {
      QVERIFY2(e->Elige(menu, item), item);
      QTRY_VERIFY(ConFoco() != nullptr);
      QWidget* ventana = ConFoco()->window();
      QSet<QWidget*> alcanzados;
      for (int i = 0; i < 400; ++i) {
        alcanzados.insert(ConFoco());
        Pulsa(Qt::Key_Tab);
      }
      QSet<QChar> letras;
      for (QPushButton* b : ventana->findChildren<QPushButton*>()) {
        if (!b->isVisible()) continue;
        const QKeySequence letra = QKeySequence::mnemonic(b->text());
        QVERIFY2(!letra.isEmpty(), qPrintable(item + QString(": ") + b->text()));
        const QChar c = b->text().at(b->text().indexOf('&') + 1).toLower();
        QVERIFY2(!letras.contains(c), qPrintable(item + QString(": ") + b->text()));
        letras.insert(c);
        QVERIFY2(alcanzados.contains(b), qPrintable(item + QString(": ") + b->text()));
      }
      if (probado) {
        auto* b = ventana->findChild<QPushButton*>(probado);
        QSignalSpy pulsado(b, &QPushButton::clicked);
        const QString t = b->text();
        QTest::keyClick(ventana, t.at(t.indexOf('&') + 1).toLatin1(), Qt::AltModifier);
        QTRY_COMPARE(pulsado.count(), 1);  // the button is seen going down first
      }
      ventana->close();
      QTRY_VERIFY(!ventana->isVisible());
      QVERIFY2(e->placat.isEnabled(), item);
      e->placat.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&e->placat));
    }
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

QTEST_MAIN(AtajosTest)
#include "atajos_test.moc"
