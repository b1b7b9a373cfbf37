// Where every control of the main window's face sits. The face bitmap is
// drawn around these places (key wells, lamp sockets, the display window), so
// the window and the art generator both read them from here.
//
// Coordinates are pixels. A control whose parent is "pnlDisp" is given
// relative to the display panel; every other one relative to the face
// (sknZavomax), whose top left is the window's top left. Names are the
// objectNames of the controls.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zavo::face {

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  constexpr int right() const { return x + w; }  // one past the last column
  constexpr int bottom() const { return y + h; }
  constexpr Rect moved(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
  constexpr bool contains(const Rect& r) const {
    return r.x >= x && r.y >= y && r.right() <= right() && r.bottom() <= bottom();
  }
  constexpr bool intersects(const Rect& r) const {
    return r.x < right() && x < r.right() && r.y < bottom() && y < r.bottom();
  }
  constexpr bool operator==(const Rect&) const = default;
};

inline constexpr int kFaceWidth = 530;
inline constexpr int kFaceHeight = 280;
inline constexpr Rect kFace{0, 0, kFaceWidth, kFaceHeight};
// Outside this rounded outline the face is painted in the mask colour.
inline constexpr int kCornerRadius = 14;
// clGreen: pixels of this colour (0xRRGGBB) are cut out of the window.
inline constexpr unsigned kMaskRgb = 0x008000;

inline constexpr std::string_view kFaceBitmap = "Face_Beta.bmp";
inline constexpr std::string_view kFaceName = "sknZavomax";
inline constexpr std::string_view kPanelName = "pnlDisp";

// The window's form: at least 538 by 307, at most 750 wide; eInput sits
// below the face, outside its outline.
inline constexpr int kFormMinWidth = 538;
inline constexpr int kFormMinHeight = 307;
inline constexpr int kFormMaxWidth = 750;

// ---- Display panel and what lies on it (panel coordinates) ----------------

inline constexpr Rect pnlDisp{14, 35, 290, 112};

struct Label {
  std::string_view name;
  Rect rect;
  int fontPx;  // pixel height of the font the art was drawn for
};

inline constexpr Label lZavName{"lZavName", {4, 2, 282, 14}, 11};
// Right-aligned, fixed size; "Lucida Console" bold 43 px by design.
inline constexpr Label lWeight{"lWeight", {32, 18, 222, 46}, 43};
// Right-aligned, fixed size; "Lucida Console" 19 px by design.
inline constexpr Label lDisplay{"lDisplay", {4, 86, 282, 24}, 19};

// The 22 annunciators in the order of the panel model (index 0..21).
inline constexpr std::array<Label, 22> kAnnunciators{{
    {"lG", {6, 22, 24, 12}, 10},        {"lNet", {6, 36, 26, 12}, 10},
    {"lPt", {6, 50, 24, 12}, 10},       {"llb", {258, 24, 26, 13}, 11},
    {"lkg", {258, 44, 26, 13}, 11},     {"lZero", {6, 68, 32, 12}, 10},
    {"lTilde", {40, 68, 12, 12}, 11},   {"lCell1", {56, 68, 10, 12}, 10},
    {"lCell2", {67, 68, 10, 12}, 10},   {"lCell3", {78, 68, 10, 12}, 10},
    {"lCell4", {89, 68, 10, 12}, 10},   {"lCell5", {100, 68, 10, 12}, 10},
    {"lCell6", {111, 68, 10, 12}, 10},  {"lScaleA", {124, 68, 10, 12}, 10},
    {"lScaleB", {135, 68, 10, 12}, 10}, {"lScaleC", {146, 68, 10, 12}, 10},
    {"lScaleD", {157, 68, 10, 12}, 10}, {"lScaleE", {168, 68, 10, 12}, 10},
    {"lSum", {182, 68, 44, 12}, 10},    {"lW1", {232, 68, 9, 12}, 10},
    {"lW2", {248, 68, 9, 12}, 10},      {"lW3", {264, 68, 9, 12}, 10},
}};

// Subscript digits of the three "W" lamps, set lower and smaller.
inline constexpr std::array<Label, 3> kIntervalDigits{{
    {"l1", {241, 72, 6, 9}, 8},
    {"l2", {257, 72, 6, 9}, 8},
    {"l3", {273, 72, 6, 9}, 8},
}};

// ---- Keypad (face coordinates) --------------------------------------------

inline constexpr int kKeySize = 35;
inline constexpr int kKeyPitch = 40;
inline constexpr int kKeypadLeft = 318;
inline constexpr int kKeypadTop = 37;
inline constexpr int kKeyColumns = 5;
inline constexpr int kKeyRows = 4;

struct Key {
  std::string_view name;
  std::string_view strip;     // standard set
  std::string_view altStrip;  // alternative set
  Rect rect;
};

constexpr Rect KeyRect(int row, int column) {
  return {kKeypadLeft + column * kKeyPitch, kKeypadTop + row * kKeyPitch, kKeySize, kKeySize};
}

// Row by row, left to right, as they stand on the face.
inline constexpr std::array<Key, 20> kKeys{{
    {"b7", "7_strip.bmp", "R7_strip.bmp", KeyRect(0, 0)},
    {"b8", "8_strip.bmp", "R8_strip.bmp", KeyRect(0, 1)},
    {"b9", "9_strip.bmp", "R9_strip.bmp", KeyRect(0, 2)},
    {"bF", "F_strip.bmp", "RF_strip.bmp", KeyRect(0, 3)},
    {"bEsc", "Esc_strip.bmp", "Resc_strip.bmp", KeyRect(0, 4)},
    {"b4", "4_strip.bmp", "R4_strip.bmp", KeyRect(1, 0)},
    {"b5", "5_strip.bmp", "R5_strip.bmp", KeyRect(1, 1)},
    {"b6", "6_strip.bmp", "R6_strip.bmp", KeyRect(1, 2)},
    {"bM", "M_strip.bmp", "RM_strip.bmp", KeyRect(1, 3)},
    {"bT", "T_strip.bmp", "RT_strip.bmp", KeyRect(1, 4)},
    {"b1", "1_strip.bmp", "R1_strip.bmp", KeyRect(2, 0)},
    {"b2", "2_strip.bmp", "R2_strip.bmp", KeyRect(2, 1)},
    {"b3", "3_strip.bmp", "R3_strip.bmp", KeyRect(2, 2)},
    {"bSelect", "Sel_strip.bmp", "RSel_strip.bmp", KeyRect(2, 3)},
    {"bC", "C_strip.bmp", "RC_strip.bmp", KeyRect(2, 4)},
    {"b0", "0_strip.bmp", "R0_strip.bmp", KeyRect(3, 0)},
    {"bPoint", "'.'_strip.bmp", "R'.'_strip.bmp", KeyRect(3, 1)},
    {"bSpace", "SP_strip.bmp", "Rsp_strip.bmp", KeyRect(3, 2)},
    {"bZero", "Zero_strip.bmp", "RZero_strip.bmp", KeyRect(3, 3)},
    {"bEnt", "Enter_strip.bmp", "REnt_strip.bmp", KeyRect(3, 4)},
}};

// ---- Discrete lamps ----------------------------------------------------------

struct Lamp {
  std::string_view name;
  std::string_view glint;  // the fixed 3x3 highlight near its upper left
  Rect rect;               // 10 x 10 circle
  Rect glintRect;
};

constexpr Lamp MakeLamp(std::string_view name, std::string_view glint, int x, int y) {
  return {name, glint, {x, y, 10, 10}, {x + 2, y + 2, 3, 3}};
}

inline constexpr int kLampLeft = 66;
inline constexpr int kLampPitch = 20;
inline constexpr int kInputLampTop = 208;
inline constexpr int kOutputLampTop = 223;

inline constexpr std::array<Lamp, 8> kLamps{{
    MakeLamp("shLED_i1", "shLED_i1_Glint", kLampLeft + 0 * kLampPitch, kInputLampTop),
    MakeLamp("shLED_i2", "shLED_i2_Glint", kLampLeft + 1 * kLampPitch, kInputLampTop),
    MakeLamp("shLED_i3", "shLED_i3_Glint", kLampLeft + 2 * kLampPitch, kInputLampTop),
    MakeLamp("shLED_i4", "shLED_i4_Glint", kLampLeft + 3 * kLampPitch, kInputLampTop),
    MakeLamp("shLED_o1", "shLED_o1_Glint", kLampLeft + 0 * kLampPitch, kOutputLampTop),
    MakeLamp("shLED_o2", "shLED_o2_Glint", kLampLeft + 1 * kLampPitch, kOutputLampTop),
    MakeLamp("shLED_o3", "shLED_o3_Glint", kLampLeft + 2 * kLampPitch, kOutputLampTop),
    MakeLamp("shLED_o4", "shLED_o4_Glint", kLampLeft + 3 * kLampPitch, kOutputLampTop),
}};

// ---- Engraved label pairs ---------------------------------------------------
// A light (silver) label and its dark twin (0x202020) one pixel up and to the
// left; the twin is painted first, so the light text sits on its shadow.

struct EngravedLabel {
  std::string_view name;      // light label
  std::string_view darkName;  // dark twin
  std::string_view caption;   // design caption
  Rect rect;                  // of the light label
  int fontPx;

  constexpr Rect darkRect() const { return rect.moved(-1, -1); }
};

// Identity of the current terminal (captions are the design captions).
inline constexpr std::array<EngravedLabel, 4> kIdentity{{
    {"lID", "lIDDk", "Scale ID", {17, 160, 136, 13}, 10},
    {"lCalib", "lCalibDk", "Calib: ", {160, 160, 144, 13}, 10},
    {"lOSVer", "lOSVerDk", "OSVer", {17, 174, 136, 13}, 10},
    {"lSerial", "lSerialDk", "P/N:", {160, 174, 144, 13}, 10},
}};

// Captions of the lamp block: the row names and the column numbers.
inline constexpr std::array<EngravedLabel, 6> kLampCaptions{{
    {"lInput", "lInputDk", "Input", {17, kInputLampTop - 2, 46, 13}, 10},
    {"lOutput", "lOutputDk", "Output", {17, kOutputLampTop - 2, 46, 13}, 10},
    {"lIO1", "lIO1Dk", "1", {kLampLeft - 2 + 0 * kLampPitch, 194, 14, 12}, 10},
    {"lIO2", "lIO2Dk", "2", {kLampLeft - 2 + 1 * kLampPitch, 194, 14, 12}, 10},
    {"lIO3", "lIO3Dk", "3", {kLampLeft - 2 + 2 * kLampPitch, 194, 14, 12}, 10},
    {"lIO4", "lIO4Dk", "4", {kLampLeft - 2 + 3 * kLampPitch, 194, 14, 12}, 10},
}};

// "Preliminary Beta Release", light with its dark twin, under the keypad.
inline constexpr EngravedLabel kBeta{
    "lBeta1", "lBeta2", "Preliminary Beta Release", {318, 252, 195, 13}, 10};

// Cycle-time label, shown only in benchmark mode; right-aligned.
inline constexpr Label lTime{"lTime", {250, 208, 54, 13}, 10};

// ---- Terminal selector, tools and window buttons ---------------------------

inline constexpr Rect eZavNum{17, 249, 26, 20};
inline constexpr Rect udZavNum{43, 249, 15, 20};

struct StripButtonPlace {
  std::string_view name;
  std::string_view strip;
  Rect rect;
  bool isSwitch;  // toggles its down state before the click handler runs
};

inline constexpr int kToolSize = 16;
inline constexpr int kToolLeft = 68;
inline constexpr int kToolPitch = 22;
inline constexpr int kToolTop = 251;

// Along the bottom edge, right of the selector, in this order.
inline constexpr std::array<StripButtonPlace, 5> kTools{{
    {"bSettings", "Settings_Strip.bmp", {kToolLeft + 0 * kToolPitch, kToolTop, 16, 16}, false},
    {"bTerm", "Term_Strip.bmp", {kToolLeft + 1 * kToolPitch, kToolTop, 16, 16}, false},
    {"bHTTP", "GlobeStrip.bmp", {kToolLeft + 2 * kToolPitch, kToolTop, 16, 16}, false},
    {"bShowPrint", "Print_strip.bmp", {kToolLeft + 3 * kToolPitch, kToolTop, 16, 16}, true},
    {"bTrend", "Trend_Strip.bmp", {kToolLeft + 4 * kToolPitch, kToolTop, 16, 16}, true},
}};

// Top right corner; they act on mouse release.
inline constexpr std::array<StripButtonPlace, 2> kWindowButtons{{
    {"bMinimize", "Min_Strip.bmp", {481, 8, 19, 19}, false},
    {"bExit", "Exit_Strip.bmp", {503, 8, 19, 19}, false},
}};

// ---- Below the face ----------------------------------------------------------

// The keyboard focus holder, outside the face's outline.
inline constexpr Rect eInput{4, 285, 121, 21};

// ---- Lookup -------------------------------------------------------------------

struct Place {
  std::string_view name;
  std::string_view parent;  // "pnlDisp" or "sknZavomax"
  Rect rect;                // relative to the parent
};

// Every control above, in one list: the display panel's children first.
inline constexpr auto kAllPlaces = [] {
  constexpr std::size_t count = 3 + kAnnunciators.size() + kIntervalDigits.size() + 1 +
                                kKeys.size() + 2 * kLamps.size() + 2 * kIdentity.size() +
                                2 * kLampCaptions.size() + 2 + 1 + 2 + kTools.size() +
                                kWindowButtons.size() + 1;
  std::array<Place, count> all{};
  std::size_t i = 0;
  auto onPanel = [&](std::string_view n, Rect r) { all[i++] = {n, kPanelName, r}; };
  auto onFace = [&](std::string_view n, Rect r) { all[i++] = {n, kFaceName, r}; };
  onPanel(lZavName.name, lZavName.rect);
  onPanel(lWeight.name, lWeight.rect);
  onPanel(lDisplay.name, lDisplay.rect);
  for (const auto& a : kAnnunciators) onPanel(a.name, a.rect);
  for (const auto& d : kIntervalDigits) onPanel(d.name, d.rect);
  onFace(kPanelName, pnlDisp);
  for (const auto& k : kKeys) onFace(k.name, k.rect);
  for (const auto& l : kLamps) {
    onFace(l.name, l.rect);
    onFace(l.glint, l.glintRect);
  }
  for (const auto& e : kIdentity) {
    onFace(e.darkName, e.darkRect());
    onFace(e.name, e.rect);
  }
  for (const auto& e : kLampCaptions) {
    onFace(e.darkName, e.darkRect());
    onFace(e.name, e.rect);
  }
  onFace(kBeta.darkName, kBeta.darkRect());
  onFace(kBeta.name, kBeta.rect);
  onFace(lTime.name, lTime.rect);
  onFace("eZavNum", eZavNum);
  onFace("udZavNum", udZavNum);
  for (const auto& b : kTools) onFace(b.name, b.rect);
  for (const auto& b : kWindowButtons) onFace(b.name, b.rect);
  onFace("eInput", eInput);
  return all;
}();

// The place of a control by objectName; a zero rect with an empty name when
// there is none.
constexpr Place Find(std::string_view name) {
  for (const auto& p : kAllPlaces)
    if (p.name == name) return p;
  return {};
}

// The control's rectangle in face coordinates.
constexpr Rect FaceRect(const Place& p) {
  return p.parent == kPanelName ? p.rect.moved(pnlDisp.x, pnlDisp.y) : p.rect;
}

}  // namespace zavo::face
