#include "escritorio/principal/VentanasResultados.h"

#include "escritorio/entrada/Datoslosas2Form.h"
#include "escritorio/principal/PlacatForm.h"
#include "escritorio/resultados/MedidasForm.h"
#include "escritorio/resultados/PlanillaForm.h"
#include "escritorio/resultados/PlantaForm.h"
#include "escritorio/resultados/ReacForm.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/resultados/VerifForm.h"
#include "escritorio/widgets/VistaPlanta.h"

namespace placatec {

VentanasResultados::VentanasResultados(PlacatForm& placat)
    : placat_(placat),
      resu_(std::make_unique<ResuForm>(placat.sesion())),
      reac_(std::make_unique<ReacForm>(placat.sesion(), placat)),
      medidas_(std::make_unique<MedidasForm>(placat.sesion(), placat)),
      verif_(std::make_unique<VerifForm>(placat.sesion())),
      planilla_(std::make_unique<PlanillaForm>(placat.sesion())),
      planta_(std::make_unique<PlantaForm>(placat.sesion(), placat)) {
  auto regresa = [&placat] { placat.RegresaDeDialogo(); };
  resu_->alRegresar = regresa;
  reac_->alRegresar = regresa;
  medidas_->alRegresar = regresa;
  verif_->alRegresar = regresa;
  planilla_->alRegresar = regresa;
  // The commands have disabled the main window already.
  placat.muestraResultados = [this] { resu_->Muestra(); };
  placat.muestraReacciones = [this] { reac_->Abre(); };
  placat.muestraMedidas = [this] { medidas_->Abre(); };
  placat.muestraVerificaciones = [this] { verif_->Muestra(); };
  placat.muestraPlanilla = [this] { planilla_->Muestra(); };
  // The plan window leaves the main window enabled, as the print preview does.
  placat.muestraPlanta = [this] {
    planta_->Muestra();
    planta_->Selecciona(placat_.Planta()->Seleccionada());
  };
  placat.actualizaPlanta = [this] {
    if (planta_->isVisible()) planta_->Actualiza();
  };
  placat.seleccionaEnPlanta = [this](int losa) { planta_->Selecciona(losa); };
  planta_->alCambiarDatos = [&placat] {
    placat.Datoslosas2()->Muestra(false);
    placat.ActualizaTitulo();
  };
  planta_->alElegirLosa = [&placat](int losa) { placat.SeleccionaLosa(losa); };
  planta_->exportaDxf = [&placat] { placat.ExportaDxfItem(); };
}

VentanasResultados::~VentanasResultados() {
  placat_.muestraResultados = nullptr;
  placat_.muestraReacciones = nullptr;
  placat_.muestraMedidas = nullptr;
  placat_.muestraVerificaciones = nullptr;
  placat_.muestraPlanilla = nullptr;
  placat_.muestraPlanta = nullptr;
  placat_.actualizaPlanta = nullptr;
  placat_.seleccionaEnPlanta = nullptr;
}

}  // namespace placatec
