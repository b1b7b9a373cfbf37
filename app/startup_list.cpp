#include "app/startup_list.h"

namespace zavo {

std::vector<std::string> SplitStartupList(std::string_view text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  items.emplace_back();
  for (char c : text) {
    if (c == ',')
      items.emplace_back();
    else
      items.back() += c;
  }
  return items;
}

}  // namespace zavo
