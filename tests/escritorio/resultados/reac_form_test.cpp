// The reactions window as the engineer uses it: the continuous supports of a loaded
// project, an extra support typed below them, the Dir button, the slab-number check,
// "Calcula" with its hourglass and its error, OK, and the tip.
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/resultados/ReacForm.h"
#include "escritorio/resultados/frmTip.h"
#include "model/Numeros.h"

using namespace placatec;

namespace {

bool ConRelojDeArena() {
  const QCursor* c = QApplication::overrideCursor();
  return c && c->shape() == Qt::WaitCursor;
}

// Also notes whether the hourglass was on at each beep and each message box.
class GuionConCursor : public InterlocutorGuion {
 public:
  std::vector<bool> relojEnBeep, relojEnMensaje;
  void Beep() override {
    relojEnBeep.push_back(ConRelojDeArena());
    InterlocutorGuion::Beep();
  }
  Respuesta Pregunta(const Mensaje& m) override {
    relojEnMensaje.push_back(ConRelojDeArena());
    return InterlocutorGuion::Pregunta(m);
  }
};

double Valor(const Rejilla* g, int fila, int columna) {
  return ValorTexto(g->Texto(fila, columna).toStdString());
}

}  // namespace

class ReacFormTest : public QObject {
  Q_OBJECT

 private slots:
  void ApoyosContinuosYUnApoyoExtra() {
    Escritorio e;
    GuionConCursor guion;
    e.placat.PonGuion(&guion);
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(Ejemplo("entrepiso.Los")));
    // The reactions need no previous calculation.
    QVERIFY(e.Elige("AnalisisItem", "ReacItem"));
    ReacForm& r = e.ventanas.Reac();
    Rejilla* g = r.SSDBGrid1;
    QVERIFY(r.isVisible());
    QVERIFY(!e.placat.isEnabled());
    QCOMPARE(Titulos(g), (QStringList{"Apoyo", "Descripcion", "Dir", "Losa 1", "Losa 2",
                                      "Carga muerta (To/m2)", "Carga viva (To/m2)", "Carga ultima (To/m2)"}));
    // The seven continuous supports, each with its loads in "0.000" and the factored
    // load 1.4 dead + 1.7 live.
    QCOMPARE(g->NumFilas(), 7);
    QCOMPARE(g->Fila(6).mid(0, 5), (QStringList{"7", "Apoyo 7", "Y", "3", "6"}));
    for (int f = 0; f < 7; ++f) {
      for (int c = 5; c <= 7; ++c)
        QVERIFY(QRegularExpression("^\\d+\\.\\d{3}$").match(g->Texto(f, c)).hasMatch());
      QVERIFY(std::fabs(Valor(g, f, 7) - (1.4 * Valor(g, f, 5) + 1.7 * Valor(g, f, 6))) <= 0.0015);
    }
    QVERIFY(guion.mensajes.empty());

    // The continuous supports are edited in the supports table, not here.
    EscribeEn(g, 0, 3, "5");
    QCOMPARE(g->Texto(0, 3), QString("1"));
    g->PonCelda(0, 2);
    g->setFocus();
    Pulsa(Qt::Key_F4);
    QCOMPARE(g->Texto(0, 2), QString("X"));

    // An extra support under slab 2 alone, typed into the empty row below the table:
    // it is numbered, and its empty Dir cell receives "X".
    EscribeEn(g, 7, 4, "2");
    QCOMPARE(g->NumFilas(), 8);
    QCOMPARE(g->Fila(7).mid(0, 5), (QStringList{"8", "", "X", "", "2"}));
    Clic(r.Command2);
    QVERIFY(guion.mensajes.empty());
    QVERIFY(!ConRelojDeArena());
    QCOMPARE(g->Texto(7, 1), QString("Apoyo 8"));
    // Slab 2, 4.5 x 5, dead 0.513, live 0.25: an X support takes a third of the short
    // span's load, 4.5 x 0.513 / 3 = 0.7695 and 4.5 x 0.25 / 3 = 0.375, factored
    // 1.4 x 0.7695 + 1.7 x 0.375 = 1.7148.
    QCOMPARE(g->Fila(7).mid(5), (QStringList{"0.770", "0.375", "1.715"}));
    const Proyecto& p = e.sesion.proyecto;
    QCOMPARE(p.ApoyoLosa2[8], 2.0f);
    QCOMPARE(p.NumApoyos, Integer{7});  // the analysis never sees it

    // The Dir cell's button turns it to Y: the long edge, (3 - 0.9^2) / 2 times as much.
    const QRect celda = g->Vista()->visualRect(g->Vista()->model()->index(7, 2));
    QTest::mouseClick(g->Vista()->viewport(), Qt::LeftButton, {},
                      QPoint(celda.right() - 5, celda.center().y()));
    QCOMPARE(g->Texto(7, 2), QString("Y"));
    Clic(r.Command2);
    QCOMPARE(g->Fila(7).mid(5), (QStringList{"0.843", "0.411", "1.878"}));
    QCOMPARE(p.ApoyoDir[8], std::string("Y"));
    // A Dir cell emptied by the user is "X" again once the row is left.
    g->PonCelda(7, 2);
    g->setFocus();
    Pulsa(Qt::Key_F2);
    Pulsa(Qt::Key_A, Qt::ControlModifier);
    Pulsa(Qt::Key_Delete);
    Pulsa(Qt::Key_Return);
    QCOMPARE(g->Texto(7, 2), QString());
    g->PonCelda(6, 2);
    QCOMPARE(g->Texto(7, 2), QString("X"));
    g->PonCelda(7, 2);  // F4 presses the cell's button too
    Pulsa(Qt::Key_F4);
    QCOMPARE(g->Texto(7, 2), QString("Y"));

    // A slab number above the 6 slabs is refused and the cell emptied.
    EscribeEn(g, 7, 3, "9");
    QCOMPARE(guion.mensajes.size(), std::size_t{1});
    QCOMPARE(guion.mensajes[0].texto, std::string("El numero de la losa \rno puede ser mayor que 6"));
    QCOMPARE(guion.mensajes[0].botones, Botones::OK);
    QCOMPARE(g->Texto(7, 3), QString());
    CapturaPantalla(&r, "ReacForm");

    // A support on no slab: "Calcula" beeps under the hourglass, takes it away, and
    // says so; OK then keeps the window open.
    EscribeEn(g, 8, 1, "Viga de borde");
    QCOMPARE(g->NumFilas(), 9);
    guion.mensajes.clear();
    Clic(r.Command2);
    QCOMPARE(guion.mensajes.size(), std::size_t{1});
    QCOMPARE(guion.mensajes[0].texto, std::string("Hay errores en los datos\rFila 9"));
    QCOMPARE(guion.relojEnBeep, std::vector<bool>{true});
    QCOMPARE(guion.relojEnMensaje.back(), false);
    QVERIFY(!ConRelojDeArena());
    QCOMPARE(g->Fila(7).mid(5), (QStringList{"0.843", "0.411", "1.878"}));
    Clic(r.Command1);
    QCOMPARE(guion.mensajes.size(), std::size_t{2});
    QVERIFY(r.isVisible());
    QVERIFY(!e.placat.isEnabled());
    QVERIFY(!r.close());  // nor does the title bar close it
    QVERIFY(r.isVisible());

    // The row is removed (its selector, then Delete); OK closes and keeps the extra
    // support for the next opening.
    g->Vista()->selectRow(8);
    g->setFocus();
    Pulsa(Qt::Key_Delete);
    QCOMPARE(g->NumFilas(), 8);
    guion.mensajes.clear();
    Clic(r.Command1);
    QVERIFY(guion.mensajes.empty());
    QVERIFY(!r.isVisible());
    QVERIFY(e.placat.isEnabled());
    QVERIFY(e.Elige("AnalisisItem", "ReacItem"));
    QCOMPARE(g->Fila(7), (QStringList{"8", "Apoyo 8", "Y", "0", "2", "0.843", "0.411", "1.878"}));
    Clic(r.Command1);
    QVERIFY(e.placat.isEnabled());
  }

  void NoMasDe99Apoyos() {
    Escritorio e;
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(Ejemplo("techo.Los")));
    Proyecto& p = e.sesion.proyecto;
    for (int j = 3; j <= MaxApoyos; ++j) {
      p.ApoyoDir[static_cast<std::size_t>(j)] = p.ApoyoDir[1];  // "X"
      p.ApoyoLosa1[static_cast<std::size_t>(j)] = 3;
    }
    p.NumApoyosReac = MaxApoyos;
    QVERIFY(e.Elige("AnalisisItem", "ReacItem"));
    ReacForm& r = e.ventanas.Reac();
    Rejilla* g = r.SSDBGrid1;
    QCOMPARE(g->Fila(98).mid(0, 5), (QStringList{"99", "Apoyo 99", "X", "3", "0"}));
    EscribeEn(g, 99, 3, "1");
    QCOMPARE(e.guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e.guion.mensajes[0].texto, std::string("No se pueden definir mas de 99 apoyos"));
    QCOMPARE(g->NumFilas(), 99);
    Clic(r.Command1);
    QCOMPARE(p.NumApoyosReac, Integer{99});
  }

  void TipExplicaLosApoyosExtra() {
    Escritorio e;
    QVERIFY(e.Arranca());
    QVERIFY(e.Carga(Ejemplo("techo.Los")));
    QVERIFY(e.Elige("AnalisisItem", "ReacItem"));
    ReacForm& r = e.ventanas.Reac();
    QString texto;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      auto* tip = qobject_cast<frmTip*>(QApplication::activeModalWidget());
      if (!tip) return;
      modal = true;
      texto = tip->lblTipText->text();
      CapturaPantalla(tip, "frmTip_reacciones");
      Clic(tip->cmdOK);
    });
    Clic(r.Command3);
    QVERIFY(modal);
    QVERIFY(texto.startsWith("Es posible agregar nuevos apoyos"));
    QVERIFY(r.isVisible());
  }
};

QTEST_MAIN(ReacFormTest)
#include "reac_form_test.moc"
