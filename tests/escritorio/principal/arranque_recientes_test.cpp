// The desktop program as a Linux program: a project named on the command line is
// loaded at start-up; "&Archivos" lists the last projects opened or saved, and they
// and the window's place outlive the run. Settings live in a temporary file, never in
// the user's.
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "EscritorioPrueba.h"
#include "comandos/ComandosArchivo.h"

using namespace placatec;

// The projects listed between "&Print preview..." and "&Termina", in menu order.
static QStringList Recientes(PlacatForm& placat) {
  QStringList rutas;
  bool dentro = false;
  for (QAction* a : placat.Menu(QStringLiteral("ArchivosItem"))->actions()) {
    if (a->objectName() == QStringLiteral("TerminaItem")) break;
    if (dentro && !a->isSeparator()) rutas << a->toolTip();
    dentro = dentro || a->objectName() == QStringLiteral("Separa");
  }
  return rutas;
}

class ArranqueRecientesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void ArrancaConElArchivoNombrado() {
    Escritorio e;
    e.placat.AbreAlArrancar(Ejemplo("entrepiso.Los"));
    Main(e.placat);
    // The load opens the general data, as "&Carga archivo..." does.
    QVERIFY(QTest::qWaitFor([&] { return e.placat.Datosgen()->isVisible(); }));
    Sesion solo;
    QVERIFY(CargaArchivo(solo, Ejemplo("entrepiso.Los").toStdString(), e.guion));
    QVERIFY(e.guion.mensajes.empty());
    QCOMPARE(e.sesion.proyecto.NumLosas, solo.proyecto.NumLosas);
    QCOMPARE(e.sesion.estado.NombreArchivo, solo.estado.NombreArchivo);
  }

  void RecientesTrasSalvarYCargar() {
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("placatec.conf"));
    const QString nuevo = dir.filePath(QStringLiteral("nuevo.Los")),
                  otro = dir.filePath(QStringLiteral("otro.Los"));
    const QStringList esperados{otro, Ejemplo("techo.Los"), nuevo, Ejemplo("entrepiso.Los")};
    {
      Escritorio e;
      e.placat.UsaAjustes(std::make_unique<QSettings>(conf, QSettings::IniFormat));
      QVERIFY(e.Arranca());
      for (const char* n : {"techo.Los", "voladizos.Los", "entrepiso.Los"}) QVERIFY(e.Carga(Ejemplo(n)));
      e.archivo = nuevo;
      e.placat.Accion(QStringLiteral("SalvaItem"))->trigger();
      QVERIFY(e.Carga(Ejemplo("techo.Los")));
      e.archivo = otro;
      e.placat.Accion(QStringLiteral("SalvaItem"))->trigger();
      QCOMPARE(Recientes(e.placat), esperados);
      e.placat.resize(700, 520);
      e.placat.TerminaItem();
    }
    Escritorio e;
    e.placat.UsaAjustes(std::make_unique<QSettings>(conf, QSettings::IniFormat));
    QCOMPARE(Recientes(e.placat), esperados);
    QCOMPARE(e.placat.size(), QSize(700, 520));
    // Picking one loads it as "&Carga archivo..." does.
    QVERIFY(e.Arranca());
    e.placat.Accion(QStringLiteral("Reciente3"))->trigger();
    QCOMPARE(QString::fromStdString(e.sesion.estado.NombreArchivo), nuevo);
    QVERIFY(e.placat.Datosgen()->isVisible());
  }
};

QTEST_MAIN(ArranqueRecientesTest)
#include "arranque_recientes_test.moc"
