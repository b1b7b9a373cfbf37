// A settings store in memory laid out as an installed system has it: the
// root key with a list of terminals T1..Tn at 10.0.0.n and six profile slots
// whose first input label names the profile (P1..P6).
#pragma once

#include <string>
#include <vector>

#include "link/address.h"
#include "settings/comma_list.h"
#include "settings/memory_store.h"
#include "settings/settings_store.h"

namespace zavo {

struct DialogTestStore {
  MemoryStore memory;
  SettingsStore store{memory};

  static std::string Name(int i) { return "T" + std::to_string(i); }
  static std::string Address(int i) { return PadAddress("10.0.0." + std::to_string(i)); }

  void Provision(int entries, bool root = true, bool withSlots = true) {
    std::vector<std::string> names, addresses;
    for (int i = 1; i <= entries; ++i) {
      names.push_back(Name(i));
      addresses.push_back(Address(i));
    }
    auto tx = memory.Begin();
    if (root) {
      auto key = tx->Open(kRootPath, OpenMode::Create);
      key->WriteString("ZavNameList", JoinCommaList(names));
      key->WriteString("ZavIPList", JoinCommaList(addresses));
    }
    if (withSlots) {
      for (int n = 1; n <= kProfileSlots; ++n) {
        auto key = tx->Open(ProfileSlotPath(n), OpenMode::Create);
        const std::string p = std::to_string(n);
        key->WriteString("InputLabels", "P" + p + ",i2,i3,i4");
        key->WriteString("OutputLabels", "Q" + p + ",o2,o3,o4");
        key->WriteInteger("RefreshInterval", 100 + 25 * n);
        key->WriteInteger("LPrintPort", 2000 + n);
        key->WriteString("HeartbeatMessage", "hb" + p);
      }
    }
    tx->Commit();
  }

  void WriteSlotValue(int slot, const std::string& name, const std::string& text) {
    auto tx = memory.Begin();
    tx->Open(ProfileSlotPath(slot), OpenMode::Write)->WriteString(name, text);
    tx->Commit();
  }

  // The first input label of each slot: which profile it holds ("In 1"
  // for a reset slot, "" for a missing one).
  std::vector<std::string> Markers() {
    std::vector<std::string> out;
    for (int n = 1; n <= kProfileSlots; ++n) {
      const auto p = store.LoadDialogProfile(n);
      const auto labels = p ? SplitCommaList(p->inputLabels) : std::vector<std::string>{};
      out.push_back(labels.empty() ? "" : labels.front());
    }
    return out;
  }

  // Everything the dialog may write, as one text.
  std::string Snapshot() {
    const DialogSettings d = store.LoadDialogSettings();
    std::string s = d.nameList + "|" + d.ipList + "|" + std::to_string(d.netScanTimeout) + "|" +
                    std::to_string(d.showHints) + std::to_string(d.keypadEnabled);
    for (int n = 1; n <= kProfileSlots; ++n) {
      if (const auto p = store.LoadSwitchProfile(n))
        s += "|" + p->inputLabels + ";" + p->outputLabels + ";" +
             std::to_string(p->refreshInterval) + ";" + std::to_string(p->printPort) + ";" +
             p->heartbeatMessage;
    }
    return s;
  }
};

}  // namespace zavo
