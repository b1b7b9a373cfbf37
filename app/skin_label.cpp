#include "app/skin_label.h"

#include <QFont>
#include <QPalette>

namespace zavo {

SkinLabel::SkinLabel(QWidget* parent) : SkinLabel(QString(), parent) {}

SkinLabel::SkinLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAutoFillBackground(false);
  // Without text interaction a label ignores presses, so they reach the face
  // and the window can be dragged by its labels too.
  setTextInteractionFlags(Qt::NoTextInteraction);
}

void SkinLabel::setFontColor(const QColor& color) {
  if (fontColor() == color) return;
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, color);
  setPalette(pal);
}

QColor SkinLabel::fontColor() const {
  return palette().color(QPalette::WindowText);
}

void SkinLabel::setFontPixelSize(int px, bool bold) {
  QFont f = font();
  f.setPixelSize(px);
  f.setBold(bold);
  setFont(f);
}

void SkinLabel::setFontFamilies(const QStringList& families) {
  QFont f = font();
  f.setFamilies(families);
  setFont(f);
}

}  // namespace zavo
