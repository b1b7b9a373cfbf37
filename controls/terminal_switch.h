// Changing the current terminal and applying a terminal's profile: the
// order of the steps and what they refuse. The main window, the trend
// window, the virtual printer and the chart settings are reached through
// the ports below, so that the order can be followed without any window.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace zavo {

// A label list that holds fewer than four labels.
class ListIndexError : public std::out_of_range {
 public:
  explicit ListIndexError(int index)
      : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

// What the switch does to the main window. Lamps are 0..3 for inputs 1..4
// and 4..7 for outputs 1..4; a lamp hint goes to the shape and its glint.
class SwitchHost {
 public:
  virtual ~SwitchHost() = default;
  virtual void SetBusyCursor(bool busy) = 0;
  virtual void StopPoll() = 0;
  virtual void StartPoll() = 0;
  virtual void SetPollInterval(int32_t ms) = 0;
  virtual void SetLampHint(int lamp, const std::string& hint) = 0;
  virtual void KeepLabels(const std::vector<std::string>& inputs,
                          const std::vector<std::string>& outputs) = 0;
  // lZavName for terminal n, when the terminal list is not empty.
  virtual void ShowTerminalName(int terminal) = 0;
  virtual void ReadIdentity(int terminal) = 0;
  virtual bool PrintSwitchDown() const = 0;
  // Releases bShowPrint and applies the release: the printer window closes.
  virtual void ReleasePrintSwitch() = 0;
  virtual bool TrendSwitchDown() const = 0;
};

// What the profile step and the switch need of the trend window. Pens are
// numbered from 0 (Weight) to 12 (Output 4).
class TrendProfilePort {
 public:
  virtual ~TrendProfilePort() = default;
  // The window's close handler with the action that leaves it as it is: it
  // stores the view settings of the terminal it last showed.
  virtual void StoreView() = 0;
  virtual void SetPenTitle(int pen, const std::string& title) = 0;
  // Clears ckTriggered, deselects cbTrigger, clears and enables ckRecord.
  virtual void ResetTriggerControls() = 0;
  virtual void SetTriggerEntry(int pen, const std::string& text) = 0;
  virtual void ResetTrend() = 0;
  virtual void LoadTrendSettings(int terminal) = 0;
};

class PrinterProfilePort {
 public:
  virtual ~PrinterProfilePort() = default;
  virtual void SetPrintPort(int32_t port) = 0;
  virtual void SetHeartbeatText(const std::string& text) = 0;
  virtual void ClearText() = 0;
};

class ChartSettingsProfilePort {
 public:
  virtual ~ChartSettingsProfilePort() = default;
  virtual void SetPenEntry(int pen, const std::string& text) = 0;
};

// Reads what the switch needs from profile slot n; nothing when the slot is
// missing. May throw RegistryError.
using ProfileLoader = std::function<std::optional<SwitchProfile>(int slot)>;

// "<name> - <address>" of terminal n (from 1); a position beyond a
// hand-edited list gives an empty part instead of failing.
std::string TerminalNameLabel(const std::vector<std::string>& names,
                              const std::vector<std::string>& plainAddresses, int terminal);

class TerminalSwitch {
 public:
  TerminalSwitch(SwitchHost& host, TrendProfilePort& trend, PrinterProfilePort& printer,
                 ChartSettingsProfilePort& chart, ProfileLoader loader);

  // The selector is about to move to n. Returns whether the move is allowed.
  // A step that fails restores the cursor, restarts the poll and rethrows;
  // the selector then keeps its position.
  bool Switch(int terminal, int minimum, int maximum);

  // Applies profile n. Reads everything first and checks the labels, so a
  // bad profile changes nothing before it is reported.
  void ApplyProfile(int terminal);

 private:
  SwitchHost& host_;
  TrendProfilePort& trend_;
  PrinterProfilePort& printer_;
  ChartSettingsProfilePort& chart_;
  ProfileLoader loader_;
};

}  // namespace zavo
