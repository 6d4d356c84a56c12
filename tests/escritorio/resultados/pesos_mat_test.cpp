// "Pesos de Materiales": the 28 rows as listed, and what the user types is forgotten
// when OK closes the window.
#include <QPushButton>
#include <QTest>

#include "CapturaPantalla.h"
#include "UsuarioQt.h"
#include "escritorio/resultados/frmPesosMat.h"
#include "escritorio/widgets/Rejilla.h"

using namespace placatec;

class PesosMatTest : public QObject {
  Q_OBJECT

 private slots:
  void TablaListadaYEdicionOlvidada() {
    frmPesosMat pesos;
    pesos.Abre();
    QVERIFY(QTest::qWaitForWindowActive(&pesos));
    Rejilla* g = pesos.SSDBGrid1();
    QCOMPARE(pesos.windowTitle(), QString("Pesos de Materiales"));
    QCOMPARE(g->NumFilas(), 28);
    QCOMPARE(g->Texto(0, 0), QString("Hormigón armado"));
    QCOMPARE(g->TextoMostrado(0, 1) + " " + g->TextoMostrado(23, 1) + " " + g->TextoMostrado(27, 1),
             QString("2.400 0.025 0.010"));
    QCOMPARE(g->Texto(23, 0), QString("Asbesto cemento"));
    QCOMPARE(g->Texto(26, 0), QString("Plafond colgado con malla metálica y enyesado"));
    CapturaPantalla(&pesos, "frmPesosMat");

    g->PonCelda(0, 1);
    g->setFocus();
    Teclea("9.9");
    Pulsa(Qt::Key_Return);
    QCOMPARE(g->TextoMostrado(0, 1), QString("9.900"));
    Clic(pesos.Command1());
    QVERIFY(!pesos.isVisible());
    pesos.Abre();
    QCOMPARE(g->TextoMostrado(0, 1), QString("2.400"));
    QCOMPARE(g->NumFilas(), 28);
  }
};

QTEST_MAIN(PesosMatTest)
#include "pesos_mat_test.moc"
