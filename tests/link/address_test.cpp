#include "link/address.h"

#include <gtest/gtest.h>

namespace zavo {
namespace {

TEST(NormalizeAddress, PlainFormOfPaddedAndPackedAddresses) {
  struct Case {
    const char *in, *out;
  } cases[] = {
      {"192.168.001.010", "192.168.1.10"},
      {"010.000.000.001", "10.0.0.1"},
      {"127.000.000.003", "127.0.0.3"},
      {"", ""},
      {"1.2.3", "1.2.3"},
      {"1.2.3.4.5", "1.2.3.4."},  // the fifth part is dropped, the dot stays
      {"300.-1.x.256", "44.255.0.0"},
      {"192168001010", "192.168.1.10"},  // packed digits
      {"19216800", "192.168"},
      {"12", ""},
      {"1.", "1.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeAddress(c.in), c.out) << c.in;
}

TEST(PadAddress, EveryPartToThreeDigits) {
  struct Case {
    const char *in, *out;
  } cases[] = {
      {"192.168.1.10", "192.168.001.010"},
      {"10.0.0.1", "010.000.000.001"},
      {"", "000"},
      {"1.2.3.4.5", "001.002.003.004.005"},
      {"a.1234.-1.", "000.1234.-001.000"},
      {"127.000.000.001", "127.000.000.001"},
  };
  for (const auto& c : cases) EXPECT_EQ(PadAddress(c.in), c.out) << c.in;
}

TEST(AddressForms, PaddingThenNormalisingGivesThePlainAddressBack) {
  for (const char* plain : {"0.0.0.0", "255.255.255.255", "192.168.1.10", "127.0.0.1"})
    EXPECT_EQ(NormalizeAddress(PadAddress(plain)), plain);
}

}  // namespace
}  // namespace zavo
