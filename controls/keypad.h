// The replica keypad and the keyboard entry: which key sends which code,
// the two strip sets, and how typed characters are translated.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zavo {

inline constexpr int32_t kKindReplicaKey = 1;
inline constexpr int32_t kKindTypedCharacter = 2;

struct KeyDef {
  const char* component;  // objectName, e.g. "b7"
  const char* hint;       // empty for digits and the point
  const char* strip;      // standard set
  const char* altStrip;   // alternative set
  int32_t code;           // sent with kind 1, whatever the set
};

inline constexpr int kKeyCount = 20;

// In re-skin order: the keypad read row by row, top left first.
const std::array<KeyDef, kKeyCount>& Keys();
// The key named `component`, or null.
const KeyDef* FindKey(const std::string& component);

// The strip the key `b7` carries tells which set is on. Returns the set to
// put on, or nothing when the wanted set is already on.
std::optional<bool> KeySkinChange(const std::string& b7StripNow, bool alternative);
inline const char* StripFor(const KeyDef& key, bool alternative) {
  return alternative ? key.altStrip : key.strip;
}

// What a character typed into the entry field does.
struct TypedKey {
  bool send = false;
  int32_t code = 0;           // sent with kind 2
  bool keepCharacter = true;  // false: the field ignores the character
  bool clearField = false;    // the field's text becomes ""
};

// `readOnly` is the keypad lock: a locked field sends nothing and takes
// nothing. `ch` is the character's 8-bit code.
TypedKey TranslateTyped(unsigned char ch, bool readOnly);

}  // namespace zavo
