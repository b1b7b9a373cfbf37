#include "controls/terminal_switch.h"

#include <utility>

#include "controls/label_split.h"

namespace zavo {
namespace {

constexpr int kFirstInputPen = 5;
constexpr int kFirstOutputPen = 9;

void RequireFourLabels(const std::vector<std::string>& labels) {
  if (labels.size() < 4) throw ListIndexError(static_cast<int>(labels.size()));
}

}  // namespace

std::string TerminalNameLabel(const std::vector<std::string>& names,
                              const std::vector<std::string>& plainAddresses, int terminal) {
  const size_t i = static_cast<size_t>(terminal - 1);
  const std::string name = terminal >= 1 && i < names.size() ? names[i] : std::string();
  const std::string address =
      terminal >= 1 && i < plainAddresses.size() ? plainAddresses[i] : std::string();
  return name + " - " + address;
}

TerminalSwitch::TerminalSwitch(SwitchHost& host, TrendProfilePort& trend,
                               PrinterProfilePort& printer, ChartSettingsProfilePort& chart,
                               ProfileLoader loader)
    : host_(host), trend_(trend), printer_(printer), chart_(chart), loader_(std::move(loader)) {}

bool TerminalSwitch::Switch(int terminal, int minimum, int maximum) {
  if (terminal < minimum || terminal > maximum) return false;
  host_.SetBusyCursor(true);
  host_.StopPoll();
  try {
    trend_.StoreView();
    ApplyProfile(terminal);
    host_.ReadIdentity(terminal);
  } catch (...) {
    host_.SetBusyCursor(false);
    host_.StartPoll();
    throw;
  }
  host_.SetBusyCursor(false);
  host_.StartPoll();
  return true;
}

void TerminalSwitch::ApplyProfile(int terminal) {
  if (const std::optional<SwitchProfile> profile = loader_(terminal)) {
    const std::vector<std::string> inputs = SplitLabels(profile->inputLabels);
    const std::vector<std::string> outputs = SplitLabels(profile->outputLabels);
    RequireFourLabels(inputs);
    RequireFourLabels(outputs);

    host_.SetPollInterval(profile->refreshInterval);
    printer_.SetPrintPort(profile->printPort);
    printer_.SetHeartbeatText(profile->heartbeatMessage);
    host_.KeepLabels(inputs, outputs);
    for (int k = 0; k < 4; ++k) host_.SetLampHint(k, inputs[k]);
    for (int k = 0; k < 4; ++k) host_.SetLampHint(4 + k, outputs[k]);
    for (int k = 0; k < 4; ++k) trend_.SetPenTitle(kFirstInputPen + k, inputs[k]);
    for (int k = 0; k < 4; ++k) trend_.SetPenTitle(kFirstOutputPen + k, outputs[k]);
    trend_.ResetTriggerControls();
    for (int k = 0; k < 4; ++k) {
      trend_.SetTriggerEntry(kFirstInputPen + k, inputs[k]);
      chart_.SetPenEntry(kFirstInputPen + k, inputs[k]);
    }
    for (int k = 0; k < 4; ++k) {
      trend_.SetTriggerEntry(kFirstOutputPen + k, outputs[k]);
      chart_.SetPenEntry(kFirstOutputPen + k, outputs[k]);
    }
  }
  host_.ShowTerminalName(terminal);
  if (host_.PrintSwitchDown()) {
    printer_.ClearText();
    host_.ReleasePrintSwitch();
  }
  if (host_.TrendSwitchDown()) {
    trend_.ResetTrend();
    trend_.LoadTrendSettings(terminal);
  }
}

}  // namespace zavo
