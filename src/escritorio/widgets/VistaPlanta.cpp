#include "escritorio/widgets/VistaPlanta.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "escritorio/pdf/PintaPlanta.h"

namespace placatec {

namespace {

constexpr double kMargen = 12;       // pixels around a fitted storey
constexpr double kPixelesTexto = 8;  // height of capitals that reads on screen
constexpr double kPasoRueda = 1.2;   // zoom of one wheel step
constexpr double kMaxPixelesMetro = 5000, kMinPixelesMetro = 1e-4;

}  // namespace

VistaPlanta::VistaPlanta(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("VistaPlanta"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
}

double VistaPlanta::AltoTextoDeseado() const {
  const double k = std::sqrt(std::fabs(metros_.determinant()));
  if (!(k > 0) || !std::isfinite(k)) return 0.125;
  return std::max(0.125, kPixelesTexto / k);
}

void VistaPlanta::Redibuja() {
  if (dibuja) dibujo_ = dibuja(altoTexto_);
  if (ajustada_)
    metros_ = AjustaPlanta(dibujo_, QRectF(rect()).adjusted(kMargen, kMargen, -kMargen, -kMargen));
  update();
}

void VistaPlanta::Actualiza() {
  Redibuja();
  // Fitted anew, the texts take the height that reads at the new zoom.
  if (ajustada_ && std::fabs(AltoTextoDeseado() / altoTexto_ - 1) > 0.05) {
    altoTexto_ = AltoTextoDeseado();
    Redibuja();
  }
}

void VistaPlanta::Ajusta() {
  ajustada_ = true;
  Actualiza();
}

void VistaPlanta::Acerca(double factor) { Escala(factor, QRectF(rect()).center()); }

void VistaPlanta::Selecciona(Integer losa) {
  if (seleccionada_ == losa) return;
  seleccionada_ = losa;
  update();
}

void VistaPlanta::Escala(double factor, QPointF en) {
  const double k = std::sqrt(std::fabs(metros_.determinant())) * factor;
  if (!(k >= kMinPixelesMetro && k <= kMaxPixelesMetro)) return;
  metros_ = metros_ * QTransform::fromTranslate(-en.x(), -en.y()) * QTransform::fromScale(factor, factor) *
            QTransform::fromTranslate(en.x(), en.y());
  ajustada_ = false;
  // Texts are drawn anew when another height reads better at this zoom.
  if (std::fabs(AltoTextoDeseado() / altoTexto_ - 1) > 0.2) {
    altoTexto_ = AltoTextoDeseado();
    Redibuja();
  }
  update();
}

Integer VistaPlanta::LosaBajo(QPointF pixel) const {
  bool invertible = false;
  const QTransform inversa = metros_.inverted(&invertible);
  return invertible ? LosaEn(dibujo_, inversa.map(pixel)) : 0;
}

void VistaPlanta::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setClipRect(e->rect());
  OpcionesPintura o;
  o.seleccionada = seleccionada_;
  o.pixelesPorMilimetro = std::clamp(logicalDpiX() / 25.4 * 1.5, 2.0, 8.0);
  PintaPlanta(p, dibujo_, metros_, o);
  p.setClipping(false);
  if (avisaProblemas && !dibujo_.problemas.empty()) {
    // The first problem, where the engineer looks: the others are in the checks.
    QString texto = QString::fromStdString(dibujo_.problemas.front().texto);
    if (dibujo_.problemas.size() > 1)
      texto += QStringLiteral("  (y %1 mas)").arg(dibujo_.problemas.size() - 1);
    // On a white band, readable over the drawing.
    const QRect banda = rect().adjusted(0, height() - fontMetrics().height() - 10, 0, 0);
    p.fillRect(banda, QColor(255, 255, 255, 225));
    p.setPen(QColor(200, 0, 0));
    p.drawText(banda.adjusted(8, 0, -8, -4), Qt::AlignLeft | Qt::AlignVCenter, texto);
  }
}

void VistaPlanta::resizeEvent(QResizeEvent*) {
  if (ajustada_) Actualiza();
}

void VistaPlanta::wheelEvent(QWheelEvent* e) {
  const double pasos = e->angleDelta().y() / 120.0;
  if (pasos != 0) Escala(std::pow(kPasoRueda, pasos), e->position());
  e->accept();
}

void VistaPlanta::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton && e->button() != Qt::MiddleButton) return QWidget::mousePressEvent(e);
  arrastre_ = e->position();
  arrastrando_ = true;
  movio_ = false;
}

void VistaPlanta::mouseMoveEvent(QMouseEvent* e) {
  if (!arrastrando_) return;
  const QPointF d = e->position() - arrastre_;
  if (!movio_ && d.manhattanLength() < 4) return;
  movio_ = true;
  setCursor(Qt::ClosedHandCursor);
  metros_ = metros_ * QTransform::fromTranslate(d.x(), d.y());
  arrastre_ = e->position();
  ajustada_ = false;
  update();
}

void VistaPlanta::mouseReleaseEvent(QMouseEvent* e) {
  if (!arrastrando_) return QWidget::mouseReleaseEvent(e);
  arrastrando_ = false;
  unsetCursor();
  if (movio_ || e->button() != Qt::LeftButton) return;
  const Integer losa = LosaBajo(e->position());
  Selecciona(losa);
  if (losa > 0) emit LosaElegida(losa);
}

void VistaPlanta::mouseDoubleClickEvent(QMouseEvent* e) {
  const Integer losa = LosaBajo(e->position());
  if (e->button() == Qt::LeftButton && losa > 0) emit LosaActivada(losa);
}

void VistaPlanta::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Home:
      Ajusta();
      break;
    case Qt::Key_Plus:
      Acerca(kPasoRueda);
      break;
    case Qt::Key_Minus:
      Acerca(1 / kPasoRueda);
      break;
    default:
      QWidget::keyPressEvent(e);
  }
}

bool VistaPlanta::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* ayuda = static_cast<QHelpEvent*>(e);
    const Integer losa = LosaBajo(ayuda->pos());
    if (losa > 0)
      QToolTip::showText(ayuda->globalPos(), QStringLiteral("Losa %1").arg(losa), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(e);
}

}  // namespace placatec
