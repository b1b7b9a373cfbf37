// The named bitmap store of the skin: face pictures and button strips, looked
// up by their file names ("Face_Beta.bmp", "7_strip.bmp", ...).
#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace zavo {

class SkinComposer : public QObject {
  Q_OBJECT

 public:
  // Where the program's own skin lives in the resources.
  static constexpr const char* kResourceDir = ":/skin";

  explicit SkinComposer(QObject* parent = nullptr);

  // Loads every image of a directory (a resource path by default); later
  // loads replace bitmaps of the same name. Returns how many were loaded.
  int loadDirectory(const QString& dir = QString::fromLatin1(kResourceDir));

  void insert(const QString& name, const QPixmap& bitmap);
  bool contains(const QString& name) const { return bitmaps_.contains(name); }
  // A null pixmap when the name is unknown.
  QPixmap bitmap(const QString& name) const { return bitmaps_.value(name); }
  QStringList names() const;

 private:
  QHash<QString, QPixmap> bitmaps_;
};

}  // namespace zavo
