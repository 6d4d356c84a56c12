// What the desktop shows of a calculation always belongs to the data: a change of
// data disables the result views, and the print preview, left open beside the main
// window, is rebuilt from the new data when it comes to the front.
#include <QPushButton>
#include <QtTest>

#include "EscritorioPrueba.h"
#include "entry/TablaLosas.h"
#include "escritorio/entrada/Datoslosas2Form.h"
#include "escritorio/vistaprevia/LosPrev.h"

using namespace placatec;

class ResultadosVigentesTest : public QObject {
  Q_OBJECT

 private slots:
  void UnCambioRetiraLosResultadosYLaVistaPreviaSeRehace() {
    Escritorio e;
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(QStringLiteral(PLACATEC_SOURCE_DIR "/tests/corpus/resultados/temperatura_gruesa.Los")));
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    e.placat.RegresaDeDialogo();
    LosPrev* previa = nullptr;
    e.placat.muestraVistaPrevia = [&] { MuestraVistaPrevia(previa, e.sesion, &e.placat); };
    QVERIFY(e.Elige("ArchivosItem", "ImprimeItem"));
    QVERIFY(previa && e.placat.isEnabled());

    // The slab is made longer in the slab table, with the preview still open.
    e.placat.activateWindow();
    QTRY_VERIFY(!previa->isActiveWindow());
    const int antes = previa->Modelo().reconstrucciones;
    QVERIFY(e.Elige("DatosItem", "LosasItem"));
    EscribeEn(e.placat.Datoslosas2()->SSDBGrid1(), 0, ColLosa::Lx, "3.2");
    Clic(e.placat.Datoslosas2()->Boton("OKButton"));
    e.AbreMenu("AnalisisItem");
    QVERIFY(!e.placat.Accion("ResultadosItem")->isEnabled());
    QVERIFY(!e.placat.Accion("MedidasItem")->isEnabled());
    QCOMPARE(previa->Modelo().reconstrucciones, antes);

    // Back in front, the preview is rebuilt (what it then prints, with the new span:
    // tests/comandos/resultados_seguros_test.cpp).
    previa->activateWindow();
    QTRY_VERIFY(previa->Modelo().reconstrucciones > antes);
    delete previa;
  }
};

QTEST_MAIN(ResultadosVigentesTest)
#include "resultados_vigentes_test.moc"
