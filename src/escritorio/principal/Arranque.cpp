#include "escritorio/principal/Arranque.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "escritorio/principal/PlacatForm.h"
#include "model/Defectos.h"

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
  placat.Estado("Cargando el programa...");
  // The f'c and fy lists were filled when the general data window was built.
  Proyecto& p = placat.sesion().proyecto;
  p.Cargando = false;
  ValoresPorDefecto(p);
  placat.Estado("");
}

}  // namespace placatec
