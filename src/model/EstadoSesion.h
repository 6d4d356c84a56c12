#pragma once
// What the program holds about the project while it runs, beside the project itself:
// the file it came from and that file's bytes, whether it has unsaved changes and a
// valid calculation, the texts of the report's header and footer, and the slab
// table's row defaults. None of it is kept in the project file; a load leaves what
// belongs to the program (the row defaults, the report's footer) as it was.
#include <string>

#include "model/Proyecto.h"

namespace placatec {

struct EstadoSesion {
  std::string NombreArchivo;  // the project's file, set by load and save
  // The bytes of that file as this program last read or wrote them: a file that
  // differs on disk was changed by another program since.
  std::string EnDisco;
  bool Cargando = false;      // a project file is being read
  bool CalculoHecho = false;  // the last calculation describes the project as it is
  // The engineer's data differ from the file last loaded or saved (entry/VigilaDatos).
  bool Modificado = false;
  Integer ErrorCalculo = 0;  // the last calculation was refused

  // The problems of the slabs' places in the plan last told to the engineer, one a line:
  // the same problems are not told again at every change.
  std::string DisposicionAvisada;

  std::string TituloReporte;  // header of the report, set with the title
  std::string PieReporte;     // footer of the report, kept until the program ends

  // Row defaults of the slab table: what a new or incomplete row takes.
  Single LxDefecto = 1.0f;
  Single LyDefecto = 1.0f;
  Single CargaMuertaDefecto = 0.36f;
  Single CargaVivaDefecto = 0.2f;
  Single EspesorDefecto = 0.12f;
};

}  // namespace placatec
