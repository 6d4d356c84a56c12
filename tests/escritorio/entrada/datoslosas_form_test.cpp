// "Datos de Losas" as the engineer fills it in: slabs typed row by row with Enter,
// a lower-case edge, a zero span and a zero load; the global changes; the row copy;
// deleting a row; the 99-slab limit; Esc and OK.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "CapturaPantalla.h"
#include "EscritorioPrueba.h"
#include "escritorio/entrada/Datoslosas2Form.h"

using namespace placatec;

class DatoslosasFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
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
    for (const auto& m : e->guion.mensajes)
      if (m.texto == texto) return true;
    return false;
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    QVERIFY(e->Arranca());
    e->placat.Accion("LosasItem")->trigger();
    forma = e->placat.Datoslosas2();
    grilla = forma->SSDBGrid1();
    QVERIFY(forma->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(forma));
  }
  void cleanup() { e.reset(); }

  void ColumnasYGrupos() {
    const QStringList titulos{"Num",          "   Lx     (m)", " Ly   (m)",   "1 (Izq)",
                              "2 (Der)",      "3 (Abajo)",     "4 (Arriba)",  "Muerta (To/m2)",
                              "Viva (To/m2)", "Muerta (To/m)", "Viva (To/m)", "Espes (m)"};
    QStringList grupos;
    for (int c = 0; c < 12; ++c) {
      QCOMPARE(grilla->TituloColumna(c), titulos[c]);
      grupos << grilla->GrupoDe(c);
    }
    QCOMPARE(grupos.mid(3, 9), (QStringList{"Condiciones de borde", "Condiciones de borde",
                                            "Condiciones de borde", "Condiciones de borde", "Cargas en vano",
                                            "Cargas en vano", "Cargas en vuelo", "Cargas en vuelo", ""}));
    for (int c = 3; c <= 6; ++c)
      QCOMPARE(grilla->Lista(c),
               (std::vector<QStringList>{{"A", "Apoyado"}, {"E", "Empotrado"}, {"N", "No apoyado"}}));
    // Every column is visible at the dialog's size.
    QTableView* v = grilla->Vista();
    QVERIFY(v->columnViewportPosition(11) + v->columnWidth(11) <= v->viewport()->width());
  }

  void TresLosasConBordeMinusculaLuzCeroYCargaCero() {
    // Slab 1: a lower-case edge letter stays as typed until the row is processed.
    EscribeFila({"4", "5", "e"});
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
    QVERIFY(e->placat.isEnabled());
    const Proyecto& p = e->sesion.proyecto;
    QCOMPARE(p.NumLosas, 3);
    QCOMPARE(p.Bordes[1], std::string("EAAA"));
    QCOMPARE(grilla->Texto(0, 3), QString("E"));
    QCOMPARE(p.Ly[1], 5.0f);
    QCOMPARE(p.Lx[2], 1.0f);
    QCOMPARE(p.CargaMuertaVano[3], p.CargaMuerta);
    QCOMPARE(p.CodigoLosa[1], 2);  // two-way, one edge of X fixed
  }

  void CambiosGlobales() {
    EscribeFila({"4", "5"});
    EscribeFila({"5", "5"});
    // The value box takes digits and one point only.
    forma->Text2()->setFocus();
    Teclea("0.4x.5");
    QCOMPARE(forma->Text2()->text(), QString("0.45"));
    QCOMPARE(e->guion.beeps, 2);
    e->guion.mensajes.clear();
    Clic(forma->Boton("CambiaMuerta"));
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e->guion.mensajes[0].texto,
             std::string("OK para modificar la Carga Muerta en todas las losas."));
    QCOMPARE(e->guion.mensajes[0].botones, Botones::OKCancelar);
    QCOMPARE(e->sesion.proyecto.CargaMuertaVano[2], 0.45f);
    QCOMPARE(grilla->TextoMostrado(1, 7), QString("0.450"));
    QCOMPARE(grilla->FilaActual(), 0);

    // Cancel leaves the slabs alone.
    forma->Text2()->setFocus();
    forma->Text2()->selectAll();
    Teclea("0.3");
    e->guion.respuestas = {Respuesta::Cancelar};
    Clic(forma->Boton("CambiaViva"));
    QCOMPARE(e->sesion.proyecto.CargaVivaVano[1], 0.1f);

    // With the box empty, the thickness becomes the general thickness.
    forma->Text2()->clear();
    e->sesion.proyecto.EspesorGeneral = 0.15f;
    Clic(forma->Boton("CambiaEspesor"));
    QCOMPARE(e->sesion.proyecto.EspesorLosa[1], 0.15f);
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
    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::No};
    Clic(forma->Boton("CopiaLosa"));
    QCOMPARE(e->guion.mensajes[0].texto, std::string("Desea repetir los valores de esta losa (2)"));
    QCOMPARE(grilla->NumFilas(), 3);
    grilla->PonCelda(1, 2);
    Clic(forma->Boton("CopiaLosa"));
    QCOMPARE(grilla->Fila(3).mid(0, 3), (QStringList{"4", "6", "4"}));
    QCOMPARE(grilla->FilaActual(), 3);
    QCOMPARE(e->sesion.proyecto.NumLosas, 4);

    // Deleting a row, after a Yes; the rows behind it are renumbered.
    grilla->Vista()->selectRow(0);
    grilla->setFocus();
    e->guion.respuestas = {Respuesta::Si};
    Pulsa(Qt::Key_Delete);
    QCOMPARE(grilla->Fila(0).mid(0, 2), (QStringList{"1", "6"}));
    QCOMPARE(e->sesion.proyecto.NumLosas, 3);
  }

  void NoMasDeNoventaYNueveLosas() {
    for (int i = 0; i < 99; ++i) {
      TablaLosas::Fila f{};
      f[1] = "4";
      f[2] = "4";
      e->sesion.losas.AgregaFila(f);
    }
    forma->Activa();
    EscribeFila({"5"});
    QCOMPARE(grilla->NumFilas(), 99);
    QVERIFY(HayMensaje("No se pueden definir mas de 99 losas"));
    QCOMPARE(e->sesion.proyecto.NumLosas, 99);
  }

  void EscapeCierraSinProcesar() {
    EscribeFila({"4", "5"});
    grilla->PonCelda(0, 1);
    grilla->setFocus();
    Teclea("0");  // typed, but Esc leaves the editor and then the dialog
    Pulsa(Qt::Key_Escape);
    Pulsa(Qt::Key_Escape);
    QVERIFY(e->placat.isEnabled());
    QCOMPARE(grilla->Texto(0, 1), QString("4"));

    // Enter on OK closes without processing too; the rows stay for the next opening.
    e->placat.Accion("LosasItem")->trigger();
    QCOMPARE(grilla->NumFilas(), 1);
    forma->Boton("OKButton")->setFocus();
    Pulsa(Qt::Key_Return);
    QVERIFY(!forma->isVisible());
    QVERIFY(e->placat.isEnabled());
  }
};

QTEST_MAIN(DatoslosasFormTest)
#include "datoslosas_form_test.moc"
