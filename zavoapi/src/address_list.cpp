#include "address_list.h"

namespace zavo::api {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<Ipv4> ParseAddress(std::string_view s) {
  Ipv4 address{};
  for (std::size_t octet = 0; octet < 4; ++octet) {
    std::size_t digits = 0;
    unsigned value = 0;
    while (digits < s.size() && s[digits] >= '0' && s[digits] <= '9') {
      value = value * 10 + static_cast<unsigned>(s[digits] - '0');
      if (++digits > 3) return std::nullopt;
    }
    if (digits == 0 || value > 255) return std::nullopt;
    address[octet] = static_cast<std::uint8_t>(value);
    s.remove_prefix(digits);
    if (octet < 3) {
      if (s.empty() || s.front() != '.') return std::nullopt;
      s.remove_prefix(1);
    }
  }
  if (!s.empty()) return std::nullopt;
  return address;
}

}  // namespace

std::optional<std::vector<Ipv4>> ParseAddressList(std::string_view text) {
  std::vector<Ipv4> list;
  while (true) {
    const std::size_t comma = text.find(',');
    auto address = ParseAddress(Trim(text.substr(0, comma)));
    if (!address || list.size() == kMaxTerminals) return std::nullopt;
    list.push_back(*address);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return list;
}

}  // namespace zavo::api
