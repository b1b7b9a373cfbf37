// The receiver of the poll's samples. The trend window's recorder fills it;
// until then the panel hands its samples to whatever stands in.
#pragma once

#include "trend/trend_sample.h"

namespace zavo {

class TrendRecorder {
 public:
  virtual ~TrendRecorder() = default;
  virtual void TakeSample(const TrendSample& sample) = 0;
};

}  // namespace zavo
