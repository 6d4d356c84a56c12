#pragma once
// The main window's "&Carga archivo..." and "&Salva archivo..." commands, after the
// file dialog has given the file name. The window asks for the name, disables and
// enables itself around the dialog, and sets its menu items as said below.
#include <string>
#include <string_view>

#include "comandos/Sesion.h"
#include "model/ArchivoDisco.h"
#include "model/Interlocutor.h"

namespace placatec {

// Loads a project file. The file is read into a copy of the project, and the session's
// project is replaced only when the whole file was read: a file that cannot be read
// ("Archivo Ilegal", or a slab whose edges have no case) leaves the project, the
// dialogs and the tables as they were. On success it then fills the general data
// (through its boxes' rules), the slab and supports tables (cells as texts), clears
// CalculoHecho, sets NombreArchivo, and opens and activates the general data while
// Cargando is still true, so that the layers read are shown and the total dead load
// is recomputed from them.
// Returns true when the project was loaded: the window then disables "&Ver refuerzo"
// and "Ver calculo &Metrico" and shows the general data dialog (whose first
// activation has already run). Before asking for the file name the window enables
// "Calcular &Refuerzo" when the project holds a slab.
bool CargaArchivo(Sesion& s, const std::string& ruta, Interlocutor& ui);

// The same load from the bytes of a file already read; nombre becomes NombreArchivo.
bool CargaBytes(Sesion& s, std::string_view bytes, const std::string& nombre, Interlocutor& ui);

// Saves the project in ruta. When ruta is the project's own file and another program
// changed it since it was loaded or saved, the engineer is asked first (Sí / No); No
// saves nothing. The file is written beside the target under another name
// and put in the target's place only when it is complete, so the file that was there
// stays whole when anything fails. An error shows "El Disco no Esta Listo", "El Disco
// Esta Lleno", "Ilegal Nombre de Archivo" or the system's description, with OK (try
// again) and Cancel (give up). Returns true when the file was written; NombreArchivo
// is then ruta.
bool SalvaArchivo(Sesion& s, const std::string& ruta, Interlocutor& ui);

}  // namespace placatec
