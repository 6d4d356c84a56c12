// The quantities window as the engineer uses it after a calculation: the table and
// its totals, the waste box with its key rules, "Recalcula" and OK.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/resultados/MedidasForm.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/widgets/Rejilla.h"
#include "model/Numeros.h"

using namespace placatec;

namespace {

double Valor(const QString& t) { return ValorTexto(t.toStdString()); }

QStringList TextosEtiquetas(const QWidget* w) {
  QStringList l;
  for (const QLabel* e : w->findChildren<QLabel*>()) l << e->text();
  return l;
}

}  // namespace

class MedidasFormTest : public QObject {
  Q_OBJECT

 private slots:
  void CantidadesTotalesYDesperdicio() {
    Escritorio e;
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(Ejemplo("voladizos.Los")));
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    Clic(e.ventanas.Resu().OKButton);
    QVERIFY(e.Elige("AnalisisItem", "MedidasItem"));
    MedidasForm& m = e.ventanas.Medidas();
    Rejilla* g = m.SSDBGrid1;
    const Proyecto& p = e.sesion.proyecto;
    QVERIFY(!e.placat.isEnabled());
    QCOMPARE(Titulos(g), (QStringList{"Losa", "Volumen (m3)", "ø 3/8\"   (qq)", "ø 1/2\"   (qq)",
                                      "ø 3/4\"   (qq)", "   Total     (qq)", "Cuantia  (qq/m3)"}));
    for (const char* t : {"EN EL REFUERZO", "Totales", "% DE DESPERDICIO"})
      QVERIFY2(TextosEtiquetas(&m).contains(t), t);
    QCOMPARE(m.Desperd1->text(), QString("7"));

    // One row per slab: volume, the bars of each size with 7 % waste, their total
    // and the ratio, all in "0.00".
    QCOMPARE(g->NumFilas(), 6);
    for (int f = 0; f < 6; ++f) {
      const int i = f + 1;
      QCOMPARE(g->Texto(f, 0), QString::number(i));
      QCOMPARE(g->TextoMostrado(f, 1),
               QString::fromStdString(Formato(p.Lx[i] * p.Ly[i] * p.EspesorLosa[i], "0.00")));
      QVERIFY(std::fabs(Valor(g->TextoMostrado(f, 2)) - 1.07 * p.Qq1[i]) <= 0.005);
      QVERIFY(std::fabs(Valor(g->TextoMostrado(f, 5)) - 1.07 * (p.Qq1[i] + p.Qq2[i] + p.Qq3[i])) <= 0.005);
      for (int c = 1; c <= 6; ++c)
        QVERIFY(QRegularExpression("^\\d+\\.\\d\\d$").match(g->TextoMostrado(f, c)).hasMatch());
    }
    // Slab 3 carries the 1/2-inch bars of support 4.
    QVERIFY(Valor(g->Texto(2, 3)) > 0);
    // The totals under their columns: the sums of the rows, the ratio of the sums.
    double volumen = 0, total = 0;
    for (int f = 0; f < 6; ++f) {
      volumen += Valor(g->Texto(f, 1));
      total += Valor(g->Texto(f, 5));
    }
    QVERIFY(std::fabs(Valor(m.totales[0]->text()) - volumen) <= 0.005);
    QVERIFY(std::fabs(Valor(m.totales[4]->text()) - total) <= 0.005);
    QVERIFY(std::fabs(Valor(m.totales[5]->text()) - total / volumen) <= 0.01);
    for (std::size_t k = 0; k < 6; ++k)
      QCOMPARE(m.totales[k]->text(), QString::fromStdString(e.sesion.medidas.totales[k]).trimmed());
    QTest::qWait(20);
    for (int k = 0; k < 6; ++k) {
      QLabel* t = m.totales[static_cast<std::size_t>(k)];
      const QPoint izquierda = t->mapToGlobal(QPoint(0, 0));
      const QPoint columna =
          g->Vista()->viewport()->mapToGlobal(QPoint(g->Vista()->columnViewportPosition(k + 1), 0));
      QCOMPARE(izquierda.x(), columna.x());
      QVERIFY(t->fontMetrics().horizontalAdvance(t->text()) < t->width());
    }
    CapturaPantalla(&m, "MedidasForm");

    // The waste box takes digits, "." and backspace; other keys beep.
    m.Desperd1->setFocus();
    Pulsa(Qt::Key_End);
    const int beeps = e.guion.beeps;
    Teclea("a-");
    Pulsa(Qt::Key_Return);
    QCOMPARE(e.guion.beeps, beeps + 3);
    QCOMPARE(m.Desperd1->text(), QString("7"));
    Pulsa(Qt::Key_Backspace);
    Teclea("10");
    QCOMPARE(p.Desperdicio, 10.0f);
    QCOMPARE(e.guion.beeps, beeps + 3);
    // The table changes at "Recalcula", not before.
    const QString antes = g->Texto(0, 2);
    Clic(m.Command1);
    QVERIFY(std::fabs(Valor(g->Texto(0, 2)) - 1.10 * p.Qq1[1]) <= 0.005);
    QVERIFY(g->Texto(0, 2) != antes);
    QCOMPARE(g->Texto(0, 1),
             QString::fromStdString(e.sesion.medidas.tabla.Texto(0, 1)));  // no waste on concrete
    CapturaPantalla(&m, "MedidasForm_desperdicio_10");

    // Above 99 every key is refused, backspace too; Delete still clears the box.
    m.Desperd1->setFocus();
    Pulsa(Qt::Key_End);
    Teclea("0");
    QCOMPARE(m.Desperd1->text(), QString("100"));
    Teclea("5");
    Pulsa(Qt::Key_Backspace);
    QCOMPARE(m.Desperd1->text(), QString("100"));
    QCOMPARE(e.guion.beeps, beeps + 5);
    Pulsa(Qt::Key_Home);
    for (int k = 0; k < 3; ++k) Pulsa(Qt::Key_Delete);
    QCOMPARE(p.Desperdicio, 0.0f);
    Teclea("99.5");
    QCOMPARE(m.Desperd1->text(), QString("99.5"));
    QCOMPARE(e.guion.beeps, beeps + 5);

    // OK gives the main window back.
    Clic(m.OKbutton);
    QVERIFY(e.placat.isEnabled());

    // A new project puts the waste back to 7, and the box says so.
    e.guion.respuestas = {Respuesta::Si};
    QVERIFY(e.Elige("ArchivosItem", "NuevoItem"));
    Clic(e.placat.Datosgen()->OKButtom());
    QVERIFY(e.Carga(Ejemplo("voladizos.Los")));
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    Clic(e.ventanas.Resu().OKButton);
    QVERIFY(e.Elige("AnalisisItem", "MedidasItem"));
    QCOMPARE(m.Desperd1->text(), QString("7"));
    QCOMPARE(g->Texto(0, 2), antes);
    QVERIFY(m.close());  // the title bar does what OK does
    QVERIFY(e.placat.isEnabled());
  }
};

QTEST_MAIN(MedidasFormTest)
#include "medidas_form_test.moc"
