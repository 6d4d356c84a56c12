#include "report/Maquetacion.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <optional>
#include <variant>

#include "report/Papel.h"

namespace placatec {

namespace {

constexpr double kMinimoCuerpo = 1440;         // the body keeps at least an inch each way
constexpr double kSeparacionEncabezado = 120;  // header/footer to body
constexpr double kSeparacionBorde = 180;       // page border to body: clear of the table frames
constexpr double kMargenHoja = 180;            // a page border stays this far inside the sheet
constexpr double kHuecoPartes = 240;           // between the parts of a header or footer
constexpr std::size_t kFilasMinimas = 2;       // rows of a table never left alone on a page
constexpr std::size_t kFilasSinPartir = 6;     // a table this short is never split
constexpr double kGrosorBorde = 15;
constexpr double kRellenoX = 30;  // cell padding
constexpr double kRellenoY = 25;
constexpr double kParteFigura = 0.8;  // a scaled figure takes at most this part of the body's height
constexpr double kGrosorTabla = 10;
constexpr double kGrosorColumna = 5;

std::size_t LargoCaracter(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 1;
}

// Breaks a word that is wider than the line between its characters.
void PartePalabra(std::string_view palabra, double ancho, const Estilo& e, const MedidorTexto& m,
                  std::vector<std::string>& lineas) {
  std::string linea;
  for (std::size_t i = 0; i < palabra.size();) {
    std::size_t n = std::min(LargoCaracter(static_cast<unsigned char>(palabra[i])), palabra.size() - i);
    std::string prueba = linea + std::string(palabra.substr(i, n));
    if (!linea.empty() && m.Ancho(e, prueba) > ancho) {
      lineas.push_back(linea);
      linea = std::string(palabra.substr(i, n));
    } else {
      linea = std::move(prueba);
    }
    i += n;
  }
  lineas.push_back(linea);
}

void PartirLinea(std::string_view texto, double ancho, const Estilo& e, const MedidorTexto& m,
                 std::vector<std::string>& lineas, bool partePalabras) {
  if (texto.empty() || m.Ancho(e, texto) <= ancho) {
    lineas.emplace_back(texto);
    return;
  }
  // Words, the leading blanks staying with the first one.
  std::size_t i = 0;
  while (i < texto.size() && texto[i] == ' ') ++i;
  std::vector<std::string> palabras;
  std::string prefijo(texto.substr(0, i));
  while (i < texto.size()) {
    std::size_t fin = std::min(texto.find(' ', i), texto.size());
    if (fin > i) {
      palabras.push_back(prefijo + std::string(texto.substr(i, fin - i)));
      prefijo.clear();
    }
    i = fin + 1;
  }
  std::string linea;
  for (const std::string& p : palabras) {
    std::string prueba = linea.empty() ? p : linea + " " + p;
    if (m.Ancho(e, prueba) <= ancho) {
      linea = std::move(prueba);
      continue;
    }
    if (!linea.empty()) lineas.push_back(linea);
    linea.clear();
    if (!partePalabras || m.Ancho(e, p) <= ancho) {
      linea = p;
    } else {
      PartePalabra(p, ancho, e, m, lineas);
      linea = lineas.back();
      lineas.pop_back();
    }
  }
  lineas.push_back(linea);
}

// The lines of a text, split at '\n' and then to the width.
std::vector<std::string> Lineas(std::string_view texto, double ancho, const Estilo& e, const MedidorTexto& m,
                                bool partePalabras) {
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  for (;;) {
    std::size_t fin = texto.find('\n', inicio);
    std::string_view l =
        texto.substr(inicio, fin == std::string_view::npos ? std::string_view::npos : fin - inicio);
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    PartirLinea(l, ancho, e, m, lineas, partePalabras);
    if (fin == std::string_view::npos) return lineas;
    inicio = fin + 1;
  }
}

// The text cut short with "…" to fit the width; empty when not even that fits.
std::string Abrevia(const std::string& texto, double ancho, const Estilo& e, const MedidorTexto& m) {
  if (m.Ancho(e, texto) <= ancho) return texto;
  static const std::string kPuntos = "\xE2\x80\xA6";
  std::vector<std::size_t> cortes;  // character boundaries
  for (std::size_t i = 0; i < texto.size();) {
    cortes.push_back(i);
    i += std::min(LargoCaracter(static_cast<unsigned char>(texto[i])), texto.size() - i);
  }
  auto con = [&](std::size_t k) {
    std::string t = texto.substr(0, cortes[k]);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t + kPuntos;
  };
  std::size_t bajo = 0, alto = cortes.size();  // con(bajo) is tried last
  while (alto - bajo > 1) {
    const std::size_t medio = (bajo + alto) / 2;
    (m.Ancho(e, con(medio)) <= ancho ? bajo : alto) = medio;
  }
  const std::string t = con(bajo);
  return m.Ancho(e, t) <= ancho ? t : std::string();
}

struct CeldaMaquetada {
  std::vector<std::string> lineas;
};
struct FilaMaquetada {
  std::vector<CeldaMaquetada> celdas;
  double alto = 0;
};

// A table made to fit the body: its size, column widths and rows.
struct TablaMaquetada {
  Estilo estilo;
  std::vector<double> anchos;
  bool conEncabezado = false;
  FilaMaquetada encabezado;
  std::vector<FilaMaquetada> filas;
};

// Columns below their least width (the longest word) take it from the room left on
// the line, then from the slack of the other columns.
void AjustaAnchos(std::vector<double>& anchos, const std::vector<double>& minimos, double disponible) {
  double falta = 0;
  for (std::size_t c = 0; c < anchos.size(); ++c)
    if (anchos[c] < minimos[c]) {
      falta += minimos[c] - anchos[c];
      anchos[c] = minimos[c];
    }
  falta -=
      std::min(falta, std::max(0.0, disponible - std::accumulate(anchos.begin(), anchos.end(), 0.0) + falta));
  if (falta <= 0) return;
  double holgura = 0;
  for (std::size_t c = 0; c < anchos.size(); ++c) holgura += anchos[c] - minimos[c];
  if (holgura <= 0) return;
  const double k = std::min(1.0, falta / holgura);
  for (std::size_t c = 0; c < anchos.size(); ++c) anchos[c] -= (anchos[c] - minimos[c]) * k;
}

class Maquetador {
 public:
  Maquetador(const Documento& d, const ConfiguracionPagina& c, const MedidorTexto& m)
      : doc_(d), conf_(c), med_(m), tablas_(d.bloques.size()) {
    maqueta_.hoja = Hoja(c);
    Cuerpo();
    maqueta_.anchoCuerpo = der_ - izq_;
  }

  Maqueta Ejecuta() {
    NuevaPagina();
    for (std::size_t i = 0; i < doc_.bloques.size(); ++i) {
      const Bloque& b = doc_.bloques[i];
      if (auto* p = std::get_if<Parrafo>(&b)) {
        ColocaParrafo(*p, i);
      } else if (auto* t = std::get_if<TablaDoc>(&b)) {
        ColocaTabla(*t, i);
      } else if (auto* f = std::get_if<Figura>(&b)) {
        ColocaFigura(f->ancho > 0 ? Ajustada(*f) : *f);
      } else if (!vacia_) {
        NuevaPagina();
      }
    }
    // No blank sheet at the end, nor for a report with nothing in it.
    if (vacia_) maqueta_.paginas.pop_back();
    for (std::size_t n = 0; n < maqueta_.paginas.size(); ++n)
      Adornos(maqueta_.paginas[n], static_cast<int>(n + 1));
    return std::move(maqueta_);
  }

 private:
  static int NumeroLineas(std::string_view t) {
    return 1 + static_cast<int>(std::count(t.begin(), t.end(), '\n'));
  }

  bool LineaArriba() const { return conf_.borde == 2 || conf_.borde == 3 || conf_.borde == 4; }
  bool LineaAbajo() const { return conf_.borde == 1 || conf_.borde == 3 || conf_.borde == 4; }

  // The body rectangle: the margins, moved in where the header, the footer or the
  // page border needs room (a border stays inside the sheet and clear of the body),
  // and kept at least an inch wide and high.
  void Cuerpo() {
    const double W = maqueta_.hoja.ancho, H = maqueta_.hoja.alto;
    const double T = std::max(0, conf_.margenes[0]), L = std::max(0, conf_.margenes[1]);
    const double B = std::max(0, conf_.margenes[2]), R = std::max(0, conf_.margenes[3]);
    const double lado = conf_.borde == 4 ? kMargenHoja + kSeparacionBorde : 0;
    izq_ = std::max(L, lado);
    der_ = W - std::max(R, lado);
    if (der_ - izq_ < kMinimoCuerpo) {
      izq_ = std::clamp(izq_, 0.0, std::max(0.0, W - kMinimoCuerpo));
      der_ = izq_ + kMinimoCuerpo;
    }
    altoEncabezado_ =
        doc_.encabezado.empty() ? 0 : NumeroLineas(doc_.encabezado) * med_.AltoLinea(doc_.estiloEncabezado);
    altoPie_ = doc_.pie.empty() ? 0 : NumeroLineas(doc_.pie) * med_.AltoLinea(doc_.estiloPie);
    double techo = altoEncabezado_ > 0 ? altoEncabezado_ + kSeparacionEncabezado : 0;
    if (LineaArriba()) techo = std::max(techo, kMargenHoja) + kSeparacionBorde;
    arriba_ = std::max(T, techo);
    double suelo = altoPie_ > 0 ? altoPie_ + kSeparacionEncabezado : 0;
    if (LineaAbajo()) suelo = std::max(suelo, kMargenHoja) + kSeparacionBorde;
    abajo_ = H - std::max(B, suelo);
    if (abajo_ - arriba_ < kMinimoCuerpo) abajo_ = arriba_ + kMinimoCuerpo;
  }

  void NuevaPagina() {
    maqueta_.paginas.emplace_back();
    pag_ = &maqueta_.paginas.back();
    y_ = arriba_;
    vacia_ = true;
  }

  bool NoCabe(double alto) const { return !vacia_ && y_ + alto > abajo_; }

  void Texto(double x, double y, const std::string& t, const Estilo& e) {
    if (t.empty()) return;
    pag_->textos.push_back({x, y, med_.Ancho(e, t), med_.AltoLinea(e), t, e});
  }

  // Space a block needs on the page it starts on.
  double AltoInicial(std::size_t indice) {
    const Bloque& b = doc_.bloques[indice];
    if (auto* p = std::get_if<Parrafo>(&b)) return p->antes + AltoParrafo(*p) + p->despues;
    if (auto* t = std::get_if<TablaDoc>(&b)) {
      const TablaMaquetada& tm = Preparada(*t, indice);
      const std::size_t n = tm.filas.size();
      return t->antes + tm.encabezado.alto + AltoFilas(tm, 0, FinMinimo(0, Grupo(*t), n));
    }
    if (auto* f = std::get_if<Figura>(&b)) return AltoFigura(f->ancho > 0 ? Ajustada(*f) : *f);
    return 0;
  }

  double AltoParrafo(const Parrafo& p) const {
    std::vector<std::string> lineas = PartirLineas(p.texto, der_ - izq_, p.estilo, med_);
    return static_cast<double>(lineas.size()) * med_.AltoLinea(p.estilo);
  }

  void ColocaParrafo(const Parrafo& p, std::size_t indice) {
    if (p.juntoConSiguiente && !vacia_) {
      // The paragraph, the ones chained to it and the start of the block they lead to.
      double alto = 0;
      std::size_t j = indice;
      for (; j < doc_.bloques.size(); ++j) {
        const Parrafo* q = std::get_if<Parrafo>(&doc_.bloques[j]);
        if (!q || !q->juntoConSiguiente) {
          alto += AltoInicial(j);
          break;
        }
        alto += q->antes + AltoParrafo(*q) + q->despues;
      }
      if (y_ + alto > abajo_ && alto <= abajo_ - arriba_) NuevaPagina();
    }
    std::vector<std::string> lineas = PartirLineas(p.texto, der_ - izq_, p.estilo, med_);
    const double lh = med_.AltoLinea(p.estilo);
    const double antes = vacia_ ? 0 : p.antes;
    if (NoCabe(antes + lh * static_cast<double>(lineas.size())))
      NuevaPagina();
    else
      y_ += antes;
    for (const std::string& l : lineas) {
      if (NoCabe(lh)) NuevaPagina();
      Texto(izq_, y_, l, p.estilo);
      y_ += lh;
      vacia_ = false;
    }
    y_ += p.despues;
  }

  // A table wider than the body is first set smaller, down to kLetraMinima, with its
  // columns narrowed alike; no column is narrower than its longest word. A table that
  // cannot fit even so stays at kLetraMinima, wider than the body, and the layout
  // records the width it needs (the page setting is then to be refused).
  TablaMaquetada Prepara(const TablaDoc& t) {
    TablaMaquetada tm;
    tm.estilo = t.estilo;
    tm.conEncabezado = !t.encabezado.empty();
    for (const ColumnaTabla& c : t.columnas) tm.anchos.push_back(c.ancho);
    const double disponible = der_ - izq_;
    const double total = std::accumulate(tm.anchos.begin(), tm.anchos.end(), 0.0);
    if (total > disponible && total > 0) {
      const double f = disponible / total;
      tm.estilo.tamano =
          std::min(t.estilo.tamano, std::max(kLetraMinima, std::floor(t.estilo.tamano * f * 2) / 2));
      for (double& a : tm.anchos) a *= f;
    }
    for (int intento = 0; intento < 2; ++intento) {
      std::vector<double> minimos(tm.anchos.size(), 0.0);
      auto mide = [&](const std::vector<std::string>& celdas) {
        for (std::size_t c = 0; c < minimos.size() && c < celdas.size(); ++c) {
          std::size_t i = 0;
          const std::string& s = celdas[c];
          while (i < s.size()) {
            const std::size_t fin = std::min(s.find_first_of(" \n", i), s.size());
            if (fin > i)
              minimos[c] =
                  std::max(minimos[c], med_.Ancho(tm.estilo, std::string_view(s).substr(i, fin - i)));
            i = fin + 1;
          }
        }
      };
      mide(t.encabezado);
      for (const auto& f : t.filas) mide(f);
      for (double& m : minimos) m += 2 * kRellenoX + 1;
      AjustaAnchos(tm.anchos, minimos, disponible);
      const double suma = std::accumulate(minimos.begin(), minimos.end(), 0.0);
      if (suma <= disponible + 0.5) break;
      if (intento == 1 || tm.estilo.tamano <= kLetraMinima) {
        maqueta_.anchoNecesario = std::max(maqueta_.anchoNecesario, suma);
        tm.anchos = minimos;
        break;
      }
      tm.estilo.tamano = std::max(kLetraMinima, std::floor(tm.estilo.tamano * disponible / suma * 4) / 4);
      tm.anchos = minimos;
      for (double& a : tm.anchos) a *= disponible / suma;
    }
    if (tm.conEncabezado) tm.encabezado = Fila(t.encabezado, tm.anchos, tm.estilo);
    tm.filas.reserve(t.filas.size());
    for (const auto& f : t.filas) tm.filas.push_back(Fila(f, tm.anchos, tm.estilo));
    return tm;
  }

  TablaMaquetada& Preparada(const TablaDoc& t, std::size_t indice) {
    if (!tablas_[indice]) tablas_[indice] = Prepara(t);
    return *tablas_[indice];
  }

  FilaMaquetada Fila(const std::vector<std::string>& celdas, const std::vector<double>& anchos,
                     const Estilo& e) const {
    FilaMaquetada f;
    std::size_t maxLineas = 1;
    for (std::size_t c = 0; c < anchos.size(); ++c) {
      CeldaMaquetada cm;
      // Cells wrap at blanks only: a number or a word is never split.
      if (c < celdas.size())
        cm.lineas = Lineas(celdas[c], std::max(1.0, anchos[c] - 2 * kRellenoX), e, med_, false);
      maxLineas = std::max(maxLineas, cm.lineas.size());
      f.celdas.push_back(std::move(cm));
    }
    f.alto = static_cast<double>(maxLineas) * med_.AltoLinea(e) + 2 * kRellenoY;
    return f;
  }

  void ColocaFila(const FilaMaquetada& f, const TablaDoc& t, const TablaMaquetada& tm) {
    const double lh = med_.AltoLinea(tm.estilo);
    double x = izq_;
    for (std::size_t c = 0; c < tm.anchos.size(); ++c) {
      const Alineacion a = t.columnas[c].alineacion;
      double yl = y_ + kRellenoY;
      for (const std::string& l : f.celdas[c].lineas) {
        const double w = med_.Ancho(tm.estilo, l);
        double xl = x + kRellenoX;
        if (a == Alineacion::Derecha)
          xl = x + tm.anchos[c] - kRellenoX - w;
        else if (a == Alineacion::Centro)
          xl = x + (tm.anchos[c] - w) / 2;
        Texto(xl, yl, l, tm.estilo);
        yl += lh;
      }
      x += tm.anchos[c];
    }
    y_ += f.alto;
    vacia_ = false;
  }

  // Box and column lines around the part of a table on one page.
  void CierraTramo(double arriba, double abajoEncabezado, const std::vector<double>& anchos) {
    const double ancho = std::accumulate(anchos.begin(), anchos.end(), 0.0);
    pag_->rectangulos.push_back({izq_, arriba, izq_ + ancho, y_, kGrosorTabla});
    double x = izq_;
    for (std::size_t c = 0; c + 1 < anchos.size(); ++c) {
      x += anchos[c];
      pag_->lineas.push_back({x, arriba, x, y_, kGrosorColumna});
    }
    if (abajoEncabezado > arriba)
      pag_->lineas.push_back({izq_, abajoEncabezado, izq_ + ancho, abajoEncabezado, kGrosorTabla});
  }

  static std::size_t Grupo(const TablaDoc& t) { return static_cast<std::size_t>(std::max(1, t.filasJuntas)); }

  static double AltoFilas(const TablaMaquetada& tm, std::size_t desde, std::size_t hasta) {
    double h = 0;
    for (std::size_t r = desde; r < hasta; ++r) h += tm.filas[r].alto;
    return h;
  }

  // The fewest rows from `desde` that may end a page: whole groups, at least two
  // rows, and never a single row left over for the next page; a short table whole.
  static std::size_t FinMinimo(std::size_t desde, std::size_t g, std::size_t n) {
    if (n <= kFilasSinPartir) return n;
    std::size_t k = desde;
    while (k < n && (k - desde < kFilasMinimas || n - k < kFilasMinimas)) k = std::min(n, k + g);
    return k;
  }

  // Where the rows from `desde` stop on a page of `alto` twips: whole groups that
  // fit, leaving neither one row alone here nor one row alone on the next page;
  // `desde` when they must all go to the next page.
  static std::size_t FinTramo(const TablaMaquetada& tm, std::size_t desde, std::size_t g, double alto) {
    const std::size_t n = tm.filas.size();
    std::size_t k = desde;
    double h = 0;
    while (k < n) {
      const std::size_t fin = std::min(n, k + g);
      const double hg = AltoFilas(tm, k, fin);
      if (h + hg > alto) break;
      h += hg;
      k = fin;
    }
    if (k == n) return k;
    if (n <= kFilasSinPartir) return desde;
    while (k > desde && n - k < kFilasMinimas) k -= std::min(k - desde, g);
    if (k - desde < std::min(kFilasMinimas, n - desde)) k = desde;
    return k;
  }

  void ColocaTabla(const TablaDoc& t, std::size_t indice) {
    if (t.columnas.empty()) return;
    const TablaMaquetada& tm = Preparada(t, indice);
    if (!tm.conEncabezado && tm.filas.empty()) return;
    const std::size_t n = tm.filas.size(), g = Grupo(t);
    bool primero = true;
    for (std::size_t i = 0;;) {
      const double antes = primero && !vacia_ ? t.antes : 0;
      if (n == 0 && NoCabe(antes + tm.encabezado.alto)) {
        NuevaPagina();
        continue;
      }
      std::size_t k = FinTramo(tm, i, g, abajo_ - y_ - antes - tm.encabezado.alto);
      if (k == i && n > 0 && !vacia_) {
        NuevaPagina();  // the rows go on together on the next page
        continue;
      }
      if (k == i && n > 0) {
        // Not even that fits on a whole page: as many groups as fit, at least one.
        double h = tm.encabezado.alto;
        do {
          const std::size_t fin = std::min(n, k + g);
          h += AltoFilas(tm, k, fin);
          k = fin;
        } while (k < n && h + AltoFilas(tm, k, std::min(n, k + g)) <= abajo_ - arriba_);
      }
      y_ += antes;
      const double arriba = y_;
      double abajoEncabezado = 0;
      if (tm.conEncabezado) {
        ColocaFila(tm.encabezado, t, tm);
        abajoEncabezado = y_;
      }
      for (std::size_t r = i; r < k; ++r) ColocaFila(tm.filas[r], t, tm);
      CierraTramo(arriba, abajoEncabezado, tm.anchos);
      if (k >= n) break;
      NuevaPagina();
      i = k;
      primero = false;
    }
    y_ += t.despues;
  }

  struct TextoFiguraMedido {
    double x, y, ancho, alto;
  };
  TextoFiguraMedido MideTexto(const TextoFigura& t) const {
    const double w = med_.Ancho(t.estilo, t.texto), h = med_.AltoLinea(t.estilo);
    double x = t.x;
    if (t.anclaX == Alineacion::Derecha)
      x -= w;
    else if (t.anclaX == Alineacion::Centro)
      x -= w / 2;
    return {x, t.centradoVertical ? t.y - h / 2 : t.y, w, h};
  }

  // The lowest point of a text's box, turned about its anchor when it is turned.
  double FondoTexto(const TextoFigura& t) const {
    const TextoFiguraMedido m = MideTexto(t);
    if (t.angulo == 0) return m.y + m.alto;
    const double a = t.angulo * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    double fondo = t.y;
    for (double dx : {m.x - t.x, m.x + m.ancho - t.x})
      for (double dy : {m.y - t.y, m.y + m.alto - t.y}) fondo = std::max(fondo, t.y - s * dx + c * dy);
    return fondo;
  }

  double AltoFigura(const Figura& f) const {
    double alto = f.alto;
    for (const auto& r : f.rectangulos) alto = std::max({alto, r.y1, r.y2});
    for (const auto& l : f.lineas) alto = std::max({alto, l.y1, l.y2});
    for (const auto& t : f.textos) alto = std::max(alto, FondoTexto(t));
    return alto;
  }

  // A figure of its own width scaled to the body's width, or down to most of its
  // height (the heading above it goes on the same page), and centred.
  Figura Ajustada(const Figura& f) const {
    Figura a = f;
    a.ancho = 0;
    const double cuerpo = der_ - izq_, cabe = kParteFigura * (abajo_ - arriba_);
    double k = cuerpo / f.ancho;
    for (int paso = 0; paso < 2; ++paso) {
      a = Escalada(f, k, izq_ + (cuerpo - f.ancho * k) / 2);
      const double alto = AltoFigura(a);
      if (alto <= cabe || !(alto > 0)) break;
      k *= cabe / alto;
    }
    return a;
  }

  static Figura Escalada(const Figura& f, double k, double x0) {
    Figura a = f;
    a.ancho = 0;
    a.alto = f.alto * k;
    for (auto& r : a.rectangulos) r = {x0 + r.x1 * k, r.y1 * k, x0 + r.x2 * k, r.y2 * k, r.grosor};
    for (auto& l : a.lineas) {
      l.x1 = x0 + l.x1 * k, l.x2 = x0 + l.x2 * k;
      l.y1 *= k, l.y2 *= k;
    }
    for (auto& t : a.textos) {
      t.x = x0 + t.x * k;
      t.y *= k;
      t.estilo.tamano *= k;
    }
    return a;
  }

  void ColocaFigura(const Figura& f) {
    const double alto = AltoFigura(f);
    if (NoCabe(alto)) NuevaPagina();
    const double y0 = y_;
    for (const auto& r : f.rectangulos)
      pag_->rectangulos.push_back({r.x1, y0 + r.y1, r.x2, y0 + r.y2, r.grosor});
    for (const auto& l : f.lineas)
      pag_->lineas.push_back({l.x1, y0 + l.y1, l.x2, y0 + l.y2, l.grosor, l.color, l.discontinua});
    for (const auto& t : f.textos) {
      TextoFiguraMedido m = MideTexto(t);
      pag_->textos.push_back({m.x, y0 + m.y, m.ancho, m.alto, t.texto, t.estilo, t.angulo, t.x, y0 + t.y});
    }
    y_ = y0 + alto;
    vacia_ = false;
  }

  // The widths the left, centre and right parts may take: each its third of the
  // line, or the room an empty neighbour leaves, less a gap between parts.
  std::array<double, 3> AnchosPartes(const std::array<std::string, 3>& partes) const {
    const double w = der_ - izq_;
    std::array<bool, 3> hay{};
    for (std::size_t k = 0; k < 3; ++k) hay[k] = partes[k].find_first_not_of(" \r\n") != std::string::npos;
    std::array<double, 3> lim{w / 3, w / 3, w / 3};
    if (!hay[1]) {
      lim[0] = hay[2] ? w / 2 : w;
      lim[2] = hay[0] ? w / 2 : w;
    } else if (!hay[0] && !hay[2]) {
      lim[1] = w;
    }
    for (double& l : lim)
      if (l < w) l -= kHuecoPartes / 2;
    return lim;
  }

  // Header, footer and page border of page n.
  void Adornos(Pagina& p, int n) {
    p.numero = n;
    pag_ = &p;
    auto bloque = [&](const std::string& texto, const Estilo& e, double arriba) {
      const std::array<std::string, 3> partes =
          PartesEncabezado(texto, n, static_cast<int>(maqueta_.paginas.size()));
      const std::array<double, 3> lim = AnchosPartes(partes);
      const double lh = med_.AltoLinea(e);
      for (std::size_t k = 0; k < 3; ++k) {
        std::vector<std::string> lineas;
        PartirLineasDuras(partes[k], lineas);
        double y = arriba;
        for (const std::string& completa : lineas) {
          const std::string l = Abrevia(completa, lim[k], e, med_);
          const double w = med_.Ancho(e, l);
          const double x = k == 0 ? izq_ : k == 1 ? (izq_ + der_ - w) / 2 : der_ - w;
          Texto(x, y, l, e);
          y += lh;
        }
      }
    };
    const double arribaBorde = arriba_ - kSeparacionBorde, abajoBorde = abajo_ + kSeparacionBorde;
    if (altoEncabezado_ > 0)
      bloque(doc_.encabezado, doc_.estiloEncabezado,
             (LineaArriba() ? arribaBorde : arriba_) - kSeparacionEncabezado - altoEncabezado_);
    if (altoPie_ > 0)
      bloque(doc_.pie, doc_.estiloPie, (LineaAbajo() ? abajoBorde : abajo_) + kSeparacionEncabezado);

    const double W = maqueta_.hoja.ancho;
    const double x1 = std::max(std::min(kMargenHoja, izq_), izq_ - kSeparacionBorde);
    const double x2 = std::min(std::max(W - kMargenHoja, der_), der_ + kSeparacionBorde);
    switch (conf_.borde) {
      case 1:
        p.lineas.push_back({x1, abajoBorde, x2, abajoBorde, kGrosorBorde});
        break;
      case 2:
        p.lineas.push_back({x1, arribaBorde, x2, arribaBorde, kGrosorBorde});
        break;
      case 3:
        p.lineas.push_back({x1, arribaBorde, x2, arribaBorde, kGrosorBorde});
        p.lineas.push_back({x1, abajoBorde, x2, abajoBorde, kGrosorBorde});
        break;
      case 4:
        p.rectangulos.push_back({x1, arribaBorde, x2, abajoBorde, kGrosorBorde});
        break;
      default:
        break;
    }
  }

  static void PartirLineasDuras(const std::string& t, std::vector<std::string>& lineas) {
    std::size_t inicio = 0;
    for (;;) {
      std::size_t fin = t.find('\n', inicio);
      std::string l = t.substr(inicio, fin == std::string::npos ? std::string::npos : fin - inicio);
      if (!l.empty() && l.back() == '\r') l.pop_back();
      lineas.push_back(l);
      if (fin == std::string::npos) return;
      inicio = fin + 1;
    }
  }

  const Documento& doc_;
  const ConfiguracionPagina& conf_;
  const MedidorTexto& med_;
  Maqueta maqueta_;
  Pagina* pag_ = nullptr;
  double izq_ = 0, der_ = 0, arriba_ = 0, abajo_ = 0;
  double altoEncabezado_ = 0, altoPie_ = 0;
  double y_ = 0;
  bool vacia_ = true;
  std::vector<std::optional<TablaMaquetada>> tablas_;
};

}  // namespace

MedidaHoja Hoja(const ConfiguracionPagina& c) {
  MedidaPapel m = MedidasPapel(c.papel);
  if (c.orientacion == 1) std::swap(m.ancho, m.alto);
  return {static_cast<double>(m.ancho), static_cast<double>(m.alto)};
}

std::vector<std::string> PartirLineas(std::string_view texto, double ancho, const Estilo& e,
                                      const MedidorTexto& m) {
  return Lineas(texto, ancho, e, m, true);
}

Maqueta MaquetaDocumento(const Documento& d, const ConfiguracionPagina& c, const MedidorTexto& m) {
  return Maquetador(d, c, m).Ejecuta();
}

std::string PaginaDemasiadoAngosta(const Maqueta& m) {
  if (m.anchoNecesario <= m.anchoCuerpo + 0.5) return {};
  // Inches with two decimals, the needed width rounded up and the one left down.
  auto pulgadas = [](double twips, auto redondeo) {
    const long centesimas = std::lround(redondeo(twips / 14.4));
    return std::to_string(centesimas / 100) + "." + (centesimas % 100 < 10 ? "0" : "") +
           std::to_string(centesimas % 100) + "\"";
  };
  return "Con este papel y estos m\xC3\xA1rgenes el texto del reporte quedar\xC3\xAD"
         "a de menos de 7 puntos: "
         "sus tablas necesitan " +
         pulgadas(m.anchoNecesario, [](double x) { return std::ceil(x); }) +
         " de ancho entre los m\xC3\xA1rgenes y quedan " +
         pulgadas(m.anchoCuerpo, [](double x) { return std::floor(x); }) +
         ". Reduzca los m\xC3\xA1rgenes o elija un papel mayor.";
}

}  // namespace placatec
