#include "report/Maquetacion.h"

#include <algorithm>
#include <numeric>
#include <variant>

#include "report/Papel.h"

namespace placatec {

namespace {

constexpr double kMinimoCuerpo = 1440;         // the body keeps at least an inch each way
constexpr double kSeparacionEncabezado = 120;  // header/footer to body
constexpr double kSeparacionBorde = 60;        // page border to body
constexpr double kGrosorBorde = 15;
constexpr double kRellenoX = 30;  // cell padding
constexpr double kRellenoY = 25;
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
                 std::vector<std::string>& lineas) {
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
    if (m.Ancho(e, p) <= ancho) {
      linea = p;
    } else {
      PartePalabra(p, ancho, e, m, lineas);
      linea = lineas.back();
      lineas.pop_back();
    }
  }
  lineas.push_back(linea);
}

struct CeldaMaquetada {
  std::vector<std::string> lineas;
};
struct FilaMaquetada {
  std::vector<CeldaMaquetada> celdas;
  double alto = 0;
};

class Maquetador {
 public:
  Maquetador(const Documento& d, const ConfiguracionPagina& c, const MedidorTexto& m)
      : doc_(d), conf_(c), med_(m) {
    maqueta_.hoja = Hoja(c);
    Cuerpo();
  }

  Maqueta Ejecuta() {
    NuevaPagina();
    for (std::size_t i = 0; i < doc_.bloques.size(); ++i) {
      const Bloque& b = doc_.bloques[i];
      if (auto* p = std::get_if<Parrafo>(&b)) {
        ColocaParrafo(*p, i);
      } else if (auto* t = std::get_if<TablaDoc>(&b)) {
        ColocaTabla(*t);
      } else if (auto* f = std::get_if<Figura>(&b)) {
        ColocaFigura(*f);
      } else if (!vacia_) {
        NuevaPagina();
      }
    }
    for (std::size_t n = 0; n < maqueta_.paginas.size(); ++n)
      Adornos(maqueta_.paginas[n], static_cast<int>(n + 1));
    return std::move(maqueta_);
  }

 private:
  static int NumeroLineas(std::string_view t) {
    return 1 + static_cast<int>(std::count(t.begin(), t.end(), '\n'));
  }

  // The body rectangle: the margins, moved in where the header or footer needs
  // room and kept at least an inch wide and high.
  void Cuerpo() {
    const double W = maqueta_.hoja.ancho, H = maqueta_.hoja.alto;
    const double T = std::max(0, conf_.margenes[0]), L = std::max(0, conf_.margenes[1]);
    const double B = std::max(0, conf_.margenes[2]), R = std::max(0, conf_.margenes[3]);
    izq_ = L;
    der_ = W - R;
    if (der_ - izq_ < kMinimoCuerpo) {
      izq_ = std::clamp(izq_, 0.0, std::max(0.0, W - kMinimoCuerpo));
      der_ = izq_ + kMinimoCuerpo;
    }
    altoEncabezado_ =
        doc_.encabezado.empty() ? 0 : NumeroLineas(doc_.encabezado) * med_.AltoLinea(doc_.estiloEncabezado);
    altoPie_ = doc_.pie.empty() ? 0 : NumeroLineas(doc_.pie) * med_.AltoLinea(doc_.estiloPie);
    arriba_ = T;
    if (altoEncabezado_ > 0) arriba_ = std::max(arriba_, altoEncabezado_ + kSeparacionEncabezado);
    abajo_ = H - B;
    if (altoPie_ > 0) abajo_ = std::min(abajo_, H - altoPie_ - kSeparacionEncabezado);
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
  double AltoInicial(const Bloque& b) const {
    if (auto* p = std::get_if<Parrafo>(&b)) return p->antes + AltoParrafo(*p) + p->despues;
    if (auto* t = std::get_if<TablaDoc>(&b)) {
      auto anchos = AnchosColumnas(*t);
      double alto = t->antes;
      if (!t->encabezado.empty()) alto += Fila(t->encabezado, anchos, t->estilo).alto;
      if (!t->filas.empty()) alto += Fila(t->filas.front(), anchos, t->estilo).alto;
      return alto;
    }
    if (auto* f = std::get_if<Figura>(&b)) return AltoFigura(*f);
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
        const Bloque& b = doc_.bloques[j];
        const Parrafo* q = std::get_if<Parrafo>(&b);
        if (!q || !q->juntoConSiguiente) {
          alto += AltoInicial(b);
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

  std::vector<double> AnchosColumnas(const TablaDoc& t) const {
    std::vector<double> anchos;
    for (const ColumnaTabla& c : t.columnas) anchos.push_back(c.ancho);
    const double total = std::accumulate(anchos.begin(), anchos.end(), 0.0);
    const double disponible = der_ - izq_;
    // A table wider than the body is narrowed to it, every column alike.
    if (total > disponible && total > 0)
      for (double& a : anchos) a *= disponible / total;
    return anchos;
  }

  FilaMaquetada Fila(const std::vector<std::string>& celdas, const std::vector<double>& anchos,
                     const Estilo& e) const {
    FilaMaquetada f;
    std::size_t maxLineas = 1;
    for (std::size_t c = 0; c < anchos.size(); ++c) {
      CeldaMaquetada cm;
      if (c < celdas.size())
        cm.lineas = PartirLineas(celdas[c], std::max(1.0, anchos[c] - 2 * kRellenoX), e, med_);
      maxLineas = std::max(maxLineas, cm.lineas.size());
      f.celdas.push_back(std::move(cm));
    }
    f.alto = static_cast<double>(maxLineas) * med_.AltoLinea(e) + 2 * kRellenoY;
    return f;
  }

  void ColocaFila(const FilaMaquetada& f, const TablaDoc& t, const std::vector<double>& anchos) {
    const double lh = med_.AltoLinea(t.estilo);
    double x = izq_;
    for (std::size_t c = 0; c < anchos.size(); ++c) {
      const Alineacion a = t.columnas[c].alineacion;
      double yl = y_ + kRellenoY;
      for (const std::string& l : f.celdas[c].lineas) {
        const double w = med_.Ancho(t.estilo, l);
        double xl = x + kRellenoX;
        if (a == Alineacion::Derecha)
          xl = x + anchos[c] - kRellenoX - w;
        else if (a == Alineacion::Centro)
          xl = x + (anchos[c] - w) / 2;
        Texto(xl, yl, l, t.estilo);
        yl += lh;
      }
      x += anchos[c];
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

  void ColocaTabla(const TablaDoc& t) {
    if (t.columnas.empty()) return;
    const std::vector<double> anchos = AnchosColumnas(t);
    const bool conEncabezado = !t.encabezado.empty();
    FilaMaquetada encabezado;
    if (conEncabezado) encabezado = Fila(t.encabezado, anchos, t.estilo);
    std::vector<FilaMaquetada> filas;
    filas.reserve(t.filas.size());
    for (const auto& f : t.filas) filas.push_back(Fila(f, anchos, t.estilo));
    if (!conEncabezado && filas.empty()) return;

    const double primera = encabezado.alto + (filas.empty() ? 0 : filas.front().alto);
    if (NoCabe(t.antes + primera))
      NuevaPagina();
    else if (!vacia_)
      y_ += t.antes;

    double arribaTramo = y_;
    double abajoEncabezado = 0;
    auto abreTramo = [&] {
      arribaTramo = y_;
      abajoEncabezado = 0;
      if (conEncabezado) {
        ColocaFila(encabezado, t, anchos);
        abajoEncabezado = y_;
      }
    };
    abreTramo();
    bool filaEnTramo = false;
    for (const FilaMaquetada& f : filas) {
      if (filaEnTramo && y_ + f.alto > abajo_) {
        CierraTramo(arribaTramo, abajoEncabezado, anchos);
        NuevaPagina();
        abreTramo();
      }
      ColocaFila(f, t, anchos);
      filaEnTramo = true;
    }
    CierraTramo(arribaTramo, abajoEncabezado, anchos);
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

  double AltoFigura(const Figura& f) const {
    double alto = f.alto;
    for (const auto& r : f.rectangulos) alto = std::max({alto, r.y1, r.y2});
    for (const auto& l : f.lineas) alto = std::max({alto, l.y1, l.y2});
    for (const auto& t : f.textos) {
      TextoFiguraMedido m = MideTexto(t);
      alto = std::max(alto, m.y + m.alto);
    }
    return alto;
  }

  void ColocaFigura(const Figura& f) {
    const double alto = AltoFigura(f);
    if (NoCabe(alto)) NuevaPagina();
    const double y0 = y_;
    for (const auto& r : f.rectangulos)
      pag_->rectangulos.push_back({r.x1, y0 + r.y1, r.x2, y0 + r.y2, r.grosor});
    for (const auto& l : f.lineas) pag_->lineas.push_back({l.x1, y0 + l.y1, l.x2, y0 + l.y2, l.grosor});
    for (const auto& t : f.textos) {
      TextoFiguraMedido m = MideTexto(t);
      pag_->textos.push_back({m.x, y0 + m.y, m.ancho, m.alto, t.texto, t.estilo});
    }
    y_ = y0 + alto;
    vacia_ = false;
  }

  // Header, footer and page border of page n.
  void Adornos(Pagina& p, int n) {
    p.numero = n;
    pag_ = &p;
    auto bloque = [&](const std::string& texto, const Estilo& e, double arriba) {
      const std::array<std::string, 3> partes = PartesEncabezado(texto, n);
      const double lh = med_.AltoLinea(e);
      for (std::size_t k = 0; k < 3; ++k) {
        std::vector<std::string> lineas;
        PartirLineasDuras(partes[k], lineas);
        double y = arriba;
        for (const std::string& l : lineas) {
          const double w = med_.Ancho(e, l);
          const double x = k == 0 ? izq_ : k == 1 ? (izq_ + der_ - w) / 2 : der_ - w;
          Texto(x, y, l, e);
          y += lh;
        }
      }
    };
    if (altoEncabezado_ > 0)
      bloque(doc_.encabezado, doc_.estiloEncabezado, arriba_ - kSeparacionEncabezado - altoEncabezado_);
    if (altoPie_ > 0) bloque(doc_.pie, doc_.estiloPie, abajo_ + kSeparacionEncabezado);

    const double x1 = izq_ - kSeparacionBorde, x2 = der_ + kSeparacionBorde;
    const double y1 = arriba_ - kSeparacionBorde, y2 = abajo_ + kSeparacionBorde;
    switch (conf_.borde) {
      case 1:
        p.lineas.push_back({x1, y2, x2, y2, kGrosorBorde});
        break;
      case 2:
        p.lineas.push_back({x1, y1, x2, y1, kGrosorBorde});
        break;
      case 3:
        p.lineas.push_back({x1, y1, x2, y1, kGrosorBorde});
        p.lineas.push_back({x1, y2, x2, y2, kGrosorBorde});
        break;
      case 4:
        p.rectangulos.push_back({x1, y1, x2, y2, kGrosorBorde});
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
};

}  // namespace

MedidaHoja Hoja(const ConfiguracionPagina& c) {
  MedidaPapel m = MedidasPapel(c.papel);
  if (c.orientacion == 1) std::swap(m.ancho, m.alto);
  return {static_cast<double>(m.ancho), static_cast<double>(m.alto)};
}

std::vector<std::string> PartirLineas(std::string_view texto, double ancho, const Estilo& e,
                                      const MedidorTexto& m) {
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  for (;;) {
    std::size_t fin = texto.find('\n', inicio);
    std::string_view l =
        texto.substr(inicio, fin == std::string_view::npos ? std::string_view::npos : fin - inicio);
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    PartirLinea(l, ancho, e, m, lineas);
    if (fin == std::string_view::npos) return lineas;
    inicio = fin + 1;
  }
}

Maqueta MaquetaDocumento(const Documento& d, const ConfiguracionPagina& c, const MedidorTexto& m) {
  return Maquetador(d, c, m).Ejecuta();
}

}  // namespace placatec
