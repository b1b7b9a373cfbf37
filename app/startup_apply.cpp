#include "app/startup_apply.h"

#include "app/startup_list.h"
#include "controls/terminal_switch.h"
#include "link/address.h"

namespace zavo {

StartupOutcome ApplyStartup(const StartupSettings& loaded, int screenWidth, int screenHeight,
                            MainState& state) {
  StartupOutcome outcome;
  if (loaded.found) {
    state.benchmark = loaded.benchmark;
    state.rawIpList = loaded.ipList;
    state.rawNameList = loaded.nameList;
    if (loaded.currentZavNumber >= 1 && loaded.currentZavNumber <= state.selectorMax)
      state.currentTerminal = loaded.currentZavNumber;
    state.showHints = loaded.showHints;
    state.left = loaded.leftPosition;
    state.top = loaded.topPosition;
    outcome.keypadEnabled = loaded.keypadEnabled;
    if (state.left > screenWidth || state.left < 0) state.left = 10;
    // A negative top stays: the window may hang above the screen's edge.
    if (int64_t{state.top} > int64_t{screenHeight} + 40) state.top = 10;
  }

  state.names = SplitStartupList(state.rawNameList);
  state.storedAddresses = SplitStartupList(state.rawIpList);
  state.plainAddresses.clear();
  for (const std::string& a : state.storedAddresses)
    state.plainAddresses.push_back(NormalizeAddress(a));

  state.selectorMax =
      state.plainAddresses.empty() ? 1 : static_cast<int>(state.plainAddresses.size());
  if (state.currentTerminal > state.selectorMax) state.currentTerminal = state.selectorMax;

  if (!state.names.empty())
    outcome.nameLabel = TerminalNameLabel(state.names, state.plainAddresses, state.currentTerminal);
  return outcome;
}

ClosingSettings ClosingFrom(const MainState& state, int32_t left, int32_t top) {
  ClosingSettings s;
  s.ipList = state.rawIpList;
  s.nameList = state.rawNameList;
  s.currentZavNumber = state.currentTerminal;
  s.showHints = state.showHints;
  s.leftPosition = left;
  s.topPosition = top;
  return s;
}

}  // namespace zavo
