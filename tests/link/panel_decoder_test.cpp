#include "link/panel_decoder.h"

#include <gtest/gtest.h>

#include <string>

namespace zavo {
namespace {

// A 47-character record: weight (8), lower line (16), seven mode flags, one
// unused position, fifteen terminal flags.
std::string Record(const std::string& weight, const std::string& lower = std::string(16, ' '),
                   const std::string& flags = std::string(23, '0')) {
  return weight + lower + flags;
}

std::string FlagsWith(int position) {  // position counted from 1 in the record
  std::string flags(23, '0');
  flags[position - 25] = '1';
  return flags;
}

TEST(DecodePanelRecord, WeightTextAndValue) {
  struct Case {
    std::string weight, text;
    int32_t value;
  } cases[] = {
      {"   125  ", "125", 125},
      {"  -3.50 ", "-3.50", kNoWeightValue},
      {"        ", "", kNoWeightValue},
      {"  -12   ", "-12", -12},
      {"+7      ", "+7", 7},
      {"--------", "--------", kNoWeightValue},
      {"\t\x01"
       "42\x1f   ",
       "42", 42},  // control characters trim like spaces
      {"99999999", "99999999", 99999999},
  };
  for (const auto& c : cases) {
    const PanelModel m = DecodePanelRecord(Record(c.weight));
    EXPECT_EQ(m.weightText, c.text) << '"' << c.weight << '"';
    EXPECT_EQ(m.weightValue, c.value) << '"' << c.weight << '"';
    EXPECT_TRUE(m.complete);
  }
}

TEST(ParseWholeNumber, SignedThirtyTwoBitRangeOnly) {
  int32_t v = 0;
  EXPECT_TRUE(ParseWholeNumber("2147483647", v));
  EXPECT_EQ(v, 2147483647);
  EXPECT_TRUE(ParseWholeNumber("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999", "", "-", "+", "1 2",
                          "0x10", "12a", " 5"}) {
    EXPECT_FALSE(ParseWholeNumber(bad, v)) << bad;
  }
}

TEST(DecodePanelRecord, LowerLineKeepsItsSpaces) {
  EXPECT_EQ(DecodePanelRecord(Record("     0  ")).lowerText, std::string(16, ' '));
  EXPECT_EQ(DecodePanelRecord(Record("     0  ", "  TARE 12.5 kg  ")).lowerText,
            "  TARE 12.5 kg  ");
}

TEST(DecodePanelRecord, EachFlagPositionLightsItsAnnunciator) {
  // Index i sits at 25+i for the mode flags and 26+i after the gap at 32.
  for (int i = 0; i < kAnnunciatorCount; ++i) {
    const int position = i <= 6 ? 25 + i : 26 + i;
    const PanelModel m =
        DecodePanelRecord(Record("       0", std::string(16, ' '), FlagsWith(position)));
    for (int j = 0; j < kAnnunciatorCount; ++j)
      EXPECT_EQ(m.annunciators[j], i == j) << i << ' ' << j;
  }
  const PanelModel gap = DecodePanelRecord(Record("       0", std::string(16, ' '), FlagsWith(32)));
  for (bool on : gap.annunciators) EXPECT_FALSE(on);
}

TEST(DecodePanelRecord, OnlyTheDigitOneIsOn) {
  std::string flags =
      "2 aX-9"
      "\x7f"
      "?"
      "ABCDEFGHIJKLMNO";
  ASSERT_EQ(flags.size(), 23u);
  for (bool on : DecodePanelRecord(Record("       0", std::string(16, ' '), flags)).annunciators)
    EXPECT_FALSE(on);
}

TEST(DecodePanelRecord, NetFlagSetsTheHint) {
  EXPECT_EQ(DecodePanelRecord(Record("       0")).weightHint, "Gross Weight");
  const PanelModel net = DecodePanelRecord(Record("       0", std::string(16, ' '), FlagsWith(26)));
  EXPECT_TRUE(net.annunciators[1]);
  EXPECT_EQ(net.weightHint, "Net Weight");
  const PanelModel cell1 =
      DecodePanelRecord(Record("       0", std::string(16, ' '), FlagsWith(33)));
  EXPECT_TRUE(cell1.annunciators[7]);
}

TEST(DecodePanelRecord, ShortRecordsDecodeWhatTheyHoldAndSayTheyAreIncomplete) {
  const std::string full = Record("   125  ", "LOWER LINE TEXT!", std::string(23, '1'));
  struct Case {
    size_t length;
    std::string weight, lower;
    int flagsOn;
  } cases[] = {
      {0, "", "", 0},
      {5, "12", "", 0},
      {8, "125", "", 0},
      {9, "125", "L", 0},
      {24, "125", "LOWER LINE TEXT!", 0},
      {31, "125", "LOWER LINE TEXT!", 7},
      {33, "125", "LOWER LINE TEXT!", 8},
      {46, "125", "LOWER LINE TEXT!", 21},
  };
  for (const auto& c : cases) {
    const PanelModel m = DecodePanelRecord(full.substr(0, c.length));
    EXPECT_FALSE(m.complete) << c.length;
    EXPECT_EQ(m.weightText, c.weight) << c.length;
    EXPECT_EQ(m.lowerText, c.lower) << c.length;
    int on = 0;
    for (bool b : m.annunciators) on += b;
    EXPECT_EQ(on, c.flagsOn) << c.length;
  }
  EXPECT_TRUE(DecodePanelRecord(full).complete);
  EXPECT_TRUE(DecodePanelRecord(full + "trailing data is ignored").complete);
}

TEST(DecodePanelRecord, TextEndsAtTheFirstNul) {
  std::string rec = Record("   125  ");
  rec[20] = '\0';
  const PanelModel m = DecodePanelRecord(rec);
  EXPECT_EQ(m.lowerText, std::string(12, ' '));
  EXPECT_FALSE(m.complete);
}

TEST(DecodeScaleWeight, WholeNumbersOnly) {
  struct Case {
    std::string text;
    int32_t value;
  } cases[] = {{"1500", 1500},
               {"  -20 ", -20},
               {"12.5", 0},
               {"", 0},
               {"abc", 0},
               {"15\0"
                "99",
                15},
               {"\n7\r", 7},
               {"3000000000", 0}};
  for (const auto& c : cases) EXPECT_EQ(DecodeScaleWeight(c.text), c.value) << c.text;
}

TEST(DecodeDiscrete, LowFourBitsOfTheFirstByteAreTheLamps) {
  struct Case {
    unsigned char first, second;
    std::array<bool, 4> lamps;
    uint16_t key;
  } cases[] = {
      {0x05, 0x00, {true, false, true, false}, 0x0005},
      {0xF0, 0x00, {false, false, false, false}, 0x00F0},
      {0x0F, 0x00, {true, true, true, true}, 0x000F},
      {0x00, 0x01, {false, false, false, false}, 0x0100},
      {0x08, 0xFF, {false, false, false, true}, 0xFF08},
  };
  for (const auto& c : cases) {
    const DiscreteValue d = DecodeDiscrete(c.first, c.second);
    EXPECT_EQ(d.lamps, c.lamps) << int(c.first);
    EXPECT_EQ(d.changeKey, c.key) << int(c.first);
  }
  EXPECT_NE(DecodeDiscrete(0xF0, 0).changeKey, DecodeDiscrete(0, 0).changeKey);
}

}  // namespace
}  // namespace zavo
