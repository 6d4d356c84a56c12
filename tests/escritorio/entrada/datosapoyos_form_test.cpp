// "Datos de Apoyos" as the engineer fills it in: a new support with the last
// direction, the Dir button, the slab lists, an incomplete row, "Borra Todo", OK.
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/entrada/DatosapoyosForm.h"

using namespace placatec;

class DatosapoyosFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  DatosapoyosForm* forma = nullptr;
  Rejilla* grilla = nullptr;

  // Types "Losa 1" and "Losa 2" of a new support into the "*" row.
  void NuevoApoyo(const QString& losa1, const QString& losa2) {
    grilla->PonCelda(grilla->NumFilas(), 2);
    grilla->setFocus();
    Teclea(losa1);
    Pulsa(Qt::Key_Tab);
    if (!losa2.isEmpty()) Teclea(losa2);
    Pulsa(Qt::Key_Tab);
  }

  void ClicBotonDir(int fila) {
    QTableView* v = grilla->Vista();
    const QRect celda = v->visualRect(v->model()->index(fila, 1));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(celda.right() - 4, celda.center().y()));
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    QVERIFY(e->Arranca());
    e->sesion.proyecto.NumLosas = 3;
    e->placat.Accion("ApoyosItem")->trigger();
    forma = e->placat.Datosapoyos();
    grilla = forma->SSDBGrid1();
    QVERIFY(forma->isVisible());
    QVERIFY(!e->placat.isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(forma));
  }
  void cleanup() { e.reset(); }

  void ApoyosNuevosYBotonDir() {
    // The slab lists offer the slabs of the project.
    QCOMPARE(grilla->Lista(3), (std::vector<QStringList>{{"1"}, {"2"}, {"3"}}));
    NuevoApoyo("1", "2");
    QCOMPARE(grilla->NumFilas(), 1);
    QCOMPARE(grilla->Texto(0, 1), QString("X"));  // the direction last chosen
    // The Dir button toggles the direction, and new rows take it.
    ClicBotonDir(0);
    QCOMPARE(grilla->Texto(0, 1), QString("Y"));
    NuevoApoyo("2", "3");
    QCOMPARE(grilla->Texto(1, 1), QString("Y"));
    // A row with one slab only is no support and goes at "Procesa".
    NuevoApoyo("2", "");
    Clic(forma->Command2());
    QCOMPARE(grilla->NumFilas(), 2);
    QCOMPARE(grilla->Fila(1), (QStringList{"2", "Y", "2", "3", "Apoyo 2"}));
    QCOMPARE(e->sesion.proyecto.NumApoyos, 2);
    QCOMPARE(e->sesion.proyecto.ApoyoDir[1], std::string("Y"));
    CapturaPantalla(forma, "DatosapoyosForm");

    // A slab number picked from the list.
    grilla->PonCelda(0, 3);
    grilla->setFocus();
    Pulsa(Qt::Key_F2);
    auto* combo = qobject_cast<QComboBox*>(ConFoco());
    if (!combo && ConFoco()) combo = qobject_cast<QComboBox*>(ConFoco()->parentWidget());
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    grilla->ConfirmaEdicion();
    QCOMPARE(e->sesion.proyecto.ApoyoLosa2[1], 3.0f);

    // OK passes the supports on to the reactions table and returns.
    Clic(forma->OKButton());
    QVERIFY(e->placat.isEnabled());
    QCOMPARE(e->sesion.proyecto.NumApoyosReac, 2);
  }

  void PrimerApoyoSinLosas() {
    // Opening the table makes a first support without slabs join slabs 1 and 2.
    Clic(forma->OKButton());
    e->sesion.proyecto.ApoyoLosa1[1] = 0;
    e->sesion.proyecto.ApoyoLosa2[1] = 0;
    e->placat.Accion("ApoyosItem")->trigger();
    QCOMPARE(e->sesion.proyecto.ApoyoLosa1[1], 1.0f);
    QCOMPARE(e->sesion.proyecto.ApoyoLosa2[1], 2.0f);
  }

  void BorraTodoPreguntaAntes() {
    NuevoApoyo("1", "2");
    Clic(forma->Command2());
    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::No};
    Clic(forma->Command1());
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e->guion.mensajes[0].texto, std::string("Seguro que quiere borrar todos los apoyos"));
    QCOMPARE(grilla->NumFilas(), 1);
    QCOMPARE(e->sesion.proyecto.NumApoyos, 1);
    e->guion.respuestas = {Respuesta::Si};
    Clic(forma->Command1());
    QCOMPARE(grilla->NumFilas(), 0);
    QCOMPARE(e->sesion.proyecto.NumApoyos, 0);

    // Enter on OK closes at once.
    forma->OKButton()->setFocus();
    Pulsa(Qt::Key_Return);
    QVERIFY(!forma->isVisible());
    QVERIFY(e->placat.isEnabled());
  }
};

QTEST_MAIN(DatosapoyosFormTest)
#include "datosapoyos_form_test.moc"
