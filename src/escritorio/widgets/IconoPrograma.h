#pragma once
// The program's pictures, drawn rather than shipped as files.
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace placatec {

// A storey plan of four slab panels with their bottom bars.
QIcon IconoPrograma();
QPixmap DibujoPrograma(int lado);
// The same picture as an image, which needs no display (the icon files are made
// from it at build time).
QImage ImagenPrograma(int lado);
// The light bulb of the tip dialog.
QPixmap IconoBombilla();

}  // namespace placatec
