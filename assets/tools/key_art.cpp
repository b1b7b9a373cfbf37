// The twenty keypad keys in two sets. Standard: pale grey number keys,
// slate command keys, red Clear and green Enter, with symbol legends.
// Alternative: graphite keys with coloured word legends and a colour bar.
#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

#include "assets/tools/skin_art.h"

namespace zavo::art {

namespace {

struct KeyLook {
  QColor top, bottom, border, legend, accent;
  bool lightBody;
};

struct Legend {
  QString main;
  QString sub;  // small caption under the main legend, may be empty
  int mainPx;
  bool condensed;
};

enum class Kind { kNumber, kCommand, kTareZero, kClear, kEnter };

Kind KindOf(std::string_view key) {
  if (key == "bC") return Kind::kClear;
  if (key == "bEnt") return Kind::kEnter;
  if (key == "bT" || key == "bZero") return Kind::kTareZero;
  if (key == "bF" || key == "bEsc" || key == "bM" || key == "bSelect") return Kind::kCommand;
  return Kind::kNumber;
}

KeyLook LookOf(Kind kind, bool alternative) {
  if (!alternative) {
    switch (kind) {
      case Kind::kNumber:
        return {QColor(0xe9, 0xea, 0xec),
                QColor(0xbd, 0xc1, 0xc6),
                QColor(0x4a, 0x4e, 0x53),
                QColor(0x16, 0x18, 0x1b),
                QColor(),
                true};
      case Kind::kCommand:
        return {QColor(0x5d, 0x7d, 0xa5),
                QColor(0x33, 0x4f, 0x72),
                QColor(0x12, 0x1e, 0x2c),
                QColor(0xf4, 0xf7, 0xfa),
                QColor(),
                false};
      case Kind::kTareZero:
        return {QColor(0x3f, 0x8f, 0xb8),
                QColor(0x1f, 0x5f, 0x84),
                QColor(0x0b, 0x24, 0x33),
                QColor(0xff, 0xff, 0xff),
                QColor(),
                false};
      case Kind::kClear:
        return {QColor(0xcc, 0x55, 0x4c),
                QColor(0x8e, 0x2a, 0x24),
                QColor(0x33, 0x0c, 0x0a),
                QColor(0xff, 0xff, 0xff),
                QColor(),
                false};
      case Kind::kEnter:
        return {QColor(0x5c, 0xaa, 0x5f),
                QColor(0x2c, 0x6e, 0x31),
                QColor(0x0c, 0x2a, 0x0e),
                QColor(0xff, 0xff, 0xff),
                QColor(),
                false};
    }
  }
  const QColor top(0x55, 0x59, 0x60), bottom(0x2a, 0x2d, 0x32), border(0x08, 0x09, 0x0a);
  switch (kind) {
    case Kind::kNumber:
      return {top, bottom, border, QColor(0xf2, 0xf2, 0xf2), QColor(0x8a, 0x90, 0x98), false};
    case Kind::kCommand:
      return {top, bottom, border, QColor(0xff, 0xc1, 0x4d), QColor(0xff, 0xa7, 0x26), false};
    case Kind::kTareZero:
      return {top, bottom, border, QColor(0x5e, 0xe0, 0xf5), QColor(0x26, 0xc6, 0xda), false};
    case Kind::kClear:
      return {top, bottom, border, QColor(0xff, 0x7a, 0x6b), QColor(0xef, 0x53, 0x50), false};
    case Kind::kEnter:
      return {top, bottom, border, QColor(0x8c, 0xe9, 0x8f), QColor(0x66, 0xbb, 0x6a), false};
  }
  return {};
}

Legend LegendOf(std::string_view key, bool alternative) {
  const QString arrowsZero = QStringLiteral("\u21920\u2190");
  const QString arrowsTare = QStringLiteral("\u2192T\u2190");
  if (key.size() == 2 && key[0] == 'b' && key[1] >= '0' && key[1] <= '9')
    return {QString(QChar(key[1])), {}, alternative ? 17 : 18, false};
  if (key == "bPoint") return {QStringLiteral("."), {}, 24, false};
  if (!alternative) {
    if (key == "bSpace") return {QStringLiteral("SP"), {}, 12, false};
    if (key == "bF") return {QStringLiteral("F"), QStringLiteral("FUNC"), 15, false};
    if (key == "bEsc") return {QStringLiteral("ESC"), {}, 11, false};
    if (key == "bM") return {QStringLiteral("M"), QStringLiteral("MEM"), 15, false};
    if (key == "bT") return {arrowsTare, QStringLiteral("TARE"), 12, false};
    if (key == "bSelect") return {QStringLiteral("SEL"), {}, 11, false};
    if (key == "bC") return {QStringLiteral("C"), QStringLiteral("CLEAR"), 15, false};
    if (key == "bZero") return {arrowsZero, QStringLiteral("ZERO"), 12, false};
    if (key == "bEnt") return {QStringLiteral("\u21B5"), QStringLiteral("ENTER"), 16, false};
  } else {
    if (key == "bSpace") return {QStringLiteral("SPACE"), {}, 9, true};
    if (key == "bF") return {QStringLiteral("FUNC"), {}, 10, true};
    if (key == "bEsc") return {QStringLiteral("ESC"), {}, 10, true};
    if (key == "bM") return {QStringLiteral("MEM"), {}, 10, true};
    if (key == "bT") return {QStringLiteral("TARE"), {}, 10, true};
    if (key == "bSelect") return {QStringLiteral("SELECT"), {}, 9, true};
    if (key == "bC") return {QStringLiteral("CLEAR"), {}, 9, true};
    if (key == "bZero") return {QStringLiteral("ZERO"), {}, 10, true};
    if (key == "bEnt") return {QStringLiteral("ENTER"), {}, 9, true};
  }
  return {QStringLiteral("?"), {}, 14, false};
}

QColor Grey(const QColor& c, double keep) {
  const int g = qGray(c.rgb());
  return Mix(QColor(g, g, g), c, keep);
}

void DrawLegendText(QPainter& p, const QRectF& r, const QString& text, QFont font,
                    const QColor& colour, bool lightBody, bool flat) {
  // Word legends shrink until they fit the key with a pixel to spare.
  while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > r.width() - 3)
    font.setPixelSize(font.pixelSize() - 1);
  p.setFont(font);
  if (!flat) {
    // Printed legends catch a little light on the lower edge.
    p.setPen(lightBody ? QColor(255, 255, 255, 150) : QColor(0, 0, 0, 140));
    p.drawText(r.translated(0, lightBody ? 0.8 : 0.9), Qt::AlignCenter, text);
  }
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, text);
}

void DrawKey(QPainter& p, const KeyLook& look, const Legend& legend, bool alternative, int frame) {
  const bool hover = frame == 1;
  const bool pressed = frame == 2 || frame == 4;
  const bool disabled = frame == 3;
  const qreal radius = alternative ? 3.5 : 5.5;
  QRectF body(2.5, 1.5, 30, 30);
  if (pressed) body.translate(0, 1.5);

  QColor top = look.top, bottom = look.bottom, border = look.border, ink = look.legend;
  if (hover) {
    top = top.lighter(112);
    bottom = bottom.lighter(112);
  }
  if (pressed) {
    top = look.top.darker(118);
    bottom = look.bottom.darker(104);
  }
  if (disabled) {
    top = Grey(Mix(top, QColor(0x4a, 0x4c, 0x50), 0.45), 0.25);
    bottom = Grey(Mix(bottom, QColor(0x3a, 0x3c, 0x40), 0.45), 0.25);
    border = Grey(border, 0.3);
    ink = Mix(Grey(ink, 0.2), Mix(top, bottom, 0.5), 0.62);
  }

  p.setRenderHint(QPainter::Antialiasing);
  // Skirt: the key's side seen below its top, and a soft shadow.
  if (!pressed) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(body.translated(0, 2.5).adjusted(-0.5, 0, 0.5, 0.5), radius, radius);
    p.setBrush(bottom.darker(disabled ? 130 : 165));
    p.drawRoundedRect(body.translated(0, 1.5), radius, radius);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(body.translated(0, 0.8), radius, radius);
  }

  QLinearGradient cap(body.topLeft(), body.bottomLeft());
  cap.setColorAt(0, pressed ? Mix(top, bottom, 0.5) : top);
  cap.setColorAt(1, bottom);
  p.setPen(QPen(border, 1));
  p.setBrush(cap);
  p.drawRoundedRect(body, radius, radius);

  // A slightly dished top: a softer inner field.
  const QRectF dish = body.adjusted(2.5, 2.0, -2.5, -3.5);
  QLinearGradient dishShade(dish.topLeft(), dish.bottomLeft());
  dishShade.setColorAt(0, pressed ? QColor(0, 0, 0, 26) : QColor(0, 0, 0, 14));
  dishShade.setColorAt(1, QColor(255, 255, 255, disabled ? 0 : (look.lightBody ? 40 : 14)));
  p.setPen(Qt::NoPen);
  p.setBrush(dishShade);
  p.drawRoundedRect(dish, radius - 1.5, radius - 1.5);

  if (!pressed && !disabled) {
    // Light along the top edge.
    p.setPen(QPen(QColor(255, 255, 255, look.lightBody ? 200 : 70), 1));
    p.drawLine(QPointF(body.left() + radius, body.top() + 1.2),
               QPointF(body.right() - radius, body.top() + 1.2));
  }

  if (alternative && look.accent.isValid()) {
    // Colour bar at the foot of the key.
    QColor bar = disabled ? Grey(look.accent, 0.2).darker(150) : look.accent;
    if (pressed) bar = bar.darker(115);
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRoundedRect(QRectF(body.left() + 7, body.bottom() - 4.2, body.width() - 14, 2.2), 1, 1);
  }

  const QRectF face = body.adjusted(1, 1, -1, alternative ? -4 : -1);
  const bool flat = disabled;
  if (legend.sub.isEmpty()) {
    if (legend.main == QLatin1String(".")) {
      // A round point, sitting a little low like a full stop.
      const QPointF c = face.center() + QPointF(0, 3);
      p.setPen(Qt::NoPen);
      if (!flat) {
        p.setBrush(look.lightBody ? QColor(255, 255, 255, 150) : QColor(0, 0, 0, 140));
        p.drawEllipse(c + QPointF(0, 0.8), 2.9, 2.9);
      }
      p.setBrush(ink);
      p.drawEllipse(c, 2.9, 2.9);
    } else {
      DrawLegendText(p, face, legend.main, Font(legend.mainPx, true, legend.condensed), ink,
                     look.lightBody, flat);
    }
  } else {
    const QRectF upper(face.left(), face.top() + 1, face.width(), face.height() - 10);
    const QRectF lower(face.left(), face.bottom() - 10.5, face.width(), 9);
    DrawLegendText(p, upper, legend.main, Font(legend.mainPx, true), ink, look.lightBody, flat);
    const QFont small = Font(7, true, true);
    DrawLegendText(p, lower, legend.sub, small, ink, look.lightBody, flat);
  }

  if (hover) {
    p.setPen(QPen(QColor(0x7d, 0xe3, 0xff, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
  }
  if (frame == 4) {
    // Latched: a small lit indicator in the corner.
    const QPointF c(body.right() - 5, body.top() + 5);
    QRadialGradient glow(c, 4);
    glow.setColorAt(0, QColor(0xff, 0xd5, 0x4f, 230));
    glow.setColorAt(1, QColor(0xff, 0xa0, 0x00, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 4, 4);
    p.setBrush(QColor(0xff, 0xe0, 0x82));
    p.drawEllipse(c, 1.6, 1.6);
  }
}

}  // namespace

QImage DrawKeyStrip(std::string_view keyName, bool alternative, const QImage& behind) {
  const int size = face::kKeySize;
  QImage strip = NewCanvas(size * 5, size);
  QPainter p(&strip);
  p.setRenderHint(QPainter::TextAntialiasing);
  const KeyLook look = LookOf(KindOf(keyName), alternative);
  const Legend legend = LegendOf(keyName, alternative);
  for (int frame = 0; frame < 5; ++frame) {
    p.save();
    p.translate(frame * size, 0);
    p.drawImage(0, 0, behind);
    DrawKey(p, look, legend, alternative, frame);
    p.restore();
  }
  p.end();
  return strip;
}

}  // namespace zavo::art
