#include "escritorio/pdf/PintaReporte.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "model/ArchivoDisco.h"
#include "report/Papel.h"
#include "report/Reporte.h"

namespace placatec {

QFont FuenteQt(const Estilo& e) {
  QFont f(QString::fromStdString(e.fuente));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(e.tamano * 20.0))));
  f.setBold(e.negrita);
  f.setItalic(e.cursiva);
  f.setStrikeOut(e.tachado);
  f.setUnderline(e.subrayado);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

// Metrics by style, and the widths already measured: a report repeats its texts.
struct MedidorQt::Cache {
  struct Entrada {
    Estilo estilo;
    std::unique_ptr<QFontMetricsF> metricas;
    std::unordered_map<std::string, double> anchos;
  };
  std::vector<Entrada> entradas;

  Entrada& De(const Estilo& e) {
    for (Entrada& x : entradas)
      if (x.estilo == e) return x;
    entradas.push_back({e, std::make_unique<QFontMetricsF>(FuenteQt(e)), {}});
    return entradas.back();
  }
};

MedidorQt::MedidorQt() : cache_(std::make_unique<Cache>()) {}
MedidorQt::~MedidorQt() = default;

double MedidorQt::Ancho(const Estilo& e, std::string_view texto) const {
  Cache::Entrada& x = cache_->De(e);
  auto it = x.anchos.find(std::string(texto));
  if (it != x.anchos.end()) return it->second;
  const double w =
      x.metricas->horizontalAdvance(QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
  x.anchos.emplace(std::string(texto), w);
  return w;
}

double MedidorQt::AltoLinea(const Estilo& e) const { return cache_->De(e).metricas->lineSpacing(); }

QPageLayout DisenoPagina(const ConfiguracionPagina& c) {
  const MedidaPapel m = MedidasPapel(c.papel);
  QPageSize tamano(QSizeF(m.ancho / 20.0, m.alto / 20.0), QPageSize::Point, QString(), QPageSize::FuzzyMatch);
  // Qt keeps a size as it is defined (Ledger stays wider than high in portrait),
  // as the report's own sheet does.
  const QPageLayout::Orientation o = c.orientacion == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
  return QPageLayout(tamano, o, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

namespace {

// A pen of the given weight in twips, never thinner than one device pixel.
QPen Pluma(const QPainter& p, double grosor, Qt::PenCapStyle extremo, QColor color = Qt::black) {
  QPen pluma(color, grosor, Qt::SolidLine, extremo, Qt::MiterJoin);
  if (grosor * std::abs(p.transform().m11()) < 1.0) {
    pluma.setWidthF(1.0);
    pluma.setCosmetic(true);
  }
  return pluma;
}

}  // namespace

void PintaPagina(QPainter& p, const Pagina& pagina) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setBrush(Qt::NoBrush);
  for (const RectanguloPagina& r : pagina.rectangulos) {
    p.setPen(Pluma(p, r.grosor, Qt::SquareCap));
    p.drawRect(QRectF(QPointF(r.x1, r.y1), QPointF(r.x2, r.y2)).normalized());
  }
  for (const LineaPagina& l : pagina.lineas) {
    QPen pluma = Pluma(p, l.grosor, Qt::FlatCap, QColor::fromRgb(l.color & 0xFFFFFFu));
    // Dashes of a fixed length on the sheet (about 2 and 1 mm), whatever the weight.
    if (l.discontinua) pluma.setDashPattern({110 / pluma.widthF(), 55 / pluma.widthF()});
    if (l.discontinua && pluma.isCosmetic()) pluma.setDashPattern({6, 3});
    p.setPen(pluma);
    p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
  }
  // Neighbouring texts mostly share their style: the font is set again only when it changes.
  const Estilo* anterior = nullptr;
  double ascenso = 0;
  for (const TextoPagina& t : pagina.textos) {
    if (!anterior || !(*anterior == t.estilo)) {
      const QFont f = FuenteQt(t.estilo);
      p.setFont(f);
      p.setPen(QColor::fromRgb(t.estilo.color & 0xFFFFFFu));
      ascenso = QFontMetricsF(f).ascent();
      anterior = &t.estilo;
    }
    if (t.angulo == 0) {
      p.drawText(QPointF(t.x, t.y + ascenso), QString::fromStdString(t.texto));
      continue;
    }
    // A turned text turns about its anchor; save and restore keep the font and pen.
    p.save();
    p.translate(t.giroX, t.giroY);
    p.rotate(-t.angulo);
    p.drawText(QPointF(t.x - t.giroX, t.y - t.giroY + ascenso), QString::fromStdString(t.texto));
    p.restore();
  }
  p.restore();
}

void EscalaATwips(QPainter& p, const QPaintDevice& d) {
  p.scale(d.logicalDpiX() / 1440.0, d.logicalDpiY() / 1440.0);
}

bool RangoValido(const Maqueta& m, int& desde, int& hasta, QString& error) {
  const int n = static_cast<int>(m.paginas.size());
  if (desde == 0 && hasta == 0) {
    desde = 1;
    hasta = n;
  }
  if (n == 0 || desde < 1 || hasta > n || desde > hasta) {
    error = QStringLiteral("Las paginas a imprimir deben estar entre 1 y %1.").arg(n);
    return false;
  }
  return true;
}

bool EscribePdf(const Maqueta& m, const ConfiguracionPagina& c, const QString& ruta, QString& error,
                int desde, int hasta, const QString& titulo) {
  if (!qGuiApp) {
    error = QStringLiteral("No se puede escribir el PDF sin el entorno grafico de Qt.");
    return false;
  }
  if (!RangoValido(m, desde, hasta, error)) return false;
  QByteArray bytes;
  {
    QBuffer bufer(&bytes);
    bufer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bufer);
    pdf.setResolution(1200);
    pdf.setCreator(QStringLiteral("Placatec"));
    pdf.setTitle(titulo);
    pdf.setPageLayout(DisenoPagina(c));
    QPainter p;
    if (!p.begin(&pdf)) {
      error = QStringLiteral("No se pudo escribir el archivo %1.").arg(ruta);
      return false;
    }
    EscalaATwips(p, pdf);
    for (int n = desde; n <= hasta; ++n) {
      if (n > desde) pdf.newPage();
      PintaPagina(p, m.paginas[static_cast<std::size_t>(n - 1)]);
    }
    p.end();
  }
  const Resultado<void> guardado = GuardaArchivo(
      ruta.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!guardado) {
    error = QStringLiteral("No se pudo crear el archivo %1: %2")
                .arg(ruta, QString::fromStdString(guardado.Mensaje()));
    return false;
  }
  return true;
}

bool ExportaPdf(Sesion& s, const std::string& ruta, std::string& error, const ConfiguracionPagina& c,
                const MarcasSecciones& marcadas) {
  if (!qGuiApp) {
    error = "No se puede escribir el PDF sin el entorno grafico de Qt.";
    return false;
  }
  OpcionesReporte o;
  o.marcadas = marcadas;
  o.encabezado = EncabezadoReporte(s);
  o.pie = PieReporte(s);
  const Documento d = Reporte().Inicia(s, o);
  const Maqueta m = MaquetaDocumento(d, c, MedidorQt());
  error = PaginaDemasiadoAngosta(m);
  if (!error.empty()) return false;
  QString e;
  if (!EscribePdf(m, c, QString::fromStdString(ruta), e, 0, 0, QString::fromStdString(s.proyecto.Titulo))) {
    error = e.toStdString();
    return false;
  }
  return true;
}

}  // namespace placatec
