// A bitmap button drawn from a strip of five frames side by side: normal,
// hover, pressed, disabled and switched down. With the switch style a click
// toggles the down state before clicked() is emitted.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>
#include <QString>

namespace zavo {

class SkinComposer;

class StripButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum Frame { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3, kSwitchedDown = 4 };
  static constexpr int kFrameCount = 5;

  explicit StripButton(SkinComposer* composer, QWidget* parent = nullptr);

  // The strip is looked up in the composer by this name. An unknown name is
  // kept (stripName() reports it) and the button draws a plain plate.
  void setStripName(const QString& name);
  QString stripName() const { return stripName_; }
  void setComposer(SkinComposer* composer);

  void setSwitchStyle(bool on) { setCheckable(on); }
  bool switchStyle() const { return isCheckable(); }

  // The frame the present state shows.
  Frame currentFrame() const;
  // That frame's picture (null without a strip).
  QPixmap framePixmap(Frame frame) const;

  QSize sizeHint() const override;

 signals:
  // Any mouse button pressed on the button was released (on it or not).
  void mouseReleased(Qt::MouseButton button, const QPoint& pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QPointer<SkinComposer> composer_;
  QString stripName_;
  QPixmap strip_;
  bool hovered_ = false;
  bool otherButtonDown_ = false;
};

}  // namespace zavo
