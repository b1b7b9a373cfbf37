#include "app/startup_list.h"

#include <gtest/gtest.h>

#include "settings/comma_list.h"

namespace zavo {
namespace {

using List = std::vector<std::string>;

TEST(SplitStartupList, KeepsEveryItemTrailingCommaIncluded) {
  struct Case {
    const char* text;
    List items;
  } cases[] = {
      {"", {}},          {"a", {"a"}},      {"a,b", {"a", "b"}}, {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}}, {",a", {"", "a"}}, {",", {"", ""}},     {" a ,b", {" a ", "b"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitStartupList(c.text), c.items) << c.text;
}

TEST(SplitStartupList, DiffersFromTheDialogOnlyOnATrailingComma) {
  EXPECT_EQ(SplitStartupList("x,y"), SplitCommaList("x,y"));
  EXPECT_EQ(SplitStartupList("x,y,").size(), SplitCommaList("x,y,").size() + 1);
}

}  // namespace
}  // namespace zavo
