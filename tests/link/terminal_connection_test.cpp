#include "link/terminal_connection.h"

#include <gtest/gtest.h>

#include "tests/support/fake_access_library.h"

namespace zavo {
namespace {

using testing::FakeAccessLibrary;

TEST(ConnectLink, ClosesFirstAndAfterARefusal) {
  struct Case {
    int count;
    int16_t registerStatus;
    ConnectOutcome outcome;
    std::vector<std::string> calls;
  } cases[] = {
      {0, 0, ConnectOutcome::NoList, {"Close"}},
      {2,
       -9,
       ConnectOutcome::ConnectFailed,
       {"Close", "Register 1 127.020.000.001,127.020.000.002 2", "Close"}},
      {2, 0, ConnectOutcome::Connected, {"Close", "Register 1 127.020.000.001,127.020.000.002 2"}},
  };
  for (const Case& c : cases) {
    FakeAccessLibrary lib;
    lib.registerStatus = c.registerStatus;
    EXPECT_EQ(ConnectLink(lib, "127.020.000.001,127.020.000.002", c.count), c.outcome);
    EXPECT_EQ(lib.calls, c.calls);
  }
}

TEST(ReadIdentityTexts, FormsEachFieldAndFailsFieldByField) {
  FakeAccessLibrary lib;
  lib.Set("/z3/cs118", " SCALE-7 ");
  lib.Set("/z3/cs130", " 2024-05-01 ");
  lib.Fail("/z3/zav11", -5);
  lib.Set("/z3/bd005", "\t12-345\t");
  const IdentityTexts id = ReadIdentityTexts(lib, 3);
  EXPECT_EQ(id.texts[0], " SCALE-7 ");  // the scale ID is shown untrimmed
  EXPECT_EQ(id.texts[1], "Calibrated: 2024-05-01");
  EXPECT_EQ(id.texts[2], "--------");
  EXPECT_EQ(id.texts[3], "P/N: 12-345");
  EXPECT_EQ(lib.reads,
            (std::vector<std::string>{"/z3/cs118", "/z3/cs130", "/z3/zav11", "/z3/bd005"}));
}

TEST(ReadIdentityTexts, AValueFillingTheWholeLengthStaysWithinTheBuffer) {
  FakeAccessLibrary lib;
  lib.Set("/z1/cs118", std::string(40, 'X'));  // the fake writes only `length` bytes
  EXPECT_EQ(ReadIdentityTexts(lib, 1).texts[0], std::string(16, 'X'));
}

TEST(WantsAlternativeKeys, ZavorInAnyCase) {
  EXPECT_TRUE(WantsAlternativeKeys("SWID: ZavoRex 2.1"));
  EXPECT_TRUE(WantsAlternativeKeys("SWID: zavor"));
  EXPECT_FALSE(WantsAlternativeKeys("SWID: Zavo 1.0"));
  EXPECT_FALSE(WantsAlternativeKeys("--------"));
  EXPECT_FALSE(WantsAlternativeKeys(""));
}

}  // namespace
}  // namespace zavo
