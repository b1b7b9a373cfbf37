// The main window's reading of a stored list text at start-up. It differs
// from SplitCommaList on purpose: a trailing comma gives an empty last item.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zavo {

std::vector<std::string> SplitStartupList(std::string_view text);

}  // namespace zavo
