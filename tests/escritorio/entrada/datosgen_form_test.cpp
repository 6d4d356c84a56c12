// "Datos Generales" as the engineer fills it in: the use picked from the two-column
// list, the numeric boxes and their refused keys, the read-only boxes in light
// yellow, and OK or Enter on OK.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"

using namespace placatec;

class DatosgenFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  DatosgenForm* forma = nullptr;

  // Picks a use from the drop-down list with the mouse.
  void EligeUso(const QString& uso) {
    QComboBox* c = forma->SSDBCombo2();
    c->showPopup();
    auto* vista = qobject_cast<QTableView*>(c->view());
    QVERIFY(vista);
    const QModelIndexList encontrados =
        c->model()->match(c->model()->index(0, 0), Qt::DisplayRole, uso, 1, Qt::MatchExactly);
    QCOMPARE(encontrados.size(), 1);
    vista->scrollTo(encontrados[0]);
    CapturaPantalla(vista->window(), "DatosgenForm_usos");
    const QPoint punto = vista->visualRect(encontrados[0]).center();
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, punto);
    QCoreApplication::processEvents();
    QCOMPARE(c->currentText(), uso);
    // The offscreen desktop does not give the window back after a popup.
    forma->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(forma));
  }

  // Types into a box as the engineer does: into the box, Ctrl+A, type.
  void Escribe(QLineEdit* caja, const QString& texto) {
    caja->setFocus();
    QCoreApplication::processEvents();
    Pulsa(Qt::Key_A, Qt::ControlModifier);
    Teclea(texto);
  }

  QColor Fondo(Caja c) { return forma->Caja(c)->palette().color(QPalette::Base); }

  QStringList Textos(std::initializer_list<Caja> cajas) {
    QStringList l;
    for (Caja c : cajas) l << forma->Caja(c)->text();
    return l;
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    Main(e->placat);
    forma = e->placat.Datosgen();
    QTRY_VERIFY(forma->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(forma));
  }
  void cleanup() { e.reset(); }

  void AbreComoTecho() {
    QCOMPARE(forma->SSDBCombo2()->currentText(), QString("Techo plano"));
    QCOMPARE(Textos({Caja::Espesor, Caja::Cargav, Caja::Cargam}), (QStringList{"0.100", "0.100", "0.330"}));
    QCOMPARE(forma->Combo1()->currentText() + " " + forma->Combo2()->currentText(), QString("180 2800"));
    QVERIFY(forma->Caja(Caja::Nombre)->hasFocus());
    // The use list has its two columns and 31 rows.
    QCOMPARE(forma->SSDBCombo2()->count(), 31);
    QCOMPARE(forma->SSDBCombo2()->model()->index(30, 1).data().toString(), QString("1.250"));
    // Read-only boxes in light yellow, input boxes in the normal colour.
    for (Caja c : {Text1(0), Text2(0), Text3(0), Text3(1), Text1(2), Text3(4)}) {
      QCOMPARE(Fondo(c), QColor(255, 255, 128));
      QVERIFY(forma->Caja(c)->isReadOnly());
    }
    for (Caja c : {Text1(1), Text2(1), Text3(5), Caja::Cargav, Caja::Espesor}) {
      QVERIFY(Fondo(c) != QColor(255, 255, 128));
      QVERIFY(!forma->Caja(c)->isReadOnly());
    }
    QVERIFY(!forma->EtiquetaFila(2)->isEnabled());
    CapturaPantalla(forma, "DatosgenForm_techo");
  }

  void TechoYEntrepisoDeLaLista() {
    EligeUso("Techo con inclinacion de 5 a 11 grados");
    QCOMPARE(e->sesion.proyecto.CargaViva, 0.07f);
    QCOMPARE(e->sesion.proyecto.Uso, std::string("Techo"));
    QCOMPARE(Textos({Caja::Espesor, Caja::Cargav, Caja::Cargam}), (QStringList{"0.100", "0.070", "0.330"}));
    QCOMPARE(e->sesion.proyecto.CargaUltimaGeneral, 0.581f);

    EligeUso("Oficina: cuartos de oficinas");
    QCOMPARE(e->sesion.proyecto.CargaViva, 0.25f);
    QCOMPARE(e->sesion.proyecto.Uso, std::string("Entrepiso"));
    QCOMPARE(Textos({Caja::Espesor, Text3(0), Text3(2), Text3(3), Text3(4), Caja::Cargam}),
             (QStringList{"0.120", "0.288", "0.045", "0.080", "0.100", "0.513"}));
    QCOMPARE(e->sesion.proyecto.CargaMuerta, 0.513f);
    // The floor's rows are open for typing, the roof's row 1 is not.
    QVERIFY(forma->Caja(Text1(2))->isEnabled() && !forma->Caja(Text1(2))->isReadOnly());
    QVERIFY(!forma->Caja(Text1(1))->isEnabled());
    QCOMPARE(Fondo(Text1(1)), QColor(255, 255, 128));
    CapturaPantalla(forma, "DatosgenForm_entrepiso");

    // Emptying the unit weight of the mortar empties its weight and lowers the total.
    Escribe(forma->Caja(Text2(2)), "");
    Pulsa(Qt::Key_Backspace);
    QCOMPARE(Textos({Text3(2), Caja::Cargam}), (QStringList{"", "0.468"}));

    // Back to a roof: the partitions' box is emptied and Panderetas is 0.
    EligeUso("Techo plano");
    QCOMPARE(forma->Caja(Text3(4))->text(), QString());
    QCOMPARE(e->sesion.proyecto.Panderetas, 0.0);
  }

  void CajasNumericasRechazanTeclas() {
    Escribe(forma->Caja(Caja::Cargav), "2.5.1");
    QCOMPARE(forma->Caja(Caja::Cargav)->text(), QString("2.51"));
    QCOMPARE(e->guion.beeps, 1);
    QCOMPARE(e->sesion.proyecto.CargaViva, 2.51f);
    Teclea("a-,");
    QCOMPARE(forma->Caja(Caja::Cargav)->text(), QString("2.51"));
    Pulsa(Qt::Key_Backspace);
    QCOMPARE(forma->Caja(Caja::Cargav)->text(), QString("2.5"));
    QCOMPARE(e->guion.beeps, 4);

    // The thickness box writes the general thickness and the slab layer follows it.
    Escribe(forma->Caja(Caja::Espesor), "0.15");
    QCOMPARE(e->sesion.proyecto.EspesorGeneral, 0.15f);
    QCOMPARE(Textos({Text1(0), Text3(0)}), (QStringList{"0.150", "0.360"}));

    // The title takes every key.
    Escribe(forma->Caja(Caja::Nombre), "Edificio 3-B, techo");
    QCOMPARE(e->sesion.proyecto.TituloReporte, std::string("Edificio 3-B, techo"));

    // f'c typed into its list box: a listed value.
    Escribe(forma->Combo1()->lineEdit(), "280");
    QCOMPARE(e->sesion.proyecto.Fc, 280);
    // Picking from the list.
    forma->Combo2()->setFocus();
    Pulsa(Qt::Key_Down);
    QCOMPARE(e->sesion.proyecto.Fy, 4200);
    // A read-only box takes no typing.
    forma->Caja(Text3(0))->setFocus();
    QTest::keyClicks(forma->Caja(Text3(0)), "9");
    QCOMPARE(forma->Caja(Text3(0))->text(), QString("0.360"));
  }

  void OKYEnterEnOK() {
    Escribe(forma->Caja(Caja::Cargam), "0.45");
    Escribe(forma->Caja(Caja::Cargav), "0.3");
    // Enter on OK closes as the click does.
    forma->OKButtom()->setFocus();
    Pulsa(Qt::Key_Return);
    QVERIFY(!forma->isVisible());
    QVERIFY(e->placat.isEnabled());
    QCOMPARE(e->sesion.proyecto.CargaMuertaDefecto, 0.45f);

    // The next opening keeps the hand-typed loads.
    e->placat.Accion("GeneralItem")->trigger();
    QVERIFY(!e->placat.isEnabled());
    QCOMPARE(Textos({Caja::Cargav, Caja::Cargam}), (QStringList{"0.300", "0.450"}));
    // OK stores the shown values as the slab table's row defaults.
    Escribe(forma->Caja(Caja::Espesor), "0.14");
    QCOMPARE(forma->Caja(Caja::Cargam)->text(), QString("0.426"));  // the slab layer follows
    Escribe(forma->Caja(Caja::Cargam), "0.45");
    Clic(forma->OKButtom());
    QVERIFY(e->placat.isEnabled());
    QCOMPARE(e->sesion.proyecto.CargaMuertaDefecto, 0.45f);
    QCOMPARE(e->sesion.proyecto.CargaVivaDefecto, 0.3f);
    QCOMPARE(e->sesion.proyecto.EspesorDefecto, 0.14f);

    // The window's close button never leaves the main window disabled.
    e->placat.Accion("GeneralItem")->trigger();
    forma->close();
    QVERIFY(e->placat.isEnabled());
  }

  void AbrirConValoresEnCero() {
    Clic(forma->OKButtom());
    Proyecto& p = e->sesion.proyecto;
    p.CargaMuerta = p.CargaViva = p.EspesorGeneral = p.Recubrimiento = 0;
    p.Fc = p.Fy = 0;
    p.NumLosas = 4;
    p.NumApoyos = 2;
    e->placat.Accion("GeneralItem")->trigger();
    // Unset values take their defaults.
    QCOMPARE(Textos({Caja::Cargam, Caja::Cargav, Caja::Espesor, Caja::Recubrimiento}),
             (QStringList{"0.360", "0.200", "0.100", "2"}));
    QCOMPARE(p.CargaMuerta, 0.36f);
    QCOMPARE(p.EspesorGeneral, 0.1f);
    QCOMPARE(p.Recubrimiento, 2.0f);
    QCOMPARE(forma->Combo1()->currentText() + " " + forma->Combo2()->currentText(), QString("180 2800"));
    QCOMPARE(p.Fc, 180);
    QCOMPARE(forma->NumLosas()->text() + " " + forma->NumApoyos()->text(), QString("4 2"));
  }
};

QTEST_MAIN(DatosgenFormTest)
#include "datosgen_form_test.moc"
