// A skinned window face: shows a face bitmap, cuts its top-level window to
// the bitmap's outline (pixels of the mask colour are left out), drags the
// window when pressed and moved, and reports every move of the window.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <QMenu>

namespace zavo {

class SkinFace : public QWidget {
  Q_OBJECT

 public:
  // clGreen: the skin's transparent colour.
  static constexpr QRgb kDefaultMaskRgb = 0x008000;

  explicit SkinFace(QWidget* parent = nullptr);
  ~SkinFace() override;

  // Also resizes the face to the bitmap and reshapes the window.
  void setFace(const QPixmap& face);
  QPixmap face() const { return face_; }

  void setMaskColor(const QColor& color);
  QColor maskColor() const { return maskColor_; }

  // The visible part of the face, in face coordinates: every pixel that is
  // not the mask colour. Empty without a bitmap.
  QRegion outline() const { return outline_; }
  static QRegion OutlineOf(const QPixmap& face, const QColor& maskColor);

  // The popup of a right click (or the keyboard's menu key) on the face.
  void setPopupMenu(QMenu* menu) { popup_ = menu; }
  QMenu* popupMenu() const { return popup_; }

  // Gives the top-level window the face's outline; runs by itself when the
  // face is set, moved within its window or shown.
  void applyWindowShape();

  QSize sizeHint() const override;

 signals:
  // The top-level window moved (by a drag, the window system or code).
  void moved(const QPoint& topLeft);
  // The mouse moved over the face itself (not over its child controls).
  void hovered(const QPoint& pos);
  // Left button pressed and released on the face without dragging it.
  void clicked();
  // A context menu was asked for at this global position; runs after the
  // popup menu, if any, has been opened.
  void contextMenuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watchWindow();

  QPixmap face_;
  QColor maskColor_{QColor::fromRgb(kDefaultMaskRgb)};
  QRegion outline_;
  QPointer<QMenu> popup_;
  QPointer<QWidget> watchedWindow_;
  bool pressed_ = false;
  bool dragging_ = false;
  QPoint pressGlobal_;
  QPoint windowAtPress_;
};

}  // namespace zavo
