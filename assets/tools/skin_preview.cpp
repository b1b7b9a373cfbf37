// Renders the skin with its controls in place, offscreen, to PNG files, so the
// art can be looked at without a display:
//   zavo-skin-preview <skin dir> <output dir>
// Writes face.png (standard keys, a live-looking display), face-alt.png
// (alternative keys, keypad disabled), strips.png (every strip, enlarged),
// printer.png and trend.png.
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QPainter>
#include <QWidget>

#include <cstdio>

#include "app/face_layout.h"
#include "app/side_face_layout.h"
#include "app/skin_composer.h"
#include "app/skin_face.h"
#include "app/skin_label.h"
#include "app/strip_button.h"

using namespace zavo;
using namespace zavo::face;

namespace {

QString S(std::string_view s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
QRect R(const Rect& r) {
  return {r.x, r.y, r.w, r.h};
}

const QColor kAqua(0x00, 0xff, 0xff);
const QColor kGreyText(0x6d, 0x6d, 0x6d);

SkinLabel* AddLabel(QWidget* parent, const QString& text, const Rect& r, int px, bool bold,
                    const QColor& colour, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* l = new SkinLabel(text, parent);
  l->setGeometry(R(r));
  l->setFontPixelSize(px, bold);
  l->setFontColor(colour);
  l->setAlignment(align);
  return l;
}

void AddEngraved(QWidget* face, const EngravedLabel& e, const QString& text,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  AddLabel(face, text, e.darkRect(), e.fontPx, false, QColor(0x20, 0x20, 0x20), align);
  AddLabel(face, text, e.rect, e.fontPx, false, QColor(0xc0, 0xc0, 0xc0), align);
}

// A lamp as the window draws it: a filled circle and its white glint.
class LampShape : public QWidget {
 public:
  LampShape(QWidget* parent, QColor colour, bool glint)
      : QWidget(parent), c_(colour), glint_(glint) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (glint_) {
      p.setPen(QPen(Qt::white, 1));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(0.5, 0.5, width() - 1, height() - 1));
    } else {
      p.setPen(QPen(c_, 1));
      p.setBrush(c_);
      p.drawEllipse(QRectF(0.5, 0.5, width() - 1, height() - 1));
    }
  }

 private:
  QColor c_;
  bool glint_;
};

QWidget* BuildMainFace(SkinComposer* comp, bool alternative, bool live) {
  auto* window = new QWidget;
  window->setFixedSize(kFormMinWidth, kFormMinHeight);
  auto* face = new SkinFace(window);
  face->setFace(comp->bitmap(S(kFaceBitmap)));

  auto* panel = new QFrame(face);
  panel->setObjectName(S(kPanelName));
  panel->setGeometry(R(pnlDisp));
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::black);
  panel->setPalette(pal);

  const QColor on = live ? kAqua : kGreyText;
  AddLabel(panel, live ? QStringLiteral("Line 2 - 127.0.0.2") : QStringLiteral("Zav Name"),
           lZavName.rect, lZavName.fontPx, false, QColor(0xd0, 0xd0, 0xd0), Qt::AlignCenter);
  auto* weight =
      AddLabel(panel, live ? QStringLiteral("1250") : QStringLiteral("-------"), lWeight.rect,
               lWeight.fontPx, true, on, Qt::AlignRight | Qt::AlignVCenter);
  weight->setFontFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono")});
  auto* lower =
      AddLabel(panel, live ? QStringLiteral("NET  A  12:04") : QStringLiteral("Wait for connect"),
               lDisplay.rect, lDisplay.fontPx, false, on, Qt::AlignRight | Qt::AlignVCenter);
  lower->setFontFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono")});
  const char* captions[22] = {"G", "NET", "PT", "lb", "kg", "->0<-", "~", "1",     "2", "3", "4",
                              "5", "6",   "A",  "B",  "C",  "D",     "E", "S U M", "W", "W", "W"};
  // A live look: net weight in kg, stable, scale 2 of cell 1, interval 2.
  const bool lit[22] = {false, true,  false, false, true,  false, false, true,
                        false, false, false, false, false, false, true,  false,
                        false, false, false, false, true,  false};
  for (size_t i = 0; i < kAnnunciators.size(); ++i) {
    const Label& a = kAnnunciators[i];
    AddLabel(panel, QString::fromLatin1(captions[i]), a.rect, a.fontPx, true,
             live ? (lit[i] ? kAqua : kGreyText) : kAqua, Qt::AlignCenter);
  }
  for (size_t i = 0; i < kIntervalDigits.size(); ++i) {
    const Label& d = kIntervalDigits[i];
    AddLabel(panel, QString::number(i + 1), d.rect, d.fontPx, true,
             live ? (lit[19 + i] ? kAqua : kGreyText) : kAqua, Qt::AlignCenter);
  }

  const char* identity[4] = {"Scale ID", "Calibrated: 2024-03-18", "SWID: ZAVO 3.12",
                             "P/N: 460-0012-A"};
  for (size_t i = 0; i < kIdentity.size(); ++i)
    AddEngraved(face, kIdentity[i],
                live ? QString::fromLatin1(identity[i]) : S(kIdentity[i].caption));
  for (const EngravedLabel& e : kLampCaptions)
    AddEngraved(face, e, S(e.caption),
                e.caption.size() == 1 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  AddEngraved(face, kBeta, S(kBeta.caption), Qt::AlignRight | Qt::AlignVCenter);
  AddLabel(face, QStringLiteral("7ms"), lTime.rect, lTime.fontPx, false, kAqua,
           Qt::AlignRight | Qt::AlignVCenter);

  for (size_t i = 0; i < kLamps.size(); ++i) {
    const Lamp& lamp = kLamps[i];
    QColor colour = Qt::black;
    if (live && (i == 0 || i == 2)) colour = QColor(0x00, 0x80, 0x00);
    if (live && i == 5) colour = QColor(0xff, 0x00, 0x00);
    (new LampShape(face, colour, false))->setGeometry(R(lamp.rect));
    (new LampShape(face, colour, true))->setGeometry(R(lamp.glintRect));
  }

  auto* number = AddLabel(face, QStringLiteral("2"), Rect{}, 13, true, QColor(0x35, 0x35, 0x35),
                          Qt::AlignCenter);
  number->setGeometry(R(eZavNum));
  number->setAutoFillBackground(true);
  QPalette np = number->palette();
  np.setColor(QPalette::Window, QColor(0xa0, 0xa0, 0xa0));
  number->setPalette(np);
  auto* updown = new QFrame(face);
  updown->setGeometry(R(udZavNum));
  updown->setFrameStyle(QFrame::Panel | QFrame::Raised);
  updown->setAutoFillBackground(true);
  QPalette up = updown->palette();
  up.setColor(QPalette::Window, QColor(0xb0, 0xb0, 0xb0));
  updown->setPalette(up);

  for (const Key& key : kKeys) {
    auto* b = new StripButton(comp, face);
    b->setObjectName(S(key.name));
    b->setGeometry(R(key.rect));
    b->setStripName(S(alternative ? key.altStrip : key.strip));
    b->setEnabled(live);
  }
  for (const StripButtonPlace& place : kTools) {
    auto* b = new StripButton(comp, face);
    b->setGeometry(R(place.rect));
    b->setStripName(S(place.strip));
    b->setSwitchStyle(place.isSwitch);
    if (live && place.name == "bTrend") b->setChecked(true);
  }
  for (const StripButtonPlace& place : kWindowButtons) {
    auto* b = new StripButton(comp, face);
    b->setGeometry(R(place.rect));
    b->setStripName(S(place.strip));
  }
  return window;
}

// The window as the desktop shows it: outside the face's outline the
// desktop (a checker) shows through.
QImage Shot(QWidget* window, const QRegion& outline) {
  window->show();
  const QImage grabbed = window->grab().toImage();
  QImage shot(grabbed.size(), QImage::Format_RGB32);
  QPainter p(&shot);
  for (int y = 0; y < shot.height(); y += 8)
    for (int x = 0; x < shot.width(); x += 8)
      p.fillRect(x, y, 8, 8,
                 ((x + y) / 8) % 2 ? QColor(0xe8, 0xe8, 0xe8) : QColor(0xc8, 0xc8, 0xc8));
  p.setClipRegion(outline);
  p.drawImage(0, 0, grabbed);
  p.end();
  return shot;
}

QImage StripSheet(SkinComposer* comp) {
  const QStringList names = comp->names();
  const int scale = 3, rowH = 35 * scale + 20;
  QImage sheet(175 * scale + 200, rowH * int(names.size()) + 10, QImage::Format_RGB32);
  sheet.fill(QColor(0x50, 0x50, 0x50));
  QPainter p(&sheet);
  int y = 5;
  for (const QString& name : names) {
    const QPixmap strip = comp->bitmap(name);
    if (!name.contains(QLatin1String("trip")) || strip.height() > 40) continue;
    p.setPen(Qt::white);
    p.drawText(5, y + 12, name);
    p.drawPixmap(QRect(5, y + 16, strip.width() * scale, strip.height() * scale), strip);
    y += strip.height() * scale + 24;
  }
  p.end();
  return sheet.copy(0, 0, sheet.width(), y + 5);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: zavo-skin-preview <skin dir> <output dir>\n");
    return 2;
  }
  SkinComposer comp;
  if (comp.loadDirectory(QString::fromLocal8Bit(argv[1])) == 0) {
    std::fprintf(stderr, "skin-preview: no bitmaps in %s\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  out.mkpath(QStringLiteral("."));
  bool ok = true;
  for (bool alternative : {false, true}) {
    QWidget* window = BuildMainFace(&comp, alternative, !alternative);
    const QRegion outline = SkinFace::OutlineOf(comp.bitmap(S(kFaceBitmap)), QColor(0x008000));
    ok &= Shot(window, outline).save(out.filePath(alternative ? "face-alt.png" : "face.png"));
    delete window;
  }
  ok &= StripSheet(&comp).save(out.filePath(QStringLiteral("strips.png")));

  for (const auto& [bitmap, file] : {std::pair{printer::kFaceBitmap, "printer.png"},
                                     std::pair{trend::kFaceBitmap, "trend.png"}}) {
    QWidget window;
    auto* face = new SkinFace(&window);
    const QPixmap pix = comp.bitmap(S(bitmap));
    face->setFace(pix);
    window.setFixedSize(pix.size());
    if (bitmap == printer::kFaceBitmap) {
      for (const auto& place : printer::kButtons) {
        auto* b = new StripButton(&comp, face);
        b->setGeometry(R(place.rect));
        b->setStripName(S(place.strip));
      }
      auto* text = AddLabel(
          face, QStringLiteral("  GROSS     1250 kg\n  TARE       200 kg\n  NET       1050 kg"),
          printer::mPrint, 11, true, Qt::black, Qt::AlignLeft | Qt::AlignTop);
      text->setFontFamilies({QStringLiteral("DejaVu Sans Mono")});
    } else {
      for (const auto& place : trend::kButtons) {
        auto* b = new StripButton(&comp, face);
        b->setGeometry(R(place.rect));
        b->setStripName(S(place.strip));
      }
    }
    ok &= Shot(&window, SkinFace::OutlineOf(pix, QColor(0x008000))).save(out.filePath(file));
  }
  std::printf("skin-preview: %s\n", ok ? "written" : "failed");
  return ok ? 0 : 1;
}
