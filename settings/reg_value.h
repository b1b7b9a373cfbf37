// One registry value as the registry holds it: a type and its bytes.
// Strings are UTF-16LE with their terminating zero, DWORDs four bytes
// little-endian, anything else kept as it came.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zavo {

inline constexpr uint32_t kRegNone = 0;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegBinary = 3;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;

struct RegValue {
  uint32_t type = kRegNone;
  std::vector<uint8_t> data;

  bool operator==(const RegValue&) const = default;

  // A REG_SZ holding the UTF-8 text.
  static RegValue String(std::string_view utf8);
  static RegValue Dword(uint32_t value);
};

// The text of a REG_SZ or REG_EXPAND_SZ (up to its first zero, never
// expanded); nullopt for any other type.
std::optional<std::string> StringOf(const RegValue& value);
// The number of a four-byte REG_DWORD; nullopt for anything else.
std::optional<int32_t> DwordOf(const RegValue& value);

}  // namespace zavo
