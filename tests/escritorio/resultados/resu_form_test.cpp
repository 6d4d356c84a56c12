// The results window as the engineer sees it after "Calcular &Refuerzo": the
// project title, the span and support tables with their captions, formats and
// colours, OK, and a calculation that fails.
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/widgets/Rejilla.h"
#include "model/Numeros.h"

using namespace placatec;

namespace {

// Every cell as displayed.
std::vector<QStringList> Mostrado(const Rejilla* r) {
  std::vector<QStringList> filas;
  for (int f = 0; f < r->NumFilas(); ++f) {
    QStringList l;
    for (int c = 0; c < r->NumColumnas(); ++c) l << r->TextoMostrado(f, c);
    filas.push_back(l);
  }
  return filas;
}

std::vector<QStringList> Textos(const TablaResultado& t) {
  std::vector<QStringList> filas;
  for (const auto& fila : t.filas) {
    QStringList l;
    for (const Celda& c : fila) l << QString::fromStdString(c.texto);
    filas.push_back(l);
  }
  return filas;
}

// The colour the grid paints a cell's text with; invalid for the normal colour.
QColor ColorPintado(const Rejilla* r, int fila, int columna) {
  const QAbstractItemModel* m = r->Vista()->model();
  return m->data(m->index(fila, columna), Qt::ForegroundRole).value<QColor>();
}

// A roof of three slabs so lightly loaded that the bars of the spans are enough over
// both supports.
const char* kGaleria =
    "Galeria del patio\r\n"
    " 3  2  210  4200  .1  2.5  .2  .05 \r\n"
    " 1 AEAA, 4  5  .2  .05  0  0  .1 \r\n"
    " 2 EEAA, 3.5  5  .2  .05  0  0  .1 \r\n"
    " 3 EAAA, 4  5  .2  .05  0  0  .1 \r\n"
    " 1 X, 1  2 \r\n"
    " 2 X, 2  3 \r\n"
    "Techo\r\n .1  2.4 \r\n .05  1.8 \r\n 0  0 \r\n 0  0 \r\n 0  0 \r\nTecho plano\r\n";

}  // namespace

class ResuFormTest : public QObject {
  Q_OBJECT

 private slots:
  void CalcularMuestraLosResultadosDelProyecto() {
    Escritorio e;
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(Ejemplo("voladizos.Los")));
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    ResuForm& r = e.ventanas.Resu();
    QVERIFY(r.isVisible());
    QVERIFY(!r.isModal());
    QVERIFY(!e.placat.isEnabled());
    QVERIFY(e.guion.mensajes.empty());
    QCOMPARE(r.Nombre->text(), QString("Vivienda con balcones y voladizos"));
    QVERIFY(r.Nombre->isReadOnly());
    QCOMPARE(Titulos(r.SSDBGrid1),
             (QStringList{"Losa Num", "Dir", "  Mom   (To-m)", "Area (Cm2)", "Barras", "Separ (m)", "Tipo"}));
    QCOMPARE(r.SSDBGrid1->GrupoDe(4), QString("Refuerzo"));
    QCOMPARE(Titulos(r.SSDBGrid2), (QStringList{"Apoyo Num", "Dir", "Losas", "  Mom   (To-m)", "Area (cm2)",
                                                "Dispon (cm2)", "Barras", "Separ  (m)"}));
    QCOMPARE(r.SSDBGrid2->GrupoDe(6), QString("Refuerzo Adicional"));
    QVERIFY(!r.SSDBGrid1->Editable() && !r.SSDBGrid2->Editable());

    // The grids show the tables the calculation made, two rows per slab.
    QCOMPARE(r.SSDBGrid1->NumFilas(), 12);
    QCOMPARE(Mostrado(r.SSDBGrid1), Textos(e.sesion.vanos));
    QCOMPARE(Mostrado(r.SSDBGrid2), Textos(e.sesion.apoyosRefuerzo));
    // Slab 2 is a cantilever spanning Y: temperature steel across it, at 0.28 m.
    QCOMPARE(r.SSDBGrid1->Fila(2), (QStringList{"2", "X", "0.00", "2.84", "ø 3/8\"", "0.28", "Temp"}));
    QCOMPARE(r.SSDBGrid1->Texto(3, 6), QString("Vuelo"));
    // Slab 4 needs steel on both faces in Y.
    QCOMPARE(r.SSDBGrid1->Texto(7, 6), QString("Doble"));
    QVERIFY(r.SSDBGrid1->Texto(7, 2).startsWith('-'));
    QCOMPARE(r.SSDBGrid1->Texto(7, 3),
             QString::fromStdString(Formato(std::fabs(e.sesion.proyecto.AreaY[4]), "0.00")));
    // Slab 5 is a cantilever spanning X.
    QCOMPARE(r.SSDBGrid1->Texto(8, 6), QString("Vuelo"));
    QCOMPARE(r.SSDBGrid1->Texto(9, 6), QString("Temp"));
    QCOMPARE(r.SSDBGrid2->Fila(3),
             (QStringList{"4", "Y", "4 - 3", "2.15", "9.23", "1.42", "ø 1/2\"", "0.16"}));

    // Only the "Tipo" cell is coloured: "Simple" blue, every other comment red.
    int rojos = 0;
    for (int f = 0; f < r.SSDBGrid1->NumFilas(); ++f) {
      const bool simple = r.SSDBGrid1->Texto(f, 6) == "Simple";
      rojos += simple ? 0 : 1;
      QCOMPARE(ColorPintado(r.SSDBGrid1, f, 6), simple ? QColor(0, 0, 255) : QColor(255, 0, 0));
      for (int c = 0; c < 6; ++c) QVERIFY(!ColorPintado(r.SSDBGrid1, f, c).isValid());
    }
    QCOMPARE(rojos, 5);
    for (int f = 0; f < r.SSDBGrid2->NumFilas(); ++f)
      for (int c = 0; c < r.SSDBGrid2->NumColumnas(); ++c)
        QVERIFY(!ColorPintado(r.SSDBGrid2, f, c).isValid());

    // Nothing is cut off: every column shows its widest text whole.
    for (Rejilla* g : {r.SSDBGrid1, r.SSDBGrid2}) {
      const QFontMetrics fm = g->Vista()->fontMetrics();
      for (int c = 0; c < g->NumColumnas(); ++c)
        for (int f = 0; f < g->NumFilas(); ++f)
          QVERIFY2(fm.horizontalAdvance(g->TextoMostrado(f, c)) + 6 <= g->Vista()->columnWidth(c),
                   qPrintable(g->TextoMostrado(f, c)));
    }
    QTest::qWait(50);
    CapturaPantalla(&r, "ResuForm");

    // OK gives the main window back; "&Ver refuerzo" shows the same results again.
    Clic(r.OKButton);
    QVERIFY(!r.isVisible());
    QVERIFY(e.placat.isEnabled());
    QVERIFY(e.Elige("AnalisisItem", "ResultadosItem"));
    QVERIFY(!e.placat.isEnabled());
    QCOMPARE(Mostrado(r.SSDBGrid1), Textos(e.sesion.vanos));
    // Enter on OK does what the click does.
    r.activateWindow();
    r.OKButton->setFocus();
    Pulsa(Qt::Key_Return);
    QVERIFY(!r.isVisible());
    QVERIFY(e.placat.isEnabled());
    // Closing the window by its title bar never leaves the main window disabled.
    QVERIFY(e.Elige("AnalisisItem", "ResultadosItem"));
    QVERIFY(r.close());
    QVERIFY(e.placat.isEnabled());
  }

  void UnCalculoFallidoDejaTodoComoEstaba() {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("galeria.Los");
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kGaleria);
    f.close();

    Escritorio e;
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(ruta));
    Proyecto& p = e.sesion.proyecto;
    ResuForm& r = e.ventanas.Resu();

    // The first calculation fails: thinner than the cover.
    p.EspesorLosa[2] = 0.02f;
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    QCOMPARE(e.guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e.guion.mensajes[0].titulo, std::string("ERROR"));
    QVERIFY(!r.isVisible());
    QVERIFY(e.placat.isEnabled());
    QVERIFY(!p.CalculoHecho);
    e.AbreMenu("AnalisisItem");
    QVERIFY(!e.placat.Accion("ResultadosItem")->isEnabled());
    QCOMPARE(e.placat.Label1()->text(), QString());

    // Corrected, it calculates: the spans' bars are enough over both supports.
    p.EspesorLosa[2] = 0.1f;
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    QVERIFY(r.isVisible());
    QCOMPARE(r.SSDBGrid1->Texto(2, 6), QString("Doble"));
    for (int j = 0; j < 2; ++j) {
      QCOMPARE(r.SSDBGrid2->Texto(j, 6), QString("---"));
      QCOMPARE(r.SSDBGrid2->Texto(j, 7), QString());
      QCOMPARE(p.BarraApoyo[j + 1], Integer{0});
    }
    QCOMPARE(r.SSDBGrid2->Texto(0, 2), QString("1 - 2"));
    const auto vanos = Mostrado(r.SSDBGrid1);
    const auto apoyos = Mostrado(r.SSDBGrid2);
    Clic(r.OKButton);

    // A failure after a good calculation keeps its results, menus and flag.
    p.Titulo = "Otro titulo";
    p.EspesorLosa[3] = 0.0f;
    e.guion.mensajes.clear();
    QVERIFY(e.Elige("AnalisisItem", "CalculoItem"));
    QCOMPARE(e.guion.mensajes.size(), std::size_t{1});
    QVERIFY(!r.isVisible());
    QVERIFY(p.CalculoHecho);
    QVERIFY(e.Elige("AnalisisItem", "ResultadosItem"));
    QCOMPARE(r.Nombre->text(), QString("Galeria del patio"));
    QCOMPARE(Mostrado(r.SSDBGrid1), vanos);
    QCOMPARE(Mostrado(r.SSDBGrid2), apoyos);
    CapturaPantalla(&r, "ResuForm_sin_adicional");
  }
};

QTEST_MAIN(ResuFormTest)
#include "resu_form_test.moc"
