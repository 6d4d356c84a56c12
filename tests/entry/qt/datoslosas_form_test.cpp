// "Datos de Losas" as the engineer fills it in: slabs typed row by row with Enter,
// a lower-case edge, a zero span and a zero load; the global changes; the row copy;
// deleting a row; the 99-slab limit; Esc and OK.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "../../CapturaPantalla.h"
#include "../../InterlocutorGuion.h"
#include "../../UsuarioQt.h"
#include "entry/qt/Datoslosas2Form.h"
#include "entry/qt/DatosgenForm.h"
#include "model/Sesion.h"
#include "shell/Arranque.h"
#include "shell/PlacatForm.h"
#include "shell/Rejilla.h"

using namespace placatec;

class DatoslosasFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Sesion> sesion;
  std::unique_ptr<PlacatForm> placat;
  InterlocutorGuion guion;
  Datoslosas2Form* forma = nullptr;
  Rejilla* grilla = nullptr;

  // Types a row into the "*" row, cell after cell with Enter, from column 1.
  void EscribeFila(const QStringList& celdas) {
    grilla->PonCelda(grilla->NumFilas(), 1);
    grilla->setFocus();
    for (const QString& c : celdas) {
      if (!c.isEmpty()) Teclea(c);
      Pulsa(Qt::Key_Return);
    }
  }

  bool HayMensaje(const std::string& texto) const {
    for (const auto& m : guion.mensajes)
      if (m.texto == texto) return true;
    return false;
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
    placat->Accion("LosasItem")->trigger();
    forma = placat->Datoslosas2();
    grilla = forma->SSDBGrid1();
    QVERIFY(forma->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(forma));
  }
  void cleanup() {
    placat.reset();
    sesion.reset();
  }

  void ColumnasYGrupos() {
    QCOMPARE(forma->windowTitle(), QString("Datos de Losas"));
    QCOMPARE(grilla->Titulo(), QString("DESCRIPCION DE LOSAS"));
    const QStringList titulos{"Num",           "   Lx     (m)", " Ly   (m)",     "1 (Izq)",
                              "2 (Der)",       "3 (Abajo)",     "4 (Arriba)",    "Muerta (To/m2)",
                              "Viva (To/m2)",  "Muerta (To/m)", "Viva (To/m)",   "Espes (m)"};
    QCOMPARE(grilla->NumColumnas(), 12);
    for (int c = 0; c < 12; ++c) QCOMPARE(grilla->TituloColumna(c), titulos[c]);
    QCOMPARE(grilla->GrupoDe(3), QString("Condiciones de borde"));
    QCOMPARE(grilla->GrupoDe(6), QString("Condiciones de borde"));
    QCOMPARE(grilla->GrupoDe(7), QString("Cargas en vano"));
    QCOMPARE(grilla->GrupoDe(10), QString("Cargas en vuelo"));
    QCOMPARE(grilla->GrupoDe(11), QString());
    for (int c = 3; c <= 6; ++c) {
      QCOMPARE(grilla->Lista(c).size(), std::size_t{3});
      QCOMPARE(grilla->Lista(c)[1], (QStringList{"E", "Empotrado"}));
      QCOMPARE(grilla->EncabezadosLista(c), (QStringList{"Tipo", "Condicion de apoyo"}));
    }
    // Every column is visible at the dialog's size.
    QTableView* v = grilla->Vista();
    QVERIFY(v->columnViewportPosition(11) + v->columnWidth(11) <= v->viewport()->width());
  }

  void TresLosasConBordeMinusculaLuzCeroYCargaCero() {
    // Slab 1: a lower-case edge letter stays as typed until the row is processed.
    EscribeFila({"4", "5", "e"});
    QCOMPARE(grilla->NumFilas(), 1);
    QCOMPARE(grilla->Texto(0, 0), QString("1"));
    // Slab 2: a zero span is refused with the message and taken as 1.
    EscribeFila({"0", "5"});
    QVERIFY(HayMensaje("Lx no puede ser cero o negativo\rvalor unitario asumido"));
    QCOMPARE(grilla->Texto(1, 1), QString("1"));
    // Slab 3: a zero dead load takes the general dead load.
    EscribeFila({"3", "3", "E", "A", "A", "A", "0"});
    QCOMPARE(grilla->NumFilas(), 3);
    QCOMPARE(grilla->TextoMostrado(2, 7), QString("0.330"));

    // Cells left empty came with the row defaults.
    QCOMPARE(grilla->TextoMostrado(0, 8), QString("0.100"));
    QCOMPARE(grilla->Texto(1, 3), QString("A"));
    CapturaPantalla(forma, "Datoslosas2Form");

    Clic(forma->Boton("OKButton"));
    QVERIFY(!forma->isVisible());
    QVERIFY(placat->isEnabled());
    const Proyecto& p = sesion->proyecto;
    QCOMPARE(p.NumLosas, 3);
    QCOMPARE(p.Bordes[1], std::string("EAAA"));
    QCOMPARE(grilla->Texto(0, 3), QString("E"));
    QCOMPARE(p.Lx[1], 4.0f);
    QCOMPARE(p.Ly[1], 5.0f);
    QCOMPARE(p.Lx[2], 1.0f);
    QCOMPARE(p.CargaMuertaVano[3], p.CargaMuerta);
    QCOMPARE(p.CodigoLosa[1], 2);   // two-way, one edge of X fixed
    QCOMPARE(p.CodigoLosa[3], 2);
    // A letter that is no edge condition becomes A when the cursor leaves the cell.
    placat->Accion("LosasItem")->trigger();
    grilla->PonCelda(1, 4);
    grilla->setFocus();
    Teclea("x");
    Pulsa(Qt::Key_Tab);
    QCOMPARE(grilla->Texto(1, 4), QString("A"));
  }

  void CambiosGlobales() {
    EscribeFila({"4", "5"});
    EscribeFila({"5", "5"});
    // The value box takes digits and one point only.
    forma->Text2()->setFocus();
    Teclea("0.4x.5");
    QCOMPARE(forma->Text2()->text(), QString("0.45"));
    QCOMPARE(guion.beeps, 2);
    guion.mensajes.clear();
    Clic(forma->Boton("CambiaMuerta"));
    QCOMPARE(guion.mensajes.size(), std::size_t{1});
    QCOMPARE(guion.mensajes[0].texto, std::string("OK para modificar la Carga Muerta en todas las losas."));
    QCOMPARE(guion.mensajes[0].botones, Botones::OKCancelar);
    QCOMPARE(sesion->proyecto.CargaMuertaVano[1], 0.45f);
    QCOMPARE(sesion->proyecto.CargaMuertaVano[2], 0.45f);
    QCOMPARE(grilla->TextoMostrado(1, 7), QString("0.450"));
    QCOMPARE(grilla->FilaActual(), 0);
    QCOMPARE(grilla->ColumnaActual(), 1);

    // Cancel leaves the slabs alone.
    forma->Text2()->setFocus();
    forma->Text2()->selectAll();
    Teclea("0.3");
    guion.respuestas = {Respuesta::Cancelar};
    Clic(forma->Boton("CambiaViva"));
    QCOMPARE(sesion->proyecto.CargaVivaVano[1], 0.1f);

    // With the box empty, the thickness becomes the general thickness.
    forma->Text2()->clear();
    sesion->proyecto.EspesorGeneral = 0.15f;
    Clic(forma->Boton("CambiaEspesor"));
    QCOMPARE(sesion->proyecto.EspesorLosa[1], 0.15f);
    QCOMPARE(grilla->TextoMostrado(1, 11), QString("0.150"));
    // The buttons put the general values into the box.
    Clic(forma->Boton("CargaViva"));
    QCOMPARE(forma->Text2()->text(), QString("0.1"));
  }

  void CopiaDeLosaYBorrado() {
    EscribeFila({"4", "5"});
    EscribeFila({"6", "4"});
    EscribeFila({"3", "3"});
    grilla->PonCelda(1, 2);
    guion.mensajes.clear();
    guion.respuestas = {Respuesta::No};
    Clic(forma->Boton("CopiaLosa"));
    QCOMPARE(guion.mensajes[0].texto, std::string("Desea repetir los valores de esta losa (2)"));
    QCOMPARE(grilla->NumFilas(), 3);
    grilla->PonCelda(1, 2);
    Clic(forma->Boton("CopiaLosa"));
    QCOMPARE(grilla->NumFilas(), 4);
    QCOMPARE(grilla->Texto(3, 0), QString("4"));
    QCOMPARE(grilla->Texto(3, 1), QString("6"));
    QCOMPARE(grilla->Texto(3, 2), QString("4"));
    QCOMPARE(grilla->FilaActual(), 3);
    QCOMPARE(sesion->proyecto.NumLosas, 4);

    // Deleting a row, after a Yes; the rows behind it are renumbered.
    grilla->Vista()->selectRow(0);
    grilla->setFocus();
    guion.respuestas = {Respuesta::Si};
    Pulsa(Qt::Key_Delete);
    QCOMPARE(grilla->NumFilas(), 3);
    QCOMPARE(grilla->Texto(0, 0), QString("1"));
    QCOMPARE(grilla->Texto(0, 1), QString("6"));
    QCOMPARE(sesion->proyecto.NumLosas, 3);
  }

  void NoMasDeNoventaYNueveLosas() {
    for (int i = 0; i < 99; ++i) {
      TablaLosas::Fila f{};
      f[1] = "4";
      f[2] = "4";
      sesion->losas.AgregaFila(f);
    }
    forma->Activa();
    QCOMPARE(grilla->NumFilas(), 99);
    guion.mensajes.clear();
    EscribeFila({"5"});
    QCOMPARE(grilla->NumFilas(), 99);
    QVERIFY(HayMensaje("No se pueden definir mas de 99 losas"));
    QCOMPARE(sesion->proyecto.NumLosas, 99);
  }

  void EscapeCierraSinProcesar() {
    EscribeFila({"4", "5"});
    grilla->PonCelda(0, 1);
    grilla->setFocus();
    Teclea("0");  // typed, but Esc leaves the editor and then the dialog
    Pulsa(Qt::Key_Escape);
    Pulsa(Qt::Key_Escape);
    QVERIFY(!forma->isVisible());
    QVERIFY(placat->isEnabled());
    QCOMPARE(grilla->Texto(0, 1), QString("4"));

    // Enter on OK closes without processing too; the rows stay for the next opening.
    placat->Accion("LosasItem")->trigger();
    QCOMPARE(grilla->NumFilas(), 1);
    forma->Boton("OKButton")->setFocus();
    Pulsa(Qt::Key_Return);
    QVERIFY(!forma->isVisible());
    QVERIFY(placat->isEnabled());
  }
};

QTEST_MAIN(DatoslosasFormTest)
#include "datoslosas_form_test.moc"
