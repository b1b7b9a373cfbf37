// The one place that knows the settings' key paths, value names, types and
// defaults. Every operation is one short transaction on the key-value
// backend: it opens the key it needs, reads or writes its values in a fixed
// order and closes it. Nothing is cached between operations.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/key_value_store.h"

namespace zavo {

inline constexpr const char* kRootPath = "SOFTWARE\\Zavo\\Zavo Remote";
inline constexpr const char* kTerminalProgramPath = "SOFTWARE\\Zavo\\Zavo Terminal";
inline constexpr int kProfileSlots = 6;

// Root values read at start-up. The initialisers are the values the program
// runs with when the root key is absent (found == false).
struct StartupSettings {
  bool found = false;
  bool benchmark = false;
  std::string ipList;
  std::string nameList;
  int32_t currentZavNumber = 1;
  bool showHints = true;
  int32_t leftPosition = 0;
  int32_t topPosition = 0;
  bool keypadEnabled = false;
};

struct ClosingSettings {
  std::string ipList;
  std::string nameList;
  int32_t currentZavNumber = 1;
  bool showHints = true;
  int32_t leftPosition = 0;
  int32_t topPosition = 0;
};

struct DialogSettings {
  bool found = false;
  std::string nameList;
  std::string ipList;
  int32_t netScanTimeout = 50;
  int32_t minimumRefreshInterval = 100;
  int32_t refreshIntervalIncrement = 25;
  bool showHints = true;
  bool keypadEnabled = false;
};

struct DialogSave {
  std::string nameList;
  std::string ipList;
  int32_t currentZavNumber = 1;
  int32_t netScanTimeout = 50;
  bool showHints = true;
  bool keypadEnabled = false;
};

// The four values of a profile slot that follow their entry when the list
// is edited. Label texts are stored comma lists; each reader splits them.
struct ProfileValues {
  std::string inputLabels = "In 1,In 2,In 3,In 4";
  std::string outputLabels = "Out 1,Out 2,Out 3,Out 4";
  int32_t refreshInterval = 100;
  int32_t printPort = 1749;
};

// What the terminal switch reads from a slot.
struct SwitchProfile {
  int32_t refreshInterval = 100;
  int32_t printPort = 1749;
  std::string heartbeatMessage;
  std::string inputLabels;
  std::string outputLabels;
};

// Path of profile slot n: root + "\Zav" + n.
std::string ProfileSlotPath(int slot);

class SettingsStore {
 public:
  explicit SettingsStore(KeyValueStore& backend) : backend_(backend) {}

  // Integer and boolean values missing from an existing root key read as
  // their "when absent" value (a root key made by the first close holds only
  // the six close values). Throws RegistryError on a value of wrong type.
  StartupSettings LoadStartupSettings();
  void SaveClosingSettings(const ClosingSettings& s);  // creates the root key
  void SaveWindowPosition(int32_t left, int32_t top);  // root must exist
  DialogSettings LoadDialogSettings();
  // Creates the root key when absent, so that a list confirmed on a machine
  // without settings is kept.
  void SaveDialogSettings(const DialogSave& s);

  // Slot reads: nullopt when the slot key is absent. A missing or mistyped
  // integer value in an existing slot throws RegistryError.
  std::optional<SwitchProfile> LoadSwitchProfile(int slot);
  std::optional<ProfileValues> LoadDialogProfile(int slot);
  void SaveProfile(int slot, const ProfileValues& v);  // slot must exist

  void RemoveProfileSlot(int k);
  void InsertProfileSlot(int k);
  // Returns the message to show ("<message> #<last error>") when a registry
  // error stopped the swap; what was written before it stays written.
  std::optional<std::string> SwapProfileSlots(int a, int b);

  void WriteAutoConnectHost(const std::string& plainAddress);  // creates its key

 private:
  KeyValueStore& backend_;
};

}  // namespace zavo
