#include "link/address.h"

#include <cstdint>
#include <cstdio>

#include "link/panel_decoder.h"

namespace zavo {
namespace {

// A group as the integer conversion reads it: 0 when not a whole number.
int32_t GroupValue(std::string_view s) {
  int32_t v = 0;
  return ParseWholeNumber(s, v) ? v : 0;
}

std::string OctetText(std::string_view s) {
  return std::to_string(static_cast<uint8_t>(static_cast<uint32_t>(GroupValue(s)) & 0xFF));
}

std::string Padded(std::string_view part) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.3d", GroupValue(part));
  return buf;
}

}  // namespace

std::string PadAddress(std::string_view s) {
  std::string result;
  size_t start = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '.') {
      result += Padded(s.substr(start, i - start));
      result += '.';
      start = i + 1;
    }
  }
  result += Padded(s.substr(start));
  return result;
}

std::string NormalizeAddress(std::string_view s) {
  std::string result;
  if (s.find('.') != std::string_view::npos) {
    for (int round = 0; round < 4; ++round) {
      const auto dot = s.find('.');
      if (dot == std::string_view::npos) {
        result += OctetText(s);
        return result;
      }
      result += OctetText(s.substr(0, dot));
      result += '.';
      s.remove_prefix(dot + 1);
    }
    return result;  // five or more parts: the rest is dropped
  }
  for (int round = 0; round < 4; ++round) {
    if (s.size() > 2) {
      result += OctetText(s.substr(0, 3));
      result += '.';
      s.remove_prefix(3);
    }
  }
  if (!result.empty()) result.pop_back();
  return result;
}

}  // namespace zavo
