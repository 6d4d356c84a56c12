// The data windows driven from the keyboard as an engineer types a storey: Tab and
// Shift+Tab, the decimal comma, pasting, closing by the title bar and Esc, reopening
// "Datos Generales", unsaved changes, the focus, and messages that name what to mend.
// Each check reads what the project holds afterwards.
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "../../EscritorioPrueba.h"
#include "escritorio/entrada/DatosapoyosForm.h"
#include "escritorio/entrada/Datoslosas2Form.h"

using namespace placatec;

class TecladoTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  QTemporaryDir dir;
  Proyecto& P() { return e->sesion.proyecto; }
  Rejilla* Losas() { return e->placat.Datoslosas2()->SSDBGrid1(); }

  // Types the cells of one row, each followed by Tab; an empty cell is only passed.
  static void TecleaFila(const QStringList& celdas) {
    for (const QString& c : celdas) {
      Teclea(c);
      Pulsa(Qt::Key_Tab);
    }
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    QVERIFY(e->Arranca());
  }
  void cleanup() { e.reset(); }

  // A six-panel floor typed with Tab alone and decimal commas is saved exactly as typed.
  void PisoDeSeisLosasConTab() {
    QVERIFY(e->Abre("LosasItem"));
    QCOMPARE(ConFoco()->parentWidget(), Losas());  // ready for typing in Lx of the new row
    QCOMPARE(Losas()->ColumnaActual(), ColLosa::Lx);
    const QStringList bordes{"AEEA", "EAEA", "AEEE", "EAEE", "AEAE", "EAAE"};
    for (int i = 0; i < 6; ++i) {
      QStringList fila{i % 2 ? "3,8" : "4,5", i < 2 ? "5" : i < 4 ? "4,2" : "3,6"};
      for (QChar b : bordes[i]) fila << b;
      TecleaFila(fila +
                 QStringList{"0,45", "0,2", "", "", "0,12", "", ""});  // the place left to the supports
    }
    QCOMPARE(Losas()->FilaActual(), 6);  // on the row for a new slab
    e->placat.Datoslosas2()->close();    // the title bar's close button
    QVERIFY(e->placat.isEnabled());
    QCOMPARE(P().NumLosas, 6);
    e->archivo = dir.filePath("piso.Los");
    e->placat.Accion("SalvaItem")->trigger();
    QFile hecho(e->archivo), esperado(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/seis_losas.Los");
    QVERIFY(hecho.open(QIODevice::ReadOnly) && esperado.open(QIODevice::ReadOnly));
    QCOMPARE(hecho.readAll(), esperado.readAll());

    // On an existing row: Tab, Shift+Tab and a close by the title bar keep what was typed.
    QVERIFY(e->Abre("LosasItem"));
    QCOMPARE(Losas()->FilaActual(), 0);
    TecleaFila({"7", "6"});
    Teclea("e");
    Pulsa(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(Losas()->ColumnaActual(), ColLosa::Ly);
    QCOMPARE(Losas()->Texto(0, ColLosa::Borde1), QString("e"));
    Teclea("5,5");
    e->placat.Datoslosas2()->close();
    QCOMPARE(P().Lx[1], 7.0f);
    QCOMPARE(P().Ly[1], 5.5f);
    QCOMPARE(P().Bordes[1], std::string("EEEA"));

    // Supports: the description typed last on a row survives Tab to the next row; Esc closes.
    QVERIFY(e->Abre("ApoyosItem"));
    Rejilla* apoyos = e->placat.Datosapoyos()->SSDBGrid1();
    apoyos->PonCelda(apoyos->NumFilas(), ColApoyo::Dir);
    TecleaFila({"X", "1", "2", "Viga eje B", "X", "3", "4,0", "Viga eje C"});
    Pulsa(Qt::Key_Escape);
    QVERIFY(!e->placat.Datosapoyos()->isVisible());
    QCOMPARE(P().NumApoyos, 2);
    QCOMPARE(P().ApoyoDescripcion[1], std::string("Viga eje B"));
    QCOMPARE(P().ApoyoDescripcion[2], std::string("Viga eje C"));
    QCOMPARE(P().ApoyoLosa2[2], 4.0f);
  }

  // "Datos Generales": comma, paste, f'c, reopening, and the close button.
  void DatosGenerales() {
    QVERIFY(e->Abre("GeneralItem"));
    const int beeps = e->guion.beeps;
    e->EscribeCaja(Caja::Espesor, "0,15");
    QCOMPARE(P().EspesorGeneral, 0.15f);
    QCOMPARE(e->placat.Datosgen()->Caja(Caja::Espesor)->text(), QString("0.15"));
    QApplication::clipboard()->setText("-7x.5.5");
    e->placat.Datosgen()->Caja(Caja::Espesor)->selectAll();
    Pulsa(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e->placat.Datosgen()->Caja(Caja::Espesor)->text(), QString("0.15"));
    QCOMPARE(P().EspesorGeneral, 0.15f);
    QCOMPARE(e->guion.beeps, beeps + 1);

    // f'c lists 250 and 300 and takes any whole value from 140 to 420; anything else is
    // refused where typed, or on leaving the box with a message naming it.
    QVERIFY(e->placat.Datosgen()->Combo1()->findText("250") >= 0 &&
            e->placat.Datosgen()->Combo1()->findText("300") >= 0);
    e->EscribeCaja(Caja::Combo1, "4201");  // the 1 is refused as typed
    Pulsa(Qt::Key_Tab);
    QCOMPARE(P().Fc, 420);
    e->EscribeCaja(Caja::Combo1, "2a5");
    Pulsa(Qt::Key_Tab);
    QCOMPARE(P().Fc, 420);
    QCOMPARE(
        e->guion.UltimoTexto(),
        std::string("Hormigon, F'c (Kg/cm2)\r25 no es un valor entero entre 140 y 420; se mantiene 420"));
    e->EscribeCaja(Caja::Combo1, "265");
    Pulsa(Qt::Key_Tab);
    QCOMPARE(P().Fc, 265);

    // The engineer's layers and live load survive the next opening.
    e->EscribeCaja(Caja::Text1_1, "0,04");
    e->EscribeCaja(Caja::Text3_5, "0,05");
    e->EscribeCaja(Caja::Cargav, "0,3");
    const float muerta = P().CargaMuerta;
    e->placat.Datosgen()->close();
    QCOMPARE(e->sesion.estado.CargaMuertaDefecto, muerta);  // the close button stores the row defaults
    QVERIFY(e->Abre("GeneralItem"));
    Pulsa(Qt::Key_Escape);
    QVERIFY(e->placat.isEnabled());
    QCOMPARE(P().EspesorCapa[1], 0.04f);
    QCOMPARE(P().OtrasCargas, 0.05f);
    QCOMPARE(P().CargaViva, 0.3f);
    QCOMPARE(P().CargaMuerta, muerta);
    QCOMPARE(P().EspesorGeneral, 0.15f);
  }

  // Unsaved changes are offered for saving; Cancel keeps everything. The title shows
  // "*" as soon as the data change, the data window still open.
  void CambiosSinGuardar() {
    QVERIFY(e->Abre("GeneralItem"));
    e->EscribeCaja(Caja::Nombre, "Casa Perez");
    QCOMPARE(e->placat.windowTitle(), QString("Placatec*"));
    Clic(e->placat.Datosgen()->OKButtom());
    for (const char* item : {"NuevoItem", "CargaItem", "TerminaItem"}) {
      e->guion.respuestas = {Respuesta::Cancelar};
      e->placat.Accion(QString::fromLatin1(item))->trigger();
      QCOMPARE(e->guion.UltimoTexto(), std::string("¿Guardar los cambios de Casa Perez?"));
      QCOMPARE(e->guion.mensajes.back().botones, Botones::GuardarNoGuardarCancelar);
      QCOMPARE(P().Titulo, std::string("Casa Perez"));
    }
    e->guion.respuestas = {Respuesta::Cancelar};
    QVERIFY(!e->placat.close());  // the main window's close button asks too
    e->archivo = dir.filePath("casa.Los");
    e->guion.respuestas = {Respuesta::Guardar};
    e->placat.Accion("NuevoItem")->trigger();
    QVERIFY(QFile::exists(e->archivo));
    QCOMPARE(P().Titulo, std::string());
    QCOMPARE(e->placat.windowTitle(), QString("Placatec"));

    // After "Nuevo" the general data opens; then the first span typed lands in Lx.
    Clic(e->placat.Datosgen()->OKButtom());
    QVERIFY(e->Abre("LosasItem"));
    TecleaFila({"4", "4", "N", "N", "N", "N"});
    QCOMPARE(Losas()->Texto(0, ColLosa::Lx), QString("4"));
    QCOMPARE(e->placat.windowTitle(), QString("Placatec*"));
    Clic(e->placat.Datoslosas2()->Boton("OKButton"));
    QCOMPARE(e->guion.UltimoTexto(), std::string("Condiciones de Borde No Validas\rLosa No. 1"));
    QCOMPARE(e->placat.windowTitle(), QString("Placatec*"));
    // A refused calculation leaves no "Calculando..." behind.
    QVERIFY(e->Elige("AnalisisItem", "CalculoItem"));
    QCOMPARE(e->placat.Label1()->text(), QString());
  }
};

QTEST_MAIN(TecladoTest)
#include "teclado_test.moc"
