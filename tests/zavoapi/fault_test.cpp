// The library against broken and hostile terminals. Addresses 127.11.<n>.x.
#include <gtest/gtest.h>

#include <memory>

#include "api_test_support.h"
#include "fault_peer.h"

namespace zavo::testing {
namespace {

using Mode = FaultPeer::Mode;

class Faults : public ::testing::Test {
 protected:
  void TearDown() override { ZavCloseProcessC(); }
};

struct SessionFault {
  const char* name;
  Mode mode;
  std::int16_t status;  // what the read during the fault gives
};

// A terminal that misbehaves within a session: the read fails promptly with
// the fitting code, nothing is written, and once the terminal behaves again
// the renewed connection serves reads without a new register.
TEST_F(Faults, SessionFaultsFailTheReadAndTheLinkRecovers) {
  const SessionFault faults[] = {
      {"garbage", Mode::kGarbage, ZAV_ERR_PROTOCOL},
      {"truncated", Mode::kTruncated, ZAV_ERR_NOT_CONNECTED},
      {"oversized", Mode::kOversized, ZAV_ERR_PROTOCOL},
      {"unsolicited", Mode::kUnsolicited, ZAV_ERR_PROTOCOL},
      {"silent", Mode::kSilentAfterHello, ZAV_ERR_TIMEOUT},
  };
  int c = 1;
  for (const auto& f : faults) {
    SCOPED_TRACE(f.name);
    FaultPeer peer("127.11.1." + std::to_string(c), f.mode);
    const std::string list = PaddedList(127, 11, 1, c, 1);
    ++c;
    ASSERT_EQ(ZavRegisterProcessC(1, list.c_str(), 1), ZAV_OK);
    const auto r = Read("/z1/bd001", 51);
    EXPECT_EQ(r.status, f.status);
    EXPECT_TRUE(std::all_of(r.bytes.begin(), r.bytes.end(), [](char b) {
      return static_cast<unsigned char>(b) == kGuard;
    })) << "a failed read wrote into the buffer";
    peer.SetMode(Mode::kGood);
    Clock::duration took{};
    EXPECT_TRUE(
        Eventually([] { return Read("/z1/bd001", 51).text() == "GOOD /bd001"; }, 2s, &took));
    EXPECT_GE(peer.connections(), 2) << "the connection was renewed";
    ZavCloseProcessC();
  }
}

// A terminal that never completes the hello: register fails when it is the
// only one, and when another terminal is up it is retried in the background
// until it behaves.
TEST_F(Faults, HandshakeFaultsAreRetriedInTheBackground) {
  for (Mode mode : {Mode::kSilentAtHello, Mode::kWrongVersion}) {
    const int c = mode == Mode::kSilentAtHello ? 1 : 2;
    const std::string faulty = "127.11.2." + std::to_string(c);
    FaultPeer peer(faulty, mode);
    FaultPeer good("127.11.3." + std::to_string(c), Mode::kGood);

    const std::string alone = PaddedList(127, 11, 2, c, 1);
    const auto start = Clock::now();
    EXPECT_EQ(ZavRegisterProcessC(1, alone.c_str(), 1), ZAV_ERR_NO_TERMINAL);
    EXPECT_LE(Clock::now() - start, 1500ms);

    const std::string both = alone + "," + PaddedList(127, 11, 3, c, 1);
    ASSERT_EQ(ZavRegisterProcessC(1, both.c_str(), 2), ZAV_OK);
    EXPECT_EQ(Read("/z1/bd001", 51).status, ZAV_ERR_NOT_CONNECTED);
    EXPECT_EQ(Read("/z2/bd001", 51).text(), "GOOD /bd001");
    peer.SetMode(Mode::kGood);
    EXPECT_TRUE(Eventually([] { return Read("/z1/bd001", 51).text() == "GOOD /bd001"; }, 2500ms));
    ZavCloseProcessC();
  }
}

TEST_F(Faults, OverlongValuesAreCutToTheCallersLength) {
  FaultPeer peer("127.11.4.1", Mode::kLongValues);
  ASSERT_EQ(ZavRegisterProcessC(1, "127.011.004.001", 1), ZAV_OK);
  for (const char* field : {"/bd001", "/wt102", "/cs118", "/zav11", "/wt103", "/bd030"}) {
    const bool raw = std::string(field) == "/bd030";
    for (std::int32_t length : {1, 2, 4, 16, 51, 600}) {
      const auto r = Read(std::string("/z1") + field, length);  // guard checked there
      ASSERT_EQ(r.status, ZAV_OK) << field << " " << length;
      if (raw) {
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), 512);
        for (std::size_t i = 0; i < r.bytes.size(); ++i) {
          EXPECT_EQ(r.bytes[i], i < n ? 0x5A : 0) << field << " byte " << i;
        }
      } else {
        EXPECT_EQ(r.text(), std::string(std::min(length - 1, 512), 'X')) << field << " " << length;
      }
    }
  }
}

}  // namespace
}  // namespace zavo::testing
