#pragma once
// The plan of the session's project for the windows, the report and the batch
// calculator, and the "Exportar DXF..." command.
#include <string>

#include "comandos/Sesion.h"
#include "model/Interlocutor.h"
#include "outputs/Planta.h"

namespace placatec {

// The plan of the project as it is, with the checks of the last calculation and the
// marks of its bar schedule while that calculation describes the data.
DibujoPlanta DibujoDeSesion(const Sesion& s, const OpcionesPlanta& o = {});

// The same plan for a sheet on which it is fitted into `ancho` x `alto`: texts at least
// `altoMinimo` high there (capitals, in the same unit), and those that do not fit
// their slab or bar left out.
DibujoPlanta DibujoParaPapel(const Sesion& s, double ancho, double alto, double altoMinimo);

// Writes the plan as a DXF file. Without a calculation that describes the data, the
// project is calculated first, as the report does; a refused calculation leaves the
// steel out and says why after writing. Refuses a project without slabs and the
// project's own file; a failed write is told with the system's reason. True when the
// file was written.
bool ExportaDxf(Sesion& s, const std::string& ruta, Interlocutor& ui);

// Tells the engineer, in one message titled "Planta", the places of slabs that
// contradict a support and the slabs that overlap, when they differ from what was told
// last (EstadoSesion::DisposicionAvisada). Nothing when the layout has no problem.
void AvisaDisposicion(Sesion& s, Interlocutor& ui);

}  // namespace placatec
