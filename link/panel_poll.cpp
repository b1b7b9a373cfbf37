#include "link/panel_poll.h"

#include <chrono>

#include "link/panel_decoder.h"

namespace zavo {
namespace {

constexpr int32_t kTextFieldLength = 51;
constexpr size_t kTextBufferSize = 106;

int64_t SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

PanelPoll::PanelPoll(AccessLibrary& library, PanelView& view, TrendRecorder& recorder)
    : library_(library), view_(view), recorder_(recorder), clock_(SteadyMilliseconds) {}

std::string PanelPoll::FieldName(int terminal, const std::string& field) {
  return "/z" + std::to_string(terminal) + field;
}

std::string PanelPoll::ErrorText(int16_t status) {
  return "Error: " + std::to_string(status);
}

void PanelPoll::ShowError(int16_t status) {
  view_.SetWeightCaption(kWeightPlaceholder);
  view_.SetDisplayCaption(ErrorText(status));
}

void PanelPoll::RunCycle(int terminal, uint32_t intervalMs, bool benchmark) {
  const int64_t start = benchmark ? clock_() : 0;

  // Zeroed, so that a library that writes less than asked still leaves a
  // terminated text.
  char record[kTextBufferSize] = {};
  const int16_t recordStatus =
      library_.Read(FieldName(terminal, "/bd001"), kTextFieldLength, record);
  if (recordStatus != 0) {
    ShowError(recordStatus);
    return;
  }
  const PanelModel panel =
      DecodePanelRecord(std::string_view(record, sizeof record - 1));  // stops at the NUL
  if (!panel.complete) {
    ShowError(kShortRecordStatus);
    return;
  }

  if (panel.weightText != view_.WeightCaption()) {
    view_.SetWeightCaption(panel.weightText);
    weightSample_ = panel.weightValue;
  }
  if (panel.lowerText != view_.DisplayCaption()) view_.SetDisplayCaption(panel.lowerText);
  for (int i = 0; i < kAnnunciatorCount; ++i) view_.SetAnnunciator(i, panel.annunciators[i]);
  for (int k = 0; k < 3; ++k) view_.SetIntervalSubscript(k, panel.annunciators[19 + k]);
  view_.SetWeightHint(panel.weightHint);

  TrendSample sample;
  for (int i = 0; i < 4; ++i) {
    char text[kTextBufferSize] = {};
    const std::string field = "/wt" + std::to_string(i + 1) + "02";
    if (library_.Read(FieldName(terminal, field), kTextFieldLength, text) != 0) {
      scaleSamples_[i] = 0;
      sample.scaleRead[i] = false;
    } else {
      scaleSamples_[i] = DecodeScaleWeight(std::string_view(text, sizeof text - 1));
      sample.scaleRead[i] = true;
    }
  }

  sample.inputsRead = ReadDiscrete(terminal, "/bd030", 0, LampColour::Green, lastInputKey_,
                                   sample.inputs, sample.inputChanged);
  sample.outputsRead = ReadDiscrete(terminal, "/bd031", 4, LampColour::Red, lastOutputKey_,
                                    sample.outputs, sample.outputChanged);

  sample.weight = weightSample_;
  sample.scale = scaleSamples_;
  sample.intervalMs = intervalMs;
  recorder_.TakeSample(sample);

  if (benchmark) {
    const int64_t elapsed = clock_() - start;
    view_.ShowCycleTime(std::to_string(((elapsed % 1000) + 1000) % 1000) + "ms");
  }
}

bool PanelPoll::ReadDiscrete(int terminal, const char* field, int firstLamp, LampColour on,
                             uint16_t& lastKey, uint8_t& first, std::array<bool, 4>& changed) {
  unsigned char bytes[2] = {0, 0};
  const int16_t status =
      library_.Read(FieldName(terminal, field), 2, reinterpret_cast<char*>(bytes));
  if (status != 0) {
    ShowError(status);
    return false;
  }
  const DiscreteValue value = DecodeDiscrete(bytes[0], bytes[1]);
  first = static_cast<uint8_t>(bytes[0] & 0x0F);
  if (value.changeKey != lastKey) {
    lastKey = value.changeKey;
    for (int k = 0; k < 4; ++k) {
      const LampColour colour = value.lamps[k] ? on : LampColour::Black;
      if (view_.LampPenColour(firstLamp + k) != colour) {
        view_.SetLampColour(firstLamp + k, colour);
        changed[k] = true;
      }
    }
  }
  return true;
}

}  // namespace zavo
