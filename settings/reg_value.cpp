#include "settings/reg_value.h"

#include "settings/text_encoding.h"

namespace zavo {

RegValue RegValue::String(std::string_view utf8) {
  std::u16string wide = Utf8ToUtf16(utf8);
  wide.push_back(u'\0');
  return RegValue{kRegSz, Utf16ToLeBytes(wide)};
}

RegValue RegValue::Dword(uint32_t value) {
  return RegValue{kRegDword,
                  {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                   static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)}};
}

std::optional<std::string> StringOf(const RegValue& value) {
  if (value.type != kRegSz && value.type != kRegExpandSz) return std::nullopt;
  std::u16string wide = LeBytesToUtf16(value.data);
  if (auto zero = wide.find(u'\0'); zero != std::u16string::npos) wide.resize(zero);
  return Utf16ToUtf8(wide);
}

std::optional<int32_t> DwordOf(const RegValue& value) {
  if (value.type != kRegDword || value.data.size() != 4) return std::nullopt;
  const auto& d = value.data;
  return static_cast<int32_t>(uint32_t{d[0]} | uint32_t{d[1]} << 8 | uint32_t{d[2]} << 16 |
                              uint32_t{d[3]} << 24);
}

}  // namespace zavo
