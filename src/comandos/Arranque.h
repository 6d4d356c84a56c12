#pragma once
// The program's start, as the desktop and the batch calculator both run it.
#include "comandos/Sesion.h"
#include "model/Interlocutor.h"

namespace placatec {

// Gives the project its start-up defaults, with "Cargando el programa..." in the
// status line meanwhile.
void IniciaPrograma(Sesion& s, Interlocutor& ui);

// The general data dialog opened and closed with OK without a change: what the desktop
// leaves after its first activation (or a load) when the user accepts the dialog.
void AceptaDatosGenerales(Sesion& s);

}  // namespace placatec
