// The print preview window on the offscreen platform: what the user types,
// scrolls and clicks reaches the page settings and the report.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
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

  void MargenEscritoYConBarra() {
    Margen(1, "0.5");
    QCOMPARE(C().pagina.margenes[1], 720);
    QCOMPARE(Control<QLineEdit>("txtMargin1")->text(), QString("0.5\""));

    auto* barra = Control<QScrollBar>("scrlMargin0");
    for (int i = 0; i < 3; ++i) barra->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(C().pagina.margenes[0], 1872);
    QCOMPARE(Control<QLineEdit>("txtMargin0")->text(), QString("1.3\""));

    Margen(2, "0.05");
    Control<QScrollBar>("scrlMargin2")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(C().pagina.margenes[2], 0);
    QCOMPARE(Control<QLineEdit>("txtMargin2")->text(), QString("0\""));

    Margen(3, "xyz");
    QCOMPARE(C().pagina.margenes[3], 0);
  }

  void PasosDeZoom() {
    auto* mas = Control<QToolButton>("cmdZoom2");
    auto* valor = Control<QLabel>("cmdZoomValor");
    const int inicial = C().zoom;
    QCOMPARE(valor->text(), QString("%1%").arg(inicial));
    const int ancho = Control<QLabel>("hoja")->pixmap().width();
    QTest::mouseClick(mas, Qt::LeftButton);
    QCOMPARE(C().zoom, inicial + 10);
    QVERIFY(Control<QLabel>("hoja")->pixmap().width() > ancho);
    QTest::mouseClick(Control<QToolButton>("cmdZoom3"), Qt::LeftButton);
    QVERIFY(!mas->isEnabled());
    QVERIFY(Control<QToolButton>("cmdZoom0")->isEnabled());
    QCOMPARE(C().zoomPaso, 20);
    QTest::mouseClick(Control<QToolButton>("cmdZoom1"), Qt::LeftButton);
    QCOMPARE(C().zoom, C().zoomMax - 20);
    QTest::mouseClick(Control<QToolButton>("cmdZoom0"), Qt::LeftButton);
    QVERIFY(!Control<QToolButton>("cmdZoom1")->isEnabled());
    QCOMPARE(C().zoomPaso, 5);
  }

  void BotonesDePagina() {
    auto* primera = Control<QToolButton>("cmdPage0");
    auto* siguiente = Control<QToolButton>("cmdPage2");
    QVERIFY(!primera->isEnabled());
    QVERIFY(siguiente->isEnabled());
    Control<QRadioButton>("Option1_1")->click();
    QTest::mouseClick(siguiente, Qt::LeftButton);
    QVERIFY(Control<QLabel>("cmdPageValor")->text().startsWith("2 de "));
    QCOMPARE(Control<QLineEdit>("Text1")->text(), QString("2"));
    QCOMPARE(Control<QLineEdit>("Text2")->text(), QString("2"));
    QVERIFY(primera->isEnabled());
    QTest::mouseClick(Control<QToolButton>("cmdPage3"), Qt::LeftButton);
    QVERIFY(!siguiente->isEnabled());
    QVERIFY(!Control<QToolButton>("cmdPage3")->isEnabled());
    Foto("LosPrev_ultima");
  }

  void RangoTrasQuitarDatos() {
    const int antes = C().NumPaginas();
    Control<QCheckBox>("Check3")->click();
    const int despues = C().NumPaginas();
    QVERIFY(despues < antes);
    QCOMPARE(Control<QLineEdit>("Text2")->text(), QString::number(despues));
    Control<QRadioButton>("Option1_2")->click();
    QVERIFY(Control<QWidget>("UpDown2")->isVisible());
    // Without a calculation the result sections cannot be chosen.
    s_.proyecto.CalculoHecho = false;
    w_->Activa();
    QVERIFY(!Control<QCheckBox>("Check4")->isEnabled());
    QVERIFY(!Control<QCheckBox>("Check1")->isEnabled());
    QVERIFY(Control<QCheckBox>("Check2")->isEnabled());
  }

  void MismaOrientacionNoHaceNada() {
    const int antes = w_->Modelo().reconstrucciones;
    Control<QRadioButton>("opOrient0")->click();
    QCOMPARE(w_->Modelo().reconstrucciones, antes);
    Control<QRadioButton>("opOrient1")->click();
    QCOMPARE(w_->Modelo().reconstrucciones, antes + 1);
    QCOMPARE(C().pagina.orientacion, 1);
    const QPixmap hoja = Control<QLabel>("hoja")->pixmap();
    QVERIFY(hoja.width() > hoja.height());
    Control<QComboBox>("cmbBorders")->setCurrentIndex(4);
    emit Control<QComboBox>("cmbBorders")->activated(4);
    QCOMPARE(C().pagina.borde, 4);
    Foto("LosPrev_apaisado");
  }

  void PanelesDeEncabezadoYFuentes() {
    QTest::mouseClick(Control<QPushButton>("cmdEncabezado"), Qt::LeftButton);
    QVERIFY(!Control<QWidget>("botones")->isEnabled());
    QVERIFY(Control<QWidget>("panelEncabezado")->isVisible());
    auto* cabecera = Control<QPlainTextEdit>("Text5_0");
    cabecera->setPlainText("Obra|Piso 2|Hoja %d");
    Foto("LosPrev_encabezado");
    QTest::mouseClick(Control<QPushButton>("cierraEncabezado"), Qt::LeftButton);
    QVERIFY(Control<QWidget>("botones")->isEnabled());
    QCOMPARE(QString::fromStdString(C().documento.encabezado), QString("Obra|Piso 2|Hoja %d"));

    QTest::mouseClick(Control<QPushButton>("cmdFuentes"), Qt::LeftButton);
    QVERIFY(Control<QWidget>("panelFuentes")->isVisible());
    QCOMPARE(Control<QLineEdit>("efecto3")->text(), QString("Bold"));
    QCOMPARE(Control<QPushButton>("fuente0")->text(), QString("Arial"));
    Foto("LosPrev_fuentes");
    QTest::mouseClick(Control<QPushButton>("cierraFuentes"), Qt::LeftButton);
    QVERIFY(Control<QWidget>("Vp")->isVisible());
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
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  LosPrevTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "losprev_test.moc"
