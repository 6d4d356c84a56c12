#pragma once
// The main window: the menus from which every command starts, the status label
// (Label1) and the progress label (Label2). It is also how the core talks to the
// user (message boxes, the beep, the two labels).
//
// Other windows connect through the hooks below; each command that opens a data or
// results window disables this window first, and the window's OK calls
// RegresaDeDialogo() to enable it again.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "comandos/Sesion.h"
#include "model/Interlocutor.h"

class QLabel;
class QSettings;
class QStackedWidget;

namespace placatec {

class DatosgenForm;
class Datoslosas2Form;
class DatosapoyosForm;
class frmPesosMat;
class VentanaAyuda;
class Recuerdos;
class VistaPlanta;

class PlacatForm : public QMainWindow, public Interlocutor {
  Q_OBJECT

 public:
  explicit PlacatForm(Sesion& sesion, QWidget* parent = nullptr);
  ~PlacatForm() override;

  Sesion& sesion() { return sesion_; }

  // ---- Interlocutor: message boxes, beep, Label1 and Label2 ----
  Respuesta Pregunta(const Mensaje& m) override;
  void Beep() override;
  void Estado(const std::string& texto) override;
  void Progreso(const std::string& texto) override;
  // Answers message boxes and hears beeps instead of the user (tests); the labels
  // still show their texts and the guion also hears them. nullptr restores the user.
  void PonGuion(Interlocutor* guion) { guion_ = guion; }

  // ---- File names ----
  enum class DialogoArchivo { Abrir, Salvar, Dxf };
  // Asks for a project file name; empty when cancelled. Defaults to the system's file
  // dialog with the filter "Archivos de losas (*.Los)"; tests replace it.
  std::function<QString(DialogoArchivo)> pideArchivo;

  // ---- Memory between runs ----
  // Keeps in these settings the last four projects ("&Archivos" lists them above
  // "&Termina"), the folder of the last file chosen (where the file dialogs start) and
  // the window's size and position, which are restored at once. Without them, as in
  // the tests, nothing is remembered.
  void UsaAjustes(std::unique_ptr<QSettings> ajustes);
  Recuerdos* recuerdos() const { return recuerdos_.get(); }
  // A project named on the command line: the first activation loads it, with the
  // messages of "&Carga archivo...", instead of opening the general data by itself.
  void AbreAlArrancar(const QString& archivo) { archivoInicial_ = archivo; }
  // "&Carga archivo..." once the file name is known; also a recent project picked
  // from "&Archivos". True when the project was loaded.
  bool CargaDesde(const QString& archivo);

  // ---- Hooks for the windows other parts of the program provide ----
  // Each one prepares and shows its window without waiting for it. The command has
  // already disabled this window (except muestraVistaPrevia); the window's OK calls
  // RegresaDeDialogo(). A hook left empty makes its command do nothing.
  std::function<void()> muestraResultados;   // "&Ver refuerzo", and after "Calcular &Refuerzo"
  std::function<void()> muestraReacciones;   // "Ver reacciones sobre &Apoyos"
  std::function<void()> muestraMedidas;      // "Ver calculo &Metrico"
  std::function<void()> muestraVistaPrevia;  // "&Print preview..." (may throw: "Error")
  // "Verificacio&nes"
  std::function<void()> muestraVerificaciones;
  // "&Planilla de barras"
  std::function<void()> muestraPlanilla;
  // "P&lanta": the plan in a window of its own, which leaves this one enabled.
  std::function<void()> muestraPlanta;
  // The data changed: the plan window follows (called with the title's update).
  std::function<void()> actualizaPlanta;
  // A slab picked on the main window's plan: the plan window selects it too.
  std::function<void(int losa)> seleccionaEnPlanta;
  // "&Termina": ends the program at once. Tests replace it.
  std::function<void()> termina;

  // Opens a data or results window as the menu commands do: disables this window,
  // shows the window without waiting and lets pending events run.
  void AbreDialogo(QWidget* dialogo);
  // What the OK of such a window does at the end: enables and shows this window.
  void RegresaDeDialogo();

  // Menu items and menus by their control names ("CalculoItem", "AnalisisItem").
  QAction* Accion(const QString& nombre) const;
  QMenu* Menu(const QString& nombre) const;
  QLabel* Label1() const { return label1_; }
  QLabel* Label2() const { return label2_; }
  VentanaAyuda* Ayuda();
  bool PrimeraVez() const { return primeraVez_; }

  // The data windows, created once and hidden between uses.
  DatosgenForm* Datosgen() const { return datosgen_.get(); }
  Datoslosas2Form* Datoslosas2() const { return losas_.get(); }
  DatosapoyosForm* Datosapoyos() const { return apoyos_.get(); }
  frmPesosMat* PesosMat();
  // Shows the form models' contents in every data window (after a load or a reset).
  void MuestraDatos();
  // The title: the file's name, with "*" while the project holds unsaved changes; the
  // plan follows the data at the same time.
  void ActualizaTitulo();
  // The plan of the storey in the window's middle (the program's picture while there is
  // no slab).
  VistaPlanta* Planta() const { return planta_; }
  // A slab picked on a plan: the slab table's current row moves to it.
  void SeleccionaLosa(int losa);

  // ---- Menu commands ----
  void NuevoItem();
  void CargaItem();
  void SalvaItem();
  // "&Guardar": to the project's file without a dialog; without a file, as SalvaItem.
  void GuardaItem();
  void ImprimeItem();
  void TerminaItem();
  void GeneralItem();
  void LosasItem();
  void ApoyosItem();
  void ReacItem();
  void CalculoItem();
  void ResultadosItem();
  void MedidasItem();
  void VerificacionesItem();
  void PlanillaItem();
  void PlantaItem();
  // "&Exportar DXF...": the plan as a DXF file, after the file dialog.
  void ExportaDxfItem();
  void mnuPesos();
  void menu21();  // "&Contenido"
  void menu22();  // "&Búsqueda"
  void menu23();  // "&About Placatec"

  // Enabling when the "&Archivos" and "&Calculo" menus are opened.
  void AlAbrirArchivos();
  void AlAbrirCalculo();

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  // Closing the main window ends the program, as "&Termina" does, also while other
  // windows of the program are open.
  void closeEvent(QCloseEvent* e) override;

 private:
  void CreaMenus();
  void Salva(const QString& archivo);
  // Offers unsaved changes for saving, the cells and boxes being typed committed
  // first; false when the engineer cancels.
  bool PuedeDescartarCambios();
  void ConfirmaEdiciones();
  void PrimeraActivacion();
  void MuestraRecientes();
  QWidget* PadreMensajes() const;

  Sesion& sesion_;
  Interlocutor* guion_ = nullptr;
  QLabel* label1_;
  QLabel* label2_;
  QStackedWidget* centro_;
  VistaPlanta* planta_;
  bool primeraVez_ = true;
  QString archivoInicial_;
  std::unique_ptr<Recuerdos> recuerdos_;
  QList<QAction*> accionesRecientes_;
  // Top-level windows without a parent, so that disabling this window leaves them
  // usable; this window owns them.
  std::unique_ptr<DatosgenForm> datosgen_;
  std::unique_ptr<Datoslosas2Form> losas_;
  std::unique_ptr<DatosapoyosForm> apoyos_;
  std::unique_ptr<frmPesosMat> pesos_;
  std::unique_ptr<VentanaAyuda> ayuda_;
};

}  // namespace placatec
