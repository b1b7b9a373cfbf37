#include "app/skin_composer.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

// The skin resources live in a static library; without this call the linker
// may leave them out of the program. It cannot be called inside a namespace.
static void InitSkinResources() {
  Q_INIT_RESOURCE(skin);
}

namespace zavo {

SkinComposer::SkinComposer(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("SkinComp"));
  InitSkinResources();
}

int SkinComposer::loadDirectory(const QString& dir) {
  int loaded = 0;
  const QFileInfoList files = QDir(dir).entryInfoList(QDir::Files, QDir::Name);
  for (const QFileInfo& file : files) {
    QImageReader reader(file.filePath());
    if (!reader.canRead()) continue;  // sounds and other files share the tree
    QPixmap bitmap = QPixmap::fromImageReader(&reader);
    if (bitmap.isNull()) continue;
    bitmaps_.insert(file.fileName(), bitmap);
    ++loaded;
  }
  return loaded;
}

void SkinComposer::insert(const QString& name, const QPixmap& bitmap) {
  bitmaps_.insert(name, bitmap);
}

QStringList SkinComposer::names() const {
  QStringList all = bitmaps_.keys();
  all.sort();
  return all;
}

}  // namespace zavo
