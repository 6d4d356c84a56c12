#pragma once
// Form model of the general data dialog ("Datos Generales"): the texts of its boxes,
// their enabled and read-only states, and every rule that runs when a text changes.
// Each box writes its project value as soon as its text changes, and the dead-load
// total follows the layer weights at once. The window only mirrors what this model
// holds and forwards the engineer's edits (PonTexto), keys (AceptaTecla), use picks
// (EligeUso) and buttons (OK, EnterEnOK); the file load and the new-project reset
// write the same boxes without any window.
#include <array>
#include <string>
#include <string_view>

#include "entry/DatosModificados.h"
#include "model/Interlocutor.h"
#include "model/Proyecto.h"

namespace placatec {

// The boxes of the dialog. Text1_k, Text2_k and Text3_k are the thickness, unit
// weight and weight of row k of the dead-load build-up.
enum class Caja {
  Nombre,         // "Titulo del Proyecto"
  Espesor,        // "Espesor general de losas (m)"
  Combo1,         // "Hormigon, F'c (Kg/cm2)", list ListaFc()
  Combo2,         // "Acero, Fy (Kg/cm2)", list ListaFy()
  Recubrimiento,  // "Recubrimiento (cm)"
  Cargav,         // "Carga Viva (To/m2)"
  Cargam,         // "Total Carga Muerta (To/m2)"
  Text1_0,
  Text1_1,
  Text1_2,
  Text1_3,
  Text2_0,
  Text2_1,
  Text2_2,
  Text2_3,
  Text3_0,
  Text3_1,
  Text3_2,
  Text3_3,
  Text3_4,
  Text3_5,
};
constexpr int NumCajas = static_cast<int>(Caja::Text3_5) + 1;

// Boxes of row k (Text1 and Text2: k = 0..3; Text3: k = 0..5).
constexpr Caja Text1(int k) { return static_cast<Caja>(static_cast<int>(Caja::Text1_0) + k); }
constexpr Caja Text2(int k) { return static_cast<Caja>(static_cast<int>(Caja::Text2_0) + k); }
constexpr Caja Text3(int k) { return static_cast<Caja>(static_cast<int>(Caja::Text3_0) + k); }

// One row of the table of uses: the use and its live load, as shown.
struct UsoCarga {
  std::string_view uso;
  std::string_view cargaViva;
};
constexpr int NumUsos = 31;
constexpr int NumFilasCarga = 6;  // rows of the dead-load build-up

// The row labels of the dead-load build-up: "Losa", "Fino de mezcla", "Mortero",
// "Mosaicos", "Panderetas", "Otras cargas".
std::string_view EtiquetaFila(int k);

// The 31 uses of the use selector, in the order shown.
const std::array<UsoCarga, NumUsos>& Usos();

// A use whose text begins with "Techo" is a roof; every other use is a floor.
bool EsTecho(std::string_view uso);

// The general values a slab takes when its cell is zero or empty.
struct ValoresGenerales {
  Single espesor, cargaMuerta, cargaViva;
};

class DatosGenerales {
 public:
  DatosGenerales(Proyecto& p, EstadoSesion& e);

  // The text a box shows.
  const std::string& Texto(Caja c) const { return textos_[Indice(c)]; }

  // The engineer (or another procedure) sets a box's text: its change rule runs, with
  // every rule it sets off (a layer's thickness changes its weight, the weight the
  // total, the total CargaMuerta and CargaUltimaGeneral). Returns false and changes
  // nothing when the value cannot be held (an f'c or fy beyond the 16-bit range, a
  // measure beyond the 32-bit range, or a layer whose weight would make the loads
  // overflow): the window then puts Texto(c) back and beeps.
  // In a numeric box the inserted characters pass the key filter (so that pasted text
  // is held to it too) and a comma becomes the decimal point; the f'c box takes only the
  // beginning of a whole value from kFcMinimo to kFcMaximo, the fy box that of a listed
  // value. Any change marks the project modified.
  bool PonTexto(Caja c, std::string_view texto);
  // The engineer leaves the f'c or fy box (or closes the dialog): a typed value the box
  // does not take (f'c: outside kFcMinimo..kFcMaximo; fy: not in its list) is refused
  // with a message naming the box, and the value shown before the typing comes back.
  // True when the box holds a value it takes, or one it was not typed into.
  bool ConfirmaLista(Caja c, Interlocutor& ui);
  // A procedure (the file load, the new-project reset) writes a box: always taken,
  // and its change rule always runs, so that the project follows what is shown.
  void EscribeCaja(Caja c, std::string_view texto) {
    const VigilaDatos vigila(p_, e_);
    Escribe(c, std::string(texto), true);
  }

  bool Habilitado(Caja c) const { return habilitado_[Indice(c)]; }
  // Boxes that the engineer does not type into (light yellow): the thickness and unit
  // weight of row 0, the four product weights, and every disabled box.
  bool SoloLectura(Caja c) const;

  // Key filter of the numeric boxes (Espesor, Cargam, Cargav, Recubrimiento, Text1,
  // Text2, Text3): digits, one "." and backspace (8). Any other key, or a "." when the
  // box already holds one, is refused with a beep. The other boxes take every key.
  // The window forwards the printable characters and backspace.
  bool AceptaTecla(Caja c, char32_t tecla, std::string_view textoActual, Interlocutor& ui) const;

  // The use selector (SSDBCombo2): its text, the row it names (-1 when none), the
  // engineer picking row 0..30 (runs the use rules), and a text written by a procedure
  // (no rules run).
  const std::string& TextoUso() const { return textoUso_; }
  int FilaUso() const;
  bool EligeUso(int fila);
  void PonTextoUso(std::string_view texto) { textoUso_ = std::string(texto); }

  // The row labels Label20(0..5) of the dead-load build-up.
  bool EtiquetaHabilitada(int k) const { return etiquetaHabilitada_.at(static_cast<std::size_t>(k)); }

  // The project block (the "Proyecto" tab): text k of kCamposFicha, and the engineer's
  // edit of it, which marks the project modified but withdraws no calculation.
  const std::string& Ficha(std::size_t k) const { return p_.Ficha.*kCamposFicha.at(k).texto; }
  void PonFicha(std::size_t k, std::string_view texto);

  // The two count labels "No. Losas" and "No. Apoyos".
  const std::string& TextoNumLosas() const { return textoNumLosas_; }
  const std::string& TextoNumApoyos() const { return textoNumApoyos_; }
  void PonContadores(std::string_view losas, std::string_view apoyos);

  // "Datos &Generales": unset general values get their defaults, the boxes are filled
  // from the project, and the dialog is to be shown (Visible) and activated once.
  void Abre();
  // The same opening for values that are set, such as those a file has just given:
  // a zero stays a zero.
  void AbreConValores();
  // The dialog as the program starts: its boxes, states and use as first shown. A
  // load starts from here, so that what it gives depends on the file alone.
  void Reinicia();
  // The activation of the dialog. The first after start-up, a new project or a load
  // runs the use rules of the current use, keeping the thickness typed before; later
  // ones change nothing. The window calls it when the dialog becomes active after
  // Abre (ActivacionPendiente); the file load calls it itself.
  void Activa();
  // The next activation applies the use rules of the current use (start-up, a new
  // project, a load); every other activation changes nothing.
  void ReglasEnLaActivacion() { reglasAlActivar_ = true; }
  bool ActivacionPendiente() const { return activacionPendiente_; }
  // The general values as the last activation left them, so that on closing the
  // program can tell what the engineer changed; Anota() takes the present ones.
  const ValoresGenerales& ValoresAlAbrir() const { return alAbrir_; }
  void Anota() { alAbrir_ = {p_.EspesorGeneral, p_.CargaMuerta, p_.CargaViva}; }
  // OK: the slab table's row defaults take the dead load, live load and thickness
  // shown; the dialog is hidden and the main window enabled again.
  void OK();
  // Enter while OK has the focus: hides the dialog without storing the row defaults.
  void EnterEnOK() {
    visible_ = false;
    activacionPendiente_ = false;
  }
  bool Visible() const { return visible_; }

 private:
  static std::size_t Indice(Caja c) { return static_cast<std::size_t>(c); }
  // Sets a text. A change rule that writes another box does so only when the text
  // really changes (as a text box reports a change); a procedure writes with
  // siempre = true so that the project always follows what the box shows.
  void Escribe(Caja c, std::string texto, bool siempre);
  void Regla(Caja c);
  void ReglasDeUso(int fila);
  void ReglasTecho();
  void ReglasEntrepiso();
  std::string ProductoTextos(int k) const;
  std::string ProductoCapa(int k) const;
  void Habilita(Caja c, bool si) { habilitado_[Indice(c)] = si; }

  Proyecto& p_;
  EstadoSesion& e_;
  std::array<std::string, NumCajas> textos_;
  std::array<bool, NumCajas> habilitado_{};
  std::array<bool, NumFilasCarga> etiquetaHabilitada_{};
  std::string textoUso_;
  std::string textoNumLosas_;
  std::string textoNumApoyos_;
  bool visible_ = false;
  bool activacionPendiente_ = false;
  bool reglasAlActivar_ = true;
  // The f'c and fy boxes: typed into since the last check, and the value kept then.
  std::array<bool, 2> tecleadoEnLista_{};
  std::array<std::string, 2> listaValida_{"180", "2800"};
  ValoresGenerales alAbrir_{};
};

}  // namespace placatec
