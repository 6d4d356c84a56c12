#include "escritorio/principal/VentanasResultados.h"

#include "escritorio/principal/PlacatForm.h"
#include "escritorio/resultados/MedidasForm.h"
#include "escritorio/resultados/PlanillaForm.h"
#include "escritorio/resultados/ReacForm.h"
#include "escritorio/resultados/ResuForm.h"
#include "escritorio/resultados/VerifForm.h"

namespace placatec {

VentanasResultados::VentanasResultados(PlacatForm& placat)
    : placat_(placat),
      resu_(std::make_unique<ResuForm>(placat.sesion())),
      reac_(std::make_unique<ReacForm>(placat.sesion(), placat)),
      medidas_(std::make_unique<MedidasForm>(placat.sesion(), placat)),
      verif_(std::make_unique<VerifForm>(placat.sesion())),
      planilla_(std::make_unique<PlanillaForm>(placat.sesion())) {
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
}

VentanasResultados::~VentanasResultados() {
  placat_.muestraResultados = nullptr;
  placat_.muestraReacciones = nullptr;
  placat_.muestraMedidas = nullptr;
  placat_.muestraVerificaciones = nullptr;
  placat_.muestraPlanilla = nullptr;
}

}  // namespace placatec
