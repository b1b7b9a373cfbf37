// Calls with no link open, and registers that must fail. Addresses
// 127.13.<n>.x, where nothing listens.
#include <gtest/gtest.h>

#include "api_test_support.h"

namespace zavo::testing {
namespace {

TEST(LibraryState, CallsWithoutALinkFail) {
  EXPECT_EQ(Read("/z1/bd001", 51).status, ZAV_ERR_NOT_LINKED);
  EXPECT_EQ(ZavSendKeystrokeC(1, 1, 7), ZAV_ERR_NOT_LINKED);
  EXPECT_EQ(ZavCloseProcessC(), ZAV_OK);
  EXPECT_EQ(ZavCloseProcessC(), ZAV_OK);  // idempotent
  EXPECT_EQ(Read("/z1/bd001", 51).status, ZAV_ERR_NOT_LINKED);
}

TEST(LibraryState, RegisterRejectsMalformedListsAndCounts) {
  const struct {
    const char* list;
    std::int32_t count;
  } cases[] = {
      {"", 0},
      {"", 1},
      {",", 1},
      {"127.013.001.001,", 1},
      {"127.013.001.001,", 2},
      {"127.013.001", 1},
      {"127.013.001.256", 1},
      {"127.013.001.001;127.013.001.002", 2},
      {"127.013.001.001,127.013.001.002", 1},  // count does not match
      {"127.013.001.001,127.013.001.002", 3},
      {"127.013.001.001", 0},
      {"127.013.001.001", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ZavRegisterProcessC(1, c.list, c.count), ZAV_ERR_BAD_ADDRESS_LIST)
        << '"' << c.list << "\" " << c.count;
    EXPECT_EQ(Read("/z1/bd001", 51).status, ZAV_ERR_NOT_LINKED);
  }
  EXPECT_EQ(ZavRegisterProcessC(1, nullptr, 1), ZAV_ERR_BAD_ADDRESS_LIST);
}

TEST(LibraryState, RegisterWithNoTerminalUpFailsWithinItsBound) {
  const std::string list = PaddedList(127, 13, 2, 1, 6);
  const auto start = Clock::now();
  EXPECT_EQ(ZavRegisterProcessC(1, list.c_str(), 6), ZAV_ERR_NO_TERMINAL);
  EXPECT_LE(Clock::now() - start, 1500ms);
  EXPECT_EQ(Read("/z1/bd001", 51).status, ZAV_ERR_NOT_LINKED);  // a failed register links nothing
  EXPECT_EQ(ZavCloseProcessC(), ZAV_OK);
}

}  // namespace
}  // namespace zavo::testing
