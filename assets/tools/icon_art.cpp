// Small pictogram buttons: the face's tool row, its window buttons and the
// trend window's buttons. Pictograms are drawn four times larger on a 64-unit
// grid and scaled down, which keeps 16-pixel icons clean.
#include <QPainterPath>

#include <cmath>
#include <functional>

#include "assets/tools/skin_art.h"

namespace zavo::art {

namespace {

constexpr int kOversample = 4;
using Pictogram = std::function<void(QPainter&, const QColor&)>;  // 64 x 64 units

QPen Stroke(const QColor& c, qreal w) {
  return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Gear(QPainter& p, const QColor& c) {
  QPainterPath teeth;
  const int n = 8;
  for (int i = 0; i < n * 2; ++i) {
    const double a0 = (i - 0.5) * M_PI / n, a1 = (i + 0.5) * M_PI / n;
    const double r = (i % 2 == 0) ? 29 : 21;
    const double s = (i % 2 == 0) ? 0.18 : 0.0;  // narrower tooth tips
    QPointF p0(32 + r * std::cos(a0 + s), 32 + r * std::sin(a0 + s));
    QPointF p1(32 + r * std::cos(a1 - s), 32 + r * std::sin(a1 - s));
    if (i == 0)
      teeth.moveTo(p0);
    else
      teeth.lineTo(p0);
    teeth.lineTo(p1);
  }
  teeth.closeSubpath();
  teeth.addEllipse(QPointF(32, 32), 9, 9);
  teeth.setFillRule(Qt::OddEvenFill);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(teeth);
}

void TerminalScreen(QPainter& p, const QColor& c) {
  p.setPen(Stroke(c, 5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(5, 8, 54, 38), 5, 5);
  p.drawLine(QPointF(32, 47), QPointF(32, 54));
  p.drawLine(QPointF(18, 57), QPointF(46, 57));
  p.setPen(Stroke(c, 4.5));
  p.drawPolyline(QPolygonF({QPointF(15, 18), QPointF(24, 27), QPointF(15, 36)}));
  p.drawLine(QPointF(29, 37), QPointF(44, 37));
}

void Globe(QPainter& p, const QColor& c) {
  p.setBrush(Qt::NoBrush);
  p.setPen(Stroke(c, 5));
  p.drawEllipse(QPointF(32, 32), 26, 26);
  p.setPen(Stroke(c, 3.6));
  p.drawEllipse(QPointF(32, 32), 11, 26);
  p.drawLine(QPointF(32, 6), QPointF(32, 58));
  p.drawLine(QPointF(6, 32), QPointF(58, 32));
  QPainterPath lat;
  lat.moveTo(11, 18);
  lat.quadTo(32, 24, 53, 18);
  lat.moveTo(11, 46);
  lat.quadTo(32, 40, 53, 46);
  p.drawPath(lat);
}

void Printer(QPainter& p, const QColor& c) {
  p.setPen(Stroke(c, 4.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(18, 6, 28, 16));  // paper in
  QPainterPath body;
  body.addRoundedRect(QRectF(4, 22, 56, 24), 5, 5);
  body.addRect(QRectF(16, 36, 32, 22));
  body.setFillRule(Qt::OddEvenFill);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(body);
  // Paper out, with two lines of print.
  p.setPen(Stroke(c, 4.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(18, 38, 28, 20));
  p.setPen(Stroke(c, 3));
  p.drawLine(QPointF(24, 46), QPointF(40, 46));
  p.drawLine(QPointF(24, 52), QPointF(36, 52));
  p.setPen(Qt::NoPen);
  p.setBrush(c.lightness() > 128 ? QColor(0, 0, 0, 120) : QColor(255, 255, 255, 120));
  p.drawEllipse(QPointF(51, 30), 3, 3);
}

void TrendChart(QPainter& p, const QColor& c) {
  p.setPen(Stroke(c, 5));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(7, 6), QPointF(7, 57), QPointF(59, 57)}));
  p.setPen(Stroke(c, 5.5));
  p.drawPolyline(QPolygonF(
      {QPointF(13, 45), QPointF(24, 30), QPointF(34, 38), QPointF(45, 16), QPointF(57, 24)}));
}

void Arrow(QPainter& p, const QColor& c, bool left) {
  QPolygonF tri = left ? QPolygonF({QPointF(42, 10), QPointF(16, 32), QPointF(42, 54)})
                       : QPolygonF({QPointF(22, 10), QPointF(48, 32), QPointF(22, 54)});
  p.setPen(Stroke(c, 4));
  p.setBrush(c);
  p.drawPolygon(tri);
}

void Eraser(QPainter& p, const QColor& c) {
  // A sheet with a corner folded, crossed out: clear the chart.
  p.setPen(Stroke(c, 4.5));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(QPolygonF(
      {QPointF(12, 5), QPointF(40, 5), QPointF(52, 17), QPointF(52, 59), QPointF(12, 59)}));
  p.setPen(Stroke(c, 6));
  p.drawLine(QPointF(22, 25), QPointF(42, 47));
  p.drawLine(QPointF(42, 25), QPointF(22, 47));
}

void Sliders(QPainter& p, const QColor& c) {
  p.setPen(Stroke(c, 4.5));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(8, 14 + i * 18), QPointF(56, 14 + i * 18));
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  const qreal knob[3] = {40, 20, 46};
  for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(knob[i] - 5, 14 + i * 18 - 7, 10, 14), 3, 3);
}

QImage Render(const Pictogram& draw, const QColor& colour, int size, int inset) {
  const int big = size * kOversample;
  QImage image = NewCanvas(big, big);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal scale = (big - 2.0 * inset * kOversample) / 64.0;
  p.translate(inset * kOversample, inset * kOversample);
  p.scale(scale, scale);
  draw(p, colour);
  p.end();
  return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Five frames of a pictogram button on the pixels that lie behind it.
QImage PictogramStrip(const Pictogram& draw, const QImage& behind, bool litWhenDown) {
  const int w = behind.width(), h = behind.height();
  QImage strip = NewCanvas(w * 5, h);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink[5] = {QColor(0xb4, 0xba, 0xc1), QColor(0xff, 0xff, 0xff),
                         QColor(0xd6, 0xd9, 0xdd), QColor(0x58, 0x5c, 0x61),
                         litWhenDown ? QColor(0x5f, 0xe3, 0xff) : QColor(0xd6, 0xd9, 0xdd)};
  for (int f = 0; f < 5; ++f) {
    p.save();
    p.translate(f * w, 0);
    p.drawImage(0, 0, behind);
    const QRectF plate(0.5, 0.5, w - 1, h - 1);
    if (f == 1) {
      p.setPen(QPen(QColor(255, 255, 255, 40), 1));
      p.setBrush(QColor(0x4a, 0x50, 0x58, 200));
      p.drawRoundedRect(plate, 3, 3);
    } else if (f == 2 || f == 4) {
      p.setPen(QPen(QColor(0, 0, 0, 200), 1));
      p.setBrush(f == 4 && litWhenDown ? QColor(0x0f, 0x3a, 0x46) : QColor(0x10, 0x11, 0x13));
      p.drawRoundedRect(plate, 3, 3);
    }
    const QImage icon = Render(draw, ink[f], std::min(w, h), 1);
    const int dy = (f == 2) ? 1 : 0;
    if (f == 4 && litWhenDown) {
      // A soft glow under the lit pictogram.
      QImage glow = Render(draw, QColor(0x5f, 0xe3, 0xff, 110), std::min(w, h), 0);
      p.drawImage(QPointF((w - glow.width()) / 2.0, (h - glow.height()) / 2.0), glow);
    }
    p.drawImage(QPointF((w - icon.width()) / 2.0, (h - icon.height()) / 2.0 + dy), icon);
    p.restore();
  }
  p.end();
  return strip;
}

Pictogram PictogramOf(std::string_view name) {
  if (name == "bSettings") return Gear;
  if (name == "bTerm") return TerminalScreen;
  if (name == "bHTTP") return Globe;
  if (name == "bShowPrint" || name == "bPrint") return Printer;
  if (name == "bTrend") return TrendChart;
  if (name == "bScrollLeft") return [](QPainter& p, const QColor& c) { Arrow(p, c, true); };
  if (name == "bScrollRight") return [](QPainter& p, const QColor& c) { Arrow(p, c, false); };
  if (name == "bClear") return Eraser;
  return Sliders;  // the chart settings
}

}  // namespace

QImage DrawToolStrip(std::string_view buttonName, const QImage& behind) {
  const bool isSwitch = buttonName == "bShowPrint" || buttonName == "bTrend";
  return PictogramStrip(PictogramOf(buttonName), behind, isSwitch);
}

QImage DrawWindowButtonStrip(std::string_view buttonName, const QImage& behind) {
  const bool close = buttonName == "bExit";
  const int w = behind.width(), h = behind.height();
  QImage strip = NewCanvas(w * 5, h);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  for (int f = 0; f < 5; ++f) {
    p.save();
    p.translate(f * w, 0);
    p.drawImage(0, 0, behind);
    const bool pressed = f == 2 || f == 4;
    QRectF cap(1.5, 1.5, w - 3, h - 3);
    if (pressed) cap.translate(0, 0.5);
    QColor top(0x55, 0x5a, 0x61), bottom(0x30, 0x33, 0x38), ink(0xd8, 0xdc, 0xe0);
    if (f == 1) {
      top = close ? QColor(0xe0, 0x4f, 0x43) : QColor(0x6e, 0x75, 0x7e);
      bottom = close ? QColor(0xa3, 0x26, 0x1d) : QColor(0x43, 0x48, 0x4f);
      ink = Qt::white;
    } else if (pressed) {
      top = close ? QColor(0x8a, 0x1f, 0x18) : QColor(0x26, 0x28, 0x2c);
      bottom = close ? QColor(0xa8, 0x2c, 0x22) : QColor(0x38, 0x3b, 0x40);
    } else if (f == 3) {
      top = QColor(0x3c, 0x3e, 0x42);
      bottom = QColor(0x32, 0x34, 0x37);
      ink = QColor(0x5e, 0x62, 0x66);
    }
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QColor(0x0b, 0x0c, 0x0d), 1));
    p.setBrush(g);
    p.drawRoundedRect(cap, 3.5, 3.5);
    if (!pressed && f != 3) {
      p.setPen(QPen(QColor(255, 255, 255, 60), 1));
      p.drawLine(QPointF(cap.left() + 3, cap.top() + 1.2),
                 QPointF(cap.right() - 3, cap.top() + 1.2));
    }
    p.setPen(QPen(ink, 1.9, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = cap.center() + QPointF(0, pressed ? 0.5 : 0);
    if (close) {
      p.drawLine(c + QPointF(-3.6, -3.6), c + QPointF(3.6, 3.6));
      p.drawLine(c + QPointF(-3.6, 3.6), c + QPointF(3.6, -3.6));
    } else {
      p.drawLine(c + QPointF(-4, 3.5), c + QPointF(4, 3.5));
    }
    p.restore();
  }
  p.end();
  return strip;
}

std::vector<TrendButton> TrendButtons() {
  std::vector<TrendButton> buttons;
  for (const auto& b : face::trend::kButtons)
    if (b.name != "bExit") buttons.push_back({b.name, b.strip, b.rect});
  return buttons;
}

QImage DrawTrendButtonStrip(const TrendButton& button, const QImage& trendFace) {
  // The chart settings differ from the panel's settings: sliders, not a gear.
  const Pictogram draw = button.name == "bSettings" ? Pictogram(Sliders) : PictogramOf(button.name);
  return PictogramStrip(draw, trendFace.copy(ToQRect(button.rect)), false);
}

}  // namespace zavo::art
