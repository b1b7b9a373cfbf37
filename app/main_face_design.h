// Design values of the main face shared by the window's construction and
// its handlers: colours, captions and hints, and the text conversions.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string>

#include "app/face_layout.h"
#include "link/panel_poll.h"

namespace zavo::main_face {

inline const QColor kAqua(0x00, 0xFF, 0xFF);
inline const QColor kGrayText(0x6D, 0x6D, 0x6D);
inline const QColor kLampGreen(0x00, 0x80, 0x00);
inline const QColor kLampRed(0xFF, 0x00, 0x00);
inline const QColor kSilver(0xC0, 0xC0, 0xC0);
inline const QColor kDarkTwin(0x20, 0x20, 0x20);
inline const QColor kSelectorText(0x35, 0x35, 0x35);
inline const QColor kSelectorHover(0xFF, 0xFF, 0x00);

inline const char* const kIdentityHints[4] = {"Current internal scale ID",
                                              "Current internal scale calibration date",
                                              "Zavo Software ID", "Software Part Number"};
inline const char* const kAnnunciatorCaptions[22] = {
    "G", "NET", "PT", "lb", "kg", "->0<-", "~", "1",     "2", "3", "4",
    "5", "6",   "A",  "B",  "C",  "D",     "E", "S U M", "W", "W", "W"};
inline const char* const kAnnunciatorHints[22] = {"Gross Mode",
                                                  "Net Mode",
                                                  "Preset Tare",
                                                  "Pound Units",
                                                  "Kilogram Units",
                                                  "Center of Zero",
                                                  "Motion Sense",
                                                  "Zav 1",
                                                  "Zav 2",
                                                  "Zav 3",
                                                  "Zav 4",
                                                  "Zav 5",
                                                  "Zav 6",
                                                  "Internal Scale A",
                                                  "Internal Scale B",
                                                  "Internal Scale C",
                                                  "Internal Scale D",
                                                  "Internal Scale E",
                                                  "Displaying Sum",
                                                  "Weight Interval 1",
                                                  "Weight Interval 2",
                                                  "Weight Interval 3"};
inline const char* const kLampDesignHints[8] = {
    "Discrete Input 1",  "Discrete Input 2",  "Discrete Input 3",  "Discrete Input 4",
    "Discrete Output 1", "Discrete Output 2", "Discrete Output 3", "Discrete Output 4"};

// Terminal texts are bytes of the PC's code page; Latin-1 keeps every byte.
inline QString FromTerminal(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ToTerminal(const QString& s) {
  return s.toLatin1().toStdString();
}

inline QRect ToQRect(const face::Rect& r) {
  return QRect(r.x, r.y, r.w, r.h);
}

inline QColor ColourOf(LampColour c) {
  switch (c) {
    case LampColour::Green:
      return kLampGreen;
    case LampColour::Red:
      return kLampRed;
    case LampColour::Black:
      break;
  }
  return QColor(Qt::black);
}

}  // namespace zavo::main_face
