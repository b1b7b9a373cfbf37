#include "controls/tf_about.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace zavo {

TfAbout::TfAbout(const QPixmap& picture, QWidget* parent) : QDialog(parent) {
  setObjectName("fAbout");
  setWindowTitle("About Zavomax Remote");
  setFixedSize(364, 247);

  pnlGraphic = new QFrame(this);
  pnlGraphic->setObjectName("pnlGraphic");
  pnlGraphic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnlGraphic->setGeometry(8, 8, 130, 231);
  Img1 = new QLabel(pnlGraphic);
  Img1->setObjectName("Img1");
  Img1->setGeometry(2, 2, 126, 227);
  Img1->setScaledContents(true);  // stretched to the panel
  Img1->setPixmap(picture);

  auto centred = [this](const char* name, const QString& text, int y, int h) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setGeometry(146, y, 210, h);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
  };
  lTitle = centred("lTitle", "Zavomax Remote", 10, 90);
  QFont title("Arial Black");
  title.setPixelSize(32);
  title.setWeight(QFont::Black);
  lTitle->setFont(title);
  lVersion = centred("lVersion", "v0.9.9.68 beta", 104, 18);
  lByLine = centred("lByLine", "Remote front panel for Zavomax weighing terminals", 128, 34);
  lNotice =
      centred("lNotice", "Keys you press here reach the live terminal: mind the scale.", 166, 34);

  bOK = new QPushButton("OK", this);
  bOK->setObjectName("bOK");
  bOK->setGeometry(214, 210, 75, 25);
  bOK->setDefault(true);
  connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfAbout::SetPicture(const QPixmap& picture) {
  Img1->setPixmap(picture);
}

}  // namespace zavo
