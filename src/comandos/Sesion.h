#pragma once
// What the program holds while it runs: the project and, beside it, the state of the
// session, the results of its last calculation and the working copies of its windows (the data-entry form
// models and the result tables), which the file load fills and the report reads. The
// desktop owns exactly one; the batch calculator and the tests make their own.
#include <array>
#include <string>
#include <vector>

#include "entry/DatosGenerales.h"
#include "entry/TablaApoyos.h"
#include "entry/TablaLosas.h"
#include "model/EstadoSesion.h"
#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"
#include "model/TablaResultado.h"
#include "outputs/Cantidades.h"
#include "outputs/Planilla.h"
#include "outputs/Reacciones.h"
#include "outputs/Verificaciones.h"

namespace placatec {

struct Sesion {
  Proyecto proyecto;
  // The file, its bytes as last read or written, the unsaved changes, whether the
  // results are valid, the report's texts and the row defaults.
  EstadoSesion estado;

  // Data-entry form models.
  DatosGenerales generales{proyecto, estado};
  TablaLosas losas{proyecto, estado};
  TablaApoyos apoyos{proyecto, estado};

  // The results of the last calculation that succeeded; they describe the project
  // while estado.CalculoHecho holds.
  ResultadosCalculo resultados;

  // Results window: the project title of its locked "Proyecto:" box, "REFUERZO EN
  // VANOS" (7 columns) and "REFUERZO EN APOYOS" (8).
  std::string nombreResultados;
  TablaResultado vanos;
  TablaResultado apoyosRefuerzo;

  // Reactions window.
  TablaReacciones reacciones{proyecto, estado};

  // Quantities window, with the waste allowance in force.
  TablaCantidades medidas;

  // "Verificaciones" window: the checks of the last calculation (their tables are laid
  // out from them where they are shown: TablasDe).
  Verificaciones verificaciones;

  // "Planilla de barras": the bar schedule of the last calculation.
  Planilla planilla;

  // The supports follow the slabs when slab rows are removed.
  Sesion() {
    losas.alRenumerar = [this](const std::vector<int>& nuevoNumero, Interlocutor& ui) {
      apoyos.RenumeraLosas(nuevoNumero, ui);
    };
  }
  Sesion(const Sesion&) = delete;
  Sesion& operator=(const Sesion&) = delete;
};

}  // namespace placatec
