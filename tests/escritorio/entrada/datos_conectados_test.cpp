// Data that stay connected while the engineer works from the keyboard: deleting a slab
// renumbers the supports, the arrow keys move between rows, a changed general value is
// offered to the slabs that held the old one, a cell being typed counts when the
// program is closed, a file changed by another program is not overwritten unasked, an
// untouched project asks nothing, and f'c takes any whole value of its range.
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include "../../EscritorioPrueba.h"
#include "escritorio/entrada/DatosapoyosForm.h"
#include "escritorio/entrada/Datoslosas2Form.h"

using namespace placatec;

namespace {

// What a data file says the slabs and supports should be: lines "losa Lx Ly bordes
// muerta viva espesor" and "apoyo dir losa1 losa2"; "#" starts a comment.
struct Esperado {
  QStringList losas, apoyos;
};

Esperado LeeEsperado(const char* nombre) {
  QFile f(QStringLiteral(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/") + QString::fromLatin1(nombre));
  Esperado e;
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return e;
  QTextStream in(&f);
  while (!in.atEnd()) {
    const QString linea = in.readLine().trimmed();
    if (linea.startsWith("losa "))
      e.losas << linea.mid(5);
    else if (linea.startsWith("apoyo "))
      e.apoyos << linea.mid(6);
  }
  return e;
}

QString N(float v) { return QString::number(static_cast<double>(v)); }

// The same lines from the project.
Esperado DelProyecto(const Proyecto& p) {
  Esperado e;
  for (int i = 1; i <= p.NumLosas; ++i)
    e.losas << QStringList{N(p.Lx[i]),
                           N(p.Ly[i]),
                           QString::fromStdString(p.Bordes[i]),
                           N(p.CargaMuertaVano[i]),
                           N(p.CargaVivaVano[i]),
                           N(p.EspesorLosa[i])}
                   .join(' ');
  for (int j = 1; j <= p.NumApoyos; ++j)
    e.apoyos << QStringList{QString::fromStdString(p.ApoyoDir[j]), N(p.ApoyoLosa1[j]), N(p.ApoyoLosa2[j])}
                    .join(' ');
  return e;
}

}  // namespace

class DatosConectadosTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  QTemporaryDir dir;
  Proyecto& P() { return e->sesion.proyecto; }
  Rejilla* Losas() { return e->placat.Datoslosas2()->SSDBGrid1(); }
  bool Abre(const char* item) {
    e->placat.Accion(QString::fromLatin1(item))->trigger();
    return QTest::qWaitFor([] { return ConFoco() != nullptr; }) && !e->placat.isEnabled();
  }
  void EscribeCaja(Caja c, const QString& texto) {
    QLineEdit* caja = e->placat.Datosgen()->Caja(c);
    caja->setFocus();
    caja->selectAll();
    Teclea(texto);
  }
  void CompruebaContra(const char* archivo) {
    const Esperado esperado = LeeEsperado(archivo), hecho = DelProyecto(P());
    QVERIFY(!esperado.losas.isEmpty());
    QCOMPARE(hecho.losas, esperado.losas);
    QCOMPARE(hecho.apoyos, esperado.apoyos);
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    QVERIFY(e->Arranca());
  }
  void cleanup() { e.reset(); }

  // Slab 2 of the office floor deleted from the keyboard: the slabs after it move up,
  // the supports follow them, and the three that joined slab 2 go, named in a message.
  void BorrarUnaLosaRenumeraLosApoyos() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    QVERIFY(Abre("LosasItem"));
    Losas()->PonCelda(1, ColLosa::Lx);
    Pulsa(Qt::Key_Home);
    Pulsa(Qt::Key_End, Qt::ShiftModifier);  // the whole row selected
    e->guion.mensajes.clear();
    Pulsa(Qt::Key_Delete);
    QCOMPARE(e->guion.mensajes.size(), std::size_t{2});
    QCOMPARE(e->guion.mensajes[0].texto, std::string("Seguro que quiere borrar la losa seleccionada?"));
    QCOMPARE(e->guion.mensajes[1].texto, std::string("Se quitaron los apoyos que unian una losa borrada:\r"
                                                     "Apoyo 1, losas 1 y 2\r"
                                                     "Apoyo 2, losas 2 y 3\r"
                                                     "Apoyo 6, losas 2 y 5"));
    Pulsa(Qt::Key_Escape);
    CompruebaContra("borra_losa_2.txt");
    // The supports table shows the same, numbered from 1.
    QVERIFY(Abre("ApoyosItem"));
    Rejilla* apoyos = e->placat.Datosapoyos()->SSDBGrid1();
    QCOMPARE(apoyos->NumFilas(), 4);
    QCOMPARE(apoyos->Texto(3, ColApoyo::Num), QString("4"));
    QCOMPARE(apoyos->Texto(3, ColApoyo::Losa2), QString("5"));
    Pulsa(Qt::Key_Escape);
    CompruebaContra("borra_losa_2.txt");
  }

  // Up and Down go to the row above or below from any cell, the edge cells included,
  // keeping what was typed; the edge list opens with Alt+Down or F4 only.
  void FlechasEntreFilas() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    QVERIFY(Abre("LosasItem"));
    Losas()->PonCelda(0, ColLosa::Borde1);
    Teclea("e");
    Pulsa(Qt::Key_Down);
    Pulsa(Qt::Key_Down);
    QCOMPARE(Losas()->FilaActual(), 2);
    QCOMPARE(Losas()->Texto(0, ColLosa::Borde1), QString("E"));
    QCOMPARE(Losas()->Texto(1, ColLosa::Borde1), QString("E"));  // passed over, unchanged
    Teclea("7");
    Pulsa(Qt::Key_Up);
    QCOMPARE(Losas()->FilaActual(), 1);
    QCOMPARE(Losas()->Texto(2, ColLosa::Borde1), QString("A"));  // no edge letter
    Losas()->PonCelda(3, ColLosa::Lx);
    Teclea("3,5");
    Pulsa(Qt::Key_Up);
    QCOMPARE(Losas()->FilaActual(), 2);
    QCOMPARE(P().Lx[4], 3.5f);

    // Alt+Down opens the list of the edge cell, where the arrows choose.
    Losas()->PonCelda(0, ColLosa::Borde3);  // "A"
    Pulsa(Qt::Key_Down, Qt::AltModifier);
    QVERIFY(QApplication::activePopupWidget());
    Pulsa(Qt::Key_Down);
    Pulsa(Qt::Key_Return);
    Pulsa(Qt::Key_Return);  // the cell is left
    QCOMPARE(Losas()->Texto(0, ColLosa::Borde3), QString("E"));
    Losas()->PonCelda(1, ColLosa::Borde3);  // "A"
    Pulsa(Qt::Key_F4);
    QVERIFY(QApplication::activePopupWidget());
    Pulsa(Qt::Key_Escape);
    Pulsa(Qt::Key_Escape);
    Pulsa(Qt::Key_Escape);
    QVERIFY(!e->placat.Datoslosas2()->isVisible());
    QCOMPARE(P().Bordes[1], std::string("EEEE"));
    QCOMPARE(P().Bordes[2], std::string("EEAE"));
    QCOMPARE(P().Bordes[3], std::string("AAAE"));
  }

  // A general value changed with slabs holding the old one: each is offered to them.
  void ValoresGeneralesOfrecidosALasLosas() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    QVERIFY(Abre("GeneralItem"));
    EscribeCaja(Caja::Espesor, "0,15");
    EscribeCaja(Caja::Text3_5, "0,1");  // "Otras cargas": the dead load goes up by 0.1
    EscribeCaja(Caja::Cargav, "0,3");
    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::Si, Respuesta::No, Respuesta::Si};
    Pulsa(Qt::Key_Escape);
    QVERIFY(e->placat.isEnabled());
    QCOMPARE(e->guion.mensajes.size(), std::size_t{3});
    QCOMPARE(e->guion.mensajes[0].texto, std::string("¿Aplicar el espesor 0.150 m (antes 0.120 m) a las 6 "
                                                     "losas que tienen el valor anterior?"));
    QCOMPARE(e->guion.mensajes[1].texto,
             std::string("¿Aplicar la carga muerta 0.685 To/m2 (antes 0.513 To/m2) "
                         "a las 6 losas que tienen el valor anterior?"));
    QCOMPARE(e->guion.mensajes[2].texto,
             std::string("¿Aplicar la carga viva 0.300 To/m2 (antes 0.250 To/m2) a "
                         "las 5 losas que tienen el valor anterior?"));
    QCOMPARE(e->guion.mensajes[0].botones, Botones::SiNo);
    CompruebaContra("generales_a_losas.txt");
    // The slab table shows what the project holds; reopening asks nothing more.
    QCOMPARE(Losas()->Texto(0, ColLosa::Espesor), QString("0.15"));
    QVERIFY(Abre("GeneralItem"));
    Pulsa(Qt::Key_Escape);
    QCOMPARE(e->guion.mensajes.size(), std::size_t{3});
  }

  // Closing the program while a cell is being typed: the cell counts, then the usual
  // question; Cancel keeps everything open.
  void CerrarConUnaCeldaAbierta() {
    QVERIFY(Abre("LosasItem"));
    Teclea("4,5");  // Lx of a new slab, the editor still open
    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::Cancelar};
    QVERIFY(!e->placat.close());
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e->guion.UltimoTexto(), std::string("¿Guardar los cambios de proyecto sin titulo?"));
    QCOMPARE(P().NumLosas, 1);
    QCOMPARE(P().Lx[1], 4.5f);
    QVERIFY(e->placat.Datoslosas2()->isVisible());
  }

  // A file rewritten by another program since it was loaded is not overwritten with
  // only the usual question: the engineer is told and chooses.
  void ArchivoCambiadoPorOtroPrograma() {
    const QString ruta = dir.filePath("otro.Los");
    QVERIFY(QFile::copy(Ejemplo("techo.Los"), ruta));
    QVERIFY(e->Carga(ruta));
    QVERIFY(Abre("GeneralItem"));
    EscribeCaja(Caja::Nombre, "Techo del garaje");
    Pulsa(Qt::Key_Escape);
    QFile ajeno(ruta);
    QVERIFY(ajeno.open(QIODevice::WriteOnly | QIODevice::Append));
    ajeno.write("escrito por otro programa\r\n");
    ajeno.close();
    const QByteArray deOtro = [&] {
      QFile f(ruta);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::No};
    e->placat.Accion("SalvaItem")->trigger();  // the same file chosen again
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e->guion.UltimoTexto(),
             std::string("El archivo otro.Los fue modificado por otro programa desde "
                         "que se cargo o se salvo.\r¿Reemplazarlo con este proyecto?"));
    QCOMPARE(e->guion.mensajes[0].botones, Botones::SiNo);
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), deOtro);
    f.close();
    QCOMPARE(e->placat.windowTitle(), QString("otro.Los* - Placatec"));

    e->guion.respuestas = {Respuesta::Si};
    e->placat.Accion("SalvaItem")->trigger();
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith("Techo del garaje\r\n"));
    f.close();
    // Saved by the program itself, it is saved again without a question.
    e->guion.mensajes.clear();
    e->placat.Accion("SalvaItem")->trigger();
    QVERIFY(e->guion.mensajes.empty());
  }

  // Only the engineer's changes make a project modified: the windows opened and left
  // as they were, and a new project after a floor, ask nothing when the program closes.
  void ProyectoSinTocarNoPreguntaNada() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    for (const char* item : {"GeneralItem", "LosasItem", "ApoyosItem"}) {
      QVERIFY(Abre(item));
      Pulsa(Qt::Key_Escape);
      QVERIFY2(!P().Modificado, item);
    }
    e->guion.respuestas = {Respuesta::Si};
    e->placat.Accion("NuevoItem")->trigger();
    Clic(e->placat.Datosgen()->OKButtom());
    e->guion.mensajes.clear();
    QVERIFY(e->placat.close());
    QVERIFY(e->guion.mensajes.empty());
    QCOMPARE(e->placat.windowTitle(), QString("Placatec"));
  }

  // f'c: the list offers 250 and 300, and any whole value from 140 to 420 may be typed;
  // fy keeps to its list.
  void FcEscritoDentroDelRango() {
    QVERIFY(Abre("GeneralItem"));
    QComboBox* fc = e->placat.Datosgen()->Combo1();
    QVERIFY(fc->findText("250") >= 0 && fc->findText("300") >= 0);
    EscribeCaja(Caja::Combo1, "265");
    Pulsa(Qt::Key_Tab);
    QCOMPARE(P().Fc, 265);
    e->guion.mensajes.clear();
    EscribeCaja(Caja::Combo1, "450");  // the 5 is refused as typed: "40" is left
    Pulsa(Qt::Key_Tab);
    QCOMPARE(P().Fc, 265);
    QCOMPARE(e->guion.UltimoTexto(),
             std::string("Hormigon, F'c (Kg/cm2)\r40 no es un valor entero entre 140 y "
                         "420; se mantiene 265"));
    EscribeCaja(Caja::Combo2, "3000");
    Pulsa(Qt::Key_Tab);
    QCOMPARE(P().Fy, 2800);
  }
};

QTEST_MAIN(DatosConectadosTest)
#include "datos_conectados_test.moc"
