// Drawing of the skin bitmaps (used only by the generator). Faces are drawn
// with transparency outside their outline; MaskedBitmap turns that into the
// mask colour.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/face_layout.h"
#include "app/side_face_layout.h"

namespace zavo::art {

// A small deterministic generator, so the texture is the same on every run.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  double unit() {  // [0, 1)
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / double(1u << 24);
  }
  double signedUnit() { return unit() * 2 - 1; }

 private:
  uint32_t state_;
};

inline QRect ToQRect(const face::Rect& r) {
  return {r.x, r.y, r.w, r.h};
}
inline QRectF ToQRectF(const face::Rect& r) {
  return QRectF(r.x, r.y, r.w, r.h);
}

// Shared colours of the bezel, so strips drawn on one face match another.
namespace colour {
inline const QColor kPad{0x1c, 0x1e, 0x21};  // recess behind the window buttons
inline const QColor kSilver{0xc0, 0xc0, 0xc0};
inline const QColor kEngraveDark{0x20, 0x20, 0x20};
}  // namespace colour

// Opaque RGB image: pixels more than half transparent become the mask
// colour; no other pixel keeps exactly that colour.
QImage MaskedBitmap(const QImage& image);
QImage NewCanvas(int w, int h);  // transparent ARGB

QFont Font(int px, bool bold = true, bool condensed = false);
// Text cut into the metal: dark edge up-left, light edge down-right.
void Engrave(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& font,
             const QColor& face = QColor(0x9a, 0x9e, 0xa4));
// A recessed area with a rim: shadow above and left, highlight below.
void Recess(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill, int depth = 1);
// Adds fine horizontal brushing to the pixels of the image inside `area`.
void Brush(QImage& image, const QPainterPath& area, double strength, uint32_t seed);
QColor Mix(const QColor& a, const QColor& b, double t);
// The bezel every face shares: rim and body; returns the body's outline.
QPainterPath PaintCastBody(QPainter& p, int w, int h);

QImage DrawMainFace();
QImage DrawKeyStrip(std::string_view keyName, bool alternative, const QImage& behind);
QImage DrawToolStrip(std::string_view buttonName, const QImage& behind);
QImage DrawWindowButtonStrip(std::string_view buttonName, const QImage& behind);

QImage DrawPrinterFace();
QImage DrawPrinterButtonStrip(const QImage& printerFace);

struct TrendButton {
  std::string_view name;
  std::string_view strip;
  face::Rect rect;
};
std::vector<TrendButton> TrendButtons();  // the trend's own strips (not Exit)
QImage DrawTrendFace();
QImage DrawTrendButtonStrip(const TrendButton& button, const QImage& trendFace);

}  // namespace zavo::art
