// The data grid as its users drive it: captions and groups, formats, typing and
// committing rows, Enter, the "*" row, deleting rows, drop-down lists, cell buttons,
// styles and the row-shown notification.
#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "../../CapturaPantalla.h"
#include "shell/Rejilla.h"

using namespace placatec;

namespace {

// Keys go to whatever has the focus, as they do for a user.
void Teclea(const QString& texto) {
  for (QChar ch : texto) QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
}
// Enter in an editor commits once pending events have run, as in the event loop.
void Pulsa(Qt::Key k) {
  QTest::keyClick(QApplication::focusWidget(), k);
  QCoreApplication::processEvents();
}

std::vector<ColumnaRejilla> Columnas() {
  return {{"Num"}, {"   Lx     (m)", "0.000"}, {" Ly   (m)", "0.000"}, {"1 (Izq)"}, {"2 (Der)"}};
}

}  // namespace

class RejillaTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Rejilla> rejilla;

  void Muestra() {
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
  }
  void cleanup() { rejilla.reset(); }

  void ColumnasGruposYFormatos() {
    QSignalSpy iniciadas(rejilla.get(), &Rejilla::ColumnasIniciadas);
    rejilla->PonColumnas(Columnas());
    QCOMPARE(iniciadas.count(), 1);
    rejilla->PonGrupo(3, 4, "Condiciones de borde");
    QCOMPARE(rejilla->NumColumnas(), 5);
    QCOMPARE(rejilla->TituloColumna(1), QString("   Lx     (m)"));
    QCOMPARE(rejilla->GrupoDe(3), QString("Condiciones de borde"));
    QCOMPARE(rejilla->GrupoDe(4), QString("Condiciones de borde"));
    QCOMPARE(rejilla->GrupoDe(2), QString());
    QCOMPARE(rejilla->Titulo(), QString("DESCRIPCION DE LOSAS"));

    // A number is shown in its column's format; the cell keeps its text.
    rejilla->PonFilas(std::vector<QStringList>{{"1", "4", ".1235", "e", "A"}, {"2", "abc", "", "A", "A"}});
    QCOMPARE(rejilla->TextoMostrado(0, 1), QString("4.000"));
    QCOMPARE(rejilla->TextoMostrado(0, 2), QString("0.124"));
    QCOMPARE(rejilla->Texto(0, 2), QString(".1235"));
    QCOMPARE(rejilla->TextoMostrado(1, 1), QString("abc"));
    QCOMPARE(rejilla->Vista()->model()->data(rejilla->Vista()->model()->index(0, 1)).toString(),
             QString("4.000"));
    rejilla->PonFormato(1, "0.00");
    QCOMPARE(rejilla->TextoMostrado(0, 1), QString("4.00"));

    // The header is tall enough for the group row above the captions.
    Muestra();
    auto* cabecera = rejilla->Vista()->horizontalHeader();
    QVERIFY(cabecera->height() >= 2 * cabecera->fontMetrics().height());
  }

  void FilasYCeldaActual() {
    rejilla->PonColumnas(Columnas());
    QSignalSpy mostradas(rejilla.get(), &Rejilla::FilaPorMostrar);
    rejilla->AgregaFila({"1", "4"});
    rejilla->AgregaFila({"2", "5"});
    QCOMPARE(rejilla->NumFilas(), 2);
    QCOMPARE(rejilla->FilaActual(), 1);
    QCOMPARE(mostradas.count(), 2);
    QCOMPARE(rejilla->Fila(1), (QStringList{"2", "5", "", "", ""}));
    rejilla->PonCelda(1, 3);
    rejilla->PonTexto(0, 2, "7");
    // Rewriting the rows keeps the current cell.
    rejilla->PonFilas(rejilla->Filas());
    QCOMPARE(rejilla->FilaActual(), 1);
    QCOMPARE(rejilla->ColumnaActual(), 3);
    QCOMPARE(rejilla->Texto(0, 2), QString("7"));
    rejilla->PrimeraFila();
    QCOMPARE(rejilla->FilaActual(), 0);
    rejilla->UltimaFila();
    QCOMPARE(rejilla->FilaActual(), 1);
    rejilla->BorraFila(0);
    QCOMPARE(rejilla->NumFilas(), 1);
    QCOMPARE(rejilla->Texto(0, 0), QString("2"));
    auto comoArreglos = rejilla->FilasComo<5>();
    QCOMPARE(comoArreglos.size(), std::size_t{1});
    QCOMPARE(comoArreglos[0][1], std::string("5"));
    rejilla->Vacia();
    QCOMPARE(rejilla->NumFilas(), 0);
    // No editing notification comes from the program's own writes.
    QCOMPARE(rejilla->FilaPendiente(), false);
  }

  void TecleoEnFilaNuevaYConfirmacion() {
    rejilla->PonColumnas(Columnas());
    rejilla->PonEditable(true);
    rejilla->PonAgregaFilas(true);
    rejilla->PonAccionEnter(AccionEnter::ConfirmaYDerecha);
    rejilla->PonColumnaInicial(1);
    Muestra();
    QCOMPARE(rejilla->Vista()->model()->rowCount(), 1);  // only the "*" row
    QSignalSpy editadas(rejilla.get(), &Rejilla::CeldaEditada);
    QSignalSpy confirmadas(rejilla.get(), &Rejilla::FilaConfirmada);
    rejilla->PonCelda(0, 1);
    Teclea("4.5");
    Pulsa(Qt::Key_Return);
    // The typed row is added, committed, and the cursor is one column right.
    QCOMPARE(rejilla->NumFilas(), 1);
    QCOMPARE(rejilla->Texto(0, 1), QString("4.5"));
    QCOMPARE(editadas.count(), 1);
    QCOMPARE(editadas[0][0].toInt(), 0);
    QCOMPARE(editadas[0][1].toInt(), 1);
    QCOMPARE(editadas[0][2].toString(), QString("4.5"));
    QCOMPARE(confirmadas.count(), 1);
    QCOMPARE(confirmadas[0][1].value<CambioFila>(), CambioFila::Agregada);
    QCOMPARE(rejilla->ColumnaActual(), 2);
    QCOMPARE(rejilla->FilaActual(), 0);

    // A second edit of the same row is pending until the cursor leaves the row.
    Teclea("3");
    Pulsa(Qt::Key_Tab);
    QCOMPARE(rejilla->Texto(0, 2), QString("3"));
    QVERIFY(rejilla->FilaPendiente());
    QCOMPARE(confirmadas.count(), 1);
    rejilla->PonCelda(1, 1);  // down to the "*" row
    QCOMPARE(confirmadas.count(), 2);
    QCOMPARE(confirmadas[1][0].toInt(), 0);
    QCOMPARE(confirmadas[1][1].value<CambioFila>(), CambioFila::Cambiada);

    // Enter with no editor open at the last column goes to the next row.
    rejilla->PonCelda(0, 4);
    Pulsa(Qt::Key_Return);
    QCOMPARE(rejilla->FilaActual(), 1);
    QCOMPARE(rejilla->ColumnaActual(), 1);

    // Opening an editor in the "*" row and leaving it empty adds nothing.
    Pulsa(Qt::Key_F2);
    Pulsa(Qt::Key_Return);
    QCOMPARE(rejilla->NumFilas(), 1);

    // Escape abandons an edit.
    rejilla->PonCelda(0, 1);
    Teclea("9");
    Pulsa(Qt::Key_Escape);
    QCOMPARE(rejilla->Texto(0, 1), QString("4.5"));
  }

  void ConfirmaEdicionCierraElEditorAbierto() {
    rejilla->PonColumnas(Columnas());
    rejilla->PonEditable(true);
    rejilla->PonFilas(std::vector<QStringList>{{"1", "4", "5", "A", "A"}});
    Muestra();
    QSignalSpy confirmadas(rejilla.get(), &Rejilla::FilaConfirmada);
    rejilla->PonCelda(0, 2);
    Teclea("6");
    QCOMPARE(rejilla->Texto(0, 2), QString("5"));  // still in the editor
    rejilla->ConfirmaEdicion();
    QCOMPARE(rejilla->Texto(0, 2), QString("6"));
    QCOMPARE(confirmadas.count(), 1);
    QCOMPARE(confirmadas[0][1].value<CambioFila>(), CambioFila::Cambiada);
    // Typing the text a cell already holds is no change.
    Teclea("6");
    rejilla->ConfirmaEdicion();
    QCOMPARE(confirmadas.count(), 1);
  }

  void SoloLecturaNoSeEdita() {
    auto cols = Columnas();
    cols[0].soloLectura = true;
    rejilla->PonColumnas(cols);
    rejilla->PonEditable(true);
    rejilla->PonFilas(std::vector<QStringList>{{"1", "4", "5", "A", "A"}});
    Muestra();
    rejilla->PonCelda(0, 0);
    Teclea("7");
    rejilla->ConfirmaEdicion();
    QCOMPARE(rejilla->Texto(0, 0), QString("1"));
    rejilla->PonEditable(false);
    rejilla->PonCelda(0, 1);
    Teclea("7");
    rejilla->ConfirmaEdicion();
    QCOMPARE(rejilla->Texto(0, 1), QString("4"));
  }

  void BorradoDeFilasConConfirmacion() {
    rejilla->PonColumnas(Columnas());
    rejilla->PonEditable(true);
    rejilla->PonAgregaFilas(true);
    rejilla->PonBorraFilas(true);
    rejilla->PonFilas(std::vector<QStringList>{{"1"}, {"2"}, {"3"}});
    Muestra();
    int preguntas = 0;
    bool acepta = false;
    rejilla->confirmaBorrado = [&](int n) {
      ++preguntas;
      return n == 1 && acepta;
    };
    QSignalSpy borradas(rejilla.get(), &Rejilla::FilasBorradas);
    rejilla->Vista()->selectRow(1);
    Pulsa(Qt::Key_Delete);
    QCOMPARE(preguntas, 1);
    QCOMPARE(rejilla->NumFilas(), 3);  // refused
    acepta = true;
    rejilla->Vista()->selectRow(1);
    Pulsa(Qt::Key_Delete);
    QCOMPARE(rejilla->NumFilas(), 2);
    QCOMPARE(rejilla->Texto(1, 0), QString("3"));
    QCOMPARE(borradas.count(), 1);
    QCOMPARE(borradas[0][0].value<QList<int>>(), QList<int>{1});
    // Without a selected row, Delete removes nothing.
    rejilla->PonCelda(0, 1);
    Pulsa(Qt::Key_Delete);
    QCOMPARE(rejilla->NumFilas(), 2);
  }

  void ListaDesplegableDeDosColumnas() {
    rejilla->PonColumnas(Columnas());
    rejilla->PonEditable(true);
    rejilla->PonLista(3, {{"A", "Apoyado"}, {"E", "Empotrado"}, {"N", "No apoyado"}},
                      {"Tipo", "Condicion de apoyo"});
    QCOMPARE(rejilla->Lista(3).size(), std::size_t{3});
    QCOMPARE(rejilla->EncabezadosLista(3), (QStringList{"Tipo", "Condicion de apoyo"}));
    rejilla->PonFilas(std::vector<QStringList>{{"1", "4", "5", "A", "A"}});
    Muestra();
    rejilla->PonCelda(0, 3);
    Pulsa(Qt::Key_F2);
    auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget()->parentWidget());
    if (!combo) combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(1), QString("E"));
    QCOMPARE(combo->model()->columnCount(), 2);
    QCOMPARE(combo->model()->index(2, 1).data().toString(), QString("No apoyado"));
    combo->showPopup();
    CapturaPantalla(combo->view()->window(), "Rejilla_lista_bordes");
    combo->hidePopup();
    // The offscreen desktop does not give the window back after a popup.
    rejilla->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rejilla.get()));
    // Picking a row puts its first column into the cell.
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    rejilla->ConfirmaEdicion();
    QCOMPARE(rejilla->Texto(0, 3), QString("E"));
    // Typed text stays as typed, lower case included.
    rejilla->PonCelda(0, 4);
    Teclea("e");
    rejilla->ConfirmaEdicion();
    QCOMPARE(rejilla->Texto(0, 4), QString("e"));
    // Enter commits the typed text too.
    rejilla->PonCelda(0, 3);
    Teclea("n");
    Pulsa(Qt::Key_Return);
    QCOMPARE(rejilla->Texto(0, 3), QString("n"));
    // An empty list removes the drop-down.
    rejilla->PonLista(3, {});
    rejilla->PonCelda(0, 3);
    Pulsa(Qt::Key_F2);
    QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    Pulsa(Qt::Key_Escape);
  }

  void BotonDeCelda() {
    rejilla->PonColumnas(Columnas());
    rejilla->PonEditable(true);
    rejilla->PonBoton(3, true);
    QVERIFY(rejilla->TieneBoton(3));
    rejilla->PonFilas(std::vector<QStringList>{{"1", "4", "5", "X", "A"}, {"2", "4", "5", "Y", "A"}});
    Muestra();
    QSignalSpy botones(rejilla.get(), &Rejilla::BotonPulsado);
    QTableView* v = rejilla->Vista();
    QRect celda = v->visualRect(v->model()->index(1, 3));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(celda.right() - 4, celda.center().y()));
    QCOMPARE(botones.count(), 1);
    QCOMPARE(botones[0][0].toInt(), 1);
    QCOMPARE(botones[0][1].toInt(), 3);
    // A click on the cell's text is no button press; F4 is.
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(celda.left() + 4, celda.center().y()));
    QCOMPARE(botones.count(), 1);
    rejilla->PonCelda(0, 3);
    v->setFocus();
    Pulsa(Qt::Key_F4);
    QCOMPARE(botones.count(), 2);
    QCOMPARE(botones[1][0].toInt(), 0);
  }

  void EstilosYFilaPorMostrar() {
    rejilla->PonColumnas(Columnas());
    rejilla->DefineEstilo("Rojo", QColor(255, 0, 0));
    rejilla->DefineEstilo("Azul", QColor(0, 0, 255));
    // The owner colours a cell from its text as each row is shown.
    connect(rejilla.get(), &Rejilla::FilaPorMostrar, this, [this](int f) {
      rejilla->PonEstilo(f, 4, rejilla->Texto(f, 4) == "Simple" ? "Azul" : "Rojo");
    });
    TablaResultado t;
    for (auto textos : {QStringList{"1", "X", "1.00", "", "Simple"}, QStringList{"", "Y", "2.00", "", "Doble"}}) {
      std::vector<Celda> fila;
      for (const QString& x : textos) fila.push_back(Celda{x.toStdString(), std::nullopt});
      t.filas.push_back(fila);
    }
    rejilla->PonTabla(t);
    QCOMPARE(rejilla->NumFilas(), 2);
    QCOMPARE(rejilla->ColorTexto(0, 4), QColor(0, 0, 255));
    QCOMPARE(rejilla->ColorTexto(1, 4), QColor(255, 0, 0));
    QCOMPARE(rejilla->ColorTexto(1, 3), QColor());
    QCOMPARE(rejilla->Estilo(1, 4), QString("Rojo"));
    QCOMPARE(rejilla->Vista()->model()->data(rejilla->Vista()->model()->index(1, 4), Qt::ForegroundRole)
                 .value<QColor>(),
             QColor(255, 0, 0));
    rejilla->PonTexto(1, 4, "Simple");
    QCOMPARE(rejilla->ColorTexto(1, 4), QColor(0, 0, 255));
  }

  void EnterNotificadoAlDueno() {
    rejilla->PonColumnas(Columnas());
    rejilla->PonEditable(true);
    rejilla->PonAccionEnter(AccionEnter::Notifica);
    rejilla->PonFilas(std::vector<QStringList>{{"1", "4", "5", "A", "A"}});
    Muestra();
    QSignalSpy enter(rejilla.get(), &Rejilla::EnterPulsado);
    QSignalSpy confirmadas(rejilla.get(), &Rejilla::FilaConfirmada);
    QSignalSpy movidas(rejilla.get(), &Rejilla::CeldaActualCambiada);
    rejilla->PonCelda(0, 1);
    QCOMPARE(movidas.count(), 1);
    QCOMPARE(movidas[0][1].toInt(), 1);
    Teclea("6");
    Pulsa(Qt::Key_Return);
    // The cell is stored, the owner hears Enter, and the grid neither commits the row
    // nor moves: that is the owner's business now.
    QCOMPARE(rejilla->Texto(0, 1), QString("6"));
    QCOMPARE(enter.count(), 1);
    QCOMPARE(enter[0][0].toInt(), 0);
    QCOMPARE(enter[0][1].toInt(), 1);
    QVERIFY(!rejilla->FilaPendiente());
    QCOMPARE(confirmadas.count(), 0);
    QCOMPARE(rejilla->ColumnaActual(), 1);
    // Enter without an editor is heard too.
    Pulsa(Qt::Key_Enter);
    QCOMPARE(enter.count(), 2);
  }

  void TeclaPulsadaSeNotifica() {
    rejilla->PonColumnas(Columnas());
    rejilla->PonFilas(std::vector<QStringList>{{"1"}});
    Muestra();
    QSignalSpy teclas(rejilla.get(), &Rejilla::TeclaPulsada);
    rejilla->PonCelda(0, 0);
    Pulsa(Qt::Key_Right);
    QCOMPARE(teclas.count(), 1);
    QCOMPARE(teclas[0][0].toInt(), int(Qt::Key_Right));
    QCOMPARE(rejilla->ColumnaActual(), 1);
  }
};

QTEST_MAIN(RejillaTest)
#include "rejilla_test.moc"
