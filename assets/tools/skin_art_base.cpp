#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "assets/tools/skin_art.h"

namespace zavo::art {

QImage NewCanvas(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage MaskedBitmap(const QImage& image) {
  const QRgb mask = 0xFF000000u | face::kMaskRgb;
  const QImage src = image.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.size(), QImage::Format_RGB32);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      QRgb c = in[x];
      if (qAlpha(c) < 128) {
        o[x] = mask;
        continue;
      }
      c |= 0xFF000000u;
      if (c == mask) c = qRgb(0, 0x81, 0);  // keep drawn pixels visible
      o[x] = c;
    }
  }
  return out.convertToFormat(QImage::Format_RGB888);
}

QFont Font(int px, bool bold, bool condensed) {
  QFont f(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
  f.setPixelSize(px);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t),
                          float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void Engrave(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& font,
             const QColor& face) {
  p.save();
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 170));
  p.drawText(r.translated(-0.6, -0.6), flags, text);
  p.setPen(QColor(255, 255, 255, 40));
  p.drawText(r.translated(0.7, 0.7), flags, text);
  p.setPen(face);
  p.drawText(r, flags, text);
  p.restore();
}

void Recess(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill, int depth) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = depth; i >= 1; --i) {
    const qreal d = i;
    // Highlight on the lower right rim, shadow on the upper left.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 26));
    p.drawRoundedRect(r.adjusted(-d + 1, -d + 1, d, d), radius + d, radius + d);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(r.adjusted(-d, -d, d - 1, d - 1), radius + d, radius + d);
  }
  p.setBrush(fill);
  p.drawRoundedRect(r, radius, radius);
  // Inner shadow along the top edge.
  QLinearGradient shade(r.topLeft(), r.topLeft() + QPointF(0, std::min<qreal>(6, r.height())));
  shade.setColorAt(0, QColor(0, 0, 0, 90));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  p.setBrush(shade);
  p.drawRoundedRect(r, radius, radius);
  p.restore();
}

void Brush(QImage& image, const QPainterPath& area, double strength, uint32_t seed) {
  QImage coverage(image.size(), QImage::Format_Alpha8);
  coverage.fill(0);
  {
    QPainter cp(&coverage);
    cp.setRenderHint(QPainter::Antialiasing);
    cp.fillPath(area, Qt::black);
  }
  Noise noise(seed);
  std::vector<double> row(image.height());
  for (double& v : row) v = noise.signedUnit();
  for (int y = 0; y < image.height(); ++y) {
    QRgb* px = reinterpret_cast<QRgb*>(image.scanLine(y));
    const uchar* cov = coverage.constScanLine(y);
    double streak = 0;
    for (int x = 0; x < image.width(); ++x) {
      // Long horizontal streaks with a little grain.
      streak += 0.08 * (noise.signedUnit() - streak);
      if (!cov[x]) continue;
      const double d = strength * (0.55 * row[y] + 0.3 * streak * 3 + 0.15 * noise.signedUnit());
      const double k = cov[x] / 255.0;
      const int a = qAlpha(px[x]);
      auto ch = [&](int c) { return std::clamp(int(std::lround(c + d * k * a / 255.0)), 0, a); };
      px[x] = qRgba(ch(qRed(px[x])), ch(qGreen(px[x])), ch(qBlue(px[x])), a);
    }
  }
}

QPainterPath PaintCastBody(QPainter& p, int w, int h) {
  const QRectF outer(0, 0, w, h);
  QPainterPath rim;
  rim.addRoundedRect(outer, face::kCornerRadius, face::kCornerRadius);
  // Die-cast rim: light on top, dark at the bottom.
  QLinearGradient rimShade(0, 0, 0, h);
  rimShade.setColorAt(0.0, QColor(0x86, 0x8b, 0x92));
  rimShade.setColorAt(0.08, QColor(0x4c, 0x50, 0x56));
  rimShade.setColorAt(0.9, QColor(0x24, 0x26, 0x29));
  rimShade.setColorAt(1.0, QColor(0x0e, 0x0f, 0x10));
  p.fillPath(rim, rimShade);

  QPainterPath body;
  body.addRoundedRect(outer.adjusted(3, 3, -3, -3), face::kCornerRadius - 3,
                      face::kCornerRadius - 3);
  QLinearGradient bodyShade(0, 3, 0, h - 3);
  bodyShade.setColorAt(0.0, QColor(0x3e, 0x42, 0x48));
  bodyShade.setColorAt(0.5, QColor(0x31, 0x34, 0x39));
  bodyShade.setColorAt(1.0, QColor(0x27, 0x29, 0x2d));
  p.fillPath(body, bodyShade);
  return body;
}

}  // namespace zavo::art
