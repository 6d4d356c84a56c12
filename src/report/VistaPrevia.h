#pragma once
// Form model of the print preview window `LosPrev`: the page settings of its
// printing control, the texts and states of its controls, and the rules that keep
// them in step and rebuild the report after every change (`UpdatePreview`). The
// desktop window mirrors this model and forwards clicks and edits to it.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "comandos/Sesion.h"
#include "model/Interlocutor.h"
#include "report/Documento.h"
#include "report/Maquetacion.h"
#include "report/Reporte.h"

namespace placatec {

// The window's caption, also the title of its messages.
inline constexpr const char* kTituloVistaPrevia = "Vista preliminar";

// Twips as inches with up to two decimals and the inch mark: 1440 -> 1", 1800 ->
// 1.25", 1000 -> 0.69".
std::string ToInches(double twips);

// What the window needs from the machine: printers, their paper sizes, text
// measurement, the busy cursor and letting pending window events run.
class EntornoVistaPrevia {
 public:
  virtual ~EntornoVistaPrevia() = default;
  // Printer names in the system's order; never empty (the PDF printer at least).
  virtual std::vector<std::string> Impresoras() const = 0;
  virtual std::string ImpresoraPredeterminada() const = 0;
  virtual bool AdmitePapel(const std::string& impresora, int codigo) const = 0;
  virtual int PapelPredeterminado(const std::string& impresora) const = 0;
  virtual const MedidorTexto& Medidor() const = 0;
  virtual void Ocupado(bool) {}
  virtual void ProcesaEventos() {}
  // Where the window's messages go.
  virtual Interlocutor& Usuario() = 0;
};

// The printing control: page settings, the composed document and its pages, the
// page shown and the zoom.
struct ControlImpresion {
  std::string impresora;
  ConfiguracionPagina pagina;
  Documento documento;
  Maqueta maqueta;
  int paginaMostrada = 1;
  int zoom = 50;
  int zoomMin = 10;
  int zoomMax = 400;
  int zoomPaso = 10;
  bool vista = false;  // preview shown

  int NumPaginas() const { return static_cast<int>(maqueta.paginas.size()); }
};

enum class Panel { Ninguno, FuenteColor, EncabezadoPie };

// An up-down control of the page range.
struct Spinner {
  bool visible = false;
  int minimo = 1;
  int maximo = 1;
};

struct EntradaPapel {
  std::string nombre;
  int codigo;
};

class VistaPrevia {
 public:
  VistaPrevia(Sesion& s, EntornoVistaPrevia& entorno, Recalculos recalculos = RecalculosDelPrograma());

  // Window load and activation (each time the window is brought to the front: the
  // report is rebuilt, the page shown and the zoom stay).
  void Carga();
  void Activa();

  void UpdatePreview();
  void UpdateControlBar();

  // Settings.
  void ClickImpresora(int indice);
  void ClickPapel(int indice);
  void ClickOrientacion(int indice);
  void ClickBorde(int indice);
  void EditaMargen(int i, const std::string& texto) { txtMargin.at(static_cast<std::size_t>(i)) = texto; }
  void SaleMargen(int i);  // leaving the field, or Enter in it
  void CambiaBarraMargen(int i, int posicion);
  void ClickSeccion(Seccion s, bool marcada);

  // Zoom and pages: index 0 "|<", 1 "<", 2 ">", 3 ">|".
  void ClickZoom(int indice);
  void ClickPagina(int indice);
  // The user changed the page or the zoom in the preview itself.
  void CambiaPaginaVista(int pagina);
  void CambiaZoomVista(int zoom);
  // The zoom at which the sheet fills a view `pixeles` wide (a small border aside)
  // on a screen of `ppp` pixels per inch.
  void AjustaAlAncho(int pixeles, double ppp);

  // Page range: 0 "To&do", 1 "Pa&gina actual", 2 "Pagi&nas:".
  void ClickRango(int indice);
  void EditaDesde(const std::string& texto);
  void EditaHasta(const std::string& texto) { hasta = texto; }
  // Up-down buttons of "Desde" (0) and "Hasta" (1); paso is +1 or -1.
  void PulsaSpinner(int cual, int paso);

  // "Font/Color" and "Header/Footer" panels.
  void AbrePanel(Panel p);
  void CierraPanel();
  void AplicaEstilo(int fila, const Estilo& e);
  void EditaEncabezado(const std::string& t) { encabezado = t; }
  void EditaPie(const std::string& t) { pie = t; }

  // "Imprime": the pages to print, or nothing after telling the user why.
  std::optional<std::pair<int, int>> Imprime(Interlocutor& u) const;

  const ControlImpresion& Control() const { return vp_; }
  const Pagina* PaginaMostrada() const;

  // Controls of the window, as shown.
  std::vector<std::string> impresoras;  // cmbDevice
  int impresoraSeleccionada = -1;
  std::vector<EntradaPapel> papeles;  // cmbPaperSizes
  int papelSeleccionado = -1;
  int orientacion = 0;                                 // opOrient
  std::array<bool, 2> dibujoOrientacion{true, false};  // page pictures
  int borde = 0;                                       // cmbBorders
  std::array<std::string, 4> txtMargin{"1\"", "1\"", "1\"", "1\""};
  std::array<int, 4> barraMargen{};                // remembered scroll bar positions
  MarcasSecciones marcada = MarcadasPorDefecto();  // by Seccion
  MarcasSecciones habilitada = TodasMarcadas();
  int rango = 0;             // Option1
  std::string desde, hasta;  // Text1, Text2
  std::array<Spinner, 2> spinners;
  std::string textoPagina, textoZoom;  // "Pagina:" and "Zoom:" values
  std::array<bool, 4> zoomHabilitado{}, paginaHabilitada{};
  EstilosReporte estilos = EstilosPorDefecto();
  std::string encabezado, pie;  // Text5(0), Text5(1)
  std::string ayuda;            // help text of the "Header/Footer" panel
  Panel panel = Panel::Ninguno;
  bool generalVisible = true;
  bool papelHabilitado = true;
  bool imprimeHabilitado = true;
  bool botonesHabilitados = true;
  int paginaGuardada = 1;
  int reconstrucciones = 0;  // documents composed so far

  static const char* const kNombresBorde[5];

 private:
  void AplicaRango();
  // Takes a page setting and the sections checked and rebuilds the report; when a
  // table would then need text below kLetraMinima, puts back what was in force and
  // says why.
  void CambiaYReconstruye(const ConfiguracionPagina& pagina, const MarcasSecciones& marcas);
  void CamposEncabezado();
  void DescartaDocumento();
  int MargenMaximo(int i, const ConfiguracionPagina& c) const;

  Sesion& s_;
  EntornoVistaPrevia& entorno_;
  Recalculos recalculos_;
  ControlImpresion vp_;
};

}  // namespace placatec
