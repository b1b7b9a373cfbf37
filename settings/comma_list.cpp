#include "settings/comma_list.h"

namespace zavo {

std::vector<std::string> SplitCommaList(std::string_view text) {
  std::vector<std::string> items;
  while (!text.empty()) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) {
      items.emplace_back(text);
      break;
    }
    items.emplace_back(text.substr(0, comma));
    text.remove_prefix(comma + 1);
  }
  return items;
}

std::string JoinCommaList(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) text += ',';
    text += items[i];
  }
  return text;
}

}  // namespace zavo
