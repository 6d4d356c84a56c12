#include "escritorio/principal/Arranque.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "comandos/Arranque.h"
#include "escritorio/principal/PlacatForm.h"

namespace placatec {

bool InstalaTraduccionQt(QCoreApplication& app) {
  auto* traductor = new QTranslator(&app);
  const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!traductor->load(QStringLiteral("qtbase_es"), carpeta)) {
    delete traductor;
    return false;
  }
  return QCoreApplication::installTranslator(traductor);
}

void Main(PlacatForm& placat) {
  placat.show();
  IniciaPrograma(placat.sesion(), placat);
}

}  // namespace placatec
