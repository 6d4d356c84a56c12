// The print preview window on the offscreen platform: what the user types,
// scrolls and clicks reaches the page settings and the report.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "CapturaPantalla.h"
#include "escritorio/vistaprevia/LosPrev.h"
#include "report/ProyectoEjemplo.h"

using namespace placatec;

class LosPrevTest : public QObject {
  Q_OBJECT

 private:
  Sesion s_;
  std::unique_ptr<LosPrev> w_;

  template <typename T>
  T* Control(const char* nombre) {
    T* c = w_->findChild<T*>(nombre);
    if (!c) qFatal("no control %s", nombre);
    return c;
  }

  void Foto(const QString& nombre) { CapturaPantalla(w_.get(), nombre); }
  const ControlImpresion& C() { return w_->Modelo().Control(); }

  void Margen(int i, const QString& texto) {
    auto* e = Control<QLineEdit>(qPrintable(QString("txtMargin%1").arg(i)));
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, texto);
    QTest::keyClick(e, Qt::Key_Return);
  }

 private slots:
  void init() {
    ejemplo::Llena(s_, 20, 19);
    w_ = std::make_unique<LosPrev>(s_, nullptr, nullptr, Recalculos{});
    w_->show();
    w_->Activa();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
  }
  void cleanup() { w_.reset(); }

  void VentanaAlAbrir() {
    QCOMPARE(Control<QLineEdit>("txtMargin0")->text(), QString("1\""));
    QVERIFY(Control<QComboBox>("cmbDevice")->count() >= 1);
    QVERIFY(Control<QRadioButton>("Option1_0")->isChecked());
    QCOMPARE(Control<QLineEdit>("Text1")->text(), QString("1"));
    QCOMPARE(Control<QLineEdit>("Text2")->text(), QString::number(C().NumPaginas()));
    QVERIFY(!Control<QWidget>("UpDown1")->isVisible());
    QVERIFY(!Control<QLabel>("hoja")->pixmap().isNull());
    Foto("LosPrev");
  }

  void ExportaYSaleOcultaGuardandoLosAjustes() {
    QTemporaryDir dir;
    QVERIFY(w_->EscribePdfEn(dir.filePath("vista.pdf")));
    QFile f(dir.filePath("vista.pdf"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");

    Margen(1, "0.75");
    QTest::mouseClick(Control<QPushButton>("cmdSale"), Qt::LeftButton);
    QVERIFY(!w_->isVisible());
    LosPrev* ventana = w_.get();
    QCOMPARE(MuestraVistaPrevia(ventana, s_, nullptr), w_.get());
    QVERIFY(w_->isVisible());
    QCOMPARE(C().pagina.margenes[1], 1080);
  }

  // The report is never written over the open project, by any of its names.
  void NoExportaSobreElProyectoAbierto() {
    QTemporaryDir dir;
    const QString proyecto = dir.filePath("piso.Los");
    QFile f(proyecto);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Piso\r\n");
    f.close();
    QVERIFY(QFile::link(proyecto, dir.filePath("enlace.pdf")));
    s_.estado.NombreArchivo = proyecto.toStdString();
    for (const QString& ruta : {proyecto, dir.filePath("./piso.Los"), dir.filePath("enlace.pdf")}) {
      QString aviso;
      QTimer::singleShot(0, [&] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          aviso = m->text();
          m->accept();
        }
      });
      QVERIFY(!w_->EscribePdfEn(ruta));
      QVERIFY2(aviso.contains("proyecto abierto"), qPrintable(aviso));
      QFile leido(proyecto);
      QVERIFY(leido.open(QIODevice::ReadOnly));
      QCOMPARE(leido.readAll(), QByteArray("Piso\r\n"));
    }
    QVERIFY(w_->EscribePdfEn(dir.filePath("piso.pdf")));
  }

  // Brought to the front again, the preview rebuilds the report and keeps the page and
  // the zoom the engineer was reading; it speaks Spanish.
  void AlVolverConservaPaginaYZoom() {
    QTest::mouseClick(Control<QToolButton>("cmdPage2"), Qt::LeftButton);
    QTest::mouseClick(Control<QToolButton>("cmdZoom2"), Qt::LeftButton);
    const int zoom = C().zoom, reconstrucciones = w_->Modelo().reconstrucciones;
    QCOMPARE(C().paginaMostrada, 2);
    QTest::mouseClick(Control<QPushButton>("cmdSale"), Qt::LeftButton);
    LosPrev* ventana = w_.get();
    MuestraVistaPrevia(ventana, s_, nullptr);
    QVERIFY(w_->Modelo().reconstrucciones > reconstrucciones);
    QCOMPARE(C().paginaMostrada, 2);
    QCOMPARE(C().zoom, zoom);
    QCOMPARE(Control<QLabel>("cmdPageValor")->text(), QString("2 de %1").arg(C().NumPaginas()));

    QStringList textos{w_->windowTitle()};
    for (auto* b : w_->findChildren<QAbstractButton*>()) textos << b->text();
    for (auto* l : w_->findChildren<QLabel*>()) textos << l->text();
    for (auto* l : w_->findChildren<QLineEdit*>()) textos << l->text();
    for (const char* ingles : {"Preview", "Portrait", "Landscape", "Top", "Left", "Bottom", "Right", "Header",
                               "Footer", "Font", "Bold", "Regular"})
      for (const QString& t : textos) QVERIFY2(!t.contains(ingles), qPrintable(t));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  LosPrevTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "losprev_test.moc"
