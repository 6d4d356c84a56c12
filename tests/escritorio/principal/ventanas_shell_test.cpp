// The small windows of the shell: the about box with its version and system
// information button, the tip dialog, and the help with its contents and search.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "CapturaPantalla.h"
#include "InterlocutorGuion.h"
#include "escritorio/principal/Ayuda.h"
#include "escritorio/principal/frmAbout.h"
#include "escritorio/resultados/frmTip.h"

using namespace placatec;

namespace {

// An executable file named `nombre` in dir.
void CreaPrograma(const QString& dir, const QString& nombre) {
  QFile f(QDir(dir).filePath(nombre));
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("#!/bin/sh\nexit 0\n");
  f.close();
  f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

}  // namespace

class VentanasShellTest : public QObject {
  Q_OBJECT

 private slots:
  void AcercaDeMuestraTituloYVersion() {
    InterlocutorGuion guion;
    frmAbout about(guion);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.lblTitle->text(), QString("Placatec"));
    const QString esperada = QString("Versión %1.%2.%3")
                                 .arg(PLACATEC_VERSION_MAJOR)
                                 .arg(PLACATEC_VERSION_MINOR)
                                 .arg(PLACATEC_VERSION_PATCH);
    QCOMPARE(about.lblVersion->text(), esperada);
    CapturaPantalla(&about, "frmAbout");

    // System information: a tool found in the folders searched is started.
    QTemporaryDir vacia, conHerramienta;
    QStringList arrancados;
    about.arranca = [&](const QString& p) {
      arrancados << p;
      return true;
    };

    // No tool in the folders searched: the message, nothing started.
    about.carpetasInfoSistema = {vacia.path()};
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    QCOMPARE(guion.mensajes.size(), std::size_t{1});
    QCOMPARE(guion.UltimoTexto(), std::string("System Information no ha sido encontrada"));
    QVERIFY(arrancados.isEmpty());

    // A tool present is started, the preferred one first.
    CreaPrograma(conHerramienta.path(), "gnome-system-monitor");
    CreaPrograma(conHerramienta.path(), "hardinfo");
    about.carpetasInfoSistema = {conHerramienta.path()};
    QCOMPARE(BuscaInfoSistema({conHerramienta.path()}), QDir(conHerramienta.path()).filePath("hardinfo"));
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    QCOMPARE(arrancados, QStringList{QDir(conHerramienta.path()).filePath("hardinfo")});
    QCOMPARE(guion.mensajes.size(), std::size_t{1});

    // A tool that cannot be started is as good as none.
    about.arranca = [](const QString&) { return false; };
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    QCOMPARE(guion.mensajes.size(), std::size_t{2});
    QCOMPARE(guion.UltimoTexto(), std::string("System Information no ha sido encontrada"));
    QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }

  void TipMuestraSuTextoEntero() {
    frmTip tip;
    tip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tip));
    QCOMPARE(tip.windowTitle(), QString("Tip"));
    const auto etiquetas = tip.findChildren<QLabel*>();
    QVERIFY(std::any_of(etiquetas.begin(), etiquetas.end(),
                        [](QLabel* l) { return l->text() == "Sabia usted que..."; }));
    const QString texto = tip.lblTipText->text();
    QVERIFY(texto.startsWith("Es posible agregar nuevos apoyos, como vigas, por ejemplo, a fin de"));
    QVERIFY(texto.contains("y el numero de la losa que apoya en la otra casilla. "));
    QVERIFY(texto.endsWith("la carga del borde sobre el que este se encuentra."));
    QCOMPARE(tip.lblTipText->textFormat(), Qt::PlainText);
    // The whole text fits in the label as shown.
    QVERIFY(tip.lblTipText->heightForWidth(tip.lblTipText->width()) <= tip.lblTipText->height());
    CapturaPantalla(&tip, "frmTip");
    QTest::mouseClick(tip.cmdOK, Qt::LeftButton);
    QVERIFY(!tip.isVisible());
  }

  void PaginasYBusquedaDeLaAyuda() {
    QVERIFY(HayAyuda());
    const auto paginas = PaginasAyuda();
    QVERIFY(paginas.size() >= 12);
    QCOMPARE(paginas.front().titulo, QString("Contenido"));
    QStringList titulos;
    for (const auto& p : paginas) {
      QVERIFY2(QFileInfo(p.archivo).size() > 200, qPrintable(p.archivo));
      titulos << p.titulo;
    }
    // Every window has its page, and the method has its own.
    for (const char* t : {"Datos Generales", "Datos de Losas", "Datos de Apoyos", "Método de cálculo",
                          "Pesos de Materiales", "Reacciones sobre apoyos"})
      QVERIFY2(titulos.contains(t), t);

    // Search: every word, case and accents ignored.
    auto titulosDe = [](const std::vector<PaginaAyuda>& v) {
      QStringList l;
      for (const auto& p : v) l << p.titulo;
      return l;
    };
    QVERIFY(titulosDe(BuscaEnAyuda("distribucion rigidez")).contains("Método de cálculo"));
    QVERIFY(!titulosDe(BuscaEnAyuda("distribucion rigidez")).contains("Datos de Losas"));
    QVERIFY(titulosDe(BuscaEnAyuda("PANDERETAS")).contains("Datos Generales"));
    QVERIFY(titulosDe(BuscaEnAyuda("métrico")).contains("Cálculo métrico"));
    for (const char* nada : {"", "   ", "zzzxq"}) QVERIFY(BuscaEnAyuda(nada).empty());
  }

  void VentanaDeAyuda() {
    VentanaAyuda ayuda;
    ayuda.MuestraContenido();
    QVERIFY(QTest::qWaitForWindowExposed(&ayuda));
    QVERIFY(ayuda.Navegador()->toPlainText().contains("Placatec"));
    QCOMPARE(ayuda.Indice()->count(), static_cast<int>(PaginasAyuda().size()));
    CapturaPantalla(&ayuda, "Ayuda_contenido");
    // A page of the contents list opens when clicked.
    QListWidgetItem* losas = ayuda.Indice()->findItems("Datos de Losas", Qt::MatchExactly).value(0);
    QVERIFY(losas);
    QTest::mouseClick(ayuda.Indice()->viewport(), Qt::LeftButton, {},
                      ayuda.Indice()->visualItemRect(losas).center());
    QVERIFY(ayuda.Navegador()->toPlainText().contains("Posicion Bordes"));

    // The search box filters the list of pages as the user types.
    ayuda.MuestraBusqueda();
    QTest::keyClicks(ayuda.CajaBusqueda(), "voladizo");
    QVERIFY(ayuda.Encontradas()->count() >= 2);
    QTest::keyClicks(ayuda.CajaBusqueda(), " quintales");
    QCOMPARE(ayuda.Encontradas()->count(), 1);
    QCOMPARE(ayuda.Encontradas()->item(0)->text(), QString("Cálculo métrico"));
    QTest::keyClick(ayuda.CajaBusqueda(), Qt::Key_Return);
    QVERIFY(ayuda.Navegador()->toPlainText().contains("DESPERDICIO", Qt::CaseInsensitive));
    CapturaPantalla(&ayuda, "Ayuda_busqueda");
    // A link of a page leads to another page.
    ayuda.AbrePagina(":/ayuda/indice.html");
    ayuda.Navegador()->setSource(QUrl("metodo.html"));
    QVERIFY(ayuda.Navegador()->toPlainText().contains("Marcus"));
  }
};

QTEST_MAIN(VentanasShellTest)
#include "ventanas_shell_test.moc"
