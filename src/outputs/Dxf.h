#pragma once
// The plan as a DXF drawing that any CAD program opens: AutoCAD R12 (AC1009) ASCII,
// Windows-1252 text, units metres ($INSUNITS 6), one layer per kind of line
// (NombreCapa), dashed free edges by their layer's line type, slab outlines as closed
// polylines, everything else lines and texts (dimensions included). A slab or support
// with a failed check is drawn red over its layer's colour.
#include <string>
#include <string_view>

#include "outputs/Planta.h"

namespace placatec {

std::string TextoDxf(const DibujoPlanta& d);

// A text as a DXF TEXT holds it: Windows-1252, characters it has not as \U+XXXX, line
// breaks as blanks, and "%%" (a control code in DXF) written so that it shows as typed.
std::string TextoEnDxf(std::string_view utf8);

}  // namespace placatec
