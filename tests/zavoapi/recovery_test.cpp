// The simulator stopped, killed, frozen and brought back under a running
// link. Addresses 127.12.<n>.x.
#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace zavo::testing {
namespace {

class Recovery : public SimFixture {
 protected:
  bool ReadOk() { return Read("/z1/bd001", 51).status == ZAV_OK; }
  // Reads every 10 ms; gives the time until the first failure.
  bool FailsWithin(Clock::duration bound, Clock::duration* took) {
    return Eventually([this] { return !ReadOk(); }, bound, took, 10ms);
  }
};

TEST_F(Recovery, KilledOrStoppedSimulatorFailsFastAndComesBack) {
  for (bool kill : {true, false}) {
    SCOPED_TRACE(kill ? "SIGKILL" : "SIGTERM");
    StartSim(12, kill ? 1 : 2, 2);
    ASSERT_EQ(Register(), ZAV_OK);
    ASSERT_TRUE(ReadOk());
    if (kill) {
      sim_->Kill();
    } else {
      EXPECT_EQ(sim_->Stop(), 0) << "the simulator stops cleanly: " << sim_->Output();
    }
    Clock::duration took{};
    EXPECT_TRUE(FailsWithin(250ms, &took));
    EXPECT_EQ(Read("/z2/bd001", 51).status, ZAV_ERR_NOT_CONNECTED);

    ASSERT_TRUE(sim_->Start(2)) << sim_->Output();
    EXPECT_TRUE(Eventually([this] { return ReadOk(); }, 2s, &took)) << "no re-register needed";
    EXPECT_TRUE(Eventually([] { return Read("/z2/wt103", 4).text() == "kg"; }, 2s));
    // Keystrokes flow over the renewed connection too.
    ASSERT_EQ(ZavSendKeystrokeC(2, 1, 55), ZAV_OK);
    EXPECT_TRUE(Eventually([this] { return !KeyLogLines().empty(); }, 1s));
    ZavCloseProcessC();
    sim_.reset();
  }
}

TEST_F(Recovery, FrozenSimulatorFailsWithinASecondAndRecovers) {
  StartSim(12, 3, 1);
  ASSERT_EQ(Register(), ZAV_OK);
  ASSERT_TRUE(ReadOk());
  sim_->Freeze();  // the connection stays open, the terminal just stops answering
  Clock::duration took{};
  EXPECT_TRUE(FailsWithin(1s, &took));
  EXPECT_GE(took, 300ms) << "a copy of a live terminal must not fail for nothing";
  // It stays failed while frozen: a stale copy is never served again.
  const auto frozenUntil = Clock::now() + 700ms;
  while (Clock::now() < frozenUntil) {
    EXPECT_NE(Read("/z1/bd001", 51).status, ZAV_OK);
    std::this_thread::sleep_for(20ms);
  }
  sim_->Resume();
  EXPECT_TRUE(Eventually([this] { return ReadOk(); }, 2s, &took));
}

}  // namespace
}  // namespace zavo::testing
