#pragma once
// Paints the plan of the storey with QPainter, on the screen or on a printed page:
// slabs filled, lines in their layer's colour and weight (red for what fails), free
// edges dashed, texts at their height in metres, turned as the plan says.
#include <QPainter>
#include <QRectF>
#include <QTransform>

#include "outputs/Planta.h"

namespace placatec {

// The transform that shows the whole drawing in `area` (device units), centred, X to the
// right and Y upwards.
QTransform AjustaPlanta(const DibujoPlanta& d, const QRectF& area);

struct OpcionesPintura {
  double pixelesPorMilimetro = 4;  // the device's units in a millimetre of line weight
  Integer seleccionada = 0;        // the slab drawn as selected, 0 for none
  double altoMinimoTexto = 3;      // texts smaller than this (device units) are left out
};

// Paints d through `metros`, which takes storey metres to the painter's device units.
void PintaPlanta(QPainter& p, const DibujoPlanta& d, const QTransform& metros, const OpcionesPintura& o = {});

// The slab whose outline holds the point (storey metres), 0 for none.
Integer LosaEn(const DibujoPlanta& d, QPointF metros);

}  // namespace placatec
