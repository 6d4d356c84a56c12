#include "entry/DatosGenerales.h"

#include <cmath>

#include "entry/DatosModificados.h"
#include "model/Defectos.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

constexpr std::array<UsoCarga, NumUsos> kUsos = {{
    {"Techo plano", "0.100"},
    {"Techo con inclinacion de 5 a 11 grados", "0.070"},
    {"Techo con inclinacion mayor de 11 grados", "0.050"},
    {"Residencia: habitaciones, salas, etc.", "0.200"},
    {"Residencia: balcones, escaleras", "0.400"},
    {"Hotel: dormitorios", "0.200"},
    {"Hotel: pasillos, balcones, escaleras", "0.500"},
    {"Comercio, tiendas", "0.400"},
    {"Comercio: bares y restaurantes", "0.500"},
    {"Escuela: aulas", "0.300"},
    {"Escuela: salas, pasillos, balcones, escaleras", "0.500"},
    {"Hospitale: cuartos pacientes", "0.200"},
    {"Hospital: salas, pasillos, balcones y escaleras", "0.500"},
    {"Biblioteca: salas de lectura", "0.300"},
    {"Biblioteca: estanterias", "0.600"},
    {"Oficina: cuartos de oficinas", "0.250"},
    {"Oficina: pasillos y escaleras", "0.500"},
    {"Industria ligera", "0.400"},
    {"Industria semi-pesada", "0.600"},
    {"Industria pesada", "0.800"},
    {"Edificio publico: sitios con asientos fijos", "0.300"},
    {"Edificio publico: sitios con asientos moviles", "0.500"},
    {"Edificio publico: salones de baile", "0.600"},
    {"Edificio publico: pasillos, salas, vestibulos y escaleras", "0.500"},
    {"Gimnasio", "0.500"},
    {"Almacenamiento ligero", "0.400"},
    {"Almacenamiento semi-pesado", "0.600"},
    {"Almacenamiento pesado", "0.800"},
    {"Garaje: automoviles", "0.400"},
    {"Garaje: vehiculos en general", "0.900"},
    {"Acera", "1.250"},
}};

// No quantity of a storey comes near this; a larger value is a slip of the keyboard
// and must not reach the project as an infinite or absurd number.
constexpr double kMayorMedida = 1e30;

bool EsCajaNumerica(Caja c) { return c != Caja::Nombre && c != Caja::Combo1 && c != Caja::Combo2; }

bool EsLista(Caja c) { return c == Caja::Combo1 || c == Caja::Combo2; }

// The values the fy box offers.
template <std::size_t N>
bool EnLista(const std::array<std::string_view, N>& lista, std::string_view t, bool bastaInicio) {
  for (std::string_view v : lista)
    if (bastaInicio ? v.substr(0, t.size()) == t : v == t) return true;
  return false;
}

// f'c: a whole number of the range, written without blanks or leading zeros; with
// bastaInicio, the first digits of one.
bool FcAdmitido(std::string_view t, bool bastaInicio) {
  for (int v = kFcMinimo; v <= kFcMaximo; ++v) {
    const std::string texto = std::to_string(v);
    if (bastaInicio ? std::string_view(texto).substr(0, t.size()) == t : texto == t) return true;
  }
  return false;
}

// What the f'c or fy box takes.
bool ValorAdmitido(Caja c, std::string_view t, bool bastaInicio) {
  return c == Caja::Combo1 ? FcAdmitido(t, bastaInicio) : EnLista(ListaFy(), t, bastaInicio);
}

std::string Tres(float v) { return Formato(v, "0.000"); }
std::string Tres(double v) { return Formato(v, "0.000"); }

bool EsVacio(const std::string& t) { return Recorta(t).empty(); }

bool CargasRepresentables(const Proyecto& p) {
  return std::fabs(p.CargaMuerta) < kMayorMedida && std::fabs(p.CargaViva) < kMayorMedida &&
         std::fabs(p.CargaUltimaGeneral) < kMayorMedida;
}

}  // namespace

static_assert(kFilasCargaMuerta.size() == NumFilasCarga);

std::string_view EtiquetaFila(int k) { return kFilasCargaMuerta.at(static_cast<std::size_t>(k)); }

const std::array<UsoCarga, NumUsos>& Usos() { return kUsos; }

bool EsTecho(std::string_view uso) { return uso.substr(0, 5) == "Techo"; }

DatosGenerales::DatosGenerales(Proyecto& p, EstadoSesion& e) : p_(p), e_(e) { Reinicia(); }

void DatosGenerales::Reinicia() {
  // The texts the dialog shows before anything is written into it: a roof.
  textos_ = {};
  auto pon = [&](Caja c, const char* t) { textos_[Indice(c)] = t; };
  pon(Caja::Espesor, "0.100");
  pon(Caja::Combo1, "180");
  pon(Caja::Combo2, "2800");
  pon(Caja::Recubrimiento, "2");
  pon(Caja::Cargav, "0.100");
  pon(Caja::Cargam, "0.330");
  pon(Caja::Text1_0, "0.100");
  pon(Caja::Text2_0, "2.400");
  pon(Caja::Text3_0, "0.240");
  pon(Caja::Text1_1, "0.050");
  pon(Caja::Text2_1, "1.800");
  pon(Caja::Text3_1, "0.090");
  pon(Caja::Text3_5, "0.000");
  habilitado_.fill(true);
  for (int k = 2; k <= 3; ++k) {
    Habilita(Text1(k), false);
    Habilita(Text2(k), false);
  }
  Habilita(Caja::Text3_4, false);
  etiquetaHabilitada_ = {true, true, false, false, false, true};
  textoUso_ = "Techo plano";
  textoNumLosas_ = "0";
  textoNumApoyos_ = "0";
  visible_ = false;
  activacionPendiente_ = false;
  reglasAlActivar_ = true;
  Anota();
}

bool DatosGenerales::SoloLectura(Caja c) const {
  if (!Habilitado(c)) return true;
  switch (c) {
    case Caja::Text1_0:
    case Caja::Text2_0:
    case Caja::Text3_0:
    case Caja::Text3_1:
    case Caja::Text3_2:
    case Caja::Text3_3:
      return true;
    default:
      return false;
  }
}

bool DatosGenerales::AceptaTecla(Caja c, char32_t tecla, std::string_view textoActual,
                                 Interlocutor& ui) const {
  if (c == Caja::Nombre) return true;
  // f'c and fy are whole numbers of their lists: digits only.
  const bool acepta =
      EsLista(c) ? (tecla >= U'0' && tecla <= U'9') || tecla == 8 : AceptaTeclaNumerica(tecla, textoActual);
  if (!acepta) ui.Beep();
  return acepta;
}

bool DatosGenerales::PonTexto(Caja c, std::string_view tecleado) {
  std::string texto(tecleado);
  if (EsCajaNumerica(c)) {
    // Pasted text passes the key filter as typed text does.
    const auto editado = EdicionNumerica(Texto(c), tecleado);
    if (!editado) return false;
    texto = *editado;
  } else if (EsLista(c)) {
    // Only the beginning of a value the box takes can be on its way to one.
    if (!ValorAdmitido(c, Recorta(texto), true)) return false;
    const std::size_t k = c == Caja::Combo1 ? 0 : 1;
    if (!tecleadoEnLista_[k]) listaValida_[k] = Recorta(Texto(c));  // what is kept on a refusal
    tecleadoEnLista_[k] = true;
  }
  if (c != Caja::Nombre) {
    if (ValorTextoDesborda(texto)) return false;
    const double v = ValorTexto(texto);
    if (c == Caja::Combo1 || c == Caja::Combo2) {
      if (!AEntero(v)) return false;
    } else if (std::fabs(v) >= kMayorMedida) {
      return false;
    }
  }
  // A value that fits its box may still overflow the total it feeds (two large layer
  // factors): the text is refused and everything stays as it was.
  const std::array<std::string, NumCajas> textos = textos_;
  const Proyecto antes = p_;
  VigilaDatos vigila(p_, e_);
  const bool cambia = texto != Texto(c);
  Escribe(c, std::string(texto), true);
  if (!CargasRepresentables(p_)) {
    textos_ = textos;
    p_ = antes;
    return false;
  }
  if (cambia) vigila.Cambio();
  return true;
}

bool DatosGenerales::ConfirmaLista(Caja c, Interlocutor& ui) {
  if (!EsLista(c)) return true;
  const std::size_t k = c == Caja::Combo1 ? 0 : 1;
  const std::string t = Recorta(Texto(c));
  if (!tecleadoEnLista_[k] || ValorAdmitido(c, t, false)) {
    tecleadoEnLista_[k] = false;
    return true;
  }
  tecleadoEnLista_[k] = false;
  Escribe(c, listaValida_[k], true);
  ui.Beep();
  const std::string motivo =
      k == 0 ? " no es un valor entero entre " + std::to_string(kFcMinimo) + " y " + std::to_string(kFcMaximo)
             : std::string(" no es un valor de la lista");
  ui.Avisa(std::string(k == 0 ? "Hormigon, F'c (Kg/cm2)" : "Acero, Fy (Kg/cm2)") + "\r" + t + motivo +
               "; se mantiene " + listaValida_[k],
           "ERROR", Icono::Exclamacion);
  return false;
}

void DatosGenerales::PonFicha(std::size_t k, std::string_view texto) {
  VigilaDatos vigila(p_, e_);
  std::string& t = p_.Ficha.*kCamposFicha.at(k).texto;
  if (t == texto) return;
  t = std::string(texto);
  vigila.Cambio();
}

void DatosGenerales::PonContadores(std::string_view losas, std::string_view apoyos) {
  textoNumLosas_ = std::string(losas);
  textoNumApoyos_ = std::string(apoyos);
}

void DatosGenerales::Escribe(Caja c, std::string texto, bool siempre) {
  std::string& actual = textos_[Indice(c)];
  if (!siempre && actual == texto) return;
  actual = std::move(texto);
  Regla(c);
}

// The weight of layer k after its thickness or unit weight box changed: the product
// of the values of the two texts.
std::string DatosGenerales::ProductoTextos(int k) const {
  return Tres(ValorTexto(Texto(Text1(k))) * ValorTexto(Texto(Text2(k))));
}

// The weight of layer k that the use rules show: the product of the two stored
// layer values (Singles), multiplied in double.
std::string DatosGenerales::ProductoCapa(int k) const {
  const auto i = static_cast<std::size_t>(k);
  return Tres(static_cast<double>(p_.EspesorCapa[i]) * static_cast<double>(p_.PesoUnitCapa[i]));
}

void DatosGenerales::Regla(Caja c) {
  const std::string texto = Texto(c);  // a copy: the rules below may rewrite the box
  const double v = ValorTexto(texto);
  auto cargaUltima = [&] {
    p_.CargaUltimaGeneral = ASingle(kFactorCargaMuerta * static_cast<double>(p_.CargaMuerta) +
                                    kFactorCargaViva * static_cast<double>(p_.CargaViva));
  };
  switch (c) {
    case Caja::Nombre:
      p_.Titulo = texto;
      e_.TituloReporte = texto;
      return;
    case Caja::Espesor:
      p_.EspesorGeneral = ASingle(v);
      // The slab layer follows the general thickness.
      Escribe(Caja::Text1_0, EsNumero(texto) ? Tres(v) : texto, false);
      return;
    case Caja::Cargam:
      p_.CargaMuerta = ASingle(v);
      cargaUltima();
      return;
    case Caja::Cargav:
      p_.CargaViva = ASingle(v);
      cargaUltima();
      return;
    case Caja::Combo1:
      if (auto e = AEntero(v)) p_.Fc = *e;
      return;
    case Caja::Combo2:
      if (auto e = AEntero(v)) p_.Fy = *e;
      return;
    case Caja::Recubrimiento:
      p_.Recubrimiento = ASingle(v);
      return;
    default:
      break;
  }
  const int i = static_cast<int>(c);
  if (c >= Caja::Text1_0 && c <= Caja::Text1_3) {
    const int k = i - static_cast<int>(Caja::Text1_0);
    Escribe(Text3(k), ProductoTextos(k), false);
    p_.EspesorCapa[static_cast<std::size_t>(k)] = ASingle(v);
  } else if (c >= Caja::Text2_0 && c <= Caja::Text2_3) {
    const int k = i - static_cast<int>(Caja::Text2_0);
    Escribe(Text3(k), ProductoTextos(k), false);
    p_.PesoUnitCapa[static_cast<std::size_t>(k)] = ASingle(v);
  } else {
    const int k = i - static_cast<int>(Caja::Text3_0);
    if (k <= 3 && (EsVacio(Texto(Text1(k))) || EsVacio(Texto(Text2(k))))) Escribe(c, std::string(), false);
    // The total adds the weights as they are shown, rounded to three decimals.
    double suma = 0.0;
    for (int j = 0; j < NumFilasCarga; ++j) suma += ValorTexto(Texto(Text3(j)));
    Escribe(Caja::Cargam, Tres(suma), false);
    if (k == 4) p_.Panderetas = ValorTexto(Texto(c));
    if (k == 5) p_.OtrasCargas = ASingle(ValorTexto(Texto(c)));
  }
}

int DatosGenerales::FilaUso() const {
  for (int i = 0; i < NumUsos; ++i)
    if (kUsos[static_cast<std::size_t>(i)].uso == textoUso_) return i;
  // A text read from a file may differ in blanks or case.
  const std::string buscado = Mayusculas(Recorta(textoUso_));
  for (int i = 0; i < NumUsos; ++i)
    if (Mayusculas(kUsos[static_cast<std::size_t>(i)].uso) == buscado) return i;
  return -1;
}

bool DatosGenerales::EligeUso(int fila) {
  VigilaDatos vigila(p_, e_);
  if (fila < 0 || fila >= NumUsos) return false;
  vigila.Cambio();
  textoUso_ = std::string(kUsos[static_cast<std::size_t>(fila)].uso);
  ReglasDeUso(fila);
  return true;
}

void DatosGenerales::ReglasDeUso(int fila) {
  // A use text that names no row of the table keeps the live load shown.
  if (fila >= 0) Escribe(Caja::Cargav, std::string(kUsos[static_cast<std::size_t>(fila)].cargaViva), true);
  if (EsTecho(textoUso_))
    ReglasTecho();
  else
    ReglasEntrepiso();
}

void DatosGenerales::ReglasTecho() {
  p_.Uso = "Techo";
  Escribe(Caja::Espesor, "0.100", true);
  if (!e_.Cargando) {
    p_.PesoUnitCapa[0] = 2.4f;
    p_.PesoUnitCapa[1] = 1.8f;
    p_.EspesorCapa[1] = 0.05f;
    p_.OtrasCargas = 0.0f;
  }
  etiquetaHabilitada_[1] = true;
  Habilita(Caja::Text1_1, true);
  Habilita(Caja::Text2_1, true);
  Habilita(Caja::Text3_1, true);
  Habilita(Caja::Text3_4, false);
  for (int k = 0; k <= 1; ++k) {
    Escribe(Text1(k), Tres(p_.EspesorCapa[static_cast<std::size_t>(k)]), true);
    Escribe(Text2(k), Tres(p_.PesoUnitCapa[static_cast<std::size_t>(k)]), true);
    Escribe(Text3(k), ProductoCapa(k), true);
  }
  Escribe(Caja::Text3_4, std::string(), true);
  Escribe(Caja::Text3_5, Tres(p_.OtrasCargas), true);
  for (int k = 2; k <= 4; ++k) {
    etiquetaHabilitada_[static_cast<std::size_t>(k)] = false;
    Escribe(Text3(k), std::string(), true);
  }
  for (int k = 2; k <= 3; ++k) {
    Escribe(Text1(k), std::string(), true);
    Escribe(Text2(k), std::string(), true);
    Habilita(Text1(k), false);
    Habilita(Text2(k), false);
  }
}

void DatosGenerales::ReglasEntrepiso() {
  p_.Uso = "Entrepiso";
  etiquetaHabilitada_[1] = false;
  Escribe(Caja::Espesor, "0.120", true);
  if (!e_.Cargando) {
    p_.EspesorCapa[2] = 0.025f;
    p_.EspesorCapa[3] = 0.035f;
    p_.PesoUnitCapa[2] = 1.8f;
    p_.PesoUnitCapa[3] = 2.3f;
    p_.Panderetas = 0.1;
  }
  Escribe(Caja::Text1_0, Tres(p_.EspesorCapa[0]), true);
  Escribe(Caja::Text2_0, Tres(p_.PesoUnitCapa[0]), true);
  Escribe(Caja::Text3_0, ProductoCapa(0), true);
  Escribe(Caja::Text1_1, std::string(), true);
  Escribe(Caja::Text2_1, std::string(), true);
  Habilita(Caja::Text1_1, false);
  Habilita(Caja::Text2_1, false);
  for (int k = 2; k <= 4; ++k) etiquetaHabilitada_[static_cast<std::size_t>(k)] = true;
  for (int k = 2; k <= 3; ++k) {
    Habilita(Text1(k), true);
    Habilita(Text2(k), true);
    Habilita(Text3(k), true);
  }
  Habilita(Caja::Text3_4, true);
  for (int k = 2; k <= 3; ++k) {
    Escribe(Text1(k), Tres(p_.EspesorCapa[static_cast<std::size_t>(k)]), true);
    Escribe(Text2(k), Tres(p_.PesoUnitCapa[static_cast<std::size_t>(k)]), true);
    Escribe(Text3(k), ProductoCapa(k), true);
  }
  Escribe(Caja::Text3_4, Tres(p_.Panderetas), true);
  Escribe(Caja::Text3_5, Tres(p_.OtrasCargas), true);
}

void DatosGenerales::Abre() {
  const VigilaDatos vigila(p_, e_);
  if (p_.CargaMuerta <= 0) p_.CargaMuerta = 0.36f;
  if (p_.CargaViva <= 0) p_.CargaViva = 0.2f;
  if (p_.EspesorGeneral <= 0) p_.EspesorGeneral = 0.1f;
  if (p_.Recubrimiento <= 0) p_.Recubrimiento = 2.0f;
  if (p_.Fc < 1) p_.Fc = 180;
  if (p_.Fy < 1) p_.Fy = 2800;
  AbreConValores();
}

void DatosGenerales::AbreConValores() {
  Escribe(Caja::Cargam, Tres(p_.CargaMuerta), true);
  Escribe(Caja::Cargav, Tres(p_.CargaViva), true);
  Escribe(Caja::Espesor, Tres(p_.EspesorGeneral), true);
  Escribe(Caja::Recubrimiento, TextoNumero(p_.Recubrimiento), true);
  Escribe(Caja::Combo1, TextoNumero(static_cast<int>(p_.Fc)), true);
  Escribe(Caja::Combo2, TextoNumero(static_cast<int>(p_.Fy)), true);
  PonContadores(TextoNumero(static_cast<int>(p_.NumLosas)), TextoNumero(static_cast<int>(p_.NumApoyos)));
  visible_ = true;
  activacionPendiente_ = true;
}

void DatosGenerales::Activa() {
  activacionPendiente_ = false;
  // Later openings show the project as it stands: the layers and the live load the
  // engineer typed stay until another use is picked.
  if (reglasAlActivar_) {
    reglasAlActivar_ = false;
    // The program completing a new or loaded project is no change of the engineer's:
    // what a calculation reads may change, the project is not marked modified.
    const bool modificado = e_.Modificado;
    {
      const VigilaDatos vigila(p_, e_);
      const double t = ValorTexto(Texto(Caja::Espesor));
      ReglasDeUso(FilaUso());
      const bool techo = EsTecho(textoUso_);
      if ((techo && t != 0.1) || (!techo && t != 0.12)) Escribe(Caja::Espesor, Tres(t), true);
    }
    e_.Modificado = modificado;
  }
  Anota();
}

void DatosGenerales::OK() {
  e_.CargaMuertaDefecto = ASingle(ValorTexto(Texto(Caja::Cargam)));
  e_.CargaVivaDefecto = ASingle(ValorTexto(Texto(Caja::Cargav)));
  e_.EspesorDefecto = ASingle(ValorTexto(Texto(Caja::Espesor)));
  visible_ = false;
  activacionPendiente_ = false;
}

}  // namespace placatec
