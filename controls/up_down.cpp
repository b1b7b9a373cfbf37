#include "controls/up_down.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace zavo {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
}

void UpDown::setPosition(int p) {
  const int clamped = std::max(minimum_, std::min(maximum_, p));
  if (clamped == position_) return;
  position_ = clamped;
  emit positionChanged(position_);
}

void UpDown::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setPosition(position_);
}

void UpDown::step(int delta) {
  const int proposed = position_ + delta;
  bool allow = true;
  emit changingEx(proposed, &allow);
  // The handler refuses moves out of range; a move it allowed still cannot
  // leave the range.
  if (allow && proposed >= minimum_ && proposed <= maximum_ && proposed != position_) {
    position_ = proposed;
    emit positionChanged(position_);
  }
  emit clicked();
}

void UpDown::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  pressedHalf_ = e->position().y() < height() / 2.0 ? 1 : -1;
  update();
}

void UpDown::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || pressedHalf_ == 0) return;
  const int half = pressedHalf_;
  pressedHalf_ = 0;
  update();
  if (rect().contains(e->position().toPoint())) step(half);
}

void UpDown::mouseMoveEvent(QMouseEvent*) {
  emit mouseMoved();
}

void UpDown::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int h = height() / 2;
  for (int half = 0; half < 2; ++half) {
    const QRect r(0, half * h, width(), half ? height() - h : h);
    const bool down = pressedHalf_ == (half ? -1 : 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, down ? QColor(0x50, 0x50, 0x50) : QColor(0x9a, 0x9a, 0x9a));
    g.setColorAt(1, down ? QColor(0x70, 0x70, 0x70) : QColor(0x5a, 0x5a, 0x5a));
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setBrush(g);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QPoint c = r.center();
    QPolygon arrow;
    if (half == 0)
      arrow << QPoint(c.x() - 3, c.y() + 2) << QPoint(c.x() + 3, c.y() + 2)
            << QPoint(c.x(), c.y() - 2);
    else
      arrow << QPoint(c.x() - 3, c.y() - 2) << QPoint(c.x() + 3, c.y() - 2)
            << QPoint(c.x(), c.y() + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawPolygon(arrow);
  }
}

}  // namespace zavo
