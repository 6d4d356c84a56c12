#include "entry/TablaApoyos.h"

#include <algorithm>
#include <cmath>

#include "entry/DatosModificados.h"
#include "model/Numeros.h"

namespace placatec {

namespace {

bool EnBlanco(const std::string& celda) { return Recorta(celda).empty(); }

// A slab cell read as a Single; false when it is not a number that fits one.
bool LeeLosa(const std::string& celda, float& valor) {
  if (!EsNumero(celda)) return false;
  valor = ASingle(ValorTexto(celda));
  return std::isfinite(valor);
}

}  // namespace

bool TablaApoyos::AgregaFila(const Fila& f) {
  if (NumFilas() >= MaxApoyos) return false;
  VigilaDatos(p_, e_).Cambio();
  filas.push_back(f);
  filaActual = NumFilas() - 1;
  return true;
}

bool TablaApoyos::Procesar(Interlocutor& ui) {
  const VigilaDatos vigila(p_, e_);
  p_.NumApoyos = 0;
  PrimeraFila();
  if (!filas.empty() && EnBlanco(filas[0][ColApoyo::Losa1]) && EnBlanco(filas[0][ColApoyo::Losa2]))
    filas.erase(filas.begin());

  bool ok = true;
  std::size_t r = 0;
  while (r < filas.size()) {
    Fila& f = filas[r];
    const bool completa =
        !EnBlanco(f[ColApoyo::Dir]) && !EnBlanco(f[ColApoyo::Losa1]) && !EnBlanco(f[ColApoyo::Losa2]);
    if (!completa) {
      if (r == 0) {
        f[ColApoyo::Num].clear();  // not a support (yet)
        ++r;
      } else {
        filas.erase(filas.begin() + static_cast<std::ptrdiff_t>(r));
      }
      continue;
    }
    float losa1 = 0.0f, losa2 = 0.0f;
    const std::string dir = Mayusculas(Recorta(f[ColApoyo::Dir]));
    if (p_.NumApoyos >= MaxApoyos || !LeeLosa(f[ColApoyo::Losa1], losa1) ||
        !LeeLosa(f[ColApoyo::Losa2], losa2) || (dir != "X" && dir != "Y")) {
      filaActual = static_cast<int>(r);
      ui.Avisa(std::string(kMensajeErrorApoyos) + "\rFila " + std::to_string(r + 1), "", Icono::Informacion);
      ok = false;
      break;
    }
    const int k = p_.NumApoyos + 1;
    const auto j = static_cast<std::size_t>(k);
    f[ColApoyo::Num] = std::to_string(k);
    f[ColApoyo::Dir] = dir;
    if (EnBlanco(f[ColApoyo::Descripcion])) f[ColApoyo::Descripcion] = "Apoyo " + std::to_string(k);
    p_.ApoyoLosa1[j] = losa1;
    p_.ApoyoLosa2[j] = losa2;
    p_.ApoyoDir[j] = dir;
    p_.ApoyoDescripcion[j] = f[ColApoyo::Descripcion];
    p_.NumApoyos = static_cast<Integer>(k);
    ++r;
  }
  if (ok) PrimeraFila();
  return ok;
}

void TablaApoyos::Carga() {
  UltimaDir = "X";
  if (FilaValida(filaActual) && EnBlanco(filas[static_cast<std::size_t>(filaActual)][ColApoyo::Dir]))
    filas[static_cast<std::size_t>(filaActual)][ColApoyo::Dir] = "X";
}

void TablaApoyos::Activa(Interlocutor& ui) {
  abierta = true;
  listaLosas.clear();
  for (int i = 1; i <= p_.NumLosas; ++i) listaLosas.push_back(std::to_string(i));
  Procesar(ui);
}

void TablaApoyos::BotonDir(int fila) {
  if (!FilaValida(fila)) return;
  std::string& dir = filas[static_cast<std::size_t>(fila)][ColApoyo::Dir];
  dir = dir == "X" ? "Y" : "X";
  UltimaDir = dir;
  VigilaDatos(p_, e_).Cambio();
}

void TablaApoyos::EditaCelda(int fila, int columna, std::string texto) {
  if (!FilaValida(fila) || columna < 0 || columna >= NumColumnas) return;
  if (columna == ColApoyo::Losa1 || columna == ColApoyo::Losa2) texto = ComaDecimal(texto);
  std::string& celda = filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
  if (celda != texto) VigilaDatos(p_, e_).Cambio();
  celda = std::move(texto);
  filaActual = fila;
}

void TablaApoyos::FilaEditada(int fila) {
  if (!FilaValida(fila)) return;
  std::string& dir = filas[static_cast<std::size_t>(fila)][ColApoyo::Dir];
  if (EnBlanco(dir)) dir = UltimaDir;
}

bool TablaApoyos::AgregaFilaNueva(Interlocutor& ui) {
  if (NumFilas() >= MaxApoyos) {
    ui.Avisa(std::string(kMensajeMaximoApoyos), "ERROR", Icono::Exclamacion);
    return false;
  }
  Fila f{};
  f[ColApoyo::Dir] = UltimaDir;
  filas.push_back(f);
  filaActual = NumFilas() - 1;
  return true;
}

void TablaApoyos::BorraFila(int fila, Interlocutor& ui) {
  if (!FilaValida(fila)) return;
  VigilaDatos vigila(p_, e_);
  filas.erase(filas.begin() + fila);
  vigila.Cambio();
  Procesar(ui);
}

void TablaApoyos::BorraTodo(Interlocutor& ui) {
  if (ui.Pregunta({std::string(kPreguntaBorraApoyos), "", Icono::Pregunta, Botones::SiNo}) != Respuesta::Si)
    return;
  VigilaDatos vigila(p_, e_);
  vigila.Cambio();
  Vacia();
  for (int j = 1; j <= std::min<int>(p_.NumApoyos, MaxApoyos); ++j) {
    p_.ApoyoLosa1[static_cast<std::size_t>(j)] = 0.0f;
    p_.ApoyoLosa2[static_cast<std::size_t>(j)] = 0.0f;
    p_.ApoyoDir[static_cast<std::size_t>(j)] = "X";
  }
  p_.NumApoyos = 0;
}

void TablaApoyos::OK(Interlocutor& ui) {
  // After "Error en los apoyos" the dialog stays open: the supports behind the faulty
  // row are not in the project yet, and the calculation would go on without them.
  if (!Procesar(ui)) return;
  p_.NumApoyosReac = p_.NumApoyos;
  abierta = false;
}

}  // namespace placatec
