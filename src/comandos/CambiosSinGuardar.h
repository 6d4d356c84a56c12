#pragma once
// The project's unsaved changes: the question before a command drops them, and the
// main window's title, which shows them with an asterisk.
#include <functional>
#include <string>

#include "comandos/Sesion.h"
#include "model/Interlocutor.h"

namespace placatec {

// "Nuevo", "Carga archivo", "Termina" and closing the main window ask this first.
// A modified project (EstadoSesion::Modificado) is offered for saving with "¿Guardar los
// cambios de <título o archivo>?" and the buttons Guardar, No guardar, Cancelar.
// Guardar saves to the project's file, or to the name pideRuta gives when it has none
// (empty: the engineer cancelled). Returns whether the command may go on: true when
// nothing was modified, on No guardar, or after a successful save; false on Cancelar
// or when nothing was saved, the project then untouched.
bool PuedeDescartar(Sesion& s, Interlocutor& ui, const std::function<std::string()>& pideRuta);

// What the question calls the project: its title, else its file's name, else
// "proyecto sin titulo".
std::string NombreProyecto(const Sesion& s);

// The main window's title: "Placatec", or "<archivo> - Placatec" once the project has
// a file, with "*" after the name while the project holds unsaved changes.
std::string TituloVentana(const Sesion& s);

}  // namespace placatec
