// One configured terminal: a display name and its address text (padded form
// as stored). Its position in the list, from 1, is its terminal number and
// the number of its profile slot.
#pragma once

#include <string>

namespace zavo {

struct TerminalEntry {
  std::string name;
  std::string address;

  bool operator==(const TerminalEntry&) const = default;
};

}  // namespace zavo
