#include "controls/keypad.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zavo {
namespace {

TEST(Keypad, EveryKeySendsItsCode) {
  const std::map<std::string, int> expected = {
      {"b0", 48},     {"b1", 49},     {"b2", 50}, {"b3", 51},   {"b4", 52},
      {"b5", 53},     {"b6", 54},     {"b7", 55}, {"b8", 56},   {"b9", 57},
      {"bPoint", 46}, {"bSpace", 32}, {"bF", 1},  {"bEsc", 2},  {"bM", 3},
      {"bT", 4},      {"bSelect", 5}, {"bC", 6},  {"bZero", 7}, {"bEnt", 8}};
  ASSERT_EQ(Keys().size(), expected.size());
  for (const KeyDef& key : Keys()) {
    SCOPED_TRACE(key.component);
    EXPECT_EQ(key.code, expected.at(key.component));
    EXPECT_EQ(FindKey(key.component), &key);
  }
  EXPECT_EQ(FindKey("bNone"), nullptr);
}

TEST(Keypad, HintsOnlyOnTheFunctionKeys) {
  const std::map<std::string, std::string> hints = {
      {"bSpace", "Space"}, {"bF", "Function"},    {"bM", "Memory"},
      {"bEnt", "Enter"},   {"bZero", "Set Zero"}, {"bEsc", "Escape"},
      {"bT", "Set Tare"},  {"bC", "Clear"},       {"bSelect", "Select"}};
  for (const KeyDef& key : Keys()) {
    auto it = hints.find(key.component);
    EXPECT_EQ(std::string(key.hint), it == hints.end() ? "" : it->second) << key.component;
  }
}

TEST(Keypad, SkinSetsChangeOnlyWhenB7CarriesTheOtherSet) {
  EXPECT_EQ(KeySkinChange("7_strip.bmp", true), std::optional<bool>(true));
  EXPECT_EQ(KeySkinChange("7_strip.bmp", false), std::nullopt);  // already standard
  EXPECT_EQ(KeySkinChange("R7_strip.bmp", true), std::nullopt);
  EXPECT_EQ(KeySkinChange("R7_strip.bmp", false), std::optional<bool>(false));
  std::set<std::string> names;
  for (const KeyDef& key : Keys()) {
    names.insert(key.strip);
    names.insert(key.altStrip);
  }
  EXPECT_EQ(names.size(), 40u);  // two complete sets, no name shared
}

TEST(TranslateTyped, CodesAndWhatTheFieldKeeps) {
  struct Case {
    unsigned char ch;
    int code;
    bool keep, clear;
  } cases[] = {
      {8, 127, true, false},  // Backspace: 127, the field still deletes
      {13, 13, false, true},  // Enter: swallowed, field emptied
      {27, 2, true, false},   // Escape
      {'/', 5, true, false},  // solidus as Select
      {'1', 49, true, false},  {'a', 97, true, false},
      {200, -56, true, false},  // 8-bit characters as signed values
      {255, -1, true, false},  {128, -128, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.ch));
    const TypedKey t = TranslateTyped(c.ch, false);
    EXPECT_TRUE(t.send);
    EXPECT_EQ(t.code, c.code);
    EXPECT_EQ(t.keepCharacter, c.keep);
    EXPECT_EQ(t.clearField, c.clear);
  }
}

TEST(TranslateTyped, TheLockSendsNothingAndDropsTheCharacter) {
  for (unsigned char ch : {'1', '\r', '\b', '/'}) {
    const TypedKey t = TranslateTyped(ch, true);
    EXPECT_FALSE(t.send);
    EXPECT_FALSE(t.keepCharacter);
    EXPECT_FALSE(t.clearField);
  }
}

}  // namespace
}  // namespace zavo
