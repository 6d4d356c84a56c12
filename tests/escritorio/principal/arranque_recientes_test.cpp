// The desktop program as a Linux program: a project named on the command line is
// loaded at start-up; "&Archivos" lists the last projects opened or saved, and they,
// the last folder and the window's place outlive the run. Settings live in a
// temporary file, never in the user's.
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "comandos/ComandosArchivo.h"
#include "escritorio/principal/Recuerdos.h"

using namespace placatec;

namespace {
// The recent projects of "&Archivos", in menu order; false when they are not between
// "&Print preview..." and "&Termina".
bool Recientes(PlacatForm& placat, QStringList& rutas) {
  const QList<QAction*> items = placat.Menu(QStringLiteral("ArchivosItem"))->actions();
  qsizetype primero = -1, ultimo = -1;
  for (qsizetype i = 0; i < items.size(); ++i)
    if (items[i]->objectName().startsWith(QStringLiteral("Reciente"))) {
      rutas << items[i]->toolTip();
      ultimo = i;
      primero = primero < 0 ? i : primero;
    }
  return rutas.isEmpty() || (primero > items.indexOf(placat.Accion(QStringLiteral("ImprimeItem"))) &&
                             ultimo < items.indexOf(placat.Accion(QStringLiteral("TerminaItem"))));
}
}  // namespace

class ArranqueRecientesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void ArrancaConElArchivoNombrado_data() {
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("proyecto") << Ejemplo("entrepiso.Los") << QString();
    QTest::newRow("ilegal") << QStringLiteral(PLACATEC_SOURCE_DIR "/tests/corpus/rechazo/cero_losas.Los")
                            << QStringLiteral("Archivo Ilegal");
  }
  void ArrancaConElArchivoNombrado() {
    QFETCH(QString, archivo);
    QFETCH(QString, mensaje);
    Escritorio e;
    e.placat.AbreAlArrancar(archivo);
    Main(e.placat);
    // The load opens the general data; after a failed one the start opens it as usual.
    QVERIFY(QTest::qWaitFor([&] { return e.placat.Datosgen()->isVisible(); }));
    Sesion solo;
    InterlocutorGuion g;
    QCOMPARE(CargaArchivo(solo, archivo.toStdString(), g), mensaje.isEmpty());
    QCOMPARE(QString::fromStdString(e.guion.UltimoTexto()), mensaje);
    QCOMPARE(e.sesion.proyecto.NumLosas, mensaje.isEmpty() ? solo.proyecto.NumLosas : 0);
    QCOMPARE(e.sesion.proyecto.Titulo, mensaje.isEmpty() ? solo.proyecto.Titulo : std::string());
  }

  void RecientesTrasSalvarYCargar() {
    QTemporaryDir dir;
    const QString conf = dir.filePath(QStringLiteral("placatec.conf"));
    const QString nuevo = dir.filePath(QStringLiteral("nuevo.Los")),
                  otro = dir.filePath(QStringLiteral("otro.Los"));
    QStringList esperados{otro, Ejemplo("techo.Los"), nuevo, Ejemplo("entrepiso.Los")};
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
      QStringList rutas;
      QVERIFY(Recientes(e.placat, rutas));
      QCOMPARE(rutas, esperados);
      QCOMPARE(e.placat.recuerdos()->UltimaCarpeta(), QDir(dir.path()).absolutePath());
      e.placat.resize(700, 520);
      e.placat.TerminaItem();
    }
    Escritorio e;
    e.placat.UsaAjustes(std::make_unique<QSettings>(conf, QSettings::IniFormat));
    QStringList rutas;
    QVERIFY(Recientes(e.placat, rutas));
    QCOMPARE(rutas, esperados);
    QCOMPARE(e.placat.size(), QSize(700, 520));
    QMenu* archivos = e.placat.Menu(QStringLiteral("ArchivosItem"));
    archivos->popup(QPoint(10, 10));
    CapturaPantalla(archivos, QStringLiteral("archivos_recientes"));
    archivos->hide();
    // Picking one loads it as "&Carga archivo..." does.
    QVERIFY(e.Arranca());
    e.placat.Accion(QStringLiteral("Reciente3"))->trigger();
    QCOMPARE(QString::fromStdString(e.sesion.proyecto.NombreArchivo), nuevo);
    QVERIFY(e.placat.Datosgen()->isVisible());
  }
};

QTEST_MAIN(ArranqueRecientesTest)
#include "arranque_recientes_test.moc"
