#pragma once
// The plan of the storey in a window: wheel to zoom about the pointer, drag to pan,
// "Ajustar" (or the key Home) to see the whole storey again. A click on a slab selects
// it and is told; a double click too. The drawing is asked of `dibuja` for the text
// height that reads at the current zoom, so that a storey seen whole shows its slab
// numbers and, closer, every bar label.
#include <QWidget>
#include <functional>

#include "outputs/Planta.h"

namespace placatec {

class VistaPlanta : public QWidget {
  Q_OBJECT

 public:
  explicit VistaPlanta(QWidget* parent = nullptr);

  // The plan for a text height (m). Set by the owner; asked again by Actualiza() and
  // when the zoom makes another height read better.
  std::function<DibujoPlanta(double altoTexto)> dibuja;
  // The first problem of the slabs' places written under the plan (a window that lists
  // them itself leaves it out).
  bool avisaProblemas = true;

  // The data changed: draws again. A view fitted to the storey stays fitted.
  void Actualiza();
  void Ajusta();                  // the whole storey in the window
  void Acerca(double factor);     // zoom about the window's centre
  void Selecciona(Integer losa);  // 0 for none
  Integer Seleccionada() const { return seleccionada_; }
  const DibujoPlanta& Dibujo() const { return dibujo_; }
  // Storey metres to the widget's pixels.
  const QTransform& Transformacion() const { return metros_; }

 signals:
  void LosaElegida(int losa);
  void LosaActivada(int losa);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void wheelEvent(QWheelEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool event(QEvent* e) override;

 private:
  // The text height that shows texts about 11 pixels high at the current zoom, never
  // below the drawing's own 0.125 m.
  double AltoTextoDeseado() const;
  void Redibuja();
  void Escala(double factor, QPointF en);
  Integer LosaBajo(QPointF pixel) const;

  DibujoPlanta dibujo_;
  QTransform metros_;
  double altoTexto_ = 0.125;
  bool ajustada_ = true;  // the view follows the storey's size until zoomed or panned
  Integer seleccionada_ = 0;
  QPointF arrastre_;
  bool arrastrando_ = false;
  bool movio_ = false;
};

}  // namespace placatec
