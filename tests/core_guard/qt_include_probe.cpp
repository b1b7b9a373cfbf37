// Compiled with the core library's flags only; must not find Qt.
#include <QtCore/QString>
int probe() {
  return QString().size();
}
