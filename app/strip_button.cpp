#include "app/strip_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/skin_composer.h"

namespace zavo {

StripButton::StripButton(SkinComposer* composer, QWidget* parent)
    : QAbstractButton(parent), composer_(composer) {
  setFocusPolicy(Qt::NoFocus);  // the keyboard focus stays on the entry field
  setAttribute(Qt::WA_Hover);
}

void StripButton::setComposer(SkinComposer* composer) {
  composer_ = composer;
  const QString name = stripName_;
  stripName_.clear();
  setStripName(name);
}

void StripButton::setStripName(const QString& name) {
  if (name == stripName_ && !strip_.isNull()) return;
  stripName_ = name;
  strip_ = composer_ ? composer_->bitmap(name) : QPixmap();
  updateGeometry();
  update();
}

StripButton::Frame StripButton::currentFrame() const {
  if (!isEnabled()) return kDisabled;
  if (isDown()) return kPressed;
  if (isChecked()) return kSwitchedDown;
  if (hovered_) return kHover;
  return kNormal;
}

QPixmap StripButton::framePixmap(Frame frame) const {
  if (strip_.isNull()) return {};
  const int w = strip_.width() / kFrameCount;
  return strip_.copy(frame * w, 0, w, strip_.height());
}

QSize StripButton::sizeHint() const {
  if (strip_.isNull()) return {16, 16};
  return {strip_.width() / kFrameCount, strip_.height()};
}

void StripButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Frame frame = currentFrame();
  if (strip_.isNull()) {
    // No art for this name: a plain plate that still shows the state.
    static constexpr QRgb kPlates[kFrameCount] = {0x505458, 0x666a70, 0x34373a, 0x3c3e40, 0x2a5060};
    painter.fillRect(rect(), QColor::fromRgb(kPlates[frame]));
    painter.setPen(QColor(0x202020));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    return;
  }
  const int w = strip_.width() / kFrameCount;
  painter.drawPixmap(rect(), strip_, QRect(frame * w, 0, w, strip_.height()));
}

void StripButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QAbstractButton::mousePressEvent(event);
    return;
  }
  // Taken, so that its release comes back here for mouseReleased().
  otherButtonDown_ = true;
  event->accept();
}

void StripButton::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const Qt::MouseButton button = event->button();
  if (button == Qt::LeftButton) {
    QAbstractButton::mouseReleaseEvent(event);
  } else {
    if (!otherButtonDown_) {
      event->ignore();
      return;
    }
    otherButtonDown_ = false;
    event->accept();
  }
  emit mouseReleased(button, pos);
}

void StripButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void StripButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void StripButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  QAbstractButton::changeEvent(event);
}

}  // namespace zavo
