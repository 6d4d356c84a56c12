#include "escritorio/pdf/PintaPlanta.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace placatec {

namespace {

QColor Color(std::uint32_t rgb) { return QColor::fromRgb(rgb & 0xFFFFFFu); }

QPointF Q(PuntoPlanta p) { return {p.x, p.y}; }

// Fills of slabs: plain, selected, failing.
const QColor kRelleno(248, 245, 236), kSeleccion(255, 232, 160), kRellenoFalla(252, 228, 228);

}  // namespace

QTransform AjustaPlanta(const DibujoPlanta& d, const QRectF& area) {
  const double ancho = std::max(d.maximo.x - d.minimo.x, 1e-6),
               alto = std::max(d.maximo.y - d.minimo.y, 1e-6);
  double k = std::min(area.width() / ancho, area.height() / alto);
  if (!std::isfinite(k) || k <= 0) k = 1;
  const double dx = area.left() + (area.width() - ancho * k) / 2 - d.minimo.x * k;
  const double dy = area.top() + (area.height() - alto * k) / 2 + d.maximo.y * k;
  return QTransform(k, 0, 0, -k, dx, dy);
}

void PintaPlanta(QPainter& p, const DibujoPlanta& d, const QTransform& metros, const OpcionesPintura& o) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  // What is outside the painter's window is not drawn: a plan seen close up.
  const QRectF visible = p.hasClipping() ? p.clipBoundingRect() : QRectF(p.window());
  const QRectF enMetros = metros.inverted().mapRect(visible.adjusted(-50, -50, 50, 50));

  p.setPen(Qt::NoPen);
  for (const ContornoPlanta& c : d.contornos) {
    QPolygonF poligono;
    for (const PuntoPlanta& q : c.esquinas) poligono << metros.map(Q(q));
    p.setBrush(c.losa == o.seleccionada ? kSeleccion : c.falla ? kRellenoFalla : kRelleno);
    p.drawPolygon(poligono);
  }

  p.setBrush(Qt::NoBrush);
  for (const TrazoPlanta& t : d.trazos) {
    const double mm = GrosorCapa(t.capa, t.auxiliar);
    if (mm <= 0) continue;
    if (!enMetros.intersects(QRectF(Q(t.a), Q(t.b)).normalized().adjusted(-1e-3, -1e-3, 1e-3, 1e-3)))
      continue;
    QPen pluma(Color(t.falla ? kColorFalla : ColorCapa(t.capa)), std::max(1.0, mm * o.pixelesPorMilimetro));
    pluma.setCapStyle(Qt::FlatCap);
    pluma.setCosmetic(true);
    if (t.capa == CapaPlanta::BordesLibres) pluma.setDashPattern({4, 3});
    p.setPen(pluma);
    p.drawLine(metros.map(Q(t.a)), metros.map(Q(t.b)));
  }

  const double escala = std::sqrt(std::fabs(metros.determinant()));
  QFont fuente(QStringLiteral("Liberation Sans"));
  fuente.setStyleHint(QFont::SansSerif);
  for (const TextoPlanta& t : d.textos) {
    // A font's size is about 1.4 times the height of its capitals, which the plan gives.
    const double pixeles = t.alto * escala * 1.4;
    if (pixeles < o.altoMinimoTexto || !enMetros.contains(Q(t.en))) continue;
    fuente.setPixelSize(std::max(1, static_cast<int>(std::lround(pixeles))));
    p.setFont(fuente);
    p.setPen(Color(t.falla ? kColorFalla : ColorCapa(t.capa)));
    const QFontMetricsF fm(fuente);
    const QString texto = QString::fromStdString(t.texto);
    const double ancho = fm.horizontalAdvance(texto);
    const double x = t.ancla == AnclaTexto::Izquierda ? 0
                     : t.ancla == AnclaTexto::Centro  ? -ancho / 2
                                                      : -ancho;
    p.save();
    p.translate(metros.map(Q(t.en)));
    p.rotate(-t.angulo);
    p.drawText(QPointF(x, (fm.ascent() - fm.descent()) / 2), texto);
    p.restore();
  }
  p.restore();
}

Integer LosaEn(const DibujoPlanta& d, QPointF metros) {
  // The last drawn is on top, as on the screen.
  for (auto c = d.contornos.rbegin(); c != d.contornos.rend(); ++c) {
    const PuntoPlanta a = c->esquinas[0], b = c->esquinas[2];
    if (metros.x() >= std::min(a.x, b.x) && metros.x() <= std::max(a.x, b.x) &&
        metros.y() >= std::min(a.y, b.y) && metros.y() <= std::max(a.y, b.y))
      return c->losa;
  }
  return 0;
}

}  // namespace placatec
