#include <gtest/gtest.h>

#include <cstring>

#include "address_list.h"
#include "field_name.h"

namespace zavo::api {
namespace {

TEST(AddressList, ParsesTheStoredList) {
  auto list = ParseAddressList("192.168.001.010, 010.000.000.001 ,127.000.000.255");
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 3u);
  EXPECT_EQ((*list)[0], (Ipv4{192, 168, 1, 10}));
  EXPECT_EQ((*list)[1], (Ipv4{10, 0, 0, 1}));
  EXPECT_EQ((*list)[2], (Ipv4{127, 0, 0, 255}));
  EXPECT_TRUE(ParseAddressList("1.2.3.4"));  // unpadded is fine too
}

TEST(AddressList, RejectsMalformedLists) {
  std::string seventeen = "127.000.000.001";
  for (int i = 0; i < 16; ++i) seventeen += ",127.000.000.001";
  for (const char* bad :
       {"", " ", ",", "127.000.000.001,", ",127.000.000.001", "127.000.001", "127.000.000.001.001",
        "127.000.000.256", "127.000.000.0001", "127.000.000.x01", "127.000.000.001;127.000.000.002",
        "127..0.1", "-27.000.000.001", "127.000.000.001 127.000.000.002"}) {
    EXPECT_FALSE(ParseAddressList(bad)) << '"' << bad << '"';
  }
  EXPECT_FALSE(ParseAddressList(seventeen));
}

TEST(FieldName, SplitsTerminalAndField) {
  auto n = ParseFieldName("/z2/bd001");
  ASSERT_TRUE(n);
  EXPECT_EQ(n->terminal, 2);
  EXPECT_EQ(n->field, "/bd001");
  EXPECT_EQ(ParseFieldName("/z0/wt102")->terminal, 0);  // range is the caller's check
  EXPECT_EQ(ParseFieldName("/z123456789/x")->terminal, 123456789);
  for (const char* bad :
       {"", "/", "/z", "/z1", "/z1/", "z1/bd001", "/Z1/bd001", "/z1bd001", "/z-1/bd001",
        "/zx/bd001", "/z1/bd 01", "/z1/bd001\n", "/z1234567890/bd001", "/z1//bd001"}) {
    EXPECT_FALSE(ParseFieldName(bad)) << '"' << bad << '"';
  }
  const std::string longField = "/z1/" + std::string(40, 'a');
  EXPECT_FALSE(ParseFieldName(longField.c_str()));
}

struct CopyCase {
  bool raw;
  std::string value;
  std::int32_t length;
  std::string expected;  // exactly the `length` bytes written
};

TEST(CopyFieldValue, StaysWithinLengthAndTerminatesText) {
  using namespace std::string_literals;
  const CopyCase cases[] = {
      {false, "SCALE 1", 16, "SCALE 1\0"s},
      {false, "0123456789ABCDEFGHIJ", 16, "0123456789ABCDE\0"s},  // cut, NUL last
      {false, "lb", 1, "\0"s},
      {false, "AB\0CD"s, 8, "AB\0"s},  // text ends at its first NUL
      {false, "", 4, "\0"s},
      {true, "\x05\x00"s, 2, "\x05\x00"s},
      {true, "\x05\x00"s, 1, "\x05"s},
      {true, "\x05"s, 4, "\x05\x00\x00\x00"s},  // short raw value is zero-padded
      {true, std::string(600, 'Z'), 2, "ZZ"},
  };
  for (const auto& c : cases) {
    std::vector<char> buffer(static_cast<std::size_t>(c.length) + 16, '#');
    CopyFieldValue(c.raw, reinterpret_cast<const std::uint8_t*>(c.value.data()), c.value.size(),
                   c.length, buffer.data());
    const std::string written(buffer.data(), c.expected.size());
    EXPECT_EQ(written, c.expected) << c.value;
    for (std::size_t i = static_cast<std::size_t>(c.length); i < buffer.size(); ++i) {
      ASSERT_EQ(buffer[i], '#') << c.value << " wrote beyond length";
    }
  }
  EXPECT_TRUE(IsRawField("/bd030"));
  EXPECT_TRUE(IsRawField("/bd031"));
  EXPECT_FALSE(IsRawField("/bd001"));
}

}  // namespace
}  // namespace zavo::api
