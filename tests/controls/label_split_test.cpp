#include "controls/label_split.h"

#include <gtest/gtest.h>

namespace zavo {
namespace {

using List = std::vector<std::string>;

TEST(SplitLabels, TerminalSwitchReading) {
  struct Case {
    std::string stored;
    List labels;
  } cases[] = {
      {"", {}},
      {"In 1,In 2,In 3,In 4", {"In 1", "In 2", "In 3", "In 4"}},
      {"a,,c,d", {"a", "", "c", "d"}},
      {",,,", {"", "", "", ""}},
      {"a,b,", {"a", "b", ""}},  // a trailing comma gives an empty last label
      {" a , b", {" a ", " b"}},
      {"a,b\r\nc,d", {"a", "b", "\nc", "d"}},  // after a break a label starts with LF
      {"a,b\nc", {"a", "b", "\nc"}},           // lone LF becomes CR LF first
      {"a\rb", {"a", "\nb"}},                  // and so does a lone CR
      {"a,b\r\n", {"a", "b"}},                 // a final break adds no label
      {"a\r\n\r\nb", {"a", "\n", "\nb"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLabels(c.stored), c.labels) << c.stored;
}

}  // namespace
}  // namespace zavo
