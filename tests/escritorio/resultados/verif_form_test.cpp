// The "Verificaciones" window as the engineer reaches it: closed to a project not yet
// calculated, then the summary and a table per check with each verdict painted, and
// OK giving the main window back.
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/resultados/VerifForm.h"

using namespace placatec;

class VerifFormTest : public QObject {
  Q_OBJECT

 private slots:
  void SoloDespuesDeCalcularConSusVeredictosPintados() {
    Escritorio e;
    QVERIFY(e.Arranca());
    const QString balcon = QStringLiteral(PLACATEC_SOURCE_DIR "/tests/corpus/a_mano/balcon_sobrecargado.Los");
    QVERIFY(e.Carga(balcon));
    QVERIFY(!e.Elige("AnalisisItem", "VerificacionesItem"));
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    Clic(e.ventanas.Resu().OKButton);
    QVERIFY(e.Elige("AnalisisItem", "VerificacionesItem"));

    VerifForm& v = e.ventanas.Verif();
    QVERIFY(v.isVisible());
    QVERIFY(!e.placat.isEnabled());
    CapturaPantalla(&v, "VerifForm");
    QCOMPARE(v.windowTitle(), QString("Verificaciones"));
    QCOMPARE(v.Resumen->text(), QString("1 losa no cumple"));
    // The balcony's root exceeds its section, its thickness and shear fail; the
    // temperature steel suffices. "Cumple" in blue, "No cumple" in red.
    const QColor rojo(255, 0, 0), azul(0, 0, 255);
    for (auto [rejilla, veredicto, color] : {std::tuple{v.Bordes, "No cumple", rojo},
                                             {v.Espesores, "No cumple", rojo},
                                             {v.Cortantes, "No cumple", rojo},
                                             {v.Temperatura, "Cumple", azul}}) {
      QCOMPARE(rejilla->NumFilas(), 1);
      const int ultima = rejilla->NumColumnas() - 1;
      QCOMPARE(rejilla->Texto(0, ultima), QString(veredicto));
      QCOMPARE(rejilla->Vista()->model()->index(0, ultima).data(Qt::ForegroundRole).value<QColor>(), color);
    }
    // (The rows' texts: the worked files of tests/corpus/a_mano.)

    QCOMPARE(v.Avisos->NumFilas(), 0);
    Clic(v.OKButton);
    QVERIFY(!v.isVisible());
    QVERIFY(e.placat.isEnabled());

    // Steel beyond the ductility limit and bars too close: one red row each, with its reason.
    QVERIFY(e.Carga(QStringLiteral(PLACATEC_SOURCE_DIR "/tests/corpus/a_mano/ductilidad.Los")));
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    Clic(e.ventanas.Resu().OKButton);
    QVERIFY(e.Elige("AnalisisItem", "VerificacionesItem"));
    CapturaPantalla(&v, "VerifForm_avisos");
    QCOMPARE(v.Avisos->NumFilas(), 3);
    QCOMPARE(v.Avisos->Texto(2, 3), QString("Separacion de barras"));
    QCOMPARE(v.Avisos->Vista()->model()->index(2, 5).data(Qt::ForegroundRole).value<QColor>(), rojo);
    Clic(v.OKButton);

    // A project loaded again has no calculation to check.
    QVERIFY(e.Carga(balcon));
    QVERIFY(!e.Elige("AnalisisItem", "VerificacionesItem"));
  }
};

QTEST_MAIN(VerifFormTest)
#include "verif_form_test.moc"
