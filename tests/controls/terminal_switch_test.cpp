#include "controls/terminal_switch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zavo {
namespace {

// Every port writes what it was asked into one log, so the order shows.
struct Log {
  std::vector<std::string> lines;
  void operator()(std::string s) { lines.push_back(std::move(s)); }
};

struct Host : SwitchHost {
  Log& log;
  bool printDown = false, trendDown = false;
  explicit Host(Log& l) : log(l) {}
  void SetBusyCursor(bool b) override { log(b ? "busy" : "idle"); }
  void StopPoll() override { log("stop"); }
  void StartPoll() override { log("start"); }
  void SetPollInterval(int32_t ms) override { log("interval " + std::to_string(ms)); }
  void SetLampHint(int lamp, const std::string& h) override {
    log("hint " + std::to_string(lamp) + " " + h);
  }
  void KeepLabels(const std::vector<std::string>& i, const std::vector<std::string>& o) override {
    log("labels " + std::to_string(i.size()) + " " + std::to_string(o.size()));
  }
  void ShowTerminalName(int n) override { log("name " + std::to_string(n)); }
  void ReadIdentity(int n) override { log("identity " + std::to_string(n)); }
  bool PrintSwitchDown() const override { return printDown; }
  void ReleasePrintSwitch() override { log("release print"); }
  bool TrendSwitchDown() const override { return trendDown; }
};

struct Trend : TrendProfilePort {
  Log& log;
  explicit Trend(Log& l) : log(l) {}
  void StoreView() override { log("store view"); }
  void SetPenTitle(int pen, const std::string& t) override {
    log("title " + std::to_string(pen) + " " + t);
  }
  void ResetTriggerControls() override { log("reset trigger controls"); }
  void SetTriggerEntry(int pen, const std::string& t) override {
    log("trigger " + std::to_string(pen) + " " + t);
  }
  void ResetTrend() override { log("reset trend"); }
  void LoadTrendSettings(int n) override { log("load trend " + std::to_string(n)); }
};

struct Printer : PrinterProfilePort {
  Log& log;
  explicit Printer(Log& l) : log(l) {}
  void SetPrintPort(int32_t p) override { log("port " + std::to_string(p)); }
  void SetHeartbeatText(const std::string& t) override { log("heartbeat " + t); }
  void ClearText() override { log("clear print"); }
};

struct Chart : ChartSettingsProfilePort {
  Log& log;
  explicit Chart(Log& l) : log(l) {}
  void SetPenEntry(int pen, const std::string& t) override {
    log("pen " + std::to_string(pen) + " " + t);
  }
};

struct SwitchFixture : ::testing::Test {
  Log log;
  Host host{log};
  Trend trend{log};
  Printer printer{log};
  Chart chart{log};
  std::optional<SwitchProfile> profile = SwitchProfile{250, 1750, "HB", "a,b,c,d", "w,x,y,z"};
  bool throwRegistry = false;
  TerminalSwitch sw{host, trend, printer, chart, [this](int slot) {
                      log("load " + std::to_string(slot));
                      if (throwRegistry) throw RegistryError("Failed to get data for 'LPrintPort'");
                      return profile;
                    }};
};

TEST_F(SwitchFixture, StepsInOrder) {
  host.printDown = true;
  host.trendDown = true;
  EXPECT_TRUE(sw.Switch(2, 1, 3));
  const std::vector<std::string> expected = {
      "busy",         "stop",         "store view",   "load 2",        "interval 250",
      "port 1750",    "heartbeat HB", "labels 4 4",   "hint 0 a",      "hint 1 b",
      "hint 2 c",     "hint 3 d",     "hint 4 w",     "hint 5 x",      "hint 6 y",
      "hint 7 z",     "title 5 a",    "title 6 b",    "title 7 c",     "title 8 d",
      "title 9 w",    "title 10 x",   "title 11 y",   "title 12 z",    "reset trigger controls",
      "trigger 5 a",  "pen 5 a",      "trigger 6 b",  "pen 6 b",       "trigger 7 c",
      "pen 7 c",      "trigger 8 d",  "pen 8 d",      "trigger 9 w",   "pen 9 w",
      "trigger 10 x", "pen 10 x",     "trigger 11 y", "pen 11 y",      "trigger 12 z",
      "pen 12 z",     "name 2",       "clear print",  "release print", "reset trend",
      "load trend 2", "identity 2",   "idle",         "start"};
  EXPECT_EQ(log.lines, expected);
}

TEST_F(SwitchFixture, RefusesMovesOutOfRange) {
  EXPECT_FALSE(sw.Switch(4, 1, 3));
  EXPECT_FALSE(sw.Switch(0, 1, 3));
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(SwitchFixture, AMissingSlotKeepsTheProfileButStillNamesAndClosesThePrinter) {
  profile.reset();
  host.printDown = true;
  EXPECT_TRUE(sw.Switch(3, 1, 3));
  EXPECT_EQ(log.lines, (std::vector<std::string>{"busy", "stop", "store view", "load 3", "name 3",
                                                 "clear print", "release print", "identity 3",
                                                 "idle", "start"}));
}

TEST_F(SwitchFixture, BadProfilesChangeNothingAndLeaveThePanelRunning) {
  struct Case {
    const char* why;
    std::string inputs, outputs;
    bool registryError;
    std::string message;
  } cases[] = {
      {"empty input labels", "", "w,x,y,z", false, "List index out of bounds (0)"},
      {"three output labels", "a,b,c,d", "w,x,y", false, "List index out of bounds (3)"},
      {"a missing integer value", "a,b,c,d", "w,x,y,z", true,
       "Failed to get data for 'LPrintPort'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    log.lines.clear();
    profile = SwitchProfile{250, 1750, "", c.inputs, c.outputs};
    throwRegistry = c.registryError;
    try {
      sw.Switch(2, 1, 3);
      ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"busy", "stop", "store view", "load 2", "idle", "start"}));
  }
}

TEST(TerminalNameLabel, NameDashAddressAndShortLists) {
  const std::vector<std::string> names = {"Filler", "Line 2"};
  const std::vector<std::string> addresses = {"127.0.0.1", "10.0.0.7", "127.0.0.3"};
  EXPECT_EQ(TerminalNameLabel(names, addresses, 2), "Line 2 - 10.0.0.7");
  EXPECT_EQ(TerminalNameLabel(names, addresses, 3), " - 127.0.0.3");
}

}  // namespace
}  // namespace zavo
