// The report written as PDF: its text, its pages, and failures that say why.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "escritorio/pdf/PintaReporte.h"
#include "escritorio/vistaprevia/EntornoQt.h"
#include "report/Papel.h"
#include "report/ProyectoEjemplo.h"
#include "report/Reporte.h"

using namespace placatec;

class PdfTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  static QString Ejecuta(const QString& programa, const QStringList& args) {
    QProcess p;
    p.start(programa, args);
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
  }

  // Page images for a person to look at, when asked for.
  static void GuardaImagenes(const QString& pdf, const QString& nombre) {
    const QString destino = qEnvironmentVariable("PLACATEC_SCREENSHOTS");
    if (destino.isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty()) return;
    QDir().mkpath(destino);
    Ejecuta("pdftoppm", {"-r", "50", "-png", pdf, destino + "/" + nombre});
  }

 private slots:
  void ReporteCompletoConSusTextos() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    Sesion s;
    ejemplo::Llena(s, 20, 19);
    // The report calculates first: slabs supported on four edges, so that it can.
    for (int i = 1; i <= 20; ++i) s.proyecto.CodigoLosa[i] = 9;
    s.estado.TituloReporte.clear();
    const QString ruta = dir_.filePath("reporte.pdf");
    std::string error;
    QVERIFY2(ExportaPdf(s, ruta.toStdString(), error), error.c_str());
    GuardaImagenes(ruta, "reporte20");

    const QString texto = Ejecuta("pdftotext", {"-layout", ruta, "-"});
    // (Every section and heading: the report's tests and the calculator's PDF test.)
    for (const char* sub : {"Datos generales", "A = Apoyado", "\xC3\xB8 3/8\" a 0.25", "Reac-ultima"})
      QVERIFY2(texto.contains(QString::fromUtf8(sub)), sub);

    // Header and footer on every page.
    const QStringList paginas = texto.split(QChar('\f'), Qt::SkipEmptyParts);
    int conTexto = 0;
    for (int n = 0; n < paginas.size(); ++n) {
      if (paginas[n].trimmed().isEmpty()) continue;
      ++conTexto;
      QVERIFY2(paginas[n].contains(QString::fromUtf8("P\xC3\xA1g. %1 de %2").arg(n + 1).arg(paginas.size())),
               qPrintable(QString::number(n + 1)));
      QVERIFY(paginas[n].contains("Edificio K1"));
    }
    QVERIFY(conTexto >= 3);

    // The fonts travel with the file.
    const QString fuentes = Ejecuta("pdffonts", {ruta});
    if (!fuentes.isEmpty()) QVERIFY(fuentes.contains("yes"));
  }

  void FallosConMensajeYSinArchivoAMedias() {
    Sesion s;
    ejemplo::Llena(s, 2, 1);
    std::string error;
    QVERIFY(!ExportaPdf(s, "/no/existe/esta/carpeta/r.pdf", error));
    QVERIFY(QString::fromStdString(error).startsWith("No se pudo crear el archivo"));

    // A bad page range writes nothing and keeps the file that was there.
    const QString ruta = dir_.filePath("previo.pdf");
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("previo");
    f.close();
    const Maqueta m =
        MaquetaDocumento(Reporte().Inicia(s, OpcionesReporte{}, {}), ConfiguracionPagina{}, MedidorQt());
    QString e;
    QVERIFY(!EscribePdf(m, ConfiguracionPagina{}, ruta, e, 5, 9));
    QVERIFY(e.startsWith("Las paginas a imprimir deben estar entre 1 y"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("previo"));
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  PdfTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "pdf_test.moc"
