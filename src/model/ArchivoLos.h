#pragma once
// The project file (.Los): Windows-1252 text with CR LF line ends.
//
//   line 1        the title, whole line
//   line 2        NumLosas NumApoyos Fc Fy EspesorGeneral Recubrimiento CargaMuerta CargaViva
//   per slab      i Bordes , Lx Ly CargaMuertaVano CargaVivaVano CargaMuertaVuelo CargaVivaVuelo EspesorLosa
//   per support   j ApoyoDir , ApoyoLosa1 ApoyoLosa2
//   then, in the long form only:
//                 Uso (whole line); four lines EspesorCapa(k) PesoUnitCapa(k);
//                 Panderetas OtrasCargas; the use selector's text (whole line)
//   then, when the project holds anything the lines above cannot (the extra supports
//   of the reactions table, the supports' descriptions, items of a later version):
//                 the program's own section, "[Placatec]" and one "clave=valor" a line
//                 (SeccionPropia.h); a reader of the old format stops before it.
//
// The writer always writes the long form; the reader takes both.
#include <ostream>
#include <string>
#include <string_view>

#include "model/Proyecto.h"

namespace placatec {

// Writes the project in the long form. textoUsoSelector is the text shown in the use
// selector of the general data (for example "Techo plano"). Numbers are the file
// items of Numeros.h (7 significant digits, 15 for Panderetas). A line break inside a
// whole-line text, or a comma or line break inside an edge or direction text, would
// break the file's structure: they are written as blanks.
void EscribeProyecto(const Proyecto& p, const std::string& textoUsoSelector, std::ostream& salida);
std::string TextoProyecto(const Proyecto& p, const std::string& textoUsoSelector);

struct ResultadoLectura {
  bool completa = false;  // the whole file was read; otherwise it is "Archivo Ilegal"
  // When the file is refused for a reason worth telling, the whole message: the value
  // that would overflow the dead load ("Archivo Ilegal\rOtras cargas: valor demasiado
  // grande") or the damaged line of the program's own section. Empty otherwise.
  std::string mensaje;
  int losasLeidas = 0;  // slabs read whole before the reading stopped
  bool formaLarga = false;
  // The text the use selector is to show: the last line of the long form (without
  // blanks around it), or the use chosen from the title of a short-form file.
  std::string textoUso;
};

// Reads a project file's bytes into p: every value of the file, the general loads
// put into slabs with zero loads or thickness, the defaults of a short-form file, the
// program's own section after the long form, and NumApoyosReac (the continuous
// supports and the extra ones). A zero span is illegal, and so is a dead-load layer,
// partition or other load that would make the dead load built from them overflow.
// Edges are not classified here: the load command does it. Reading stops at the
// first fault; p then holds part of the file, so the caller reads into a copy.
//
// Reading rules: a whole-line item takes everything up to the line end. Any other
// item starts at its first non-blank character and may continue on the next line; a
// number ends at a blank, a comma or the line end, a text at a comma or the line end,
// and the delimiter is consumed (with the line end when only blanks follow it).
// Numbers may be written in any decimal notation; an Integer item is rounded half
// to even and must fit in 16 bits; a count must be 0..99 (at least 1 slab).
// A file that starts with the UTF-8 byte order mark is read as UTF-8.
ResultadoLectura LeeProyecto(std::string_view bytes, Proyecto& p);

}  // namespace placatec
