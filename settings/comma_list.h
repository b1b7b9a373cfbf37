// The list encoding of the stored name, address and label texts: items
// joined by single commas, no quoting. Items cannot carry a comma.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zavo {

// Splits at every comma; the empty text is the empty list; an empty item
// between commas is an item. A trailing comma (never written by us) is
// dropped, as the settings dialog reads the lists.
std::vector<std::string> SplitCommaList(std::string_view text);
std::string JoinCommaList(const std::vector<std::string>& items);

}  // namespace zavo
