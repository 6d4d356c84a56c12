// Every window of the program, opened by its command on the office floor of the
// examples, shows the project: a title and, in each of its tables, rows. With
// PLACATEC_SCREENSHOTS naming a folder (make screenshots) a picture of each window is
// saved there, and the three of the program's description: the main window with a
// storey, the results and the print preview.
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/principal/Ayuda.h"
#include "escritorio/resultados/ReacForm.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/vistaprevia/LosPrev.h"

using namespace placatec;

namespace {

// A window as a desktop shows it: a title bar above it.
QImage ConTitulo(QWidget* w) {
  const QPixmap ventana = w->grab();
  const int alto = w->fontMetrics().height() + 10;
  QImage imagen(ventana.width() + 2, ventana.height() + alto + 1, QImage::Format_RGB32);
  imagen.fill(QColor(60, 64, 72));
  QPainter p(&imagen);
  p.setPen(Qt::white);
  QFont f = w->font();
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, 0, imagen.width(), alto), Qt::AlignCenter, w->windowTitle());
  p.drawPixmap(1, alto, ventana);
  return imagen;
}

void Guarda(const QImage& imagen, const QString& nombre) {
  const QString dir = qEnvironmentVariable("PLACATEC_SCREENSHOTS");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  imagen.save(QDir(dir).filePath(nombre + ".png"));
}

}  // namespace

class VentanasTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  LosPrev* vistaPrevia = nullptr;

  // The window in front shows a title and, when it has tables, rows; its picture is
  // kept.
  void CompruebaYFotografia(QWidget* w, const QString& nombre) {
    QVERIFY2(w && w->isVisible(), qPrintable(nombre));
    QVERIFY2(!w->windowTitle().isEmpty(), qPrintable(nombre));
    const QList<Rejilla*> tablas = w->findChildren<Rejilla*>();
    QVERIFY2(tablas.isEmpty() ||
                 std::any_of(tablas.begin(), tablas.end(), [](Rejilla* r) { return r->NumFilas() > 0; }),
             qPrintable(nombre));
    CapturaPantalla(w, nombre);
  }
  // A modal window: checked and pictured while it waits, then closed.
  void Modal(const std::function<void()>& abre, const QString& nombre) {
    bool visto = false;
    QTimer::singleShot(0, this, [&] {
      QWidget* w = QApplication::activeModalWidget();
      CompruebaYFotografia(w, nombre);
      visto = true;
      if (w) w->close();
    });
    abre();
    QVERIFY2(visto, qPrintable(nombre));
  }

 private slots:
  void CadaVentanaMuestraElProyecto() {
    e = std::make_unique<Escritorio>();
    e->placat.muestraVistaPrevia = [this] { MuestraVistaPrevia(vistaPrevia, e->sesion, &e->placat); };
    QVERIFY(e->Arranca());
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    e->placat.resize(1000, 640);
    CompruebaYFotografia(&e->placat, "PlacatForm");
    QVERIFY(e->Elige("AnalisisItem", "CalculoItem"));

    struct Ventana {
      const char *menu, *item, *nombre;
    };
    const Ventana ventanas[] = {
        {"DatosItem", "GeneralItem", "DatosgenForm"},        {"DatosItem", "LosasItem", "Datoslosas2Form"},
        {"DatosItem", "ApoyosItem", "DatosapoyosForm"},      {"AnalisisItem", "ReacItem", "ReacForm"},
        {"AnalisisItem", "ResultadosItem", "ResuForm"},      {"AnalisisItem", "MedidasItem", "MedidasForm"},
        {"AnalisisItem", "VerificacionesItem", "VerifForm"}, {"UtilItem", "mnuPesos", "frmPesosMat"},
        {"ArchivosItem", "ImprimeItem", "LosPrev"},          {"HelpItem", "menu21", "Ayuda"}};
    for (const auto& [menu, item, nombre] : ventanas) {
      QVERIFY2(e->Elige(menu, item), item);
      QWidget* w = QApplication::activeWindow();
      CompruebaYFotografia(w, nombre);
      if (QString(nombre) == "Datoslosas2Form") {
        // The main window with a storey, the slab table over it.
        const QImage principal = ConTitulo(&e->placat), losas = ConTitulo(w);
        QImage escritorio(std::max(principal.width(), losas.width() + 40), principal.height() + 40,
                          QImage::Format_RGB32);
        escritorio.fill(QColor(222, 226, 232));
        QPainter p(&escritorio);
        p.drawImage(0, 0, principal);
        p.drawImage(40, 90, losas);
        Guarda(escritorio, "principal");
      }
      if (QString(nombre) == "ResuForm") Guarda(ConTitulo(w), "resultados");
      if (QString(nombre) == "LosPrev") Guarda(ConTitulo(w), "vistaprevia");
      if (QString(nombre) == "ReacForm")
        Modal([w] { w->findChild<QPushButton*>("Command3")->click(); }, "frmTip");
      w->close();
      QTRY_VERIFY2(e->placat.isEnabled(), item);
      e->placat.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&e->placat));
    }
    Modal([this] { e->placat.Accion("menu23")->trigger(); }, "frmAbout");
  }
};

QTEST_MAIN(VentanasTest)
#include "ventanas_test.moc"
