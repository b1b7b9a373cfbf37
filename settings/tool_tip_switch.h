// Turns a window's tool tips on or off: while off, tool-tip events of the
// window and every widget in it are dropped.
#pragma once

#include <QObject>

class QWidget;

namespace zavo {

class ToolTipSwitch : public QObject {
  Q_OBJECT
 public:
  explicit ToolTipSwitch(QObject* parent = nullptr) : QObject(parent) {}

  // Watches `window` and all widgets in it at the time of the call.
  void Attach(QWidget* window);
  void SetShown(bool on) { shown_ = on; }
  bool shown() const { return shown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool shown_ = true;
};

}  // namespace zavo
