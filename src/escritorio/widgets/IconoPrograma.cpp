#include "escritorio/widgets/IconoPrograma.h"

#include <QPainter>
#include <QPainterPath>

namespace placatec {

QPixmap DibujoPrograma(int lado) { return QPixmap::fromImage(ImagenPrograma(lado)); }

QImage ImagenPrograma(int lado) {
  QImage px(lado, lado, QImage::Format_ARGB32_Premultiplied);
  px.fill(Qt::transparent);
  QPainter p(&px);
  p.setRenderHint(QPainter::Antialiasing);
  const double m = lado * 0.08, a = lado - 2 * m;
  // Slab panels.
  p.setPen(QPen(QColor(60, 60, 60), lado / 32.0));
  p.setBrush(QColor(200, 200, 195));
  p.drawRect(QRectF(m, m, a, a));
  // Bars in both directions.
  p.setPen(QPen(QColor(0, 60, 170), lado / 48.0));
  for (int i = 1; i <= 5; ++i) {
    double t = m + a * i / 6.0;
    p.drawLine(QPointF(m + a * 0.04, t), QPointF(m + a * 0.96, t));
  }
  p.setPen(QPen(QColor(190, 30, 30), lado / 48.0));
  for (int i = 1; i <= 5; ++i) {
    double t = m + a * i / 6.0;
    p.drawLine(QPointF(t, m + a * 0.04), QPointF(t, m + a * 0.96));
  }
  // Supports between the four panels.
  p.setPen(QPen(QColor(40, 40, 40), lado / 14.0));
  p.drawLine(QPointF(m + a / 2, m), QPointF(m + a / 2, m + a));
  p.drawLine(QPointF(m, m + a / 2), QPointF(m + a, m + a / 2));
  p.end();
  return px;
}

QIcon IconoPrograma() {
  QIcon icono;
  for (int lado : {16, 32, 48, 64}) icono.addPixmap(DibujoPrograma(lado));
  return icono;
}

QPixmap IconoBombilla() {
  const int lado = 48;
  QPixmap px(lado, lado);
  px.fill(Qt::transparent);
  QPainter p(&px);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 100, 0), 2));
  p.setBrush(QColor(255, 235, 90));
  p.drawEllipse(QRectF(10, 4, 28, 28));
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(QRectF(17, 31, 14, 10));
  p.drawLine(QPointF(17, 36), QPointF(31, 36));
  return px;
}

}  // namespace placatec
