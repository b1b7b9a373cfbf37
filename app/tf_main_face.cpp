// Construction of the main face: every control at its place on the skin,
// with its design values and its event connections.
#include "app/tf_main.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "app/circle_shape.h"
#include "app/face_layout.h"
#include "app/main_face_design.h"
#include "app/skin_composer.h"
#include "app/skin_face.h"
#include "app/skin_label.h"
#include "app/strip_button.h"
#include "controls/up_down.h"
#include "link/panel_decoder.h"

namespace zavo {

using namespace main_face;

void TfMain::BuildFace() {
  sknZavomax = new SkinFace(this);
  sknZavomax->setObjectName(QString::fromLatin1(face::kFaceName.data(), face::kFaceName.size()));
  sknZavomax->setMaskColor(QColor::fromRgb(face::kMaskRgb));
  sknZavomax->setFace(services_.skin->bitmap(
      QString::fromLatin1(face::kFaceBitmap.data(), face::kFaceBitmap.size())));
  sknZavomax->setGeometry(0, 0, face::kFaceWidth, face::kFaceHeight);
  connect(sknZavomax, &SkinFace::moved, this, [this] { Guarded([this] { DockSideWindows(); }); });
  connect(sknZavomax, &SkinFace::hovered, this, [this] {
    // sknZavomaxMouseMove: the selector's hover colour goes back.
    QPalette pal = eZavNum->palette();
    pal.setColor(QPalette::Text, kSelectorText);
    eZavNum->setPalette(pal);
  });
  connect(sknZavomax, &SkinFace::clicked, this, [this] { FocusInput(); });

  auto name = [](std::string_view n) { return QString::fromLatin1(n.data(), n.size()); };
  auto label = [&](QWidget* parent, const face::Label& l, const QString& caption) {
    auto* w = new SkinLabel(caption, parent);
    w->setObjectName(name(l.name));
    w->setGeometry(ToQRect(l.rect));
    w->setFontPixelSize(l.fontPx);
    return w;
  };

  pnlDisp = new QWidget(sknZavomax);
  pnlDisp->setObjectName(name(face::kPanelName));
  pnlDisp->setGeometry(ToQRect(face::pnlDisp));

  lZavName = label(pnlDisp, face::lZavName, "Zav Name");
  lZavName->setAlignment(Qt::AlignCenter);
  lZavName->setToolTip("Current Zav Name - IP");
  lZavName->setFontColor(kAqua);

  const QStringList mono = {"Lucida Console", "DejaVu Sans Mono", "Liberation Mono", "monospace"};
  lWeight = label(pnlDisp, face::lWeight, kWeightPlaceholder);
  lWeight->setFontFamilies(mono);
  lWeight->setFontPixelSize(face::lWeight.fontPx, true);
  lWeight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lWeight->setToolTip("Gross Weight");
  lWeight->setFontColor(kAqua);

  lDisplay = label(pnlDisp, face::lDisplay, "Wait for connect");
  lDisplay->setFontFamilies(mono);
  lDisplay->setFontPixelSize(face::lDisplay.fontPx);
  lDisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lDisplay->setToolTip("Lower Display");
  lDisplay->setFontColor(kAqua);

  for (int i = 0; i < kAnnunciatorCount; ++i) {
    annunciators_[i] = label(pnlDisp, face::kAnnunciators[i], kAnnunciatorCaptions[i]);
    annunciators_[i]->setToolTip(kAnnunciatorHints[i]);
    annunciators_[i]->setAlignment(Qt::AlignCenter);
    annunciators_[i]->setFontColor(kAqua);
  }
  for (int k = 0; k < 3; ++k) {
    subscripts_[k] = label(pnlDisp, face::kIntervalDigits[k], QString::number(k + 1));
    subscripts_[k]->setToolTip(QString("Weight Interval %1").arg(k + 1));
    subscripts_[k]->setFontColor(kAqua);
  }

  for (size_t i = 0; i < Keys().size(); ++i) {
    const KeyDef& key = Keys()[i];
    const face::Place place = face::Find(key.component);
    auto* b = new StripButton(services_.skin, sknZavomax);
    b->setObjectName(key.component);
    b->setGeometry(ToQRect(place.rect));
    b->setStripName(key.strip);
    b->setToolTip(key.hint);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QAbstractButton::clicked, this, [this, &key] { Guarded([&] { KeyClick(key); }); });
    keys_[i] = b;
  }

  for (int k = 0; k < 8; ++k) {
    const face::Lamp& l = face::kLamps[k];
    lamps_[k] = new CircleShape(sknZavomax);
    lamps_[k]->setObjectName(name(l.name));
    lamps_[k]->setGeometry(ToQRect(l.rect));
    lamps_[k]->setToolTip(kLampDesignHints[k]);
    glints_[k] = new CircleShape(sknZavomax);
    glints_[k]->setObjectName(name(l.glint));
    glints_[k]->setGeometry(ToQRect(l.glintRect));
    glints_[k]->setPenColor(Qt::white);
    glints_[k]->setBrushColor(Qt::white);
    glints_[k]->setToolTip(kLampDesignHints[k]);
  }

  // Engraved pairs: the dark twin first, so the light text lies on top.
  auto engraved = [&](const face::EngravedLabel& e, const QString& hint) {
    auto* dark = new SkinLabel(name(e.caption), sknZavomax);
    dark->setObjectName(name(e.darkName));
    dark->setGeometry(ToQRect(e.darkRect()));
    dark->setFontPixelSize(e.fontPx);
    dark->setFontColor(kDarkTwin);
    dark->setToolTip(hint);
    auto* light = new SkinLabel(name(e.caption), sknZavomax);
    light->setObjectName(name(e.name));
    light->setGeometry(ToQRect(e.rect));
    light->setFontPixelSize(e.fontPx);
    light->setFontColor(kSilver);
    light->setToolTip(hint);
    return std::make_pair(dark, light);
  };
  for (int i = 0; i < 4; ++i) {
    auto [dark, light] = engraved(face::kIdentity[i], kIdentityHints[i]);
    identityDark_[i] = dark;
    identity_[i] = light;
  }
  for (const auto& c : face::kLampCaptions) engraved(c, QString());
  engraved(face::kBeta, QString());

  lTime = label(sknZavomax, face::lTime, "<10ms");
  lTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lTime->setFontColor(kSilver);
  lTime->hide();

  eZavNum = new QLineEdit("1", sknZavomax);
  eZavNum->setObjectName("eZavNum");
  eZavNum->setGeometry(ToQRect(face::eZavNum));
  eZavNum->setReadOnly(true);
  eZavNum->setFocusPolicy(Qt::NoFocus);
  eZavNum->setAlignment(Qt::AlignCenter);
  eZavNum->setToolTip("Current Zav");
  eZavNum->setCursor(Qt::ArrowCursor);
  {
    QFont f = eZavNum->font();
    f.setPixelSize(13);
    f.setBold(true);
    eZavNum->setFont(f);
    QPalette pal = eZavNum->palette();
    pal.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    pal.setColor(QPalette::Text, kSelectorText);
    eZavNum->setPalette(pal);
  }
  udZavNum = new UpDown(sknZavomax);
  udZavNum->setObjectName("udZavNum");
  udZavNum->setGeometry(ToQRect(face::udZavNum));
  udZavNum->setRange(1, 6);
  udZavNum->setToolTip("Switch Zavs");
  connect(udZavNum, &UpDown::changingEx, this, &TfMain::udZavNumChangingEx);
  connect(udZavNum, &UpDown::clicked, this, &TfMain::udZavNumClick);
  connect(udZavNum, &UpDown::positionChanged, this,
          [this](int p) { eZavNum->setText(QString::number(p)); });
  connect(udZavNum, &UpDown::mouseMoved, this, [this] {
    QPalette pal = eZavNum->palette();
    pal.setColor(QPalette::Text, kSelectorHover);
    eZavNum->setPalette(pal);
  });

  auto stripButton = [&](const face::StripButtonPlace& place, const QString& hint) {
    auto* b = new StripButton(services_.skin, sknZavomax);
    b->setObjectName(name(place.name));
    b->setGeometry(ToQRect(place.rect));
    b->setStripName(name(place.strip));
    b->setSwitchStyle(place.isSwitch);
    b->setToolTip(hint);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  bSettings = stripButton(face::kTools[0], "Settings");
  bTerm = stripButton(face::kTools[1], "Terminal");
  bHTTP = stripButton(face::kTools[2], "Web Browser");
  bShowPrint = stripButton(face::kTools[3], "Virtual Printer");
  bTrend = stripButton(face::kTools[4], "Trend Chart");
  bMinimize = stripButton(face::kWindowButtons[0], "Minimize");
  bExit = stripButton(face::kWindowButtons[1], "Exit");
  connect(bSettings, &QAbstractButton::clicked, this,
          [this] { Guarded([this] { bSettingsClick(); }); });
  connect(bTerm, &QAbstractButton::clicked, this, [this] { Guarded([this] { bTermClick(); }); });
  connect(bHTTP, &QAbstractButton::clicked, this, [this] { Guarded([this] { bHTTPClick(); }); });
  connect(bShowPrint, &QAbstractButton::clicked, this,
          [this] { Guarded([this] { bShowPrintClick(); }); });
  connect(bTrend, &QAbstractButton::clicked, this, [this] { Guarded([this] { bTrendClick(); }); });
  connect(bMinimize, &StripButton::mouseReleased, this,
          [this] { Guarded([this] { bMinimizeMouseUp(); }); });
  connect(bExit, &StripButton::mouseReleased, this,
          [this] { Guarded([this] { bExitMouseUp(); }); });

  eInput = new QLineEdit(this);
  eInput->setObjectName("eInput");
  eInput->setGeometry(ToQRect(face::eInput));
  eInput->setReadOnly(true);

  mnuPop = new QMenu(this);
  mnuPop->setObjectName("mnuPop");
  auto item = [&](const char* objectName, const char* caption, void (TfMain::*handler)()) {
    QAction* a = mnuPop->addAction(caption);
    a->setObjectName(objectName);
    connect(a, &QAction::triggered, this,
            [this, handler] { Guarded([&] { (this->*handler)(); }); });
  };
  item("miExit", "E&xit", &TfMain::miExitClick);
  item("miMinimize", "&Minimize", &TfMain::miMinimizeClick);
  item("miAbout", "&About...", &TfMain::miAboutClick);
  item("miPrint", "&Print...", &TfMain::miPrintClick);
  sknZavomax->setPopupMenu(mnuPop);
}

}  // namespace zavo
