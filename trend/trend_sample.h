// What the live poll hands to the trend recorder after every cycle whose
// panel record was read. Arrays are indexed from 0: scale A..D, lamp 1..4.
#pragma once

#include <array>
#include <cstdint>

namespace zavo {

struct TrendSample {
  int32_t weight = 0;  // the weight value of the readout now shown
  std::array<bool, 4> scaleRead{};
  std::array<int32_t, 4> scale{};  // 0 after a failed read
  bool inputsRead = false;
  uint8_t inputs = 0;  // bits 0..3 = inputs 1..4
  std::array<bool, 4> inputChanged{};
  bool outputsRead = false;
  uint8_t outputs = 0;
  std::array<bool, 4> outputChanged{};
  uint32_t intervalMs = 100;  // the poll interval, the recorder's time step
};

}  // namespace zavo
