// One cycle of the live panel poll: read the current terminal's panel
// record, scale weights and discrete words, write onto the face only what
// changed, and hand one sample to the trend recorder. The face is reached
// through PanelView so that the cycle runs without any window.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "link/access_library.h"
#include "trend/trend_recorder.h"

namespace zavo {

enum class LampColour { Black, Green, Red };

// The face as the poll sees it. Lamps are numbered 0..3 for inputs 1..4 and
// 4..7 for outputs 1..4.
class PanelView {
 public:
  virtual ~PanelView() = default;
  virtual std::string WeightCaption() const = 0;
  virtual void SetWeightCaption(const std::string& text) = 0;
  virtual std::string DisplayCaption() const = 0;
  virtual void SetDisplayCaption(const std::string& text) = 0;
  // Font colour of annunciator `index` (annunciator table order): aqua when
  // on, grey text when off. Setting the colour it has must repaint nothing.
  virtual void SetAnnunciator(int index, bool on) = 0;
  // The subscripts l1..l3 (0..2) take the colour of their W lamp.
  virtual void SetIntervalSubscript(int index, bool on) = 0;
  virtual void SetWeightHint(const std::string& hint) = 0;
  virtual LampColour LampPenColour(int lamp) const = 0;
  // Pen first, then brush, always to the same colour.
  virtual void SetLampColour(int lamp, LampColour colour) = 0;
  // Shown at once, even while the interface is busy.
  virtual void ShowCycleTime(const std::string& text) = 0;
};

// A panel record that is too short to carry every flag is reported like a
// failed read, with this status (the library's "protocol error").
inline constexpr int16_t kShortRecordStatus = -7;

inline constexpr const char* kWeightPlaceholder = "-------";

class PanelPoll {
 public:
  // Milliseconds of local time; only differences are used.
  using Clock = std::function<int64_t()>;

  PanelPoll(AccessLibrary& library, PanelView& view, TrendRecorder& recorder);

  void SetClock(Clock clock) { clock_ = std::move(clock); }

  // One `UpdateTimer` cycle for terminal n.
  void RunCycle(int terminal, uint32_t intervalMs, bool benchmark);

  // Kept values, shared by every terminal and never reset.
  int32_t weightSample() const { return weightSample_; }
  const std::array<int32_t, 4>& scaleSamples() const { return scaleSamples_; }
  uint16_t lastInputKey() const { return lastInputKey_; }
  uint16_t lastOutputKey() const { return lastOutputKey_; }

  static std::string FieldName(int terminal, const std::string& field);
  static std::string ErrorText(int16_t status);

 private:
  // Reads one discrete word and updates its four lamps; false when the read
  // failed. `first` receives the word's first byte.
  bool ReadDiscrete(int terminal, const char* field, int firstLamp, LampColour on,
                    uint16_t& lastKey, uint8_t& first, std::array<bool, 4>& changed);
  void ShowError(int16_t status);

  AccessLibrary& library_;
  PanelView& view_;
  TrendRecorder& recorder_;
  Clock clock_;

  int32_t weightSample_ = 0;
  std::array<int32_t, 4> scaleSamples_{};
  uint16_t lastInputKey_ = 0;
  uint16_t lastOutputKey_ = 0;
};

}  // namespace zavo
