#include "outputs/Reacciones.h"

#include <algorithm>
#include <cmath>

#include "model/Numeros.h"

namespace placatec {

namespace {

bool CargaSoloEnX(Integer codigo) {
  return codigo == 14 || codigo == 15 || codigo == 16 || codigo == 17 || codigo == 22 || codigo == 23;
}
bool CargaSoloEnY(Integer codigo) {
  return codigo == 18 || codigo == 19 || codigo == 20 || codigo == 21 || codigo == 24 || codigo == 25;
}

// The slab index of a slab number (halves to even): 0 for no slab, -1 for a number
// that names no slab of the project.
int LosaDeNumero(const Proyecto& p, float numero) {
  const int i = IndiceLosa(numero);
  if (i == 0) return 0;
  if (i < 1 || i > MaxLosas || i > p.NumLosas) return -1;
  return i;
}

// The reaction of one side of a support; false when the slab cannot be used.
bool ReaccionLado(const Proyecto& p, float numero, std::string_view dir, Reaccion& r) {
  const int i = LosaDeNumero(p, numero);
  r = {};
  if (i == 0) return true;
  if (i < 0) return false;
  const auto k = static_cast<std::size_t>(i);
  // Spans that are not positive or an edge combination without a case give no
  // meaningful load; the row is reported rather than shown with a wrong number.
  if (!(p.Lx[k] > 0.0f) || !(p.Ly[k] > 0.0f) || p.BordesInvalidos[k]) return false;
  r = ReaccionLosa(p, i, dir);
  return std::isfinite(r.muerta) && std::isfinite(r.viva);
}

}  // namespace

Reaccion ReaccionLosa(const Proyecto& p, int losa, std::string_view dir) {
  const auto k = static_cast<std::size_t>(losa);
  // The loads are worked out in double from the stored spans and loads and only
  // shown, never stored: each one is rounded once, by the display format.
  const double lx = p.Lx[k], ly = p.Ly[k];
  const bool xCorto = lx <= ly;
  const double a = xCorto ? lx : ly;
  const double m = xCorto ? lx / ly : ly / lx;
  const double cm = p.CargaMuertaVano[k], cv = p.CargaVivaVano[k];
  const Integer codigo = p.CodigoLosa[k];

  Reaccion corto, largo;  // on a short edge, on a long edge
  if (codigo != 13) {
    corto = {a * cm / 3.0, a * cv / 3.0};
    const double f = (3.0 - m * m) / 2.0;
    largo = {f * corto.muerta, f * corto.viva};
  } else {
    // One-way cantilever: all of it goes to the fixed edge.
    largo = {a * cm + p.CargaMuertaVuelo[k], a * cv + p.CargaVivaVuelo[k]};
  }

  // An "X" support lies on edges 1 and 2, which are Ly long; a "Y" support on
  // edges 3 and 4, Lx long: the same meaning as in the support moments.
  Reaccion x = xCorto ? largo : corto;
  Reaccion y = xCorto ? corto : largo;
  const Reaccion total{a * cm, a * cv};
  if (CargaSoloEnX(codigo)) {
    x = total;
    y = {};
  } else if (CargaSoloEnY(codigo)) {
    y = total;
    x = {};
  }
  return EsDireccionY(dir) ? y : x;
}

std::vector<ApoyoAdicional> ApoyosAdicionales(const Proyecto& p) {
  std::vector<ApoyoAdicional> a;
  const int desde = std::clamp<int>(p.NumApoyos, 0, MaxApoyos);
  const int hasta = std::clamp<int>(p.NumApoyosReac, 0, MaxApoyos);
  for (int j = desde + 1; j <= hasta; ++j) {
    const auto k = static_cast<std::size_t>(j);
    // The "Apoyo j" that an empty description became names the row's number: it is
    // left empty, to name the number the row will have.
    const std::string& d = p.ApoyoDescripcion[k];
    a.push_back({p.ApoyoDir[k], d == "Apoyo " + std::to_string(j) ? std::string() : d, p.ApoyoLosa1[k],
                 p.ApoyoLosa2[k]});
  }
  return a;
}

int ColocaApoyosAdicionales(Proyecto& p, const std::vector<ApoyoAdicional>& adicionales) {
  const int continuos = std::clamp<int>(p.NumApoyos, 0, MaxApoyos);
  const int caben = std::min<int>(MaxApoyos - continuos, static_cast<int>(adicionales.size()));
  for (int n = 0; n < caben; ++n) {
    const auto k = static_cast<std::size_t>(continuos + 1 + n);
    const ApoyoAdicional& a = adicionales[static_cast<std::size_t>(n)];
    p.ApoyoDir[k] = a.dir;
    p.ApoyoDescripcion[k] = a.descripcion;
    p.ApoyoLosa1[k] = a.losa1;
    p.ApoyoLosa2[k] = a.losa2;
  }
  p.NumApoyosReac = static_cast<Integer>(continuos + caben);
  return static_cast<int>(adicionales.size()) - caben;
}

bool TablaReacciones::CalculaReacciones(Interlocutor& ui) {
  filas.clear();
  const int n = std::clamp<int>(std::max(p_.NumApoyos, p_.NumApoyosReac), 0, MaxApoyos);
  bool ok = true;
  for (int j = 1; j <= n; ++j) {
    const auto k = static_cast<std::size_t>(j);
    if (Recorta(p_.ApoyoDescripcion[k]).empty()) p_.ApoyoDescripcion[k] = "Apoyo " + std::to_string(j);
    Fila f{};
    f[ColReac::Num] = std::to_string(j);
    f[ColReac::Descripcion] = p_.ApoyoDescripcion[k];
    f[ColReac::Dir] = p_.ApoyoDir[k];
    f[ColReac::Losa1] = TextoCelda(p_.ApoyoLosa1[k]);
    f[ColReac::Losa2] = TextoCelda(p_.ApoyoLosa2[k]);
    Reaccion r1, r2;
    if (ReaccionLado(p_, p_.ApoyoLosa1[k], p_.ApoyoDir[k], r1) &&
        ReaccionLado(p_, p_.ApoyoLosa2[k], p_.ApoyoDir[k], r2)) {
      const double cm = r1.muerta + r2.muerta;
      const double cv = r1.viva + r2.viva;
      const double cu = kFactorCargaMuerta * cm + kFactorCargaViva * cv;
      f[ColReac::Muerta] = Formato(cm, "0.000");
      f[ColReac::Viva] = Formato(cv, "0.000");
      f[ColReac::Ultima] = Formato(cu, "0.000");
    } else {
      ok = false;
    }
    filas.push_back(f);
  }
  // NumApoyosReac is the number of rows of this table, continuous supports included.
  p_.NumApoyosReac = static_cast<Integer>(n);
  filaActual = 0;
  if (!ok) {
    ui.Beep();
    ui.Avisa(std::string(kMensajeErroresDatos));
  }
  return ok;
}

void TablaReacciones::Abre(Interlocutor& ui) {
  abierta = true;
  error = false;
  CalculaReacciones(ui);
}

bool TablaReacciones::FallaCalcula(int filasLeidas, Interlocutor& ui) {
  ui.Beep();
  cursorEspera = false;
  error = true;
  // Only the rows read hold current data; the report must not show the others.
  p_.NumApoyosReac = static_cast<Integer>(filasLeidas);
  filaActual = std::min(filasLeidas, std::max(0, NumFilas() - 1));
  ui.Avisa(std::string(kMensajeErroresDatos) + "\rFila " + std::to_string(filasLeidas + 1));
  return false;
}

bool TablaReacciones::Calcula(Interlocutor& ui) {
  // The extra supports are kept in the project file: a change must be saved.
  const std::vector<ApoyoAdicional> antes = ApoyosAdicionales(p_);
  const bool ok = LeeFilasAdicionales(ui);
  if (ApoyosAdicionales(p_) != antes) e_.Modificado = true;
  return ok;
}

bool TablaReacciones::LeeFilasAdicionales(Interlocutor& ui) {
  cursorEspera = true;
  error = false;
  const int n = NumFilas();
  p_.NumApoyosReac = static_cast<Integer>(std::min(n, MaxApoyos));
  filaActual = 0;
  for (int k = 1; k <= n; ++k) {
    if (k <= p_.NumApoyos) continue;
    if (k > MaxApoyos) return FallaCalcula(k - 1, ui);
    Fila& f = filas[static_cast<std::size_t>(k - 1)];

    float numeros[2] = {0.0f, 0.0f};
    bool conLosa = false;
    for (int lado = 0; lado < 2; ++lado) {
      const std::string& celda = f[static_cast<std::size_t>(ColReac::Losa1 + lado)];
      if (Recorta(celda).empty()) continue;  // no slab on that side
      if (!EsNumero(celda)) return FallaCalcula(k - 1, ui);
      numeros[lado] = ASingle(ValorTexto(celda));
      const int i = LosaDeNumero(p_, numeros[lado]);
      if (i < 0) return FallaCalcula(k - 1, ui);
      conLosa = conLosa || i > 0;
    }
    if (!conLosa) return FallaCalcula(k - 1, ui);
    std::string dir = Mayusculas(Recorta(f[ColReac::Dir]));
    if (dir.empty()) dir = "X";
    if (dir != "X" && dir != "Y") return FallaCalcula(k - 1, ui);

    const auto j = static_cast<std::size_t>(k);
    p_.ApoyoDescripcion[j] =
        Recorta(f[ColReac::Descripcion]).empty() ? "Apoyo " + std::to_string(k) : f[ColReac::Descripcion];
    p_.ApoyoDir[j] = dir;
    p_.ApoyoLosa1[j] = numeros[0];
    p_.ApoyoLosa2[j] = numeros[1];
  }
  p_.NumApoyosReac = static_cast<Integer>(std::min(n, MaxApoyos));
  CalculaReacciones(ui);
  cursorEspera = false;
  return true;
}

void TablaReacciones::OK(Interlocutor& ui) {
  if (!Calcula(ui)) return;
  p_.NumApoyosReac = static_cast<Integer>(std::min(NumFilas(), MaxApoyos));
  abierta = false;
}

void TablaReacciones::BotonDir(int fila) {
  if (!FilaExtra(fila)) return;
  std::string& dir = filas[static_cast<std::size_t>(fila)][ColReac::Dir];
  dir = dir == "X" ? "Y" : "X";
  e_.Modificado = true;
}

bool TablaReacciones::EditaCelda(int fila, int columna, std::string texto, Interlocutor& ui) {
  if (!FilaExtra(fila) || columna < ColReac::Descripcion || columna > ColReac::Losa2) return false;
  std::string& celda = filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
  filaActual = fila;
  if (columna == ColReac::Losa1 || columna == ColReac::Losa2) texto = ComaDecimal(texto);
  if ((columna == ColReac::Losa1 || columna == ColReac::Losa2) && ValorTexto(texto) > p_.NumLosas) {
    ui.Avisa("El numero de la losa \rno puede ser mayor que " + std::to_string(p_.NumLosas));
    celda.clear();
    return false;
  }
  if (celda != texto) e_.Modificado = true;
  celda = std::move(texto);
  return true;
}

void TablaReacciones::FilaEditada(int fila) {
  if (fila < 0 || fila >= NumFilas()) return;
  std::string& dir = filas[static_cast<std::size_t>(fila)][ColReac::Dir];
  if (Recorta(dir).empty()) dir = "X";
}

bool TablaReacciones::AgregaFilaNueva(Interlocutor& ui) {
  if (NumFilas() >= MaxApoyos) {
    ui.Avisa(std::string(kMensajeMaximoApoyos), "ERROR", Icono::Exclamacion);
    return false;
  }
  Fila f{};
  f[ColReac::Num] = std::to_string(NumFilas() + 1);
  f[ColReac::Dir] = "X";
  filas.push_back(f);
  filaActual = NumFilas() - 1;
  e_.Modificado = true;
  return true;
}

bool TablaReacciones::BorraFila(int fila) {
  if (!FilaExtra(fila)) return false;
  filas.erase(filas.begin() + fila);
  for (int r = fila; r < NumFilas(); ++r)
    filas[static_cast<std::size_t>(r)][ColReac::Num] = std::to_string(r + 1);
  filaActual = std::min(fila, std::max(0, NumFilas() - 1));
  e_.Modificado = true;
  return true;
}

TablaResultado TablaReacciones::Tabla() const {
  TablaResultado t;
  for (const Fila& f : filas) {
    std::vector<Celda> celdas;
    for (int c = 0; c < NumColumnas; ++c) {
      const std::string& texto = f[static_cast<std::size_t>(c)];
      Celda celda{texto, std::nullopt};
      const bool numerica = c != ColReac::Descripcion && c != ColReac::Dir;
      if (numerica && EsNumero(texto)) celda.valor = ValorTexto(texto);
      celdas.push_back(celda);
    }
    t.filas.push_back(std::move(celdas));
  }
  return t;
}

}  // namespace placatec
