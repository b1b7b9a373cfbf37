#include "controls/label_split.h"

namespace zavo {

std::vector<std::string> SplitLabels(std::string_view stored) {
  // Every line, the last included, ends in CR LF after normalising.
  std::string text;
  if (!stored.empty()) {
    std::string line;
    for (size_t i = 0; i < stored.size(); ++i) {
      const char c = stored[i];
      if (c == '\r' || c == '\n') {
        if (c == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') ++i;
        text += line + "\r\n";
        line.clear();
      } else {
        line += c;
      }
    }
    if (!line.empty()) text += line + "\r\n";
  }
  std::vector<std::string> labels;
  std::string piece;
  for (char c : text) {
    if (c == ',' || c == '\r') {
      labels.push_back(piece);
      piece.clear();
    } else {
      piece += c;
    }
  }
  return labels;  // the open piece (the LF after the last CR) is dropped
}

}  // namespace zavo
