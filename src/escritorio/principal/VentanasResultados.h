#pragma once
// The results, reactions, quantities, checks, bar schedule and plan windows of the main window: created once,
// hidden between uses, and opened by the "&Calculo" menu through the main window's
// hooks. Each window's OK gives the main window back.
#include <memory>

namespace placatec {

class PlacatForm;
class ResuForm;
class ReacForm;
class MedidasForm;
class VerifForm;
class PlanillaForm;
class PlantaForm;

class VentanasResultados {
 public:
  explicit VentanasResultados(PlacatForm& placat);
  ~VentanasResultados();
  VentanasResultados(const VentanasResultados&) = delete;
  VentanasResultados& operator=(const VentanasResultados&) = delete;

  ResuForm& Resu() const { return *resu_; }
  ReacForm& Reac() const { return *reac_; }
  MedidasForm& Medidas() const { return *medidas_; }
  VerifForm& Verif() const { return *verif_; }
  PlanillaForm& Planilla() const { return *planilla_; }
  PlantaForm& Planta() const { return *planta_; }

 private:
  PlacatForm& placat_;
  // Top-level windows without a parent, so that disabling the main window leaves
  // them usable.
  std::unique_ptr<ResuForm> resu_;
  std::unique_ptr<ReacForm> reac_;
  std::unique_ptr<MedidasForm> medidas_;
  std::unique_ptr<VerifForm> verif_;
  std::unique_ptr<PlanillaForm> planilla_;
  std::unique_ptr<PlantaForm> planta_;
};

}  // namespace placatec
