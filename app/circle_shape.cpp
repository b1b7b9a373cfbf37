#include "app/circle_shape.h"

#include <QPainter>

namespace zavo {

CircleShape::CircleShape(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void CircleShape::setPenColor(const QColor& c) {
  if (c == pen_) return;
  pen_ = c;
  update();
}

void CircleShape::setBrushColor(const QColor& c) {
  if (c == brush_) return;
  brush_ = c;
  update();
}

void CircleShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(pen_, 1));
  p.setBrush(brush_.isValid() ? QBrush(brush_) : QBrush(Qt::NoBrush));
  p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace zavo
