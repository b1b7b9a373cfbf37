#include "app/skin_face.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace zavo {

namespace {
// Below this the press is taken as a click, not the start of a drag.
constexpr int kDragThreshold = 3;
}  // namespace

SkinFace::SkinFace(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("sknZavomax"));
  setMouseTracking(true);  // for hovered()
  setAttribute(Qt::WA_OpaquePaintEvent);
}

SkinFace::~SkinFace() {
  if (watchedWindow_ && watchedWindow_ != this) watchedWindow_->removeEventFilter(this);
}

QRegion SkinFace::OutlineOf(const QPixmap& face, const QColor& maskColor) {
  if (face.isNull()) return {};
  // MaskInColor: the mask colour's pixels become transparent, all others
  // opaque, and the region holds the opaque ones.
  const QBitmap bits = face.createMaskFromColor(maskColor, Qt::MaskInColor);
  return QRegion(bits);
}

void SkinFace::setFace(const QPixmap& face) {
  face_ = face;
  outline_ = OutlineOf(face_, maskColor_);
  if (!face_.isNull()) setFixedSize(face_.size() / face_.devicePixelRatio());
  applyWindowShape();
  update();
}

void SkinFace::setMaskColor(const QColor& color) {
  if (color == maskColor_) return;
  maskColor_ = color;
  outline_ = OutlineOf(face_, maskColor_);
  applyWindowShape();
  update();
}

QSize SkinFace::sizeHint() const {
  return face_.isNull() ? QWidget::sizeHint() : face_.size() / face_.devicePixelRatio();
}

void SkinFace::applyWindowShape() {
  if (outline_.isEmpty()) return;
  QWidget* top = window();
  const QRegion shape = outline_.translated(mapTo(top, QPoint(0, 0)));
  if (top->mask() == shape) return;
  // Everything of the window outside the face (eInput below it, say) is
  // cut away too: only the face's outline stays.
  top->setMask(shape);
}

void SkinFace::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (face_.isNull()) {
    painter.fillRect(event->rect(), Qt::black);
    return;
  }
  painter.drawPixmap(event->rect(), face_, event->rect());
}

void SkinFace::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pressed_ = true;
  dragging_ = false;
  pressGlobal_ = event->globalPosition().toPoint();
  windowAtPress_ = window()->pos();
  event->accept();
}

void SkinFace::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) {
    emit hovered(event->position().toPoint());
    return;
  }
  const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
  if (!dragging_) {
    if (delta.manhattanLength() < kDragThreshold) return;
    dragging_ = true;
    // Where the window system moves windows itself (Wayland allows nothing
    // else), hand the drag over to it; the move still arrives as a move event.
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove()) {
      pressed_ = false;
      return;
    }
  }
  window()->move(windowAtPress_ + delta);
  event->accept();
}

void SkinFace::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const bool wasClick = pressed_ && !dragging_;
  pressed_ = false;
  dragging_ = false;
  event->accept();
  if (wasClick) emit clicked();
}

void SkinFace::contextMenuEvent(QContextMenuEvent* event) {
  if (popup_) popup_->popup(event->globalPos());
  emit contextMenuRequested(event->globalPos());
  event->accept();
}

void SkinFace::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  watchWindow();
  applyWindowShape();
}

void SkinFace::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (isWindow())
    emit moved(pos());
  else
    applyWindowShape();  // the face moved within its window
}

bool SkinFace::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange) {
    watchWindow();
    applyWindowShape();
  }
  return QWidget::event(event);
}

void SkinFace::watchWindow() {
  QWidget* top = window();
  if (top == watchedWindow_) return;
  if (watchedWindow_ && watchedWindow_ != this) watchedWindow_->removeEventFilter(this);
  watchedWindow_ = top;
  if (top != this) top->installEventFilter(this);
}

bool SkinFace::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watchedWindow_ && event->type() == QEvent::Move) emit moved(watchedWindow_->pos());
  return QWidget::eventFilter(watched, event);
}

}  // namespace zavo
