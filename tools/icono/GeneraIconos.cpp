// Writes the program's icon as PNG files for the desktop's icon theme:
// CARPETA/NxN/apps/NOMBRE.png for each size given.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "escritorio/widgets/IconoPrograma.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "uso: genera-iconos CARPETA NOMBRE LADO...\n");
    return 2;
  }
  const QString carpeta = QString::fromLocal8Bit(argv[1]), nombre = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    const int lado = std::atoi(argv[i]);
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(carpeta).arg(lado);
    if (lado <= 0 || !QDir().mkpath(dir) ||
        !placatec::ImagenPrograma(lado).save(QStringLiteral("%1/%2.png").arg(dir, nombre))) {
      std::fprintf(stderr, "genera-iconos: no se pudo escribir el icono de %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
