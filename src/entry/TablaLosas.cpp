#include "entry/TablaLosas.h"

#include <algorithm>
#include <cmath>

#include "engine/Clasificacion.h"
#include "entry/DatosModificados.h"
#include "model/Defectos.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

bool EsBordeEditable(int columna) { return columna >= ColLosa::Borde1 && columna <= ColLosa::Borde4; }

bool EsLetraBorde(const std::string& t) { return t == "A" || t == "E" || t == "N"; }

// An edge cell as stored: upper case, and "A" for anything but A, E or N. Blanks
// around a letter are dropped so that a typed "e " still means "E".
std::string LetraBorde(const std::string& celda) {
  std::string t = Mayusculas(Recorta(celda));
  return EsLetraBorde(t) ? t : "A";
}

// A numeric cell that does not read as a plain number ("4m", "abc", a number too large
// for a Single) shows the value stored from it, so the grid says what the project
// holds. An empty cell stays empty.
float LeeCelda(std::string& celda) {
  const float v = ValorSingle(celda);
  if (!Recorta(celda).empty() && (!EsNumero(celda) || ASingle(ValorTexto(celda)) != v)) celda = TextoCelda(v);
  return v;
}

// A place cell: empty is a place the layout gives; a number within the limit is the
// place set; anything else is emptied and told.
std::optional<Single> LeePosicion(std::string& celda, const char* nombre, int losa, Interlocutor& ui) {
  if (Recorta(celda).empty()) return std::nullopt;
  const float v = ASingle(ValorTexto(celda));
  if (EsNumero(celda) && std::isfinite(v) && std::fabs(v) <= kPosicionMaxima) {
    celda = TextoCelda(v);
    return v;
  }
  celda.clear();
  ui.Avisa(std::string(nombre) + " debe ser un numero entre -" + TextoNumero(kPosicionMaxima) + " y " +
           TextoNumero(kPosicionMaxima) + " m\rposicion automatica asumida\rLosa No. " +
           std::to_string(losa));
  return std::nullopt;
}

}  // namespace

bool TablaLosas::AgregaFila(const Fila& f) {
  if (NumFilas() >= MaxLosas) return false;
  filas.push_back(f);
  filaActual = NumFilas() - 1;
  return true;
}

void TablaLosas::ProcesaLosa(Interlocutor& ui) {
  const VigilaDatos vigila(p_, e_);
  if (NumFilas() > MaxLosas) ui.Avisa(std::string(kMensajeMaximoLosas), "ERROR", Icono::Exclamacion);
  const int n = std::min(NumFilas(), MaxLosas);
  p_.NumLosas = static_cast<Integer>(n);
  PrimeraFila();
  // A rejected combination keeps the last code accepted before it (0 for none): the
  // mark keeps the calculation from using it.
  Integer codigo = 0;
  for (int r = 0; r < n; ++r) {
    const int i = r + 1;
    filaActual = r;
    Fila& f = filas[static_cast<std::size_t>(r)];
    f[ColLosa::Num] = std::to_string(i);

    std::string bordes;
    for (int c = ColLosa::Borde1; c <= ColLosa::Borde4; ++c) {
      f[static_cast<std::size_t>(c)] = LetraBorde(f[static_cast<std::size_t>(c)]);
      bordes += f[static_cast<std::size_t>(c)];
    }
    p_.Bordes[static_cast<std::size_t>(i)] = bordes;

    for (auto [columna, general] : {std::pair{ColLosa::MuertaVano, p_.CargaMuerta},
                                    {ColLosa::VivaVano, p_.CargaViva},
                                    {ColLosa::Espesor, p_.EspesorGeneral}}) {
      if (TomaValorGeneral(ValorSingle(f[columna]))) f[columna] = TextoCelda(general);
    }

    const std::optional<Integer> caso = CargaLinea(r, ui);
    if (caso) codigo = *caso;

    const auto k = static_cast<std::size_t>(i);
    p_.Lx[k] = LeeCelda(f[ColLosa::Lx]);
    p_.Ly[k] = LeeCelda(f[ColLosa::Ly]);
    p_.CargaMuertaVano[k] = LeeCelda(f[ColLosa::MuertaVano]);
    p_.CargaVivaVano[k] = LeeCelda(f[ColLosa::VivaVano]);
    p_.CargaMuertaVuelo[k] = LeeCelda(f[ColLosa::MuertaVuelo]);
    p_.CargaVivaVuelo[k] = LeeCelda(f[ColLosa::VivaVuelo]);
    p_.EspesorLosa[k] = LeeCelda(f[ColLosa::Espesor]);
    p_.X0[k] = LeePosicion(f[ColLosa::X0], "X0", i, ui);
    p_.Y0[k] = LeePosicion(f[ColLosa::Y0], "Y0", i, ui);

    p_.CodigoLosa[k] = codigo;
    p_.BordesInvalidos[k] = !caso;
  }
  PrimeraFila();
}

std::optional<Integer> TablaLosas::CargaLinea(int fila, Interlocutor& ui) {
  if (!FilaValida(fila)) return std::nullopt;
  Fila& f = filas[static_cast<std::size_t>(fila)];
  // The rows are the slabs in order: the messages name the one to mend.
  const std::string losa = "\rLosa No. " + std::to_string(fila + 1);
  if (ValorSingle(f[ColLosa::Lx]) <= 0.0f) {
    f[ColLosa::Lx] = "1";
    ui.Avisa("Lx no puede ser cero o negativo\rvalor unitario asumido" + losa);
  }
  if (ValorSingle(f[ColLosa::Ly]) <= 0.0f) {
    f[ColLosa::Ly] = "1";
    ui.Avisa("Ly no puede ser cero o negativo\rvalor unitario asumido" + losa);
  }
  const float lx = ValorSingle(f[ColLosa::Lx]);
  const float ly = ValorSingle(f[ColLosa::Ly]);
  if (EsLosaEnUnaDireccion(lx, ly)) {
    // A one-way slab rests on the two edges that bound its short span.
    return ClasificaDosBordes(lx > ly ? f[ColLosa::Borde3] + f[ColLosa::Borde4]
                                      : f[ColLosa::Borde1] + f[ColLosa::Borde2]);
  }
  const std::optional<Integer> codigo = ClasificaCuatroBordes(f[ColLosa::Borde1] + f[ColLosa::Borde2] +
                                                              f[ColLosa::Borde3] + f[ColLosa::Borde4]);
  // The message names the slab so that the engineer knows which row to mend.
  if (!codigo) ui.Avisa(std::string(kTextoBordesNoValidos) + losa, "ERROR", Icono::Exclamacion);
  return codigo;
}

void TablaLosas::ChequeaNumeros(int fila) {
  if (!FilaValida(fila)) return;
  Fila& f = filas[static_cast<std::size_t>(fila)];
  if (!EsNumero(f[ColLosa::Lx])) f[ColLosa::Lx] = TextoCelda(e_.LxDefecto);
  if (!EsNumero(f[ColLosa::Ly])) f[ColLosa::Ly] = TextoCelda(e_.LyDefecto);
  for (int c = ColLosa::Borde1; c <= ColLosa::Borde4; ++c)
    if (Recorta(f[static_cast<std::size_t>(c)]).empty()) f[static_cast<std::size_t>(c)] = "A";
  if (!EsNumero(f[ColLosa::MuertaVano])) f[ColLosa::MuertaVano] = TextoCelda(e_.CargaMuertaDefecto);
  if (!EsNumero(f[ColLosa::VivaVano])) f[ColLosa::VivaVano] = TextoCelda(e_.CargaVivaDefecto);
  if (!EsNumero(f[ColLosa::Espesor])) f[ColLosa::Espesor] = TextoCelda(e_.EspesorDefecto);
}

void TablaLosas::Activa(Interlocutor& ui) {
  abierta = true;
  ProcesaLosa(ui);
  ChequeaNumeros();
  PrimeraFila();
  columnaActual = ColLosa::Lx;
}

void TablaLosas::ProcesaConservandoPosicion(Interlocutor& ui) {
  const VigilaDatos vigila(p_, e_);
  const int fila = filaActual;
  const int columna = columnaActual;
  p_.NumLosas = static_cast<Integer>(std::min(NumFilas(), MaxLosas));
  if (NumFilas() != 0) {
    ProcesaLosa(ui);
    ChequeaNumeros();
  } else {
    CompletaPrimeraLosa(p_);
  }
  // The engineer goes on where he was typing, not on the first row.
  filaActual = std::clamp(fila, 0, std::max(0, NumFilas() - 1));
  columnaActual = columna;
}

void TablaLosas::FilaActualizada(Interlocutor& ui) { ProcesaConservandoPosicion(ui); }

bool TablaLosas::AgregaFilaNueva(Interlocutor& ui) {
  VigilaDatos vigila(p_, e_);
  if (NumFilas() >= MaxLosas) {
    ui.Avisa(std::string(kMensajeMaximoLosas), "ERROR", Icono::Exclamacion);
    return false;
  }
  filas.push_back(Fila{});
  vigila.Cambio();
  filaActual = NumFilas() - 1;
  columnaActual = ColLosa::Lx;
  ChequeaNumeros();
  ProcesaConservandoPosicion(ui);
  return true;
}

void TablaLosas::BorraFilas(std::vector<int> borradas, Interlocutor& ui) {
  std::erase_if(borradas, [this](int f) { return !FilaValida(f); });
  if (borradas.empty()) return;
  std::sort(borradas.begin(), borradas.end());
  borradas.erase(std::unique(borradas.begin(), borradas.end()), borradas.end());
  VigilaDatos vigila(p_, e_);
  // Row r holds slab r + 1: the new numbers of the slabs that stay, in order.
  std::vector<int> nuevoNumero(static_cast<std::size_t>(NumFilas()) + 1, 0);
  for (int r = 0, n = 0; r < NumFilas(); ++r)
    if (!std::binary_search(borradas.begin(), borradas.end(), r))
      nuevoNumero[static_cast<std::size_t>(r) + 1] = ++n;
  for (auto f = borradas.rbegin(); f != borradas.rend(); ++f) filas.erase(filas.begin() + *f);
  vigila.Cambio();
  filaActual = std::min(borradas.front(), std::max(0, NumFilas() - 1));
  if (alRenumerar) alRenumerar(nuevoNumero, ui);
  ProcesaConservandoPosicion(ui);
}

void TablaLosas::EditaCelda(int fila, int columna, std::string texto) {
  if (!FilaValida(fila) || columna < 0 || columna >= NumColumnas) return;
  VigilaDatos vigila(p_, e_);
  // Editing another cell means the current one was left first.
  if (fila != filaActual || columna != columnaActual) MueveCelda(fila, columna);
  // Numbers typed with the decimal comma are kept with the point.
  if (!EsBordeEditable(columna)) texto = ComaDecimal(texto);
  std::string& celda = filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
  if (celda != texto) vigila.Cambio();
  celda = std::move(texto);
}

bool TablaLosas::EditaCelda(int fila, int columna, std::string texto, Interlocutor& ui) {
  const bool numerica = columna >= ColLosa::Lx && columna <= ColLosa::Y0 && !EsBordeEditable(columna);
  if (numerica && (ValorTextoDesborda(texto) || !std::isfinite(ASingle(ValorTexto(texto))))) {
    ui.Beep();
    ui.Avisa(std::string(kMensajeNumeroGrande), "ERROR", Icono::Exclamacion);
    return false;
  }
  EditaCelda(fila, columna, std::move(texto));
  return true;
}

void TablaLosas::MueveCelda(int fila, int columna) {
  if (FilaValida(filaActual) && EsBordeEditable(columnaActual)) {
    std::string& celda = filas[static_cast<std::size_t>(filaActual)][static_cast<std::size_t>(columnaActual)];
    if (!EsLetraBorde(Mayusculas(Recorta(celda)))) celda = "A";
  }
  filaActual = std::clamp(fila, 0, std::max(0, NumFilas() - 1));
  columnaActual = std::clamp(columna, 0, NumColumnas - 1);
}

void TablaLosas::TeclaEnter(Interlocutor& ui) {
  if (!FilaValida(filaActual)) return;
  const int fila = filaActual;
  const int columna = columnaActual;
  MueveCelda(fila, columna);
  FilaActualizada(ui);
  if (columna < NumColumnas - 1) {
    columnaActual = columna + 1;
  } else if (fila + 1 < NumFilas()) {
    filaActual = fila + 1;
    columnaActual = ColLosa::Lx;
  }
}

void TablaLosas::Procesa(Interlocutor& ui) {
  ProcesaLosa(ui);
  ChequeaNumeros();
  PrimeraFila();
  columnaActual = ColLosa::Lx;
}

void TablaLosas::OK(Interlocutor& ui) {
  ProcesaLosa(ui);
  ChequeaNumeros();
  abierta = false;
}

bool TablaLosas::AceptaTeclaValor(char tecla, Interlocutor& ui) const {
  if (AceptaTeclaNumerica(static_cast<unsigned char>(tecla), textoValor)) return true;
  ui.Beep();
  return false;
}

bool TablaLosas::EditaValor(std::string_view texto, Interlocutor& ui) {
  const auto nuevo = EdicionNumerica(textoValor, texto);
  if (!nuevo) {
    ui.Beep();
    return false;
  }
  textoValor = *nuevo;
  return true;
}

namespace {

struct DatosCantidad {
  const char* confirmacion;
  const char* estado;
  Tabla<Single> Proyecto::*tabla;
  Single Proyecto::*general;
  int columna;
};

DatosCantidad Datos(TablaLosas::Cantidad c) {
  switch (c) {
    case TablaLosas::Cantidad::CargaMuerta:
      return {"OK para modificar la Carga Muerta en todas las losas.", "Modificando Carga Muerta...",
              &Proyecto::CargaMuertaVano, &Proyecto::CargaMuerta, ColLosa::MuertaVano};
    case TablaLosas::Cantidad::CargaViva:
      return {"OK para modificar la Carga Viva en todas las losas.", "Modificando Carga Viva...",
              &Proyecto::CargaVivaVano, &Proyecto::CargaViva, ColLosa::VivaVano};
    case TablaLosas::Cantidad::Espesor:
      break;
  }
  return {"OK para modificar el Espesor en todas las losas.", "Modificando Espesor...",
          &Proyecto::EspesorLosa, &Proyecto::EspesorGeneral, ColLosa::Espesor};
}

}  // namespace

int TablaLosas::LosasConValor(Cantidad c, Single valor) const {
  const auto columna = static_cast<std::size_t>(Datos(c).columna);
  return static_cast<int>(std::count_if(filas.begin(), filas.end(),
                                        [&](const Fila& f) { return ValorSingle(f[columna]) == valor; }));
}

void TablaLosas::CambiaValor(Cantidad c, Single anterior, Single nuevo) {
  const VigilaDatos vigila(p_, e_);
  const DatosCantidad d = Datos(c);
  for (int r = 0; r < NumFilas(); ++r) {
    std::string& celda = filas[static_cast<std::size_t>(r)][static_cast<std::size_t>(d.columna)];
    if (ValorSingle(celda) != anterior) continue;
    celda = TextoCelda(nuevo);
    if (r < MaxLosas) (p_.*(d.tabla))[static_cast<std::size_t>(r) + 1] = nuevo;
  }
}

void TablaLosas::PonValorGeneral(Cantidad c) { textoValor = TextoCelda(p_.*(Datos(c).general)); }

void TablaLosas::Cambia(Cantidad c, Interlocutor& ui) {
  VigilaDatos vigila(p_, e_);
  const DatosCantidad d = Datos(c);
  const int n = std::min(NumFilas(), MaxLosas);
  p_.NumLosas = static_cast<Integer>(n);
  if (n < 1) return;
  if (ui.Pregunta({d.confirmacion, "", Icono::Pregunta, Botones::OKCancelar}) != Respuesta::OK) return;
  vigila.Cambio();
  ui.Estado(d.estado);
  // A zero or negative value would reach the calculation before the rows are
  // processed again; like a zero cell, it stands for the general value.
  float valor = p_.*(d.general);
  if (!RecortaDerecha(textoValor).empty() && ValorSingle(textoValor) > 0.0f) valor = ValorSingle(textoValor);
  PrimeraFila();
  for (int i = 1; i <= n; ++i) {
    (p_.*(d.tabla))[static_cast<std::size_t>(i)] = valor;
    filas[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(d.columna)] = TextoCelda(valor);
  }
  PrimeraFila();
  columnaActual = ColLosa::Lx;
  ui.Estado("");
}

void TablaLosas::CopiaLosa(Interlocutor& ui) {
  if (!FilaValida(filaActual)) {
    ui.Beep();
    return;
  }
  std::string pregunta = "Desea repetir los valores de esta losa";
  const std::string num = Recorta(filas[static_cast<std::size_t>(filaActual)][ColLosa::Num]);
  if (!num.empty()) pregunta += " (" + num + ")";
  if (ui.Pregunta({pregunta, "", Icono::Pregunta, Botones::SiNo}) != Respuesta::Si) return;
  if (NumFilas() >= MaxLosas) {
    ui.Avisa(std::string(kMensajeMaximoLosas), "ERROR", Icono::Exclamacion);
    return;
  }
  VigilaDatos vigila(p_, e_);
  Fila copia = filas[static_cast<std::size_t>(filaActual)];
  copia[ColLosa::X0].clear();
  copia[ColLosa::Y0].clear();
  filas.push_back(copia);
  vigila.Cambio();
  Procesa(ui);
  filaActual = NumFilas() - 1;
  columnaActual = ColLosa::Lx;
}

}  // namespace placatec
