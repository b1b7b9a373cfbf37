#include "link/panel_poll.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "tests/support/fake_access_library.h"

namespace zavo {
namespace {

using testing::FakeAccessLibrary;

// The face as plain values, counting every write that would repaint.
class FakeView : public PanelView {
 public:
  std::string weight = kWeightPlaceholder;
  std::string display = "Wait for connect";
  std::array<bool, 22> annunciators;
  std::array<bool, 3> subscripts;
  std::string hint = "Gross Weight";
  std::array<LampColour, 8> lamps;
  std::string cycleTime = "<10ms";
  int repaints = 0;

  FakeView() {
    annunciators.fill(true);  // design colour aqua
    subscripts.fill(true);
    lamps.fill(LampColour::Black);
  }
  std::string WeightCaption() const override { return weight; }
  void SetWeightCaption(const std::string& t) override { Write(weight, t); }
  std::string DisplayCaption() const override { return display; }
  void SetDisplayCaption(const std::string& t) override { Write(display, t); }
  void SetAnnunciator(int i, bool on) override { Write(annunciators[i], on); }
  void SetIntervalSubscript(int i, bool on) override { Write(subscripts[i], on); }
  void SetWeightHint(const std::string& h) override { hint = h; }  // a hint repaints nothing
  LampColour LampPenColour(int lamp) const override { return lamps[lamp]; }
  void SetLampColour(int lamp, LampColour c) override {
    ++lampWrites;
    Write(lamps[lamp], c);
  }
  void ShowCycleTime(const std::string& t) override {
    cycleTime = t;
    ++repaints;
  }
  int lampWrites = 0;

 private:
  template <typename T>
  void Write(T& field, const T& value) {
    if (field != value) ++repaints;
    field = value;
  }
};

class Recorder : public TrendRecorder {
 public:
  void TakeSample(const TrendSample& s) override { samples.push_back(s); }
  std::vector<TrendSample> samples;
};

std::string Record(const std::string& weight8, const std::string& lower16,
                   const std::string& flags23 = std::string(23, '0')) {
  return weight8 + lower16 + flags23;
}

std::string Bytes(unsigned char a, unsigned char b) {
  return std::string{char(a), char(b)};
}

struct PollFixture : ::testing::Test {
  FakeAccessLibrary lib;
  FakeView view;
  Recorder recorder;
  PanelPoll poll{lib, view, recorder};

  void SetUp() override {
    // Terminal 2: a net weight of 125, scales 1..4, input 1 and output 2 on.
    std::string flags(23, '0');
    flags[1] = '1';   // NET
    flags[20] = '1';  // W1 (position 45)
    lib.Set("/z2/bd001", Record("     125", "  Filling       ", flags));
    for (int i = 1; i <= 4; ++i)
      lib.Set("/z2/wt" + std::to_string(i) + "02", std::to_string(i * 100));
    lib.Set("/z2/bd030", Bytes(0x01, 0x00));
    lib.Set("/z2/bd031", Bytes(0x02, 0x00));
  }
  void Cycle(bool benchmark = false) { poll.RunCycle(2, 100, benchmark); }
};

// One cycle from the initial state for each kind of read result.
TEST_F(PollFixture, OneCycleAgainstEachReadResult) {
  struct Case {
    const char* why;
    std::function<void(FakeAccessLibrary&)> script;
    std::string weight, display;
    bool sampled;
    int32_t weightSample;
    std::array<int32_t, 4> scales;
    bool inputsRead, outputsRead;
    std::array<LampColour, 8> lamps;
  };
  using L = LampColour;
  const std::array<L, 8> normalLamps = {L::Green, L::Black, L::Black, L::Black,
                                        L::Black, L::Red,   L::Black, L::Black};
  const std::array<L, 8> dark = {L::Black, L::Black, L::Black, L::Black,
                                 L::Black, L::Black, L::Black, L::Black};
  const Case cases[] = {
      {"all reads succeed",
       [](auto&) {},
       "125",
       "  Filling       ",
       true,
       125,
       {100, 200, 300, 400},
       true,
       true,
       normalLamps},
      {"record fails: nothing else is read or shown",
       [](auto& l) { l.Fail("/z2/bd001", -4); },
       "-------",
       "Error: -4",
       false,
       0,
       {0, 0, 0, 0},
       false,
       false,
       dark},
      {"a short record counts as a failed read",
       [](auto& l) { l.Set("/z2/bd001", std::string("     125  Filling")); },
       "-------",
       "Error: -7",
       false,
       0,
       {0, 0, 0, 0},
       false,
       false,
       dark},
      {"scale B fails: its value is 0, silently",
       [](auto& l) { l.Fail("/z2/wt202", -5); },
       "125",
       "  Filling       ",
       true,
       125,
       {100, 0, 300, 400},
       true,
       true,
       normalLamps},
      {"inputs fail: error shown, outputs still applied",
       [](auto& l) { l.Fail("/z2/bd030", -5); },
       "-------",
       "Error: -5",
       true,
       125,
       {100, 200, 300, 400},
       false,
       true,
       {L::Black, L::Black, L::Black, L::Black, L::Black, L::Red, L::Black, L::Black}},
      {"outputs fail: error shown, inputs applied",
       [](auto& l) { l.Fail("/z2/bd031", -4); },
       "-------",
       "Error: -4",
       true,
       125,
       {100, 200, 300, 400},
       true,
       false,
       {L::Green, L::Black, L::Black, L::Black, L::Black, L::Black, L::Black, L::Black}},
      {"weight equal to the placeholder: caption and sample unchanged",
       [](auto& l) { l.Set("/z2/bd001", Record(" -------", std::string(16, ' '))); },
       "-------",
       std::string(16, ' '),
       true,
       0,
       {100, 200, 300, 400},
       true,
       true,
       normalLamps},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    FakeAccessLibrary l;
    l.answers = lib.answers;
    c.script(l);
    FakeView v;
    Recorder r;
    PanelPoll p(l, v, r);
    p.RunCycle(2, 100, false);
    EXPECT_EQ(v.weight, c.weight);
    EXPECT_EQ(v.display, c.display);
    EXPECT_EQ(v.lamps, c.lamps);
    EXPECT_EQ(p.weightSample(), c.weightSample);
    EXPECT_EQ(p.scaleSamples(), c.scales);
    ASSERT_EQ(r.samples.size(), c.sampled ? 1u : 0u);
    if (!c.sampled) {
      EXPECT_EQ(l.reads.size(), 1u);
      EXPECT_EQ(v.annunciators, FakeView().annunciators);  // left as they were
      continue;
    }
    const TrendSample& s = r.samples[0];
    EXPECT_EQ(s.weight, c.weightSample);
    EXPECT_EQ(s.scale, c.scales);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(s.scaleRead[i], c.scales[i] != 0);
    EXPECT_EQ(s.inputsRead, c.inputsRead);
    EXPECT_EQ(s.outputsRead, c.outputsRead);
    EXPECT_EQ(s.inputs, c.inputsRead ? 0x01 : 0x00);
    EXPECT_EQ(s.outputs, c.outputsRead ? 0x02 : 0x00);
    EXPECT_EQ(s.inputChanged[0], c.inputsRead);
    EXPECT_EQ(s.outputChanged[1], c.outputsRead);
    EXPECT_EQ(s.intervalMs, 100u);
    EXPECT_EQ(l.reads.size(), 7u);
  }
}

TEST_F(PollFixture, ReadsTheCurrentTerminalsFieldsInOrder) {
  Cycle();
  EXPECT_EQ(lib.reads, (std::vector<std::string>{"/z2/bd001", "/z2/wt102", "/z2/wt202", "/z2/wt302",
                                                 "/z2/wt402", "/z2/bd030", "/z2/bd031"}));
}

TEST_F(PollFixture, AnnunciatorsSubscriptsAndHintFollowTheFlags) {
  Cycle();
  for (int i = 0; i < 22; ++i) EXPECT_EQ(view.annunciators[i], i == 1 || i == 19) << i;
  EXPECT_EQ(view.subscripts, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(view.hint, "Net Weight");
}

TEST_F(PollFixture, NothingRepaintsWhenNothingChanged) {
  Cycle();
  view.repaints = 0;
  view.lampWrites = 0;
  Cycle();
  Cycle();
  EXPECT_EQ(view.repaints, 0);
  EXPECT_EQ(view.lampWrites, 0);
  ASSERT_EQ(recorder.samples.size(), 3u);
  for (bool changed : recorder.samples[2].inputChanged) EXPECT_FALSE(changed);
  for (bool changed : recorder.samples[2].outputChanged) EXPECT_FALSE(changed);
}

TEST_F(PollFixture, DiscreteKeyChanges) {
  Cycle();
  // Only the second byte changes: the key is new, but no lamp and no mark.
  lib.Set("/z2/bd030", Bytes(0x01, 0x80));
  Cycle();
  EXPECT_EQ(poll.lastInputKey(), 0x8001);
  EXPECT_EQ(recorder.samples.back().inputChanged, (std::array<bool, 4>{}));
  // Input 1 off, inputs 3 and 4 on: exactly those lamps change.
  lib.Set("/z2/bd030", Bytes(0x0C, 0x80));
  view.lampWrites = 0;
  Cycle();
  EXPECT_EQ(view.lampWrites, 3);
  EXPECT_EQ(recorder.samples.back().inputChanged, (std::array<bool, 4>{true, false, true, true}));
  EXPECT_EQ(view.lamps[2], LampColour::Green);
  EXPECT_EQ(view.lamps[0], LampColour::Black);
}

TEST_F(PollFixture, KeptKeysSurviveATerminalSwitch) {
  Cycle();
  // Terminal 3 has the same discrete words: nothing changes, nothing marked.
  for (const auto& [name, answer] : FakeAccessLibrary(lib).answers)
    lib.answers["/z3" + name.substr(3)] = answer;
  view.lampWrites = 0;
  poll.RunCycle(3, 100, false);
  EXPECT_EQ(view.lampWrites, 0);
  EXPECT_EQ(recorder.samples.back().inputChanged, (std::array<bool, 4>{}));
}

TEST_F(PollFixture, WeightComesBackAfterAFailedDiscreteRead) {
  lib.Fail("/z2/bd030", -5);
  Cycle();
  EXPECT_EQ(view.weight, "-------");
  lib.Set("/z2/bd030", Bytes(0x01, 0x00));
  Cycle();
  EXPECT_EQ(view.weight, "125");
  EXPECT_EQ(view.display, "  Filling       ");
  // The sample keeps the value of the text now shown.
  lib.Set("/z2/bd001", Record("  -3.50 ", std::string(16, ' ')));
  Cycle();
  EXPECT_EQ(recorder.samples.back().weight, 400000);
}

TEST_F(PollFixture, BenchmarkShowsTheMillisecondPart) {
  int64_t now = 5000;
  int calls = 0;
  poll.SetClock([&] { return (calls++ == 0) ? now : now + 1250; });
  Cycle(true);
  EXPECT_EQ(view.cycleTime, "250ms");
  // Off: the label is left alone; a failed record shows no time either.
  calls = 0;
  view.cycleTime = "<10ms";
  Cycle(false);
  lib.Fail("/z2/bd001", -1);
  Cycle(true);
  EXPECT_EQ(view.cycleTime, "<10ms");
}

}  // namespace
}  // namespace zavo
