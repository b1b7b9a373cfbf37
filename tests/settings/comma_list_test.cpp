#include "settings/comma_list.h"

#include <gtest/gtest.h>

namespace zavo {
namespace {

using List = std::vector<std::string>;

TEST(SplitCommaList, DialogReading) {
  struct Case {
    const char* text;
    List items;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a,b", {"a", "b"}},
      {"Line 1,,Line 3", {"Line 1", "", "Line 3"}},
      {"a,", {"a"}},  // a trailing comma yields no empty last item
      {",a", {"", "a"}},
      {",", {""}},
      {" a , b ", {" a ", " b "}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommaList(c.text), c.items) << c.text;
}

TEST(JoinCommaList, NoQuotingNoTrailingComma) {
  EXPECT_EQ(JoinCommaList({}), "");
  EXPECT_EQ(JoinCommaList({"In 1", "In 2", "In 3", "In 4"}), "In 1,In 2,In 3,In 4");
  EXPECT_EQ(JoinCommaList({"", "", "", ""}), ",,,");
  EXPECT_EQ(JoinCommaList({"a \"q\"", "b"}), "a \"q\",b");
}

TEST(CommaList, RoundTripOfItemsWithoutCommas) {
  const List items{"Zav1", "", "Mixer 2", "x=y"};
  EXPECT_EQ(SplitCommaList(JoinCommaList(items)), items);
}

}  // namespace
}  // namespace zavo
