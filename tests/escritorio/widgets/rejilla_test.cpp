// The data grid as its users drive it: groups, formats, typing and committing rows,
// Enter, the "*" row, deleting rows and drop-down lists. Cell buttons and styles are
// driven through the windows that use them (supports, reactions, results).
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "CapturaPantalla.h"
#include "UsuarioQt.h"
#include "escritorio/widgets/Rejilla.h"

using namespace placatec;

class RejillaTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Rejilla> rejilla;

  // An editable grid of five columns with the given rows, shown and with the focus.
  void Muestra(std::vector<QStringList> filas = {{"1", "4", "5", "A", "A"}}) {
    rejilla->PonEditable(true);
    rejilla->PonFilas(filas);
    rejilla->resize(500, 300);
    rejilla->show();
    QVERIFY(QTest::qWaitForWindowExposed(rejilla.get()));
    rejilla->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rejilla.get()));
    rejilla->setFocus();
  }

 private slots:
  void init() {
    rejilla = std::make_unique<Rejilla>();
    rejilla->PonTitulo("DESCRIPCION DE LOSAS");
    rejilla->PonColumnas(
        {{"Num"}, {"   Lx     (m)", "0.000"}, {" Ly   (m)", "0.000"}, {"1 (Izq)"}, {"2 (Der)"}});
  }
  void cleanup() { rejilla.reset(); }

  // Set up as the supports and reactions grids are: a "*" row, Enter only closes
  // the editor, and a row is committed when the cursor leaves it.
  void TecleoEnFilaNuevaYConfirmacion() {
    rejilla->PonAgregaFilas(true);
    Muestra({});
    QCOMPARE(rejilla->Vista()->model()->rowCount(), 1);  // only the "*" row
    QSignalSpy editadas(rejilla.get(), &Rejilla::CeldaEditada);
    QSignalSpy confirmadas(rejilla.get(), &Rejilla::FilaConfirmada);
    rejilla->PonCelda(0, 1);
    Teclea("4.5");
    Pulsa(Qt::Key_Tab);
    // The typed row is added and its edit reported once; the cursor moves on.
    QCOMPARE(rejilla->NumFilas(), 1);
    QCOMPARE(editadas.count(), 1);
    QCOMPARE(editadas[0], (QList<QVariant>{0, 1, QString("4.5")}));
    QCOMPARE(rejilla->ColumnaActual(), 2);
    Teclea("3");
    Pulsa(Qt::Key_Return);
    QCOMPARE(rejilla->Texto(0, 2), QString("3"));
    QCOMPARE(rejilla->ColumnaActual(), 2);
    // The row stays pending until the cursor leaves it.
    QCOMPARE(confirmadas.count(), 0);
    rejilla->PonCelda(1, 1);  // down to the "*" row
    QCOMPARE(confirmadas.count(), 1);
    QCOMPARE(confirmadas[0][1].value<CambioFila>(), CambioFila::Agregada);
    // A later edit of the row is a change, committed the same way.
    rejilla->PonCelda(0, 4);
    Teclea("E");
    Pulsa(Qt::Key_Return);
    rejilla->PonCelda(1, 1);
    QCOMPARE(confirmadas.count(), 2);
    QCOMPARE(confirmadas[1][1].value<CambioFila>(), CambioFila::Cambiada);

    // Opening an editor in the "*" row and leaving it empty adds nothing.
    Pulsa(Qt::Key_F2);
    Pulsa(Qt::Key_Return);
    QCOMPARE(rejilla->NumFilas(), 1);
    // Escape abandons an edit.
    rejilla->PonCelda(0, 1);
    Teclea("9");
    Pulsa(Qt::Key_Escape);
    QCOMPARE(rejilla->Texto(0, 1), QString("4.5"));
    QCOMPARE(editadas.count(), 3);
  }

  void BorradoDeFilasConConfirmacion() {
    rejilla->PonAgregaFilas(true);
    rejilla->PonBorraFilas(true);
    Muestra({{"1"}, {"2"}, {"3"}});
    int preguntas = 0;
    bool acepta = false;
    rejilla->confirmaBorrado = [&](int n) {
      ++preguntas;
      return n == 1 && acepta;
    };
    QSignalSpy borradas(rejilla.get(), &Rejilla::FilasBorradas);
    for (bool si : {false, true}) {
      acepta = si;
      rejilla->Vista()->selectRow(1);
      Pulsa(Qt::Key_Delete);
    }
    QCOMPARE(preguntas, 2);
    QCOMPARE(rejilla->NumFilas(), 2);  // the first was refused
    QCOMPARE(rejilla->Texto(1, 0), QString("3"));
    QCOMPARE(borradas.count(), 1);
    QCOMPARE(borradas[0][0].value<QList<int>>(), QList<int>{1});
    // Without a selected row, Delete removes nothing.
    rejilla->PonCelda(0, 1);
    Pulsa(Qt::Key_Delete);
    QCOMPARE(rejilla->NumFilas(), 2);
  }

  void EnterYTeclasNotificadasAlDueno() {
    rejilla->PonAccionEnter(AccionEnter::Notifica);
    Muestra();
    QSignalSpy enter(rejilla.get(), &Rejilla::EnterPulsado);
    QSignalSpy confirmadas(rejilla.get(), &Rejilla::FilaConfirmada);
    QSignalSpy movidas(rejilla.get(), &Rejilla::CeldaActualCambiada);
    rejilla->PonCelda(0, 1);
    QCOMPARE(movidas.count(), 1);
    Teclea("6");
    Pulsa(Qt::Key_Return);
    // The cell is stored, the owner hears Enter, and the grid neither commits the row
    // nor moves: that is the owner's business now.
    QCOMPARE(rejilla->Texto(0, 1), QString("6"));
    QCOMPARE(enter.count(), 1);
    QCOMPARE(enter[0], (QList<QVariant>{0, 1}));
    QCOMPARE(rejilla->Vista()->model()->headerData(0, Qt::Vertical).toString(), QString(" "));
    QCOMPARE(confirmadas.count(), 0);
    QCOMPARE(rejilla->ColumnaActual(), 1);
    // Enter without an editor is heard too.
    Pulsa(Qt::Key_Enter);
    QCOMPARE(enter.count(), 2);
  }
};

QTEST_MAIN(RejillaTest)
#include "rejilla_test.moc"
