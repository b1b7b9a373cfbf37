#include "settings/settings_store.h"

namespace zavo {
namespace {

constexpr const char* kInputLabels = "InputLabels";
constexpr const char* kOutputLabels = "OutputLabels";
constexpr const char* kRefreshInterval = "RefreshInterval";
constexpr const char* kPrintPort = "LPrintPort";

// A root value the first close does not write: read as its "when absent"
// value when it is missing, so such a root key still loads.
int32_t IntegerOr(const OpenKey& key, const std::string& name, int32_t absent) {
  return key.HasValue(name) ? key.ReadInteger(name) : absent;
}

bool BoolOr(const OpenKey& key, const std::string& name, bool absent) {
  return key.HasValue(name) ? key.ReadBool(name) : absent;
}

bool InRange(int slot) {
  return slot >= 1 && slot <= kProfileSlots;
}

ProfileValues ReadFour(const OpenKey& key) {
  ProfileValues v;
  v.inputLabels = key.ReadString(kInputLabels);
  v.outputLabels = key.ReadString(kOutputLabels);
  v.refreshInterval = key.ReadInteger(kRefreshInterval);
  v.printPort = key.ReadInteger(kPrintPort);
  return v;
}

void WriteFour(OpenKey& key, const ProfileValues& v) {
  key.WriteString(kInputLabels, v.inputLabels);
  key.WriteString(kOutputLabels, v.outputLabels);
  key.WriteInteger(kRefreshInterval, v.refreshInterval);
  key.WriteInteger(kPrintPort, v.printPort);
}

void ResetSlot(Transaction& tx, int slot) {
  if (auto key = tx.Open(ProfileSlotPath(slot), OpenMode::Write)) WriteFour(*key, ProfileValues{});
}

// A source slot without a key moves as a profile that holds nothing, so the
// target gets the reset values; a target without a key receives nothing.
// Either way no other slot is touched.
void CopySlot(Transaction& tx, int from, int to) {
  ProfileValues values;
  if (auto source = tx.Open(ProfileSlotPath(from), OpenMode::Write)) values = ReadFour(*source);
  if (auto target = tx.Open(ProfileSlotPath(to), OpenMode::Write)) WriteFour(*target, values);
}

}  // namespace

std::string ProfileSlotPath(int slot) {
  return std::string(kRootPath) + "\\Zav" + std::to_string(slot);
}

StartupSettings SettingsStore::LoadStartupSettings() {
  StartupSettings s;
  auto tx = backend_.Begin();
  auto key = tx->Open(kRootPath, OpenMode::Read);
  if (!key) return s;
  s.found = true;
  s.benchmark = BoolOr(*key, "Benchmark", s.benchmark);
  s.ipList = key->ReadString("ZavIPList");
  s.nameList = key->ReadString("ZavNameList");
  s.currentZavNumber = IntegerOr(*key, "CurrentZavNumber", s.currentZavNumber);
  s.showHints = BoolOr(*key, "ShowHints", s.showHints);
  s.leftPosition = IntegerOr(*key, "LeftPosition", s.leftPosition);
  s.topPosition = IntegerOr(*key, "TopPosition", s.topPosition);
  s.keypadEnabled = BoolOr(*key, "KeypadEnabled", s.keypadEnabled);
  return s;
}

void SettingsStore::SaveClosingSettings(const ClosingSettings& s) {
  auto tx = backend_.Begin();
  if (auto key = tx->Open(kRootPath, OpenMode::Create)) {
    key->WriteString("ZavIPList", s.ipList);
    key->WriteString("ZavNameList", s.nameList);
    key->WriteInteger("CurrentZavNumber", s.currentZavNumber);
    key->WriteBool("ShowHints", s.showHints);
    key->WriteInteger("LeftPosition", s.leftPosition);
    key->WriteInteger("TopPosition", s.topPosition);
  }
  tx->Commit();
}

void SettingsStore::SaveWindowPosition(int32_t left, int32_t top) {
  auto tx = backend_.Begin();
  if (auto key = tx->Open(kRootPath, OpenMode::Write)) {
    key->WriteInteger("LeftPosition", left);
    key->WriteInteger("TopPosition", top);
  }
  tx->Commit();
}

DialogSettings SettingsStore::LoadDialogSettings() {
  DialogSettings s;
  auto tx = backend_.Begin();
  auto key = tx->Open(kRootPath, OpenMode::Read);
  if (!key) return s;
  s.found = true;
  s.nameList = key->ReadString("ZavNameList");
  s.ipList = key->ReadString("ZavIPList");
  s.netScanTimeout = IntegerOr(*key, "NetScanTimeout", s.netScanTimeout);
  s.minimumRefreshInterval = IntegerOr(*key, "MinimumRefreshInterval", s.minimumRefreshInterval);
  s.refreshIntervalIncrement =
      IntegerOr(*key, "RefreshIntervalIncrement", s.refreshIntervalIncrement);
  s.showHints = BoolOr(*key, "ShowHints", s.showHints);
  s.keypadEnabled = BoolOr(*key, "KeypadEnabled", s.keypadEnabled);
  return s;
}

void SettingsStore::SaveDialogSettings(const DialogSave& s) {
  auto tx = backend_.Begin();
  if (auto key = tx->Open(kRootPath, OpenMode::Create)) {
    key->WriteString("ZavNameList", s.nameList);
    key->WriteString("ZavIPList", s.ipList);
    key->WriteInteger("CurrentZavNumber", s.currentZavNumber);
    key->WriteInteger("NetScanTimeout", s.netScanTimeout);
    key->WriteBool("ShowHints", s.showHints);
    key->WriteBool("KeypadEnabled", s.keypadEnabled);
  }
  tx->Commit();
}

std::optional<SwitchProfile> SettingsStore::LoadSwitchProfile(int slot) {
  auto tx = backend_.Begin();
  auto key = tx->Open(ProfileSlotPath(slot), OpenMode::Read);
  if (!key) return std::nullopt;
  SwitchProfile p;
  p.refreshInterval = key->ReadInteger(kRefreshInterval);
  p.printPort = key->ReadInteger(kPrintPort);
  p.heartbeatMessage = key->ReadString("HeartbeatMessage");
  p.inputLabels = key->ReadString(kInputLabels);
  p.outputLabels = key->ReadString(kOutputLabels);
  return p;
}

std::optional<ProfileValues> SettingsStore::LoadDialogProfile(int slot) {
  auto tx = backend_.Begin();
  auto key = tx->Open(ProfileSlotPath(slot), OpenMode::Read);
  if (!key) return std::nullopt;
  return ReadFour(*key);
}

void SettingsStore::SaveProfile(int slot, const ProfileValues& v) {
  auto tx = backend_.Begin();
  if (auto key = tx->Open(ProfileSlotPath(slot), OpenMode::Write)) WriteFour(*key, v);
  tx->Commit();
}

void SettingsStore::RemoveProfileSlot(int k) {
  if (!InRange(k)) return;
  auto tx = backend_.Begin();
  for (int t = k; t < kProfileSlots; ++t) CopySlot(*tx, t + 1, t);
  ResetSlot(*tx, kProfileSlots);
  tx->Commit();
}

void SettingsStore::InsertProfileSlot(int k) {
  if (!InRange(k)) return;
  auto tx = backend_.Begin();
  for (int t = kProfileSlots - 1; t >= k; --t) CopySlot(*tx, t, t + 1);
  ResetSlot(*tx, k);
  tx->Commit();
}

std::optional<std::string> SettingsStore::SwapProfileSlots(int a, int b) {
  if (!InRange(a) || !InRange(b) || a == b) return std::nullopt;
  auto tx = backend_.Begin();
  try {
    std::optional<ProfileValues> valuesB, valuesA;
    if (auto key = tx->Open(ProfileSlotPath(b), OpenMode::Write)) valuesB = ReadFour(*key);
    if (auto key = tx->Open(ProfileSlotPath(a), OpenMode::Write)) valuesA = ReadFour(*key);
    // Swapping with a slot that has no key would lose a profile: leave both.
    if (!valuesA || !valuesB) return std::nullopt;
    if (auto key = tx->Open(ProfileSlotPath(b), OpenMode::Write)) WriteFour(*key, *valuesA);
    if (auto key = tx->Open(ProfileSlotPath(a), OpenMode::Write)) WriteFour(*key, *valuesB);
  } catch (const RegistryError& e) {
    // Whatever was written stays written; the transaction commits it.
    return std::string(e.what()) + " #" + std::to_string(e.lastError());
  }
  tx->Commit();
  return std::nullopt;
}

void SettingsStore::WriteAutoConnectHost(const std::string& plainAddress) {
  auto tx = backend_.Begin();
  if (auto key = tx->Open(kTerminalProgramPath, OpenMode::Create))
    key->WriteString("AutoConnectHost", plainAddress);
  tx->Commit();
}

}  // namespace zavo
