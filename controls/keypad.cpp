#include "controls/keypad.h"

#include <cstring>

namespace zavo {

const std::array<KeyDef, kKeyCount>& Keys() {
  static const std::array<KeyDef, kKeyCount> keys = {{
      {"b7", "", "7_strip.bmp", "R7_strip.bmp", '7'},
      {"b8", "", "8_strip.bmp", "R8_strip.bmp", '8'},
      {"b9", "", "9_strip.bmp", "R9_strip.bmp", '9'},
      {"bF", "Function", "F_strip.bmp", "RF_strip.bmp", 1},
      {"bEsc", "Escape", "Esc_strip.bmp", "Resc_strip.bmp", 2},
      {"b4", "", "4_strip.bmp", "R4_strip.bmp", '4'},
      {"b5", "", "5_strip.bmp", "R5_strip.bmp", '5'},
      {"b6", "", "6_strip.bmp", "R6_strip.bmp", '6'},
      {"bM", "Memory", "M_strip.bmp", "RM_strip.bmp", 3},
      {"bT", "Set Tare", "T_strip.bmp", "RT_strip.bmp", 4},
      {"b1", "", "1_strip.bmp", "R1_strip.bmp", '1'},
      {"b2", "", "2_strip.bmp", "R2_strip.bmp", '2'},
      {"b3", "", "3_strip.bmp", "R3_strip.bmp", '3'},
      {"bSelect", "Select", "Sel_strip.bmp", "RSel_strip.bmp", 5},
      {"bC", "Clear", "C_strip.bmp", "RC_strip.bmp", 6},
      {"b0", "", "0_strip.bmp", "R0_strip.bmp", '0'},
      {"bPoint", "", "'.'_strip.bmp", "R'.'_strip.bmp", '.'},
      {"bSpace", "Space", "SP_strip.bmp", "Rsp_strip.bmp", ' '},
      {"bZero", "Set Zero", "Zero_strip.bmp", "RZero_strip.bmp", 7},
      {"bEnt", "Enter", "Enter_strip.bmp", "REnt_strip.bmp", 8},
  }};
  return keys;
}

const KeyDef* FindKey(const std::string& component) {
  for (const KeyDef& key : Keys())
    if (component == key.component) return &key;
  return nullptr;
}

std::optional<bool> KeySkinChange(const std::string& b7StripNow, bool alternative) {
  if (b7StripNow == StripFor(Keys()[0], alternative)) return std::nullopt;
  return alternative;
}

TypedKey TranslateTyped(unsigned char ch, bool readOnly) {
  TypedKey t;
  if (readOnly) {
    t.keepCharacter = false;
    return t;
  }
  t.send = true;
  switch (ch) {
    case 8:  // Backspace: the field still deletes
      t.code = 127;
      break;
    case 13:
      t.code = 13;
      t.keepCharacter = false;
      t.clearField = true;
      break;
    case 27:
      t.code = 2;
      break;
    case '/':
      t.code = 5;
      break;
    default:
      t.code = static_cast<int8_t>(ch);  // 128..255 arrive as -128..-1
  }
  return t;
}

}  // namespace zavo
