#pragma once
// The desktop as the engineer uses it, for the tests of the result windows: the main
// window with its result windows, a scripted user answering every message box, and
// projects loaded through "&Carga archivo...".
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

#include "InterlocutorGuion.h"
#include "UsuarioQt.h"
#include "comandos/Sesion.h"
#include "escritorio/entrada/DatosgenForm.h"
#include "escritorio/principal/Arranque.h"
#include "escritorio/principal/PlacatForm.h"
#include "escritorio/principal/VentanasResultados.h"
#include "escritorio/widgets/Rejilla.h"

namespace placatec {

struct Escritorio {
  Sesion sesion;
  PlacatForm placat{sesion};
  VentanasResultados ventanas{placat};
  InterlocutorGuion guion;
  QString archivo;

  Escritorio() {
    placat.PonGuion(&guion);
    placat.pideArchivo = [this](PlacatForm::DialogoArchivo) { return archivo; };
    placat.termina = [] {};
  }

  // The program starts; the general data dialog it opens by itself is closed by OK.
  bool Arranca() {
    Main(placat);
    if (!QTest::qWaitFor([this] { return placat.Datosgen()->isVisible(); })) return false;
    Clic(placat.Datosgen()->OKButtom());
    return placat.isEnabled();
  }

  // "&Carga archivo..." with the given file; the general data dialog that the load
  // opens is closed by OK.
  bool Carga(const QString& ruta) {
    archivo = ruta;
    placat.Accion("CargaItem")->trigger();
    if (!placat.Datosgen()->isVisible()) return false;
    Clic(placat.Datosgen()->OKButtom());
    return placat.isEnabled();
  }

  // A data window opened by its command: true once it has the keyboard and the main
  // window waits for it.
  bool Abre(const char* item) {
    placat.Accion(QString::fromLatin1(item))->trigger();
    return QTest::qWaitFor([] { return ConFoco() != nullptr; }) && !placat.isEnabled();
  }

  // Replaces the text of a box of the general data by typing.
  void EscribeCaja(Caja c, const QString& texto) {
    QLineEdit* caja = placat.Datosgen()->Caja(c);
    caja->setFocus();
    caja->selectAll();
    Teclea(texto);
  }

  // Opens a menu as the user does, so that its enabling runs, and closes it again.
  void AbreMenu(const char* nombre) {
    QMenu* m = placat.Menu(QString::fromLatin1(nombre));
    m->popup(QPoint(10, 10));
    QCoreApplication::processEvents();
    m->hide();
  }

  // A menu command as the user picks it: the menu is opened first.
  bool Elige(const char* menu, const char* item) {
    AbreMenu(menu);
    QAction* a = placat.Accion(QString::fromLatin1(item));
    if (!a->isEnabled()) return false;
    a->trigger();
    QCoreApplication::processEvents();
    return true;
  }
};

// Types a text into a cell, as the user does, and leaves the editor with Enter.
inline void EscribeEn(Rejilla* g, int fila, int columna, const QString& texto) {
  g->PonCelda(fila, columna);
  g->setFocus();
  Teclea(texto);
  Pulsa(Qt::Key_Return);
}

inline QString Ejemplo(const char* nombre) {
  return QStringLiteral(PLACATEC_SOURCE_DIR "/examples/") + QString::fromLatin1(nombre);
}

}  // namespace placatec
