#include "app/startup_apply.h"

#include <gtest/gtest.h>

namespace zavo {
namespace {

constexpr int kScreenW = 1280, kScreenH = 800;

StartupSettings Three() {
  StartupSettings s;
  s.found = true;
  s.ipList = "127.000.000.001,127.000.000.002,010.000.000.007";
  s.nameList = "Filler,Mixer,Line 2";
  s.keypadEnabled = true;
  return s;
}

TEST(ApplyStartup, CurrentNumberIsTakenOnlyWithinThePresentRangeThenClamped) {
  struct Case {
    int stored, before, expected;
  } cases[] = {
      {5, 1, 3},  // within 1..6 before the first load, then down to the count
      {0, 1, 1},  // out of range: the number in force stays
      {9, 1, 1},
      {2, 1, 2},
  };
  for (const Case& c : cases) {
    StartupSettings s = Three();
    s.currentZavNumber = c.stored;
    MainState st;
    st.currentTerminal = c.before;
    ApplyStartup(s, kScreenW, kScreenH, st);
    EXPECT_EQ(st.currentTerminal, c.expected) << c.stored;
    EXPECT_EQ(st.selectorMax, 3);
  }
  // After that load the range is 1..3: a stored 5 is no longer taken.
  MainState st;
  ApplyStartup(Three(), kScreenW, kScreenH, st);
  StartupSettings s = Three();
  s.currentZavNumber = 5;
  st.currentTerminal = 2;
  ApplyStartup(s, kScreenW, kScreenH, st);
  EXPECT_EQ(st.currentTerminal, 2);
}

TEST(ApplyStartup, WindowPositionBounds) {
  struct Case {
    int left, top, wantLeft, wantTop;
  } cases[] = {
      {-5, 0, 10, 0},
      {kScreenW + 1, 0, 10, 0},
      {kScreenW, kScreenH + 40, kScreenW, kScreenH + 40},
      {100, kScreenH + 41, 100, 10},
      {100, -100, 100, -100},  // a negative top is used unchanged
  };
  for (const Case& c : cases) {
    StartupSettings s = Three();
    s.leftPosition = c.left;
    s.topPosition = c.top;
    MainState st;
    ApplyStartup(s, kScreenW, kScreenH, st);
    EXPECT_EQ(st.left, c.wantLeft) << c.left << "," << c.top;
    EXPECT_EQ(st.top, c.wantTop) << c.left << "," << c.top;
  }
}

TEST(ApplyStartup, ListsHintsKeypadAndNameLabel) {
  StartupSettings s = Three();
  s.nameList = "Filler,Mixer,Line 2,";  // hand-edited: one name more
  s.currentZavNumber = 3;
  s.showHints = false;
  s.benchmark = true;
  MainState st;
  const StartupOutcome out = ApplyStartup(s, kScreenW, kScreenH, st);
  EXPECT_EQ(st.names.size(), 4u);
  EXPECT_EQ(st.plainAddresses, (std::vector<std::string>{"127.0.0.1", "127.0.0.2", "10.0.0.7"}));
  EXPECT_EQ(st.selectorMax, 3);
  EXPECT_FALSE(st.showHints);
  EXPECT_TRUE(st.benchmark);
  EXPECT_EQ(out.keypadEnabled, std::optional<bool>(true));
  EXPECT_EQ(out.nameLabel, std::optional<std::string>("Line 2 - 10.0.0.7"));
}

TEST(ApplyStartup, WithoutARootKeyNothingIsTaken) {
  StartupSettings s = Three();
  s.found = false;
  MainState st;
  const StartupOutcome out = ApplyStartup(s, kScreenW, kScreenH, st);
  EXPECT_TRUE(st.names.empty());
  EXPECT_EQ(st.selectorMax, 1);
  EXPECT_EQ(st.currentTerminal, 1);
  EXPECT_EQ(st.left, 0);
  EXPECT_TRUE(st.showHints);
  EXPECT_FALSE(out.keypadEnabled);  // the keypad stays off
  EXPECT_FALSE(out.nameLabel);
}

TEST(ClosingFrom, WritesTheTextsAsLoadedAndThePresentPlace) {
  MainState st;
  ApplyStartup(Three(), kScreenW, kScreenH, st);
  st.currentTerminal = 2;
  st.showHints = false;
  const ClosingSettings c = ClosingFrom(st, 33, -4);
  EXPECT_EQ(c.ipList, Three().ipList);
  EXPECT_EQ(c.nameList, Three().nameList);
  EXPECT_EQ(c.currentZavNumber, 2);
  EXPECT_FALSE(c.showHints);
  EXPECT_EQ(c.leftPosition, 33);
  EXPECT_EQ(c.topPosition, -4);
}

}  // namespace
}  // namespace zavo
