// A label painted straight onto the skin: no background of its own, a pixel
// font size, and a font colour that repaints only when it really changes
// (the poll sets annunciator colours every cycle).
#pragma once

#include <QColor>
#include <QLabel>

namespace zavo {

class SkinLabel : public QLabel {
  Q_OBJECT

 public:
  explicit SkinLabel(QWidget* parent = nullptr);
  SkinLabel(const QString& text, QWidget* parent = nullptr);

  void setFontColor(const QColor& color);
  QColor fontColor() const;
  void setFontPixelSize(int px, bool bold = false);
  // Fonts tried in order; the first one the system has wins.
  void setFontFamilies(const QStringList& families);
};

}  // namespace zavo
