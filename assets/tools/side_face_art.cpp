// The two side faces: a grey receipt printer whose paper sticks up out of the
// housing (the window takes that shape), and the trend window's dark frame
// around the chart.
#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

#include "assets/tools/skin_art.h"

namespace zavo::art {

using namespace face;

namespace {

void DrawPaper(QPainter& p) {
  const Rect view = printer::mPrint;
  const QRectF paper(view.x - 3, 0, view.w + 6, printer::kHousing.y + 12);
  // Torn top edge: small teeth along the first two rows.
  QPainterPath sheet;
  sheet.moveTo(paper.left(), 2);
  for (qreal x = paper.left(); x < paper.right(); x += 6) {
    sheet.lineTo(x + 3, 0);
    sheet.lineTo(std::min(x + 6, paper.right()), 2);
  }
  sheet.lineTo(paper.right(), paper.bottom());
  sheet.lineTo(paper.left(), paper.bottom());
  sheet.closeSubpath();
  QLinearGradient shade(paper.topLeft(), paper.topRight());
  shade.setColorAt(0, QColor(0xe4, 0xe4, 0xdf));
  shade.setColorAt(0.06, QColor(0xfb, 0xfb, 0xf7));
  shade.setColorAt(0.94, QColor(0xfb, 0xfb, 0xf7));
  shade.setColorAt(1, QColor(0xd8, 0xd8, 0xd2));
  p.setPen(QPen(QColor(0xa0, 0xa0, 0x9a), 0.8));
  p.setBrush(shade);
  p.drawPath(sheet);
}

void DrawHousing(QPainter& p) {
  const QRectF body = ToQRectF(printer::kHousing);
  QPainterPath shell;
  shell.addRoundedRect(body, 10, 10);
  QLinearGradient plastic(body.topLeft(), body.bottomLeft());
  plastic.setColorAt(0, QColor(0xcf, 0xd2, 0xd6));
  plastic.setColorAt(0.12, QColor(0xb3, 0xb7, 0xbc));
  plastic.setColorAt(1, QColor(0x7e, 0x82, 0x88));
  p.setPen(QPen(QColor(0x3c, 0x3f, 0x43), 1));
  p.setBrush(plastic);
  p.drawPath(shell);
  // The paper slot: a dark lip the paper disappears into.
  const QRectF slot(printer::mPrint.x - 8, body.top() + 8, printer::mPrint.w + 16, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1a, 0x1b, 0x1d));
  p.drawRoundedRect(slot, 3, 3);
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawRect(QRectF(slot.left() + 3, slot.bottom() + 0.5, slot.width() - 6, 1));
  // The paper runs over the slot's back edge.
  p.setBrush(QColor(0xf0, 0xf0, 0xeb));
  p.drawRect(QRectF(printer::mPrint.x - 3, body.top(), printer::mPrint.w + 6, 9.5));

  // Front panel with the brand, a ready lamp and the button labels.
  const QRectF front(14, body.top() + 26, body.width() - 28, body.height() - 36);
  QLinearGradient panel(front.topLeft(), front.bottomLeft());
  panel.setColorAt(0, QColor(0x44, 0x47, 0x4c));
  panel.setColorAt(1, QColor(0x2e, 0x30, 0x34));
  Recess(p, front, 5, panel, 1);
  QFont brand = Font(11, true);
  brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
  Engrave(p, QRectF(front.left() + 12, front.top() + 4, 140, 16), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("ZAVOMAX"), brand, QColor(0xd0, 0xd4, 0xd8));
  Engrave(p, QRectF(front.left() + 12, front.top() + 20, 160, 12), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("VP-1  VIRTUAL PRINTER"), Font(8, true, true), QColor(0x90, 0x96, 0x9d));
  const char* names[3] = {"PRINT", "CLEAR", "POWER"};
  for (int i = 0; i < 3; ++i) {
    const Rect b = printer::kButtons[size_t(i)].rect;
    Recess(p, QRectF(b.x - 2, b.y - 2, b.w + 4, b.h + 4), 3, QColor(0x18, 0x19, 0x1b), 1);
    Engrave(p, QRectF(b.x - 10, b.y - 14, b.w + 20, 10), Qt::AlignCenter,
            QString::fromLatin1(names[i]), Font(7, true, true), QColor(0xa8, 0xad, 0xb3));
  }
  // Ready lamp beside the power button.
  const Rect power = printer::kButtons[2].rect;
  const QPointF lamp(power.x - 12, power.y + power.h / 2.0);
  QRadialGradient led(lamp, 4);
  led.setColorAt(0, QColor(0xb9, 0xff, 0x9e));
  led.setColorAt(0.5, QColor(0x3c, 0xc8, 0x3a));
  led.setColorAt(1, QColor(0x1b, 0x5e, 0x20));
  p.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.8));
  p.setBrush(led);
  p.drawEllipse(lamp, 2.6, 2.6);
}

}  // namespace

QImage DrawPrinterFace() {
  QImage image = NewCanvas(printer::kWidth, printer::kHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawPaper(p);
  DrawHousing(p);
  p.end();
  return image;
}

QImage DrawPrinterButtonStrip(const QImage& printerFace) {
  const Rect place = printer::kButtons[0].rect;
  const QImage behind = printerFace.copy(ToQRect(place));
  QImage strip = NewCanvas(place.w * 5, place.h);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  for (int f = 0; f < 5; ++f) {
    p.save();
    p.translate(f * place.w, 0);
    p.drawImage(0, 0, behind);
    const bool pressed = f == 2 || f == 4;
    QRectF cap(0.5, pressed ? 1.0 : 0.5, place.w - 1, place.h - 1.5);
    QColor top(0x6a, 0x6e, 0x74), bottom(0x3c, 0x3f, 0x44);
    if (f == 1) {
      top = QColor(0x82, 0x87, 0x8e);
      bottom = QColor(0x4c, 0x50, 0x56);
    } else if (pressed) {
      top = QColor(0x2c, 0x2e, 0x32);
      bottom = QColor(0x40, 0x43, 0x48);
    } else if (f == 3) {
      top = QColor(0x48, 0x4a, 0x4d);
      bottom = QColor(0x3e, 0x40, 0x43);
    }
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QColor(0x0e, 0x0f, 0x10), 1));
    p.setBrush(g);
    p.drawRoundedRect(cap, 3, 3);
    if (f == 4) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x5f, 0xe3, 0xff));
      p.drawRoundedRect(QRectF(5, 4, place.w - 10, 2), 1, 1);
    }
    p.restore();
  }
  p.end();
  return strip;
}

QImage DrawTrendFace() {
  using namespace face::trend;
  QImage image = NewCanvas(kWidth, kHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QPainterPath body = PaintCastBody(p, kWidth, kHeight);
  p.end();
  Brush(image, body, 5.0, 23);
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QFont brand = Font(13, true);
  brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
  const QString name = QStringLiteral("ZAVOMAX");
  const qreal width = QFontMetricsF(brand).horizontalAdvance(name);
  Engrave(p, QRectF(18, 7, width + 2, 22), Qt::AlignLeft | Qt::AlignVCenter, name, brand,
          QColor(0xd4, 0xd8, 0xdc));
  Engrave(p, QRectF(18 + width + 8, 7, 70, 22), Qt::AlignLeft | Qt::AlignVCenter,
          QStringLiteral("TREND"), Font(9, true, true), QColor(0x5f, 0xc8, 0xe0));

  // The chart sits in a sunken window like the panel's display.
  const QRectF chart = ToQRectF(Chart);
  Recess(p, chart.adjusted(-4, -4, 4, 4), 5, QColor(0x15, 0x16, 0x18), 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x73, 0x73, 0x73));
  p.drawRect(chart);

  // Pads under the button row and the bottom controls.
  const Rect first = kButtons.front().rect;
  const Rect lastTool = kButtons[kButtons.size() - 2].rect;
  Recess(p, QRectF(first.x - 4, first.y - 3, lastTool.right() - first.x + 8, first.h + 6), 5,
         QColor(0x1e, 0x20, 0x23), 1);
  const Rect exit = kButtons.back().rect;
  Recess(p, QRectF(exit.x - 3, exit.y - 3, exit.w + 6, exit.h + 6), 5, colour::kPad, 1);
  p.fillRect(QRectF(exit.x - 1, exit.y - 1, exit.w + 2, exit.h + 2), colour::kPad);
  Recess(p,
         QRectF(eSpanSec.x - 2, eSpanSec.y - 2, udSpanSec.right() - eSpanSec.x + 4, eSpanSec.h + 4),
         3, QColor(0x1a, 0x1c, 0x1e), 1);
  Recess(p, ToQRectF(kBottomBand), 5, QColor(0x2a, 0x2d, 0x31), 1);
  p.end();
  return image;
}

}  // namespace zavo::art
