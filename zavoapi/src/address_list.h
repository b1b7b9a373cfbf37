#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zavo::api {

inline constexpr int kMaxTerminals = 16;

using Ipv4 = std::array<std::uint8_t, 4>;

// Parses the stored address list: dotted IPv4 addresses (octets of one to
// three decimal digits, as stored zero-padded), separated by commas, blanks
// around an entry allowed. Gives nothing when any entry is malformed, the
// list is empty or longer than kMaxTerminals.
std::optional<std::vector<Ipv4>> ParseAddressList(std::string_view text);

}  // namespace zavo::api
