#include "settings/subnet_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

namespace zavo {
namespace {

class FakeList : public ScanList {
 public:
  std::vector<TerminalEntry> entries;
  int Count() const override { return static_cast<int>(entries.size()); }
  const std::string& AddressAt(int i) const override {
    return entries.at(static_cast<size_t>(i)).address;
  }
  void Append(const TerminalEntry& e) override { entries.push_back(e); }
};

// Sockets and clock in one: hosts in `listening` accept, the rest refuse;
// each outcome reaches the scanner in the pump pass after the wait.
class FakeNet : public ScanConnector, public ScanPump, public ScanObserver {
 public:
  SubnetScanner* scanner = nullptr;
  std::set<std::string> listening;
  std::set<std::string> unstartable;
  std::vector<std::string> tried;
  std::vector<int> waits;
  long clockMs = 0;
  int closes = 0;
  int ended = 0;
  std::vector<ScanLamp> lamps;
  std::function<void(int pass)> duringPump;

  void Abandon() override { pending_.clear(); }
  void Connect(const std::string& address) override {
    if (unstartable.count(address)) throw std::runtime_error("socket error");
    tried.push_back(address);
    pending_ = address;
  }
  void Close() override { ++closes; }
  void Wait(int ms) override {
    waits.push_back(ms);
    clockMs += ms;
  }
  void PumpOnce() override {
    ++passes_;
    if (duringPump) duringPump(passes_);
    if (pending_.empty()) return;
    const std::string address = std::exchange(pending_, std::string());
    if (listening.count(address))
      scanner->OnConnected(address);
    else
      scanner->OnFailed();
  }
  void Lamp(ScanLamp state) override { lamps.push_back(state); }
  void ScanEnded() override { ++ended; }

 private:
  std::string pending_;
  int passes_ = 0;
};

class ScannerTest : public ::testing::Test {
 protected:
  ScannerTest() { net.scanner = &scanner; }
  void Scan(const std::string& prefix, int waitMs = 50) {
    scanner.Run(prefix, [waitMs] { return waitMs; });
  }
  FakeList list;
  FakeNet net;
  SubnetScanner scanner{list, net, net, net};
};

TEST(SubnetPrefix, OnlyAllNineDigitsMakeAPrefix) {
  EXPECT_TRUE(SubnetScanner::IsCompletePrefix("192.168.001"));
  EXPECT_FALSE(SubnetScanner::IsCompletePrefix("192.168.  1"));
  EXPECT_FALSE(SubnetScanner::IsCompletePrefix("   .   .   "));
  EXPECT_FALSE(SubnetScanner::IsCompletePrefix("192.168.1"));
  EXPECT_EQ(SubnetScanner::CandidateAddress("192.168.001", 7), "192.168.001.007");
}

TEST_F(ScannerTest, TriesHostsOneTo254InOrderWithTheFullWaitAtEach) {
  Scan("192.168.001", 100);
  ASSERT_EQ(net.tried.size(), 254u);
  EXPECT_EQ(net.tried.front(), "192.168.1.1");
  EXPECT_EQ(net.tried[6], "192.168.1.7");
  EXPECT_EQ(net.tried.back(), "192.168.1.254");
  for (const std::string& a : net.tried) {
    EXPECT_NE(a, "192.168.1.0");
    EXPECT_NE(a, "192.168.1.255");
  }
  EXPECT_EQ(net.clockMs, 254 * 100);
  EXPECT_FALSE(scanner.Active());
  EXPECT_EQ(net.ended, 1);
}

TEST_F(ScannerTest, GroupsAreTakenModulo256) {
  Scan("192.300.001");
  EXPECT_EQ(net.tried.front(), "192.44.1.1");
}

TEST_F(ScannerTest, FoundTerminalsAreNamedByTheirPosition) {
  const struct {
    int before;
    const char* name;
  } cases[] = {{0, "Zav1"}, {2, "Zav3"}, {4, "Zav5"}};
  for (const auto& c : cases) {
    FakeList l;
    for (int i = 0; i < c.before; ++i)
      l.entries.push_back({"T", "010.000.000.00" + std::to_string(i)});
    FakeNet n;
    SubnetScanner s(l, n, n, n);
    n.scanner = &s;
    n.listening = {"192.168.1.7"};
    s.Run("192.168.001", [] { return 50; });
    ASSERT_EQ(l.Count(), c.before + 1);
    EXPECT_EQ(l.entries.back().name, c.name);
    EXPECT_EQ(l.entries.back().address, "192.168.001.007");
    EXPECT_EQ(n.closes, 254);  // accepted and refused attempts alike
  }
}

TEST_F(ScannerTest, ListedAddressesAndAFullListAddNothing) {
  list.entries = {{"Mine", "192.168.001.007"}};
  net.listening = {"192.168.1.7", "192.168.1.9"};
  Scan("192.168.001");
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.entries[1].address, "192.168.001.009");
  EXPECT_EQ(list.entries[1].name, "Zav2");

  for (int i = 0; i < 4; ++i) list.entries.push_back({"T", "010.000.000.00" + std::to_string(i)});
  net.listening.insert("192.168.1.200");
  net.tried.clear();
  Scan("192.168.001");
  EXPECT_EQ(list.Count(), 6);
  EXPECT_EQ(net.tried.size(), 254u);  // every address is still tried
}

TEST_F(ScannerTest, StopEndsTheScanBeforeTheNextAddress) {
  net.listening = {"10.1.2.3", "10.1.2.9"};
  net.duringPump = [this](int pass) {
    if (pass == 5) scanner.RequestStop();
  };
  Scan("010.001.002");
  ASSERT_EQ(net.tried.size(), 5u);  // the attempt under way still gets its wait and pass
  EXPECT_EQ(net.tried.back(), "10.1.2.5");
  EXPECT_EQ(list.Count(), 1);
  EXPECT_FALSE(scanner.Active());
  EXPECT_EQ(net.ended, 1);

  net.duringPump = nullptr;
  net.tried.clear();
  Scan("010.001.002");  // ready for the next scan, from host 1 again
  EXPECT_EQ(net.tried.front(), "10.1.2.1");
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(ScannerTest, AnAttemptThatCannotStartShowsTheRedLampAndTheScanGoesOn) {
  net.unstartable = {"10.0.0.3"};
  Scan("010.000.000");
  EXPECT_EQ(net.tried.size(), 253u);
  EXPECT_EQ(net.waits.size(), 254u);
  EXPECT_NE(std::find(net.lamps.begin(), net.lamps.end(), ScanLamp::Red), net.lamps.end());
}

// The wait is the up-down's position, asked at every address; whatever ends
// the loop, the scan is left idle.
TEST_F(ScannerTest, WaitComesFromThePositionAndTheStateAlwaysClears) {
  int position = 150;
  net.duringPump = [&](int pass) {
    if (pass == 2) position = 2000;
  };
  scanner.Run("010.000.000", [&] { return position; });
  EXPECT_EQ(net.waits[0], 150);
  EXPECT_EQ(net.waits[1], 150);
  EXPECT_EQ(net.waits[2], 2000);

  int passes = 0;
  net.duringPump = [&](int) {
    if (++passes == 3) throw std::runtime_error("platform error");
  };
  EXPECT_THROW(Scan("010.000.000"), std::runtime_error);
  EXPECT_FALSE(scanner.Active());
  EXPECT_EQ(net.ended, 2);
}

}  // namespace
}  // namespace zavo
