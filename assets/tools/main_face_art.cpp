// The main face: a dark cast bezel with a recessed display window, an
// engraved identity strip, lamp sockets, a sunken keypad plate, the tool
// groove and the window button pad.
#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

#include "assets/tools/skin_art.h"

namespace zavo::art {

using namespace face;

namespace {

void DrawBezel(QPainter& p, QImage& image) {
  const QPainterPath body = PaintCastBody(p, kFaceWidth, kFaceHeight);
  // Thin light edge where the body meets the rim at the top.
  p.setPen(QPen(QColor(255, 255, 255, 34), 1));
  p.drawLine(QPointF(kCornerRadius, 3.5), QPointF(kFaceWidth - kCornerRadius, 3.5));
  p.end();
  Brush(image, body, 5.0, 11);
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

void DrawBrand(QPainter& p) {
  // Logo mark: a red tile with a white Z.
  const QRectF mark(17, 8, 19, 19);
  QLinearGradient red(mark.topLeft(), mark.bottomLeft());
  red.setColorAt(0, QColor(0xe5, 0x48, 0x3a));
  red.setColorAt(1, QColor(0xa8, 0x22, 0x1a));
  p.setPen(QPen(QColor(0x40, 0x0c, 0x08), 1));
  p.setBrush(red);
  p.drawRoundedRect(mark, 3.5, 3.5);
  p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath z;
  z.moveTo(mark.left() + 4.5, mark.top() + 4.5);
  z.lineTo(mark.right() - 4.5, mark.top() + 4.5);
  z.lineTo(mark.left() + 4.5, mark.bottom() - 4.5);
  z.lineTo(mark.right() - 4.5, mark.bottom() - 4.5);
  p.drawPath(z);

  QFont brand = Font(16, true);
  brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
  const QString name = QStringLiteral("ZAVOMAX");
  const qreal width = QFontMetricsF(brand).horizontalAdvance(name);
  const QRectF word(42, mark.top() - 1, width + 2, mark.height() + 2);
  p.setFont(brand);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(word.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, name);
  QLinearGradient chrome(word.topLeft(), word.bottomLeft());
  chrome.setColorAt(0.0, QColor(0xf4, 0xf6, 0xf8));
  chrome.setColorAt(0.55, QColor(0xb8, 0xbd, 0xc3));
  chrome.setColorAt(1.0, QColor(0xd8, 0xdc, 0xe0));
  p.setPen(QPen(QBrush(chrome), 1));
  p.drawText(word, Qt::AlignLeft | Qt::AlignVCenter, name);

  // Model line after a hairline separator.
  const qreal sep = std::round(word.right() + 7) + 0.5;
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawLine(QPointF(sep + 1, mark.top() + 2), QPointF(sep + 1, mark.bottom() - 2));
  p.setPen(QPen(QColor(0, 0, 0, 120), 1));
  p.drawLine(QPointF(sep, mark.top() + 2), QPointF(sep, mark.bottom() - 2));
  Engrave(p, QRectF(sep + 8, mark.top(), 200, mark.height()), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("Z-460   REMOTE  WEIGHING  TERMINAL"), Font(8, true, true),
          QColor(0x8e, 0x94, 0x9b));
}

void DrawWindowPad(QPainter& p) {
  const Rect a = kWindowButtons.front().rect;
  const Rect b = kWindowButtons.back().rect;
  const QRectF pad(a.x - 3, a.y - 3, b.right() - a.x + 6, a.h + 6);
  Recess(p, pad, 5, colour::kPad, 1);
  // The pad must be flat behind the buttons: the trend face reuses the strip.
  p.fillRect(QRectF(a.x - 1, a.y - 1, b.right() - a.x + 2, a.h + 2), colour::kPad);
}

void DrawDisplayWindow(QPainter& p) {
  const QRectF panel = ToQRectF(pnlDisp);
  // Sloped bezel around the glass, then the glass edge.
  const QRectF frame = panel.adjusted(-6, -6, 6, 6);
  QLinearGradient slope(frame.topLeft(), frame.bottomLeft());
  slope.setColorAt(0, QColor(0x15, 0x16, 0x18));
  slope.setColorAt(1, QColor(0x3a, 0x3d, 0x42));
  Recess(p, frame, 6, slope, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x05, 0x07, 0x08));
  p.drawRoundedRect(panel.adjusted(-2, -2, 2, 2), 3, 3);
  // A faint cyan bloom at the glass edge, as from a lit display.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x40, 0xe0, 0xff, 40), 1));
  p.drawRoundedRect(panel.adjusted(-1.5, -1.5, 1.5, 1.5), 2.5, 2.5);
  p.setBrush(Qt::black);
  p.setPen(Qt::NoPen);
  p.drawRect(panel);
}

void DrawIdentityStrip(QPainter& p) {
  const Rect first = kIdentity.front().rect;
  const Rect last = kIdentity.back().rect;
  const QRectF strip(pnlDisp.x, first.y - 4, pnlDisp.w, last.bottom() - first.y + 7);
  QLinearGradient plate(strip.topLeft(), strip.bottomLeft());
  plate.setColorAt(0, QColor(0x2a, 0x2d, 0x31));
  plate.setColorAt(1, QColor(0x33, 0x36, 0x3b));
  Recess(p, strip, 3, plate, 1);
  // Hairline between the two columns.
  const qreal x = kIdentity[1].rect.x - 3.5;
  p.setPen(QPen(QColor(0, 0, 0, 110), 1));
  p.drawLine(QPointF(x, strip.top() + 3), QPointF(x, strip.bottom() - 3));
  p.setPen(QPen(QColor(255, 255, 255, 22), 1));
  p.drawLine(QPointF(x + 1, strip.top() + 3), QPointF(x + 1, strip.bottom() - 3));
}

void DrawLampSocket(QPainter& p, const Rect& lamp) {
  const QPointF c(lamp.x + lamp.w / 2.0, lamp.y + lamp.h / 2.0);
  // Chrome ring lit from the upper left.
  QLinearGradient ring(c + QPointF(-8, -8), c + QPointF(8, 8));
  ring.setColorAt(0, QColor(0xc8, 0xcc, 0xd2));
  ring.setColorAt(0.5, QColor(0x6a, 0x6f, 0x76));
  ring.setColorAt(1, QColor(0x22, 0x24, 0x27));
  p.setPen(QPen(QColor(0x0c, 0x0d, 0x0e), 0.8));
  p.setBrush(ring);
  p.drawEllipse(c, 8.2, 8.2);
  QLinearGradient inner(c + QPointF(-6, -6), c + QPointF(6, 6));
  inner.setColorAt(0, QColor(0x1a, 0x1b, 0x1d));
  inner.setColorAt(1, QColor(0x5a, 0x5e, 0x64));
  p.setPen(Qt::NoPen);
  p.setBrush(inner);
  p.drawEllipse(c, 6.6, 6.6);
  p.setBrush(QColor(0x08, 0x08, 0x09));
  p.drawEllipse(c, 5.6, 5.6);
}

void DrawLampBlock(QPainter& p) {
  const Rect top = kLampCaptions[2].rect;  // the "1" above the first column
  const Rect lastLamp = kLamps.back().rect;
  const QRectF plate(pnlDisp.x, top.y - 2, lastLamp.right() + 12 - pnlDisp.x,
                     lastLamp.bottom() + 6 - (top.y - 2));
  QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
  shade.setColorAt(0, QColor(0x2a, 0x2d, 0x31));
  shade.setColorAt(1, QColor(0x30, 0x33, 0x38));
  Recess(p, plate, 4, shade, 1);
  for (const Lamp& lamp : kLamps) DrawLampSocket(p, lamp.rect);
}

void DrawBenchWindow(QPainter& p) {
  // A small dark window where the cycle time shows in benchmark mode.
  Recess(p, ToQRectF(lTime.rect).adjusted(-3, -2, 3, 2), 3, QColor(0x1d, 0x1f, 0x22), 1);
}

void DrawSelectorAndTools(QPainter& p) {
  const QRectF selector(eZavNum.x - 2, eZavNum.y - 2, udZavNum.right() - eZavNum.x + 4,
                        eZavNum.h + 4);
  Recess(p, selector, 3, QColor(0x1a, 0x1c, 0x1e), 1);
  const Rect first = kTools.front().rect;
  const Rect last = kTools.back().rect;
  const QRectF groove(first.x - 4, first.y - 3, last.right() - first.x + 8, first.h + 6);
  QLinearGradient shade(groove.topLeft(), groove.bottomLeft());
  shade.setColorAt(0, QColor(0x1c, 0x1e, 0x21));
  shade.setColorAt(1, QColor(0x25, 0x27, 0x2b));
  Recess(p, groove, 5, shade, 1);
}

void DrawKeypadPlate(QPainter& p) {
  const QRectF keys(kKeypadLeft, kKeypadTop, (kKeyColumns - 1) * kKeyPitch + kKeySize,
                    (kKeyRows - 1) * kKeyPitch + kKeySize);
  const QRectF plate = keys.adjusted(-7, -7, 7, 7);
  QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
  shade.setColorAt(0, QColor(0x17, 0x18, 0x1b));
  shade.setColorAt(1, QColor(0x22, 0x24, 0x27));
  Recess(p, plate, 7, shade, 2);
  // Printed divider between the number block and the command keys.
  const qreal x = kKeypadLeft + 3 * kKeyPitch - 2.5;
  p.setPen(QPen(QColor(0x50, 0x55, 0x5c, 150), 1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(x, keys.top() + 2), QPointF(x, keys.bottom() - 2));
  // Each key sits in a shallow well.
  for (const Key& key : kKeys) {
    const QRectF well = ToQRectF(key.rect).adjusted(0.5, 0.5, -0.5, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(well.adjusted(0, 1, 0, 1), 6, 6);
  }
}

void DrawLowerRight(QPainter& p) {
  // Beeper grille and the legal plate text below the keypad.
  const int keysBottom = kKeypadTop + (kKeyRows - 1) * kKeyPitch + kKeySize;
  const int top = keysBottom + 14;
  for (int row = 0; row < 5; ++row) {
    for (int col = 0; col < 9; ++col) {
      const QPointF c(470 + col * 5.0 + (row % 2) * 2.5, top + 2 + row * 5.0);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 28));
      p.drawEllipse(c + QPointF(0.4, 0.5), 1.45, 1.45);
      p.setBrush(QColor(0x06, 0x06, 0x07));
      p.drawEllipse(c, 1.3, 1.3);
    }
  }
  Engrave(p, QRectF(kKeypadLeft, top - 3, 150, 12), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("REMOTE FRONT PANEL"), Font(9, true, true), QColor(0xa4, 0xa9, 0xb0));
  Engrave(p, QRectF(kKeypadLeft, top + 10, 150, 11), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("IP54  \u00B7  Ethernet  \u00B7  4 in / 4 out"), Font(8, false, true),
          QColor(0x80, 0x86, 0x8d));
  // Hairline above the release note.
  p.setPen(QPen(QColor(0, 0, 0, 110), 1));
  p.drawLine(QPointF(kBeta.rect.x, kBeta.rect.y - 5.5),
             QPointF(kBeta.rect.right(), kBeta.rect.y - 5.5));
  p.setPen(QPen(QColor(255, 255, 255, 22), 1));
  p.drawLine(QPointF(kBeta.rect.x, kBeta.rect.y - 4.5),
             QPointF(kBeta.rect.right(), kBeta.rect.y - 4.5));
}

void DrawScrew(QPainter& p, QPointF c) {
  QRadialGradient head(c + QPointF(-1, -1), 4.5);
  head.setColorAt(0, QColor(0xb4, 0xb9, 0xbf));
  head.setColorAt(1, QColor(0x45, 0x49, 0x4e));
  p.setPen(QPen(QColor(0x0e, 0x0f, 0x10), 0.8));
  p.setBrush(head);
  p.drawEllipse(c, 3.6, 3.6);
  p.setPen(QPen(QColor(0x1a, 0x1b, 0x1d), 1.1));
  p.drawLine(c + QPointF(-2.2, 1.2), c + QPointF(2.2, -1.2));
}

}  // namespace

QImage DrawMainFace() {
  QImage image = NewCanvas(kFaceWidth, kFaceHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawBezel(p, image);
  DrawBrand(p);
  DrawWindowPad(p);
  DrawDisplayWindow(p);
  DrawIdentityStrip(p);
  DrawLampBlock(p);
  DrawBenchWindow(p);
  DrawSelectorAndTools(p);
  DrawKeypadPlate(p);
  DrawLowerRight(p);
  DrawScrew(p, QPointF(9.5, kFaceHeight - 9.5));
  DrawScrew(p, QPointF(kFaceWidth - 9.5, kFaceHeight - 9.5));
  p.end();
  return image;
}

}  // namespace zavo::art
