#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "api_test_support.h"
#include "sim_process.h"

namespace zavo::testing {

// A simulator of `terminals` terminals at 127.<a>.<b>.1 and up, with a key
// log, for one test. Every test picks its own a.b so tests can run in
// parallel without sharing an address.
class SimFixture : public ::testing::Test {
 protected:
  void StartSim(int a, int b, int terminals = 3, std::vector<std::string> extra = {}) {
    a_ = a;
    b_ = b;
    terminals_ = terminals;
    const std::string tag = std::to_string(a) + "-" + std::to_string(b);
    if (!keylog_.empty()) std::remove(keylog_.c_str());
    keylog_ = TempPath("keylog-" + tag);
    std::vector<std::string> args = {
        "--terminals", std::to_string(terminals), "--address", Address(1), "--keylog", keylog_};
    args.insert(args.end(), extra.begin(), extra.end());
    if (!simOut_.empty()) std::remove(simOut_.c_str());
    simOut_ = TempPath("sim-" + tag);
    sim_ = std::make_unique<sim::SimProcess>(ZAVOSIM_PATH, args, simOut_);
    ASSERT_TRUE(sim_->Start(terminals)) << sim_->Output();
  }

  void TearDown() override {
    ZavCloseProcessC();
    sim_.reset();
    if (!keylog_.empty()) std::remove(keylog_.c_str());
    if (!simOut_.empty() && !HasFailure()) std::remove(simOut_.c_str());
  }

  std::string Address(int n) const {
    return "127." + std::to_string(a_) + "." + std::to_string(b_) + "." + std::to_string(n);
  }
  std::string List(int count = -1) const {
    return PaddedList(127, a_, b_, 1, count < 0 ? terminals_ : count);
  }
  std::int16_t Register(int count = -1) {
    const std::string list = List(count);
    return ZavRegisterProcessC(1, list.c_str(), count < 0 ? terminals_ : count);
  }

  std::vector<std::string> KeyLogLines() const {
    std::ifstream in(keylog_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  std::unique_ptr<sim::SimProcess> sim_;
  std::string keylog_;
  std::string simOut_;
  int a_ = 0, b_ = 0, terminals_ = 0;
};

}  // namespace zavo::testing
