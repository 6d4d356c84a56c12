// "Datos de Apoyos" as the engineer fills it in: a new support with the last
// direction, the Dir button, the slab lists, an incomplete row, "Borra Todo", OK.
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "../../CapturaPantalla.h"
#include "../../InterlocutorGuion.h"
#include "../../UsuarioQt.h"
#include "entry/qt/DatosapoyosForm.h"
#include "entry/qt/DatosgenForm.h"
#include "model/Sesion.h"
#include "shell/Arranque.h"
#include "shell/PlacatForm.h"
#include "shell/Rejilla.h"

using namespace placatec;

class DatosapoyosFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Sesion> sesion;
  std::unique_ptr<PlacatForm> placat;
  InterlocutorGuion guion;
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
    sesion = std::make_unique<Sesion>();
    placat = std::make_unique<PlacatForm>(*sesion);
    guion = InterlocutorGuion();
    placat->PonGuion(&guion);
    Main(*placat);
    QTRY_VERIFY(placat->Datosgen()->isVisible());
    Clic(placat->Datosgen()->OKButtom());
    sesion->proyecto.NumLosas = 3;
    placat->Accion("ApoyosItem")->trigger();
    forma = placat->Datosapoyos();
    grilla = forma->SSDBGrid1();
    QVERIFY(forma->isVisible());
    QVERIFY(!placat->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(forma));
  }
  void cleanup() {
    placat.reset();
    sesion.reset();
  }

  void ColumnasYListas() {
    QCOMPARE(forma->windowTitle(), QString("Datos de Apoyos"));
    QCOMPARE(grilla->Titulo(), QString("A P O Y O S"));
    const QStringList titulos{"Apoyo", "Dir", "Losa 1", "Losa 2", "Descripcion"};
    for (int c = 0; c < 5; ++c) QCOMPARE(grilla->TituloColumna(c), titulos[c]);
    QVERIFY(grilla->TieneBoton(1));
    // The slab lists offer the slabs of the project.
    QCOMPARE(grilla->Lista(2), (std::vector<QStringList>{{"1"}, {"2"}, {"3"}}));
    QCOMPARE(grilla->Lista(3), (std::vector<QStringList>{{"1"}, {"2"}, {"3"}}));
    QCOMPARE(forma->Command1()->text(), QString("Borra Todo"));
    QCOMPARE(forma->Command2()->text(), QString("Procesa"));
  }

  void ApoyosNuevosYBotonDir() {
    NuevoApoyo("1", "2");
    QCOMPARE(grilla->NumFilas(), 1);
    QCOMPARE(grilla->Texto(0, 1), QString("X"));  // the direction last chosen
    // The Dir button toggles the direction, and new rows take it.
    ClicBotonDir(0);
    QCOMPARE(grilla->Texto(0, 1), QString("Y"));
    NuevoApoyo("2", "3");
    QCOMPARE(grilla->Texto(1, 1), QString("Y"));
    Clic(forma->Command2());
    QCOMPARE(grilla->Texto(0, 0), QString("1"));
    QCOMPARE(grilla->Texto(1, 0), QString("2"));
    QCOMPARE(grilla->Texto(1, 4), QString("Apoyo 2"));
    QCOMPARE(sesion->proyecto.NumApoyos, 2);
    QCOMPARE(sesion->proyecto.ApoyoDir[1], std::string("Y"));
    QCOMPARE(sesion->proyecto.ApoyoLosa1[2], 2.0f);
    QCOMPARE(sesion->proyecto.ApoyoLosa2[2], 3.0f);
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
    QCOMPARE(sesion->proyecto.ApoyoLosa2[1], 3.0f);

    // OK passes the supports on to the reactions table and returns.
    Clic(forma->OKButton());
    QVERIFY(!forma->isVisible());
    QVERIFY(placat->isEnabled());
    QCOMPARE(sesion->proyecto.NumApoyosReac, 2);
  }

  void FilaIncompletaSeQuita() {
    NuevoApoyo("1", "2");
    NuevoApoyo("2", "");  // only one slab: no support
    NuevoApoyo("1", "3");
    Clic(forma->Command2());
    QCOMPARE(grilla->NumFilas(), 2);
    QCOMPARE(sesion->proyecto.NumApoyos, 2);
    QCOMPARE(grilla->Texto(1, 0), QString("2"));
    QCOMPARE(sesion->proyecto.ApoyoLosa2[2], 3.0f);
  }

  void BorraTodoPreguntaAntes() {
    NuevoApoyo("1", "2");
    Clic(forma->Command2());
    guion.mensajes.clear();
    guion.respuestas = {Respuesta::No};
    Clic(forma->Command1());
    QCOMPARE(guion.mensajes.size(), std::size_t{1});
    QCOMPARE(guion.mensajes[0].texto, std::string("Seguro que quiere borrar todos los apoyos"));
    QCOMPARE(grilla->NumFilas(), 1);
    QCOMPARE(sesion->proyecto.NumApoyos, 1);
    guion.respuestas = {Respuesta::Si};
    Clic(forma->Command1());
    QCOMPARE(grilla->NumFilas(), 0);
    QCOMPARE(sesion->proyecto.NumApoyos, 0);

    // Enter on OK closes at once.
    forma->OKButton()->setFocus();
    Pulsa(Qt::Key_Return);
    QVERIFY(!forma->isVisible());
    QVERIFY(placat->isEnabled());
  }

  void PrimerApoyoSinLosas() {
    // Opening the table makes a first support without slabs join slabs 1 and 2.
    Clic(forma->OKButton());
    sesion->proyecto.ApoyoLosa1[1] = 0;
    sesion->proyecto.ApoyoLosa2[1] = 0;
    placat->Accion("ApoyosItem")->trigger();
    QCOMPARE(sesion->proyecto.ApoyoLosa1[1], 1.0f);
    QCOMPARE(sesion->proyecto.ApoyoLosa2[1], 2.0f);
  }
};

QTEST_MAIN(DatosapoyosFormTest)
#include "datosapoyos_form_test.moc"
