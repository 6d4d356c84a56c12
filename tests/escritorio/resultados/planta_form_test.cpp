// The plan as the engineer meets it: the main window shows the storey once it has a
// slab, with the steel after a calculation; a click on a slab moves the slab table to its
// row; the "Planta" window sets a slab's place, which the file keeps and the plan follows.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/entrada/Datoslosas2Form.h"
#include "escritorio/resultados/PlantaForm.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/widgets/VistaPlanta.h"
#include "model/ArchivoDisco.h"
#include "model/Disposicion.h"

using namespace placatec;

class PlantaFormTest : public QObject {
  Q_OBJECT

 private:
  // How many texts of one layer the main window's plan draws.
  static int Textos(const DibujoPlanta& d, CapaPlanta capa) {
    return static_cast<int>(std::count_if(d.textos.begin(), d.textos.end(),
                                          [capa](const TextoPlanta& t) { return t.capa == capa; }));
  }

 private slots:
  void ElPisoEnLaVentanaPrincipal() {
    Escritorio e;
    QVERIFY(e.Arranca());
    auto* centro = qobject_cast<QStackedWidget*>(e.placat.centralWidget());
    QVERIFY(centro);
    QVERIFY(centro->currentWidget() != e.placat.Planta());  // the picture while there is no slab
    e.placat.resize(900, 640);
    for (const char* nombre : {"entrepiso", "techo", "voladizos", "planilla", "noventa_y_nueve"}) {
      const bool ejemplo = QString(nombre) != "noventa_y_nueve";
      QVERIFY(e.Carga(QString(nombre) == "planilla"
                          ? QStringLiteral(PLACATEC_SOURCE_DIR "/tests/corpus/a_mano/planilla.Los")
                      : ejemplo
                          ? Ejemplo((std::string(nombre) + ".Los").c_str())
                          : QStringLiteral(PLACATEC_SOURCE_DIR "/tests/corpus/carga/noventa_y_nueve.Los")));
      QCOMPARE(centro->currentWidget(), e.placat.Planta());
      const DibujoPlanta& d = e.placat.Planta()->Dibujo();
      QCOMPARE(static_cast<int>(d.contornos.size()), static_cast<int>(e.sesion.proyecto.NumLosas));
      QCOMPARE(Textos(d, CapaPlanta::AceroInferior), 0);  // no steel before a calculation
      QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
      Clic(e.ventanas.Resu().OKButton);
      QVERIFY(Textos(e.placat.Planta()->Dibujo(), CapaPlanta::AceroInferior) > 0 || !ejemplo);
      CapturaPantalla(&e.placat, QStringLiteral("planta_") + nombre);
    }

    // A click on a slab of the 99: the slab table's current row is that slab's.
    VistaPlanta* v = e.placat.Planta();
    const ContornoPlanta& c = v->Dibujo().contornos[41];
    const QPointF centro42 = v->Transformacion().map(
        QPointF((c.esquinas[0].x + c.esquinas[2].x) / 2, (c.esquinas[0].y + c.esquinas[2].y) / 2));
    QTest::mouseClick(v, Qt::LeftButton, {}, centro42.toPoint());
    QCOMPARE(v->Seleccionada(), Integer{42});
    QCOMPARE(e.placat.Datoslosas2()->SSDBGrid1()->FilaActual(), 41);
    // Closer, the texts left out of the whole storey come back: numbers, spans, bar labels.
    const std::size_t lejos = v->Dibujo().textos.size();
    for (int paso = 0; paso < 12; ++paso) {
      QWheelEvent rueda(centro42, v->mapToGlobal(centro42), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                        false);
      QCoreApplication::sendEvent(v, &rueda);
    }
    QVERIFY(v->Dibujo().textos.size() > lejos + 3 * 99);
    QVERIFY(Textos(v->Dibujo(), CapaPlanta::AceroInferior) > 0);
    CapturaPantalla(&e.placat, "planta_noventa_y_nueve_cerca");
  }

  void LaVentanaPlantaFijaLaPosicion() {
    Escritorio e;
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(Ejemplo("entrepiso.Los")));
    e.placat.Accion("PlantaItem")->trigger();
    PlantaForm& f = e.ventanas.Planta();
    QVERIFY(f.isVisible());
    QVERIFY(e.placat.isEnabled());  // the main window stays usable
    QVERIFY(!f.CajaX0()->isEnabled() || f.Vista()->Seleccionada() == 0);
    f.Selecciona(5);
    QCOMPARE(f.CajaX0()->placeholderText(), QString("4.00"));  // where the supports put it
    f.CajaX0()->setText("20,5");
    f.CajaY0()->setText("-3");
    Clic(f.Boton("Fija"));
    QCOMPARE(e.sesion.proyecto.X0[5], std::optional<Single>(20.5f));
    QCOMPARE(e.sesion.proyecto.Y0[5], std::optional<Single>(-3.0f));
    QVERIFY(e.sesion.estado.Modificado);
    // The slabs the supports join follow it.
    QCOMPARE(DisponeLosas(e.sesion.proyecto).X0[1], 16.5);
    QVERIFY(!f.Problemas()->isVisible());
    // Slab 1 set back at the origin: support 5 puts slab 4 above it, where it is not.
    f.Selecciona(1);
    f.CajaX0()->setText("0");
    f.CajaY0()->setText("0");
    Clic(f.Boton("Fija"));
    QVERIFY(f.Problemas()->isVisible());
    QVERIFY(f.Problemas()->text().contains("Apoyo 5 (Y): la losa 4 no queda encima de la losa 1"));
    CapturaPantalla(&f, "PlantaForm");
    // (The places in the file: tests/corpus/ida_y_vuelta.) "Exportar DXF..." from the
    // plan window writes the file the dialog names.
    QTemporaryDir dir;
    e.archivo = dir.filePath("planta.dxf");
    Clic(f.Boton("ExportaDxf"));
    QVERIFY(LeeArchivo(e.archivo.toStdString()));
    Clic(f.Boton("Automatica"));
    QVERIFY(!e.sesion.proyecto.X0[1] && e.sesion.proyecto.X0[5]);
    QVERIFY(!f.Problemas()->isVisible());
  }
};

QTEST_MAIN(PlantaFormTest)
#include "planta_form_test.moc"
