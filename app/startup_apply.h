// What the main window keeps between its reloads, and the rules by which the
// root settings read at start-up are taken into it (number clamping, window
// position, the lists) and written back at close.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace zavo {

struct MainState {
  bool benchmark = false;
  std::string rawIpList;  // as last loaded, written back unchanged at close
  std::string rawNameList;
  int currentTerminal = 1;  // the selector's position
  int selectorMax = 6;      // its maximum: 6 until the first load
  bool showHints = true;
  int32_t left = 0;  // the stored window position
  int32_t top = 0;
  std::vector<std::string> names;
  std::vector<std::string> storedAddresses;  // padded form
  std::vector<std::string> plainAddresses;
};

struct StartupOutcome {
  std::optional<bool> keypadEnabled;     // set when the root key was found
  std::optional<std::string> nameLabel;  // set when there are names
};

// Takes loaded settings into `state`; the screen size bounds the position.
StartupOutcome ApplyStartup(const StartupSettings& loaded, int screenWidth, int screenHeight,
                            MainState& state);

// The close save: the raw texts as last loaded, the current terminal, the
// hint option and the window's present place.
ClosingSettings ClosingFrom(const MainState& state, int32_t left, int32_t top);

}  // namespace zavo
