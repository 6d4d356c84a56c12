// Data that stay connected while the engineer works from the keyboard: deleting a slab
// renumbers the supports, the arrow keys move between rows, a changed general value is
// offered to the slabs that held the old one, a cell being typed counts when the
// program is closed, a file changed by another program is not overwritten unasked, and
// an untouched project asks nothing (f'c is typed in teclado_test).
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <map>

#include "../../EscritorioPrueba.h"
#include "CapturaPantalla.h"
#include "Casos.h"
#include "escritorio/entrada/DatosapoyosForm.h"
#include "escritorio/entrada/Datoslosas2Form.h"

using namespace placatec;

class DatosConectadosTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Escritorio> e;
  QTemporaryDir dir;
  Proyecto& P() { return e->sesion.proyecto; }
  Rejilla* Losas() { return e->placat.Datoslosas2()->SSDBGrid1(); }
  // The slabs and supports as a data file lists them: "losa|Lx Ly edges dead live
  // thickness" and "apoyo|direction slab1 slab2".
  void CompruebaContra(const char* archivo) {
    std::map<std::string, QStringList> esperado, hecho;
    for (const auto& c : LeeCasos(PLACATEC_SOURCE_DIR "/tests/corpus/teclado/" + std::string(archivo)))
      esperado[c[0]] << QString::fromStdString(c[1]);
    auto n = [](float v) { return QString::number(static_cast<double>(v)); };
    const Proyecto& p = P();
    for (int i = 1; i <= p.NumLosas; ++i)
      hecho["losa"] << QStringList{n(p.Lx[i]),
                                   n(p.Ly[i]),
                                   QString::fromStdString(p.Bordes[i]),
                                   n(p.CargaMuertaVano[i]),
                                   n(p.CargaVivaVano[i]),
                                   n(p.EspesorLosa[i])}
                           .join(' ');
    for (int j = 1; j <= std::max(p.NumApoyos, p.NumApoyosReac); ++j)
      hecho["apoyo"] << QString::fromStdString(p.ApoyoDir[j]) + " " + n(p.ApoyoLosa1[j]) + " " +
                            n(p.ApoyoLosa2[j]);
    QVERIFY(!esperado["losa"].isEmpty());
    QCOMPARE(hecho, esperado);
  }

 private slots:
  void init() {
    e = std::make_unique<Escritorio>();
    QVERIFY(e->Arranca());
  }
  void cleanup() { e.reset(); }

  // Slab 2 of the office floor deleted from the keyboard: the slabs after it move up,
  // the supports follow them (the reactions' own too), and the three that joined slab 2
  // go, named in a message.
  void BorrarUnaLosaRenumeraLosApoyos() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    QVERIFY(e->Elige("AnalisisItem", "ReacItem"));
    Rejilla* reacciones = QApplication::activeWindow()->findChild<Rejilla*>();
    reacciones->PonCelda(P().NumApoyos, ColReac::Descripcion);  // a wall under slab 3 alone
    for (const char* celda : {"Muro", "X", "3", "0"}) {
      Teclea(celda);
      Pulsa(Qt::Key_Tab);
    }
    Pulsa(Qt::Key_Escape);
    QVERIFY(e->Abre("LosasItem"));
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
    QVERIFY(e->Abre("ApoyosItem"));
    Rejilla* apoyos = e->placat.Datosapoyos()->SSDBGrid1();
    QCOMPARE(apoyos->Texto(3, ColApoyo::Num) + apoyos->Texto(3, ColApoyo::Losa2), QString("45"));
  }

  // Up and Down go to the row above or below from any cell, the edge cells included,
  // keeping what was typed; the edge list opens with Alt+Down (or F4) only.
  void FlechasEntreFilas() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    QVERIFY(e->Abre("LosasItem"));
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
    Pulsa(Qt::Key_Escape);
    QVERIFY(!e->placat.Datoslosas2()->isVisible());
    QCOMPARE(P().Bordes[1], std::string("EEEE"));
    QCOMPARE(P().Bordes[2], std::string("EEAE"));
    QCOMPARE(P().Bordes[3], std::string("AAAE"));
  }

  // A general value changed with slabs holding the old one: each is offered to them.
  void ValoresGeneralesOfrecidosALasLosas() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    QVERIFY(e->Abre("GeneralItem"));
    e->EscribeCaja(Caja::Espesor, "0,15");
    e->EscribeCaja(Caja::Text3_5, "0,1");  // "Otras cargas": the dead load goes up by 0.1
    e->EscribeCaja(Caja::Cargav, "0,3");
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
    QVERIFY(e->Abre("GeneralItem"));
    Pulsa(Qt::Key_Escape);
    QCOMPARE(e->guion.mensajes.size(), std::size_t{3});
  }

  // A file rewritten by another program since it was loaded is not overwritten with
  // only the usual question: the engineer is told and chooses.
  void ArchivoCambiadoPorOtroPrograma() {
    const QString ruta = dir.filePath("otro.Los");
    QVERIFY(QFile::copy(Ejemplo("techo.Los"), ruta));
    QVERIFY(e->Carga(ruta));
    QVERIFY(e->Abre("GeneralItem"));
    e->EscribeCaja(Caja::Nombre, "Techo del garaje");
    Pulsa(Qt::Key_Escape);
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::Append) && f.write("escrito por otro programa\r\n") > 0);
    f.close();

    e->guion.mensajes.clear();
    e->guion.respuestas = {Respuesta::No};
    e->placat.Accion("SalvaItem")->trigger();  // the same file chosen again
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e->guion.UltimoTexto(),
             std::string("El archivo otro.Los fue modificado por otro programa desde "
                         "que se cargo o se salvo.\r¿Reemplazarlo con este proyecto?"));
    QCOMPARE(e->guion.mensajes[0].botones, Botones::SiNo);
    QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll().endsWith("escrito por otro programa\r\n"));
    f.close();

    e->guion.respuestas = {Respuesta::Si};
    e->placat.Accion("SalvaItem")->trigger();
    QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll().startsWith("Techo del garaje\r\n"));
    // Saved by the program itself, it is saved again without a question.
    e->guion.mensajes.clear();
    e->placat.Accion("SalvaItem")->trigger();
    QVERIFY(e->guion.mensajes.empty());
  }

  // The project block is typed on its own tab of "Datos Generales", marks the project
  // modified and is saved with it.
  void FichaDelProyectoEnSuPestana() {
    const QString ruta = dir.filePath("ficha.Los");
    QVERIFY(QFile::copy(Ejemplo("techo.Los"), ruta));
    QVERIFY(e->Carga(ruta));
    QVERIFY(e->Abre("GeneralItem"));
    Pulsa(Qt::Key_P, Qt::AltModifier);
    QCOMPARE(ConFoco()->objectName(), QString("Ficha_Nombre"));
    Teclea("Vivienda Lote 4");
    for (int k = 0; k < 6; ++k) Pulsa(Qt::Key_Tab);
    Teclea("B");  // "Revision"
    Pulsa(Qt::Key_Tab);
    Teclea("Sin acceso");
    Pulsa(Qt::Key_Return);
    Teclea("al techo");
    CapturaPantalla(e->placat.Datosgen(), "DatosgenForm_proyecto");
    Pulsa(Qt::Key_Escape);
    QCOMPARE(P().Ficha.Revision, std::string("B"));
    QCOMPARE(P().Ficha.Notas, std::string("Sin acceso\nal techo"));
    QVERIFY(e->placat.windowTitle().contains('*'));
    e->placat.Accion("SalvaItem")->trigger();
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(
        f.readAll().endsWith("[Placatec]\r\nProyecto.Nombre=Vivienda Lote 4\r\nProyecto.Revision=B\r\n"
                             "Proyecto.Notas=Sin acceso\\nal techo\r\n"));
  }

  // Only the engineer's changes make a project modified: the windows opened and left
  // as they were, and a new project after a floor, ask nothing when the program closes.
  // A cell still being typed is such a change: it counts, then the usual question.
  void SoloLosCambiosDelIngenieroPreguntan() {
    QVERIFY(e->Carga(Ejemplo("entrepiso.Los")));
    for (const char* item : {"GeneralItem", "LosasItem", "ApoyosItem"}) {
      QVERIFY(e->Abre(item));
      Pulsa(Qt::Key_Escape);
      QVERIFY2(!e->sesion.estado.Modificado, item);
    }
    e->guion.respuestas = {Respuesta::Si};
    e->placat.Accion("NuevoItem")->trigger();
    Clic(e->placat.Datosgen()->OKButtom());
    e->guion.mensajes.clear();
    QVERIFY(!e->sesion.estado.Modificado);
    QCOMPARE(e->placat.windowTitle(), QString("Placatec"));

    QVERIFY(e->Abre("LosasItem"));
    Teclea("4,5");  // Lx of a new slab, the editor still open
    e->guion.respuestas = {Respuesta::Cancelar};
    QVERIFY(!e->placat.close());
    QCOMPARE(e->guion.mensajes.size(), std::size_t{1});
    QCOMPARE(e->guion.UltimoTexto(), std::string("¿Guardar los cambios de proyecto sin titulo?"));
    QCOMPARE(P().Lx[1], 4.5f);
    QVERIFY(e->placat.Datoslosas2()->isVisible());
  }
};

QTEST_MAIN(DatosConectadosTest)
#include "datos_conectados_test.moc"
