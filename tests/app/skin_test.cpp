// The skin layer: the face's outline and drag, the strip buttons' frames and
// switch, the bitmap store against the layout, the layout itself, and the
// sound player's file handling.
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <set>
#include <string>

#include "app/face_layout.h"
#include "app/side_face_layout.h"
#include "app/skin_composer.h"
#include "app/skin_face.h"
#include "app/sound_player.h"
#include "app/strip_button.h"

using namespace zavo;

namespace {

QString S(std::string_view s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
QRect R(const face::Rect& r) {
  return {r.x, r.y, r.w, r.h};
}
const QColor kGreen(0x00, 0x80, 0x00);

// A strip whose five frames are flat, distinct colours.
QPixmap ColourStrip(int w, int h, const QList<QColor>& colours) {
  QPixmap strip(w * 5, h);
  QPainter p(&strip);
  for (int f = 0; f < 5; ++f) p.fillRect(f * w, 0, w, h, colours[f]);
  return strip;
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

QByteArray Wav(quint16 format, quint32 byteRate, quint32 dataSize, int dataBytes) {
  auto u32 = [](quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
  };
  auto u16 = [](quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
  };
  const QByteArray fmt = u16(format) + u16(1) + u32(22050) + u32(byteRate) + u16(2) + u16(16);
  return "RIFF" + u32(36 + dataSize) + "WAVE" + "fmt " + u32(16) + fmt + "data" + u32(dataSize) +
         QByteArray(dataBytes, '\0');
}

}  // namespace

class SkinTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(composer_.loadDirectory() > 0); }

  void outlineLeavesMaskColourOut() {
    // Fixture: the left half in the mask colour.
    QPixmap half(20, 10);
    half.fill(Qt::darkGray);
    QPainter(&half).fillRect(0, 0, 10, 10, kGreen);
    QCOMPARE(SkinFace::OutlineOf(half, kGreen), QRegion(10, 0, 10, 10));

    // The real face: every pixel is in the outline exactly when it is not
    // the mask colour, and the corners are rounded off.
    const QPixmap facePix = composer_.bitmap(S(face::kFaceBitmap));
    QVERIFY(!facePix.isNull());
    const QRegion outline = SkinFace::OutlineOf(facePix, kGreen);
    const QImage img = facePix.toImage();
    int out = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const bool green = (img.pixel(x, y) & 0xFFFFFF) == face::kMaskRgb;
        if (green == outline.contains(QPoint(x, y)))
          QFAIL(qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        out += green;
      }
    QVERIFY(out > 0);
    for (QPoint corner : {QPoint(0, 0), QPoint(529, 0), QPoint(0, 279), QPoint(529, 279)})
      QVERIFY(!outline.contains(corner));
    QVERIFY(outline.contains(QPoint(265, 140)));
  }

  void windowTakesTheFaceOutline() {
    QWidget window;
    window.resize(face::kFormMinWidth, face::kFormMinHeight);
    auto* skin = new SkinFace(&window);
    skin->setFace(composer_.bitmap(S(face::kFaceBitmap)));
    window.show();
    const QRegion mask = window.mask();
    QCOMPARE(mask, skin->outline());
    QVERIFY(!mask.contains(QPoint(face::eInput.x + 2, face::eInput.y + 2)));  // below the face
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QCOMPARE(skin->size(), QSize(face::kFaceWidth, face::kFaceHeight));
  }

  void dragMovesTheWindowAndReportsIt() {
    QWidget window;
    auto* skin = new SkinFace(&window);
    skin->setFace(composer_.bitmap(S(face::kFaceBitmap)));
    window.move(50, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy moved(skin, &SkinFace::moved);
    QSignalSpy clicked(skin, &SkinFace::clicked);
    const QPoint start = window.pos();

    // A press and release in place is a click, not a move.
    SendMouse(skin, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(skin, QEvent::MouseMove, {101, 101}, Qt::NoButton, Qt::LeftButton);
    SendMouse(skin, QEvent::MouseButtonRelease, {101, 101}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(window.pos(), start);

    SendMouse(skin, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    QMouseEvent drag(QEvent::MouseMove, QPointF(100, 100),
                     QPointF(skin->mapToGlobal(QPoint(100, 100)) + QPoint(30, 20)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(skin, &drag);
    SendMouse(skin, QEvent::MouseButtonRelease, {130, 120}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window.pos(), start + QPoint(30, 20));
    QTRY_VERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).toPoint(), start + QPoint(30, 20));
    QCOMPARE(clicked.count(), 1);

    // A move by code is reported too: the window docks its side windows on it.
    moved.clear();
    window.move(200, 210);
    QTRY_VERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).toPoint(), QPoint(200, 210));
  }

  void contextMenuOpensThePopup() {
    SkinFace skin;
    QMenu menu;
    menu.addAction(QStringLiteral("E&xit"));
    skin.setPopupMenu(&menu);
    QSignalSpy asked(&skin, &SkinFace::contextMenuRequested);
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(105, 105));
    QApplication::sendEvent(&skin, &e);
    QCOMPARE(asked.count(), 1);
    QTRY_VERIFY(menu.isVisible());
    menu.close();
  }

  void stripButtonShowsTheFrameOfItsState_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("isSwitch");
    QTest::addColumn<int>("frame");
    QTest::newRow("normal") << "normal" << false << 0;
    QTest::newRow("hover") << "hover" << false << 1;
    QTest::newRow("pressed") << "pressed" << false << 2;
    QTest::newRow("disabled") << "disabled" << false << 3;
    QTest::newRow("switched down") << "down" << true << 4;
    QTest::newRow("switched down, hovered") << "down+hover" << true << 4;
    QTest::newRow("disabled beats down") << "down+disabled" << true << 3;
  }

  void stripButtonShowsTheFrameOfItsState() {
    QFETCH(QString, state);
    QFETCH(bool, isSwitch);
    QFETCH(int, frame);
    const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue, Qt::gray, Qt::yellow};
    SkinComposer comp;
    comp.insert(QStringLiteral("X_strip.bmp"), ColourStrip(12, 10, colours));
    StripButton b(&comp);
    b.setStripName(QStringLiteral("X_strip.bmp"));
    b.setSwitchStyle(isSwitch);
    b.resize(b.sizeHint());
    QCOMPARE(b.size(), QSize(12, 10));
    if (state.contains("down")) b.setChecked(true);
    if (state.contains("hover")) {
      QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
      QApplication::sendEvent(&b, &enter);
    }
    if (state == "pressed") b.setDown(true);
    if (state.contains("disabled")) b.setEnabled(false);
    QCOMPARE(int(b.currentFrame()), frame);
    QCOMPARE(b.grab().toImage().pixelColor(6, 5), colours[frame]);
  }

  void switchTogglesBeforeClickAndReleasesReport() {
    SkinComposer comp;
    comp.insert(QStringLiteral("S.bmp"),
                ColourStrip(16, 16, {Qt::red, Qt::green, Qt::blue, Qt::gray, Qt::yellow}));
    StripButton b(&comp);
    b.setStripName(QStringLiteral("S.bmp"));
    b.resize(16, 16);
    b.setSwitchStyle(true);
    QList<bool> seen;
    connect(&b, &QAbstractButton::clicked, this, [&] { seen << b.isChecked(); });
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(seen, (QList<bool>{true, false}));

    // Window buttons act on any mouse button's release.
    StripButton w(&comp);
    w.resize(16, 16);
    QSignalSpy released(&w, &StripButton::mouseReleased);
    QSignalSpy clicked(&w, &QAbstractButton::clicked);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
      SendMouse(&w, QEvent::MouseButtonPress, {8, 8}, button, button);
      SendMouse(&w, QEvent::MouseButtonRelease, {8, 8}, button, Qt::NoButton);
    }
    QCOMPARE(released.count(), 2);
    QCOMPARE(released.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(clicked.count(), 1);  // only the left button clicks
  }

  void stripNameSwapsThePicture() {
    // What the keypad's re-skin relies on: the name b7 carries is the one
    // set last, and the picture follows it; an unknown name is kept.
    StripButton b7(&composer_);
    b7.resize(face::kKeySize, face::kKeySize);
    b7.setStripName(QStringLiteral("7_strip.bmp"));
    const QImage standard = b7.grab().toImage();
    b7.setStripName(QStringLiteral("R7_strip.bmp"));
    QCOMPARE(b7.stripName(), QStringLiteral("R7_strip.bmp"));
    QVERIFY(b7.grab().toImage() != standard);
    QCOMPARE(b7.framePixmap(StripButton::kNormal).toImage(),
             composer_.bitmap(QStringLiteral("R7_strip.bmp")).copy(0, 0, 35, 35).toImage());
    b7.setStripName(QStringLiteral("nothing.bmp"));
    QCOMPARE(b7.stripName(), QStringLiteral("nothing.bmp"));
    QVERIFY(b7.framePixmap(StripButton::kNormal).isNull());
    QVERIFY(!b7.grab().isNull());  // still draws a plate
  }

  void composerHoldsEveryBitmapTheFacesName() {
    struct Need {
      std::string_view name;
      QSize size;
    };
    std::vector<Need> needs = {{face::kFaceBitmap, {530, 280}},
                               {face::printer::kFaceBitmap, {350, 280}},
                               {face::printer::kButtonStrip, {90, 10}},
                               {face::trend::kFaceBitmap, {530, 280}}};
    for (const auto& k : face::kKeys) {
      needs.push_back({k.strip, {175, 35}});
      needs.push_back({k.altStrip, {175, 35}});
    }
    for (const auto& b : face::kTools) needs.push_back({b.strip, {80, 16}});
    for (const auto& b : face::kWindowButtons) needs.push_back({b.strip, {95, 19}});
    for (const auto& b : face::trend::kButtons)
      needs.push_back({b.strip, {b.rect.w * 5, b.rect.h}});
    for (const Need& n : needs) {
      const QPixmap pix = composer_.bitmap(S(n.name));
      QVERIFY2(!pix.isNull(), n.name.data());
      QVERIFY2(pix.size() == n.size, n.name.data());
    }
    // Faces are shaped: their corners carry the mask colour.
    for (auto name : {face::kFaceBitmap, face::printer::kFaceBitmap, face::trend::kFaceBitmap})
      QCOMPARE(composer_.bitmap(S(name)).toImage().pixelColor(0, 0), kGreen);
  }

  void composerSkipsWhatIsNoImage() {
    QTemporaryDir dir;
    QFile(dir.filePath("a.bmp")).open(QIODevice::WriteOnly);  // empty: no image
    QFile notes(dir.filePath("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();
    QPixmap(4, 4).save(dir.filePath("b.bmp"));
    SkinComposer comp;
    QCOMPARE(comp.loadDirectory(dir.path()), 1);
    QCOMPARE(comp.names(), QStringList{"b.bmp"});
  }

  void layoutPlacesFitAndDoNotCollide() {
    std::set<std::string> names;
    std::vector<face::Place> onFace;
    for (const face::Place& p : face::kAllPlaces) {
      QVERIFY2(names.insert(std::string(p.name)).second, p.name.data());
      QVERIFY2(p.rect.w > 0 && p.rect.h > 0, p.name.data());
      if (p.parent == face::kPanelName) {
        QVERIFY2(face::Rect({0, 0, face::pnlDisp.w, face::pnlDisp.h}).contains(p.rect),
                 p.name.data());
      } else if (p.name == "eInput") {
        QVERIFY(p.rect.y >= face::kFaceHeight);  // outside the outline
      } else {
        QVERIFY2(face::kFace.contains(p.rect), p.name.data());
        onFace.push_back(p);
      }
    }
    QCOMPARE(face::Find("bEnt").rect, face::KeyRect(3, 4));
    QCOMPARE(face::FaceRect(face::Find("lWeight")).x, face::pnlDisp.x + face::lWeight.rect.x);

    // Overlaps are allowed only between a lamp and its glint, and a label
    // and its dark twin.
    auto pairKey = [](std::string_view n) {
      std::string s(n);
      for (const char* tail : {"_Glint", "Dk"})
        if (s.size() > std::strlen(tail) && s.ends_with(tail))
          s.resize(s.size() - std::strlen(tail));
      if (s == "lBeta2") s = "lBeta1";
      return s;
    };
    for (size_t i = 0; i < onFace.size(); ++i)
      for (size_t j = i + 1; j < onFace.size(); ++j) {
        if (!onFace[i].rect.intersects(onFace[j].rect)) continue;
        QVERIFY2(pairKey(onFace[i].name) == pairKey(onFace[j].name),
                 qPrintable(S(onFace[i].name) + " overlaps " + S(onFace[j].name)));
      }
    // Annunciators on the panel do not overlap either.
    for (size_t i = 0; i < face::kAnnunciators.size(); ++i)
      for (size_t j = i + 1; j < face::kAnnunciators.size(); ++j)
        QVERIFY(!face::kAnnunciators[i].rect.intersects(face::kAnnunciators[j].rect));

    // The tool row: along the bottom, right of the selector, in order.
    int x = face::udZavNum.right();
    for (const auto& t : face::kTools) {
      QVERIFY(t.rect.x >= x);
      QVERIFY(t.rect.bottom() > face::kFaceHeight - 40);
      x = t.rect.right();
    }
    for (const auto& w : face::kWindowButtons)
      QVERIFY(w.rect.x > face::kFaceWidth / 2 && w.rect.y < 40);
  }

  void soundFilesAreShortPcm() {
    const QString click = SoundPlayer::Resolve(QStringLiteral("Click.wav"));
    const QString close = SoundPlayer::Resolve(QStringLiteral("Close.wav"));
    QVERIFY(!click.isEmpty() && !close.isEmpty());
    QVERIFY(SoundPlayer::DurationMs(click) > 0 && SoundPlayer::DurationMs(click) < 100);
    QVERIFY(SoundPlayer::DurationMs(close) > 100 && SoundPlayer::DurationMs(close) < 1000);
    QVERIFY(SoundPlayer::Resolve(QStringLiteral("Missing.wav")).isEmpty());
    QVERIFY(SoundPlayer::Resolve(QStringLiteral("../Click.wav")).isEmpty());  // plain names only
  }

  void soundDurationRejectsBrokenFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("ms");
    QTest::newRow("one second") << Wav(1, 44100, 44100, 44100) << 1000;
    QTest::newRow("data shorter than it says") << Wav(1, 44100, 44100, 4410) << 100;
    QTest::newRow("not PCM") << Wav(3, 44100, 44100, 100) << -1;
    QTest::newRow("zero byte rate") << Wav(1, 0, 100, 100) << -1;
    QTest::newRow("not RIFF") << QByteArray("garbage that is long enough") << -1;
    QTest::newRow("header cut") << Wav(1, 44100, 100, 0).left(30) << -1;
    QTest::newRow("empty") << QByteArray() << -1;
  }

  void soundDurationRejectsBrokenFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, ms);
    QTemporaryDir dir;
    QFile f(dir.filePath("s.wav"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QCOMPARE(SoundPlayer::DurationMs(f.fileName()), ms);
  }

  void silentPlatformDoesNotWait() {
    // Offscreen there is nothing to hear: the synchronous play must not
    // sit out the sound's length.
    SoundPlayer player;
    QVERIFY(!player.outputAvailable());
    QElapsedTimer t;
    t.start();
    player.playSync(QStringLiteral("Close.wav"));
    player.playAsync(QStringLiteral("Click.wav"));
    player.playSync(QStringLiteral("Missing.wav"));
    QVERIFY(t.elapsed() < SoundPlayer::DurationMs(SoundPlayer::Resolve("Close.wav")));
  }

 private:
  SkinComposer composer_;
};

QTEST_MAIN(SkinTest)
#include "skin_test.moc"
