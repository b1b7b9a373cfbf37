// The about box: title, version, a by-line and a notice beside a picture.
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class QFrame;

namespace zavo {

class TfAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfAbout(const QPixmap& picture, QWidget* parent = nullptr);
  void SetPicture(const QPixmap& picture);

 private:
  QFrame* pnlGraphic;
  QLabel* Img1;
  QLabel* lTitle;
  QLabel* lVersion;
  QLabel* lByLine;
  QLabel* lNotice;
  QPushButton* bOK;
};

}  // namespace zavo
