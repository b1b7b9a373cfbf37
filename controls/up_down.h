// A small up-down: the upper half proposes the next position, the lower half
// the previous one. Whoever handles changingEx may refuse the move; only an
// allowed move changes the position. No wrap-around.
#pragma once

#include <QWidget>

namespace zavo {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* parent = nullptr);

  int position() const { return position_; }
  // Sets the position without asking anyone (loading, clamping).
  void setPosition(int p);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  void setRange(int minimum, int maximum);

  // What a click on either half does; also used by tests and keys.
  void step(int delta);

 signals:
  // `allow` starts true; clearing it refuses the move to `proposed`.
  void changingEx(int proposed, bool* allow);
  void positionChanged(int position);
  void clicked();
  void mouseMoved();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  int minimum_ = 1;
  int maximum_ = 6;
  int position_ = 1;
  int pressedHalf_ = 0;  // -1 lower, +1 upper, 0 none
};

}  // namespace zavo
