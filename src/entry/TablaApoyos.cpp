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

// A slab number after the slabs were renumbered: the new number, 0 for a slab removed,
// or the number itself when it named no slab.
int NuevaLosa(float losa, const std::vector<int>& nuevoNumero) {
  const int k = IndiceLosa(losa);
  return k >= 1 && k < static_cast<int>(nuevoNumero.size()) ? nuevoNumero[static_cast<std::size_t>(k)] : -1;
}

}  // namespace

bool TablaApoyos::AgregaFila(const Fila& f) {
  if (NumFilas() >= MaxApoyos) return false;
  e_.Modificado = true;  // a row not yet processed: no input changed
  filas.push_back(f);
  filaActual = NumFilas() - 1;
  return true;
}

bool TablaApoyos::Procesar(Interlocutor& ui) {
  const VigilaDatos vigila(p_, e_);
  // The extra supports of the reactions table follow the continuous ones in the same
  // arrays: they are set aside while these are rewritten and put back after them.
  const std::vector<ApoyoAdicional> adicionales = ApoyosAdicionales(p_);
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
  ReponeAdicionales(adicionales, ui);
  if (ok) PrimeraFila();
  return ok;
}

void TablaApoyos::ReponeAdicionales(const std::vector<ApoyoAdicional>& adicionales, Interlocutor& ui) {
  const int sobran = ColocaApoyosAdicionales(p_, adicionales);
  if (sobran > 0)
    ui.Avisa(std::string(kMensajeMaximoApoyos) + "\rSe quitan de las reacciones los ultimos " +
                 std::to_string(sobran) + " apoyos adicionales",
             "ERROR", Icono::Exclamacion);
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
  e_.Modificado = true;  // a row not yet processed: no input changed
}

void TablaApoyos::EditaCelda(int fila, int columna, std::string texto) {
  if (!FilaValida(fila) || columna < 0 || columna >= NumColumnas) return;
  if (columna == ColApoyo::Losa1 || columna == ColApoyo::Losa2) texto = ComaDecimal(texto);
  std::string& celda = filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
  if (celda != texto) e_.Modificado = true;  // a row not yet processed: no input changed
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

void TablaApoyos::RenumeraLosas(const std::vector<int>& nuevoNumero, Interlocutor& ui) {
  const VigilaDatos vigila(p_, e_);
  // The grid's rows.
  std::erase_if(filas, [&](Fila& f) {
    for (int c : {ColApoyo::Losa1, ColApoyo::Losa2}) {
      std::string& celda = f[static_cast<std::size_t>(c)];
      if (!EsNumero(celda)) continue;
      const int nueva = NuevaLosa(ValorSingle(celda), nuevoNumero);
      if (nueva == 0) return true;
      if (nueva > 0) celda = std::to_string(nueva);
    }
    return false;
  });
  filaActual = std::clamp(filaActual, 0, std::max(0, NumFilas() - 1));

  // The arrays: the continuous supports 1..NumApoyos, then the extra ones.
  const int continuos = std::clamp<int>(p_.NumApoyos, 0, MaxApoyos);
  const int total = std::clamp<int>(std::max(p_.NumApoyos, p_.NumApoyosReac), 0, MaxApoyos);
  std::string quitados;
  int j = 0, quedanContinuos = 0;
  for (int k = 1; k <= total; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const int losa1 = NuevaLosa(p_.ApoyoLosa1[i], nuevoNumero);
    const int losa2 = NuevaLosa(p_.ApoyoLosa2[i], nuevoNumero);
    if (losa1 == 0 || losa2 == 0) {
      quitados += "\rApoyo " + std::to_string(k);
      const std::string& d = p_.ApoyoDescripcion[i];
      if (!EnBlanco(d) && d != "Apoyo " + std::to_string(k)) quitados += " (" + d + ")";
      quitados += ", losas " + TextoNumero(p_.ApoyoLosa1[i]) + " y " + TextoNumero(p_.ApoyoLosa2[i]);
      continue;
    }
    const auto nuevo = static_cast<std::size_t>(++j);
    p_.ApoyoDir[nuevo] = p_.ApoyoDir[i];
    p_.ApoyoDescripcion[nuevo] = p_.ApoyoDescripcion[i];
    p_.ApoyoLosa1[nuevo] = losa1 > 0 ? static_cast<float>(losa1) : p_.ApoyoLosa1[i];
    p_.ApoyoLosa2[nuevo] = losa2 > 0 ? static_cast<float>(losa2) : p_.ApoyoLosa2[i];
    if (k <= continuos) ++quedanContinuos;
  }
  for (int k = j + 1; k <= total; ++k) {
    const auto i = static_cast<std::size_t>(k);
    p_.ApoyoDir[i].clear();
    p_.ApoyoDescripcion[i].clear();
    p_.ApoyoLosa1[i] = p_.ApoyoLosa2[i] = 0.0f;
  }
  // The reactions show the extra supports after the continuous ones, when it has any.
  p_.NumApoyosReac = static_cast<Integer>(
      p_.NumApoyosReac > p_.NumApoyos ? j : std::min<int>(p_.NumApoyosReac, quedanContinuos));
  p_.NumApoyos = static_cast<Integer>(quedanContinuos);
  // The rows left are numbered as the supports they are.
  for (int r = 0, k = 0; r < NumFilas(); ++r)
    if (!EnBlanco(filas[static_cast<std::size_t>(r)][ColApoyo::Num]))
      filas[static_cast<std::size_t>(r)][ColApoyo::Num] = std::to_string(++k);
  if (!quitados.empty())
    ui.Avisa("Se quitaron los apoyos que unian una losa borrada:" + quitados, "", Icono::Informacion);
}

void TablaApoyos::BorraTodo(Interlocutor& ui) {
  if (ui.Pregunta({std::string(kPreguntaBorraApoyos), "", Icono::Pregunta, Botones::SiNo}) != Respuesta::Si)
    return;
  VigilaDatos vigila(p_, e_);
  vigila.Cambio();
  Vacia();
  const std::vector<ApoyoAdicional> adicionales = ApoyosAdicionales(p_);
  for (int j = 1; j <= std::min<int>(p_.NumApoyos, MaxApoyos); ++j) {
    p_.ApoyoLosa1[static_cast<std::size_t>(j)] = 0.0f;
    p_.ApoyoLosa2[static_cast<std::size_t>(j)] = 0.0f;
    p_.ApoyoDir[static_cast<std::size_t>(j)] = "X";
  }
  p_.NumApoyos = 0;
  ReponeAdicionales(adicionales, ui);
}

void TablaApoyos::OK(Interlocutor& ui) {
  // After "Error en los apoyos" the dialog stays open: the supports behind the faulty
  // row are not in the project yet, and the calculation would go on without them.
  // Procesar has left the reactions table the continuous supports and, after them, the
  // extra supports the engineer added there.
  if (!Procesar(ui)) return;
  abierta = false;
}

}  // namespace placatec
