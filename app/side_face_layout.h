// Where the controls of the two side windows sit on their faces: the virtual
// printer (docked right of the main window) and the trend window (docked
// below it). The face bitmaps are drawn around these places.
#pragma once

#include <array>
#include <string_view>

#include "app/face_layout.h"

namespace zavo::face {

// ---- Virtual printer: "VPrinterGray.bmp", 350 x 280 in a 352 x 280 window --

namespace printer {

inline constexpr int kWidth = 350;
inline constexpr int kHeight = 280;
inline constexpr std::string_view kFaceBitmap = "VPrinterGray.bmp";
inline constexpr std::string_view kButtonStrip = "PBtnStripGray.bmp";  // 90 x 10

// The paper; the text view lies on it without a border.
inline constexpr Rect mPrint{24, 2, 302, 214};
// The housing the paper comes out of; above it, beside the paper, the
// face is cut away.
inline constexpr Rect kHousing{0, 206, kWidth, kHeight - 206};

inline constexpr std::array<StripButtonPlace, 3> kButtons{{
    {"bPrint", kButtonStrip, {222, 252, 18, 10}, false},
    {"bClear", kButtonStrip, {256, 252, 18, 10}, false},
    {"bPower", kButtonStrip, {306, 252, 18, 10}, false},
}};

}  // namespace printer

// ---- Trend window: "Face_Trend.bmp", 530 x 280 -------------------------------

namespace trend {

inline constexpr int kWidth = 530;
inline constexpr int kHeight = 280;
inline constexpr std::string_view kFaceBitmap = "Face_Trend.bmp";

// The chart fills the middle; the recording and trigger controls run along
// the bottom band (the threshold box starts at 318), the span box and the
// buttons along the top band.
inline constexpr Rect Chart{10, 34, 510, 206};
inline constexpr Rect kTopBand{10, 6, 510, 24};
inline constexpr Rect kBottomBand{10, 246, 510, 26};

inline constexpr Rect lSpan{170, 11, 60, 14};
inline constexpr Rect eSpanSec{232, 9, 30, 19};
inline constexpr Rect udSpanSec{262, 9, 15, 19};
inline constexpr Rect lSpanSec{280, 11, 24, 14};

inline constexpr Rect ckRecord{16, 250, 90, 18};
inline constexpr Rect ckTriggered{110, 250, 78, 18};
inline constexpr Rect cbTrigger{190, 249, 80, 20};
inline constexpr Rect lGoing{272, 252, 44, 14};
inline constexpr Rect eWeightChange{318, 249, 56, 20};
inline constexpr Rect udWeightChange{374, 249, 15, 20};
inline constexpr Rect lWeightChangeUnits{392, 252, 30, 14};

// On the chart, top right of its plot.
inline constexpr Rect lMax{392, 40, 58, 14};
inline constexpr Rect eMax{452, 38, 56, 19};
inline constexpr Rect ckAutoScroll{430, 216, 84, 18};

inline constexpr std::array<StripButtonPlace, 6> kButtons{{
    {"bScrollLeft", "btnScrollLeft_strip.bmp", {340, 10, 16, 16}, false},
    {"bScrollRight", "btnScrollRight_strip.bmp", {360, 10, 16, 16}, false},
    {"bClear", "Clear_strip.bmp", {392, 10, 16, 16}, false},
    {"bPrint", "Print2_strip.bmp", {414, 10, 16, 16}, false},
    {"bSettings", "Set_strip.bmp", {436, 10, 16, 16}, false},
    // The main window's close strip, on the same dark pad.
    {"bExit", "Exit_Strip.bmp", {503, 8, 19, 19}, false},
}};

}  // namespace trend

}  // namespace zavo::face
