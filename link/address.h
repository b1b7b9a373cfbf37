// The two written forms of an IPv4 address: padded (192.168.001.010, as
// stored and edited) and plain (192.168.1.10, as connected to and shown).
#pragma once

#include <string>
#include <string_view>

namespace zavo {

// Each dot-separated part as at least three digits ("%.3d"); a part that is
// not a whole number becomes 000. The number of parts is not limited.
std::string PadAddress(std::string_view s);

// Plain form of a padded dotted address (or of twelve packed digits); every
// group is taken modulo 256, a group that is not a number counts as 0.
std::string NormalizeAddress(std::string_view s);

}  // namespace zavo
