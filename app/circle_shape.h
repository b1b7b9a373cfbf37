// A circle drawn with a pen (outline) and a brush (fill): the face's lamps
// and their glints. Setting a colour it already has repaints nothing.
#pragma once

#include <QColor>
#include <QWidget>

namespace zavo {

class CircleShape : public QWidget {
  Q_OBJECT
 public:
  explicit CircleShape(QWidget* parent = nullptr);

  QColor penColor() const { return pen_; }
  QColor brushColor() const { return brush_; }
  void setPenColor(const QColor& c);
  void setBrushColor(const QColor& c);  // an invalid colour leaves it hollow

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor pen_{Qt::black};
  QColor brush_{Qt::black};
};

}  // namespace zavo
