#include "settings/tool_tip_switch.h"

#include <QEvent>
#include <QWidget>

namespace zavo {

void ToolTipSwitch::Attach(QWidget* window) {
  window->installEventFilter(this);
  for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool ToolTipSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (!shown_ && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace zavo
