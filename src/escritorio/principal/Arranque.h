#pragma once
// The program's start: Qt's own Spanish texts and the start-up procedure.
class QCoreApplication;

namespace placatec {

class PlacatForm;

// Installs Qt's Spanish translation (qtbase_es), so that message boxes read Sí, No,
// Aceptar, Cancelar and the file and print dialogs are in Spanish. False when the
// translation is not installed on this machine (the program then runs with Qt's
// English button texts).
bool InstalaTraduccionQt(QCoreApplication& app);

// Shows the main window and gives the project its start-up defaults, with
// "Cargando el programa..." in the status line meanwhile. The main window's first
// activation, which comes afterwards from the event loop, opens the general data.
void Main(PlacatForm& placat);

}  // namespace placatec
